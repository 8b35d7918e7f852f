// The listing scores on numbers (fortune tables, a score table by pair of Kangxi counts); every row
// it writes must equal ScoreName of the same name, field by field, on the fixture and on the real
// database.
#include "NamingFixture.h"
#include "naming/CharacterLists.h"
#include "naming/NamingRun.h"
#include "numerology/FortuneTables.h"
#include "numerology/NameScore.h"
#include "numerology/SplitCharacters.h"

#include <limits>

namespace {

using namespace naming;

// Every formed name not holding the surname is listed (threshold 0, no row limit, doubles and surname
// characters kept, so every pair is scored), and each row
// equals ScoreName's result; the names holding the surname are exactly the ones left out.
void expectListingEqualsScoreName(const store::NamingStore& namingStore, Candidates candidates,
                                  const std::string& surname, int givenLength,
                                  const GenerationSetting& generation = {})
{
    SCOPED_TRACE(surname + " length " + std::to_string(givenLength));
    RunControl control;
    const FormedNames formed = FormNames(namingStore, candidates, givenLength, generation, control);
    const numerology::FortuneTables tables(namingStore);
    const std::vector<NameRow> rows = ListScoredNames(
        candidates, formed, surname, {0, std::numeric_limits<size_t>::max(), false}, tables, control, {});
    numerology::CachedFortunes reference(namingStore);
    size_t holdingSurname = 0;
    size_t row = 0;
    for (const FormedName& name : formed.names) {
        const std::string given = formed.givenName(candidates, name);
        if (given.find(surname) != std::string::npos) {
            ++holdingSurname;
            continue;
        }
        ASSERT_LT(row, rows.size());
        const NameRow& listed = rows[row++];
        ASSERT_EQ(listed.name, surname + given);
        const numerology::NameScoreResult expected =
            numerology::ScoreName(surname, given, candidates.cache, reference);
        const numerology::NameScoreResult& actual = listed.score;
        ASSERT_EQ(actual.score, expected.score) << listed.name;
        ASSERT_EQ(actual.grids, expected.grids) << listed.name;
        ASSERT_EQ(actual.fortunes, expected.fortunes) << listed.name;
        ASSERT_EQ(actual.threeTalentKey, expected.threeTalentKey) << listed.name;
        ASSERT_EQ(actual.elements, expected.elements) << listed.name;
        ASSERT_EQ(actual.simplifiedTotal, expected.simplifiedTotal) << listed.name;
    }
    EXPECT_EQ(rows.size(), row);
    EXPECT_EQ(rows.size() + holdingSurname, formed.names.size());
}

Candidates candidatesOf(const std::vector<std::string>& characters)
{
    Candidates candidates;
    for (const std::string& c : characters)
        candidates.add(c);
    return candidates;
}

// Every k-th character of both built-in lists.
std::vector<std::string> sampleOfTheLists(size_t k)
{
    std::vector<std::string> out;
    for (const char* sex : {"男", "女"}) {
        const std::vector<std::string> list = characterListFor(sex);
        for (size_t i = 0; i < list.size(); i += k)
            out.push_back(list[i]);
    }
    return out;
}

class ScoringEqualityTest : public NamingFixture
{
};

TEST_F(ScoringEqualityTest, EveryPairOfAFixtureListScoresAsScoreName)
{
    // A sample of the lists, a repeated candidate, a character without a row, an unusable one and
    // the surname characters.
    std::vector<std::string> characters = sampleOfTheLists(23);
    for (const char* extra : {"明", "明", "乂", "李", "欧", "阳"})
        characters.emplace_back(extra);
    for (const char* surname : {"李", "欧阳", "乂"})
        for (int length : {1, 2})
            expectListingEqualsScoreName(m_store, candidatesOf(characters), surname, length);

    GenerationSetting second;
    second.enabled = true;
    second.fixSecond = true;
    second.secondChar = "明";
    expectListingEqualsScoreName(m_store, candidatesOf(characters), "李", 2, second);
    GenerationSetting typedAsTwo;
    typedAsTwo.enabled = true;
    typedAsTwo.fixThird = true;
    typedAsTwo.thirdChar = "明华";
    expectListingEqualsScoreName(m_store, candidatesOf(characters), "欧阳", 2, typedAsTwo);
}

TEST_F(ScoringEqualityTest, FortuneTablesGiveTheWordsTheStoreGives)
{
    numerology::FortuneTables tables(m_store);
    for (int number = -3; number <= 200; ++number)
        ASSERT_EQ(tables.word(tables.gridWord(number)), numerology::GridFortune(m_store, number)) << number;
    for (int key = 0; key < numerology::kThreeTalentKeys; ++key) {
        const std::string_view text = numerology::threeTalentKeyText(key);
        ASSERT_EQ(tables.word(tables.talentWord(key)), numerology::ThreeTalentFortune(m_store, text)) << text;
    }
    EXPECT_EQ(tables.threeTalentFortune("金金"), "");
    const numerology::FiveGrids grids{8, 17, 11, 17, 2};
    EXPECT_EQ(numerology::threeTalentKeyText(numerology::threeTalentKeyNumber(grids)), "金金木");
}

TEST_F(ScoringEqualityTest, CharactersFetchedTogetherEqualSingleLookups)
{
    // More than one query's worth, with repeats and characters without a row.
    std::vector<std::string> characters = sampleOfTheLists(3);
    for (const char* extra : {"乂", "明", "明", "a", "乂"})
        characters.emplace_back(extra);
    ASSERT_GT(characters.size(), 300u);
    const std::vector<numerology::CharacterRecord> together =
        numerology::lookupCharacters(m_store, characters);
    ASSERT_EQ(together.size(), characters.size());
    for (size_t i = 0; i < characters.size(); ++i) {
        const numerology::CharacterRecord alone = numerology::LookupCharacter(m_store, characters[i]);
        ASSERT_EQ(together[i].character, alone.character);
        ASSERT_EQ(together[i].simplifiedStrokes, alone.simplifiedStrokes) << alone.character;
        ASSERT_EQ(together[i].traditionalStrokes, alone.traditionalStrokes) << alone.character;
        ASSERT_EQ(together[i].element, alone.element) << alone.character;
    }
}

TEST(ScoringEqualityRealDatabase, ASampleOfTheRealListsScoresAsScoreName)
{
    store::NamingStore namingStore;
    if (!loadRealDatabase(namingStore))
        GTEST_SKIP() << "no built database at " << realDatabaseFile();
    std::vector<std::string> characters = sampleOfTheLists(25);
    for (const char* surname : {"李", "欧阳", "王"}) {
        std::vector<std::string> withSurname = characters;
        for (std::string& c : numerology::SplitCharacters(surname))
            withSurname.push_back(std::move(c));
        for (int length : {1, 2})
            expectListingEqualsScoreName(namingStore, candidatesOf(withSurname), surname, length);
    }
}

} // namespace
