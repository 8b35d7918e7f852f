#include "app/ArticleReader.h"

#include "app/ArticleMenu.h"
#include "app/BrowserToolbar.h"
#include "app/ControlNames.h"
#include "app/DetailController.h"
#include "reports/Placeholders.h"
#include "reports/ReportFiles.h"
#include "store/NamingStore.h"
#include "store/TableLayouts.h"

namespace app {
namespace {

constexpr std::string_view kTemplate =
    "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Language\" content=\"zh-cn\">\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=gb2312\">\r\n<title>{文章标题}</title>\r\n"
    "</head>\r\n<body topmargin=\"10\" leftmargin=\"10\" rightmargin=\"3\" bottommargin=\"3\" "
    "bgcolor=\"#FFFFEC\">\r\n<CENTER><H1>{文章标题}</H1></CENTER>\r\n{文章内容}\r\n</body>\r\n</html>";

} // namespace

std::string articlePage(const std::string& title, const std::string& content)
{
    // One pass: a title or an article that itself holds "{文章内容}" or "{文章标题}" keeps that text.
    return reports::fillPlaceholders(kTemplate, {{"{文章标题}", title}, {"{文章内容}", content}});
}

ArticleReader::ArticleReader(Host& host, const store::NamingStore& store, std::filesystem::path programFolder)
    : m_host(host), m_store(store), m_programFolder(std::move(programFolder))
{
}

void ArticleReader::wire()
{
    Window& main = m_host.mainWindow();
    for (const auto* menu : {&parentingMenu(), &fortuneMenu()})
        for (const ArticleMenuEntry& entry : *menu)
            if (entry.kind == ArticleMenuEntry::Item)
                main.on(std::string(names::kArticleItemPrefix) + entry.caption, EventKind::Clicked,
                        [this, table = entry.table, category = entry.caption](const Event&) {
                            OpenArticleCategory(table, category);
                        });
}

void ArticleReader::OpenArticleCategory(const std::string& table, const std::string& category)
{
    // The table name comes from our own menu table; the category is bound.
    namespace col = store::article;
    store::StoreQuery query = m_store.Query(
        store::selectSql("XW_" + table, {col::kTitle}, "where " + col::kCategory.equalsParameter()),
        {category});
    std::vector<ListRow> rows;
    for (bool more = !m_store.ColumnText(query, col::kTitle).empty(); more; more = m_store.Step(query))
        rows.push_back({{m_store.ColumnText(query, col::kTitle)}, 0});

    Window* window = m_host.openWindow(names::NestlingRead, WindowMode::Modeless);
    if (!window)
        return;
    window->setTitle(category);
    m_table = table;
    window->clearRows(names::超级列表框_文章阅读);
    window->appendRows(names::超级列表框_文章阅读, rows);
    wireBrowserToolbar(m_host, *window, [](const Window&) { return names::网页浏览框1; });
    if (!rows.empty())
        window->setCurrentRow(names::超级列表框_文章阅读, 0);
    ShowArticle(*window);
    window->on(names::超级列表框_文章阅读, EventKind::CurrentRowChanged,
               [this, window](const Event&) { ShowArticle(*window); });
}

void ArticleReader::ShowArticle(Window& window)
{
    const int row = window.currentRow(names::超级列表框_文章阅读);
    const std::string title = row >= 0 ? window.cell(names::超级列表框_文章阅读, row, 0) : std::string();
    namespace col = store::article;
    const store::StoreQuery query = m_store.Query(
        store::selectSql("XW_" + m_table, {col::kContent}, "where " + col::kTitle.equalsParameter()),
        {title});
    const std::string content = m_store.ColumnText(query, col::kContent);
    const std::filesystem::path file = reports::reportFile(m_programFolder);
    // A page that cannot be written is said; the view is not sent to what the file still holds.
    if (!reports::writeGbkFile(file, articlePage(title, content))) {
        sayPageNotWritten(m_host, m_programFolder);
        return;
    }
    window.navigate(names::网页浏览框1, file.string());
}

} // namespace app
