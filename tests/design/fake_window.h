// An in-memory main window for the design handlers: built from the window layout, it keeps the
// behaviour of the window operations that the handlers rely on and records what they do. An operation
// on a name the layout does not have, or on a control of a kind the operation does not apply to,
// fails the running test. The kinds are those the program's handlers use each operation on: only
// combo boxes are enabled and disabled, only labels get captions, and labels and group boxes never
// take the focus.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "shell/control_events.h"
#include "shell/window_layout.h"
#include "shell/window_ops.h"

// The GBK text as UTF-8 for failure messages; bytes that are not GBK are shown as \xNN.
std::string readable(std::string_view gbk);

class FakeWindow final : public WindowOps {
public:
    struct ShownMessage {
        std::string message;
        std::string title;
        std::string focusWhenShown;  // "" when no control had the focus
    };
    struct TextWrite {
        std::string field;
        std::string text;
        friend bool operator==(const TextWrite&, const TextWrite&) = default;
    };
    struct EnableCall {
        std::string control;
        bool enabled;
    };
    struct RaisedEvent {
        std::string control;
        ControlEvent event;
    };

    FakeWindow();

    // The window operations.
    std::int32_t selectionIndex(std::string_view combo) override;
    void setSelectionIndex(std::string_view combo, std::int32_t index) override;
    std::string comboText(std::string_view combo) override;
    void setEnabled(std::string_view control, bool enabled) override;
    int isChecked(std::string_view radio) override;
    Text editText(std::string_view edit) override;
    void setEditText(std::string_view edit, std::string_view text) override;
    void setCaption(std::string_view label, std::string_view text) override;
    void showMessage(std::string_view message, std::string_view title) override;
    void setFocus(std::string_view control) override;

    // What a user does; each runs the handler bound to the event it raises.
    // Picks a list item: the selection changes, then the list-item-selected event is raised.
    void selectItem(std::string_view combo, std::int32_t index);
    // Clicks a radio button: it becomes checked, the others unchecked, then its clicked event.
    void clickRadio(std::string_view radio);
    // Clicks a button: the focus moves to it, then its clicked event.
    void clickButton(std::string_view button);
    // Types a new text into an editable box; raises its text-changed event once.
    void typeInto(std::string_view edit, std::string_view text);

    // Arranging a case: these change the state directly, raise nothing and record nothing.
    void putText(std::string_view edit, Text text);  // std::nullopt leaves the box with no text
    void putChecked(std::string_view radio);          // checks it and unchecks the others
    void putEnabled(std::string_view control, bool enabled);
    void clearRecords();  // forgets writes, calls, messages and events recorded so far

    // Observing the state.
    Text text(std::string_view edit) const;
    std::string caption(std::string_view label) const;
    bool isEnabled(std::string_view control) const;
    bool checked(std::string_view radio) const;
    std::int32_t selection(std::string_view combo) const;
    const std::string& focus() const { return focus_; }
    int textChangedCount(std::string_view edit) const;

    // What happened since construction or clearRecords().
    const std::vector<TextWrite>& writes() const { return writes_; }  // setEditText, in order
    const std::vector<EnableCall>& enableCalls() const { return enableCalls_; }
    const std::vector<ShownMessage>& messages() const { return messages_; }
    const std::vector<std::string>& focusCalls() const { return focusCalls_; }  // setFocus
    const std::vector<RaisedEvent>& events() const { return events_; }

    // Runs inside every text-changed event, after the bound handler if any: lets a test act like a
    // nested event handler that changes the window while a handler is writing its fields.
    std::function<void(FakeWindow&, std::string_view edit)> onTextChanged;

private:
    struct Control {
        ControlKind kind = ControlKind::Label;
        bool readOnly = false;
        bool enabled = true;
        std::vector<std::string> items;  // combo box
        std::int32_t selection = -1;     // combo box
        bool checked = false;            // radio button
        Text text;                       // edit box
        std::string caption;             // label, button, radio button
        int textChanges = 0;             // edit box
    };

    Control* find(std::string_view name, std::initializer_list<ControlKind> kinds,
                  std::string_view operation);
    const Control* find(std::string_view name, std::initializer_list<ControlKind> kinds,
                        std::string_view operation) const;
    void raise(std::string_view control, ControlEvent event);
    void checkExclusively(std::string_view radio);

    std::map<std::string, Control, std::less<>> controls_;
    std::string focus_;
    std::vector<TextWrite> writes_;
    std::vector<EnableCall> enableCalls_;
    std::vector<ShownMessage> messages_;
    std::vector<std::string> focusCalls_;
    std::vector<RaisedEvent> events_;
};
