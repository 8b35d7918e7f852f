#pragma once

#include <QIcon>
#include <QPixmap>

namespace gui {

// Our pictures, drawn at run time: no image files to ship.
// The status bar's mode pictures 0 to 6.
QPixmap modePicture(int index);
// Picture `index` of a list view's image list.
QIcon listIcon(int index);
// Toolbar pictures.
QIcon toolIcon(int index);
// The product picture of the about window and the window icon.
QPixmap productPicture(int size);

} // namespace gui
