#pragma once

#include "app/Controls.h"

#include <functional>

namespace app {

// The toolbar of the browser windows (the name detail, the character query and the article reader):
// 首页, 后退 and 前进 step through the history of the browser view `shownBrowser` names, 导出 saves its
// page (GBK HTML, as it was written) to a file the user chooses, 打印 prints it through the print
// dialog and 退出 closes the window.
void wireBrowserToolbar(Host& host, Window& window, std::function<ControlName(const Window&)> shownBrowser);

// 导出: asks for a file and copies the page shown in `browser` there; says where it went, or why not.
void exportShownPage(Host& host, Window& window, ControlName browser);

} // namespace app
