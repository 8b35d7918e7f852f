// The name check on the built database (NESTLING_DB, or data/namedata.db beside the test program):
// the famous teasing names, ordinary names, and the share of the classic names that are warned.
#include "naming/CharacterLists.h"
#include "naming/NamingRun.h"
#include "quality/NameChecker.h"
#include "reports/Comparison.h"
#include "store/Folders.h"
#include "store/LoadNamingDatabase.h"
#include "text/Utf8.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

using namespace quality;

class QuietSink : public core::MessageSink
{
public:
    void showMessage(const core::Message& /*message*/) override {}
};

class RealDatabase : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const char* env = std::getenv("NESTLING_DB");
        const auto file =
            env ? std::filesystem::path(env) : store::defaultDatabaseFile(store::programFolder());
        if (!std::filesystem::exists(file))
            return;
        s_store = new store::NamingStore;
        QuietSink sink;
        if (store::LoadNamingDatabase(*s_store, file, sink) != store::LoadState::Ready) {
            delete s_store;
            s_store = nullptr;
            return;
        }
        s_checker = new NameChecker(*s_store);
    }
    static void TearDownTestSuite()
    {
        delete s_checker;
        delete s_store;
        s_checker = nullptr;
        s_store = nullptr;
    }
    void SetUp() override
    {
        if (!s_checker)
            GTEST_SKIP() << "no built database";
        if (!s_checker->data().hasLevels())
            GTEST_SKIP() << "the database has no name check table";
    }

    static store::NamingStore* s_store;
    static NameChecker* s_checker;
};

store::NamingStore* RealDatabase::s_store = nullptr;
NameChecker* RealDatabase::s_checker = nullptr;

TEST_F(RealDatabase, FamousTeasingNamesAreWarnedOrdinaryNamesAreNot)
{
    const std::pair<const char*, const char*> teasing[][2] = {
        {{"杜", "子腾"}, {"肚子疼", ""}}, {{"范", "统"}, {"饭桶", ""}},     {{"吴", "仁耀"}, {"无人要", ""}},
        {{"史", "珍香"}, {"屎真香", ""}}, {{"朱", "逸群"}, {"猪一群", ""}}, {{"杨", "伟"}, {"阳痿", ""}},
        {{"魏", "生津"}, {"卫生巾", ""}}, {{"秦", "寿生"}, {"禽兽", ""}},   {{"庞", "光"}, {"膀胱", ""}},
        {{"沈", "京兵"}, {"神经病", ""}}, {{"胡", "丽晶"}, {"狐狸精", ""}}, {{"夏", "建仁"}, {"贱人", ""}},
        {{"杜", "琦燕"}, {"肚脐眼", ""}}, {{"梅", "良心"}, {"没良心", ""}}, {{"刘", "产"}, {"流产", ""}},
        {{"范", "剑"}, {"犯贱", ""}},     {{"苟", "史"}, {"狗屎", ""}},
    };
    for (const auto& t : teasing) {
        const std::string name = std::string(t[0].first) + t[0].second;
        SCOPED_TRACE(name);
        const NameQuality q = s_checker->check(t[0].first, t[0].second, false);
        bool found = false;
        for (const Warning& w : q.warnings)
            found = found || (w.kind == WarningKind::Homophone && w.word == t[1].first);
        EXPECT_TRUE(found) << q.markText();
    }
    const std::pair<const char*, const char*> ordinary[] = {
        {"王", "思乡"}, {"李", "明"},   {"张", "伟"},   {"刘", "洋"},   {"陈", "静"},   {"杨", "帆"},
        {"王", "芳"},   {"李", "娜"},   {"张", "敏"},   {"赵", "子涵"}, {"周", "梓轩"}, {"吴", "雨桐"},
        {"欧阳", "华"}, {"孙", "浩然"}, {"徐", "一诺"}, {"林", "欣怡"}, {"高", "子墨"}, {"何", "俊杰"}};
    for (const auto& [surname, given] : ordinary) {
        SCOPED_TRACE(std::string(surname) + given);
        // Many of them are borne by someone well known (李娜): a note, no warning.
        EXPECT_EQ(s_checker->marks(surname, given) & (kWarned | kRare), 0)
            << s_checker->check(surname, given, false).markText();
    }
}

// The comparison (shortlist page, export, `compare`) says what `check` says: the 平仄 and the warnings.
TEST_F(RealDatabase, TheComparisonCarriesTheNameCheck)
{
    for (const auto& [surname, given] :
         {std::pair{"杜", "子腾"}, std::pair{"李", "燊"}, std::pair{"李", "明华"}}) {
        SCOPED_TRACE(std::string(surname) + given);
        const NameQuality q = s_checker->check(surname, given, false);
        const std::vector<std::string> cells = reports::nameQualityCells(*s_checker, surname, given);
        ASSERT_EQ(cells.size(), 2u);
        EXPECT_EQ(cells[0], q.pingze());
        for (const std::string& line : q.markLines())
            EXPECT_NE(cells[1].find(line), std::string::npos) << cells[1];
        EXPECT_EQ(cells[1].empty(), q.markLines().empty() && q.toneHint().empty());
    }
    EXPECT_NE(reports::nameQualityCells(*s_checker, "杜", "子腾")[1].find("读音近似“肚子疼”"),
              std::string::npos);
    EXPECT_NE(reports::nameQualityCells(*s_checker, "李", "燊")[1].find("生僻字“燊”"), std::string::npos);
}

TEST_F(RealDatabase, PolyphonicAndRareCharacters)
{
    // 子 is listed with its neutral reading first; in a name it is zǐ.
    const NameQuality zi = s_checker->check("赵", "子涵", false);
    EXPECT_EQ(zi.characters[1].pinyin, "zǐ");
    EXPECT_EQ(zi.characters[1].tone, 3);
    // 长 has several readings (cháng, zhǎng); a name reads it by the database's first, zhǎng.
    EXPECT_EQ(s_checker->check("李", "长", false).characters[1].pinyin, "zhǎng");
    // 彧 is a level-2 character; 燊 is level 3, a 生僻字.
    EXPECT_EQ(s_checker->check("李", "彧", false).characters[1].level, 2);
    const NameQuality rare = s_checker->check("李", "燊", false);
    ASSERT_EQ(rare.rare().size(), 1u);
    EXPECT_EQ(rare.rare()[0]->level, 3);
}

TEST_F(RealDatabase, SurnamesAreReadAsSurnames)
{
    // Readings of the characters as surnames, where the common reading differs; compound surnames as
    // a whole. The given name keeps its characters' readings.
    const struct
    {
        const char* surname;
        const char* given;
        std::vector<std::string> readings; // the surname's
    } cases[] = {
        {"曾", "子墨", {"zēng"}},     {"单", "文轩", {"shàn"}}, {"解", "晓东", {"xiè"}},
        {"仇", "明", {"qiú"}},        {"查", "明", {"zhā"}},    {"区", "明", {"ōu"}},
        {"朴", "明", {"piáo"}},       {"任", "明", {"rén"}},    {"华", "明", {"huà"}},
        {"翟", "明", {"zhái"}},       {"缪", "明", {"miào"}},   {"尉迟", "明", {"yù", "chí"}},
        {"万俟", "明", {"mò", "qí"}}, {"李", "明", {"lǐ"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.surname) + c.given);
        const NameQuality q = s_checker->check(c.surname, c.given, false);
        ASSERT_GT(q.characters.size(), c.readings.size());
        for (size_t i = 0; i < c.readings.size(); ++i)
            EXPECT_EQ(q.characters[i].pinyin, c.readings[i]);
    }
    EXPECT_EQ(s_checker->check("曾", "明", false).characters[0].tone, 1) << "平, not 仄";
    EXPECT_EQ(s_checker->check("单", "文轩", false).characters[1].pinyin, "wén");
}

TEST_F(RealDatabase, SourceLines)
{
    // A source holds the given name as written; a line with the characters apart is none.
    const NameQuality q = s_checker->check("李", "明月");
    ASSERT_TRUE(q.source);
    EXPECT_NE(q.source->line.find("明月"), std::string::npos);
    EXPECT_FALSE(q.source->poet.empty());
    EXPECT_FALSE(q.source->title.empty());
    for (const auto& [surname, given] :
         {std::pair{"刘", "建兴"}, std::pair{"王", "思乡"}, std::pair{"单", "文轩"}, std::pair{"张", "长乐"},
          std::pair{"李", "晖"}}) {
        SCOPED_TRACE(std::string(surname) + given);
        if (const auto source = s_checker->check(surname, given).source) {
            EXPECT_NE(source->line.find(given), std::string::npos) << source->line;
        }
    }
    EXPECT_FALSE(s_checker->check("吴", "仁耀").source);
}

// The share of ordinary names warned: the classic two-character lists joined to the 20 commonest
// surnames (about 100 000 names) must stay at 3 % or below.
TEST_F(RealDatabase, FewOrdinaryNamesAreWarned)
{
    const char* const surnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周",
                                    "徐", "孙", "马", "朱", "胡", "郭", "何", "高", "林", "罗"};
    size_t names = 0;
    size_t warned = 0;
    for (std::string_view list : {naming::classicTwoCharacterBoys(), naming::classicTwoCharacterGirls()})
        for (const std::string& given : text::splitText(list, ",")) {
            if (given.empty())
                continue;
            for (const char* surname : surnames) {
                ++names;
                if (s_checker->marks(surname, given) & kWarned)
                    ++warned;
            }
        }
    ASSERT_GT(names, 90000u);
    const double share = 100.0 * static_cast<double>(warned) / static_cast<double>(names);
    RecordProperty("warned_percent", std::to_string(share));
    std::cout << "warned " << warned << " of " << names << " (" << share << " %)\n";
    EXPECT_LE(share, 3.0);
}

// The filter leaves out exactly the marked names; the order of equal scores puts them last.
TEST_F(RealDatabase, FilterHidesExactlyTheMarkedRows)
{
    class Observer : public naming::RunObserver
    {
    };
    naming::NamingRequest request;
    request.mode = naming::Mode::HighScore;
    request.surname = "李";
    request.sex = "女";
    request.seed = 7;
    Observer observer;
    naming::RunControl control;
    naming::NamingRun all(*s_store, request, observer, control, s_checker);
    ASSERT_EQ(all.run(), naming::RunOutcome::Finished);
    request.hideMarked = true;
    naming::RunControl control2;
    naming::NamingRun filtered(*s_store, request, observer, control2, s_checker);
    ASSERT_EQ(filtered.run(), naming::RunOutcome::Finished);

    std::set<std::string> unmarked;
    size_t marked = 0;
    for (const naming::NameRow& row : all.rows()) {
        EXPECT_EQ(row.marks, s_checker->marks("李", row.name.substr(3)));
        // A namesake is moved down the list, not filtered: only warnings and rare characters are.
        if ((row.marks & (kWarned | kRare)) == 0)
            unmarked.insert(row.name);
        else
            ++marked;
    }
    EXPECT_GT(marked, 0u);
    // The filtered list shows every unmarked name of the full one, and, since the names it leaves
    // out do not count toward its size, goes on past where the full one stopped: never a marked one.
    std::set<std::string> shown;
    for (const naming::NameRow& row : filtered.rows()) {
        shown.insert(row.name);
        EXPECT_EQ(row.marks & (kWarned | kRare), 0) << row.name;
    }
    EXPECT_TRUE(std::includes(shown.begin(), shown.end(), unmarked.begin(), unmarked.end()));
    // Within a score the marked rows come last.
    for (size_t i = 1; i < all.rows().size(); ++i) {
        if (all.rows()[i].score.score == all.rows()[i - 1].score.score) {
            EXPECT_FALSE(all.rows()[i - 1].marks != 0 && all.rows()[i].marks == 0) << i;
        }
    }
}

} // namespace
