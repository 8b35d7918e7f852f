#pragma once

#include "app/Controls.h"

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace gui {

// Every message box of the window program goes through here, so tests never block on one: a queued
// "next answer" (or the automatic mode) records the message and answers without showing anything.
class MessageBoxSeam
{
public:
    static app::MessageAnswer show(QWidget* parent, const core::Message& message);
    static void setNextAnswer(app::MessageAnswer answer);
    // Answers every message with Ok without showing it (screenshots, smoke tests).
    static void setAutomatic(bool automatic);
    static const std::vector<core::Message>& recorded();
    static void clearRecorded();

    // The save dialog, with the same seam: a queued answer (a file, or nothing for a cancel) is given
    // without showing it.
    static std::optional<std::string> chooseSaveFile(QWidget* parent, const std::string& suggestedName,
                                                     const std::string& filter);
    static void setNextSaveFile(std::optional<std::string> file);
};

} // namespace gui
