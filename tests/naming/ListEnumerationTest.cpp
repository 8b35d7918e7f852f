// The lists the runs write, held against a plain enumeration of the same rules on the real database:
// every pair the mode forms, in forming order, without the names that hold the surname or a character of
// it or double a character, scored one
// by one with ScoreName, kept at or above the threshold, up to the list's size. A listing that drops
// or adds a name shows here as a difference of sets.
#include "NamingFixture.h"
#include "naming/CharacterLists.h"
#include "naming/NamingRun.h"
#include "naming/SuperAuspicious.h"
#include "numerology/FiveGrids.h"
#include "numerology/FortuneSource.h"
#include "numerology/NameScore.h"
#include "numerology/SplitCharacters.h"

#include <algorithm>
#include <cstdint>

namespace {

using namespace naming;

struct EnumerationCase
{
    Mode mode;
    const char* surname;
    const char* sex;
    int givenLength;
    const char* typed;    // combination mode: the typed characters
    const char* mustHold; // a name the list must hold ("" for none)
};

class QuietObserver : public RunObserver
{
};

std::vector<std::string> sortedNames(const std::vector<NameRow>& rows)
{
    std::vector<std::string> names;
    names.reserve(rows.size());
    for (const NameRow& row : rows)
        names.push_back(row.name);
    std::sort(names.begin(), names.end());
    return names;
}

// The candidates a mode forms names from, as the rules give them. Super-auspicious and high-score
// shuffle (and high-score draws 400 characters): the order, which decides what a full list keeps, is
// taken from the run; for super-auspicious the characters themselves must be the sex's whole list.
std::vector<std::string> candidatesFor(const EnumerationCase& c, const NamingRun& run)
{
    std::vector<std::string> out;
    if (c.mode == Mode::SuperAuspicious)
        out = characterListFor(c.sex);
    else if (c.mode == Mode::Combination)
        out = numerology::SplitCharacters(c.typed);
    else
        return run.candidates().characters;
    if (c.mode == Mode::SuperAuspicious || std::string_view(c.typed).find(c.surname) == std::string::npos)
        for (std::string& part : numerology::SplitCharacters(c.surname))
            out.push_back(std::move(part));
    if (c.mode == Mode::SuperAuspicious) {
        std::vector<std::string> shuffled = run.candidates().characters;
        std::sort(out.begin(), out.end());
        std::sort(shuffled.begin(), shuffled.end());
        EXPECT_EQ(shuffled, out);
        return run.candidates().characters;
    }
    return out;
}

// The names the rules admit, in forming order, as full names with their scores.
std::vector<std::string> enumerate(const store::NamingStore& store, const EnumerationCase& c,
                                   const std::vector<std::string>& characters, int threshold, size_t cap)
{
    numerology::CharacterCache cache;
    std::vector<bool> usable;
    for (const std::string& character : characters) {
        const numerology::CharacterRecord record = numerology::LookupCharacter(store, character);
        usable.push_back(numerology::IsUsable(record));
        cache.add(record);
    }
    numerology::CachedFortunes fortunes(store);
    std::vector<std::string> names;
    const std::vector<std::string> surnameCharacters = numerology::SplitCharacters(c.surname);
    // A formed name never repeats a surname character nor doubles one of its own.
    const auto plain = [&](const std::string& a, const std::string& b) {
        return a != b &&
               std::find(surnameCharacters.begin(), surnameCharacters.end(), a) == surnameCharacters.end() &&
               std::find(surnameCharacters.begin(), surnameCharacters.end(), b) == surnameCharacters.end();
    };
    const auto consider = [&](const std::string& given) {
        if (names.size() >= cap || given.find(c.surname) != std::string::npos)
            return;
        if (numerology::ScoreName(c.surname, given, cache, fortunes).score >= threshold)
            names.push_back(c.surname + given);
    };
    for (size_t a = 0; a < characters.size(); ++a) {
        if (!usable[a])
            continue;
        if (c.givenLength == 1) {
            if (plain(characters[a], {}))
                consider(characters[a]);
            continue;
        }
        for (size_t b = 0; b < characters.size(); ++b)
            // Super-auspicious pairs usable characters only; the other modes pair with any candidate.
            if ((usable[b] || c.mode != Mode::SuperAuspicious) && plain(characters[a], characters[b]))
                consider(characters[a] + characters[b]);
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ListEnumeration, EveryModesListEqualsAPlainEnumerationOfItsRules)
{
    store::NamingStore store;
    if (!loadRealDatabase(store))
        GTEST_SKIP() << "no built database at " << realDatabaseFile();
    // Surnames of few and many strokes, one and two characters, both sexes. 钦钮 and 欣钊 hold the
    // GBK bytes of 张 and 李 across their two characters.
    const EnumerationCase cases[] = {
        {Mode::SuperAuspicious, "张", "男", 2, "", "张钦钮"},
        {Mode::SuperAuspicious, "李", "女", 2, "", "李欣钊"},
        {Mode::SuperAuspicious, "丁", "女", 2, "", ""},
        {Mode::SuperAuspicious, "欧阳", "男", 2, "", ""},
        {Mode::SuperAuspicious, "龚", "男", 2, "", ""},
        {Mode::HighScore, "王", "男", 2, "", ""},
        {Mode::HighScore, "诸葛", "女", 2, "", ""},
        {Mode::HighScore, "李", "女", 1, "", ""},
        {Mode::Combination, "张", "男", 2, "钦钮明华", "张钦钮"},
        {Mode::Combination, "李", "男", 1, "欣钊明", ""},
    };
    for (const EnumerationCase& c : cases) {
        SCOPED_TRACE(std::string(c.surname) + c.sex + " mode " + std::to_string(static_cast<int>(c.mode)) +
                     " length " + std::to_string(c.givenLength));
        NamingRequest request;
        request.mode = c.mode;
        request.surname = c.surname;
        request.sex = c.sex;
        request.givenLength = c.givenLength;
        request.combinationText = c.typed;
        request.seed = 1;
        QuietObserver observer;
        RunControl control;
        NamingRun run(store, request, observer, control);
        ASSERT_EQ(run.run(), RunOutcome::Finished);

        const bool super = c.mode == Mode::SuperAuspicious;
        numerology::CachedFortunes fortunes(store);
        numerology::CharacterCache surnameCache;
        for (const std::string& part : numerology::SplitCharacters(c.surname))
            surnameCache.add(numerology::LookupCharacter(store, part));
        const bool highScore = c.mode == Mode::HighScore;
        // High-score lists two-character names from 90 points, one-character names from 0.
        const int threshold = super ? superAuspiciousThreshold(
                                          numerology::SurnameHeavenFortune(fortunes, c.surname, surnameCache))
                              : highScore && c.givenLength == 2 ? ListingLimits{}.threshold
                                                                : 0;
        const size_t cap = super ? kSuperAuspiciousRows : highScore ? ListingLimits{}.maxRows : SIZE_MAX;
        const std::vector<std::string> expected = enumerate(store, c, candidatesFor(c, run), threshold, cap);
        const std::vector<NameRow>& rows = run.rows();
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(sortedNames(rows), expected);
        if (*c.mustHold) {
            EXPECT_TRUE(std::binary_search(expected.begin(), expected.end(), std::string(c.mustHold)));
        }
        // Best score first, numbered from 1.
        for (size_t i = 0; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].number, static_cast<int>(i) + 1);
            if (i > 0) {
                ASSERT_LE(rows[i].score.score, rows[i - 1].score.score) << rows[i].name;
            }
        }
    }
}

} // namespace
