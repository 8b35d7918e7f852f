#include "numerology/NameScore.h"
#include "NumerologyFixture.h"

namespace {

using namespace numerology;

TEST(FiveGrids, ShapesAndElements)
{
    struct Case
    {
        int s1, s2, g1, g2;
        NameShape shape;
        FiveGrids expected;
    };
    const Case cases[] = {
        {7, 0, 8, 12, {1, 2}, {8, 15, 20, 27, 13}},    {7, 0, 10, 0, {1, 1}, {8, 17, 11, 17, 2}},
        {10, 12, 9, 14, {2, 2}, {22, 21, 23, 45, 24}}, {10, 12, 9, 0, {2, 1}, {22, 21, 10, 31, 11}},
        {0, 0, 8, 0, {1, 1}, {1, 8, 9, 8, 2}},     // a surname without a row: 天格 1
        {7, 99, 8, 99, {1, 1}, {8, 15, 9, 15, 2}}, // counts beyond the shape are ignored
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(gridsText(c.expected));
        EXPECT_EQ(ComputeFiveGrids(c.s1, c.s2, c.g1, c.g2, c.shape), c.expected);
    }
    EXPECT_EQ(ThreeTalentKey({8, 17, 11, 17, 2}), "金金木");
    EXPECT_EQ(NumberElement(10), "水");
    EXPECT_EQ(NumberElement(20), "水");
    EXPECT_EQ(NumberElement(2), "木");
    EXPECT_EQ(NumberElement(0), "水");
    EXPECT_EQ(gridsText({8, 15, 20, 27, 13}), "8,15,20,27,13");
}

TEST(NameScore, WeightedSumIsTruncatedExactly)
{
    using F = std::array<std::string, 6>;
    struct Case
    {
        F fortunes;
        int score;
    };
    const Case cases[] = {
        {{"大吉", "吉", "大吉", "吉", "大吉", "吉"}, 100},
        {{"大凶", "大凶", "大凶", "大凶", "大凶", "大凶"}, 30},
        {{"", "", "", "", "", ""}, 0},
        {{"大吉", "凶", "大吉", "大吉", "大吉", "大吉"}, 88},
        {{"吉", "吉", "中", "吉", "吉", "吉"}, 97},
        {{"大凶", "大吉", "大吉", "大吉", "大吉", "大吉"}, 96}, // 96.5
        {{"吉", "大吉", "中", "凶", "吉", "中"}, 86},           // 86.75
        {{"吉", "中", "吉", "吉", "吉", "吉"}, 95},             // 95.5: 0.85 x 30 is exactly 25.5
        {{"大吉", "大吉", "大吉", "", "大吉", "大吉"}, 80},     // 总格 without a row
        {{"大吉 ", "吉", "吉", "吉", "吉", "吉"}, 95},          // words compare whole
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        EXPECT_EQ(weightedScore(c.fortunes), c.score);
    }
}

TEST(NameScore, CeilingByHeavenFortune)
{
    EXPECT_EQ(ScoreCeiling("大凶"), 96);
    EXPECT_EQ(ScoreCeiling("凶"), 98);
    EXPECT_EQ(ScoreCeiling("中"), 99);
    EXPECT_EQ(ScoreCeiling("吉"), 100);
    EXPECT_EQ(ScoreCeiling("大吉"), 100);
    EXPECT_FALSE(ScoreCeiling("").has_value());
}

class NameScoreStore : public NumerologyFixture
{
protected:
    CharacterCache cacheOf(std::initializer_list<const char*> characters)
    {
        CharacterCache cache;
        for (const char* c : characters)
            cache.add(LookupCharacter(m_store, c));
        return cache;
    }
};

TEST_F(NameScoreStore, ScoresFromTheCacheAndTheTables)
{
    const CharacterCache cache = cacheOf({"明", "涵", "华", "李"});
    StoreFortunes direct(m_store);
    CachedFortunes cached(m_store);
    const NameScoreResult r = ScoreName("李", "明涵", cache, direct);
    EXPECT_EQ(r.grids, (FiveGrids{8, 15, 20, 27, 13}));
    EXPECT_EQ(r.simplifiedTotal, 7 + 8 + 11);
    EXPECT_EQ(r.elements, "木火水");
    EXPECT_EQ(r.threeTalentKey, "金土水");
    EXPECT_EQ(r.fortunes[kHeaven], GridFortune(m_store, 8));
    EXPECT_EQ(r.fortunes[kThreeTalents], ThreeTalentFortune(m_store, "金土水"));
    EXPECT_EQ(r.score, weightedScore(r.fortunes));

    for (int pass = 0; pass < 2; ++pass) {
        const NameScoreResult again = ScoreName("李", "明涵", cache, cached);
        EXPECT_EQ(again.fortunes, r.fortunes);
        EXPECT_EQ(again.score, r.score);
    }
}

TEST_F(NameScoreStore, NoStateCarriesOverAndMissingCharactersCountZero)
{
    const CharacterCache cache = cacheOf({"明", "涵", "欧", "阳"});
    StoreFortunes fortunes(m_store);
    ScoreName("欧阳", "明涵", cache, fortunes);
    const NameScoreResult one = ScoreName("李", "明", cache, fortunes);
    EXPECT_EQ(one.simplifiedTotal, 8) << "李 is not in the cache; only 明 counts";
    EXPECT_EQ(one.grids, (FiveGrids{1, 8, 9, 8, 2}));
    EXPECT_EQ(one.elements, "火");

    const NameScoreResult compound = ScoreName("欧阳", "明", cache, fortunes);
    EXPECT_EQ(compound.grids, (FiveGrids{32, 25, 9, 40, 16}));
    EXPECT_EQ(SurnameHeavenFortune(fortunes, "欧阳", cache), GridFortune(m_store, 32));
    EXPECT_EQ(SurnameHeavenFortune(fortunes, "李", cache), GridFortune(m_store, 1));
}

TEST_F(NameScoreStore, NumbersAboveEightyOneHaveNoFortune)
{
    EXPECT_EQ(GridFortune(m_store, 81), "大吉");
    EXPECT_EQ(GridFortune(m_store, 85), "");
    EXPECT_EQ(GridFortune(m_store, 0), "");
    EXPECT_EQ(ThreeTalentFortune(m_store, "金金"), "");
}

} // namespace
