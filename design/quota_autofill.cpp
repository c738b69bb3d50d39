#include "design/handlers.h"

namespace design {

void onProjectTypeSelected(WindowOps&) {}
void onWaterTypeSelected(WindowOps&) {}
void onInnerSourceYesClicked(WindowOps&) {}
void onInnerSourceNoClicked(WindowOps&) {}
void onExternalSourceSelected(WindowOps&) {}

}  // namespace design
