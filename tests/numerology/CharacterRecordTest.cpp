#include "numerology/CharacterRecord.h"
#include "NumerologyFixture.h"
#include "numerology/SplitCharacters.h"
#include "text/Gbk.h"

namespace {

using namespace numerology;

TEST(SplitCharacters, ByteRuleOnTheGbkForm)
{
    struct Case
    {
        std::string text;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"", {}},
        {"\u3000 ", {}}, // only a full-width and an ASCII blank
        {"明华", {"明", "华"}},
        {"a明", {"a", "明"}},
        {"李 明", {"李", " ", "明"}}, // an inner blank is a character of its own
        {"{a明", {"{a", "明"}},       // "{" is 123: it takes the next byte
        {"z明", {"z", "明"}},         // "z" is 122: alone
        {"偲翾", {"偲", "翾"}},       // GBK-only characters
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SplitCharacters(c.text), c.expected);
    }
    // A cut-off final lead byte stands alone.
    EXPECT_EQ(splitGbkCharacters("\xC0\xEE\xC3"), (std::vector<std::string>{"\xC0\xEE", "\xC3"}));
    EXPECT_EQ(splitGbkCharacters("{"), (std::vector<std::string>{"{"}));
}

class CharacterRecordTest : public NumerologyFixture
{
};

TEST_F(CharacterRecordTest, LookupAndUsability)
{
    const CharacterRecord han = LookupCharacter(m_store, "涵");
    EXPECT_EQ(han.simplifiedStrokes, 11);
    EXPECT_EQ(han.traditionalStrokes, 12);
    EXPECT_EQ(han.element, "水");
    EXPECT_TRUE(han.traditionalForm.empty()) << "only reports read the traditional form";
    EXPECT_TRUE(IsUsable(han));

    const CharacterRecord hua = LookupCharacter(m_store, "华", LookupDetail::Report);
    EXPECT_EQ(hua.traditionalForm, "華");
    EXPECT_EQ(hua.pinyin, "huá");

    const CharacterRecord missing = LookupCharacter(m_store, "龘");
    EXPECT_EQ(missing.character, "龘");
    EXPECT_EQ(missing.simplifiedStrokes + missing.traditionalStrokes, 0);
    EXPECT_FALSE(IsUsable(missing));
    EXPECT_FALSE(IsUsable(LookupCharacter(m_store, "零"))) << "element but no simplified count";
    EXPECT_FALSE(IsUsable(LookupCharacter(m_store, "空"))) << "no element";
}

TEST_F(CharacterRecordTest, ImplausibleStrokeCountsReadAsNoRow)
{
    // A damaged database: counts near INT_MAX would overflow the grid sums, negative ones make no sense.
    ASSERT_TRUE(m_store.Execute("update XW_CNWord set 繁体笔画数 = 2147483647 where 汉字 = '涵'"));
    ASSERT_TRUE(m_store.Execute("update XW_CNWord set 简体笔画数 = -5 where 汉字 = '华'"));
    for (const char* character : {"涵", "华"}) {
        SCOPED_TRACE(character);
        const CharacterRecord record = LookupCharacter(m_store, character);
        EXPECT_EQ(record.simplifiedStrokes, 0);
        EXPECT_EQ(record.traditionalStrokes, 0);
        EXPECT_FALSE(IsUsable(record));
    }
    EXPECT_TRUE(IsUsable(LookupCharacter(m_store, "明"))) << "the other rows are read as they are";
    // The lookup of many characters at once (the naming runs' path) reads them the same way.
    const std::vector<std::string> characters = {"涵", "华", "明"};
    const std::vector<CharacterRecord> records = lookupCharacters(m_store, characters);
    ASSERT_EQ(records.size(), 3u);
    for (size_t i = 0; i < characters.size(); ++i) {
        const CharacterRecord one = LookupCharacter(m_store, characters[i]);
        EXPECT_EQ(records[i].simplifiedStrokes, one.simplifiedStrokes) << characters[i];
        EXPECT_EQ(records[i].traditionalStrokes, one.traditionalStrokes) << characters[i];
        EXPECT_EQ(IsUsable(records[i]), IsUsable(one)) << characters[i];
    }
}

TEST(CharacterCache, FindsTheFirstOfRepeatedEntries)
{
    CharacterCache cache;
    cache.add({"明", 8, 8, "火", "", ""});
    cache.add({"明", 1, 1, "木", "", ""});
    cache.add({"华", 6, 14, "水", "", ""});
    ASSERT_NE(cache.FindCharacter("明"), nullptr);
    EXPECT_EQ(cache.FindCharacter("明")->element, "火");
    EXPECT_EQ(cache.FindCharacter("华"), &cache[2]);
    EXPECT_EQ(cache.FindCharacter("涵"), nullptr);
}

} // namespace
