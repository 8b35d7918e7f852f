#include "naming/CombinationNames.h"
#include "NamingFixture.h"
#include "naming/AvoidedCharacters.h"
#include "naming/CharacterLists.h"
#include "naming/NamingRun.h"
#include "naming/Nicknames.h"
#include "numerology/NameScore.h"
#include "numerology/SplitCharacters.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

using namespace naming;
using Characters = std::vector<std::string>;

const char* const kFormText = "圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇";

TEST(CombinationCharacters, KeepsOnlyGb2312ChineseCharactersInTypedOrder)
{
    struct Case
    {
        const char* typed;
        const char* surname;
        Characters expected;
    };
    const Case cases[] = {
        {"圣诚", "李", {"圣", "诚", "李"}},
        {"a圣 B1诚z", "李", {"圣", "诚", "李"}},            // Latin letters, digits, spaces
        {"圣，诚。、“杰”", "李", {"圣", "诚", "杰", "李"}}, // full-width punctuation
        {"圣①Ａ　诚", "李", {"圣", "诚", "李"}},            // GB2312 symbols and the full-width space
        {"圣镕堃诚", "李", {"圣", "诚", "李"}},             // GBK characters outside GB2312
        {"圣😀𠀀诚", "李", {"圣", "诚", "李"}},              // characters outside GBK
        {"圣圣", "李", {"圣", "圣", "李"}},                 // typed twice, two candidates
        {"圣李诚", "李", {"圣", "李", "诚"}},               // the surname is not appended again
        {"李", "李", {"李"}},
        {"", "李", {"李"}},
        {"欧明阳", "欧阳", {"欧", "明", "阳", "欧", "阳"}}, // the whole surname does not occur
        {"明欧阳", "欧阳", {"明", "欧", "阳"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(combinationCharacters(c.typed, c.surname), c.expected) << c.typed;
}

NamingRequest request(Mode mode, std::string surname)
{
    NamingRequest r;
    r.mode = mode;
    r.surname = std::move(surname);
    r.givenLength = 2;
    return r;
}

class Listener : public RunObserver
{
public:
    void showMessage(const core::Message& message) override { messages.push_back(message.text); }
    void rowsWritten(std::span<const NameRow> rows) override { streamed += rows.size(); }
    void listFinished(const std::vector<NameRow>& rows) override { finished = rows.size(); }

    std::vector<std::string> messages;
    size_t streamed = 0;
    std::optional<size_t> finished;
};

class ListModesTest : public NamingFixture
{
protected:
    // Runs the request; the list must be complete, sorted, renumbered and free of the surname, and each
    // row must equal the name scored on its own.
    std::vector<NameRow> run(const NamingRequest& r)
    {
        m_listener = {};
        RunControl control;
        NamingRun namingRun(m_store, r, m_listener, control);
        EXPECT_EQ(namingRun.run(), RunOutcome::Finished);
        m_candidates = namingRun.candidates();
        const std::vector<NameRow>& rows = namingRun.rows();
        EXPECT_EQ(m_listener.finished, rows.size());
        EXPECT_EQ(m_listener.streamed, rows.size());
        numerology::StoreFortunes fortunes(m_store);
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].number, static_cast<int>(i) + 1);
            if (i > 0) {
                EXPECT_LE(rows[i].score.score, rows[i - 1].score.score);
            }
            const std::string given = rows[i].name.substr(r.surname.size());
            EXPECT_EQ(given.find(r.surname), std::string::npos) << rows[i].name;
            if (i % 7 != 0)
                continue;
            numerology::CharacterCache cache;
            for (const std::string& part : numerology::SplitCharacters(rows[i].name))
                cache.add(numerology::LookupCharacter(m_store, part));
            EXPECT_EQ(rows[i].score.score, numerology::ScoreName(r.surname, given, cache, fortunes).score)
                << rows[i].name;
        }
        return rows;
    }

    // The usable candidates, in order.
    Characters usable() const
    {
        Characters out;
        for (size_t i = 0; i < m_candidates.size(); ++i)
            if (m_candidates.usable[i])
                out.push_back(m_candidates.characters[i]);
        return out;
    }

    static std::multiset<std::string> given(const std::vector<NameRow>& rows, size_t surnameBytes)
    {
        std::multiset<std::string> out;
        for (const NameRow& row : rows)
            out.insert(row.name.substr(surnameBytes));
        return out;
    }

    Listener m_listener;
    Candidates m_candidates;
};

TEST_F(ListModesTest, CombinationListsEveryPairWithoutTheSurname)
{
    NamingRequest r = request(Mode::Combination, "李");
    r.combinationText = std::string("a, ") + kFormText + " Z";
    const auto rows = run(r);
    ASSERT_EQ(m_candidates.size(), 21u);
    EXPECT_EQ(m_candidates.characters.back(), "李");

    // Every usable first character with every other candidate, minus the pairs holding 李.
    std::multiset<std::string> expected;
    for (const std::string& a : usable())
        for (const std::string& b : m_candidates.characters)
            if (a != "李" && b != "李" && a != b)
                expected.insert(a + b);
    EXPECT_EQ(given(rows, 3), expected);
    EXPECT_EQ(given(rows, 3).count("圣圣"), 0u);
    EXPECT_TRUE(m_listener.messages.empty());
}

TEST_F(ListModesTest, CombinationOfTheSurnameAloneIsEmpty)
{
    for (const char* typed : {"李", "", "abc，。"}) {
        NamingRequest r = request(Mode::Combination, "李");
        r.combinationText = typed;
        EXPECT_TRUE(run(r).empty()) << typed;
        EXPECT_EQ(m_listener.finished, 0u);
    }
}

TEST_F(ListModesTest, CombinationFollowsLengthAndGenerationCharacter)
{
    NamingRequest one = request(Mode::Combination, "王");
    one.combinationText = kFormText;
    one.givenLength = 1;
    const auto single = run(one);
    EXPECT_EQ(m_listener.messages, Characters{kOneCharacterMessage});
    std::multiset<std::string> expected;
    for (const std::string& c : usable())
        if (c != "王")
            expected.insert(c);
    EXPECT_EQ(given(single, 3), expected);

    // Every name listed with the fixed character, and no generation warning in this mode.
    NamingRequest fixed = request(Mode::Combination, "王");
    fixed.combinationText = kFormText;
    fixed.generation = {true, false, "", true, "明"};
    const auto rows = run(fixed);
    EXPECT_TRUE(m_listener.messages.empty());
    ASSERT_EQ(rows.size(), usable().size() - 1);
    for (const NameRow& row : rows)
        EXPECT_EQ(row.name.substr(6), "明") << row.name;
}

TEST_F(ListModesTest, NicknamesFollowTheStyleAndKeepDuplicates)
{
    struct Case
    {
        NicknameStyle style;
        std::string (*make)(const std::string&);
    };
    const Case cases[] = {
        {NicknameStyle::Doubled, [](const std::string& a) { return a + a; }},
        {NicknameStyle::XiaoPrefix, [](const std::string& a) { return "小" + a; }},
        {NicknameStyle::ErSuffix, [](const std::string& a) { return a + "儿"; }},
        {NicknameStyle::APrefix, [](const std::string& a) { return "阿" + a; }},
    };
    for (const Case& c : cases) {
        NamingRequest r = request(Mode::Nickname, "王");
        r.nicknameStyle = c.style;
        const auto rows = run(r);
        // The lists' 2 827 characters, 王 among them (twice), nothing appended.
        ASSERT_EQ(m_candidates.size(), 2827u);
        std::multiset<std::string> expected;
        for (const std::string& a : usable())
            if (c.make(a).find("王") == std::string::npos)
                expected.insert(c.make(a));
        EXPECT_EQ(given(rows, 3), expected);
        EXPECT_EQ(given(rows, 3).count(c.make("阿")), 2u) << "阿 is on both lists";
    }
}

TEST_F(ListModesTest, NicknameCandidatesIgnoreSexAndLength)
{
    const Characters boys = numerology::SplitCharacters(boysCharacters());
    const Characters girls = numerology::SplitCharacters(girlsCharacters());
    std::set<std::string> onBoth;
    for (const std::string& c : girls)
        if (std::find(boys.begin(), boys.end(), c) != boys.end())
            onBoth.insert(c);
    EXPECT_EQ(boys.size() + girls.size(), 2827u);
    EXPECT_EQ(onBoth.size(), 703u);

    Characters absent = boys;
    absent.insert(absent.end(), girls.begin(), girls.end());
    EXPECT_EQ(nicknameCharacters("王"), absent) << "王 is on the lists";
    absent.push_back("赵");
    EXPECT_EQ(nicknameCharacters("赵"), absent);

    NamingRequest boy = request(Mode::Nickname, "李");
    NamingRequest girl = boy;
    girl.sex = "女";
    girl.givenLength = 1;
    const auto boyRows = run(boy);
    const auto girlRows = run(girl);
    EXPECT_EQ(given(boyRows, 3), given(girlRows, 3));
    EXPECT_FALSE(boyRows.empty());
}

} // namespace

namespace {

using namespace naming;

// Taboo characters are left out of every mode's list: the two given-name characters the list holds
// most are avoided, and the list then holds neither, but still the names without them.
TEST_F(ListModesTest, AvoidedCharactersNeverAppearInAnyMode)
{
    addPoemRows();
    NamingRequest super = request(Mode::SuperAuspicious, "李");
    NamingRequest highScore = request(Mode::HighScore, "李");
    NamingRequest combination = request(Mode::Combination, "李");
    combination.combinationText = kFormText;
    NamingRequest nickname = request(Mode::Nickname, "李");
    nickname.combinationText = kFormText;
    NamingRequest poem = request(Mode::Poem, "李");
    poem.poemCharacters = {"花", "间", "一", "明", "月", "照", "壶", "酒", "独", "酌"};
    poem.poemText = "花间一壶酒，独酌明月照。";
    NamingRequest oneCharacter = request(Mode::HighScore, "欧阳");
    oneCharacter.givenLength = 1;
    for (NamingRequest r : {super, highScore, combination, nickname, poem, oneCharacter}) {
        SCOPED_TRACE(static_cast<int>(r.mode));
        r.seed = 7;
        const auto before = run(r);
        std::map<std::string, int> counts;
        for (const NameRow& row : before)
            for (const std::string& c : numerology::SplitCharacters(row.name.substr(r.surname.size())))
                ++counts[c];
        ASSERT_GE(counts.size(), 3u);
        std::vector<std::pair<int, std::string>> byCount;
        for (const auto& [c, n] : counts)
            byCount.emplace_back(n, c);
        std::sort(byCount.rbegin(), byCount.rend());
        r.avoid = "、" + byCount[0].second + " " + byCount[1].second + "x"; // as typed in the setting
        r.avoid = normalizedAvoided(r.avoid);
        const auto after = run(r);
        EXPECT_FALSE(after.empty());
        for (const NameRow& row : after)
            EXPECT_FALSE(holdsAvoided(row.name.substr(r.surname.size()), r.avoid)) << row.name;
    }

    NamingRequest classic = request(Mode::Classic, "李");
    classic.seed = 7;
    classic.avoid = "明华";
    RunControl control;
    NamingRun all(m_store, classic, m_listener, control);
    ASSERT_EQ(all.run(), RunOutcome::Finished);
    classic.avoid = "";
    NamingRun plain(m_store, classic, m_listener, control);
    ASSERT_EQ(plain.run(), RunOutcome::Finished);
    ASSERT_NE(plain.text().find("明"), std::string::npos);
    EXPECT_EQ(all.text().find("明"), std::string::npos);
    EXPECT_EQ(all.text().find("华"), std::string::npos);
    EXPECT_FALSE(all.text().empty());
}

TEST(AvoidedCharacters, TypedTextKeepsChineseCharactersOnce)
{
    EXPECT_EQ(normalizedAvoided("明、华 明abc１"), "明华");
    EXPECT_EQ(normalizedAvoided(" ,;"), "");
    EXPECT_TRUE(holdsAvoided("李明", "华明"));
    EXPECT_FALSE(holdsAvoided("李明", ""));
    EXPECT_FALSE(holdsAvoided("李明", "华"));
}

} // namespace
