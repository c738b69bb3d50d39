#include "design/handlers.h"

namespace design {

void onDrinkingCalcClicked(WindowOps&) {}
void onDomesticCalcClicked(WindowOps&) {}
void onTotalCalcClicked(WindowOps&) {}

}  // namespace design
