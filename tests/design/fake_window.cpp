#include "tests/design/fake_window.h"

#include <iconv.h>

#include <algorithm>
#include <cstdio>

#include <gtest/gtest.h>

namespace {

const char* kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return "label";
        case ControlKind::EditBox: return "edit box";
        case ControlKind::ComboBox: return "combo box";
        case ControlKind::RadioButton: return "radio button";
        case ControlKind::Button: return "button";
        case ControlKind::GroupBox: return "group box";
    }
    return "?";
}

std::string hexBytes(std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        char buffer[5];
        std::snprintf(buffer, sizeof buffer, c < 0x80 ? "%c" : "\\x%02X", c);
        out += buffer;
    }
    return out;
}

}  // namespace

std::string readable(std::string_view gbk) {
    iconv_t converter = iconv_open("UTF-8", "GBK");
    if (converter == reinterpret_cast<iconv_t>(-1)) return hexBytes(gbk);
    std::string in(gbk);
    std::string out(in.size() * 3 / 2 + 4, '\0');
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    const size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (result == static_cast<size_t>(-1)) return hexBytes(gbk);
    out.resize(out.size() - outLeft);
    return out;
}

FakeWindow::FakeWindow() {
    for (const ControlLayout& row : mainWindowLayout().controls) {
        Control control;
        control.kind = row.kind;
        control.readOnly = row.inputMode == InputMode::ReadOnly;
        control.enabled = row.enabled;
        control.items.assign(row.items.begin(), row.items.end());
        control.selection = row.selected;
        control.checked = row.checked;
        if (row.kind == ControlKind::EditBox) {
            control.text = row.text != nullptr ? row.text : "";
        } else if (row.text != nullptr) {
            control.caption = row.text;
        }
        controls_.emplace(row.name, std::move(control));
    }
}

FakeWindow::Control* FakeWindow::find(std::string_view name,
                                      std::initializer_list<ControlKind> kinds,
                                      std::string_view operation) {
    return const_cast<Control*>(std::as_const(*this).find(name, kinds, operation));
}

const FakeWindow::Control* FakeWindow::find(std::string_view name,
                                            std::initializer_list<ControlKind> kinds,
                                            std::string_view operation) const {
    const auto it = controls_.find(name);
    if (it == controls_.end()) {
        ADD_FAILURE() << operation << " on \"" << readable(name) << "\", which the window does not have";
        return nullptr;
    }
    if (std::find(kinds.begin(), kinds.end(), it->second.kind) == kinds.end()) {
        ADD_FAILURE() << operation << " on \"" << readable(name) << "\", a "
                      << kindName(it->second.kind) << ", which it does not apply to";
        return nullptr;
    }
    return &it->second;
}

void FakeWindow::raise(std::string_view control, ControlEvent event) {
    events_.push_back({std::string(control), event});
    if (EventHandler handler = findEventHandler(programEventBindings(), control, event)) {
        handler(*this);
    }
    if (event == ControlEvent::TextChanged && onTextChanged) onTextChanged(*this, control);
}

std::int32_t FakeWindow::selectionIndex(std::string_view combo) {
    const Control* control = find(combo, {ControlKind::ComboBox}, "selectionIndex");
    return control != nullptr ? control->selection : -1;
}

void FakeWindow::setSelectionIndex(std::string_view combo, std::int32_t index) {
    Control* control = find(combo, {ControlKind::ComboBox}, "setSelectionIndex");
    if (control == nullptr) return;
    const auto last = static_cast<std::int32_t>(control->items.size()) - 1;
    control->selection = std::clamp<std::int32_t>(index, -1, last);
}

std::string FakeWindow::comboText(std::string_view combo) {
    const Control* control = find(combo, {ControlKind::ComboBox}, "comboText");
    if (control == nullptr || control->selection < 0) return "";
    return control->items[static_cast<size_t>(control->selection)];
}

void FakeWindow::setEnabled(std::string_view name, bool enabled) {
    Control* control = find(name, {ControlKind::ComboBox}, "setEnabled");
    if (control == nullptr) return;
    enableCalls_.push_back({std::string(name), enabled});
    control->enabled = enabled;
}

int FakeWindow::isChecked(std::string_view radio) {
    const Control* control = find(radio, {ControlKind::RadioButton}, "isChecked");
    return control != nullptr && control->checked ? 1 : 0;
}

Text FakeWindow::editText(std::string_view edit) {
    const Control* control = find(edit, {ControlKind::EditBox}, "editText");
    return control != nullptr ? control->text : std::nullopt;
}

void FakeWindow::setEditText(std::string_view edit, std::string_view text) {
    Control* control = find(edit, {ControlKind::EditBox}, "setEditText");
    if (control == nullptr) return;
    control->text = std::string(text);
    ++control->textChanges;
    writes_.push_back({std::string(edit), std::string(text)});
    raise(edit, ControlEvent::TextChanged);
}

void FakeWindow::setCaption(std::string_view label, std::string_view text) {
    if (Control* control = find(label, {ControlKind::Label}, "setCaption")) {
        control->caption = std::string(text);
    }
}

void FakeWindow::showMessage(std::string_view message, std::string_view title) {
    messages_.push_back({std::string(message), std::string(title), focus_});
}

void FakeWindow::setFocus(std::string_view name) {
    if (find(name,
             {ControlKind::ComboBox, ControlKind::EditBox, ControlKind::RadioButton,
              ControlKind::Button},
             "setFocus") == nullptr) {
        return;
    }
    focusCalls_.emplace_back(name);
    focus_ = std::string(name);
}

void FakeWindow::selectItem(std::string_view combo, std::int32_t index) {
    Control* control = find(combo, {ControlKind::ComboBox}, "selectItem");
    if (control == nullptr) return;
    if (!control->enabled) {
        ADD_FAILURE() << "selectItem: \"" << readable(combo) << "\" is disabled";
        return;
    }
    if (index < 0 || index >= static_cast<std::int32_t>(control->items.size())) {
        ADD_FAILURE() << "selectItem: \"" << readable(combo) << "\" has no item " << index;
        return;
    }
    control->selection = index;
    raise(combo, ControlEvent::ListItemSelected);
}

void FakeWindow::checkExclusively(std::string_view radio) {
    for (auto& [name, control] : controls_) {
        if (control.kind == ControlKind::RadioButton) control.checked = name == radio;
    }
}

void FakeWindow::clickRadio(std::string_view radio) {
    if (find(radio, {ControlKind::RadioButton}, "clickRadio") == nullptr) return;
    checkExclusively(radio);
    raise(radio, ControlEvent::Clicked);
}

void FakeWindow::clickButton(std::string_view button) {
    if (find(button, {ControlKind::Button}, "clickButton") == nullptr) return;
    focus_ = std::string(button);
    raise(button, ControlEvent::Clicked);
}

void FakeWindow::typeInto(std::string_view edit, std::string_view text) {
    Control* control = find(edit, {ControlKind::EditBox}, "typeInto");
    if (control == nullptr) return;
    if (control->readOnly) {
        ADD_FAILURE() << "typeInto: \"" << readable(edit) << "\" is read-only";
        return;
    }
    control->text = std::string(text);
    ++control->textChanges;
    raise(edit, ControlEvent::TextChanged);
}

void FakeWindow::putText(std::string_view edit, Text text) {
    if (Control* control = find(edit, {ControlKind::EditBox}, "putText")) {
        control->text = std::move(text);
    }
}

void FakeWindow::putChecked(std::string_view radio) {
    if (find(radio, {ControlKind::RadioButton}, "putChecked") != nullptr) checkExclusively(radio);
}

void FakeWindow::putEnabled(std::string_view name, bool enabled) {
    if (Control* control = find(name, {ControlKind::ComboBox}, "putEnabled")) {
        control->enabled = enabled;
    }
}

void FakeWindow::clearRecords() {
    writes_.clear();
    enableCalls_.clear();
    messages_.clear();
    focusCalls_.clear();
    events_.clear();
}

Text FakeWindow::text(std::string_view edit) const {
    const Control* control = find(edit, {ControlKind::EditBox}, "text");
    return control != nullptr ? control->text : std::nullopt;
}

std::string FakeWindow::caption(std::string_view label) const {
    const Control* control = find(label, {ControlKind::Label}, "caption");
    return control != nullptr ? control->caption : "";
}

bool FakeWindow::isEnabled(std::string_view name) const {
    const Control* control = find(name, {ControlKind::ComboBox}, "isEnabled");
    return control != nullptr && control->enabled;
}

bool FakeWindow::checked(std::string_view radio) const {
    const Control* control = find(radio, {ControlKind::RadioButton}, "checked");
    return control != nullptr && control->checked;
}

std::int32_t FakeWindow::selection(std::string_view combo) const {
    const Control* control = find(combo, {ControlKind::ComboBox}, "selection");
    return control != nullptr ? control->selection : -1;
}

int FakeWindow::textChangedCount(std::string_view edit) const {
    const Control* control = find(edit, {ControlKind::EditBox}, "textChangedCount");
    return control != nullptr ? control->textChanges : 0;
}
