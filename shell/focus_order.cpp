#include "shell/focus_order.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace {

int indexOf(const WindowLayout& layout, std::string_view name) {
    for (int i = 0; i < static_cast<int>(layout.controls.size()); ++i) {
        if (name == layout.controls[i].name) return i;
    }
    return -1;
}

bool sameParent(const char* a, const char* b) {
    if (a == nullptr || b == nullptr) return a == b;
    return std::strcmp(a, b) == 0;
}

struct Candidate {
    int layoutIndex;
    int orderPosition;
};

}  // namespace

// A `fromIndex` outside the focus order (the window itself, a label) has no place in it: forward
// then goes to the first candidate and backward to the last.
int focusMoveTarget(const WindowLayout& layout, int fromIndex, bool forward, bool radioOnly,
                    const std::function<bool(int)>& isAvailable) {
    const bool fromIsControl = fromIndex >= 0 && fromIndex < static_cast<int>(layout.controls.size());
    if (radioOnly && !fromIsControl) return -1;
    const char* fromParent = fromIsControl ? layout.controls[fromIndex].parent : nullptr;

    int fromPosition = -1;
    std::vector<Candidate> candidates;
    for (int position = 0; position < static_cast<int>(layout.focusOrder.size()); ++position) {
        const int index = indexOf(layout, layout.focusOrder[position]);
        if (index < 0) continue;
        if (index == fromIndex) fromPosition = position;
        const ControlLayout& row = layout.controls[index];
        const bool inRadioGroup = row.kind == ControlKind::RadioButton && sameParent(row.parent, fromParent);
        if (radioOnly && !inRadioGroup) continue;
        if (isAvailable(index)) candidates.push_back({index, position});
    }
    if (candidates.empty()) return -1;

    const int count = static_cast<int>(candidates.size());
    // The first candidate past from's place; for a candidate `from` that is the one after it.
    int next = 0;
    while (next < count && candidates[next].orderPosition <= fromPosition) ++next;
    const bool fromIsCandidate = next > 0 && candidates[next - 1].layoutIndex == fromIndex;

    int target;
    if (forward) {
        target = next < count ? next : 0;
    } else {
        const int before = fromIsCandidate ? next - 2 : next - 1;
        target = before >= 0 ? before : count + before;
    }
    const int targetIndex = candidates[target].layoutIndex;
    return targetIndex == fromIndex ? -1 : targetIndex;
}
