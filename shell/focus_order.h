// Where the keyboard moves the focus: the decision of moveFocus, apart from the window itself.
#pragma once

#include <functional>

#include "shell/window_layout.h"

// The layout index of the control that moveFocus(from, forward, radioOnly) moves to, or -1 when
// nothing happens (no candidate, or the target is `from`). `fromIndex` is the layout index of the
// focused control; `isAvailable(layoutIndex)` tells whether a control is visible and enabled now.
int focusMoveTarget(const WindowLayout& layout, int fromIndex, bool forward, bool radioOnly,
                    const std::function<bool(int)>& isAvailable);
