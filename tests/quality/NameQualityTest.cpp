#include "quality/Pinyin.h"
#include "quality/QualityData.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace quality;

// A small dictionary: readings as the database gives them (子 with its name reading zǐ), a few
// unlucky words and phrases, one poor character.
QualityData smallData()
{
    QualityData d;
    const std::pair<const char*, const char*> readings[] = {
        {"杜", "dù"},   {"子", "zǐ"},    {"腾", "téng"}, {"范", "fàn"},  {"统", "tǒng"},  {"沈", "shěn"},
        {"京", "jīng"}, {"兵", "bīng"},  {"王", "wáng"}, {"思", "sī"},   {"乡", "xiāng"}, {"李", "lǐ"},
        {"流", "liú"},  {"产", "chǎn"},  {"奴", "nú"},   {"明", "míng"}, {"刘", "liú"},   {"饭", "fàn"},
        {"桶", "tǒng"}, {"上", "shàng"}, {"官", "guān"}, {"司", "sī"},   {"马", "mǎ"},    {"张", "zhāng"}};
    for (const auto& [c, p] : readings)
        d.addCharacter(c, p, 1);
    d.addCharacter("彧", "yù", 2);
    d.addCharacter("燊", "shēn", 3);
    d.addWord("肚子疼", "du4 zi5 teng2", "病痛");
    d.addWord("饭桶", "fan4 tong3", "骂人话");
    d.addWord("神经病", "shen2 jing1 bing4", "骂人话");
    d.addWord("流产", "liu2 chan3", "病痛");
    d.addWord("司马", "si1 ma3", "测试");
    d.addPoorCharacter("奴", "本义是奴仆");
    return d;
}

TEST(Pinyin, MarksAndDigits)
{
    EXPECT_EQ(parseMarkedSyllable("lǜ"), (Syllable{"lv", 4}));
    EXPECT_EQ(parseMarkedSyllable("zhāng"), (Syllable{"zhang", 1}));
    EXPECT_EQ(parseMarkedSyllable("zi"), (Syllable{"zi", 5}));
    EXPECT_EQ(parseMarkedSyllable("nǚ"), (Syllable{"nv", 3}));
    EXPECT_EQ(parseNumberedSyllable("lv4"), (Syllable{"lv", 4}));
    EXPECT_EQ(parseNumberedSyllable("zi5"), (Syllable{"zi", 5}));
    EXPECT_EQ(pingze(1), "平");
    EXPECT_EQ(pingze(2), "平");
    EXPECT_EQ(pingze(3), "仄");
    EXPECT_EQ(pingze(5), "仄");
}

TEST(NameQuality, WarningsOfTeasingAndOrdinaryNames)
{
    const QualityData d = smallData();
    struct Case
    {
        const char* surname;
        const char* given;
        std::vector<Warning> expected;
    };
    const Case cases[] = {
        // The neutral tone of the word matches any tone of the name.
        {"杜", "子腾", {{WarningKind::Homophone, "肚子疼", "病痛"}}},
        {"范", "统", {{WarningKind::Homophone, "饭桶", "骂人话"}}},
        // Three syllables that sound like the word with other tones still count.
        {"沈", "京兵", {{WarningKind::Homophone, "神经病", "骂人话"}}},
        // Written as the word itself: a meaning, not a homophone.
        {"李", "流产", {{WarningKind::Meaning, "流产", "病痛"}}},
        {"刘", "产", {{WarningKind::Homophone, "流产", "病痛"}}},
        {"饭", "桶", {{WarningKind::Meaning, "饭桶", "骂人话"}}},
        {"王", "奴", {{WarningKind::Character, "奴", "本义是奴仆"}}},
        {"王", "思乡", {}},
        {"李", "明", {}},
        {"张", "思明", {}},
        // The surname alone is never warned, only windows that hold a given-name character.
        {"司马", "明", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.surname) + c.given);
        EXPECT_EQ(d.check(c.surname, c.given).warnings, c.expected);
        EXPECT_EQ((d.marks(c.surname, c.given) & kWarned) != 0, !c.expected.empty());
    }
}

TEST(NameQuality, ReadingsTonesAndRareCharacters)
{
    const QualityData d = smallData();
    const NameQuality q = d.check("杜", "子腾");
    ASSERT_EQ(q.characters.size(), 3u);
    EXPECT_EQ(q.characters[1].pinyin, "zǐ");
    EXPECT_EQ(q.characters[1].tone, 3);
    EXPECT_EQ(q.pingze(), "仄仄平");
    EXPECT_TRUE(q.rare().empty());

    // Level 2 is not rare; level 3 and a character the table lacks are, in the given name only.
    EXPECT_EQ(d.marks("李", "彧"), kNoMark);
    const NameQuality rare = d.check("李", "燊鑫");
    ASSERT_EQ(rare.rare().size(), 2u);
    EXPECT_EQ(rare.rare()[0]->level, 3);
    EXPECT_EQ(rare.rare()[1]->level, kNotListed);
    EXPECT_EQ(rare.marks(), kRare);
    EXPECT_EQ(d.marks("李", "燊鑫"), kRare);
    EXPECT_EQ(rare.markText(), "生僻字“燊”（三级字）\n生僻字“鑫”（规范字表外）");
    EXPECT_EQ(d.marks("燊", "明"), kNoMark);
}

TEST(NameQuality, ToneHints)
{
    const QualityData d = smallData();
    EXPECT_EQ(d.check("王", "思乡").toneHint(), ""); // 平平平 with tones 2 1 1
    EXPECT_NE(d.check("张", "思乡").toneHint().find("第1声"), std::string::npos);
    EXPECT_NE(d.check("李", "统产").toneHint().find("第3声"), std::string::npos);
    EXPECT_NE(d.check("杜", "饭统").toneHint().find("仄"), std::string::npos); // 仄仄仄
}

TEST(NameQuality, WithoutTheLevelTableNothingIsRare)
{
    QualityData d;
    d.addCharacter("李", "lǐ", -1);
    d.addCharacter("燊", "shēn", -1);
    EXPECT_EQ(d.marks("李", "燊"), kNoMark);
    EXPECT_TRUE(d.check("李", "燊鑫").rare().empty());
}

TEST(Pinyin, EverydayConfusionsFoldAlike)
{
    const std::pair<const char*, const char*> cases[] = {
        {"niu", "liu"},  {"zhang", "zan"}, {"chun", "cun"},  {"shi", "si"},
        {"yang", "yan"}, {"feng", "fen"},  {"ying", "yin"},  {"nang", "lan"},
        {"ng", "ng"},    {"long", "long"}, {"zheng", "zen"}, {"lv", "lv"},
    };
    for (const auto& [plain, folded] : cases)
        EXPECT_EQ(foldSyllable(plain), folded) << plain;
}

// Near sounds: one tone off inside the given name or as the whole name, n/l and the like only with
// equal tones, both only for a common word; a rare word only where the given name is written as it.
TEST(NameQuality, NearSoundsAndRareWords)
{
    QualityData d = smallData();
    const std::pair<const char*, const char*> readings[] = {
        {"春", "chūn"}, {"人", "rén"}, {"胡", "hú"},   {"图", "tú"}, {"牛", "niú"}, {"芒", "máng"},
        {"莽", "mǎng"}, {"高", "gāo"}, {"年", "nián"}, {"梓", "zǐ"}, {"意", "yì"},  {"吴", "wú"}};
    for (const auto& [c, p] : readings)
        d.addCharacter(c, p, 1);
    d.addWord("蠢人", "chun3 ren2", "骂人话", 89);
    d.addWord("糊涂", "hu2 tu5", "骂人话", 1909);
    d.addWord("流氓", "liu2 mang2", "骂人话", 1895);
    d.addWord("高年", "gao1 nian2", "年老", 2);
    d.addWord("自缢", "zi4 yi4", "死亡", 30);
    d.addWord("无人", "wu2 ren2", "测试", 500);
    const std::pair<std::pair<const char*, const char*>, std::vector<Warning>> cases[] = {
        {{"王", "春人"}, {{WarningKind::Homophone, "蠢人", "骂人话"}}},
        {{"胡", "图"}, {{WarningKind::Homophone, "糊涂", "骂人话"}}},
        {{"张", "牛芒"}, {{WarningKind::Homophone, "流氓", "骂人话"}}},
        {{"张", "牛莽"}, {}}, // near syllables and a tone off
        {{"李", "高年"}, {{WarningKind::Meaning, "高年", "年老"}}},
        {{"高", "年"}, {}},   // a rare word only as the given name itself
        {{"王", "梓意"}, {}}, // one tone off, but the word is not common
    };
    for (const auto& [name, expected] : cases) {
        SCOPED_TRACE(std::string(name.first) + name.second);
        EXPECT_EQ(d.check(name.first, name.second).warnings, expected);
        EXPECT_EQ((d.marks(name.first, name.second) & kWarned) != 0, !expected.empty());
    }
}

TEST(NameQuality, ExemptionsAndWordReadings)
{
    QualityData d = smallData();
    d.addCharacter("若", "ruò", 1);
    d.addCharacter("愚", "yú", 1);
    d.addCharacter("长", "zhǎng", 1);
    d.addCharacter("乐", "lè", 1);
    d.addPoorCharacter("愚", "愚笨");
    d.addExemptions("# given\treason\n若愚\t出自“大智若愚”\n");
    d.addWordReading("长乐", "cháng lè");
    EXPECT_TRUE(d.check("李", "若愚").warnings.empty());
    EXPECT_EQ(d.marks("李", "若愚"), kNoMark);
    EXPECT_EQ(d.check("李", "愚").warnings.size(), 1u);
    EXPECT_EQ(d.check("张", "长乐").characters[1].pinyin, "cháng");
    EXPECT_EQ(d.check("张", "长乐").characters[1].tone, 2);
    EXPECT_EQ(d.check("张", "长").characters[1].pinyin, "zhǎng");
}

TEST(NameQuality, RareIsJudgedWithRealNames)
{
    QualityData d = smallData();
    d.addCharacter("晖", "huī", 3);
    d.addCharacter("翀", "chōng", 3);
    d.addNameUses("晖", 14);
    d.addNameUses("翀", 2);
    d.addNameUses("明", 500);
    // 燊 (level 3) and 鑫 (beyond the table) no real name uses: rare. 彧 (level 2): seldom.
    const NameQuality q = d.check("李", "晖翀");
    EXPECT_TRUE(q.rare().empty());
    EXPECT_EQ(q.notes(), std::vector<std::string>{"“翀”较少用作名字"});
    EXPECT_EQ(d.marks("李", "晖翀"), kNoMark);
    EXPECT_EQ(d.marks("李", "燊"), kRare);
    EXPECT_EQ(d.check("李", "燊鑫").rare().size(), 2u);
    EXPECT_EQ(d.check("李", "彧").notes(), std::vector<std::string>{"“彧”较少用作名字"});
    EXPECT_TRUE(d.check("李", "明").notes().empty());
}

TEST(NameQuality, NamesakeIsANoteNotAWarning)
{
    QualityData d = smallData();
    d.addNamesake("李明");
    d.addNamesake("司马明");
    const NameQuality q = d.check("李", "明");
    EXPECT_TRUE(q.warnings.empty());
    EXPECT_EQ(q.notes(), std::vector<std::string>{"与知名人物同名"});
    EXPECT_EQ(q.marks(), kNamesake);
    EXPECT_EQ(q.markText(), "与知名人物同名");
    EXPECT_EQ(d.marks("李", "明"), kNamesake);
    EXPECT_EQ(d.marks("司马", "明"), kNamesake);
    // Only the whole name: the same given name under another surname, or a longer one, is no namesake.
    EXPECT_EQ(d.marks("张", "明"), kNoMark);
    EXPECT_EQ(d.marks("李", "明明"), kNoMark);
    // A name marked as heard in longer names brings the person to mind at the start of one.
    d.addNamesake("李白", true);
    for (const auto& [surname, given, namesake] :
         {std::tuple{"李", "白雪", true}, {"李", "白", true}, {"李", "雪白", false}, {"王", "白雪", false}})
        EXPECT_EQ((d.marks(surname, given) & kNamesake) != 0, namesake) << surname << given;
}

TEST(NameQuality, WarningTexts)
{
    EXPECT_EQ((Warning{WarningKind::Homophone, "饭桶", "骂人话"}).text(), "读音近似“饭桶”（骂人话）");
    EXPECT_EQ((Warning{WarningKind::Meaning, "流产", "病痛"}).text(), "字面即“流产”（病痛）");
    EXPECT_EQ((Warning{WarningKind::Character, "奴", "本义是奴仆"}).text(), "“奴”字不宜入名：本义是奴仆");
}

} // namespace
