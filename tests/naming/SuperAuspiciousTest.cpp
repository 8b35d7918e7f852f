#include "naming/SuperAuspicious.h"
#include "NamingFixture.h"
#include "naming/CharacterLists.h"
#include "naming/ClassicNames.h"
#include "naming/NamingRun.h"
#include "numerology/NameScore.h"
#include "numerology/SplitCharacters.h"
#include "text/Gbk.h"

#include <algorithm>
#include <future>
#include <set>
#include <thread>

namespace {

using namespace naming;

class Recorder : public RunObserver
{
public:
    void rowsWritten(std::span<const NameRow> rows) override
    {
        streamed += rows.size();
        if (onBatch)
            onBatch();
    }
    void listFinished(const std::vector<NameRow>& rows) override { finished = rows.size(); }
    void textWritten(const std::string& value) override { text = value; }

    size_t streamed = 0;
    std::optional<size_t> finished;
    std::string text;
    std::function<void()> onBatch;
};

NamingRequest superRequest(std::string surname, std::string sex, ElementFilter filter = {})
{
    NamingRequest r;
    r.mode = Mode::SuperAuspicious;
    r.surname = std::move(surname);
    r.sex = std::move(sex);
    r.givenLength = 1; // plays no part: the mode always forms two-character names
    r.seed = 1;
    r.elements = std::move(filter);
    return r;
}

ElementFilter filter(ElementFilterRow second, ElementFilterRow third, ElementFilterRow must,
                     ElementFilterRow mustNot)
{
    return {std::move(second), std::move(third), std::move(must), std::move(mustNot)};
}

class SuperAuspiciousTest : public NamingFixture
{
protected:
    // Adds a made-up surname character with the given Kangxi count (and so 天格 = count + 1).
    std::string addSurname(int traditional)
    {
        static const char* const kSpare[] = {"甄", "鲍", "窦", "蔺", "戚", "谭", "邝", "滕", "乜", "亓"};
        const std::string character = kSpare[m_spare++];
        store::StoreQuery insert = m_store.Query(
            "insert into XW_CNWord (Id, 汉字, 简体笔画数, 繁体笔画数, 五行属性) values (?, ?, ?, ?, ?)",
            {std::int64_t{90000 + m_spare}, character, std::int64_t{traditional}, std::int64_t{traditional},
             std::string("金")});
        EXPECT_TRUE(insert) << character;
        return character;
    }

    // A surname whose 天格 (10) has a fortune word outside the threshold table, so every name is listed.
    std::string surnameWithoutThreshold()
    {
        EXPECT_TRUE(m_store.Query("update XW_八一灵动数 set 吉凶=? where Id=?",
                                  {std::string("平"), std::int64_t{10}}));
        return addSurname(9);
    }

    int m_spare = 0;
};

TEST(ElementSets, FollowTheCheckedBoxesWithTheirFallbacks)
{
    struct Case
    {
        const char* what;
        ElementFilter filter;
        ElementSets expected;
    };
    const Case cases[] = {
        {"form default", {}, {"金木水火土", "金木水火土", "金木水火土", ""}},
        {"limiters without boxes",
         filter({true, ""}, {true, ""}, {true, ""}, {true, ""}),
         {"金木水火土", "金木水火土", "金木水火土", ""}},
        {"boxes without limiters",
         filter({false, "金"}, {false, "木"}, {false, "水"}, {false, "火"}),
         {"金木水火土", "金木水火土", "金木水火土", ""}},
        {"boxes with limiters",
         filter({true, "金水"}, {true, "木"}, {true, "水土"}, {true, "火"}),
         {"金水", "木", "水土", "火"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ElementSets sets = buildElementSets(c.filter);
        EXPECT_EQ(sets.second, c.expected.second);
        EXPECT_EQ(sets.third, c.expected.third);
        EXPECT_EQ(sets.must, c.expected.must);
        EXPECT_EQ(sets.mustNot, c.expected.mustNot);
    }
}

TEST_F(SuperAuspiciousTest, ThresholdFollowsTheFortuneOfTheSurnamesHeavenGrid)
{
    // One surname per fortune word, with a 天格 whose row holds that word.
    const std::pair<const char*, int> words[] = {
        {"大凶", 96}, {"凶", 98}, {"中", 99}, {"吉", 100}, {"大吉", 100}};
    for (const auto& [word, threshold] : words) {
        SCOPED_TRACE(word);
        int heaven = 2;
        while (heaven < 60 && numerology::GridFortune(m_store, heaven) != word)
            ++heaven;
        ASSERT_LT(heaven, 60);
        const std::string surname = addSurname(heaven - 1);
        numerology::CharacterCache cache;
        cache.add(numerology::LookupCharacter(m_store, surname));
        numerology::CachedFortunes fortunes(m_store);
        EXPECT_EQ(superAuspiciousThreshold(numerology::SurnameHeavenFortune(fortunes, surname, cache)),
                  threshold);
    }
    // A 天格 without a row, and one whose row holds another word, list everything.
    ASSERT_TRUE(m_store.Query("insert into XW_八一灵动数 (Id, 吉凶) values (?, ?)",
                              {std::int64_t{95}, std::string("平")}));
    for (const int heaven : {91, 95}) {
        const std::string surname = addSurname(heaven - 1);
        numerology::CharacterCache cache;
        cache.add(numerology::LookupCharacter(m_store, surname));
        numerology::CachedFortunes fortunes(m_store);
        EXPECT_EQ(superAuspiciousThreshold(numerology::SurnameHeavenFortune(fortunes, surname, cache)), 0)
            << heaven;
    }
}

TEST_F(SuperAuspiciousTest, DefaultPanelPairsEveryUsableCandidate)
{
    Candidates candidates;
    for (std::string& c : characterListFor("女"))
        candidates.add(std::move(c));
    candidates.add("李");
    RunControl control;
    const FormedNames formed = formSuperAuspiciousNames(m_store, candidates, {}, control);
    size_t usable = 0;
    for (bool u : candidates.usable)
        usable += u;
    // Itself included, in candidate order: a, then every b.
    ASSERT_EQ(formed.names.size(), usable * usable);
    EXPECT_EQ(formed.names[0].first, formed.names[0].second);
    EXPECT_EQ(formed.names[usable - 1].first, formed.names[0].first);
}

TEST_F(SuperAuspiciousTest, RunListsTheBestNamesSortedAndScoredAsAlone)
{
    Recorder recorder;
    RunControl control;
    const std::string surname = surnameWithoutThreshold(); // a usable 金 character: formed, then skipped
    NamingRun run(m_store, superRequest(surname, "女", filter({true, "金"}, {true, "木水"}, {false, ""}, {})),
                  recorder, control);
    ASSERT_EQ(run.run(), RunOutcome::Finished);
    const Candidates& candidates = run.candidates();
    EXPECT_EQ(candidates.size(), 973u + 1u);
    const FormedNames& formed = run.formedNames();
    // Skipped: the names that hold the surname character, and only those; a name whose GBK bytes
    // hold the surname's across its two characters is a name like any other.
    size_t withSurname = 0, acrossBytes = 0;
    for (const FormedName& name : formed.names) {
        const std::string& a = candidates.characters[static_cast<size_t>(name.first)];
        const std::string& b = candidates.characters[static_cast<size_t>(name.second)];
        const bool holds = a == surname || b == surname;
        withSurname += holds;
        acrossBytes += !holds && text::toGbk(a + b).find(text::toGbk(surname)) != std::string::npos;
    }
    EXPECT_GT(acrossBytes, 0u);

    const std::vector<NameRow>& rows = run.rows();
    ASSERT_EQ(rows.size(), formed.names.size() - withSurname);
    EXPECT_EQ(recorder.finished, rows.size());
    EXPECT_EQ(recorder.streamed, rows.size());
    std::set<std::string> girls;
    for (std::string& c : numerology::SplitCharacters(girlsCharacters()))
        girls.insert(std::move(c));
    numerology::StoreFortunes plain(m_store);
    std::vector<std::string> atLeast90;
    for (size_t i = 0; i < rows.size(); ++i) {
        const NameRow& row = rows[i];
        ASSERT_EQ(row.number, static_cast<int>(i) + 1);
        if (i > 0) {
            ASSERT_LE(row.score.score, rows[i - 1].score.score);
        }
        const std::vector<std::string> parts = numerology::SplitCharacters(row.name);
        ASSERT_EQ(parts.size(), 3u);
        ASSERT_EQ(parts[0], surname);
        ASSERT_TRUE(girls.count(parts[1]) && girls.count(parts[2])) << row.name;
        ASSERT_EQ(row.score.elements.substr(3, 3), "金") << row.name;
        const std::string third = row.score.elements.substr(6, 3);
        ASSERT_TRUE(third == "木" || third == "水") << row.name;
        if (row.score.score >= 90)
            atLeast90.push_back(row.name);
        if (i % 97 == 0) {
            const numerology::NameScoreResult alone =
                numerology::ScoreName(surname, row.name.substr(3), candidates.cache, plain);
            ASSERT_EQ(row.cells()[5], numerology::gridsText(alone.grids));
            ASSERT_EQ(row.score.elements, alone.elements);
            ASSERT_EQ(row.score.score, alone.score);
        }
    }

    // A threshold lists exactly the names reaching it.
    const numerology::FortuneTables fortunes(m_store);
    std::vector<std::string> listed;
    for (const NameRow& row : listSuperAuspiciousNames(candidates, formed, surname,
                                                       {90, kSuperAuspiciousRows}, fortunes, control, {}))
        listed.push_back(row.name);
    std::sort(listed.begin(), listed.end());
    std::sort(atLeast90.begin(), atLeast90.end());
    EXPECT_FALSE(listed.empty());
    EXPECT_EQ(listed, atLeast90);
}

TEST_F(SuperAuspiciousTest, ElementFiltersChooseTheCharactersOfEachPosition)
{
    struct Case
    {
        const char* what;
        ElementFilter filter;
        std::string first;  // elements allowed for the first given-name character
        std::string second; // for the second
    };
    const Case cases[] = {
        {"second 金水", filter({true, "金水"}, {}, {}, {}), "金水", "金木水火土"},
        {"third 木", filter({}, {true, "木"}, {}, {}), "金木水火土", "木"},
        {"must not 火", filter({}, {}, {}, {true, "火"}), "金木水土", "金木水土"},
        {"must 水土, must not 土", filter({}, {}, {true, "水土"}, {true, "土"}), "水", "水"},
        {"must not without a box", filter({}, {}, {}, {true, ""}), "金木水火土", "金木水火土"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Candidates candidates;
        for (std::string& ch : characterListFor("女"))
            candidates.add(std::move(ch));
        RunControl control;
        const FormedNames formed = formSuperAuspiciousNames(m_store, candidates, c.filter, control);
        std::set<std::int32_t> firsts, seconds;
        for (const FormedName& name : formed.names) {
            firsts.insert(name.first);
            seconds.insert(name.second);
        }
        const auto expectOnly = [&](const std::set<std::int32_t>& used, const std::string& allowed) {
            size_t wanted = 0;
            for (size_t i = 0; i < candidates.size(); ++i) {
                const std::string& e = candidates.cache[i].element;
                wanted += candidates.usable[i] && allowed.find(e) != std::string::npos;
            }
            EXPECT_EQ(used.size(), wanted);
            for (std::int32_t i : used) {
                ASSERT_TRUE(candidates.usable[static_cast<size_t>(i)]);
                ASSERT_NE(allowed.find(candidates.cache[static_cast<size_t>(i)].element), std::string::npos);
            }
        };
        expectOnly(firsts, c.first);
        expectOnly(seconds, c.second);
        EXPECT_EQ(formed.names.size(), firsts.size() * seconds.size()) << "every pair, once";
    }

    // No limiter checked: nothing is formed, and the run ends normally with an empty list.
    Recorder recorder;
    RunControl control;
    NamingRun run(m_store, superRequest("李", "男", filter({}, {}, {}, {})), recorder, control);
    EXPECT_EQ(run.run(), RunOutcome::Finished);
    EXPECT_TRUE(run.formedNames().names.empty());
    EXPECT_EQ(recorder.finished, 0u);
}

TEST_F(SuperAuspiciousTest, ListStopsAtOneHundredThousandRowsAndNeverHoldsTheSurname)
{
    Recorder recorder;
    RunControl control;
    NamingRun run(m_store, superRequest(surnameWithoutThreshold(), "女"), recorder, control);
    ASSERT_EQ(run.run(), RunOutcome::Finished);
    EXPECT_EQ(run.rows().size(), kSuperAuspiciousRows);
    EXPECT_GT(run.formedNames().names.size(), kSuperAuspiciousRows);

    // The surname is a candidate, so names holding it are formed, and skipped; so are the doubles.
    Candidates candidates;
    for (const char* c : {"明", "王", "李"})
        candidates.add(c);
    RunControl all;
    const FormedNames formed = formSuperAuspiciousNames(m_store, candidates, {}, all);
    EXPECT_EQ(formed.names.size(), 9u);
    const numerology::FortuneTables fortunes(m_store);
    const auto rows = listSuperAuspiciousNames(candidates, formed, "李", {0, 100}, fortunes, all, {});
    ASSERT_EQ(rows.size(), 2u); // 明王, 王明
    for (const NameRow& row : rows)
        EXPECT_EQ(row.name.find("李", 3), std::string::npos) << row.name;
}

TEST_F(SuperAuspiciousTest, PauseHoldsTheListAndStopEndsCleanly)
{
    Recorder recorder;
    RunControl control;
    std::promise<size_t> held;
    bool heldOnce = false;
    recorder.onBatch = [&] { control.pause(); };
    control.setHoldHook([&] {
        if (!heldOnce) {
            heldOnce = true;
            held.set_value(recorder.streamed);
        }
    });
    NamingRun run(m_store, superRequest("李", "女"), recorder, control);
    std::thread worker([&] { run.run(); });
    const size_t atPause = held.get_future().get();
    EXPECT_EQ(recorder.streamed, atPause) << "nothing is written while the run is held";
    EXPECT_FALSE(recorder.finished.has_value());
    recorder.onBatch = {};
    control.stop();
    worker.join();
    EXPECT_FALSE(recorder.finished.has_value());
    EXPECT_LT(run.rows().size(), kSuperAuspiciousRows);
}

TEST(ClassicNames, TextLaysOutEveryEntryWithGapsAndBlankLines)
{
    struct Case
    {
        const char* sex;
        int length;
        size_t entries;
        const char* gap;
        size_t perLine;
    };
    const Case cases[] = {
        {"男", 2, 2910, "  ", 14},
        {"女", 2, 2134, "  ", 14},
        {"男", 1, 841, "   ", 16},
        {"女", 1, 294, "   ", 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sex) + std::to_string(c.length));
        const std::vector<std::string> entries = classicEntries(c.sex, c.length);
        ASSERT_EQ(entries.size(), c.entries);
        for (const std::string& entry : entries)
            ASSERT_EQ(numerology::SplitCharacters(entry).size(), static_cast<size_t>(c.length)) << entry;
        const std::string text = classicText("王", entries, c.length);
        // Lines of perLine names, each name followed by the gap, lines separated by a blank line.
        size_t names = 0;
        size_t start = 0;
        while (start < text.size()) {
            const size_t end = text.find("\r\n\r\n", start);
            const std::string line =
                text.substr(start, end == std::string::npos ? std::string::npos : end - start);
            size_t inLine = 0;
            for (size_t at = 0; at < line.size(); ++inLine) {
                ASSERT_EQ(line.substr(at, 3), "王");
                const size_t gapAt = line.find(c.gap, at);
                ASSERT_NE(gapAt, std::string::npos);
                ASSERT_EQ(line.substr(at + 3, gapAt - at - 3), entries[names + inLine]);
                at = gapAt + std::string(c.gap).size();
            }
            names += inLine;
            if (end == std::string::npos) {
                ASSERT_LE(inLine, c.perLine);
            } else {
                ASSERT_EQ(inLine, c.perLine);
            }
            start = end == std::string::npos ? text.size() : end + 4;
        }
        EXPECT_EQ(names, c.entries);
        EXPECT_EQ(text.find("\r\n\r\n\r\n"), std::string::npos);
    }
    EXPECT_TRUE(classicEntries("未知", 2).empty());
    EXPECT_EQ(classicText("王", {}, 2), "");
}

TEST_F(SuperAuspiciousTest, ClassicRunShufflesTheListAndLooksNothingUp)
{
    NamingRequest r;
    r.mode = Mode::Classic;
    r.surname = "王";
    r.sex = "男";
    r.givenLength = 2;
    r.seed = 1;
    Recorder a, b;
    RunControl control;
    NamingRun first(m_store, r, a, control);
    ASSERT_EQ(first.run(), RunOutcome::Finished);
    EXPECT_EQ(a.text, first.text());
    EXPECT_TRUE(first.candidates().cache.records().empty());
    EXPECT_NE(first.text(), classicText("王", classicEntries("男", 2), 2)) << "shuffled";
    r.seed = 2;
    NamingRun second(m_store, r, b, control);
    second.run();
    EXPECT_NE(second.text(), first.text());
    EXPECT_EQ(second.text().size(), first.text().size());

    r.sex = "未知";
    Recorder c;
    NamingRun none(m_store, r, c, control);
    EXPECT_EQ(none.run(), RunOutcome::Finished);
    EXPECT_EQ(none.text(), "");
}

} // namespace
