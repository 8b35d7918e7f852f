#pragma once

#include "gui/BaseWindow.h"

class QMenu;
class QTabWidget;

namespace gui {

// NestlingMain: the input group, the eleven pages, the toolbar, the menus and the status bar. It
// only assembles them; each page is its own class and the logic lives in src/app.
class MainWindow : public BaseWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

private:
    QWidget* buildInputGroup(QWidget* parent);
    QTabWidget* buildPages(QWidget* parent);
    void buildToolbar();
    void buildMenus();
    void buildStatusBar();
};

} // namespace gui
