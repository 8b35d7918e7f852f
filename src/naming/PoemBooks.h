#pragma once

// The books of the poem page: the Tang poems (XW_Poet and XW_全唐诗, as poem naming has always read
// them) and the classics of XW_经典 (诗经, 楚辞, 宋词, 论语). A book's poems are listed by group (the
// poet, or the section of a book without poets), found by title and searched by title or line; a
// poem of any book is a Poem, so the poem page and the naming run treat them alike.
#include "naming/PoemNames.h"
#include "store/NamingStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace naming {

// The book of XW_全唐诗; an empty book name means it too.
inline constexpr std::string_view kTangBook = "唐诗";

struct Book
{
    std::string name;
    std::int64_t poems = 0;
};

// A poem found by a search: its row, its title and its group (the poet of a Tang poem).
struct PoemMatch
{
    std::int64_t id = 0;
    std::string title;
    std::string group;
};

bool isTangBook(std::string_view book);

// 唐诗 first, then the classic books the database holds (诗经, 楚辞, 宋词, 论语, then any other), each
// with its number of poems. A database without the classics lists the Tang poems alone.
std::vector<Book> loadBooks(const store::NamingStore& store);

// What the poet list shows for a book: the Tang poets by OrderId; a classic book's groups in book order.
std::vector<std::string> loadBookGroups(const store::NamingStore& store, std::string_view book);

// The poems of one group of a book, in book order.
std::vector<PoemEntry> loadBookPoems(const store::NamingStore& store, std::string_view book,
                                     std::string_view group);

// A classic book's poem by title: the title as written, else a title whose last part is it ("关雎"
// finds "国风·周南·关雎"), else one whose first part is it (a ci by its tune, "水调歌头"); the first
// in book order. Nothing for the Tang poems, whose titles are found with their poet (findPoem).
std::optional<Poem> findBookPoem(const store::NamingStore& store, std::string_view book,
                                 std::string_view title);

// The poem of a book's row, or nothing. A classic of a book without poets (诗经, 论语) has no author.
std::optional<Poem> bookPoemById(const store::NamingStore& store, std::string_view book, std::int64_t id);

// The poems of a book whose title or text holds `words` (no wildcard: % and _ are plain characters),
// in book order, at most `limit`. Nothing for empty words.
std::vector<PoemMatch> searchBookPoems(const store::NamingStore& store, std::string_view book,
                                       std::string_view words, size_t limit = 500);

} // namespace naming
