#include "naming/PoemNames.h"
#include "NamingFixture.h"
#include "naming/NamingRun.h"

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

TEST_F(PoemNames, RunListsEveryNameOfTheTickedCharactersBestFirst)
{
    naming::NamingRequest request;
    request.mode = naming::Mode::Poem;
    request.surname = "李";
    request.poemCharacters = {"花", "间", "一", "明", "月", "照", "花", "间", "李"};
    RecordingObserver observer;
    naming::RunControl control;
    naming::NamingRun run(m_store, request, observer, control);
    ASSERT_EQ(run.run(), naming::RunOutcome::Finished);

    EXPECT_EQ(run.candidates().characters,
              (std::vector<std::string>{"花", "间", "一", "明", "月", "照", "李"}));
    size_t usable = 0;
    for (size_t i = 0; i + 1 < run.candidates().size(); ++i)
        usable += run.candidates().usable[i] ? 1 : 0;
    ASSERT_GT(usable, 0u);
    // Every usable first character with each of the five other characters that are not the surname.
    EXPECT_EQ(run.rows().size(), usable * 5);
    int previous = 100;
    for (const naming::NameRow& row : run.rows()) {
        EXPECT_EQ(row.name.find("李", 3), std::string::npos) << row.name;
        EXPECT_LE(row.score.score, previous);
        previous = row.score.score;
    }
    EXPECT_EQ(run.rows().front().number, 1);
    EXPECT_TRUE(observer.messages.empty());
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
