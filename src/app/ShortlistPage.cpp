#include "app/ShortlistPage.h"

#include "app/ChartAnalysisView.h"
#include "app/ControlNames.h"
#include "app/DetailController.h"
#include "app/ExportButtons.h"
#include "app/Shell.h"
#include "reports/Comparison.h"
#include "reports/Export.h"
#include "reports/ReportFiles.h"

namespace app {
namespace {

constexpr const char* kStarOff = "☆ 加入收藏";
constexpr const char* kStarOn = "★ 已收藏";

std::string fullName(std::string_view surname, std::string_view given)
{
    return std::string(surname) + std::string(given);
}

} // namespace

ShortlistPage::ShortlistPage(Host& host, const store::NamingStore& store, const quality::NameChecker& checker,
                             std::filesystem::path programFolder)
    : m_host(host), m_store(store), m_checker(checker), m_programFolder(std::move(programFolder))
{
}

void ShortlistPage::wire()
{
    Window& main = m_host.mainWindow();
    // Every list of names but the records, whose own menu deletes a record, offers 加入收藏.
    for (names::Name list : nameLists()) {
        if (list == names::超级列表框_记录列表)
            continue;
        main.on(list, EventKind::ContextMenu, [this, list](const Event& e) {
            m_menuList = std::string(list);
            m_menuRow = e.index >= 0 ? e.index : m_host.mainWindow().currentRow(list);
            if (m_menuRow >= 0)
                m_host.mainWindow().popUpMenu(names::名字列表菜单);
        });
    }
    main.on(names::菜单_加入收藏, EventKind::Clicked,
            [this](const Event&) { addListRow(m_menuList, m_menuRow); });
    main.on(names::按钮_收藏删除, EventKind::Clicked, [this](const Event&) { removeSelected(); });
    main.on(names::按钮_收藏导出, EventKind::Clicked, [this](const Event&) { exportShortlist(); });
}

void ShortlistPage::hook(ShellHooks& hooks)
{
    hooks.restoreShortlist = [this](const std::string& value) { restoreValue(value); };
    hooks.saveShortlist = [this] { return saveValue(); };
    hooks.shortlistShown = [this] { refresh(); };
}

void ShortlistPage::addListRow(ControlName list, int row)
{
    if (const auto name = nameOfListRow(m_host.mainWindow(), list, row))
        addToShortlist(name->surname, name->given);
}

bool ShortlistPage::addToShortlist(std::string_view surname, std::string_view given)
{
    if (!app::addToShortlist(m_entries, surname, given)) {
        if (!surname.empty() && !given.empty())
            say(fullName(surname, given) + " 已在名字收藏中");
        return false;
    }
    say("已将 " + fullName(surname, given) + " 加入名字收藏（共 " + std::to_string(m_entries.size()) +
        " 个）");
    changed();
    return true;
}

bool ShortlistPage::removeFromShortlist(std::string_view surname, std::string_view given)
{
    const auto at = shortlistIndex(m_entries, surname, given);
    if (!at)
        return false;
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(*at));
    if (*at < m_rows.size())
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(*at));
    say("已将 " + fullName(surname, given) + " 移出名字收藏（共 " + std::to_string(m_entries.size()) +
        " 个）");
    changed();
    return true;
}

void ShortlistPage::removeSelected()
{
    const int row = m_host.mainWindow().currentRow(names::超级列表框_收藏列表);
    if (row < 0 || row >= static_cast<int>(m_entries.size())) {
        m_host.messageBox(
            {core::MessageIcon::Information, core::kMessageTitle, "请先在列表中选中要删除的名字。"});
        return;
    }
    const ShortlistEntry entry = m_entries[static_cast<size_t>(row)];
    removeFromShortlist(entry.surname, entry.given);
}

void ShortlistPage::exportShortlist()
{
    if (m_entries.empty()) {
        sayNothingExported(m_host);
        return;
    }
    sayExported(m_host, reports::exportText(reports::comparisonText(rows()),
                                            reports::dataFolder(m_programFolder) / kShortlistFileName));
}

void ShortlistPage::wireDetailWindow(Window& detail, std::string_view surname, std::string_view given)
{
    showStar(detail, inShortlist(m_entries, surname, given));
    detail.on(names::按钮_加入收藏, EventKind::Clicked,
              [this, &detail, surname = std::string(surname), given = std::string(given)](const Event&) {
                  if (inShortlist(m_entries, surname, given))
                      removeFromShortlist(surname, given);
                  else
                      addToShortlist(surname, given);
                  showStar(detail, inShortlist(m_entries, surname, given));
              });
}

void ShortlistPage::showStar(Window& detail, bool starred)
{
    detail.setText(names::按钮_加入收藏, starred ? kStarOn : kStarOff);
}

void ShortlistPage::restoreValue(const std::string& value)
{
    m_entries = restoreShortlist(value);
    m_rows.clear();
    // The rows are computed when the page is shown: the database may still be loading now.
    m_host.mainWindow().clearRows(names::超级列表框_收藏列表);
}

const std::vector<std::vector<std::string>>& ShortlistPage::rows()
{
    // 合喜用 follows the naming date's chart: another date asks every row again.
    if (std::string favourable = namingDateFavourable(m_host.mainWindow()); favourable != m_favourable) {
        m_favourable = std::move(favourable);
        m_rows.clear();
    }
    for (size_t i = m_rows.size(); i < m_entries.size(); ++i)
        m_rows.push_back(reports::comparisonRow(m_store, m_checker, static_cast<int>(i) + 1,
                                                m_entries[i].surname, m_entries[i].given, m_favourable));
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i][0] = std::to_string(i + 1);
    return m_rows;
}

void ShortlistPage::refresh()
{
    std::vector<ListRow> listRows;
    // The hints may be longer than their column: the row's tip shows them whole.
    for (const std::vector<std::string>& row : rows())
        listRows.emplace_back(row, 0, row.back());
    Window& main = m_host.mainWindow();
    main.setRows(names::超级列表框_收藏列表, listRows);
    main.setText(
        names::透明标签_收藏说明,
        m_entries.empty()
            ? "还没有收藏的名字：在起名列表中右键点击名字选“加入收藏”，或在姓名详细解释窗口中点“加入收藏”。"
            : "共收藏 " + std::to_string(m_entries.size()) + " 个名字，可并排比较；双击名字查看详细解释。");
}

void ShortlistPage::say(const std::string& text)
{
    Window& main = m_host.mainWindow();
    main.setStatus(names::状态条1, main.statusPicture(names::状态条1), text);
}

void ShortlistPage::changed()
{
    refresh();
    if (m_changed)
        m_changed();
}

} // namespace app
