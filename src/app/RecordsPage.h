#pragma once

#include "app/Controls.h"

#include <functional>
#include <string>
#include <string_view>

namespace app {

struct ShellHooks;

// The page 起名记录 of the main window: 超级列表框_记录列表 holds the names the user opened from a
// generated list (cell 1 surname CR LF given name, cells 2 to 7 those of the opened row). A
// right click shows the pop-up menu 记录列表菜单, whose 删除记录 removes the selected record. The
// records are restored from the settings at start-up and saved into them at exit (the shell's
// restoreRecords and saveRecords hooks). A double-click on a record opens its detail window
// (DetailController).
class RecordsPage
{
public:
    explicit RecordsPage(Host& host) : m_host(host) {}

    // Registers the right click on the list and the pop-up menu's item.
    void wire();
    // Restores the records at start-up and saves them at exit through the shell's hooks.
    void hook(ShellHooks& hooks);
    // Called after a record was added or deleted (the program saves the settings at once).
    void onChanged(std::function<void()> changed) { m_changed = std::move(changed); }

    // Appends the name unless a record holds it already; true when a row was added.
    bool AddNamingRecord(std::string_view surname, std::string_view given, const ListRow& sourceRow);
    // Removes the selected record, without asking, and renumbers the rest.
    void DeleteNamingRecord();
    // The settings value 名字记录 of the list, and the list from such a value (read whole).
    std::string SaveNamingRecords() const;
    void RestoreNamingRecords(const std::string& value);

private:
    Host& m_host;
    std::function<void()> m_changed;
};

} // namespace app
