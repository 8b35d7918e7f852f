// The whole command line of nestling-cli, every verb: the input's first line is a request's words
// (verb, arguments, options), the rest is its standard input, which --batch reads as one request per
// line. The requests run on a small store made once from the test rows, so each input is a run of
// the verb itself, not only of the option parser. Inputs that name an output file (--out, --export,
// --dir) are skipped: a fuzzer must not write where its input says.
#include "FuzzCheck.h"
#include "cli/Arguments.h"
#include "cli/Runner.h"
#include "naming/CharacterLists.h"
#include "store/NamingStore.h"
#include "store/TableLayouts.h"
#include "text/Files.h"
#include "text/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kSkipped[] = {"--out", "--export", "--dir"};

std::string readData(const char* name)
{
    std::string sql;
    FUZZ_CHECK(text::readWholeFile(std::filesystem::path(NESTLING_TEST_DATA_DIR) / name, sql));
    return sql;
}

// Every table, the rows of the report and poem tests, and the first characters of both built-in lists
// with made-up counts and elements, so every naming mode lists a few names quickly.
void fillStore(store::NamingStore& store)
{
    FUZZ_CHECK(store.Open());
    for (const store::TableLayout& table : store::namingTables())
        FUZZ_CHECK(store.CreateTable(table.name, table.columns));
    for (const char* file : {"numerology-rows.sql", "report-texts.sql", "report-chars.sql", "poem-rows.sql"})
        FUZZ_CHECK(store.Execute(readData(file)));
    static constexpr const char* kElements[] = {"金", "木", "水", "火", "土"};
    std::int64_t id = 1000;
    for (std::string_view list : {naming::boysCharacters(), naming::girlsCharacters()}) {
        const std::vector<std::string> characters = text::utf8Characters(list);
        for (size_t i = 0; i < characters.size() && i < 40; ++i, ++id)
            store.Query(
                "insert into XW_CNWord (Id, 汉字, 简体笔画数, 繁体笔画数, 五行属性) values (?, ?, ?, ?, ?)",
                {id, characters[i], id % 17 + 1, id % 19 + 2, std::string(kElements[id % 5])});
    }
    store.setLoadState(store::LoadState::Ready);
}

struct World
{
    World() { fillStore(store); }
    store::NamingStore store;
    text::PrivateFolder folder; // the program folder: report writes its pages below it
};

World& world()
{
    static World* const kWorld = new World; // never destroyed: the fuzzer ends the process itself
    return *kWorld;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (std::string_view skipped : kSkipped)
        if (input.find(skipped) != std::string_view::npos)
            return 0;
    const size_t end = input.find('\n');
    std::vector<std::string> words = cli::splitWords(input.substr(0, end));
    std::istringstream in(end == std::string_view::npos ? std::string() : std::string(input.substr(end + 1)));
    std::ostringstream out;
    std::ostringstream err;
    World& w = world();
    const int status = cli::runCliOnStore(words, &w.store, w.folder.path(), in, out, err);
    FUZZ_CHECK(status == 0 || status == 1 || status == 2);
    // A request that fails says why.
    FUZZ_CHECK(status == 0 || !err.str().empty());
    return 0;
}
