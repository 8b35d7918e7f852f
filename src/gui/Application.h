#pragma once

namespace gui {

// Settings every Qt program of ours makes before its first window: shared GL contexts for the browser
// views (before the QApplication exists), then the Fusion style and a CJK font.
void prepareApplication();
void styleApplication();
// Loads Qt's Chinese translations (Debian's qt6-translations-l10n); false when they are missing.
bool translateApplication();

} // namespace gui
