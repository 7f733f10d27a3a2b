#pragma once

// Fingerings as a guitar teacher writes them under a chord box, from playing
// and teaching knowledge. Frets low E first ("x32010", or comma-separated
// where a fret has two digits); fingers the same way: 1 index, 2 middle,
// 3 ring, 4 little, "x" over a muted string, "0" over an open one. A finger
// written on two or more strings is a barre from the first to the last.
// `why` gives the reason where teachers write it more than one way.

namespace fixture {

struct TeacherFingering {
    const char* group;
    const char* frets;
    const char* fingers;
    const char* why = nullptr;
};

inline constexpr TeacherFingering kTeacherFingerings[] = {
    // ---- Open chords --------------------------------------------------------
    {"open", "x32010", "x32010"},
    {"open", "x02220", "x01230",
     "three fingers side by side; the 2-1-3 squeeze and the index barre are also taught, but "
     "the chart a beginner gets reads 1-2-3"},
    {"open", "320003", "210003",
     "the traditional chart; 3-2-4 (little on top) is taught for the change to C"},
    {"open", "320033", "210034"},
    {"open", "022100", "023100"},
    {"open", "022000", "023000",
     "middle and ring as in E, so E and Em change by lifting the index; 0 1 2 is also seen"},
    {"open", "xx0232", "xx0132"},
    {"open", "xx0231", "xx0231"},
    {"open", "x02210", "x02310"},
    {"open", "020100", "020100"},
    {"open", "022130", "023140"},
    {"open", "x02020", "x02030", "middle and ring, the hand staying over the first frets"},
    {"open", "x02030", "x02030"},
    {"open", "xx0212", "xx0213"},
    {"open", "x32310", "x32410"},
    {"open", "320001", "320001"},
    {"open", "x21202", "x21304"},
    {"open", "x32000", "x32000", "C with the index lifted, not 2-1"},
    {"open", "320002", "310002",
     "Gmaj7: index and middle on the second fret, lower finger on the lower string, as in G; 3 2 0 "
     "0 0 1 is also charted"},
    {"open", "xx3210", "xx3210"},
    {"open", "x02120", "x02130"},
    {"open", "xx0222", "xx0111", "the index lies across the top three, as Dmaj7 is charted"},
    {"open", "x02010", "x02010"},
    {"open", "022030", "012030",
     "index and middle, ring on the B string; 0 2 3 0 4 0 is also taught"},
    {"open", "020000", "020000"},
    {"open", "xx0211", "xx0211"},
    {"open", "x02200", "x02300", "the hand at home, as in Em"},
    {"open", "x32033", "x21034"},
    {"open", "x32030", "x21030"},
    {"open", "302210", "402310", "Am with the little finger reaching the bass G"},
    {"open", "020102", "020103"},
    {"open", "x20202", "x10203",
     "Bm7 in the open: index, middle and ring one fret each; x 2 0 3 0 4 is also written"},
    {"open", "000100", "000100"},
    {"open", "x02000", "x02000"},
    {"open", "xx0201", "xx0201"},
    {"open", "x3x010", "x3x010"},
    {"open", "xx3211", "xx3211"},
    {"open", "xx3011", "xx3011", "F with the G string ringing: the index barre on B and E"},
    {"open", "xx0323", "xx0213"},
    {"open", "002220", "001230"},
    {"open", "x22100", "x23100"},

    // ---- E-form barres --------------------------------------------------------
    {"E form", "133211", "134211"},
    {"E form", "244322", "134211"},
    {"E form", "355433", "134211"},
    {"E form", "577655", "134211"},
    {"E form", "8,10,10,9,8,8", "134211"},
    {"E form", "133111", "134111"},
    {"E form", "355333", "134111"},
    {"E form", "7,9,9,7,7,7", "134111"},
    {"E form", "131211", "131211"},
    {"E form", "353433", "131211"},
    {"E form", "131111", "131111"},
    {"E form", "575555", "131111"},
    {"E form", "133241", "133241", "F7 with the seventh on the B string: the ring bars A and D"},
    {"E form", "13321x", "13421x"},
    {"E form", "x33211", "x34211"},
    {"E form", "1332xx", "1342xx"},
    {"E form", "xx3211", "xx3211"},
    {"E form", "x,x,10,9,8,8", "xx3211"},
    {"E form", "x,x,10,9,8,x", "xx321x"},
    {"E form", "xxx988", "xxx211"},

    // ---- A-form barres ---------------------------------------------------------
    {"A form", "x13331", "x12341",
     "four fingers: a ring barre over the three would damp the top string the index holds, "
     "unless the ring bends back at its tip, which few hands do"},
    {"A form", "x24442", "x12341"},
    {"A form", "x35553", "x12341"},
    {"A form", "x57775", "x12341"},
    {"A form", "x1333x", "x1333x", "the ring across the three, damping the top string"},
    {"A form", "x3555x", "x1333x"},
    {"A form", "x13321", "x13421"},
    {"A form", "x24432", "x13421"},
    {"A form", "x35543", "x13421"},
    {"A form", "x57765", "x13421"},
    {"A form", "x13131", "x13141"},
    {"A form", "x35353", "x13141"},
    {"A form", "x13121", "x13121"},
    {"A form", "x57565", "x13121"},
    {"A form", "x13231", "x13241"},
    {"A form", "x35453", "x13241"},
    {"A form", "x13333", "x13333", "the ring across four strings, the A6 form"},
    {"A form", "x1332x", "x1342x"},
    {"A form", "x3554x", "x1342x"},

    // ---- C-form barres ---------------------------------------------------------
    {"C form", "x54232", "x43121"},
    {"C form", "x76454", "x43121"},
    {"C form", "x,10,9,7,8,7", "x43121"},
    {"C form", "x5423x", "x4312x"},
    {"C form", "x54222", "x43111", "Cmaj7's hand moved up: the index bars the top three"},
    {"C form", "x76444", "x43111"},
    {"C form", "x5453x", "x3241x", "C7's hand moved up without the top string"},

    // ---- D-form barres ---------------------------------------------------------
    {"D form", "xx2454", "xx1343",
     "the ring bars the top three with the little finger above it on the B string, as the A "
     "form's ring barre; 1-2-4-3 needs the middle two frets past the index"},
    {"D form", "xx4676", "xx1343"},
    {"D form", "x,x,10,12,13,12", "xx1343"},
    {"D form", "xx2453", "xx1342"},
    {"D form", "x,x,12,14,15,13", "xx1342"},
    {"D form", "xx2434", "xx1324"},
    {"D form", "xx4656", "xx1324"},
    {"D form", "xx2444", "xx1333", "Dmaj7's hand moved up: the ring across the top three"},

    // ---- G-form (what a hand holds of it) ---------------------------------------
    {"G form", "xx5558", "xx1114"},
    {"G form", "xx2225", "xx1114"},
    {"G form", "x,x,7,7,7,10", "xx1114"},
    {"G form", "5422xx", "4311xx",
     "the bass half, a finger per fret: ring on 4, little on the root"},
    {"G form", "xx5557", "xx1113"},

    // ---- Four strings on top ----------------------------------------------------
    {"top four", "xx3231", "xx3241"},
    {"top four", "xxx231", "xxx231"},
    {"top four", "xxx232", "xxx132"},
    {"top four", "x,x,9,9,8,10", "xx2314"},
    {"top four", "x,x,10,9,8,10", "xx3214"},
    {"top four", "x,x,7,9,10,9", "xx1343"},
    {"top four", "x,x,5,7,8,7", "xx1343"},
    {"top four", "xxx555", "xxx111"},
    {"top four", "xxx565", "xxx132", "the D triad moved up, fingered as xxx232"},
    {"top four", "x,x,5,7,6,7", "xx1324"},
    {"top four", "x,x,7,7,6,5", "xx3421", "E-form minor's top: ring and little side by side"},
    {"top four", "xxx987", "xxx321"},
    {"top four", "x,x,2,2,2,x", "xx111x"},
    {"top four", "x,x,3,5,5,5", "xx1333", "the ring across the top three"},
    {"top four", "x,x,3,5,4,5", "xx1324"},

    // ---- Jazz grips: shells, drop-2 and drop-3 ---------------------------------
    {"jazz", "x3x453", "x1x342",
     "the index on the root, the middle on the top string at the same fret; x 2 x 3 4 1 is "
     "also taught"},
    {"jazz", "8x798x", "2x143x"},
    {"jazz", "3x443x", "1x342x",
     "drop-3 major seventh, the index on the root as in x3x453; 2 x 3 4 1 x is also taught"},
    {"jazz", "3x44xx", "1x23xx",
     "shell: root, seventh, third with index, middle, ring; some keep the middle on the root"},
    {"jazz", "3x34xx", "1x23xx"},
    {"jazz", "x3x44x", "x1x23x"},
    {"jazz", "x3x34x", "x1x23x"},
    {"jazz", "x3545x", "x1324x"},
    {"jazz", "x3535x", "x1314x"},
    {"jazz", "x3534x", "x1423x",
     "four fingers, no barre, as jazz books chart it; x 1 3 1 2 x is also taught"},
    {"jazz", "x3434x", "x1324x", "the half-diminished as charted, not an index barre"},
    {"jazz", "xx3545", "xx1324"},
    {"jazz", "x3233x", "x2134x"},
    {"jazz", "x3234x", "x2134x"},
    {"jazz", "x32233", "x21134"},
    {"jazz", "5x554x", "2x341x"},
    {"jazz", "5x565x", "1x243x"},
    {"jazz", "x5x554", "x2x341"},
    {"jazz", "x7x788", "x1x234"},
    {"jazz", "x,x,7,9,8,9", "xx1324"},
    {"jazz", "x3x345", "x1x234"},
    {"jazz", "x5x566", "x1x234"},
    {"jazz", "x7678x", "x2134x"},

    // ---- Other tunings (fingering follows the frets, not the pitches) -----------
    {"Drop D", "000232", "000132"},
    {"Drop D", "555xxx", "111xxx", "the one-finger power chord the tuning is for"},
    {"Drop D", "777xxx", "111xxx"},
    {"Drop D", "0002xx", "0002xx"},
    {"Drop D", "000xxx", "000xxx"},
    {"Drop D", "555433", "334211",
     "G, the E form with the bass a string lower: the ring's pad on the two low strings, as the "
     "E form's ring and little"},
    {"DADGAD", "000200", "000200"},
    {"DADGAD", "004200", "004200"},
    {"DADGAD", "000204", "000204"},
    {"DADGAD", "x00230", "x00230"},
    {"DADGAD", "000000", "000000"},
    {"DADGAD", "x02000", "x02000"},
    {"Open G", "000000", "000000"},
    {"Open G", "555555", "111111"},
    {"Open G", "777777", "111111"},
    {"Open G", "003000", "003000"},
    {"Open G", "000010", "000010"},
    {"Open G", "200002", "200003"},
    {"Open G", "x5555x", "x1111x"},
    {"Open D", "000000", "000000"},
    {"Open D", "555555", "111111"},
    {"Open D", "000100", "000100"},
    {"Open D", "000030", "000030"},
    {"Open D", "005555", "001111"},
    {"Open D", "000002", "000002"},
    {"Open D", "x0x210", "x0x210"},
    {"E-flat standard", "x32010", "x32010", "the open shapes, a half step lower"},
    {"E-flat standard", "133211", "134211"},
    {"D standard", "320003", "210003"},
    {"D standard", "x02210", "x02310"},
};

// Grips four fingers cannot hold without the thumb, or not at all.
struct Unholdable {
    const char* frets;
    const char* why;
};

inline constexpr Unholdable kUnholdable[] = {
    {"102210", "Fmaj7 with the low F: the open A between the two first-fret notes"},
    {"103210", "F over an open A: the same, the thumb takes the low F"},
    {"x31013", "Cm: an open G between the two first-fret notes, ring and little beyond"},
    {"421104", "the ring three frets past the index barre, the little beside it"},
    {"x35558", "five frets apart"},
    {"1xxx5x", "five frets apart"},
    {"3x5x7x", "five frets apart"},
    {"5,4,2,2,2,5", "the full G form: the ring three frets past the index barre"},
    {"8,7,5,5,5,8", "the full G form at the fifth fret"},
    {"8,5,5,5,5,8", "a barre with both outer strings three frets up"},
    {"35x453", "a muted string under the index barre"},
    {"x43141", "the ring three frets past the index barre"},
    {"10,10,10,x,x,7",
     "the low three three frets past the index: too far for the ring, and the little does not bar"},
    {"15,15,12,12,12,12",
     "the two bass strings three frets past the index barre, for the little alone"},
};

}  // namespace fixture
