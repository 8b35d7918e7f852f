#pragma once

#include <string_view>

class QWidget;

namespace gui {

// Builds the secondary window of that name (or form key, names::NestlingContenSinglePage); null for
// an unknown name.
QWidget* createWindow(std::string_view windowName, QWidget* parent);

} // namespace gui
