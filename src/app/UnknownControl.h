#pragma once

// A control name that a window does not have is a fault of the program, never of the user: a typo, or
// a handler bound in the wrong window. Both window systems report it here, at once, instead of letting
// the call do nothing. The reaction ends the program with the window's and the control's names;
// tests put their own reaction in its place to see the report.
#include <functional>
#include <string>

namespace app {

struct UnknownControl
{
    std::string window;
    std::string control;
};

using UnknownControlReaction = std::function<void(const UnknownControl&)>;

void reportUnknownControl(const UnknownControl& fault);

// Replaces the reaction (nothing restores the default); returns the one it replaced.
UnknownControlReaction setUnknownControlReaction(UnknownControlReaction reaction);

} // namespace app
