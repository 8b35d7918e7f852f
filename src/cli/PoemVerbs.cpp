// nestling-cli books, poets, poems and poem: the poem page without a window; and what generate --mode
// poem reads of a poem. --book names a classic book (诗经, 楚辞, 宋词, 论语); without it, or with 唐诗,
// the verbs read the Tang poems as they always did.
#include "cli/Verbs.h"
#include "naming/PoemBooks.h"
#include "naming/PoemNames.h"
#include "text/Utf8.h"

#include <algorithm>
#include <charconv>

namespace cli {
namespace {

// --id N: the row id of one poem, for a poet with several poems of one title.
bool readId(const Arguments& args, std::optional<std::int64_t>& id, std::ostream& err)
{
    const auto text = args.option("id");
    if (!text)
        return true;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (text->empty() || ec != std::errc() || end != text->data() + text->size()) {
        err << "--id 需要一个整数\n";
        return false;
    }
    id = value;
    return true;
}

// The poem POET TITLE [--id N] names, or a message on `err`.
std::optional<naming::Poem> findPoem(Context& context, const std::string& poet, const std::string& title,
                                     std::optional<std::int64_t> id, std::ostream& err)
{
    std::optional<naming::Poem> poem = naming::findPoem(context.store, poet, title, id);
    if (!poem)
        err << "没有找到诗词: " << poet << " " << title << '\n';
    return poem;
}

// The classic book --book names, or nothing for the Tang poems.
std::optional<std::string> classicBook(const Arguments& args)
{
    std::optional<std::string> book = args.option("book");
    if (book && naming::isTangBook(*book))
        return std::nullopt;
    return book;
}

// The poem of a classic book by --id, else by title; or a message on `err`.
std::optional<naming::Poem> findClassicPoem(Context& context, const std::string& book,
                                            const std::string& title, std::optional<std::int64_t> id,
                                            std::ostream& err)
{
    std::optional<naming::Poem> poem = id ? naming::bookPoemById(context.store, book, *id)
                                          : naming::findBookPoem(context.store, book, title);
    if (!poem)
        err << "没有找到诗词: " << book << " " << (id ? std::to_string(*id) : title) << '\n';
    return poem;
}

int printBookPoems(Context& context, const std::string& book, const std::vector<std::string>& groups,
                   std::ostream& out, std::ostream& err)
{
    bool any = false;
    for (const std::string& group : groups)
        for (const naming::PoemEntry& poem : naming::loadBookPoems(context.store, book, group)) {
            out << poem.id << '\t' << poem.title << '\n';
            any = true;
        }
    if (!any)
        err << "没有这部书目或这个分组的诗词: " << book << (groups.size() == 1 ? " " + groups[0] : "")
            << '\n';
    return any ? 0 : 1;
}

} // namespace

int runBooks(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (!args.positional.empty()) {
        err << "用法: nestling-cli books\n";
        return 2;
    }
    for (const naming::Book& book : naming::loadBooks(context.store))
        out << book.name << '\t' << book.poems << '\n';
    return 0;
}

int runPoets(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (!args.positional.empty()) {
        err << "用法: nestling-cli poets\n";
        return 2;
    }
    for (const std::string& poet : naming::loadPoetNames(context.store))
        out << poet << '\n';
    return 0;
}

int runPoems(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (const std::optional<std::string> book = classicBook(args)) {
        if (args.positional.size() > 1 || (args.positional.size() == 1 && args.positional[0].empty())) {
            err << "用法: nestling-cli poems --book BOOK [POET-OR-SECTION]\n";
            return 2;
        }
        // Without a group, the whole book in its order.
        return printBookPoems(context, *book,
                              args.positional.empty() ? naming::loadBookGroups(context.store, *book)
                                                      : args.positional,
                              out, err);
    }
    if (args.positional.size() != 1 || args.positional[0].empty()) {
        err << "用法: nestling-cli poems POET\n";
        return 2;
    }
    const std::vector<naming::PoemEntry> poems = naming::loadPoemEntries(context.store, args.positional[0]);
    if (poems.empty()) {
        err << "没有这位诗人的诗词: " << args.positional[0] << '\n';
        return 1;
    }
    for (const naming::PoemEntry& poem : poems)
        out << poem.id << '\t' << poem.title << '\n';
    return 0;
}

int runPoem(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (const std::optional<std::string> book = classicBook(args)) {
        std::optional<std::int64_t> id;
        if (args.positional.size() != 1 || args.positional[0].empty()) {
            err << "用法: nestling-cli poem --book BOOK TITLE [--id N]\n";
            return 2;
        }
        if (!readId(args, id, err))
            return 2;
        const std::optional<naming::Poem> poem = findClassicPoem(context, *book, args.positional[0], id, err);
        if (!poem)
            return 1;
        out << poem->text << '\n' << poem->marked << '\n';
        return 0;
    }
    if (args.positional.size() != 2 || args.positional[0].empty() || args.positional[1].empty()) {
        err << "用法: nestling-cli poem POET TITLE [--id N]\n";
        return 2;
    }
    // A malformed --id is a usage error; a poem that is not there is an empty answer.
    std::optional<std::int64_t> id;
    if (!readId(args, id, err))
        return 2;
    const std::optional<naming::Poem> poem =
        findPoem(context, args.positional[0], args.positional[1], id, err);
    if (!poem)
        return 1;
    out << poem->text << '\n' << poem->marked << '\n';
    return 0;
}

int fillPoemRequest(Context& context, const Arguments& args, naming::NamingRequest& request,
                    std::ostream& err)
{
    const std::optional<std::string> book = classicBook(args);
    const std::string poet = args.option("poet").value_or("");
    const std::string title = args.option("title").value_or("");
    if (book ? (title.empty() && !args.option("id")) || !poet.empty() : poet.empty() || title.empty()) {
        err << (book ? "书目诗词起名需要 --title（不带 --poet）\n" : "诗词起名需要 --poet 和 --title\n");
        return 2;
    }
    std::optional<std::int64_t> id;
    if (!readId(args, id, err))
        return 2;
    const std::optional<naming::Poem> poem =
        book ? findClassicPoem(context, *book, title, id, err) : findPoem(context, poet, title, id, err);
    if (!poem)
        return 1;
    // As the boxes of the poem page: one per character, ticked when --chars holds it (by default
    // the boxes that start ticked).
    const std::optional<std::string> chars = args.option("chars");
    const std::vector<std::string> boxes = naming::poemBoxCharacters(poem->text);
    for (const std::string& character : chars ? text::utf8Characters(*chars) : std::vector<std::string>{}) {
        if (std::find(boxes.begin(), boxes.end(), character) == boxes.end()) {
            err << "这首诗里没有这个字: " << character << '\n';
            return 2;
        }
    }
    for (const std::string& box : boxes)
        if (naming::startsTicked(box, chars ? *chars : poem->marked))
            request.poemCharacters.push_back(box);
    request.poemText = poem->text;
    request.poemAuthor = poem->author;
    return 0;
}

} // namespace cli
