#pragma once

#include <functional>

namespace gui {

// Settings every Qt program of ours makes before its first window: shared GL contexts for the browser
// views (before the QApplication exists), then the Fusion style and a CJK font.
void prepareApplication();
void styleApplication();
// Loads Qt's Chinese translations (Debian's qt6-translations-l10n); false when they are missing.
bool translateApplication();

// Runs `stop` on the window thread when the process is asked to end (SIGTERM, SIGINT, SIGHUP), and
// `save` when the desktop session ends, so the settings and records are saved as at an orderly exit.
// Call once, after the QApplication exists.
void handleEndRequests(const std::function<void()>& stop, const std::function<void()>& save);

} // namespace gui
