#pragma once

#include "app/Controls.h"
#include "naming/PoemNames.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace store {
class NamingStore;
}

namespace app {

class NamingController;

inline constexpr const char* kChoosePoemMessage = "请选择一首诗词";
inline constexpr const char* kRunGoingMessage = "正在生成名字,请等这次生成结束后再试";
// The search of the poem page: found nothing, or more poems than the list shows.
std::string poemSearchStatus(const std::string& words, size_t found, size_t shown);

// Character boxes: rows of 15, 40 pixels apart across and 20 down, each 70 by 20, from the top left
// of the group box.
inline constexpr int kBoxesPerRow = 15;
inline constexpr int kBoxStepX = 40;
inline constexpr int kBoxStepY = 20;
inline constexpr int kBoxWidth = 70;
inline constexpr int kBoxHeight = 20;

struct BoxPlace
{
    int x = 0;
    int y = 0;
};
// The place of the i-th box (0-based) inside 分组框_诗词字符.
constexpr BoxPlace poemBoxPlace(int index) noexcept
{
    return {(index % kBoxesPerRow) * kBoxStepX, (index / kBoxesPerRow) * kBoxStepY};
}

// The browser page of a poem: poet, title and text HTML-escaped, a line break after every "。".
std::string poemPage(const std::string& poet, const std::string& title, const std::string& text);

// Page 2 诗词起名 of the main window: choose a book, a poet (or a section of a book without poets) and
// a poem, or search the book (选取诗词), tick the characters of the poem (诗词取名) and list the names
// built from them (生成名字). The poem list carries each poem's row id in a third, hidden cell, so
// poems that share a title, also of one poet, stay apart.
class PoemController
{
public:
    PoemController(Host& host, const store::NamingStore& store, std::filesystem::path programFolder,
                   NamingController& naming);
    PoemController(const PoemController&) = delete;
    PoemController& operator=(const PoemController&) = delete;

    // Registers the handlers of the page and the poem mode's part of 按钮_起名.
    void wire();

    void startPoemMode(); // 按钮_起名 with 诗词起名 chosen: the lists, then page 2
    void pageShown();     // page 2 shown by any route: lists not yet filled are filled
    void loadBooks();     // 组合框_书目, 唐诗 first
    void LoadPoets();
    void LoadPoems();
    void ShowPoem();
    void searchPoems();            // 按钮_诗词搜索
    void UsePoem();                // 按钮2
    void setAllTicks(bool ticked); // 按钮3 全选, 按钮4 全清
    void invertTicks();            // 按钮6
    void generatePoemNames();      // 按钮_诗词起名

    // PoemCharacterBoxes: the names of the boxes of the poem taken over, in reading order.
    const std::vector<std::string>& boxes() const { return m_boxes; }
    // The captions of the ticked boxes, in reading order.
    std::vector<std::string> tickedCharacters() const;

private:
    std::string selectedBook() const;
    std::string selectedPoet() const;
    void fillPoemList(const std::vector<ListRow>& rows);
    std::optional<naming::Poem> selectedPoem() const;
    void destroyBoxes();

    Host& m_host;
    const store::NamingStore& m_store;
    std::filesystem::path m_programFolder;
    NamingController& m_naming;
    std::vector<std::string> m_boxes;
    bool m_filling = false; // the lists are being refilled: their row changes show nothing yet
};

} // namespace app
