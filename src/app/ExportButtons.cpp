#include "app/ExportButtons.h"

#include "app/ControlNames.h"
#include "app/Evaluation.h"
#include "app/NameListRows.h"
#include "reports/Export.h"
#include "reports/ReportFiles.h"

namespace app {

ExportButtons::ExportButtons(Host& host, std::filesystem::path programFolder)
    : m_host(host), m_programFolder(std::move(programFolder))
{
}

namespace {

// The lists a button exports and the file each is written to, in the data folder.
struct ListExport
{
    names::Name button;
    names::Name list;
    const char* file;
};

constexpr ListExport kListExports[] = {
    {names::按钮_组合导出, names::超级列表框_组合列表, "ComboNameList.txt"},
    {names::按钮_小名导出, names::超级列表框_小名列表, "NickNameList.txt"},
    {names::按钮_诗名导出, names::超级列表框_诗名列表, "PoemNameList.txt"},
};

// A list with no name in it: the text of its first row's number is empty, or there is no row.
bool isBlank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace

void ExportButtons::wire()
{
    Window& main = m_host.mainWindow();
    main.on(names::按钮_高分导出, EventKind::Clicked, [this](const Event&) { exportHighScoreList(); });
    main.on(names::按钮_超吉导出, EventKind::Clicked, [this](const Event&) { exportSuperAuspiciousList(); });
    main.on(names::按钮_经典导出, EventKind::Clicked, [this](const Event&) { ExportClassicNames(); });
    for (const ListExport& entry : kListExports)
        main.on(entry.button, EventKind::Clicked, [this, entry](const Event&) {
            exportList(entry.list, reports::dataFolder(m_programFolder) / entry.file);
        });
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
    const std::string text = m_host.mainWindow().text(names::编辑框_经典名字);
    if (isBlank(text)) {
        sayNothingExported(m_host);
        return;
    }
    sayExported(m_host, reports::ExportClassicNames(text, m_programFolder));
}

void ExportButtons::exportList(ControlName list, const std::filesystem::path& file)
{
    // Even 100 000 rows are read and joined in a fraction of a second, so the window is not kept
    // responsive row by row.
    const std::vector<reports::ListCells> rows = readRows(m_host.mainWindow(), list);
    // An empty list would replace the last export with a header alone.
    if (rows.empty() || rows.front()[0].empty()) {
        sayNothingExported(m_host);
        return;
    }
    sayExported(m_host, reports::ExportNameList(rows, file));
}

void sayNothingExported(Host& host)
{
    host.messageBox({core::MessageIcon::Information, core::kMessageTitle, kNothingToExport});
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
