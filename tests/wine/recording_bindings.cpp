#include "recording_bindings.h"

#include <windows.h>

#include <array>
#include <cstdlib>
#include <string>
#include <utility>

#include "shell/window_layout.h"

namespace {

// Handlers are plain function pointers, so each layout index gets a function of its own.
constexpr std::size_t kMaxControls = 128;

template <std::size_t Index>
void recordControlEvent(WindowOps& window) {
    sendEventRecord(recordOfEvent(window, static_cast<int>(Index)));
}

template <std::size_t... Indices>
constexpr std::array<EventHandler, kMaxControls> recordersFor(std::index_sequence<Indices...>) {
    return {recordControlEvent<Indices>...};
}

constexpr auto kRecorders = recordersFor(std::make_index_sequence<kMaxControls>{});

// The event of each kind that the design logic can bind, and its word in the record.
struct KindEvent {
    ControlKind kind;
    ControlEvent event;
    const char* word;
};

constexpr KindEvent kKindEvents[] = {
    {ControlKind::ComboBox, ControlEvent::ListItemSelected, "selected"},
    {ControlKind::RadioButton, ControlEvent::Clicked, "clicked"},
    {ControlKind::Button, ControlEvent::Clicked, "clicked"},
    {ControlKind::EditBox, ControlEvent::TextChanged, "changed"},
};

const KindEvent* kindEventOf(ControlKind kind) {
    for (const KindEvent& entry : kKindEvents) {
        if (entry.kind == kind) return &entry;
    }
    return nullptr;
}

std::vector<std::string_view> namesOfKind(ControlKind kind, bool integerOnly = false) {
    std::vector<std::string_view> names;
    for (const ControlLayout& control : mainWindowLayout().controls) {
        if (control.kind == kind && (!integerOnly || control.inputMode == InputMode::Integer)) {
            names.emplace_back(control.name);
        }
    }
    return names;
}

std::string joinedState(std::span<const std::string_view> names,
                        std::string (*valueOf)(WindowOps&, std::string_view), WindowOps& window) {
    std::string state;
    for (std::string_view name : names) {
        if (!state.empty()) state += ',';
        state.append(name).append("=").append(valueOf(window, name));
    }
    return state;
}

std::string checkedValue(WindowOps& window, std::string_view radio) {
    return std::to_string(window.isChecked(radio));
}

std::string textValue(WindowOps& window, std::string_view edit) {
    const Text text = window.editText(edit);
    return text ? *text : "(absent)";
}

std::string selectionValue(WindowOps& window, std::string_view combo) {
    return std::to_string(window.selectionIndex(combo));
}

}  // namespace

std::string checkedStateOf(WindowOps& window, std::span<const std::string_view> radios) {
    return joinedState(radios, checkedValue, window);
}

std::string textStateOf(WindowOps& window, std::span<const std::string_view> edits) {
    return joinedState(edits, textValue, window);
}

std::vector<EventBinding> recordingBindings(std::span<const std::string_view> except) {
    const auto controls = mainWindowLayout().controls;
    if (controls.size() > kMaxControls) {
        MessageBoxW(nullptr, L"The layout has more controls than the probe has recorders.",
                    L"probe", MB_ICONERROR);
        std::exit(3);
    }
    std::vector<EventBinding> bindings;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const KindEvent* kindEvent = kindEventOf(controls[i].kind);
        bool excepted = false;
        for (std::string_view name : except) excepted = excepted || name == controls[i].name;
        if (kindEvent && !excepted) {
            bindings.push_back({controls[i].name, kindEvent->event, kRecorders[i]});
        }
    }
    return bindings;
}

EventRecord recordOfEvent(WindowOps& window, int layoutIndex) {
    const ControlLayout& control = mainWindowLayout().controls[static_cast<std::size_t>(layoutIndex)];
    EventRecord record{control.name, kindEventOf(control.kind)->word, focusedControlName(), {}};
    const std::string_view self[] = {control.name};
    switch (control.kind) {
    case ControlKind::ComboBox:
        record.state = joinedState(self, selectionValue, window);
        break;
    case ControlKind::RadioButton:
        record.state = checkedStateOf(window, namesOfKind(ControlKind::RadioButton));
        break;
    case ControlKind::EditBox:
        record.state = textStateOf(window, self);
        break;
    default:
        // What a calculation button's handler would find in the typed inputs.
        record.state = textStateOf(window, namesOfKind(ControlKind::EditBox, true));
        break;
    }
    return record;
}

void sendEventRecord(const EventRecord& record) {
    HWND sink = FindWindowW(kEventSinkClass, nullptr);
    if (!sink) return;
    std::string bytes = encodeEventRecord(record);
    COPYDATASTRUCT data{kEventRecordTag, static_cast<DWORD>(bytes.size()), bytes.data()};
    SendMessageW(sink, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

std::string focusedControlName() {
    HWND focus = GetFocus();
    if (!focus) return "-";
    wchar_t rootClass[64] = {};
    GetClassNameW(GetAncestor(focus, GA_ROOT), rootClass, 64);
    const auto controls = mainWindowLayout().controls;
    const int index = GetDlgCtrlID(focus) - controlIdOf(0);
    if (std::wstring_view(rootClass) != L"TavrolinMainWindow" || index < 0 ||
        index >= static_cast<int>(controls.size())) {
        return "-";
    }
    return controls[static_cast<std::size_t>(index)].name;
}
