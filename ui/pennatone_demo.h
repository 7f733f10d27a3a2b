#pragma once

#include "ui/demo_window.h"

namespace ui {

// The chord finder's window: seventeen roots, 53 chord types, an 18-cell gallery.
class PennatoneDemo : public DemoWindow {
public:
    explicit PennatoneDemo(Platform platform);

    // Controls of this window only.
    Control* Label3 = nullptr;
    Control* Picture7 = nullptr;
    Control* Baseup = nullptr;
    Control* Basedown = nullptr;
    ControlArray Main_Display{"Main_Display"};
    Control* Label2 = nullptr;
    ControlArray Base{"Base"};
    ControlArray Ty{"Ty"};
    Control* Cover = nullptr;
    Control* close_me = nullptr;
    Control* Overlay = nullptr;

    // Handlers.
    void Form_Load() override;
    void Clear_Me_Click();
    void close_me_Click();
    void Base_Click(int Index);
    void Baseup_Click();
    void Basedown_Click();
    void Ty_Click(int Index);
    void TypeUp_Click();
    void TypeDown_Click();

    // Window operations.
    void Radio0();
    void Clear__();
    void Box18(const std::string& move);
    void Box11(const std::string& move);
    void Fret_Number_Loader_2(const std::vector<std::string>& unused);
    void Chord_Box_Loader(const std::string& dir);
    void Scales_Swap(const std::string& root);

    QJsonObject variables() const override;
    Control* keyTarget(StepKey key) const override;

    static constexpr int kNeutralType = 53;
    static constexpr int kLastType = 52;

protected:
    std::string shownRoot() const override { return K == "Null" ? std::string() : K; }
    const std::vector<SizePreset>& sizePresets() const override;
    int rootOffset(const std::string& key) const override;
    std::string ownToolTip(const Control& c) const override;
    std::string chordName() const override;
    bool showsTypeO2() const override { return true; }
    void reshowChord() override;
    void loadGalleryPage() override;
    void clearGalleryCells() override;
    void showNamedChord(const theory::ChordName& name) override;

private:
    void createControls();
    void createDisplayStrip();
    void createReports();
    void createSelectors();
    void bindClicks();
    std::string rootForButton(int index) const;
};

}  // namespace ui
