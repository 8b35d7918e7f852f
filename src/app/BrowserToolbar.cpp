#include "app/BrowserToolbar.h"

#include "app/ControlNames.h"
#include "text/Files.h"

#include <algorithm>
#include <filesystem>

namespace app {
namespace {

// A file name made of the window's caption, with the shown file's extension (a page .html, the manual
// .mht): the characters a file name cannot hold become "_".
std::string suggestedFileName(const std::string& caption, const std::string& shown)
{
    std::string name = caption.empty() ? std::string("页面") : caption;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '/' || c == '\\' || c == ':'; }, '_');
    const std::string extension = std::filesystem::path(shown).extension().string();
    return name + (extension.empty() ? std::string(".html") : extension);
}

} // namespace

void wireBrowserToolbar(Host& host, Window& window, std::function<ControlName(const Window&)> shownBrowser)
{
    Window* w = &window;
    Host* h = &host;
    window.on(names::工具条1, EventKind::Clicked,
              [h, w, shownBrowser = std::move(shownBrowser)](const Event& e) {
                  const ControlName browser = shownBrowser(*w);
                  switch (e.index) {
                  case kToolHome:
                      w->browserGo(browser, BrowserStep::Home);
                      break;
                  case kToolBack:
                      w->browserGo(browser, BrowserStep::Back);
                      break;
                  case kToolForward:
                      w->browserGo(browser, BrowserStep::Forward);
                      break;
                  case kToolExport:
                      exportShownPage(*h, *w, browser);
                      break;
                  case kToolPrint:
                      w->print(browser);
                      break;
                  case kToolExit:
                      w->close();
                      break;
                  default:
                      break;
                  }
              });
}

void exportShownPage(Host& host, Window& window, ControlName browser)
{
    const std::string shown = window.browserFile(browser);
    std::string bytes;
    if (shown.empty() || !text::readWholeFile(shown, bytes)) {
        host.messageBox(
            {core::MessageIcon::Information, core::kMessageTitle, "这一页还没有可以导出的内容。"});
        return;
    }
    const std::optional<std::string> target =
        host.chooseSaveFile(suggestedFileName(window.title(), shown), "网页文件 (*.html *.htm *.mht)");
    if (!target)
        return;
    if (const text::WriteResult written = text::writeOutput(*target, bytes); !written) {
        host.messageBox({core::MessageIcon::Warning, core::kMessageTitle, written.error});
        return;
    }
    host.messageBox({core::MessageIcon::Information, core::kMessageTitle, "页面已导出到：\r\n" + *target});
}

} // namespace app
