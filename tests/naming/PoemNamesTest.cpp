#include "naming/PoemNames.h"
#include "NamingFixture.h"
#include "naming/NameLikeness.h"
#include "naming/NamingRun.h"

#include <algorithm>
#include <set>

namespace {

using naming::findPoem;

class PoemNames : public NamingFixture
{
protected:
    void SetUp() override
    {
        NamingFixture::SetUp();
        addPoemRows();
    }
};

class RecordingObserver : public naming::RunObserver
{
public:
    void showMessage(const core::Message& message) override { messages.push_back(message.text); }
    std::vector<std::string> messages;
};

TEST_F(PoemNames, PoetsInOrderAndPoemsOfOnePoet)
{
    EXPECT_EQ(naming::loadPoetNames(m_store), (std::vector<std::string>{"王维", "李白", "孟浩然", "佚\"名"}));
    const std::vector<naming::PoemEntry> poems = naming::loadPoemEntries(m_store, "李白");
    ASSERT_EQ(poems.size(), 3u);
    EXPECT_EQ(poems[0].title, "静夜思");
    EXPECT_EQ(poems[1].id, 3);
    EXPECT_EQ(poems[2].id, 4);
    EXPECT_TRUE(naming::loadPoemEntries(m_store, "杜甫").empty());
}

TEST_F(PoemNames, APoemIsFoundByPoetTitleAndRowId)
{
    struct Case
    {
        const char* poet;
        const char* title;
        std::optional<std::int64_t> id;
        std::int64_t want; // 0: no poem
    };
    const Case cases[] = {
        {"王维", "送人", std::nullopt, 1}, // a title three poems share: the chosen poet's
        {"李白", "送人", std::nullopt, 3}, // one poet, two poems of one title: the first without a row id
        {"李白", "送人", 4, 4},
        {"李白", "送人", 1, 0}, // a row id of another poet's poem finds nothing
        {"佚\"名", "a\"b<c>", std::nullopt, 6},
        {"李白", "春晓", std::nullopt, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.poet) + " " + c.title);
        const std::optional<naming::Poem> poem = findPoem(m_store, c.poet, c.title, c.id);
        ASSERT_EQ(poem.has_value(), c.want != 0);
        if (poem) {
            EXPECT_EQ(poem->id, c.want);
            EXPECT_EQ(poem->author, c.poet);
        }
    }
    EXPECT_EQ(findPoem(m_store, "李白", "静夜思")->marked, "前明月光霜");
}

TEST(PoemBoxes, OneBoxPerCharacterWithoutTheTwoMarks)
{
    EXPECT_EQ(naming::poemBoxCharacters("花间一壶酒，明月照花间。"),
              (std::vector<std::string>{"花", "间", "一", "壶", "酒", "明", "月", "照", "花", "间"}));
    // Other marks stay boxes; a character outside GBK is one box.
    EXPECT_EQ(naming::poemBoxCharacters("风<𠀀>？"), (std::vector<std::string>{"风", "<", "𠀀", ">", "？"}));
    EXPECT_TRUE(naming::poemBoxCharacters("").empty());
    EXPECT_TRUE(naming::startsTicked("月", "前明月光霜"));
    EXPECT_FALSE(naming::startsTicked("床", "前明月光霜"));
}

TEST(PoemBoxes, CandidateTextHoldsEachTickedCharacterOnceThenTheSurname)
{
    struct Case
    {
        std::vector<std::string> ticked;
        const char* surname;
        const char* want;
    };
    const Case cases[] = {
        {{"花", "间", "明", "花", "间"}, "李", "花间明李"},
        {{"明", "李", "月"}, "李", "明李月"}, // a ticked surname is not added again
        {{}, "李", "李"},
        {{"欧", "阳", "明"}, "欧阳", "欧阳明"},
        {{"阳", "明", "欧"}, "欧阳", "阳明欧欧阳"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(naming::poemCandidateText(c.ticked, c.surname), c.want) << c.want;
}

TEST(PoemBoxes, PairsAreNeighboursInOneLineNeverAcrossAMarkOrAFunctionWord)
{
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    struct Case
    {
        const char* text;
        std::vector<std::string> ticked; // function words already taken out
        Pairs want;
    };
    const Case cases[] = {
        // 酒，明 crosses a mark; 花间 comes twice and is listed once.
        {"花间一壶酒，明月照花间。", {"花", "间", "明", "月", "酒"}, {{"花", "间"}, {"明", "月"}}},
        // 之 is not usable, so 月之明 gives no pair; 明 / 明 are across a line break and a double.
        {"月之明\n明月", {"月", "明"}, {{"明", "月"}}},
        {"明月", {}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(naming::poemNeighbourPairs(c.text, c.ticked), c.want) << c.text;
    for (const char* word : {"之", "而", "兮", "其", "也"})
        EXPECT_TRUE(naming::isPoemFunctionWord(word)) << word;
    for (const char* word : {"明", "安", "", "之之"})
        EXPECT_FALSE(naming::isPoemFunctionWord(word)) << word;
}

TEST_F(PoemNames, RunListsPoemPairsAndRealNamesOfTheTickedCharactersBestFirst)
{
    naming::NamingRequest request;
    request.mode = naming::Mode::Poem;
    request.surname = "李";
    request.poemText = "花间一明月，照花间。\n月之明，照李。";
    request.poemCharacters = {"花", "间", "一", "明", "月", "照", "花", "间", "月", "之", "明", "照", "李"};
    RecordingObserver observer;
    naming::RunControl control;
    naming::NamingRun run(m_store, request, observer, control);
    ASSERT_EQ(run.run(), naming::RunOutcome::Finished);

    // 之 is a function word: no candidate. The surname comes last as before.
    EXPECT_EQ(run.candidates().characters,
              (std::vector<std::string>{"花", "间", "一", "明", "月", "照", "李"}));
    const naming::NameLikeness real = naming::NameLikeness::fromClassicLists(); // the fixture has no counts
    std::set<std::string> listed;
    int previous = 100;
    for (const naming::NameRow& row : run.rows()) {
        const std::string given = row.name.substr(std::string("李").size());
        listed.insert(given);
        EXPECT_EQ(row.name.find("李", 3), std::string::npos) << row.name;
        EXPECT_LE(row.score.score, previous);
        previous = row.score.score;
        // A neighbour pair of the poem or a real name; never across a mark (月照, 间月) or 之 (月明).
        const bool neighbours =
            given == "花间" || given == "间一" || given == "一明" || given == "明月" || given == "照花";
        EXPECT_TRUE(neighbours || real.isRealName(given)) << given;
    }
    for (const std::string pair : {"花间", "间一", "一明", "明月", "照花"}) {
        const size_t first =
            static_cast<size_t>(std::find(run.candidates().characters.begin(),
                                          run.candidates().characters.end(), pair.substr(0, 3)) -
                                run.candidates().characters.begin());
        EXPECT_EQ(listed.count(pair), run.candidates().usable[first] ? 1u : 0u) << pair;
    }
    ASSERT_FALSE(run.rows().empty());
    EXPECT_EQ(run.rows().front().number, 1);
    EXPECT_TRUE(observer.messages.empty());
}

// A child of the poet's surname takes no character of the poet's given name from the poem (李白雪 and
// 李少白 from a poem of 李白 read as the poet's name); other surnames take them all.
TEST_F(PoemNames, AChildOfThePoetsSurnameTakesNoCharacterOfThePoetsGivenName)
{
    for (const auto& [author, surname, echoes] : {std::tuple{"李白", "李", "白"},
                                                  {"欧阳修", "欧阳", "修"},
                                                  {"李白", "王", ""},
                                                  {"李", "李", ""},
                                                  {"", "李", ""}})
        EXPECT_EQ(naming::poetEchoes(author, surname), echoes) << author << ' ' << surname;

    naming::NamingRequest request;
    request.mode = naming::Mode::Poem;
    request.surname = "李";
    request.poemAuthor = "李明";
    request.poemText = "花间一明月，照花间。";
    request.poemCharacters = {"花", "间", "一", "明", "月", "照", "花", "间"};
    RecordingObserver observer;
    naming::RunControl control;
    naming::NamingRun run(m_store, request, observer, control);
    ASSERT_EQ(run.run(), naming::RunOutcome::Finished);
    EXPECT_EQ(run.candidates().characters, (std::vector<std::string>{"花", "间", "一", "月", "照", "李"}));
    for (const naming::NameRow& row : run.rows())
        EXPECT_EQ(row.name.find("明"), std::string::npos) << row.name;
}

TEST_F(PoemNames, NoTickedBoxListsNothingAndOneCharacterNamesSayWhy)
{
    naming::NamingRequest request;
    request.mode = naming::Mode::Poem;
    request.surname = "李";
    RecordingObserver observer;
    naming::RunControl control;
    {
        naming::NamingRun run(m_store, request, observer, control);
        ASSERT_EQ(run.run(), naming::RunOutcome::Finished);
        EXPECT_TRUE(run.rows().empty());
    }
    request.givenLength = 1;
    request.poemCharacters = {"明", "月"};
    naming::NamingRun run(m_store, request, observer, control);
    ASSERT_EQ(run.run(), naming::RunOutcome::Finished);
    EXPECT_EQ(observer.messages, (std::vector<std::string>{naming::kOneCharacterMessage}));
    EXPECT_EQ(run.rows().size(), 2u);
}

} // namespace
