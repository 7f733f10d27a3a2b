// The key window's control inventory: every control at its start-up place and look.
#include <array>

#include "ui/lyrafret_demo.h"

namespace ui {

namespace {

const std::string kCaption = std::string(" Lyrafret") + std::string(15, ' ') + "Brevisk Demo" +
                             std::string(15, ' ') + "Email:" + std::string(4, ' ') +
                             "info@example.org";

// Chord-option captions by index; absent members have none.
struct KeyOption {
    int index;
    const char* caption;
};
// Columns, top to bottom, one per degree.
struct KeyColumn {
    int left;
    std::array<int, 21> members;
    int count;
};
constexpr std::array<KeyColumn, 7> kKeyColumns{{
    {650, {0, 1, 80, 81, 82, 83, 6, 7, 8, 9, 10, 11, 12}, 13},
    {1690, {2, 3, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27}, 15},
    {2750, {4, 5, 30, 31, 32, 33}, 6},
    {3800, {34, 35, 36, 37, 38, 39, 40, 41, 42, 43}, 10},
    {4850, {44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64},
     21},
    {5900, {65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75}, 11},
    {6940, {76, 77}, 2},
}};
constexpr int kOptionTop = 2325;
constexpr int kOptionStep = 225;

constexpr std::array<const char*, 84> kKeyCaptions{
    "Major", "add9",  "minor",  "madd9", "minor",  "m7",     "maj9",   "maj13",   "sus2",
    "sus2/6", "sus4", "sus4/6", "sus4/9", nullptr, nullptr,  "m6",     "m6/9",    "m7",
    "m7/11", "m9",    "m11",    "7sus2", "7sus4",  "sus2",   "sus2/6", "sus4",    "sus4/6",
    "sus4/9", nullptr, nullptr, "m7b9",  "m7/11",  "7sus4",  "sus4",   "Major",   "add9",
    "6th",   "6/9",   "maj7",   "maj7/6", "maj9",  "maj13",  "sus2",   "sus2/6",  "Major",
    "add9",  "6th",   "6/9",    "7th",   "7/6",    "7/11",   "7/6/11", "7sus2",   "7sus4",
    "7sus4/6", "9th", "11th",   "11/13", "13th",   "13sus4", "sus2",   "sus2/6",  "sus4",
    "sus4/6", "sus4/9", "minor", "madd9", "m7",    "m7/11",  "m9",     "m11",     "7sus2",
    "7sus4", "sus2",  "sus4",   "sus4/9", "dim",   "m7b5",   " ",      nullptr,   "6th",
    "6/9",   "maj7",  "maj7/6"};

constexpr std::array<int, 7> kNumeralLefts{1155, 2130, 3105, 4275, 5220, 6210, 7215};
constexpr std::array<const char*, 7> kNumerals{"I", "ii", "iii", "IV", "V", "vi", "vii°"};
constexpr std::array<int, 7> kRomanLefts{1080, 2100, 3120, 4230, 5150, 6160, 7260};
constexpr std::array<int, 7> kDotLefts{675, 1710, 2775, 3825, 4875, 5925, 6975};
constexpr std::array<int, 6> kNumCoverTops{180, 480, 800, 1140, 1440, 1780};

}  // namespace

LyrafretDemo::LyrafretDemo(Platform platform)
    : DemoWindow("LyrafretDemo", kCaption, std::move(platform)) {
    createControls();
}

void LyrafretDemo::createControls() {
    createDisplayStrip();
    createReports();
    createSelectors();
    addToneStrip();
    addNotePickers();
    addCommandLabels(8350, 1200, "Clear Masks ", "Clear Frets");
    Exit_Me = &label("Exit_Me", -1, nullptr, 8350, 8000, 840, 200, "Exit", kWhite, kButtonText);
    addFretboard();
    for (int i = 0; i < kKeyCount; ++i)
        item(Overlay, Kind::Image, i, nullptr, 9525, -60, 1950, i == 0 ? 7695 : 7770,
             kLayerNoteOverlay)
            .setPicture(Builtin("keyoverlay_" + std::to_string(i)))
            .setVisible(false);
    addNoteOverlays();
    addMasks();
    for (int i = 0; i < 6; ++i)
        item(num_cover, Kind::PictureBox, i, nullptr, 11550, kNumCoverTops[i], 200, 240)
            .setBackColor(kBlack);
    capo_cover = &make(Kind::PictureBox, "capo_cover", -1, nullptr, 11550, 165, 200, 3225);
    capo_cover->setPicture(Builtin("capo")).setBackColor(kBlack);
    bindClicks();
}

void LyrafretDemo::createDisplayStrip() {
    Logo_Box = &make(Kind::PictureBox, "Logo_Box", -1, nullptr, 0, 0, 8440, 690, kLayerLogoBox);
    Logo_Box->setBackColor(kBlack);
    Picture1 = &make(Kind::PictureBox, "Picture1", -1, nullptr, 0, 0, 1110, 690, kLayerPanel);
    Chord_Report2 = &make(Kind::PictureBox, "Chord_Report2", -1, Picture1, 0, 22, 200, 270);
    Type_o2 = &make(Kind::PictureBox, "Type_o2", -1, Picture1, 210, 22, 750, 270);
    for (int i = 0; i <= 5; ++i) {
        Control& s = item(size, Kind::Label, i, Picture1, 170 * i, 300, 135, 135);
        s.setBackColor(i == 0 ? kBrightGreen : kBlue);
        bind(s, [this, i] { size_Click(i); });
    }
    auto stepper = [this](const char* name, int left, const char* picture) {
        Control& c = make(Kind::PictureBox, name, -1, Picture1, left, 480, 135, 200);
        c.setPicture(Builtin(picture));
        return &c;
    };
    KeyUp = stepper("KeyUp", 0, "arrow_up");
    KeyDown = stepper("KeyDown", 135, "arrow_down");
    ScaleUp = stepper("ScaleUp", 350, "arrow_up");
    ScaleDown = stepper("ScaleDown", 485, "arrow_down");
    TypeUp = stepper("TypeUp", 700, "arrow_up");
    TypeDown = stepper("TypeDown", 835, "arrow_down");
    Main_Display = &make(Kind::PictureBox, "Main_Display", -1, nullptr, 1100, 0, 7335, 690);
    for (int i = 0; i <= 8; ++i)
        addGalleryItem(Main_Display, Main_Display, i, 30, i == 0 ? kWindowBackground : kWhite);
    logo = &make(Kind::PictureBox, "logo", -1, nullptr, 6400, 700, 2000, 900);
    logo->setPicture(Builtin("logo_lyrafret"));
}

void LyrafretDemo::createReports() {
    Key_Label = &yellowLabel("Key_Label", 150, 800, 405, "Key");
    Report_Key = &make(Kind::PictureBox, "Report_Key", -1, nullptr, 570, 800, 285, 270);
    Report_Key->setBackColor(kBlack);
    Chord_Lable = &yellowLabel("Chord_Lable", 1080, 800, 615, "Chord");
    Chord_Report = &make(Kind::PictureBox, "Chord_Report", -1, nullptr, 1665, 800, 285, 270);
    Chord_Report->setBackColor(kBlack);
    Type_o = &make(Kind::PictureBox, "Type_o", -1, nullptr, 2025, 800, 870, 270);
    Type_o->setBackColor(kBlack);
    Notes_Label = &yellowLabel("Notes_Label", 3360, 800, 765, "Formula");
    addReportRow(Formula_Report, {4140, 4423, 4706, 4989, 5272, 5555, 5835}, 800, 285);
    Scale_Label = &yellowLabel("Scale_Label", 120, 1200, 540, "Scale");
    addReportRow(Scale_Report, {735, 1018, 1301, 1584, 1867, 2150, 2430}, 1200, 285);
    Formula_Label = &yellowLabel("Formula_Label", 3360, 1200, 765, "Notes");
    addReportRow(Notes_Report, {4155, 4440, 4725, 5010, 5295, 5580, 5865}, 1200, 285);
    for (int i = 0; i < 7; ++i)
        item(tone_color, Kind::Label, i, nullptr, 4155 + 285 * i, 1500, 270, 45);
    for (int i = 0; i < 7; ++i)
        label("Label" + std::to_string(29 + i), -1, nullptr, kNumeralLefts[i], 1700, 480, 195,
              kNumerals[i], kWhite, kBlack);
    addReportRow(Roman, kRomanLefts, 1950, 285);
    for (int i = 0; i < 7; ++i) Roman(i).setHeight(300);
    Mini_Clip = &make(Kind::PictureBox, "Mini_Clip", -1, nullptr, 7035, 6225, 555, 540,
                      kLayerCover + 1);
    Mini_Clip->setBackColor(kWindowBackground);
}

void LyrafretDemo::createSelectors() {
    Label1 = &yellowLabel("Label1", 225, 2010, 405, "Key");
    for (int i = 0; i < kKeyCount; ++i) {
        Control& k = item(Key_C, Kind::PictureBox, i, nullptr, 270,
                          i < 2 ? 2325 + 330 * i : 2925 + 300 * (i - 2), 250, 210);
        k.setPicture(Builtin("key_" + std::to_string(i)));
        bind(k, [this, i] { Key_C_Click(i); });
    }
    Label39 = &label("Label39", -1, nullptr, 270, 2745, 195, 210, " Db", kWhite, kButtonText);
    for (const KeyColumn& col : kKeyColumns) {
        for (int row = 0; row < col.count; ++row) {
            const int i = col.members[row];
            Control& o = item(key, Kind::OptionButton, i, nullptr, col.left,
                              kOptionTop + kOptionStep * row, 1030, 210);
            o.setCaption(kKeyCaptions[i]).setForeColor(kWhite).setBackColor(kBlack);
            bind(o, [this, i] { key_Click(i); });
        }
    }
    Control& neutral = item(key, Kind::OptionButton, kNeutralOption, nullptr, 6940, 2820, 160, 210);
    neutral.setCaption(" ").setForeColor(kWhite).setBackColor(kBlack);
    bind(neutral, [this] { key_Click(kNeutralOption); });
    for (int i = 0; i < 7; ++i)
        make(Kind::PictureBox, "Hide_a_Dot_" + std::to_string(i + 1), -1, nullptr, kDotLefts[i],
             2300, 160, i == 6 ? 735 : 4725, kLayerDotStrip)
            .setBackColor(kBlack);
    cover = &make(Kind::PictureBox, "cover", -1, nullptr, 615, 2265, 7165, 4755, kLayerCover);
    cover->setPicture(Builtin("cover_lyrafret"));
}

void LyrafretDemo::bindClicks() {
    bind(*Clear_Me, [this] { Clear_Me_Click(); });
    bind(*Exit_Me, [this] { Exit_Me_Click(); });
    bind(*KeyUp, [this] { KeyUp_Click(); });
    bind(*KeyDown, [this] { KeyDown_Click(); });
    bind(*ScaleUp, [this] { ScaleUp_Click(); });
    bind(*ScaleDown, [this] { ScaleDown_Click(); });
    bind(*TypeUp, [this] { TypeUp_Click(); });
    bind(*TypeDown, [this] { TypeDown_Click(); });
}

}  // namespace ui
