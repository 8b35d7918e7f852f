#pragma once

#include "app/Controls.h"

#include <string>
#include <vector>

namespace app {

// One of our themes: the colours of a palette, from which the window host builds its palette and
// style sheet. Every text colour is readable on the colour it is drawn on (contrast 4.5:1 or more).
class Skin
{
public:
    std::string name;
    Rgb window;
    Rgb windowText;
    Rgb base;
    Rgb text;
    Rgb button;
    Rgb buttonText;
    Rgb highlight;
    Rgb highlightedText;
    Rgb accent; // group titles, tab headers, toolbars
    Rgb accentText;

    bool operator==(const Skin&) const = default;
};

inline constexpr int kFurtherSkinCount = 79;

// The skin applied at every start.
const Skin& startSkin();
// The further skins, in the order "更换皮肤" reaches them.
const std::vector<Skin>& skinList();

// WCAG contrast ratio of two colours (1 to 21).
double contrastRatio(Rgb a, Rgb b);

// The pairs of a skin that must stay readable: (text colour, background) for each part.
std::vector<std::pair<Rgb, Rgb>> textPairs(const Skin& skin);

// The skin order: SkinNumber is the 1-based position of the skin the next change applies; it starts
// at 1 and only grows, so the list never wraps around.
class SkinCycler
{
public:
    // The skin of the next change, or null once the list is used up; advances in every case.
    const Skin* next();
    int skinNumber() const { return m_skinNumber; }
    void reset() { m_skinNumber = 1; }

private:
    int m_skinNumber = 1;
};

} // namespace app
