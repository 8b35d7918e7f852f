#pragma once

#include "gui/BaseWindow.h"

class QTabWidget;

namespace gui {

class LayoutWidgets;

// NestlingMain: the input group, the eleven pages, the toolbar, the menus and the status bar. It
// only assembles them; each page is its own class and the logic lives in src/app.
class MainWindow : public BaseWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

private:
    QWidget* buildInputGroup(LayoutWidgets& make, QWidget* parent);
    QTabWidget* buildPages(LayoutWidgets& make, QWidget* parent);
    void buildMenus(LayoutWidgets& make);
};

} // namespace gui
