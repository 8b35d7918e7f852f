#include "app/Skins.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace app {
namespace {

TEST(Skins, OneStartSkinAndSeventyNineFurther)
{
    EXPECT_EQ(skinList().size(), 79u);
    for (const Skin& s : skinList())
        EXPECT_FALSE(s == startSkin());
}

TEST(Skins, EverySkinIsDistinctAndReadable)
{
    std::vector<Skin> all{startSkin()};
    all.insert(all.end(), skinList().begin(), skinList().end());
    std::set<std::tuple<int, int, int, int, int, int>> looks;
    std::set<std::string> names;
    for (const Skin& s : all) {
        SCOPED_TRACE(s.name);
        looks.insert({s.window.r, s.window.g, s.window.b, s.accent.r, s.accent.g, s.accent.b});
        names.insert(s.name);
        for (const auto& [text, background] : textPairs(s))
            EXPECT_GE(contrastRatio(text, background), 4.5);
    }
    EXPECT_EQ(looks.size(), all.size());
    EXPECT_EQ(names.size(), all.size());
}

TEST(Skins, ContrastRatioMatchesKnownValues)
{
    EXPECT_NEAR(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio({255, 255, 255}, {255, 255, 255}), 1.0, 1e-9);
    EXPECT_NEAR(contrastRatio({0x76, 0x76, 0x76}, {255, 255, 255}), 4.54, 0.01);
}

TEST(Skins, CyclerNeverWraps)
{
    SkinCycler cycler;
    for (int i = 0; i < kFurtherSkinCount; ++i) {
        const Skin* s = cycler.next();
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(*s, skinList()[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(cycler.next(), nullptr);
    EXPECT_EQ(cycler.next(), nullptr);
    cycler.reset();
    EXPECT_EQ(*cycler.next(), skinList()[0]);
}

} // namespace
} // namespace app
