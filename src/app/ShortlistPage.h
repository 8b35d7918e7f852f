#pragma once

#include "app/Controls.h"
#include "app/Shortlist.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace store {
class NamingStore;
}
namespace quality {
class NameChecker;
}

namespace app {

struct ShellHooks;

inline constexpr const char* kShortlistFileName = "ShortList.txt";

// The page 名字收藏 of the main window: the starred names side by side (超级列表框_收藏列表, the columns of
// comparisonHeaders). Names come in from the pop-up menu of every name list (名字列表菜单 → 加入收藏)
// and from the star of the detail window (按钮_加入收藏, which takes the name out again when pressed
// once more); 按钮_收藏删除 removes the selected name, 按钮_收藏导出 writes the comparison to
// data/ShortList.txt and opens it. The names are kept in the settings (名字收藏) and saved at every
// change, so a crash later loses none.
class ShortlistPage
{
public:
    ShortlistPage(Host& host, const store::NamingStore& store, const quality::NameChecker& checker,
                  std::filesystem::path programFolder);

    void wire();
    // Restores the names at start-up, saves them with the settings, fills the list when it is shown.
    void hook(ShellHooks& hooks);
    void onChanged(std::function<void()> changed) { m_changed = std::move(changed); }

    // Adds a name (true) unless it is there already; says so in the status bar either way.
    bool addToShortlist(std::string_view surname, std::string_view given);
    bool removeFromShortlist(std::string_view surname, std::string_view given);
    void removeSelected();  // 按钮_收藏删除
    void exportShortlist(); // 按钮_收藏导出
    // The name of `row` in a list of names (the generated lists, the evaluation and record lists).
    void addListRow(ControlName list, int row);

    // The star of a detail window showing surname + given name.
    void wireDetailWindow(Window& detail, std::string_view surname, std::string_view given);

    const std::vector<ShortlistEntry>& entries() const { return m_entries; }
    std::string saveValue() const { return saveShortlist(m_entries); }
    void restoreValue(const std::string& value);
    // Fills the list, computing the rows of names added since it was last filled.
    void refresh();

private:
    void changed();
    void say(const std::string& text); // in the status bar
    // The comparison rows of every entry, numbered by place; a row is computed once per entry.
    const std::vector<std::vector<std::string>>& rows();
    void showStar(Window& detail, bool starred);

    Host& m_host;
    const store::NamingStore& m_store;
    const quality::NameChecker& m_checker;
    std::filesystem::path m_programFolder;
    std::vector<ShortlistEntry> m_entries;
    // The rows of the first m_rows.size() entries (the database may still be loading when names are
    // restored, so rows are made when they are first shown).
    std::vector<std::vector<std::string>> m_rows;
    // The naming date's favourable elements the rows' 合喜用 was computed for.
    std::string m_favourable;
    std::function<void()> m_changed;
    std::string m_menuList; // the list whose row the pop-up menu was opened on
    int m_menuRow = -1;
};

} // namespace app
