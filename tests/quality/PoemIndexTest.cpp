#include "quality/PoemIndex.h"

#include <gtest/gtest.h>

namespace {

using namespace quality;

PoemIndex smallIndex()
{
    PoemIndex index;
    // Rank 2 before rank 5: the better-known poet's line wins when both have the characters.
    index.addPoem("远望", "乙", "乡心思远道，明月照高楼。", 5);
    index.addPoem("静夜思", "李白", "床前明月光，疑是地上霜。举头望明月，低头思故乡。", 2);
    index.addPoem("晚归", "丙", "乡思满归途。", 9);
    index.addPoem("叠字", "丁", "思思不可见，风雨正潇潇。", 9);
    index.finish();
    return index;
}

TEST(PoemIndex, FindsLinesAsWrittenThenInOrderThenAnyOrder)
{
    const PoemIndex index = smallIndex();
    EXPECT_EQ(index.lineCount(), 9u);
    struct Case
    {
        const char* given;
        std::optional<std::string> line;
        const char* poet;
    };
    const Case cases[] = {
        {"思乡", "低头思故乡", "李白"}, // in order, best rank
        {"乡思", "乡思满归途", "丙"},   // as written in rank 9 beats 乙's characters apart in rank 5
        {"心远", "乡心思远道", "乙"},   // in order, apart
        {"月光", "床前明月光", "李白"}, {"霜明", std::nullopt, ""}, // never in one line
        {"光床", "床前明月光", "李白"},                             // only in reverse order
        {"霜", "疑是地上霜", "李白"},                               // one character
        {"思思", "思思不可见", "丁"},                               // a doubled character needs both
        {"潇", "风雨正潇潇", "丁"},     {"鑫", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        const std::optional<SourceLine> found = index.find(c.given);
        ASSERT_EQ(found.has_value(), c.line.has_value());
        if (found) {
            EXPECT_EQ(found->line, *c.line);
            EXPECT_EQ(found->poet, c.poet);
        }
    }
    EXPECT_EQ(index.find("思乡")->title, "静夜思");
}

TEST(PoemIndex, PairLinesHoldTheCharactersSideBySide)
{
    const PoemIndex index = smallIndex();
    // 乙's better-ranked line holds 乡 and 思 apart; only 丙's holds them as a pair.
    EXPECT_EQ(index.findPair("乡思")->line, "乡思满归途");
    EXPECT_EQ(index.findPair("明月")->line, "床前明月光");
    for (const char* none : {"思乡", "光床", "霜", "思思思", "鑫鑫"}) {
        SCOPED_TRACE(none);
        EXPECT_FALSE(index.findPair(none));
    }
}

TEST(PoemIndex, ClassicsAreFoundBySentenceAndNamedByBookAndTitle)
{
    PoemIndex index;
    index.addPoem("静夜思", "李白", "床前明月光，疑是地上霜。", 2);
    index.addPoem("小雅·鹿鸣", "", "呦呦鹿鸣，食野之苹。我有嘉宾，鼓瑟吹笙。明月在天。", 0, "诗经");
    index.addPoem("水调歌头·明月几时有", "苏轼", "明月几时有，把酒问青天。", 1u << 31, "宋词");
    index.finish();
    // A sentence of a classic is its line, so a source reads as the sentence parents quote.
    const std::optional<SourceLine> deer = index.find("鹿苹");
    ASSERT_TRUE(deer);
    EXPECT_EQ(deer->line, "呦呦鹿鸣，食野之苹");
    EXPECT_EQ(sourceTitle(*deer), "《诗经·小雅·鹿鸣》");
    EXPECT_EQ(index.find("明月")->book, "诗经"); // ranked before the Tang poems
    EXPECT_EQ(index.find("青天")->book, "宋词");
    EXPECT_EQ(sourceTitle(*index.find("青天")), "苏轼《宋词·水调歌头·明月几时有》");
    EXPECT_EQ(sourceTitle(*index.find("床前")), "李白《静夜思》");
    // The example of a classical pair stays a Tang line: the pairs are counted in the Tang poems.
    EXPECT_FALSE(index.findPair("嘉宾"));
    EXPECT_EQ(index.findPair("明月")->poet, "李白");
}

TEST(PoemIndex, EmptyIndexFindsNothing)
{
    const PoemIndex index;
    EXPECT_FALSE(index.find("思乡"));
    EXPECT_FALSE(index.findPair("思乡"));
}

} // namespace
