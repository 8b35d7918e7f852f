#pragma once

#include <string>
#include <string_view>

namespace quality {

// One syllable of a reading: the letters without tone (ü written v) and the tone, 1 to 4, 5 for the
// neutral tone.
struct Syllable
{
    std::string plain;
    int tone = 5;

    bool operator==(const Syllable&) const = default;
};

// A syllable written with a tone mark, as the dictionary keeps the name readings ("lǜ", "zhāng");
// a syllable without a mark has the neutral tone.
Syllable parseMarkedSyllable(std::string_view marked);
// A syllable written with a tone digit, as the unlucky-word list keeps them ("lv4", "zi5"); no
// digit reads as the neutral tone.
Syllable parseNumberedSyllable(std::string_view numbered);

// The syllable as a speaker who confuses n/l, zh/z, ch/c, sh/s, an/ang, en/eng and in/ing says it:
// two syllables that fold alike are near ("nan" and "lang" fold to "lan").
std::string foldSyllable(std::string_view plain);

// 平 for tones 1 and 2, 仄 for 3, 4 and the neutral tone.
std::string_view pingze(int tone) noexcept;

} // namespace quality
