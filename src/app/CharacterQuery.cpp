#include "app/CharacterQuery.h"

#include "app/BrowserToolbar.h"
#include "app/ControlNames.h"
#include "app/DetailController.h"
#include "reports/Pages.h"
#include "reports/ReportFiles.h"
#include "store/NamingStore.h"
#include "store/TableLayouts.h"

namespace app {

CharacterQuery::CharacterQuery(Host& host, const store::NamingStore& store,
                               std::filesystem::path programFolder)
    : m_host(host), m_store(store), m_programFolder(std::move(programFolder))
{
}

void CharacterQuery::wire(ShellHooks& hooks)
{
    hooks.dictionaryOpened = [this](Window& queryWindow) { wireWindow(queryWindow); };
}

void CharacterQuery::wireWindow(Window& queryWindow)
{
    Window* w = &queryWindow;
    queryWindow.on(names::按钮_查询, EventKind::Clicked, [this, w](const Event&) { QueryCharacter(*w); });
}

Window* CharacterQuery::QueryCharacter(Window& queryWindow)
{
    const std::string typed = queryWindow.text(names::编辑框1);
    if (!typed.empty()) {
        static const std::string sql = "select count(*) from " + std::string(store::kCharacterTable) +
                                       " where " + store::cnword::kCharacter.equalsParameter();
        const bool inDictionary = m_store.ColumnInt(m_store.Query(sql, {typed}), 0) > 0;
        if (!inDictionary) {
            m_host.messageBox(
                {core::MessageIcon::Information, core::kMessageTitle, "字典中没有“" + typed + "”"});
            return nullptr;
        }
    }
    const std::optional<std::string> caption = reports::QueryCharacter(m_store, m_programFolder, typed);
    if (!caption) {
        sayPageNotWritten(m_host, m_programFolder);
        return nullptr;
    }
    Window* result = m_host.openWindow(names::NestlingContenSinglePage, WindowMode::Modeless, &queryWindow);
    if (!result)
        return nullptr;
    result->setTitle(*caption);
    result->navigate(names::网页浏览框1, reports::reportFile(m_programFolder).string());
    wireBrowserToolbar(m_host, *result, [](const Window&) { return names::网页浏览框1; });
    return result;
}

} // namespace app
