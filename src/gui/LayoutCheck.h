#pragma once

// Checks a Qt window against its layout rows (app/WindowLayouts.h): what the control operations read
// (captions, items, headers, pages, opening state), and beyond them the widget class of each row, the
// page it sits on, a menu item's menu, the toolbar's buttons, and any named object of the window that
// no row describes. Debug builds check every window as it opens; the GUI tests check them all.
#include "app/WindowLayouts.h"

#include <string>
#include <vector>

namespace gui {

class QtWindow;

// One sentence per difference; empty when the window is as described.
std::vector<std::string> layoutDifferences(const QtWindow& window, const app::WindowLayout& layout);

// Ends the program with the differences, if any (debug builds only; release builds do nothing).
void assertLayout(const QtWindow& window, std::string_view layoutKey);

} // namespace gui
