#pragma once

#include "app/Controls.h"
#include "app/Shell.h"

#include <filesystem>

namespace store {
class NamingStore;
}

namespace app {

// The character query window NestlingWord ("汉字查询", opened modally by the shell from the toolbar
// and the menu 新华字典): 按钮_查询 looks the whole text of 编辑框1 up, writes its page to
// data/temp.html and opens a one-page result window (owned by the query window) on it. A page that
// cannot be written is said, and no window is opened over what the file still holds.
class CharacterQuery
{
public:
    CharacterQuery(Host& host, const store::NamingStore& store, std::filesystem::path programFolder);

    // Gives every query window the shell opens its handler.
    void wire(ShellHooks& hooks);
    // Registers 按钮_查询 of an open query window.
    void wireWindow(Window& queryWindow);
    // The click on 按钮_查询: the result window, or null when it could not be opened.
    Window* QueryCharacter(Window& queryWindow);

private:
    Host& m_host;
    const store::NamingStore& m_store;
    std::filesystem::path m_programFolder;
};

} // namespace app
