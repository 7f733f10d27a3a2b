// Clipboard copy with preview, window size presets, "Clear Fret".
#include "theory/notes.h"
#include "ui/lyrafret_demo.h"
#include "ui/pennatone_demo.h"

namespace ui {

void DemoWindow::Chord_Display_Click(int Index) {
    clip(Chord_Display(Index), diagramText(Index));
}

void DemoWindow::FretDisplay_Click(int Index) {
    clip(FretDisplay(Index), diagramText(Index));
}

// Clip_Chord_Box and Clip_Fret_Number: the same steps on another control.
void DemoWindow::clip(Control& source, const std::string& text) {
    Clipboard& clipboard = *m_platform.clipboard;
    clipboard.clear();
    // An empty box leaves the clipboard empty; the preview then keeps its picture.
    if (!source.picture().isNone()) {
        if (text.empty())
            clipboard.setPicture(source.picture());
        else
            clipboard.setPictureAndText(source.picture(), text);
    }
    Clip_Preview();
}

void DemoWindow::Clip_Preview() {
    const Clipboard& clipboard = *m_platform.clipboard;
    for (int code : {kBitmap, kMetafile, kDib, kPalette}) {
        if (clipboard.hasFormat(code)) {
            Mini_Clip->setPicture(clipboard.picture(code));
            return;
        }
    }
}

void DemoWindow::size_Click(int Index) {
    for (const SizePreset& p : sizePresets()) {
        if (p.index != Index) continue;
        m_frame.Height = p.Height;
        m_frame.Width = p.Width;
        if (p.Top) m_frame.Top = *p.Top;
        if (p.Left) m_frame.Left = *p.Left;
        ++m_frame.revision;
        return;
    }
}

void DemoWindow::Clear_Fretboard_Click() {
    for (const char* n : theory::Root_Names) NoteEntry(n).setVisible(false);
}

const std::vector<DemoWindow::SizePreset>& PennatoneDemo::sizePresets() const {
    static const std::vector<SizePreset> presets{
        {0, 8625, 8460, 0, std::nullopt},
        {1, 7400, 8460, 0, std::nullopt},
        {2, 3200, 8460, std::nullopt, std::nullopt},
        {3, 1750, 8460, std::nullopt, std::nullopt},
        {4, 8625, 11970, 0, 0},
    };
    return presets;
}

const std::vector<DemoWindow::SizePreset>& LyrafretDemo::sizePresets() const {
    static const std::vector<SizePreset> presets{
        {0, 8625, 11970, 0, 0},
        {1, 8625, 8460, 0, std::nullopt},
        {2, 7420, 8460, 0, std::nullopt},
        {3, 2700, 8460, std::nullopt, std::nullopt},
        {4, 2000, 8460, std::nullopt, std::nullopt},
        {5, 1050, 8460, std::nullopt, std::nullopt},
    };
    return presets;
}

}  // namespace ui
