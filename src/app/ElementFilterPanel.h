#pragma once

// The element filter panel of page 9 (超吉模式): four rows of a limiter box and five element boxes.
// A position limiter (second or third character) and an all-character limiter (must or must not)
// are never checked together; each limiter click keeps it so.
#include "app/Controls.h"
#include "naming/NamingRequest.h"

namespace app {

// Registers the rules on the clicks of the four limiter boxes.
void wireElementFilterPanel(Window& main);

// The rule for one limiter box, after its check state changed: checked, it unchecks and disables the
// two limiters of the other kind and enables its own element boxes; unchecked, it disables its element
// boxes and, when its partner of the same kind is unchecked too, enables the other kind's limiters.
void applyElementFilterRule(Window& main, ControlName limiter);

// Sets the panel to hold `filter` (one the panel can hold: no position limiter beside an
// all-character one): limiters and element boxes checked as it says, and enabled as the rules leave
// them - a row's element boxes with its limiter, the other kind's limiters shut while one is checked.
void setElementFilter(Window& main, const naming::ElementFilter& filter);

// The panel as a run reads it when it starts.
naming::ElementFilter readElementFilter(const Window& main);

} // namespace app
