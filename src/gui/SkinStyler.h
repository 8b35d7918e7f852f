#pragma once

#include "app/Skins.h"

#include <QString>

namespace gui {

// Turns one of our skins into the application's palette and style sheet. A skin that does not hold
// together (a text colour unreadable on its background, no name) is refused and the look stays.
bool applySkin(const app::Skin& skin);
QString styleSheetFor(const app::Skin& skin);
// The name of the skin applied last (empty for the default look).
QString currentSkinName();

} // namespace gui
