// The window operations through which the design handlers reach the main window. Controls are
// addressed by their names (GBK); texts are GBK byte strings. The Win32 shell implements this
// interface on the real window and the unit tests implement it in memory. An operation on a name that
// the window does not have is a failure of the platform: the shell reports it through its fatal path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// std::nullopt is an absent text, which is distinct from the empty text.
using Text = std::optional<std::string>;

class WindowOps {
public:
    virtual ~WindowOps() = default;

    // Index of the item a combo box shows: 0 is the first item, -1 none.
    virtual std::int32_t selectionIndex(std::string_view combo) = 0;
    // Selects and shows an item; above the last index selects the last item, below -1 gives -1.
    // Raises no event.
    virtual void setSelectionIndex(std::string_view combo, std::int32_t index) = 0;
    // The selected item's text, "" when none is selected.
    virtual std::string comboText(std::string_view combo) = 0;
    virtual void setEnabled(std::string_view control, bool enabled) = 0;
    // 1 when the radio button is checked, else 0.
    virtual int isChecked(std::string_view radio) = 0;
    virtual Text editText(std::string_view edit) = 0;
    // Replaces the text, then raises the box's text-changed event exactly once, even when the text
    // is unchanged, and returns after its handler.
    virtual void setEditText(std::string_view edit, std::string_view text) = 0;
    virtual void setCaption(std::string_view label, std::string_view text) = 0;
    // Modal box with the message, the title as caption, one OK button, no icon and no owner; returns
    // when the user has closed it.
    virtual void showMessage(std::string_view message, std::string_view title) = 0;
    // Moves the keyboard focus; on a radio button it neither checks it nor raises its click event.
    virtual void setFocus(std::string_view control) = 0;
};
