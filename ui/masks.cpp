// Fret and string masks: each label toggles its own mask image, nothing else.
#include "ui/demo_window.h"

namespace ui {

#define DEMO_DEFINE_MASK(n)               \
    void DemoWindow::Mask_##n##_Click() { \
        toggle(Mask_o(#n));               \
    }
DEMO_FRET_MASKS(DEMO_DEFINE_MASK)
DEMO_STRING_MASKS(DEMO_DEFINE_MASK)
#undef DEMO_DEFINE_MASK

void DemoWindow::Clear_Masks_Click() {
    for (int n = 0; n <= 22; ++n) Mask_o(std::to_string(n)).setVisible(false);
    for (const char* s : {"Low_E", "A", "D", "G", "B", "High_E"}) Mask_o(s).setVisible(false);
}

}  // namespace ui
