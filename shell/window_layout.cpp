// Temporary: the full table of the main window's controls replaces this.
#include "shell/window_layout.h"

namespace {
constexpr WindowLayout kMainWindow{"Tavrolin", 687, 354, 680, 320, 80, true, false, false, {}, {}};
}

const WindowLayout& mainWindowLayout() { return kMainWindow; }

int findControl(std::string_view name) {
    const auto controls = mainWindowLayout().controls;
    for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
        if (name == controls[i].name) return i;
    }
    return -1;
}
