// NameLikeness: how name-like a given name is, from real given names.
#include "naming/CharacterLists.h"
#include "naming/NameLikeness.h"
#include "store/NamingStore.h"
#include "store/TableLayouts.h"
#include "text/Utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace naming {
namespace {

constexpr std::string_view kNameKind = "常见名";
constexpr std::string_view kFirstKind = "名首字";
constexpr std::string_view kLastKind = "名末字";
constexpr std::string_view kPairKind = "诗词对";
constexpr std::string_view kLeanKind = "字性别";
constexpr std::string_view kClassicKind = "经典名";
constexpr std::string_view kRefusedKind = "非名";

// Witnesses that make a support strong (the upper half of a freshness step in a list's order); among
// real names a name of the classic lists is strong.
constexpr int kStrongClassicalLines = 20;
constexpr int kStrongAtPlace = 200;
// The freshness (hundredths) a name must reach for each step above the lowest: the quartiles of the
// names the high-score and super-auspicious lists put first.
constexpr std::array<int, 3> kFreshSteps = {-228, -158, -95};

int sexSign(std::string_view sex)
{
    return sex == "男" ? 1 : sex == "女" ? -1 : 0;
}

std::pair<std::string_view, std::string_view> twoCharacters(std::string_view given)
{
    const std::string_view first = text::firstUtf8Character(given);
    const std::string_view rest = given.substr(first.size());
    const std::string_view second = text::firstUtf8Character(rest);
    if (second.size() != rest.size())
        return {first, {}}; // one character, or more than two: judged by the first
    return {first, second};
}

// "男12 女3": the names of the boys' and the girls' classic lists with the character at that place.
std::pair<int, int> classicPlaceCounts(std::string_view note)
{
    int counts[2] = {0, 0};
    for (const std::string& part : text::splitText(note, " ")) {
        const int index = part.starts_with("男") ? 0 : part.starts_with("女") ? 1 : -1;
        if (index < 0)
            continue;
        const std::string_view digits = std::string_view(part).substr(std::string_view("男").size());
        std::from_chars(digits.data(), digits.data() + digits.size(), counts[index]);
    }
    return {counts[0], counts[1]};
}

} // namespace

namespace {

// By NameSupport's value: the key of score --json and the words of a report.
struct SupportWords
{
    std::string_view key;
    std::string_view caption;
};
constexpr std::array<SupportWords, 4> kSupportWords = {{{"none", "无"},
                                                        {"common-characters", "常见名字用字"},
                                                        {"classical", "古典出处"},
                                                        {"real-name", "真实人名"}}};

} // namespace

std::string_view supportKey(NameSupport support)
{
    return kSupportWords.at(static_cast<size_t>(support)).key;
}

std::string_view supportCaption(NameSupport support)
{
    return kSupportWords.at(static_cast<size_t>(support)).caption;
}

void NameLikeness::addName(std::string_view given, int count, std::string_view sex)
{
    m_names[std::string(given)] += count;
    if (const int sign = sexSign(sex))
        m_nameSex[std::string(given)] = sign;
}

void NameLikeness::addPlace(std::string_view character, bool first, int count)
{
    (first ? m_first : m_last)[std::string(character)] += count;
}

void NameLikeness::addClassicalPair(std::string_view pair, int lines)
{
    m_pairs[std::string(pair)] += lines;
}

void NameLikeness::setLean(std::string_view character, int lean)
{
    m_lean[std::string(character)] = lean;
}

void NameLikeness::addClassicPlace(std::string_view character, bool first, int boys, int girls)
{
    std::array<Counts, 2>& counts = first ? m_classicFirst : m_classicLast;
    counts[0][std::string(character)] += boys;
    counts[1][std::string(character)] += girls;
}

bool NameLikeness::classicAtPlace(std::string_view character, bool first, std::string_view sex) const
{
    const std::array<Counts, 2>& counts = first ? m_classicFirst : m_classicLast;
    const int sign = sexSign(sex);
    const int uses = sign > 0   ? countOf(counts[0], character)
                     : sign < 0 ? countOf(counts[1], character)
                                : countOf(counts[0], character) + countOf(counts[1], character);
    return uses >= kClassicListAtPlace;
}

void NameLikeness::addClassicName(std::string_view given, std::string_view sex)
{
    m_classic[std::string(given)] = sexSign(sex);
}

void NameLikeness::refuse(std::string_view given)
{
    m_refused[std::string(given)] = 1;
}

int NameLikeness::countOf(const Counts& counts, std::string_view key)
{
    const auto it = counts.find(key);
    return it == counts.end() ? 0 : it->second;
}

int NameLikeness::realNames(std::string_view given) const
{
    return countOf(m_names, given);
}

bool NameLikeness::isRealName(std::string_view given) const
{
    return m_classic.contains(given) || realNames(given) >= kRealNameWitnesses;
}

int NameLikeness::namesUsing(std::string_view character) const
{
    return countOf(m_first, character) + countOf(m_last, character);
}

int NameLikeness::classicalLines(std::string_view pair) const
{
    return countOf(m_pairs, pair);
}

NameLikeness::Lean NameLikeness::leanOf(std::string_view given) const
{
    Lean lean;
    for (std::string_view rest = given; !rest.empty();) {
        const std::string_view character = text::firstUtf8Character(rest);
        if (character.empty())
            break;
        rest.remove_prefix(character.size());
        const int one = countOf(m_lean, character);
        lean.sum += one;
        lean.most = std::max(lean.most, one);
        lean.least = std::min(lean.least, one);
    }
    return lean;
}

bool NameLikeness::characterSuitsSex(std::string_view character, std::string_view sex) const
{
    const int sign = sexSign(sex);
    return sign == 0 || sign * countOf(m_lean, character) > -kCharacterVeto;
}

bool NameLikeness::suitsSex(std::string_view given, std::string_view sex) const
{
    const int sign = sexSign(sex);
    if (sign == 0)
        return true;
    // A name of one classic list only is that list's sex; then the sex inferred for a real name.
    if (const auto classic = m_classic.find(given); classic != m_classic.end() && classic->second != 0)
        return classic->second == sign;
    if (const auto known = m_nameSex.find(given); known != m_nameSex.end())
        return known->second == sign;
    const Lean lean = leanOf(given);
    const int against = sign > 0 ? -lean.least : lean.most;
    return sign * lean.sum > -kSexMargin && against < kCharacterVeto;
}

Support NameLikeness::support(std::string_view given, std::string_view sex) const
{
    if (!suitsSex(given, sex) || m_refused.contains(given))
        return {};
    const auto [first, second] = twoCharacters(given);
    if (second.empty()) {
        const int uses = std::max(countOf(m_first, first), countOf(m_last, first));
        return uses >= kCommonAtPlace ? Support{NameSupport::CommonCharacters, uses} : Support{};
    }
    if (isRealName(given))
        return {NameSupport::RealName, realNames(given)};
    if (const int sign = sexSign(sex)) {
        const Lean lean = leanOf(given);
        if ((sign > 0 ? -lean.least : lean.most) >= kUnattestedVeto)
            return {};
    }
    if (!classicAtPlace(first, true, sex) || !classicAtPlace(second, false, sex))
        return {};
    const int uses = std::min(countOf(m_first, first), countOf(m_last, second));
    if (const int lines = classicalLines(given); lines >= kClassicalLines && uses >= kClassicalAtPlace)
        return {NameSupport::Classical, lines};
    return uses >= kCommonAtPlace ? Support{NameSupport::CommonCharacters, uses} : Support{};
}

int NameLikeness::freshness(std::string_view character, bool first) const
{
    const std::array<Counts, 2>& classic = first ? m_classicFirst : m_classicLast;
    const int listed = countOf(classic[0], character) + countOf(classic[1], character);
    const int named = countOf(first ? m_first : m_last, character);
    return static_cast<int>(std::lround(100 * std::log((listed + 1.0) / (named + kFreshnessDamping))));
}

int NameLikeness::freshness(std::string_view given) const
{
    const auto [first, second] = twoCharacters(given);
    if (second.empty())
        return 2 * freshness(first, false); // a one-character name is read as a name's last character
    return freshness(first, true) + freshness(second, false);
}

std::uint8_t NameLikeness::fit(std::string_view given, std::string_view sex) const
{
    const Support s = support(given, sex);
    if (s.kind == NameSupport::None)
        return 0;
    // Four steps of freshness within each kind of support, and within a step the stronger witness
    // first: common characters 4..11, classical pairs 12..19, real names 20..27.
    const int step = static_cast<int>(std::count_if(
        kFreshSteps.begin(), kFreshSteps.end(), [fresh = freshness(given)](int at) { return fresh >= at; }));
    const bool strong = s.kind == NameSupport::RealName    ? m_classic.contains(given)
                        : s.kind == NameSupport::Classical ? s.count >= kStrongClassicalLines
                                                           : s.count >= kStrongAtPlace;
    return static_cast<std::uint8_t>(8 * static_cast<int>(s.kind) - 4 + 2 * step + (strong ? 1 : 0));
}

NameLikeness NameLikeness::fromClassicLists()
{
    NameLikeness model;
    std::unordered_map<std::string, std::pair<int, int>> uses; // boys, girls
    const std::pair<std::string_view, std::string_view> lists[] = {{classicTwoCharacterBoys(), "男"},
                                                                   {classicTwoCharacterGirls(), "女"}};
    for (const auto& [list, sex] : lists)
        for (const std::string& entry : text::splitText(list, ",")) {
            const std::vector<std::string> name = text::utf8Characters(entry);
            if (name.size() != 2)
                continue;
            const bool boys = sex == "男";
            for (const std::string& character : name)
                ++(boys ? uses[character].first : uses[character].second);
            model.addClassicPlace(name[0], true, boys ? 1 : 0, boys ? 0 : 1);
            model.addClassicPlace(name[1], false, boys ? 1 : 0, boys ? 0 : 1);
            if (model.realNames(entry) > 0) {
                model.m_nameSex.erase(entry); // on both lists: either sex
                model.addClassicName(entry, {});
                continue;
            }
            model.addName(entry, kRealNameWitnesses, sex);
            model.addClassicName(entry, sex);
            model.addPlace(name[0], true, 1);
            model.addPlace(name[1], false, 1);
        }
    for (const auto& [character, counts] : uses)
        model.setLean(character, static_cast<int>(std::lround(
                                     100 * std::log((counts.first + 1.0) / (counts.second + 1.0)))));
    return model;
}

NameLikeness NameLikeness::load(const store::NamingStore& store)
{
    namespace col = store::namecheck;
    static const std::string sql =
        store::selectSql(store::kNameCheckTable, {col::kKind, col::kWord, col::kLevel, col::kReason},
                         "where " + std::string(col::kKind.name) +
                             " in ('常见名', '名首字', '名末字', '诗词对', '字性别', '经典名', '非名')");
    NameLikeness model;
    store::StoreQuery q = store.Query(sql);
    while (store.hasRow(q)) {
        const std::string kind = store.ColumnText(q, col::kKind);
        const std::string word = store.ColumnText(q, col::kWord);
        const int count = static_cast<int>(store.ColumnInt(q, col::kLevel));
        if (kind == kNameKind)
            model.addName(word, count, store.ColumnText(q, col::kReason));
        else if (kind == kFirstKind || kind == kLastKind) {
            model.addPlace(word, kind == kFirstKind, count);
            const auto [boys, girls] = classicPlaceCounts(store.ColumnText(q, col::kReason));
            model.addClassicPlace(word, kind == kFirstKind, boys, girls);
        } else if (kind == kPairKind)
            model.addClassicalPair(word, count);
        else if (kind == kLeanKind)
            model.setLean(word, count);
        else if (kind == kClassicKind)
            model.addClassicName(word, store.ColumnText(q, col::kReason));
        else if (kind == kRefusedKind)
            model.refuse(word);
        store.Step(q);
    }
    return model.empty() ? fromClassicLists() : model;
}

} // namespace naming
