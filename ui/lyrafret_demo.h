#pragma once

#include "ui/demo_window.h"

namespace ui {

// The window that shows the chords of a key: twelve keys, chord options by degree,
// a one-row gallery of nine cells.
class LyrafretDemo : public DemoWindow {
public:
    explicit LyrafretDemo(Platform platform);

    // Controls of this window only.
    Control* Picture1 = nullptr;
    Control* KeyUp = nullptr;
    Control* KeyDown = nullptr;
    Control* ScaleUp = nullptr;
    Control* ScaleDown = nullptr;
    Control* Main_Display = nullptr;
    Control* Key_Label = nullptr;
    Control* Report_Key = nullptr;
    ControlArray Roman{"Roman"};
    Control* Label1 = nullptr;
    ControlArray Key_C{"Key_C"};
    ControlArray key{"key"};
    Control* cover = nullptr;
    ControlArray Overlay{"Overlay"};
    ControlArray num_cover{"num_cover"};
    Control* capo_cover = nullptr;
    Control* Exit_Me = nullptr;

    std::optional<int> Keyer;

    // Handlers.
    void Form_Load() override;
    void Clear_Me_Click();
    void Exit_Me_Click();
    void Key_C_Click(int Index);
    void key_Click(int Index);
    void KeyUp_Click();
    void KeyDown_Click();
    void ScaleUp_Click();
    void ScaleDown_Click();
    void TypeUp_Click();
    void TypeDown_Click();

    // Window operations.
    void Radio0();
    void Clear__();
    void Box9(const std::string& move);
    void Box8(const std::string& move);
    void Fret_Number_Loader_2(const std::vector<std::string>& Fret_Number);
    void Chord_Box_Loader(const std::string& dir);
    void Scales_Swap(const std::string& degree);
    void Scale_Note_Loader(const std::vector<std::string>& scaleList);

    QJsonObject variables() const override;
    Control* keyTarget(StepKey key) const override;

    static constexpr int kNeutralOption = 78;
    static constexpr int kKeyCount = 12;

protected:
    std::string shownRoot() const override;
    const std::vector<SizePreset>& sizePresets() const override;
    int rootOffset(const std::string& key) const override;
    std::string ownToolTip(const Control& c) const override;
    std::string chordName() const override;
    bool showsTypeO2() const override { return false; }
    void reshowChord() override;
    void loadGalleryPage() override;
    void clearGalleryCells() override;
    void showNamedChord(const theory::ChordName& name) override;
    std::string namedChordHint(const theory::ChordName& name,
                               const std::string& shown) const override;

private:
    static int optionFor(int keyIndex, const theory::ChordName& name);
    void createControls();
    void createDisplayStrip();
    void createReports();
    void createSelectors();
    void bindClicks();
    void stepDegree(int up);
};

}  // namespace ui
