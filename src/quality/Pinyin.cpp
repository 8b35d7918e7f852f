#include "quality/Pinyin.h"

#include <array>

namespace quality {
namespace {

struct MarkedVowel
{
    std::string_view marked;
    char plain;
    int tone;
};

// clang-format off
constexpr std::array<MarkedVowel, 29> kMarkedVowels = {{
    {"ā", 'a', 1}, {"á", 'a', 2}, {"ǎ", 'a', 3}, {"à", 'a', 4},
    {"ē", 'e', 1}, {"é", 'e', 2}, {"ě", 'e', 3}, {"è", 'e', 4},
    {"ī", 'i', 1}, {"í", 'i', 2}, {"ǐ", 'i', 3}, {"ì", 'i', 4},
    {"ō", 'o', 1}, {"ó", 'o', 2}, {"ǒ", 'o', 3}, {"ò", 'o', 4},
    {"ū", 'u', 1}, {"ú", 'u', 2}, {"ǔ", 'u', 3}, {"ù", 'u', 4},
    {"ǖ", 'v', 1}, {"ǘ", 'v', 2}, {"ǚ", 'v', 3}, {"ǜ", 'v', 4}, {"ü", 'v', 5},
    {"ń", 'n', 2}, {"ň", 'n', 3}, {"ǹ", 'n', 4}, {"ḿ", 'm', 2},
}};
// clang-format on

} // namespace

Syllable parseMarkedSyllable(std::string_view marked)
{
    Syllable out;
    size_t i = 0;
    while (i < marked.size()) {
        const auto byte = static_cast<unsigned char>(marked[i]);
        if (byte < 0x80) {
            if (marked[i] >= 'A' && marked[i] <= 'Z')
                out.plain += static_cast<char>(marked[i] - 'A' + 'a');
            else if (marked[i] >= 'a' && marked[i] <= 'z')
                out.plain += marked[i];
            ++i;
            continue;
        }
        bool known = false;
        for (const MarkedVowel& vowel : kMarkedVowels)
            if (marked.substr(i).starts_with(vowel.marked)) {
                out.plain += vowel.plain;
                if (vowel.tone != 5)
                    out.tone = vowel.tone;
                i += vowel.marked.size();
                known = true;
                break;
            }
        if (!known)
            ++i; // a byte of a mark we do not know: left out
    }
    return out;
}

Syllable parseNumberedSyllable(std::string_view numbered)
{
    Syllable out;
    for (char c : numbered) {
        if (c >= '1' && c <= '5')
            out.tone = c - '0';
        else if (c >= 'a' && c <= 'z')
            out.plain += c;
        else if (c >= 'A' && c <= 'Z')
            out.plain += static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string foldSyllable(std::string_view plain)
{
    std::string out(plain);
    if (out.size() > 2 && (out.starts_with("zh") || out.starts_with("ch") || out.starts_with("sh")))
        out.erase(1, 1);
    else if (out.size() > 1 && out.front() == 'n' && out[1] != 'g')
        out.front() = 'l';
    if (out.ends_with("ang") || out.ends_with("eng") || out.ends_with("ing"))
        out.pop_back(); // the final -ng said as -n
    return out;
}

std::string_view pingze(int tone) noexcept
{
    return tone == 1 || tone == 2 ? "平" : "仄";
}

} // namespace quality
