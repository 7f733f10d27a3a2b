// The chord finder's control inventory: every control at its start-up place and look.
#include <array>

#include "theory/chord_types.h"
#include "theory/neck.h"
#include "theory/notes.h"
#include "ui/pennatone_demo.h"

namespace ui {

namespace {

const std::string kCaption = std::string(" Lyrafret") + std::string(14, ' ') + "Pennatone Demo" +
                             std::string(10, ' ') + "Email:" + std::string(4, ' ') +
                             "info@example.org";

constexpr std::array<int, 17> kBaseTops{3105, 3345, 3570, 3795, 4020, 4245, 4470, 4695, 4920,
                                        5145, 5370, 5595, 5820, 6045, 6270, 6495, 6720};

// Chord-type option columns: first index of each column and its Left.
struct OptionColumn {
    int first, last, left;
};
constexpr std::array<OptionColumn, 6> kTypeColumns{
    {{0, 8, 700}, {9, 21, 1800}, {22, 27, 2900}, {28, 39, 4000}, {40, 49, 5100}, {50, 54, 6200}}};
constexpr int kOptionTop = 3120;
constexpr int kOptionStep = 225;

// Black strips over the option dots: name, Left, Top, Height.
struct DotStrip {
    const char* name;
    int left, top, height;
};
constexpr std::array<DotStrip, 8> kDotStrips{{
    {"Picture1", 720, 3075, 2115},
    {"Picture2", 1830, 3075, 3015},
    {"Picture3", 2910, 3075, 1440},
    {"Picture4", 6230, 3075, 1395},
    {"Picture5", 4035, 3075, 2790},
    {"Picture6", 5110, 3075, 2340},
    {"Hide_a_Dot_2", 1755, 3510, 2580},
    {"Hide_a_Dot_3", 2820, 3510, 1005},
}};

// "Name a chord" sits in the free corner between the type columns and the neck.
constexpr int kNamingLeft = 8050, kNamingTop = 2850, kNamingWidth = 1350;

}  // namespace

PennatoneDemo::PennatoneDemo(Platform platform)
    : DemoWindow("PennatoneDemo", kCaption, std::move(platform)) {
    createControls();
}

void PennatoneDemo::createControls() {
    createDisplayStrip();
    createReports();
    createSelectors();
    addToneStrip();
    addNotePickers();
    addCommandLabels(8420, 1050, "Clear Mask ", "Clear Fret");
    close_me = &label("close_me", -1, nullptr, 8420, 8000, 400, 200, "Exit", kWhite, kButtonText);
    m_options.addLabel(8420, 7700, 840);
    m_options.addTuningLabel(8420, 6780, 1050);
    m_neckPart.addFretboard();
    m_hearing.addControls(300, 7980, 7900);
    m_gallery.addControls();
    m_gallery.addPageControls(8400, 540, Main_Display(0));
    for (const auto& [i, button] : Base.members())
        button->onRightClick([this, i = i] {
            m_hearing.playChord(rootForButton(i), "Base(" + std::to_string(i) + ")");
        });
    Overlay = &make(Kind::Image, "Overlay", -1, nullptr, theory::neck::kLeft,
                    theory::neck::kOverlayTop, theory::neck::kWidth, 7830, kLayerOverlay);
    m_neckPart.add(*Overlay);
    m_neckPart.addControls();
    m_namingPart.addControls(kNamingLeft, kNamingTop, kNamingWidth);
    bindClicks();
}

void PennatoneDemo::createDisplayStrip() {
    Logo_Box = &make(Kind::PictureBox, "Logo_Box", -1, nullptr, 0, 0, 8370, 1380, kLayerLogoBox);
    Logo_Box->setBackColor(kBlack);
    Label3 = &label("Label3", -1, nullptr, 0, 0, 285, 45, "", kWhite, kYellow);
    Picture7 = &make(Kind::PictureBox, "Picture7", -1, nullptr, 0, 0, 1100, 1380, kLayerPanel);
    Control& rootBox =
        item(Chord_Display, Kind::PictureBox, 18, nullptr, 300, 30, 555, 615, kLayerRootBox);
    bind(rootBox, [this] { Chord_Display_Click(18); });
    Chord_Report2 = &make(Kind::PictureBox, "Chord_Report2", -1, Picture7, 0, 700, 200, 270);
    Type_o2 = &make(Kind::PictureBox, "Type_o2", -1, Picture7, 210, 700, 750, 270);
    for (int i = 0; i <= 4; ++i) {
        Control& s =
            item(size, Kind::Label, i, Picture7, i == 4 ? 0 : 200 * (i + 1), 1000, 135, 135);
        s.setBackColor(i == 4 ? kDarkGreen : kNavy);
        bind(s, [this, i] { size_Click(i); });
    }
    auto stepper = [this](const char* name, int left, const char* picture) {
        Control& c = make(Kind::PictureBox, name, -1, Picture7, left, 1155, 135, 200);
        c.setPicture(Builtin(picture));
        return &c;
    };
    Baseup = stepper("Baseup", 0, "arrow_up");
    Basedown = stepper("Basedown", 200, "arrow_down");
    TypeUp = stepper("TypeUp", 600, "arrow_up");
    TypeDown = stepper("TypeDown", 800, "arrow_down");

    Control& outer = item(Main_Display, Kind::PictureBox, 0, nullptr, 1100, 0, 7280, 1380);
    // Member 1 lies inside member 0 and below every gallery item.
    Control& inner = item(Main_Display, Kind::PictureBox, 1, &outer, 1100, 0, 7280, 1380);
    for (int i = 0; i <= 17; ++i)
        addGalleryItem(&outer, i >= 12 ? &inner : &outer, i, i < 9 ? 30 : 720,
                       i < 9 ? kWhite : kWindowBackground);
    logo = &make(Kind::PictureBox, "logo", -1, nullptr, 6500, 1400, 1785, 1125);
    logo->setPicture(Builtin("logo_pennatone"));
}

void PennatoneDemo::createReports() {
    Chord_Lable = &yellowLabel("Chord_Lable", 105, 1905, 615, "Chord");
    Chord_Report = &make(Kind::PictureBox, "Chord_Report", -1, nullptr, 720, 1905, 270, 270);
    Chord_Report->setBackColor(kBlack);
    Type_o = &make(Kind::PictureBox, "Type_o", -1, nullptr, 1050, 1905, 870, 270);
    Type_o->setBackColor(kBlack);
    Notes_Label = &yellowLabel("Notes_Label", 3345, 1905, 765, "Formula");
    addReportRow(Formula_Report, {4125, 4410, 4695, 4980, 5250, 5535, 5820}, 1905, 285);
    Scale_Label = &yellowLabel("Scale_Label", 105, 2310, 540, "Scale");
    addReportRow(Scale_Report, {720, 1005, 1290, 1575, 1845, 2130, 2415}, 2310, 285);
    Formula_Label = &yellowLabel("Formula_Label", 3345, 2310, 765, "Notes");
    addReportRow(Notes_Report, {4140, 4425, 4710, 4995, 5280, 5565, 5850}, 2310, 270);
    for (int i = 0; i < 7; ++i)
        item(tone_color, Kind::Label, i, nullptr, 4140 + 285 * i, 2610, 270, 45);
    Mini_Clip =
        &make(Kind::PictureBox, "Mini_Clip", -1, nullptr, 7035, 6225, 555, 540, kLayerCover + 1);
    Mini_Clip->setBackColor(kWindowBackground);
}

void PennatoneDemo::createSelectors() {
    Label2 = &yellowLabel("Label2", 135, 2805, 600, "Base");
    for (int i = 0; i < 17; ++i) {
        Control& b = item(Base, Kind::PictureBox, i, nullptr, 250, kBaseTops[i], 250, 210);
        b.setPicture(Builtin(std::string("root_") + theory::Root_Names[i]));
        bind(b, [this, i] { Base_Click(i); });
    }
    Label39 = &label("Label39", -1, nullptr, 255, 3810, 195, 210, " Db", kWhite, kButtonText);
    for (const OptionColumn& col : kTypeColumns) {
        for (int i = col.first; i <= col.last; ++i) {
            Control& o = item(Ty, Kind::OptionButton, i, nullptr, col.left,
                              kOptionTop + kOptionStep * (i - col.first), 1030, 210);
            o.setForeColor(kWhite).setBackColor(kBlack);
            if (i < static_cast<int>(theory::kChordTypes.size()))
                o.setCaption(theory::kChordTypes[i].caption);
            else
                o.setCaption(i == kNeutralType ? " " : "").setVisible(false);
            bind(o, [this, i] { Ty_Click(i); });
        }
    }
    for (const DotStrip& s : kDotStrips)
        make(Kind::PictureBox, s.name, -1, nullptr, s.left, s.top, 160, s.height, kLayerDotStrip)
            .setBackColor(kBlack);
    Cover = &make(Kind::PictureBox, "Cover", -1, nullptr, 900, 3165, 7005, 3870, kLayerCover);
    Cover->setPicture(Builtin("cover_pennatone"));
}

void PennatoneDemo::bindClicks() {
    bind(*Clear_Me, [this] {
        Clear_Me_Click();
        m_namingPart.clearMarks();
    });
    bind(*close_me, [this] { close_me_Click(); });
    bind(*Baseup, [this] { Baseup_Click(); });
    bind(*Basedown, [this] { Basedown_Click(); });
    bind(*TypeUp, [this] { TypeUp_Click(); });
    bind(*TypeDown, [this] { TypeDown_Click(); });
}

}  // namespace ui
