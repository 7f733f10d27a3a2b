#pragma once

#include <QJsonObject>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "theory/chord_naming.h"
#include "theory/grips.h"
#include "ui/control.h"
#include "ui/gallery.h"
#include "ui/hear.h"
#include "ui/hints.h"
#include "ui/naming.h"
#include "ui/neck.h"
#include "ui/options.h"
#include "ui/platform.h"
#include "ui/settings.h"

// One named click handler per note picker.
// clang-format off
#define DEMO_NOTES(X) \
    X(C) X(Cs) X(Db) X(D) X(Ds) X(Eb) X(E) X(F) X(Fs) X(Gb) X(G) X(Gs) X(Ab) X(A) X(As) X(Bb) X(B)
// clang-format on

namespace ui {

// Stacking layers: labels and images are drawn on the window surface, below
// every picture box, frame and option button (higher layers lie above).
enum Layer {
    kLayerLabel = 0,
    kLayerFretboard = 10,
    kLayerOverlay = 11,
    kLayerNoteOverlay = 12,
    kLayerMaskImage = 13,
    kLayerMarks = 14,         // "Name a chord": the marked notes, over overlays and masks
    kLayerSpots = 15,         // and the invisible click targets over them
    kLayerBox = 20,           // picture boxes, frames, option buttons
    kLayerDotStrip = 21,      // black strips over the option dots
    kLayerCover = 22,         // cover picture over the option columns
    kLayerGalleryNote = 23,   // why a gallery has no grip, over its cells
    kLayerLogoBox = 30,       // covers the gallery
    kLayerPanel = 31,         // Picture7 / Picture1 lie above Logo_Box
    kLayerRootBox = 32,       // Chord_Display(18) lies above Picture7
    kLayerLargeDiagram = 40,  // the diagram under the pointer, drawn large
};

// Outer window frame in twips: what the size switches set.
struct WindowFrame {
    int Left = 0, Top = 0, Width = 11970, Height = 8625;
    std::uint64_t revision = 1;
};

inline constexpr int kClientWidth = 11880;
inline constexpr int kClientHeight = 8250;
inline constexpr int kClientLeftInFrame = 45;
inline constexpr int kClientTopInFrame = 330;

// What both windows share: the widget store, the common controls and
// variables, and the operations both programs run the same way.
class DemoWindow {
protected:
    // The parts the window is made of, first: the controls below refer into them.
    NamingPart m_namingPart{*this};
    HearingPart m_hearing{*this};
    HintsPart m_hints{*this};
    OptionsPart m_options{*this};
    GalleryPart m_gallery{*this};
    NeckPart m_neckPart{*this};

public:
    DemoWindow(std::string programName, std::string caption, Platform platform);
    virtual ~DemoWindow() = default;
    DemoWindow(const DemoWindow&) = delete;
    DemoWindow& operator=(const DemoWindow&) = delete;

    const std::string& programName() const { return m_programName; }
    const std::string& caption() const { return m_caption; }
    const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }
    Control* find(const std::string& key) const;  // "Name" or "Name(i)"
    Control& control(const std::string& key) const;
    const ControlArray* array(const std::string& name) const;
    WindowFrame& frame() { return m_frame; }
    const WindowFrame& frame() const { return m_frame; }
    bool exited() const { return m_exited; }
    Platform& platform() { return m_platform; }

    virtual void Form_Load();
    virtual QJsonObject variables() const;

    // The player's options, as OptionsPart has them.
    const Settings& settings() const { return m_options.settings(); }
    void setLeftHanded(bool on) {
        FollowGallery follow{m_gallery};
        m_options.setLeftHanded(on);
    }
    void setNames(theory::NameSystem system) {
        FollowGallery follow{m_gallery};
        m_options.setNames(system);
    }
    void setTuning(const std::string& key) {
        FollowGallery follow{m_gallery};
        m_options.setTuning(key);
    }
    const theory::Tuning& tuning() const { return m_options.tuning(); }
    void applySettings(const Settings& settings) {
        FollowGallery follow{m_gallery};
        m_options.apply(settings);
    }
    void setSound(bool on) { m_options.setSound(on); }
    void setFingers(bool on) { m_options.setFingers(on); }
    // Controls that depict the neck and move when it is mirrored.
    const std::vector<Control*>& neckControls() const { return m_neckPart.controls(); }
    void Options_Click() { m_options.open(); }

    // Hints, as HintsPart has them.
    std::string toolTip(const Control& c) const { return m_hints.toolTip(c); }
    std::string accessibleName(const Control& c) const { return m_hints.accessibleName(c); }
    // Keys that stand for a click: the arrows step as the arrow controls do.
    enum class StepKey { Left, Right, Up, Down, Escape, PageUp, PageDown };
    virtual Control* keyTarget(StepKey) const { return nullptr; }
    // The page control's arrow a page key stands for, while it is shown.
    Control* pageArrow(int step) const {
        Control* arrow = step < 0 ? Page_Prev : Page_Next;
        return arrow && arrow->visible() ? arrow : nullptr;
    }
    void setOptionsOpener(std::function<void()> open) { m_options.setOpener(std::move(open)); }

    // Hearing, as HearingPart has it.
    using Played = HearingPart::Played;
    std::string diagramText(int Index) const { return m_gallery.diagramText(Index); }
    const std::optional<Played>& played() const { return m_hearing.played(); }
    void Chord_Display_RightClick(int Index) {
        m_hearing.playShownGrip(Chord_Display, "Chord_Display", Index);
    }
    void FretDisplay_RightClick(int Index) {
        m_hearing.playShownGrip(FretDisplay, "FretDisplay", Index);
    }
    void Chord_Report_RightClick() { m_hearing.playReport(); }

    // The gallery, as GalleryPart has it: the large diagram under the pointer.
    Control* const& Large_Diagram = m_gallery.Large_Diagram;
    int hoveredDiagram() const { return m_gallery.hovered(); }
    // The gallery's pages: an arrow of the page control, PageUp/PageDown and
    // the mouse wheel over the gallery turn `step` pages on.
    void Page_Click(int step);
    const gallery::Pages& galleryPages() const { return m_gallery.pages(); }
    int galleryPage() const { return m_gallery.page(); }
    Control* const& Page_Prev = m_gallery.Page_Prev;
    Control* const& Page_Number = m_gallery.Page_Number;
    Control* const& Page_Next = m_gallery.Page_Next;
    Control* const& Gallery_Note = m_gallery.Gallery_Note;
    // The grip gallery cell `index` shows (18: the diagram beside the name), if any.
    const theory::Frets* shownGrip(int index) const { return m_gallery.grip(index); }
    void soundFailed(const std::string& line) { m_hearing.failed(line); }
    Control* const& Sound_Status = m_hearing.Sound_Status;

    // "Name a chord", as NamingPart has it.
    void setNaming(bool on) {
        FollowGallery follow{m_gallery};
        m_options.keepNaming(on);
        m_namingPart.setOn(on);
    }
    const std::optional<theory::Frets>& marks() const { return m_namingPart.marks(); }
    const theory::Naming& naming() const { return m_namingPart.naming(); }
    static constexpr int spotIndex(int string, int fret) {
        return NamingPart::spotIndex(string, fret);
    }
    theory::NoteSpeller speller() const;  // note names in the system in force
    void Name_Chord_Click() { m_namingPart.toggle(); }
    void Neck_Spot_Click(int Index) { m_namingPart.markSpot(Index); }
    void Chord_Name_Click(int Index) { m_namingPart.showChord(Index); }
    Control* const& Name_Chord = m_namingPart.Name_Chord;
    Control* const& Name_Report = m_namingPart.Name_Report;
    ControlArray& Chord_Name = m_namingPart.Chord_Name;
    ControlArray& Mark_Dot = m_namingPart.Mark_Dot;
    ControlArray& Neck_Spot = m_namingPart.Neck_Spot;

    // Controls both windows have.
    Control* Logo_Box = nullptr;
    Control* Chord_Report2 = nullptr;
    Control* Type_o2 = nullptr;
    ControlArray size{"size"};
    Control* TypeUp = nullptr;
    Control* TypeDown = nullptr;
    ControlArray Chord_Display{"Chord_Display"};
    ControlArray FretDisplay{"FretDisplay"};
    Control* logo = nullptr;
    Control* Chord_Lable = nullptr;
    Control* Chord_Report = nullptr;
    Control* Type_o = nullptr;
    Control* Notes_Label = nullptr;
    ControlArray Formula_Report{"Formula_Report"};
    Control* Scale_Label = nullptr;
    ControlArray Scale_Report{"Scale_Report"};
    Control* Formula_Label = nullptr;
    ControlArray Notes_Report{"Notes_Report"};
    ControlArray tone_color{"tone_color"};
    Control* Label39 = nullptr;
    Control* Mini_Clip = nullptr;
    Control* Report_Tone = nullptr;
    Control* Frame1 = nullptr;
    Control* Clear_Me = nullptr;
    Control* const& Clear_Masks = m_neckPart.Clear_Masks;
    Control* Clear_Fretboard = nullptr;
    Control* const& Fret_Board = m_neckPart.Fret_Board;
    Control* const& Options = m_options.Options;
    Control* const& Tuning_Label = m_options.Tuning_Label;

    Control& Tone(int k) const;                         // Tone_1 .. Tone_12
    Control& NoteEntry(const std::string& note) const;  // NoteEntry_C ..
    Control& Select(const std::string& note) const;     // Select_C ..
    Control& Mask(const std::string& suffix) const;     // Mask_0 .. Mask_High_E
    Control& Mask_o(const std::string& suffix) const;   // Mask_o0 .. Mask_oHigh_E

    // Window variables both programs hold.
    std::string Chord_Type, dir, position;
    std::optional<std::vector<std::string>> Scales;
    std::vector<std::string> Current_Scale, Current_Scale_2;
    std::vector<Control*> Notes;
    std::optional<int> Chord_Number;
    std::vector<std::string> ula, cs;
    std::vector<Control*> tnt;
    std::vector<int> cnc;
    std::string LineNumber;  // empty until start-up
    std::optional<int> Typer, Baser;
    std::string K;
    std::string Program_Folder, Folder_13, Folder_17, Folder_12;

    // Shared operations.
    void Chord_Display_Click(int Index);
    void FretDisplay_Click(int Index);
    void Clear_Fretboard_Click();
    void size_Click(int Index);
    // The neck, as NeckPart has it: each mask label toggles its own mask.
    void Clear_Masks_Click() { m_neckPart.clearMasks(); }
#define DEMO_DECLARE_MASK(n)       \
    void Mask_##n##_Click() {      \
        m_neckPart.toggleMask(#n); \
    }
    DEMO_FRET_MASKS(DEMO_DECLARE_MASK)
    DEMO_STRING_MASKS(DEMO_DECLARE_MASK)
#undef DEMO_DECLARE_MASK
#define DEMO_DECLARE_SELECT(n) void Select_##n##_Click();
    DEMO_NOTES(DEMO_DECLARE_SELECT)
#undef DEMO_DECLARE_SELECT
    void Chord_Tone_Setup(const std::string& key);
    void Formula_Note_Loader();
    void Scale_Note_Loader_2(const std::vector<std::string>& row);
    void Fret_Number_Loader(const std::vector<int>& Fret_Number);

    // Loads a picture file; the name kept is the path relative to the program folder.
    Picture LoadPicture(const std::string& path) const;
    static Picture Builtin(const std::string& name);

protected:
    struct SizePreset {
        int index;
        int Height, Width;
        std::optional<int> Top, Left;
    };
    virtual const std::vector<SizePreset>& sizePresets() const = 0;
    virtual int rootOffset(const std::string& key) const = 0;
    virtual bool showsTypeO2() const = 0;  // Type_o2 gets the chord-type name with the fret numbers
    // Tooltips of the controls only this window has.
    virtual std::string ownToolTip(const Control&) const {
        return {};
    }
    // The chord the gallery shows, as it is read out ("C major"); empty for none.
    virtual std::string chordName() const {
        return {};
    }
    std::string shownNote(const std::string& spelling) const;
    // Shows the chord chosen, if any, again: the diagrams depend on the tuning.
    virtual void reshowChord() {}

    // Rotation shared by Box18, Box11, Box9 and Box8.
    void placeByRotation(const std::string& move, int count, bool rowsChange);

    // Fills the gallery with a chord's grips chosen for its root, in the
    // listed order, each beside its own fret number; `rootGrip` goes beside
    // the chord name. The first page's diagrams come from the library; a
    // later page's are drawn, and the diagram beside the name stays.
    void Grip_Gallery_Loader(const std::vector<theory::GalleryCell>& cells,
                             const std::optional<theory::Frets>& rootGrip, bool rowsChange,
                             bool laterPage = false);
    // The page on show of the chord chosen, into cells cleared for it.
    virtual void loadGalleryPage() {}
    virtual void clearGalleryCells() {}
    // A chord was chosen: its pages from its grips, best first, after the set
    // on page 1 where one is given (`set`: its shapes at the chord's frets).
    void startPages(std::vector<theory::GalleryCell> ranked, const std::vector<theory::Frets>& set,
                    int cells);
    void clearPages() {
        m_gallery.clearPages();
    }
    std::vector<theory::Frets> setShapes(const std::string& dir, const std::string& root,
                                         int count) const;

    // Factory for the inventories: positions are absolute client twips; the
    // control stores them relative to its container.
    Control& make(Kind kind, const std::string& name, int index, Control* container, int left,
                  int top, int width, int height, int layer = -1);
    // A member of a control array (the array is a member of the window class).
    Control& item(ControlArray& array, Kind kind, int index, Control* container, int left, int top,
                  int width, int height, int layer = -1);
    Control& label(const std::string& name, int index, Control* container, int left, int top,
                   int width, int height, const std::string& caption, int fore, int back);
    // After every click and choice of an option the large diagram still stands
    // for a diagram on show, or goes; also when a picture failed to load half-way.
    struct FollowGallery {
        GalleryPart& gallery;
        ~FollowGallery() { gallery.followClick(); }
    };
    void bind(Control& c, std::function<void()> handler) {
        c.onClick([this, handler = std::move(handler)] {
            FollowGallery follow{m_gallery};
            handler();
        });
    }
    // Where the library keeps pictures with note names for the current naming.
    std::string namesFolder(const std::string& sub) const;
    // Shows a named chord as the window's own selectors would, and says so.
    virtual void showNamedChord(const theory::ChordName&) {}
    virtual std::string namedChordHint(const theory::ChordName&, const std::string& shown) const {
        return "Show " + shown + " with its diagrams and notes";
    }
    // The root of the chord the window shows, empty when none.
    virtual std::string shownRoot() const {
        return {};
    }
    // The grip each gallery cell shows (18 = the diagram beside the name).
    void rememberGrip(int index, const std::optional<theory::Frets>& frets, bool atNut = false) {
        m_gallery.remember(index, frets, atNut);
    }
    void forgetGrips(bool keepRoot = false) {
        m_gallery.forget(keepRoot);
    }
    void addNotePickers();
    void addToneStrip();
    void addGalleryItem(Control* container, Control* numberContainer, int i, int top, int back);
    void addReportRow(ControlArray& array, const std::array<int, 7>& lefts, int top, int width);
    Control& yellowLabel(const std::string& name, int left, int top, int width,
                         const std::string& caption);
    void addCommandLabels(int left, int masksWidth, const std::string& clearMasks,
                          const std::string& clearFret);
    void toggle(Control& c) {
        c.setVisible(!c.visible());
    }
    void clip(Control& source, const std::string& text = {});
    void clearReports();
    void clearToneDisplays();
    // Shows the overlays of the chord's degrees and colours its tone bars.
    void showChordTones(const std::vector<int>& markerDegrees, const std::vector<int>& noteColours);
    void Clip_Preview();
    void exitProgram();
    QJsonObject commonVariables() const;

    Platform m_platform;

private:
    // The parts build their controls with the window's factory and call its hooks.
    friend class NamingPart;
    friend class HearingPart;
    friend class HintsPart;
    friend class OptionsPart;
    friend class GalleryPart;
    friend class NeckPart;

    int absoluteLeft(const Control* c) const;
    int absoluteTop(const Control* c) const;

    std::string m_programName;
    std::string m_caption;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::map<std::string, Control*> m_byKey;
    std::map<std::string, ControlArray*> m_arrays;
    std::map<std::string, std::vector<Control*>> m_optionGroups;
    WindowFrame m_frame;
    bool m_exited = false;
};

}  // namespace ui
