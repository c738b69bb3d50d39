// The design handlers bound to the main window's events. Each reads what it needs from the window
// afresh through the window operations and keeps no state of its own.
#pragma once

#include "shell/window_ops.h"

namespace design {

// Design-quota auto-fill.
void onProjectTypeSelected(WindowOps& window);
void onWaterTypeSelected(WindowOps& window);
void onInnerSourceYesClicked(WindowOps& window);
void onInnerSourceNoClicked(WindowOps& window);
void onExternalSourceSelected(WindowOps& window);

// Storage volume calculations.
void onDrinkingCalcClicked(WindowOps& window);
void onDomesticCalcClicked(WindowOps& window);
void onTotalCalcClicked(WindowOps& window);

}  // namespace design
