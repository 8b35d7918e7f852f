#pragma once

#include <QString>

#include <filesystem>

class QWidget;

namespace gui {

// A second start in the same runtime folder brings the running window to the front instead of ending
// without a word: the running copy listens on a local socket beside its single-instance lock, the
// second start knocks on it and ends.

// The socket's path: the lock's, ending in .raise.
QString secondStartAddress(const std::filesystem::path& lockFile);
// In the running copy (it holds the lock): every knock shows `window` in front.
void listenForSecondStart(QWidget& window, const std::filesystem::path& lockFile);
// In the second start: asks the running copy to come to the front; false when none answered.
bool raiseRunningCopy(const std::filesystem::path& lockFile);

} // namespace gui
