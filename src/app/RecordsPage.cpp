#include "app/RecordsPage.h"

#include "app/ControlNames.h"
#include "app/NameListRows.h"
#include "app/NamingRecords.h"
#include "app/Shell.h"

namespace app {

void RecordsPage::wire()
{
    Window& main = m_host.mainWindow();
    main.on(names::超级列表框_记录列表, EventKind::ContextMenu,
            [this](const Event&) { m_host.mainWindow().popUpMenu(names::记录列表菜单); });
    main.on(names::菜单_删除记录, EventKind::Clicked, [this](const Event&) { DeleteNamingRecord(); });
}

void RecordsPage::hook(ShellHooks& hooks)
{
    hooks.restoreRecords = [this](const std::string& value) { RestoreNamingRecords(value); };
    hooks.saveRecords = [this] { return SaveNamingRecords(); };
}

bool RecordsPage::AddNamingRecord(std::string_view surname, std::string_view given, const ListRow& sourceRow)
{
    Window& main = m_host.mainWindow();
    std::vector<reports::ListCells> records = readRows(main, names::超级列表框_记录列表);
    if (!app::AddNamingRecord(records, surname, given, toCells(sourceRow)))
        return false;
    main.appendRows(names::超级列表框_记录列表, {toListRow(records.back())});
    if (m_changed)
        m_changed();
    return true;
}

void RecordsPage::DeleteNamingRecord()
{
    Window& main = m_host.mainWindow();
    std::vector<reports::ListCells> records = readRows(main, names::超级列表框_记录列表);
    if (!app::DeleteNamingRecord(records, main.currentRow(names::超级列表框_记录列表)))
        return;
    main.setRows(names::超级列表框_记录列表, toListRows(records));
    if (m_changed)
        m_changed();
}

std::string RecordsPage::SaveNamingRecords() const
{
    return app::SaveNamingRecords(readRows(m_host.mainWindow(), names::超级列表框_记录列表));
}

void RecordsPage::RestoreNamingRecords(const std::string& value)
{
    m_host.mainWindow().setRows(names::超级列表框_记录列表, toListRows(app::RestoreNamingRecords(value)));
}

} // namespace app
