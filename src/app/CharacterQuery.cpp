#include "app/CharacterQuery.h"

#include "app/BrowserToolbar.h"
#include "app/ControlNames.h"
#include "app/DetailController.h"
#include "reports/Pages.h"
#include "reports/ReportFiles.h"
#include "store/NamingStore.h"
#include "store/TableLayouts.h"
#include "text/Utf8.h"

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
    static const std::string sql = "select count(*) from " + std::string(store::kCharacterTable) + " where " +
                                   store::cnword::kCharacter.equalsParameter();
    const auto inDictionary = [&](const std::string& key) {
        return m_store.ColumnInt(m_store.Query(sql, {key}), 0) > 0;
    };
    // Several characters (a name pasted whole) show each one the dictionary holds, and say which it
    // lacks, rather than looking the whole text up as one key.
    std::vector<std::string> characters = text::utf8Characters(typed);
    std::erase_if(characters, [](const std::string& c) { return c == " " || c == "\u3000"; });
    std::vector<std::string> found;
    std::vector<std::string> missing;
    for (const std::string& character : characters)
        (inDictionary(character) ? found : missing).push_back(character);
    if (!typed.empty() && found.empty()) {
        std::string names;
        for (const std::string& character : missing)
            names += character;
        m_host.messageBox({core::MessageIcon::Information, core::kMessageTitle, "字典中没有“" + names + "”"});
        return nullptr;
    }
    const std::optional<std::string> caption =
        characters.size() > 1 ? reports::queryCharacters(m_store, m_programFolder, typed, found, missing)
                              : reports::QueryCharacter(m_store, m_programFolder,
                                                        characters.empty() ? typed : characters.front());
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
