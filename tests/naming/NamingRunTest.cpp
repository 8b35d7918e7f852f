#include "naming/NamingRun.h"
#include "NamingFixture.h"
#include "naming/CharacterLists.h"
#include "naming/NameLikeness.h"
#include "numerology/NameScore.h"
#include "numerology/SplitCharacters.h"

#include <algorithm>
#include <future>
#include <numeric>
#include <set>
#include <thread>

namespace {

using namespace naming;

class Recorder : public RunObserver
{
public:
    void showMessage(const core::Message& message) override { messages.push_back(message); }
    void rowsWritten(std::span<const NameRow> rows) override
    {
        streamed += rows.size();
        ++batches;
        if (onBatch)
            onBatch();
    }
    void listFinished(const std::vector<NameRow>& rows) override { finished = rows.size(); }

    std::vector<core::Message> messages;
    size_t streamed = 0;
    size_t batches = 0;
    std::optional<size_t> finished;
    std::function<void()> onBatch;
};

NamingRequest request(std::string surname, std::string sex, int length, std::uint64_t seed = 1)
{
    NamingRequest r;
    r.mode = Mode::HighScore;
    r.surname = std::move(surname);
    r.sex = std::move(sex);
    r.givenLength = length;
    r.seed = seed;
    return r;
}

std::vector<std::string> names(const std::vector<NameRow>& rows)
{
    std::vector<std::string> out;
    for (const NameRow& row : rows)
        out.push_back(row.name);
    return out;
}

class NamingRunTest : public NamingFixture
{
protected:
    std::vector<NameRow> run(const NamingRequest& r, Recorder& recorder,
                             RunOutcome expected = RunOutcome::Finished)
    {
        RunControl control;
        NamingRun namingRun(m_store, r, recorder, control);
        EXPECT_EQ(namingRun.run(), expected);
        return namingRun.rows();
    }

    // Every row must equal what scoring the name on its own gives.
    void expectRowsMatchScores(const std::vector<NameRow>& rows, const std::string& surname,
                               const numerology::CharacterCache& cache)
    {
        numerology::StoreFortunes fortunes(m_store);
        for (size_t i = 0; i < rows.size(); i += 37) {
            const std::string given = rows[i].name.substr(surname.size());
            const numerology::NameScoreResult alone = numerology::ScoreName(surname, given, cache, fortunes);
            ASSERT_EQ(rows[i].cells()[7], std::to_string(alone.score)) << rows[i].name;
            ASSERT_EQ(rows[i].cells()[5], numerology::gridsText(alone.grids)) << rows[i].name;
            ASSERT_EQ(rows[i].score.elements, alone.elements);
        }
    }
};

TEST_F(NamingRunTest, HighScoreListIsSortedCappedAndFreeOfTheSurname)
{
    Recorder recorder;
    RunControl control;
    NamingRun namingRun(m_store, request("李", "男", 2), recorder, control);
    ASSERT_EQ(namingRun.run(), RunOutcome::Finished);
    const std::vector<NameRow>& rows = namingRun.rows();
    ASSERT_FALSE(rows.empty());
    EXPECT_LE(rows.size(), 10000u);
    EXPECT_EQ(recorder.finished, rows.size());
    EXPECT_EQ(recorder.streamed, rows.size());
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(namingRun.candidates().size(), 401u);

    std::set<std::string> boys;
    for (std::string& c : numerology::SplitCharacters(boysCharacters()))
        boys.insert(std::move(c));
    for (size_t i = 0; i < rows.size(); ++i) {
        const NameRow& row = rows[i];
        ASSERT_EQ(row.number, static_cast<int>(i) + 1);
        ASSERT_GE(row.score.score, 90);
        if (i > 0) {
            ASSERT_LE(row.score.score, rows[i - 1].score.score);
        }
        const std::vector<std::string> parts = numerology::SplitCharacters(row.name);
        ASSERT_EQ(parts.size(), 3u);
        ASSERT_EQ(parts[0], "李");
        ASSERT_TRUE(boys.count(parts[1]) && boys.count(parts[2])) << row.name;
    }
    expectRowsMatchScores(rows, "李", namingRun.candidates().cache);
}

TEST_F(NamingRunTest, SeedReproducesTheList)
{
    Recorder a, b, c;
    const auto first = names(run(request("李", "男", 2, 7), a));
    EXPECT_EQ(first, names(run(request("李", "男", 2, 7), b)));
    EXPECT_NE(first, names(run(request("李", "男", 2, 8), c)));
}

TEST_F(NamingRunTest, FormedNamesNeverRepeatASurnameCharacterNorDoubleOne)
{
    // 明 is a candidate twice, so 鼎明 is formed twice. Nicknames turn the rule off: then only the
    // names holding the whole surname are skipped, and 欧阳鼎阳, 诸葛厚葛 and the doubles are listed.
    struct Case
    {
        const char* surname;
        std::vector<const char*> characters;
        bool plain;
        std::vector<std::string> want; // sorted given names (plain) or names that must be listed
    };
    const Case cases[] = {
        {"欧阳", {"鼎", "明", "欧", "阳", "明"}, true, {"明鼎", "明鼎", "鼎明", "鼎明"}},
        {"诸葛", {"厚", "葛", "诸", "和"}, true, {"和厚", "厚和"}},
        {"欧阳", {"鼎", "明", "欧", "阳", "明"}, false, {"鼎阳", "明明", "阳欧"}},
        {"诸葛", {"厚", "葛", "诸", "和"}, false, {"厚葛", "和和", "葛诸"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.surname) + (c.plain ? " plain" : " nicknames"));
        Candidates candidates;
        for (const char* character : c.characters)
            candidates.add(character);
        RunControl control;
        const FormedNames formed = FormNames(m_store, candidates, 2, {}, control);
        const numerology::FortuneTables fortunes(m_store);
        const auto rows =
            ListScoredNames(candidates, formed, c.surname, {0, 10000, c.plain}, fortunes, control, {});
        std::vector<std::string> given;
        for (const NameRow& row : rows)
            given.push_back(row.name.substr(std::string_view(c.surname).size()));
        std::sort(given.begin(), given.end());
        if (c.plain) {
            std::vector<std::string> want = c.want;
            std::sort(want.begin(), want.end());
            EXPECT_EQ(given, want);
        } else {
            for (const std::string& name : c.want)
                EXPECT_TRUE(std::binary_search(given.begin(), given.end(), name)) << name;
            // Only the pairs that spell the surname are skipped.
            const auto spelled =
                std::count_if(formed.names.begin(), formed.names.end(), [&](const FormedName& n) {
                    return formed.givenName(candidates, n).find(c.surname) != std::string::npos;
                });
            EXPECT_EQ(given.size() + static_cast<size_t>(spelled), formed.names.size());
        }
        expectRowsMatchScores(rows, c.surname, candidates.cache);
    }
}

TEST_F(NamingRunTest, GenerationCharacterListsEveryUsableCandidate)
{
    for (const bool second : {true, false}) {
        SCOPED_TRACE(second);
        NamingRequest r = request("王", "男", 2);
        r.generation = {true, second, "明", !second, "明"};
        Recorder recorder;
        RunControl control;
        NamingRun namingRun(m_store, r, recorder, control);
        ASSERT_EQ(namingRun.run(), RunOutcome::Finished);
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, kGenerationMessage);
        EXPECT_EQ(recorder.messages[0].icon, core::MessageIcon::Warning);

        const Candidates& candidates = namingRun.candidates();
        size_t usable = 0;
        for (size_t i = 0; i < candidates.size(); ++i)
            usable += candidates.usable[i] && candidates.characters[i] != "王";
        EXPECT_EQ(namingRun.rows().size(), usable);
        for (const NameRow& row : namingRun.rows()) {
            const auto parts = numerology::SplitCharacters(row.name);
            ASSERT_EQ(parts[second ? 1 : 2], "明") << row.name;
            // The fixed character counts with its own strokes.
            numerology::StoreFortunes fortunes(m_store);
            numerology::CharacterCache cache;
            for (const std::string& p : parts)
                cache.add(numerology::LookupCharacter(m_store, p));
            ASSERT_EQ(row.score.score,
                      numerology::ScoreName("王", row.name.substr(3), cache, fortunes).score);
        }
    }
}

TEST_F(NamingRunTest, OneCharacterNamesListEveryUsableCandidate)
{
    Recorder recorder;
    RunControl control;
    NamingRequest r = request("李", "女", 1);
    r.generation = {true, true, "明", false, ""}; // ignored for one-character names
    NamingRun namingRun(m_store, r, recorder, control);
    ASSERT_EQ(namingRun.run(), RunOutcome::Finished);
    EXPECT_EQ(namingRun.candidates().size(), 973u + 1u);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, kOneCharacterMessage);
    size_t usable = 0;
    for (bool u : namingRun.candidates().usable)
        usable += u;
    // Every usable candidate but the surname itself.
    EXPECT_EQ(namingRun.rows().size(), usable - 1);
}

TEST_F(NamingRunTest, EmptySurnameEndsAtOnce)
{
    Recorder recorder;
    EXPECT_TRUE(run(request("", "男", 2), recorder, RunOutcome::NoSurname).empty());
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, core::kNoSurnameMessage);
}

TEST_F(NamingRunTest, PauseHoldsTheListAndStopEndsCleanly)
{
    Recorder recorder;
    RunControl control;
    std::promise<size_t> held;
    bool heldOnce = false;
    recorder.onBatch = [&] {
        if (recorder.batches == 2)
            control.pause();
    };
    control.setHoldHook([&] {
        if (!heldOnce) {
            heldOnce = true;
            held.set_value(recorder.streamed);
        }
    });
    NamingRun namingRun(m_store, request("李", "男", 2), recorder, control);
    std::thread worker([&] { namingRun.run(); });
    const size_t atPause = held.get_future().get();
    EXPECT_EQ(recorder.streamed, atPause) << "nothing is written while the run is held";
    EXPECT_FALSE(recorder.finished.has_value());
    control.resume();
    worker.join();
    EXPECT_TRUE(recorder.finished.has_value());

    Recorder stopper;
    RunControl stopControl;
    stopper.onBatch = [&] { stopControl.stop(); };
    NamingRun stopped(m_store, request("李", "男", 2), stopper, stopControl);
    EXPECT_EQ(stopped.run(), RunOutcome::Stopped);
    EXPECT_FALSE(stopper.finished.has_value());
}

TEST(ShuffleList, PermutesReproducibly)
{
    std::vector<int> a(100), b(100);
    std::iota(a.begin(), a.end(), 0);
    b = a;
    ShuffleSeeder s1(5), s2(5);
    ShuffleList(a, s1);
    ShuffleList(b, s2);
    EXPECT_EQ(a, b);
    std::vector<int> sorted = a;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> identity(100);
    std::iota(identity.begin(), identity.end(), 0);
    EXPECT_EQ(sorted, identity) << "every element once: nothing lost, nothing doubled";
    EXPECT_NE(a[0] + a[1] * 100, 100) << "not left in order";
    ShuffleList(b, s2); // the counter moved on: a second shuffle differs
    EXPECT_NE(a, b);
}

} // namespace

namespace {

naming::NameRow scoredRow(const char* name, int score, std::uint8_t marks = 0, std::uint8_t fit = 0)
{
    naming::NameRow row;
    row.name = name;
    row.score.score = score;
    row.marks = marks;
    row.fit = fit;
    return row;
}

std::vector<std::string> namesOf(const std::vector<naming::NameRow>& rows)
{
    std::vector<std::string> names;
    for (const naming::NameRow& row : rows)
        names.push_back(row.name);
    return names;
}

// Equal scores: unmarked names first, the first given-name characters taking turns in the order they
// first appear; higher scores first as before; the numbers follow the new order.
TEST(FinishNameList, EqualScoresTakeTurnsAndMarkedNamesGoLast)
{
    std::vector<naming::NameRow> rows = {scoredRow("李安一", 100),    scoredRow("李安二", 100),
                                         scoredRow("李安三", 100),    scoredRow("李博一", 100),
                                         scoredRow("李妖一", 100, 1), scoredRow("李博二", 100),
                                         scoredRow("李成一", 100),    scoredRow("李低", 80),
                                         scoredRow("李高", 100, 2),   scoredRow("李安四", 95)};
    naming::FinishNameList(rows, std::string("李").size());
    EXPECT_EQ(namesOf(rows), (std::vector<std::string>{"李安一", "李博一", "李成一", "李安二", "李博二",
                                                       "李安三", "李妖一", "李高", "李安四", "李低"}));
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].number, static_cast<int>(i) + 1);
}

// Within one kind of support a name of fresh characters (used often by the classic lists, by few real
// names) goes before a stale one, whatever their witnesses; the kind still comes first.
TEST(NameLikeness, FresherNamesFirstWithinOneKindOfSupport)
{
    naming::NameLikeness model;
    model.addName("晓红", 9);
    model.addName("晓涵", naming::NameLikeness::kRealNameWitnesses);
    model.addClassicalPair("晓云", 30);
    const struct
    {
        const char* character;
        bool first;
        int realNames;
        int listed; // by each classic list
    } places[] = {
        {"晓", true, 100, 20}, {"红", false, 2000, 5}, {"涵", false, 100, 60}, {"云", false, 60, 30}};
    for (const auto& p : places) {
        model.addPlace(p.character, p.first, p.realNames);
        model.addClassicPlace(p.character, p.first, p.listed, p.listed);
    }
    EXPECT_GT(model.freshness("晓涵"), model.freshness("晓红"));
    EXPECT_GT(model.fit("晓涵"), model.fit("晓红"));
    EXPECT_EQ(model.support("晓云").kind, naming::NameSupport::Classical);
    EXPECT_GT(model.freshness("晓云"), model.freshness("晓红"));
    EXPECT_GT(model.fit("晓红"), model.fit("晓云"));
}

// Among equal scores real names come first, then pairs side by side in verse, then pairs of characters
// each common at its place, then the rest (marked names still last); a name leaning to the other sex
// has no support; and within the turns of one first character a last character not yet shown goes
// first.
TEST(FinishNameList, RealNamesFirstThenClassicalPairsThenCommonCharactersAndLastCharactersVary)
{
    // A small model: 子轩 is a real name; 子 starts and 涵 ends many; 举 ends few, 涵 starts none;
    // 子云 stands in many lines of verse; 芳 leans far to girls' names, 子 a little to boys'.
    naming::NameLikeness model;
    model.addName("子轩", 3);
    model.addName("子芳", 9, "女");
    model.addPlace("子", true, 200);
    model.addPlace("涵", false, 90);
    model.addPlace("云", false, naming::NameLikeness::kClassicalAtPlace);
    model.addPlace("举", false, naming::NameLikeness::kCommonAtPlace - 1);
    model.addClassicalPair("子云", 30);
    model.addClassicalPair("子举", naming::NameLikeness::kClassicalLines - 1);
    model.setLean("芳", -300);
    model.setLean("子", 50);
    // The classic lists use 子 first and 涵 and 云 last; 大 starts many real names but no listed one.
    model.addPlace("大", true, 200);
    for (const char* last : {"涵", "云"})
        model.addClassicPlace(last, false, 3, 3);
    model.addClassicPlace("子", true, 3, 3);
    using naming::NameSupport;
    const struct
    {
        const char* given;
        const char* sex;
        NameSupport support;
    } cases[] = {
        {"子轩", "", NameSupport::RealName},
        {"子云", "男", NameSupport::Classical},
        {"子涵", "女", NameSupport::CommonCharacters},
        {"子举", "", NameSupport::None},
        {"涵子", "", NameSupport::None},
        {"子", "", NameSupport::CommonCharacters},
        {"涵", "", NameSupport::CommonCharacters},
        {"举", "", NameSupport::None},
        {"", "", NameSupport::None},
        {"子芳", "女", NameSupport::RealName},
        {"子芳", "男", NameSupport::None}, // a girls' name, whatever its witnesses
        {"芳涵", "男", NameSupport::None}, // 芳 leans too far for a boy
        {"芳涵", "女", NameSupport::None}, // suits, but 芳 starts no real name
        {"大涵", "", NameSupport::None},   // 大 starts many real names, but no name of the lists
    };
    for (const auto& c : cases)
        EXPECT_EQ(model.support(c.given, c.sex).kind, c.support) << c.given << ' ' << c.sex;
    EXPECT_GT(model.fit("子轩"), model.fit("子云"));
    EXPECT_GT(model.fit("子云"), model.fit("子涵"));
    EXPECT_GT(model.fit("子涵"), model.fit("子举"));
    EXPECT_EQ(model.fit("子举"), 0);
    // Without counts in the database, the classic lists are the real names, each of its list's sex.
    const naming::NameLikeness classic = naming::NameLikeness::fromClassicLists();
    EXPECT_EQ(classic.support("博涛", "男").kind, NameSupport::RealName);
    EXPECT_EQ(classic.support("梦璐", "女").kind, NameSupport::RealName);
    EXPECT_EQ(classic.support("梦璐", "男").kind, NameSupport::None);

    // Equal scores ordered by the model's fit: 子轩 before 子涵 before 子举, whatever their order in.
    std::vector<naming::NameRow> ordered = {scoredRow("李子举", 100), scoredRow("李子涵", 100),
                                            scoredRow("李子轩", 100), scoredRow("李涵子", 90)};
    for (naming::NameRow& row : ordered)
        row.fit = model.fit(std::string_view(row.name).substr(std::string("李").size()));
    naming::FinishNameList(ordered, std::string("李").size());
    EXPECT_EQ(namesOf(ordered), (std::vector<std::string>{"李子轩", "李子涵", "李子举", "李涵子"}));

    std::vector<naming::NameRow> rows = {scoredRow("李甲乙", 100, 0, 0), scoredRow("李丙丁", 100, 0, 2),
                                         scoredRow("李庚辛", 100, 1, 2), scoredRow("李戊己", 100, 0, 1),
                                         scoredRow("李壬癸", 100, 1, 0)};
    naming::FinishNameList(rows, std::string("李").size());
    EXPECT_EQ(namesOf(rows), (std::vector<std::string>{"李丙丁", "李戊己", "李甲乙", "李庚辛", "李壬癸"}));

    rows = {scoredRow("李安一", 100), scoredRow("李安二", 100), scoredRow("李博一", 100),
            scoredRow("李博三", 100)};
    naming::FinishNameList(rows, std::string("李").size());
    EXPECT_EQ(namesOf(rows), (std::vector<std::string>{"李安一", "李博三", "李安二", "李博一"}));
}

} // namespace
