// The key window's control inventory: every control at its start-up place and look.
#include <array>

#include "chords/key_tables.h"
#include "theory/neck.h"
#include "ui/lyrafret_demo.h"

namespace ui {

namespace {

const std::string kCaption = std::string(" Lyrafret") + std::string(15, ' ') + "Brevisk Demo" +
                             std::string(15, ' ') + "Email:" + std::string(4, ' ') +
                             "info@example.org";

constexpr int kOptionTop = 2325;
constexpr int kOptionStep = 225;

constexpr std::array<int, 7> kNumeralLefts{1155, 2130, 3105, 4275, 5220, 6210, 7215};
constexpr std::array<const char*, 7> kNumerals{"I", "ii", "iii", "IV", "V", "vi", "vii°"};
constexpr std::array<int, 7> kRomanLefts{1080, 2100, 3120, 4230, 5150, 6160, 7260};
constexpr std::array<int, 7> kDotLefts{675, 1710, 2775, 3825, 4875, 5925, 6975};
constexpr std::array<int, theory::neck::kStrings> kNumCoverTops{180, 480, 800, 1140, 1440, 1780};

}  // namespace

namespace {
// "Name a chord" sits in the free corner between the degree columns and the neck.
constexpr int kNamingLeft = 8050, kNamingTop = 2850, kNamingWidth = 1350;
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
    m_options.addLabel(8350, 7700, 840);
    m_options.addTuningLabel(8350, 6780, 1150);
    m_neckPart.addFretboard();
    m_hearing.addControls(300, 7980, 7900);
    m_gallery.addControls();
    m_gallery.addPageControls(8460, 195, *Main_Display);
    for (int i = 0; i < kKeyCount; ++i)
        m_neckPart.add(item(Overlay, Kind::Image, i, nullptr, theory::neck::kLeft,
                            theory::neck::kOverlayTop, theory::neck::kWidth, i == 0 ? 7695 : 7770,
                            kLayerNoteOverlay)
                           .setPicture(Builtin("keyoverlay_" + std::to_string(i)))
                           .setVisible(false));
    m_neckPart.addControls();
    for (int i = 0; i < theory::neck::kStrings; ++i)
        m_neckPart.add(
            item(num_cover, Kind::PictureBox, i, nullptr, 11550, kNumCoverTops[i], 200, 240)
                .setBackColor(kBlack));
    capo_cover = &make(Kind::PictureBox, "capo_cover", -1, nullptr, 11550, 165, 200, 3225);
    capo_cover->setPicture(Builtin("capo")).setBackColor(kBlack);
    m_neckPart.add(*capo_cover);
    m_namingPart.addControls(kNamingLeft, kNamingTop, kNamingWidth);
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
    Mini_Clip =
        &make(Kind::PictureBox, "Mini_Clip", -1, nullptr, 7035, 6225, 555, 540, kLayerCover + 1);
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
    for (const chords::KeyColumn& col : chords::kKeyColumns) {
        for (int row = 0; row < col.count; ++row) {
            const int i = col.members[row];
            Control& o = item(key, Kind::OptionButton, i, nullptr, col.left,
                              kOptionTop + kOptionStep * row, 1030, 210);
            o.setCaption(chords::kKeyCaptions[i]).setForeColor(kWhite).setBackColor(kBlack);
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
    bind(*Clear_Me, [this] {
        Clear_Me_Click();
        m_namingPart.clearMarks();
    });
    bind(*Exit_Me, [this] { Exit_Me_Click(); });
    bind(*KeyUp, [this] { KeyUp_Click(); });
    bind(*KeyDown, [this] { KeyDown_Click(); });
    bind(*ScaleUp, [this] { ScaleUp_Click(); });
    bind(*ScaleDown, [this] { ScaleDown_Click(); });
    bind(*TypeUp, [this] { TypeUp_Click(); });
    bind(*TypeDown, [this] { TypeDown_Click(); });
}

}  // namespace ui
