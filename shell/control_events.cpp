#include "shell/control_events.h"

#include "design/handlers.h"

namespace {

constexpr EventBinding kProgramBindings[] = {
    {"工程类别", ControlEvent::ListItemSelected, design::onProjectTypeSelected},
    {"用水种类", ControlEvent::ListItemSelected, design::onWaterTypeSelected},
    {"防护外水源", ControlEvent::ListItemSelected, design::onExternalSourceSelected},
    {"有可靠内水源", ControlEvent::Clicked, design::onInnerSourceYesClicked},
    {"无可靠内水源", ControlEvent::Clicked, design::onInnerSourceNoClicked},
    {"按钮1", ControlEvent::Clicked, design::onDrinkingCalcClicked},
    {"按钮2", ControlEvent::Clicked, design::onDomesticCalcClicked},
    {"按钮3", ControlEvent::Clicked, design::onTotalCalcClicked},
};

}  // namespace

std::span<const EventBinding> programEventBindings() { return kProgramBindings; }

EventHandler findEventHandler(std::span<const EventBinding> bindings, std::string_view control,
                              ControlEvent event) {
    for (const EventBinding& binding : bindings) {
        if (binding.event == event && control == binding.control) return binding.handler;
    }
    return nullptr;
}
