#pragma once

#include "app/ControlNames.h"
#include "app/Controls.h"
#include "naming/NamingRequest.h"

#include <array>
#include <cstddef>
#include <string>

namespace app {

// 只列常见名字: the high-score, super-auspicious and poem pages each carry a box for it, so the choice
// sits beside the button that starts the run; the three are one setting and always agree.
inline constexpr std::array<names::Name, 3> kCommonOnlyBoxes = {
    names::选择框_高分常见名字, names::选择框_超吉常见名字, names::选择框_诗词常见名字};

// Checks or unchecks the three boxes.
void showCommonOnly(Window& main, bool on);
// Whether the box is checked; with a mode, the box of that mode's page (a mode without one: high-score's).
bool commonOnlyChecked(const Window& main, naming::Mode mode = naming::Mode::HighScore);
// A click on one box sets the other two alike.
void wireCommonOnlyBoxes(Window& main);

// The status bar after a run that left names out: "已略去 N 个无依据的名字"; empty when none was.
std::string leftOutStatus(std::size_t count);
// Says after a run how many names it left out; a run that left none out takes an earlier run's count
// away again (the status bar shows the mode's description once more).
void showLeftOut(Window& main, std::size_t count);

} // namespace app
