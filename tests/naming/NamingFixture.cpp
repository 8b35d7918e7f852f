#include "NamingFixture.h"

#include "naming/CharacterLists.h"
#include "store/LoadNamingDatabase.h"
#include "text/Utf8.h"

#include <cstdlib>
#include <set>

namespace {

struct KnownCounts
{
    const char* character;
    int simplified;
    int traditional;
};
constexpr KnownCounts kKnownCounts[] = {
    {"王", 4, 4}, {"明", 8, 8}, {"李", 7, 7}, {"华", 6, 14}, {"张", 7, 11}};

} // namespace

void NamingFixture::SetUp()
{
    const auto file = m_dir.path() / "naming.db";
    testing_support::makeDatabase(file, {"numerology-rows.sql"});
    ASSERT_TRUE(m_store.Open(file.string()));
    std::set<std::string> characters;
    for (std::string_view list : {naming::boysCharacters(), naming::girlsCharacters()})
        for (std::string& c : text::utf8Characters(list))
            characters.insert(std::move(c));
    for (const char* extra : {"李", "王", "欧", "阳", "明"})
        characters.insert(extra);
    static const char* const kElements[] = {"金", "木", "水", "火", "土"};
    store::Transaction rows(m_store);
    ASSERT_TRUE(rows.begun()) << rows.error();
    int id = 0;
    for (const std::string& c : characters) {
        ++id;
        const unsigned code = static_cast<unsigned char>(c[1]) * 64u + static_cast<unsigned char>(c[2]);
        int traditional = static_cast<int>(code % 20) + 2;
        int simplified = traditional - 1;
        // The characters whose counts the loader checks keep their real ones.
        for (const auto& [known, s, t] : kKnownCounts)
            if (c == known) {
                simplified = s;
                traditional = t;
            }
        // Every 50th character lacks an element, so it can never start a name.
        const std::string element = id % 50 == 0 ? "" : kElements[code % 5];
        store::StoreQuery insert = m_store.Query(
            "insert into XW_CNWord (Id, 汉字, 简体笔画数, 繁体笔画数, 五行属性) values (?, ?, ?, ?, ?)",
            {std::int64_t{id}, c, std::int64_t{simplified}, std::int64_t{traditional}, element});
        ASSERT_TRUE(insert) << c;
    }
    std::string error;
    ASSERT_TRUE(rows.commit(&error)) << error;
}

void NamingFixture::addPoemRows()
{
    std::string error;
    ASSERT_TRUE(m_store.Execute(
        testing_support::readFile(std::filesystem::path(NESTLING_TEST_DATA_DIR) / "poem-rows.sql"), &error))
        << error;
}

namespace {

class QuietSink : public core::MessageSink
{
public:
    void showMessage(const core::Message&) override {}
};

} // namespace

std::filesystem::path realDatabaseFile()
{
    const char* env = std::getenv("NESTLING_DB");
    return env ? std::filesystem::path(env) : store::defaultDatabaseFile(store::programFolder());
}

bool loadRealDatabase(store::NamingStore& into)
{
    const std::filesystem::path file = realDatabaseFile();
    QuietSink sink;
    return std::filesystem::exists(file) &&
           store::LoadNamingDatabase(into, file, sink) == store::LoadState::Ready;
}
