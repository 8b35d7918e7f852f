#pragma once

#include "app/Controls.h"

#include <filesystem>
#include <string>

namespace store {
class NamingStore;
}

namespace app {

// The reading window of the two article menus: a category's titles on the left, the chosen article
// as a page on the right.
class ArticleReader
{
public:
    ArticleReader(Host& host, const store::NamingStore& store, std::filesystem::path programFolder);

    // Binds every item of the 育儿知识 and 算命风水 menus to its category.
    void wire();

    // Opens a reading window (modeless) captioned with the category, lists the category's titles of
    // XW_<table> and shows the first article. A category without articles shows an empty list.
    void OpenArticleCategory(const std::string& table, const std::string& category);
    // Writes the current row's article into data/temp.html and shows it.
    void ShowArticle(Window& window);

    const std::string& articleTable() const { return m_table; }

private:
    Host& m_host;
    const store::NamingStore& m_store;
    std::filesystem::path m_programFolder;
    std::string m_table; // the table of the category opened last, without its XW_ prefix
};

// The article page: the title in its <title> and heading, the content inserted as it is.
std::string articlePage(const std::string& title, const std::string& content);

} // namespace app
