#pragma once

// First-page grips: for a chord, the grips a guitar teacher wants a student to
// find among the first 18 diagrams of its gallery, in standard tuning. Written
// from teaching: the open chords, the E-form and A-form barres, the C and D
// forms where players move them, four-note grips on the top strings, jazz
// shells and drop voicings, and the sus, add and sixth chords students meet
// early. A chord has at most ten here, so all of them fit on its first page.
// Each one is a grip of this program (theory::isGrip); common grips it cannot
// hold are listed at the end with the reason.

namespace teacher {

struct FirstPageGrip {
    const char* type;  // chord type key, as theory::kChordTypes[i].key
    int root;          // pitch class of the root, C = 0
    const char* grip;  // low E string first: "x32010", or "8,10,10,9,8,8" when a fret >= 10
    const char* why;   // empty for the obvious; the reason for a doubtful one
};

inline constexpr FirstPageGrip kFirstPages[] = {
    // ---- Open chords: first position, open strings ringing ----
    {"minor", 4, "022000", ""},  // Em
    {"minor", 9, "x02210", ""},  // Am
    {"minor", 2, "xx0231", ""},  // Dm
    {"7th", 4, "020100", ""},    // E7
    // E7
    {"7th", 4, "022130", "the four-finger E7 with the seventh on the B string"},
    {"7th", 9, "x02020", ""},  // A7
    // A7
    {"7th", 9, "x02223", "the seventh on top, the A barre plus the little finger"},
    {"7th", 2, "xx0212", ""},   // D7
    {"7th", 7, "320001", ""},   // G7
    {"7th", 0, "x32310", ""},   // C7
    {"7th", 11, "x21202", ""},  // B7
    {"m7", 4, "020000", ""},    // Em7
    {"m7", 4, "022030", ""},    // Em7
    {"m7", 9, "x02010", ""},    // Am7
    {"m7", 2, "xx0211", ""},    // Dm7
    // Bm7
    {"m7", 11, "x20202", "open D and B ring between fretted notes; the hand stands steep"},
    {"maj7", 0, "x32000", ""},  // Cmaj7
    {"maj7", 5, "xx3210", ""},  // Fmaj7
    {"maj7", 9, "x02120", ""},  // Amaj7
    {"maj7", 2, "xx0222", ""},  // Dmaj7
    {"maj7", 4, "021100", ""},  // Emaj7
    {"maj7", 7, "320002", ""},  // Gmaj7
    // Fmaj7
    {"maj7", 5, "1x2210", "the F bass reached over the A string, the open E on top"},
    {"m7b5", 4, "012030", ""},  // Em7b5
    {"m7b5", 2, "xx0111", ""},  // Dm7b5
    {"m7b5", 9, "x01013", ""},  // Am7b5
    {"dim", 2, "xx0131", ""},   // Ddim
    // Edim
    {"dim", 4, "0120xx", "the open E and G ring; the top two strings are damped"},
    {"aug", 0, "x32110", ""},  // Caug
    {"aug", 4, "032110", ""},  // Eaug
    {"aug", 7, "321003", ""},  // Gaug
    {"6th", 0, "x32210", ""},  // C6
    {"6th", 9, "x02222", ""},  // A6
    {"6th", 2, "xx0202", ""},  // D6
    {"6th", 4, "022120", ""},  // E6
    {"6th", 7, "320000", ""},  // G6
    {"m6", 9, "x02212", ""},   // Am6
    {"m6", 2, "xx0201", ""},   // Dm6
    {"m6", 4, "022020", ""},   // Em6
    {"9th", 4, "020102", ""},  // E9
    // G9
    {"9th", 7, "300201", "the open A and D are the ninth and the fifth"},
    {"m9", 4, "022032", ""},  // Em9
    // Am9
    {"m9", 9, "x05557", "open A under a shape at the fifth fret"},
    {"7sus4", 9, "x02030", ""},  // A7sus4
    {"7sus4", 2, "xx0213", ""},  // D7sus4
    {"7sus4", 4, "020200", ""},  // E7sus4
    // G7sus4
    {"7sus4", 7, "330011", "first position over the open D and G; less taught than the barre"},
    {"sus2", 9, "x02200", ""},  // Asus2
    {"sus2", 2, "xx0230", ""},  // Dsus2
    {"sus2", 0, "x30033", ""},  // Csus2
    // Esus2
    {"sus2", 4, "024400", "the ninth at the fourth fret of the D string, a stretch for a beginner"},
    {"sus4", 9, "x02230", ""},  // Asus4
    {"sus4", 2, "xx0233", ""},  // Dsus4
    {"sus4", 4, "022200", ""},  // Esus4
    {"sus4", 0, "x33011", ""},  // Csus4
    {"sus4", 7, "330013", ""},  // Gsus4
    {"13th", 4, "020120", ""},  // E13
    // A13
    {"13th", 9, "x05677", "open A under the shape at the fifth fret"},
    // E7#9
    {"7aug9", 4, "076780", "the x7678x grip with both E strings open"},
    {"7dim5", 4, "012130", ""},  // E7b5
    {"7aug5", 4, "0x0110", ""},  // E7#5

    // ---- E-form barres: root on the sixth string, the index across the neck ----
    // minor, 133111
    {"minor", 5, "133111", ""},             // Fm
    {"minor", 6, "244222", ""},             // F#m
    {"minor", 7, "355333", ""},             // Gm
    {"minor", 8, "466444", ""},             // Abm
    {"minor", 9, "577555", ""},             // Am
    {"minor", 10, "688666", ""},            // Bbm
    {"minor", 11, "799777", ""},            // Bm
    {"minor", 0, "8,10,10,8,8,8", ""},      // Cm
    {"minor", 1, "9,11,11,9,9,9", ""},      // C#m
    {"minor", 2, "10,12,12,10,10,10", ""},  // Dm
    {"minor", 3, "11,13,13,11,11,11", ""},  // Ebm
    // 7, 131211
    {"7th", 5, "131211", ""},             // F7
    {"7th", 6, "242322", ""},             // F#7
    {"7th", 7, "353433", ""},             // G7
    {"7th", 8, "464544", ""},             // Ab7
    {"7th", 9, "575655", ""},             // A7
    {"7th", 10, "686766", ""},            // Bb7
    {"7th", 11, "797877", ""},            // B7
    {"7th", 0, "8,10,8,9,8,8", ""},       // C7
    {"7th", 1, "9,11,9,10,9,9", ""},      // C#7
    {"7th", 2, "10,12,10,11,10,10", ""},  // D7
    {"7th", 3, "11,13,11,12,11,11", ""},  // Eb7
    // m7, 131111
    {"m7", 5, "131111", ""},             // Fm7
    {"m7", 6, "242222", ""},             // F#m7
    {"m7", 7, "353333", ""},             // Gm7
    {"m7", 8, "464444", ""},             // Abm7
    {"m7", 9, "575555", ""},             // Am7
    {"m7", 10, "686666", ""},            // Bbm7
    {"m7", 11, "797777", ""},            // Bm7
    {"m7", 0, "8,10,8,8,8,8", ""},       // Cm7
    {"m7", 1, "9,11,9,9,9,9", ""},       // C#m7
    {"m7", 2, "10,12,10,10,10,10", ""},  // Dm7
    {"m7", 3, "11,13,11,11,11,11", ""},  // Ebm7
    // 7sus4, 131311
    {"7sus4", 5, "131311", ""},             // F7sus4
    {"7sus4", 7, "353533", ""},             // G7sus4
    {"7sus4", 9, "575755", ""},             // A7sus4
    {"7sus4", 11, "797977", ""},            // B7sus4
    {"7sus4", 0, "8,10,8,10,8,8", ""},      // C7sus4
    {"7sus4", 2, "10,12,10,12,10,10", ""},  // D7sus4
    // sus4, 133311
    {"sus4", 5, "133311", ""},             // Fsus4
    {"sus4", 7, "355533", ""},             // Gsus4
    {"sus4", 9, "577755", ""},             // Asus4
    {"sus4", 0, "8,10,10,10,8,8", ""},     // Csus4
    {"sus4", 2, "10,12,12,12,10,10", ""},  // Dsus4

    // ---- A-form barres: root on the fifth string ----
    // minor, x13321
    {"minor", 10, "x13321", ""},           // Bbm
    {"minor", 11, "x24432", ""},           // Bm
    {"minor", 0, "x35543", ""},            // Cm
    {"minor", 1, "x46654", ""},            // C#m
    {"minor", 2, "x57765", ""},            // Dm
    {"minor", 3, "x68876", ""},            // Ebm
    {"minor", 4, "x79987", ""},            // Em
    {"minor", 5, "x,8,10,10,9,8", ""},     // Fm
    {"minor", 6, "x,9,11,11,10,9", ""},    // F#m
    {"minor", 7, "x,10,12,12,11,10", ""},  // Gm
    {"minor", 8, "x,11,13,13,12,11", ""},  // Abm
    // 7, x13131
    {"7th", 10, "x13131", ""},           // Bb7
    {"7th", 11, "x24242", ""},           // B7
    {"7th", 0, "x35353", ""},            // C7
    {"7th", 1, "x46464", ""},            // C#7
    {"7th", 2, "x57575", ""},            // D7
    {"7th", 3, "x68686", ""},            // Eb7
    {"7th", 4, "x79797", ""},            // E7
    {"7th", 5, "x,8,10,8,10,8", ""},     // F7
    {"7th", 6, "x,9,11,9,11,9", ""},     // F#7
    {"7th", 7, "x,10,12,10,12,10", ""},  // G7
    {"7th", 8, "x,11,13,11,13,11", ""},  // Ab7
    // m7, x13121
    {"m7", 10, "x13121", ""},           // Bbm7
    {"m7", 11, "x24232", ""},           // Bm7
    {"m7", 0, "x35343", ""},            // Cm7
    {"m7", 1, "x46454", ""},            // C#m7
    {"m7", 2, "x57565", ""},            // Dm7
    {"m7", 3, "x68676", ""},            // Ebm7
    {"m7", 4, "x79787", ""},            // Em7
    {"m7", 5, "x,8,10,8,9,8", ""},      // Fm7
    {"m7", 6, "x,9,11,9,10,9", ""},     // F#m7
    {"m7", 7, "x,10,12,10,11,10", ""},  // Gm7
    {"m7", 8, "x,11,13,11,12,11", ""},  // Abm7
    // maj7, x13231
    {"maj7", 10, "x13231", ""},           // Bbmaj7
    {"maj7", 11, "x24342", ""},           // Bmaj7
    {"maj7", 0, "x35453", ""},            // Cmaj7
    {"maj7", 1, "x46564", ""},            // C#maj7
    {"maj7", 2, "x57675", ""},            // Dmaj7
    {"maj7", 3, "x68786", ""},            // Ebmaj7
    {"maj7", 4, "x79897", ""},            // Emaj7
    {"maj7", 5, "x,8,10,9,10,8", ""},     // Fmaj7
    {"maj7", 6, "x,9,11,10,11,9", ""},    // F#maj7
    {"maj7", 7, "x,10,12,11,12,10", ""},  // Gmaj7
    {"maj7", 8, "x,11,13,12,13,11", ""},  // Abmaj7
    // m7b5, x1212x; the top string is damped
    {"m7b5", 0, "x3434x", ""},           // Cm7b5
    {"m7b5", 1, "x4545x", ""},           // C#m7b5
    {"m7b5", 2, "x5656x", ""},           // Dm7b5
    {"m7b5", 3, "x6767x", ""},           // Ebm7b5
    {"m7b5", 4, "x7878x", ""},           // Em7b5
    {"m7b5", 5, "x8989x", ""},           // Fm7b5
    {"m7b5", 6, "x,9,10,9,10,x", ""},    // F#m7b5
    {"m7b5", 7, "x,10,11,10,11,x", ""},  // Gm7b5
    {"m7b5", 8, "x,11,12,11,12,x", ""},  // Abm7b5
    {"m7b5", 9, "x,12,13,12,13,x", ""},  // Am7b5
    {"m7b5", 10, "x1212x", ""},          // Bbm7b5
    {"m7b5", 11, "x2323x", ""},          // Bm7b5
    // 7sus4, x13141
    {"7sus4", 0, "x35363", ""},            // C7sus4
    {"7sus4", 2, "x57585", ""},            // D7sus4
    {"7sus4", 3, "x68696", ""},            // Eb7sus4
    {"7sus4", 5, "x,8,10,8,11,8", ""},     // F7sus4
    {"7sus4", 7, "x,10,12,10,13,10", ""},  // G7sus4
    {"7sus4", 10, "x13141", ""},           // Bb7sus4
    {"7sus4", 11, "x24252", ""},           // B7sus4
    // sus4, x13341
    {"sus4", 0, "x35563", ""},            // Csus4
    {"sus4", 3, "x68896", ""},            // Ebsus4
    {"sus4", 5, "x,8,10,10,11,8", ""},    // Fsus4
    {"sus4", 7, "x,10,12,12,13,10", ""},  // Gsus4
    {"sus4", 10, "x13341", ""},           // Bbsus4
    {"sus4", 11, "x24452", ""},           // Bsus4

    // ---- Movable grips with the root on the fifth string ----
    // 9, x3233x: the C9 grip without its top string
    {"9th", 0, "x3233x", ""},            // C9
    {"9th", 1, "x4344x", ""},            // C#9
    {"9th", 2, "x5455x", ""},            // D9
    {"9th", 3, "x6566x", ""},            // Eb9
    {"9th", 5, "x8788x", ""},            // F9
    {"9th", 7, "x,10,9,10,10,x", ""},    // G9
    {"9th", 9, "x,12,11,12,12,x", ""},   // A9
    {"9th", 10, "x,13,12,13,13,x", ""},  // Bb9
    {"9th", 11, "x2122x", ""},           // B9
    // m9, x3133x
    {"m9", 0, "x3133x", ""},            // Cm9
    {"m9", 2, "x5355x", ""},            // Dm9
    {"m9", 3, "x6466x", ""},            // Ebm9
    {"m9", 5, "x8688x", ""},            // Fm9
    {"m9", 7, "x,10,8,10,10,x", ""},    // Gm9
    {"m9", 11, "x,14,12,14,14,x", ""},  // Bm9
    // 7b9, x3232x
    {"7b9", 0, "x3232x", ""},           // C7b9
    {"7b9", 2, "x5454x", ""},           // D7b9
    {"7b9", 4, "x7676x", ""},           // E7b9
    {"7b9", 7, "x,10,9,10,9,x", ""},    // G7b9
    {"7b9", 9, "x,12,11,12,11,x", ""},  // A7b9
    // 7#9, x7678x
    {"7aug9", 0, "x3234x", ""},           // C7#9
    {"7aug9", 2, "x5456x", ""},           // D7#9
    {"7aug9", 4, "x7678x", ""},           // E7#9
    {"7aug9", 5, "x8789x", ""},           // F7#9
    {"7aug9", 7, "x,10,9,10,11,x", ""},   // G7#9
    {"7aug9", 9, "x,12,11,12,13,x", ""},  // A7#9
    {"7aug9", 11, "x2123x", ""},          // B7#9
    // 7b5, x3435x
    {"7dim5", 0, "x3435x", ""},           // C7b5
    {"7dim5", 2, "x5657x", ""},           // D7b5
    {"7dim5", 4, "x7879x", ""},           // E7b5
    {"7dim5", 7, "x,10,11,10,12,x", ""},  // G7b5
    // maj9, x3243x
    {"maj9", 0, "x3243x", ""},            // Cmaj9
    {"maj9", 2, "x5465x", ""},            // Dmaj9
    {"maj9", 5, "x8798x", ""},            // Fmaj9
    {"maj9", 7, "x,10,9,11,10,x", ""},    // Gmaj9
    {"maj9", 10, "x,13,12,14,13,x", ""},  // Bbmaj9
    // 13, x3x355: root, seventh, third, thirteenth
    {"13th", 0, "x3x355", ""},           // C13
    {"13th", 2, "x5x577", ""},           // D13
    {"13th", 3, "x6x688", ""},           // Eb13
    {"13th", 5, "x,8,x,8,10,10", ""},    // F13
    {"13th", 7, "x,10,x,10,12,12", ""},  // G13
    {"13th", 10, "x1x133", ""},          // Bb13
    {"13th", 11, "x2x244", ""},          // B13
    // m6, x3121x
    {"m6", 0, "x3121x", ""},            // Cm6
    {"m6", 2, "x5343x", ""},            // Dm6
    {"m6", 4, "x7565x", ""},            // Em6
    {"m6", 5, "x8676x", ""},            // Fm6
    {"m6", 7, "x,10,8,9,8,x", ""},      // Gm6
    {"m6", 10, "x,13,11,12,11,x", ""},  // Bbm6
    {"m6", 11, "x,14,12,13,12,x", ""},  // Bm6
    {"m6", 1, "x4232x", ""},            // C#m6
    // aug, x3211x
    {"aug", 0, "x3211x", ""},         // Caug
    {"aug", 1, "x4322x", ""},         // C#aug
    {"aug", 3, "x6544x", ""},         // Ebaug
    {"aug", 5, "x8766x", ""},         // Faug
    {"aug", 6, "x9877x", ""},         // F#aug
    {"aug", 8, "x,11,10,9,9,x", ""},  // Abaug
    // dim triad, x3454x
    {"dim", 0, "x3454x", ""},           // Cdim
    {"dim", 1, "x4565x", ""},           // C#dim
    {"dim", 2, "x5676x", ""},           // Ddim
    {"dim", 3, "x6787x", ""},           // Ebdim
    {"dim", 4, "x7898x", ""},           // Edim
    {"dim", 5, "x,8,9,10,9,x", ""},     // Fdim
    {"dim", 6, "x,9,10,11,10,x", ""},   // F#dim
    {"dim", 7, "x,10,11,12,11,x", ""},  // Gdim
    {"dim", 8, "x,11,12,13,12,x", ""},  // Abdim
    {"dim", 9, "x,12,13,14,13,x", ""},  // Adim
    {"dim", 10, "x1232x", ""},          // Bbdim
    {"dim", 11, "x2343x", ""},          // Bdim

    // ---- C and D forms ----
    // 7, C form: x32310 moved up, the top string left off
    {"7th", 2, "x5453x", ""},         // D7
    {"7th", 4, "x7675x", ""},         // E7
    {"7th", 5, "x8786x", ""},         // F7
    {"7th", 7, "x,10,9,10,8,x", ""},  // G7
    // 7, D form: xx0212 moved up
    {"7th", 5, "xx3545", ""},           // F7
    {"7th", 7, "xx5767", ""},           // G7
    {"7th", 9, "xx7989", ""},           // A7
    {"7th", 11, "x,x,9,11,10,11", ""},  // B7
    {"7th", 0, "x,x,10,12,11,12", ""},  // C7
    // m7, D form
    {"m7", 5, "xx3544", ""},           // Fm7
    {"m7", 7, "xx5766", ""},           // Gm7
    {"m7", 9, "xx7988", ""},           // Am7
    {"m7", 0, "x,x,10,12,11,11", ""},  // Cm7
    // maj7, D form
    {"maj7", 4, "xx2444", ""},  // Emaj7
    {"maj7", 5, "xx3555", ""},  // Fmaj7
    {"maj7", 7, "xx5777", ""},  // Gmaj7
    {"maj7", 9, "xx7999", ""},  // Amaj7
    // minor, D form
    // Em
    {"minor", 4, "xx2453", "the open Dm shape moved up, four fingers"},
    // Fm
    {"minor", 5, "xx3564", "the open Dm shape moved up, four fingers"},
    // Gm
    {"minor", 7, "xx5786", "the open Dm shape moved up, four fingers"},
    // 6, D form
    {"6th", 4, "xx2424", ""},  // E6
    {"6th", 5, "xx3535", ""},  // F6
    {"6th", 7, "xx5757", ""},  // G6
    // m6, D form
    {"m6", 5, "xx3534", ""},           // Fm6
    {"m6", 7, "xx5756", ""},           // Gm6
    {"m6", 0, "x,x,10,12,10,11", ""},  // Cm6
    // m7b5, D form: xx0111 moved up
    {"m7b5", 4, "xx2333", ""},           // Em7b5
    {"m7b5", 5, "xx3444", ""},           // Fm7b5
    {"m7b5", 6, "xx4555", ""},           // F#m7b5
    {"m7b5", 7, "xx5666", ""},           // Gm7b5
    {"m7b5", 9, "xx7888", ""},           // Am7b5
    {"m7b5", 11, "x,x,9,10,10,10", ""},  // Bm7b5
    {"m7b5", 0, "x,x,10,11,11,11", ""},  // Cm7b5
    // 7sus4, D form
    {"7sus4", 4, "xx2435", ""},  // E7sus4
    {"7sus4", 5, "xx3546", ""},  // F7sus4
    {"7sus4", 7, "xx5768", ""},  // G7sus4
    // sus2, D form
    {"sus2", 4, "xx2452", ""},  // Esus2
    {"sus2", 5, "xx3563", ""},  // Fsus2
    {"sus2", 7, "xx5785", ""},  // Gsus2

    // ---- Four-note grips on the top four strings ----
    // minor, the top of the E form: xx3111
    {"minor", 5, "xx3111", ""},        // Fm
    {"minor", 7, "xx5333", ""},        // Gm
    {"minor", 9, "xx7555", ""},        // Am
    {"minor", 10, "xx8666", ""},       // Bbm
    {"minor", 0, "x,x,10,8,8,8", ""},  // Cm
    // 7, xx1211
    {"7th", 5, "xx1211", ""},   // F7
    {"7th", 7, "xx3433", ""},   // G7
    {"7th", 9, "xx5655", ""},   // A7
    {"7th", 10, "xx6766", ""},  // Bb7
    {"7th", 0, "xx8988", ""},   // C7
    // m7, xx1111
    {"m7", 5, "xx1111", ""},  // Fm7
    {"m7", 7, "xx3333", ""},  // Gm7
    {"m7", 9, "xx5555", ""},  // Am7
    {"m7", 0, "xx8888", ""},  // Cm7
    // maj7, xx2211
    {"maj7", 5, "xx2211", ""},   // Fmaj7
    {"maj7", 7, "xx4433", ""},   // Gmaj7
    {"maj7", 10, "xx7766", ""},  // Bbmaj7
    // 7 with the root on the B string: xx2313
    {"7th", 0, "xx2313", ""},         // C7
    {"7th", 2, "xx4535", ""},         // D7
    {"7th", 5, "xx7868", ""},         // F7
    {"7th", 7, "x,x,9,10,8,10", ""},  // G7
    // m7 with the root on the B string: xx1313
    {"m7", 0, "xx1313", ""},         // Cm7
    {"m7", 2, "xx3535", ""},         // Dm7
    {"m7", 5, "xx6868", ""},         // Fm7
    {"m7", 7, "x,x,8,10,8,10", ""},  // Gm7
    // m7b5 with the root on the B string: xx1312
    {"m7b5", 0, "xx1312", ""},           // Cm7b5
    {"m7b5", 2, "xx3534", ""},           // Dm7b5
    {"m7b5", 7, "x,x,8,10,8,9", ""},     // Gm7b5
    {"m7b5", 9, "x,x,10,12,10,11", ""},  // Am7b5

    // ---- Jazz shells: root, third and seventh (or sixth), the fifth left out ----
    // root on the sixth string: 3x34xx, 3x33xx, 3x44xx, 3x24xx
    {"7th", 5, "1x12xx", ""},          // F7
    {"7th", 7, "3x34xx", ""},          // G7
    {"7th", 9, "5x56xx", ""},          // A7
    {"7th", 10, "6x67xx", ""},         // Bb7
    {"7th", 0, "8x89xx", ""},          // C7
    {"7th", 2, "10,x,10,11,x,x", ""},  // D7
    {"m7", 5, "1x11xx", ""},           // Fm7
    {"m7", 7, "3x33xx", ""},           // Gm7
    {"m7", 9, "5x55xx", ""},           // Am7
    {"m7", 0, "8x88xx", ""},           // Cm7
    {"m7", 2, "10,x,10,10,x,x", ""},   // Dm7
    {"maj7", 5, "1x22xx", ""},         // Fmaj7
    {"maj7", 7, "3x44xx", ""},         // Gmaj7
    {"maj7", 9, "5x66xx", ""},         // Amaj7
    {"maj7", 10, "6x77xx", ""},        // Bbmaj7
    {"maj7", 0, "8x99xx", ""},         // Cmaj7
    {"6th", 7, "3x24xx", ""},          // G6
    {"6th", 9, "5x46xx", ""},          // A6
    {"6th", 0, "8x79xx", ""},          // C6
    // root on the fifth string: x3x35x, x3x34x, x3x45x
    {"7th", 0, "x3x35x", ""},         // C7
    {"7th", 2, "x5x57x", ""},         // D7
    {"7th", 3, "x6x68x", ""},         // Eb7
    {"7th", 5, "x,8,x,8,10,x", ""},   // F7
    {"7th", 10, "x1x13x", ""},        // Bb7
    {"m7", 0, "x3x34x", ""},          // Cm7
    {"m7", 2, "x5x56x", ""},          // Dm7
    {"m7", 3, "x6x67x", ""},          // Ebm7
    {"m7", 5, "x8x89x", ""},          // Fm7
    {"m7", 10, "x1x12x", ""},         // Bbm7
    {"maj7", 0, "x3x45x", ""},        // Cmaj7
    {"maj7", 2, "x5x67x", ""},        // Dmaj7
    {"maj7", 3, "x6x78x", ""},        // Ebmaj7
    {"maj7", 5, "x,8,x,9,10,x", ""},  // Fmaj7
    {"maj7", 10, "x1x23x", ""},       // Bbmaj7
    // 13 on the sixth-string shell: 3x345x
    {"13th", 5, "1x123x", ""},           // F13
    {"13th", 7, "3x345x", ""},           // G13
    {"13th", 9, "5x567x", ""},           // A13
    {"13th", 10, "6x678x", ""},          // Bb13
    {"13th", 0, "8,x,8,9,10,x", ""},     // C13
    {"13th", 2, "10,x,10,11,12,x", ""},  // D13

    // ---- Drop voicings ----
    // drop 3, root on the sixth string: 3x443x, 3x343x, 3x333x, 3x332x, 3x243x
    {"maj7", 0, "8x998x", ""},           // Cmaj7
    {"maj7", 1, "9,x,10,10,9,x", ""},    // C#maj7
    {"maj7", 2, "10,x,11,11,10,x", ""},  // Dmaj7
    {"maj7", 3, "11,x,12,12,11,x", ""},  // Ebmaj7
    {"maj7", 4, "12,x,13,13,12,x", ""},  // Emaj7
    {"maj7", 5, "1x221x", ""},           // Fmaj7
    {"maj7", 6, "2x332x", ""},           // F#maj7
    {"maj7", 7, "3x443x", ""},           // Gmaj7
    {"maj7", 8, "4x554x", ""},           // Abmaj7
    {"maj7", 9, "5x665x", ""},           // Amaj7
    {"maj7", 10, "6x776x", ""},          // Bbmaj7
    {"maj7", 11, "7x887x", ""},          // Bmaj7
    {"7th", 5, "1x121x", ""},            // F7
    {"7th", 7, "3x343x", ""},            // G7
    {"7th", 9, "5x565x", ""},            // A7
    {"7th", 10, "6x676x", ""},           // Bb7
    {"7th", 0, "8x898x", ""},            // C7
    {"7th", 2, "10,x,10,11,10,x", ""},   // D7
    {"7th", 3, "11,x,11,12,11,x", ""},   // Eb7
    {"m7", 5, "1x111x", ""},             // Fm7
    {"m7", 7, "3x333x", ""},             // Gm7
    {"m7", 9, "5x555x", ""},             // Am7
    {"m7", 10, "6x666x", ""},            // Bbm7
    {"m7", 0, "8x888x", ""},             // Cm7
    {"m7", 2, "10,x,10,10,10,x", ""},    // Dm7
    {"m7", 3, "11,x,11,11,11,x", ""},    // Ebm7
    {"m7b5", 5, "13,x,13,13,12,x", ""},  // Fm7b5
    {"m7b5", 7, "3x332x", ""},           // Gm7b5
    {"m7b5", 9, "5x554x", ""},           // Am7b5
    {"m7b5", 11, "7x776x", ""},          // Bm7b5
    {"m7b5", 0, "8x887x", ""},           // Cm7b5
    {"m7b5", 2, "10,x,10,10,9,x", ""},   // Dm7b5
    {"m7b5", 4, "12,x,12,12,11,x", ""},  // Em7b5
    {"6th", 5, "13,x,12,14,13,x", ""},   // F6
    {"6th", 8, "4x354x", ""},            // Ab6
    {"6th", 10, "6x576x", ""},           // Bb6
    // 7#5 on the drop-3 frame: 8x899x
    {"7aug5", 5, "1x122x", ""},           // F7#5
    {"7aug5", 7, "3x344x", ""},           // G7#5
    {"7aug5", 9, "5x566x", ""},           // A7#5
    {"7aug5", 0, "8x899x", ""},           // C7#5
    {"7aug5", 2, "10,x,10,11,11,x", ""},  // D7#5
    // drop 2 on strings 2-5: x3545x, x3535x, x3534x
    {"maj7", 0, "x3545x", ""},           // Cmaj7
    {"maj7", 2, "x5767x", ""},           // Dmaj7
    {"maj7", 5, "x,8,10,9,10,x", ""},    // Fmaj7
    {"maj7", 7, "x,10,12,11,12,x", ""},  // Gmaj7
    {"7th", 0, "x3535x", ""},            // C7
    {"7th", 2, "x5757x", ""},            // D7
    {"7th", 5, "x,8,10,8,10,x", ""},     // F7
    {"7th", 7, "x,10,12,10,12,x", ""},   // G7
    {"m7", 0, "x3534x", ""},             // Cm7
    {"m7", 2, "x5756x", ""},             // Dm7
    {"m7", 5, "x,8,10,8,9,x", ""},       // Fm7
    {"m7", 7, "x,10,12,10,11,x", ""},    // Gm7

    // ---- sus, add, 6 and 6/9 ----
    // sus2, x35533
    {"sus2", 0, "x35533", ""},            // Csus2
    {"sus2", 2, "x57755", ""},            // Dsus2
    {"sus2", 3, "x68866", ""},            // Ebsus2
    {"sus2", 5, "x,8,10,10,8,8", ""},     // Fsus2
    {"sus2", 7, "x,10,12,12,10,10", ""},  // Gsus2
    {"sus2", 10, "x13311", ""},           // Bbsus2
    {"sus2", 11, "x24422", ""},           // Bsus2
    // 6/9 with the root on the fifth string: x32233
    {"6-9", 0, "x32233", ""},             // C6/9
    {"6-9", 2, "x54455", ""},             // D6/9
    {"6-9", 3, "x65566", ""},             // Eb6/9
    {"6-9", 5, "x87788", ""},             // F6/9
    {"6-9", 7, "x,10,9,9,10,10", ""},     // G6/9
    {"6-9", 10, "x,13,12,12,13,13", ""},  // Bb6/9
    // G6/9
    {"6-9", 7, "3x0200", "the open strings give the fifth, ninth, third and sixth"},
    {"6th", 5, "xx3231", ""},    // F6
    {"madd9", 0, "x31033", ""},  // Cm(add9)
    {"madd9", 4, "024000", ""},  // Em(add9)
    {"7sus2", 9, "x02000", ""},  // A7sus2
    {"7sus2", 2, "xx0210", ""},  // D7sus2
    // Am7/11
    {"m7-11", 9, "x00010", "players call it Am11; the open D is the eleventh"},
    // Asus
    {"sus", 9, "x02230", "sus names the tones of sus4"},
    // Dsus
    {"sus", 2, "xx0233", "sus names the tones of sus4"},
    // Esus
    {"sus", 4, "022200", "sus names the tones of sus4"},
    {"maj9", 0, "x32430", ""},  // Cmaj9
};

// Major and add9 galleries open on a fixed set of their own; these are the
// grips of theirs a teacher wants a student to find on the pages after it.
inline constexpr FirstPageGrip kGivenSetLaterPages[] = {
    // ---- major: the E-form barre up the neck ----
    {"major", 5, "133211", ""},         // F
    {"major", 6, "244322", ""},         // F#
    {"major", 7, "355433", ""},         // G
    {"major", 8, "466544", ""},         // Ab
    {"major", 9, "577655", ""},         // A
    {"major", 10, "688766", ""},        // Bb
    {"major", 11, "799877", ""},        // B
    {"major", 0, "8,10,10,9,8,8", ""},  // C

    // ---- major: the A-form barre ----
    {"major", 10, "x13331", ""},  // Bb
    {"major", 11, "x24442", ""},  // B
    {"major", 0, "x35553", ""},   // C
    {"major", 1, "x46664", ""},   // C#
    {"major", 2, "x57775", ""},   // D
    {"major", 3, "x68886", ""},   // Eb
    {"major", 4, "x79997", ""},   // E

    // ---- major: four and five strings ----
    // F
    {"major", 5, "xx3211", "the small F, taught before the full barre"},
    // G
    {"major", 7, "xx5433", "the top of the G barre"},
    // G
    {"major", 7, "xx5787", "the D shape moved up to G"},
    // D
    {"major", 2, "x5423x", "the C shape moved up to D, the top string damped"},

    // ---- add9 ----
    {"add9", 0, "x32033", ""},  // Cadd9
    {"add9", 4, "022102", ""},  // Eadd9
    {"add9", 9, "x02420", ""},  // Aadd9
    // Fadd9
    {"add9", 5, "xx3213", "the small F with the ninth on top"},
};

}  // namespace teacher

// Held by players but outside this program's grips, so left out above:
//  - C6 x35555 and the same shape at other frets; C9 x32333; Cm9 x31333: the
//    ring finger lies across the top strings above the index, but a barre
//    here counts only at the grip's lowest fret, so they take five fingers.
//    The four-string C9 x3233x and Cm9 x3133x stand in.
//  - G9 3x3435 (F9 1x1213 and up the neck): the index barre would lie over the
//    damped A string, which players mute with the side of the finger.
//  - G13 3x3455: the little finger flattened across the B and E strings; the
//    little finger holds one string. The shell 3x345x stands in.
//  - C6 x3525x (drop 2 on strings 2-5): index at the second fret and ring at
//    the fifth, three frets with the middle finger between them.
//  - Esus4 xx2455, the open Dsus4 moved up: the same index-to-ring reach.
//  - Gadd9 320203: two notes at the second fret with the open D between them
//    and two more notes above; the hand lies flat onto the open string.
