#include "../naming/NamingFixture.h"
#include "CliRun.h"
#include "cli/Runner.h"
#include "naming/NameLikeness.h"

#include <sstream>

namespace {

class PoemVerbs : public NamingFixture
{
protected:
    void SetUp() override
    {
        NamingFixture::SetUp();
        addPoemRows();
        m_store.Close();
    }

    int run(std::vector<std::string> words, const std::string& input = "")
    {
        return runCliOn(std::move(words), m_dir.path() / "naming.db", m_dir.path(), out, err, input);
    }

    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(PoemVerbs, PoetsPoemsAndThePoemOfEachPoet)
{
    ASSERT_EQ(run({"poets"}), 0);
    EXPECT_EQ(out.str(), "王维\n李白\n孟浩然\n佚\"名\n");
    ASSERT_EQ(run({"poems", "李白"}), 0);
    EXPECT_EQ(out.str(), "2\t静夜思\n3\t送人\n4\t送人\n");

    // One title, three poems: each poet's own, and the row id picks between one poet's two.
    ASSERT_EQ(run({"poem", "王维", "送人"}), 0);
    EXPECT_EQ(out.str(), "山中相送罢，日暮掩柴扉。\n山中相送日\n");
    ASSERT_EQ(run({"poem", "李白", "送人"}), 0);
    EXPECT_EQ(out.str(), "花间一壶酒，明月照花间。\n花间一明月照\n");
    ASSERT_EQ(run({"poem", "李白", "送人", "--id", "4"}), 0);
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')), "天子呼来不上船，自称臣是酒中仙。");
    ASSERT_EQ(run({"poem", "佚\"名", "a\"b<c>"}), 0);
    EXPECT_EQ(out.str(), "风<雨>&𠀀，晴。\n风晴\n");
}

TEST_F(PoemVerbs, GenerateUsesThePreTickedOrTheGivenCharactersAndEqualsScore)
{
    ASSERT_EQ(run({"generate", "--mode", "poem", "--surname", "李", "--poet", "李白", "--title", "静夜思"}),
              0)
        << err.str();
    const std::string list = out.str();
    std::istringstream rows(list);
    std::string line, requests, expected;
    int count = 0;
    while (std::getline(rows, line)) {
        const std::string rest = line.substr(line.find('\t') + 1);
        const std::string name = rest.substr(0, rest.find('\t'));
        for (const char* unticked : {"床", "疑", "是", "地", "上", "李"})
            EXPECT_EQ(name.find(unticked, 3), std::string::npos) << name;
        requests += "李 " + name.substr(3) + "\n";
        expected += rest + "\n";
        ++count;
    }
    ASSERT_GT(count, 0);
    ASSERT_EQ(run({"score", "--batch"}, requests), 0);
    EXPECT_EQ(out.str(), expected);

    ASSERT_EQ(run({"generate", "--mode", "poem", "--surname", "李", "--poet", "李白", "--title", "静夜思",
                   "--chars", "明", "--length", "1"}),
              0);
    const std::string one = out.str();
    EXPECT_EQ(one.substr(one.find('\t') + 1, 6), "李明");
    EXPECT_EQ(std::count(one.begin(), one.end(), '\n'), 1);
}

TEST_F(PoemVerbs, BooksAndTheirPoemsByBook)
{
    ASSERT_EQ(run({"books"}), 0);
    EXPECT_EQ(out.str(), "唐诗\t6\n诗经\t3\n楚辞\t1\n宋词\t2\n论语\t1\n");
    ASSERT_EQ(run({"poems", "--book", "诗经", "风"}), 0);
    EXPECT_EQ(out.str(), "1\t国风·周南·关雎\n2\t国风·秦风·蒹葭\n");
    ASSERT_EQ(run({"poems", "--book", "诗经"}), 0); // the whole book in its order
    EXPECT_EQ(out.str(), "1\t国风·周南·关雎\n2\t国风·秦风·蒹葭\n3\t小雅·鹿鸣\n");
    ASSERT_EQ(run({"poems", "--book", "唐诗", "王维"}), 0);
    EXPECT_EQ(out.str(), "1\t送人\n");

    ASSERT_EQ(run({"poem", "--book", "诗经", "关雎"}), 0);
    EXPECT_EQ(out.str(), "关关雎鸠，在河之洲。窈窕淑女，君子好逑。\n关雎鸠河洲窈窕淑女君子好逑\n");
    ASSERT_EQ(run({"poem", "--book", "宋词", "水调歌头"}), 0);
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')), "明月几时有，把酒问青天。但愿人长久，千里共婵娟。");
    ASSERT_EQ(run({"poem", "--book", "宋词", "水调歌头", "--id", "6"}), 0);
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')), "落日绣帘卷，亭下水连空。");
    // 唐诗 named as a book is the Tang poems' own form.
    ASSERT_EQ(run({"poem", "--book", "唐诗", "李白", "静夜思"}), 0);
    EXPECT_EQ(out.str(), "床前明月光，疑是地上霜。\n前明月光霜\n");
}

TEST_F(PoemVerbs, GenerateFromABookListsPairsThatStandInThePoem)
{
    ASSERT_EQ(run({"generate", "--mode", "poem", "--surname", "王", "--book", "诗经", "--title", "蒹葭"}), 0)
        << err.str();
    std::istringstream rows(out.str());
    std::string line;
    int count = 0;
    const std::string text = "蒹葭苍苍，白露为霜。所谓伊人，在水一方。";
    const naming::NameLikeness real = naming::NameLikeness::fromClassicLists(); // the fixture has no counts
    while (std::getline(rows, line)) {
        const std::string rest = line.substr(line.find('\t') + 1);
        const std::string given =
            rest.substr(std::string("王").size(), rest.find('\t') - std::string("王").size());
        EXPECT_TRUE(text.find(given) != std::string::npos || real.isRealName(given)) << given;
        ++count;
    }
    EXPECT_GT(count, 0);
    ASSERT_EQ(run({"generate", "--mode", "poem", "--surname", "王", "--book", "楚辞", "--title", "湘夫人"}),
              0);
    EXPECT_EQ(out.str().find("兮"), std::string::npos);
}

TEST_F(PoemVerbs, BadPoemRequestsFailWithAMessage)
{
    const std::vector<std::vector<std::string>> bad = {
        {"generate", "--mode", "poem", "--surname", "李", "--poet", "李白"},
        {"generate", "--mode", "poem", "--surname", "李", "--poet", "李白", "--title", "春晓"},
        {"generate", "--mode", "poem", "--surname", "李", "--poet", "李白", "--title", "静夜思", "--chars",
         "花"},
        {"poem", "李白", "送人", "--id", "x"},
        {"poem", "李白"},
        {"poems", "杜甫"},
        {"poem", "--book", "诗经", "无衣"},
        {"poems", "--book", "诗经", "颂"},
        {"poems", "--book", "楚辞", "屈原", "宋玉"},
        {"generate", "--mode", "poem", "--surname", "李", "--book", "诗经", "--poet", "屈原", "--title",
         "关雎"},
        {"generate", "--mode", "poem", "--surname", "李", "--book", "诗经", "--title", "关雎", "--chars",
         "花"},
    };
    for (const auto& words : bad) {
        SCOPED_TRACE(words.back());
        EXPECT_NE(run(words), 0);
        EXPECT_FALSE(err.str().empty());
        EXPECT_TRUE(out.str().empty());
    }
}

} // namespace
