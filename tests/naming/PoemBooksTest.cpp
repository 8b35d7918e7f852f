#include "naming/PoemBooks.h"
#include "NamingFixture.h"
#include "naming/NamingRun.h"

namespace {

class PoemBooks : public NamingFixture
{
protected:
    void SetUp() override
    {
        NamingFixture::SetUp();
        addPoemRows();
    }
};

class QuietObserver : public naming::RunObserver
{
public:
    void showMessage(const core::Message&) override {}
};

std::vector<std::string> titles(const std::vector<naming::PoemEntry>& poems)
{
    std::vector<std::string> out;
    for (const naming::PoemEntry& poem : poems)
        out.push_back(poem.title);
    return out;
}

TEST_F(PoemBooks, TangFirstThenTheClassicsWithTheirGroupsAndPoems)
{
    const std::vector<naming::Book> books = naming::loadBooks(m_store);
    ASSERT_EQ(books.size(), 5u);
    const std::pair<const char*, std::int64_t> want[] = {
        {"唐诗", 6}, {"诗经", 3}, {"楚辞", 1}, {"宋词", 2}, {"论语", 1}};
    for (size_t i = 0; i < books.size(); ++i) {
        EXPECT_EQ(books[i].name, want[i].first);
        EXPECT_EQ(books[i].poems, want[i].second) << books[i].name;
    }
    // A book without poets lists its sections; the Tang poems their poets, as before.
    EXPECT_EQ(naming::loadBookGroups(m_store, "诗经"), (std::vector<std::string>{"风", "雅"}));
    EXPECT_EQ(naming::loadBookGroups(m_store, "宋词"), (std::vector<std::string>{"苏轼"}));
    EXPECT_EQ(naming::loadBookGroups(m_store, "唐诗"), naming::loadPoetNames(m_store));
    EXPECT_EQ(titles(naming::loadBookPoems(m_store, "诗经", "风")),
              (std::vector<std::string>{"国风·周南·关雎", "国风·秦风·蒹葭"}));
    EXPECT_EQ(titles(naming::loadBookPoems(m_store, "唐诗", "李白")),
              (std::vector<std::string>{"静夜思", "送人", "送人"}));
    EXPECT_TRUE(naming::loadBookPoems(m_store, "诗经", "李白").empty());
}

TEST_F(PoemBooks, ATitleIsFoundWholeByItsLastPartOrByItsTune)
{
    const std::pair<const char*, std::int64_t> cases[] = {
        {"国风·周南·关雎", 1},
        {"关雎", 1},
        {"周南·关雎", 1},
        {"鹿鸣", 3},
        {"水调歌头", 5}, // a tune with two ci: the first of the book, the best-known
        {"落日绣帘卷", 6},
        {"雎", 0}, // a part of a title's part is no title
        {"%", 0},
        {"", 0},
    };
    for (const auto& [title, id] : cases) {
        SCOPED_TRACE(title);
        const std::optional<naming::Poem> poem =
            naming::findBookPoem(m_store, id == 5 || id == 6 ? "宋词" : "诗经", title);
        ASSERT_EQ(poem.has_value(), id != 0);
        if (poem) {
            EXPECT_EQ(poem->id, id);
        }
    }
    EXPECT_EQ(naming::findBookPoem(m_store, "诗经", "关雎")->text,
              "关关雎鸠，在河之洲。窈窕淑女，君子好逑。");
    EXPECT_EQ(naming::findBookPoem(m_store, "楚辞", "湘夫人")->author, "屈原");
    // The Tang poems are found with their poet, as always; a book's title never finds another book's poem.
    EXPECT_FALSE(naming::findBookPoem(m_store, "唐诗", "静夜思"));
    EXPECT_FALSE(naming::findBookPoem(m_store, "宋词", "关雎"));
}

TEST_F(PoemBooks, RowsByIdAndSearchByTitleOrLineWithinTheBook)
{
    EXPECT_EQ(naming::bookPoemById(m_store, "唐诗", 2)->title, "静夜思");
    EXPECT_EQ(naming::bookPoemById(m_store, "唐诗", 2)->author, "李白");
    EXPECT_EQ(naming::bookPoemById(m_store, "诗经", 2)->title, "国风·秦风·蒹葭");
    EXPECT_TRUE(naming::bookPoemById(m_store, "诗经", 2)->author.empty());
    EXPECT_FALSE(naming::bookPoemById(m_store, "诗经", 5)); // a row of another book

    const auto ids = [&](std::string_view book, std::string_view words, size_t limit = 500) {
        std::vector<std::int64_t> out;
        for (const naming::PoemMatch& match : naming::searchBookPoems(m_store, book, words, limit))
            out.push_back(match.id);
        return out;
    };
    EXPECT_EQ(ids("诗经", "伊人"), (std::vector<std::int64_t>{2}));
    EXPECT_EQ(ids("诗经", "关雎"), (std::vector<std::int64_t>{1}));
    EXPECT_EQ(ids("唐诗", "明月"), (std::vector<std::int64_t>{2, 3}));
    EXPECT_EQ(ids("唐诗", "明月", 1), (std::vector<std::int64_t>{2}));
    EXPECT_EQ(ids("宋词", "伊人"), (std::vector<std::int64_t>{}));
    EXPECT_EQ(ids("诗经", "%"), (std::vector<std::int64_t>{})); // no wildcard
    EXPECT_EQ(ids("诗经", ""), (std::vector<std::int64_t>{}));
    EXPECT_EQ(naming::searchBookPoems(m_store, "唐诗", "春眠").at(0).group, "孟浩然");
}

TEST_F(PoemBooks, AClassicPoemRunsAsATangPoemAndNeverNamesWithXi)
{
    const naming::Poem poem = naming::findBookPoem(m_store, "楚辞", "湘夫人").value();
    naming::NamingRequest request;
    request.mode = naming::Mode::Poem;
    request.surname = "王";
    request.poemText = poem.text;
    request.poemCharacters = naming::poemBoxCharacters(poem.text); // every box ticked, 兮 too
    QuietObserver observer;
    naming::RunControl control;
    naming::NamingRun run(m_store, request, observer, control);
    ASSERT_EQ(run.run(), naming::RunOutcome::Finished);
    ASSERT_FALSE(run.rows().empty());
    for (const naming::NameRow& row : run.rows()) {
        EXPECT_EQ(row.name.find("兮"), std::string::npos) << row.name;
        // Pairs stand side by side in the text (or are real names): 秋风 and 洞庭 are, 兮秋 is not.
        const std::string given = row.name.substr(std::string("王").size());
        EXPECT_FALSE(given == "子北" || given == "风洞") << given; // across 兮 or a mark
    }
}

} // namespace
