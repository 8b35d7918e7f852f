#pragma once

#include <string>
#include <vector>

namespace app {

// One entry of the article menus 育儿知识 and 算命风水: a category item (table without its XW_
// prefix, the category it opens), a sub-menu holding the items that follow it, or a separator.
struct ArticleMenuEntry
{
    enum Kind
    {
        Item,
        SubMenu,
        EndSubMenu,
        Separator,
    };
    Kind kind = Item;
    std::string table;
    std::string caption; // the category for items, the title for sub-menus
};

const std::vector<ArticleMenuEntry>& parentingMenu();
const std::vector<ArticleMenuEntry>& fortuneMenu();

} // namespace app
