#include "app/Skins.h"

#include <algorithm>
#include <cmath>

namespace app {
namespace {

struct Hsl
{
    double h; // degrees
    double s; // 0..1
    double l; // 0..1
};

std::uint8_t channel(double v)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(v * 255.0), 0L, 255L));
}

Rgb fromHsl(Hsl c)
{
    const double chroma = (1.0 - std::fabs(2.0 * c.l - 1.0)) * c.s;
    const double hp = std::fmod(c.h, 360.0) / 60.0;
    const double x = chroma * (1.0 - std::fabs(std::fmod(hp, 2.0) - 1.0));
    double r = 0, g = 0, b = 0;
    if (hp < 1) {
        r = chroma;
        g = x;
    } else if (hp < 2) {
        r = x;
        g = chroma;
    } else if (hp < 3) {
        g = chroma;
        b = x;
    } else if (hp < 4) {
        g = x;
        b = chroma;
    } else if (hp < 5) {
        r = x;
        b = chroma;
    } else {
        r = chroma;
        b = x;
    }
    const double m = c.l - chroma / 2.0;
    return {channel(r + m), channel(g + m), channel(b + m)};
}

double linear(std::uint8_t v)
{
    const double c = v / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Rgb c)
{
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

// The text colour for a background: a tinted near-black or near-white, whichever reads better; when
// the tint falls short of 4.5:1, plain black or white.
Rgb textOn(Rgb background, double hue)
{
    const Rgb dark = fromHsl({hue, 0.35, 0.12});
    const Rgb light = fromHsl({hue, 0.30, 0.97});
    const Rgb tinted = contrastRatio(dark, background) >= contrastRatio(light, background) ? dark : light;
    if (contrastRatio(tinted, background) >= 4.6)
        return tinted;
    return contrastRatio(Rgb{0, 0, 0}, background) >= contrastRatio(Rgb{255, 255, 255}, background)
               ? Rgb{0, 0, 0}
               : Rgb{255, 255, 255};
}

// The look of a family of skins: saturation and lightness of window, base, button, highlight, accent.
struct Family
{
    const char* name;
    double windowS, windowL, baseS, baseL, buttonS, buttonL, highlightS, highlightL, accentS, accentL;
};

// clang-format off
constexpr Family kFamilies[] = {
    {"清新", 0.45, 0.93, 0.30, 0.99, 0.40, 0.86, 0.55, 0.45, 0.50, 0.38},
    {"浓彩", 0.60, 0.80, 0.35, 0.97, 0.55, 0.70, 0.70, 0.35, 0.65, 0.30},
    {"夜色", 0.30, 0.16, 0.25, 0.10, 0.30, 0.24, 0.60, 0.55, 0.45, 0.32},
    {"柔和", 0.20, 0.88, 0.15, 0.96, 0.22, 0.78, 0.35, 0.50, 0.30, 0.45},
};

constexpr double kHues[] = {
    0, 18, 36, 54, 72, 90, 108, 126, 144, 162, 180, 198, 216, 234, 252, 270, 288, 306, 324, 342,
};
// clang-format on

const char* const kHueNames[] = {"胭脂", "珊瑚", "琥珀", "金秋", "柠檬", "新芽", "竹林",
                                 "翡翠", "薄荷", "碧波", "青瓷", "湖水", "晴空", "海蓝",
                                 "靛青", "紫藤", "丁香", "洋红", "蔷薇", "桃花"};

Skin makeSkin(const Family& f, double hue, const std::string& name)
{
    Skin s;
    s.name = name;
    s.window = fromHsl({hue, f.windowS, f.windowL});
    s.base = fromHsl({hue, f.baseS, f.baseL});
    s.button = fromHsl({hue, f.buttonS, f.buttonL});
    s.highlight = fromHsl({hue, f.highlightS, f.highlightL});
    s.accent = fromHsl({hue, f.accentS, f.accentL});
    s.windowText = textOn(s.window, hue);
    s.text = textOn(s.base, hue);
    s.buttonText = textOn(s.button, hue);
    s.highlightedText = textOn(s.highlight, hue);
    s.accentText = textOn(s.accent, hue);
    return s;
}

std::vector<Skin> buildAll()
{
    // 4 families x 20 hues = 80 skins: the first is the start skin, the other 79 the list.
    std::vector<Skin> all;
    for (const Family& f : kFamilies)
        for (std::size_t i = 0; i < std::size(kHues); ++i)
            all.push_back(makeSkin(f, kHues[i], std::string(kHueNames[i]) + f.name));
    // Start in a calm blue rather than in red.
    std::rotate(all.begin(), all.begin() + 12, all.begin() + 20);
    return all;
}

const std::vector<Skin>& allSkins()
{
    static const std::vector<Skin> all = buildAll();
    return all;
}

} // namespace

const Skin& startSkin()
{
    return allSkins().front();
}

const std::vector<Skin>& skinList()
{
    static const std::vector<Skin> list(allSkins().begin() + 1, allSkins().end());
    return list;
}

double contrastRatio(Rgb a, Rgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<std::pair<Rgb, Rgb>> textPairs(const Skin& skin)
{
    return {{skin.windowText, skin.window},
            {skin.text, skin.base},
            {skin.buttonText, skin.button},
            {skin.highlightedText, skin.highlight},
            {skin.accentText, skin.accent}};
}

const Skin* SkinCycler::next()
{
    const Skin* skin = nullptr;
    if (m_skinNumber >= 1 && m_skinNumber <= kFurtherSkinCount)
        skin = &skinList()[static_cast<std::size_t>(m_skinNumber - 1)];
    if (m_skinNumber < kFurtherSkinCount + 1000000) // grows in every case; bounded so it never overflows
        ++m_skinNumber;
    return skin;
}

} // namespace app
