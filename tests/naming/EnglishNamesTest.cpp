#include "naming/EnglishNames.h"
#include "naming/EnglishVoice.h"
#include "naming/NamingRun.h"
#include "store/NamingStore.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using naming::EnglishNameRow;

class EnglishNamesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto file = m_dir.path() / "english.db";
        testing_support::makeDatabase(file, {"english-rows.sql"});
        ASSERT_TRUE(m_store.Open(file.string()));
    }

    std::vector<std::string> names(std::string_view given, int gender)
    {
        std::vector<std::string> out;
        for (const EnglishNameRow& row : naming::FindEnglishNames(m_store, given, gender))
            out.push_back(row.name);
        return out;
    }

    testing_support::TempDir m_dir;
    store::NamingStore m_store;
};

TEST(EnglishInitialMap, MapsOnceAndKeepsTheRest)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a", "i"}, {"c", "s"},  {"j", "g"}, {"k", "ch"},  {"o", "a"}, {"q", "ch"}, {"x", "sh"},
        {"y", "e"}, {"z", "th"}, {"b", "b"}, {"zh", "zh"}, {"i", "i"}, {"s", "s"},  {"", ""},
    };
    for (const auto& [from, to] : cases) {
        SCOPED_TRACE(from);
        EXPECT_EQ(naming::mapReadingInitial(from), to);
    }
}

TEST_F(EnglishNamesTest, ListsTheMappedIndexAndTheStyleInTableOrder)
{
    const struct
    {
        const char* given;
        int gender;
        std::vector<std::string> want;
    } cases[] = {
        {"明", 1, {"Mark", "Max"}},
        {"明华", 1, {"Mark", "Max"}}, // only the first character counts
        {"明", 2, {"Mary"}},
        {"明", 3, {"Morgan"}},
        {"夏", 2, {"Sharon"}},  // x -> sh
        {"张", 1, {"Zhivago"}}, // zh stays zh
        {"词", 1, {"Sam"}},     // c -> s; Shane's EIndex2 "sh" overrides its EIndex "s"
        {"克", 1, {"Charles"}}, // k -> ch, matched by EIndex2
        {"秋", 1, {"Charles"}}, // q -> ch
        {"安", 1, {"Ian"}},     // no 声母: the first letter of 拼音1, a -> i
        {"欧", 1, {"Adam"}},    // o -> a, and a is not mapped again to i
        {"吉", 1, {"George"}},  // 声母 lower-cased, j -> g
        {"叶", 1, {"Ethan"}},   // y -> e
        {"子", 1, {"Thomas"}},  // z -> th
        {"波", 1, {"Ben"}},
        {"龘", 1, {}},  // no dictionary row: nothing, not the rows without an index
        {"   ", 1, {}}, // blanks only: no first character
        {"", 1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        EXPECT_EQ(names(c.given, c.gender), c.want);
    }
}

TEST_F(EnglishNamesTest, RowsAreNumberedWithReadingAndMeaning)
{
    const auto rows = naming::FindEnglishNames(m_store, "明", 1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].cells(), (std::array<std::string, 4>{"1", "Mark", "马克", "战神"}));
    EXPECT_EQ(rows[1].cells(), (std::array<std::string, 4>{"2", "Max", "马克斯", ""}));
}

// The naming run's candidate step for the English mode hands the list to the observer.
TEST_F(EnglishNamesTest, NamingRunListsTheEnglishNames)
{
    struct Observer : naming::RunObserver
    {
        void englishNamesListed(const std::vector<EnglishNameRow>& listed) override { rows = listed; }
        std::vector<EnglishNameRow> rows;
    } observer;
    naming::NamingRequest request;
    request.mode = naming::Mode::English;
    request.surname = "李";
    request.englishGivenName = "夏";
    request.englishGender = 2;
    naming::RunControl control;
    EXPECT_EQ(naming::NamingRun(m_store, request, observer, control).run(), naming::RunOutcome::Finished);
    ASSERT_EQ(observer.rows.size(), 1u);
    EXPECT_EQ(observer.rows[0].name, "Sharon");
}

TEST(EnglishVoice, QueryIsPercentEncoded)
{
    EXPECT_EQ(naming::percentEncode("D'Arcy Ann-Marie_1.~"), "D%27Arcy%20Ann-Marie_1.~");
    EXPECT_EQ(naming::percentEncode("a&b=c#d/é"), "a%26b%3Dc%23d%2F%C3%A9");
    EXPECT_EQ(naming::dictionarySearchUrl("http://dict.example/", "Mary Ann"),
              "http://dict.example/s?wd=Mary%20Ann");
}

TEST(EnglishVoice, SoundLinkIsCutOutOfThePage)
{
    const std::string marker = "<a href=\"#\" url=\"";
    const struct
    {
        std::string page;
        std::string want;
    } cases[] = {
        {"<p>" + marker + "http://s.example/v/mary.mp3\">play</a>", "http://s.example/v/mary.mp3"},
        {"<p>no link here</p>", ""},
        {marker + "http://s/a.mp3\">1</a>" + marker + "http://s/b.mp3\">2</a>", "http://s/a.mp3"},
        {marker + "http://s/a\">1</a>" + marker + "http://s/b.mp3\">2</a>", ""}, // .mp3 is the next link's
        {marker + "http://s/a.wav\">x</a> later.mp3", ""},                       // ".mp3" outside the url
        {marker + ".mp3\">", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        EXPECT_EQ(naming::extractSoundLink(c.page), c.want);
    }
}

TEST(EnglishVoice, LinksAreMadeAbsoluteAgainstTheEndpoint)
{
    EXPECT_EQ(naming::resolveSoundLink("https://a/x.mp3", "http://d"), "https://a/x.mp3");
    EXPECT_EQ(naming::resolveSoundLink("//cdn/x.mp3", "https://d:8080/"), "https://cdn/x.mp3");
    EXPECT_EQ(naming::resolveSoundLink("/v/x.mp3", "http://127.0.0.1:81"), "http://127.0.0.1:81/v/x.mp3");
    EXPECT_EQ(naming::resolveSoundLink("javascript:x.mp3", "http://d"), "");
    EXPECT_EQ(naming::resolveSoundLink("", "http://d"), "");
}

TEST(EnglishVoice, OfflineVoiceIsAWavFile)
{
    testing_support::TempDir dir;
    const auto file = dir.path() / "voice" / "michael.wav";
    if (!naming::writeOfflineVoice("Michael", file))
        GTEST_SKIP() << "espeak-ng is not installed";
    const std::string bytes = testing_support::readFile(file);
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 4), "WAVE");
    // A name that looks like an option is spoken as text.
    EXPECT_TRUE(naming::writeOfflineVoice("-w /dev/null D'Arcy", dir.path() / "odd.wav"));
    EXPECT_FALSE(naming::writeOfflineVoice("   ", dir.path() / "blank.wav"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "blank.wav"));
    // The intermediate files live in a private folder: a file of the user's beside the target, named
    // as one once was, is kept, and nothing else appears.
    std::ofstream(dir.path() / "g.wav.txt") << "keep";
    EXPECT_TRUE(naming::writeOfflineVoice("Alice", dir.path() / "g.wav"));
    EXPECT_EQ(testing_support::readFile(dir.path() / "g.wav.txt"), "keep");
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 4u) << "voice/, odd.wav, g.wav and g.wav.txt";
}

} // namespace
