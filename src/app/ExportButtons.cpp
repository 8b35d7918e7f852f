#include "app/ExportButtons.h"

#include "app/ControlNames.h"
#include "app/Evaluation.h"
#include "app/NameListRows.h"
#include "reports/Export.h"

namespace app {

ExportButtons::ExportButtons(Host& host, std::filesystem::path programFolder)
    : m_host(host), m_programFolder(std::move(programFolder))
{
}

void ExportButtons::wire()
{
    Window& main = m_host.mainWindow();
    main.on(names::按钮_高分导出, EventKind::Clicked, [this](const Event&) { exportHighScoreList(); });
    main.on(names::按钮_超吉导出, EventKind::Clicked, [this](const Event&) { exportSuperAuspiciousList(); });
    main.on(names::按钮_经典导出, EventKind::Clicked, [this](const Event&) { ExportClassicNames(); });
}

void ExportButtons::exportHighScoreList()
{
    exportList(names::超级列表框_高分起名, reports::nameListFile(m_programFolder));
}

void ExportButtons::exportSuperAuspiciousList()
{
    exportList(names::超级列表框_超吉起名, reports::superNameListFile(m_programFolder));
}

void ExportButtons::ExportClassicNames()
{
    sayExported(m_host, reports::ExportClassicNames(m_host.mainWindow().text(names::编辑框_经典名字),
                                                    m_programFolder));
}

void ExportButtons::exportList(ControlName list, const std::filesystem::path& file)
{
    // Even 100 000 rows are read and joined in a fraction of a second, so the window is not kept
    // responsive row by row.
    sayExported(m_host, reports::ExportNameList(readRows(m_host.mainWindow(), list), file));
}

void sayExported(Host& host, const reports::ExportResult& result)
{
    if (!result.ok()) {
        host.messageBox({core::MessageIcon::Warning, core::kMessageTitle, result.error});
        return;
    }
    const std::string file = result.file.string();
    Window& main = host.mainWindow();
    main.setStatus(names::状态条1, main.statusPicture(names::状态条1), "列表已导出到：" + file);
    if (!host.openWithDesktop(file))
        host.messageBox(
            {core::MessageIcon::Information, core::kMessageTitle,
             "列表已导出到：\r\n" + file + "\r\n\r\n桌面上没有可以打开它的程序，请用文本编辑器打开。"});
}

} // namespace app
