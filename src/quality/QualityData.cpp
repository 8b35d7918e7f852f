#include "quality/QualityData.h"

#include "quality/Exemptions.h"
#include "quality/Pinyin.h"
#include "quality/SurnameReadings.h"
#include "store/NamingStore.h"
#include "store/TableLayouts.h"
#include "text/Utf8.h"

#include <algorithm>
#include <array>

namespace quality {
namespace {

constexpr std::string_view kWordKind = "谐音";
constexpr std::string_view kLevelKind = "字级";
constexpr std::string_view kPoorKind = "忌用字";
constexpr std::string_view kNamesakeKind = "名人";
constexpr std::string_view kWordReadingKind = "词读音";
// 级别 of a hand-listed well-known name that a longer name starting with it brings to mind (赵薇雅).
constexpr int kHeardInLonger = 2;
// How many real given names start or end with a character (the name-likeness rows).
constexpr std::string_view kFirstUseKind = "名首字";
constexpr std::string_view kLastUseKind = "名末字";
// Windows of the full name that are compared with the words: two to four characters.
constexpr size_t kShortestWindow = 2, kLongestWindow = 4;
// From this length on a window that sounds like a word with other tones still counts: three
// syllables in a row are heard as the word, and chance matches of that length are rare. A shorter
// window is heard as a common word with one tone off (春人 as 蠢人).
constexpr size_t kTonelessWindow = 3;
constexpr int kNeutralTone = 5;
constexpr size_t kMaxCharacters = 8;

// The characters of a name as views into its text (at most kMaxCharacters).
size_t splitCharacters(std::string_view text, std::array<std::string_view, kMaxCharacters>& out, size_t at)
{
    size_t i = 0;
    while (i < text.size() && at < out.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        length = std::min(length, text.size() - i);
        out[at++] = text.substr(i, length);
        i += length;
    }
    return at;
}

std::uint64_t windowKey(std::span<const std::uint16_t> syllables)
{
    std::uint64_t key = 0;
    for (std::uint16_t s : syllables)
        key = (key << 16) | s;
    return key;
}

} // namespace

QualityData QualityData::load(const store::NamingStore& store)
{
    QualityData data;
    namespace col = store::namecheck;
    static const std::string sql = store::selectSql(
        store::kNameCheckTable, {col::kKind, col::kWord, col::kPinyin, col::kLevel, col::kReason}, "");
    store::StoreQuery q = store.Query(sql);
    std::vector<std::pair<std::string, std::string>> poor;
    std::vector<std::pair<std::string, std::string>> wordReadings;
    std::unordered_map<std::string, int> uses;
    while (store.hasRow(q)) {
        const std::string kind = store.ColumnText(q, col::kKind);
        if (kind == kWordKind)
            data.addWord(store.ColumnText(q, col::kWord), store.ColumnText(q, col::kPinyin),
                         store.ColumnText(q, col::kReason),
                         static_cast<std::uint32_t>(std::max(0, store.ColumnInt(q, col::kLevel))));
        else if (kind == kLevelKind)
            data.addCharacter(store.ColumnText(q, col::kWord), store.ColumnText(q, col::kPinyin),
                              store.ColumnInt(q, col::kLevel));
        else if (kind == kPoorKind)
            poor.emplace_back(store.ColumnText(q, col::kWord), store.ColumnText(q, col::kReason));
        else if (kind == kNamesakeKind)
            data.addNamesake(store.ColumnText(q, col::kWord),
                             store.ColumnInt(q, col::kLevel) == kHeardInLonger);
        else if (kind == kWordReadingKind)
            wordReadings.emplace_back(store.ColumnText(q, col::kWord), store.ColumnText(q, col::kPinyin));
        else if (kind == kFirstUseKind || kind == kLastUseKind)
            uses[store.ColumnText(q, col::kWord)] += store.ColumnInt(q, col::kLevel);
        store.Step(q);
    }
    if (data.m_characters.empty()) {
        // An older database: the readings of the character table, no levels.
        static const std::string characters =
            store::selectSql(store::kCharacterTable, {store::cnword::kCharacter, store::cnword::kPinyin}, "");
        store::StoreQuery c = store.Query(characters);
        while (store.hasRow(c)) {
            data.addCharacter(store.ColumnText(c, store::cnword::kCharacter),
                              store.ColumnText(c, store::cnword::kPinyin), -1);
            store.Step(c);
        }
    }
    for (auto& [character, reason] : poor)
        data.addPoorCharacter(character, std::move(reason));
    for (const auto& [character, count] : uses)
        data.addNameUses(character, count);
    data.addSurnameReadings(surnameReadingTable());
    for (const auto& [word, reading] : wordReadings)
        data.addWordReading(word, reading);
    data.addExemptions(exemptionTable());
    return data;
}

std::uint16_t QualityData::syllableId(const std::string& plain)
{
    const auto found = m_syllables.find(plain);
    if (found != m_syllables.end())
        return found->second;
    const auto id = static_cast<std::uint16_t>(m_syllables.size() + 1); // 0 is no reading
    m_syllables.emplace(plain, id);
    return id;
}

void QualityData::setReading(CharacterInfo& info, std::string_view markedSyllable)
{
    const Syllable s = parseMarkedSyllable(markedSyllable);
    info.pinyin = std::string(markedSyllable);
    info.syllable = s.plain.empty() ? 0 : syllableId(s.plain);
    info.folded = s.plain.empty() ? 0 : syllableId(foldSyllable(s.plain));
    info.tone = static_cast<std::uint8_t>(s.tone);
}

void QualityData::addCharacter(std::string character, std::string_view markedPinyin, int level)
{
    CharacterInfo& info = m_characters[std::move(character)];
    if (!markedPinyin.empty())
        setReading(info, markedPinyin);
    info.level = static_cast<std::int8_t>(std::clamp(level, -1, 3));
    m_hasLevels = m_hasLevels || level >= 0;
}

void QualityData::addWord(std::string_view word, std::string_view numberedPinyin, std::string reason,
                          std::uint32_t count)
{
    const std::vector<std::string> parts = text::splitText(numberedPinyin, " ");
    if (parts.size() != text::utf8Length(word) || parts.size() < kShortestWindow ||
        parts.size() > kLongestWindow)
        return;
    std::vector<std::uint16_t> folded;
    Word entry{std::string(word), {}, {}, std::move(reason), count};
    for (const std::string& part : parts) {
        const Syllable s = parseNumberedSyllable(part);
        entry.syllables.push_back(syllableId(s.plain));
        folded.push_back(syllableId(foldSyllable(s.plain)));
        entry.tones.push_back(static_cast<std::uint8_t>(s.tone));
    }
    m_words[windowKey(folded)].push_back(std::move(entry));
    ++m_wordCount;
}

void QualityData::addPoorCharacter(std::string_view character, std::string reason)
{
    CharacterInfo& info = m_characters[std::string(character)];
    info.poor = static_cast<std::int32_t>(m_poorReasons.size());
    m_poorReasons.push_back(std::move(reason));
}

void QualityData::addNamesake(std::string_view fullName, bool heardInLonger)
{
    m_namesakes.emplace(fullName);
    if (heardInLonger)
        m_heardInLonger.emplace(fullName);
}

void QualityData::addNameUses(std::string_view character, int uses)
{
    auto found = m_characters.find(character);
    if (found == m_characters.end()) {
        found = m_characters.emplace(std::string(character), CharacterInfo{}).first;
        found->second.level = static_cast<std::int8_t>(m_hasLevels ? kNotListed : kUnknownLevel);
    }
    found->second.nameUses = std::max(0, uses);
    m_hasNameUses = true;
}

std::vector<QualityData::CharacterInfo> QualityData::readingsOf(std::string_view text,
                                                                std::string_view markedSyllables)
{
    const std::vector<std::string> characters = text::utf8Characters(text);
    const std::vector<std::string> syllables = text::splitText(markedSyllables, " ");
    if (characters.empty() || characters.size() != syllables.size())
        return {};
    std::vector<CharacterInfo> infos;
    for (size_t i = 0; i < characters.size(); ++i) {
        CharacterInfo reading;
        if (const CharacterInfo* known = info(characters[i]))
            reading = *known;
        setReading(reading, syllables[i]);
        infos.push_back(std::move(reading));
    }
    return infos;
}

void QualityData::addSurnameReading(std::string_view surname, std::string_view markedSyllables)
{
    if (std::vector<CharacterInfo> infos = readingsOf(surname, markedSyllables); !infos.empty())
        m_surnames[std::string(surname)] = std::move(infos);
}

void QualityData::addWordReading(std::string_view given, std::string_view markedSyllables)
{
    if (std::vector<CharacterInfo> infos = readingsOf(given, markedSyllables); !infos.empty())
        m_wordReadings[std::string(given)] = std::move(infos);
}

void QualityData::addExemption(std::string_view given)
{
    m_exemptions.emplace(given);
}

void QualityData::addExemptions(std::string_view table)
{
    for (const std::string& line : text::splitText(table, "\n")) {
        const std::vector<std::string> cells = text::splitText(line, "\t");
        if (!line.empty() && line.front() != '#' && !cells.empty() && !cells[0].empty())
            addExemption(cells[0]);
    }
}

void QualityData::addSurnameReadings(std::string_view table)
{
    for (const std::string& line : text::splitText(table, "\n")) {
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string> cells = text::splitText(line, "\t");
        if (cells.size() >= 2)
            addSurnameReading(cells[0], cells[1]);
    }
}

QualityData::Infos QualityData::infosOf(std::span<const std::string_view> characters,
                                        size_t surnameCount) const
{
    Infos infos{};
    for (size_t i = 0; i < characters.size() && i < infos.size(); ++i)
        infos[i] = info(characters[i]);
    std::string surname;
    for (size_t i = 0; i < surnameCount && i < characters.size(); ++i)
        surname += characters[i];
    if (const auto read = m_surnames.find(surname);
        read != m_surnames.end() && read->second.size() == surnameCount)
        for (size_t i = 0; i < surnameCount; ++i)
            infos[i] = &read->second[i];
    std::string given;
    for (size_t i = surnameCount; i < characters.size(); ++i)
        given += characters[i];
    if (const auto read = m_wordReadings.find(given);
        read != m_wordReadings.end() && read->second.size() == characters.size() - surnameCount)
        for (size_t i = surnameCount; i < characters.size(); ++i)
            infos[i] = &read->second[i - surnameCount];
    return infos;
}

bool QualityData::isNamesake(std::string_view surname, std::string_view given) const
{
    if (m_namesakes.empty())
        return false;
    std::string full;
    full.reserve(surname.size() + given.size());
    full.append(surname).append(given);
    if (m_namesakes.contains(full))
        return true;
    // 赵薇雅, 李白雪: the surname and the first given character are a name everyone knows.
    const std::string_view first = text::firstUtf8Character(given);
    return first.size() < given.size() &&
           m_heardInLonger.contains(std::string_view(full).substr(0, surname.size() + first.size()));
}

const QualityData::CharacterInfo* QualityData::info(std::string_view character) const
{
    const auto found = m_characters.find(character);
    return found == m_characters.end() ? nullptr : &found->second;
}

std::optional<WarningKind> QualityData::matchWord(const Word& word, std::span<const std::string_view> window,
                                                  const CharacterInfo* const* infos, bool wholeGiven,
                                                  bool insideGiven) const
{
    std::string written;
    for (std::string_view c : window)
        written += c;
    if (written == word.text) // a rare word too, where the given name is written as it
        return word.count >= kHeardWordCount || wholeGiven ? std::optional(WarningKind::Meaning)
                                                           : std::nullopt;
    if (word.count < kHeardWordCount)
        return std::nullopt;
    bool exact = true;
    size_t toneDifferences = 0;
    for (size_t i = 0; i < window.size(); ++i) {
        exact = exact && word.syllables[i] == infos[i]->syllable;
        // A neutral tone matches any tone in a longer window; two syllables must hold the tone.
        const bool neutral = word.tones[i] == kNeutralTone && window.size() >= kTonelessWindow;
        if (!neutral && word.tones[i] != infos[i]->tone)
            ++toneDifferences;
    }
    // One tone off is heard only inside the given name (春人 as 蠢人) or as the whole name (胡图 as
    // 糊涂), never across the surname and part of the given name,
    // where it would warn of half the names of a common surname; near syllables (n/l, zh/z, an/ang
    // ...) only with every tone equal. Both only for a common word.
    const bool common = word.count >= kNearWordCount;
    const bool heard = exact ? toneDifferences == 0 || window.size() >= kTonelessWindow ||
                                   (toneDifferences == 1 && common && insideGiven)
                             : toneDifferences == 0 && common;
    return heard ? std::optional(WarningKind::Homophone) : std::nullopt;
}

bool QualityData::scanWindows(std::span<const std::string_view> characters, const Infos& infos,
                              size_t surnameCount, const Finding& found) const
{
    std::string given;
    for (size_t i = surnameCount; i < characters.size(); ++i)
        given += characters[i];
    const bool exempt = m_exemptions.contains(given);
    std::array<std::uint16_t, kMaxCharacters> folded{};
    for (size_t i = 0; i < characters.size(); ++i)
        folded[i] = infos[i] ? infos[i]->folded : 0;
    for (size_t length = kShortestWindow; length <= std::min(kLongestWindow, characters.size()); ++length)
        for (size_t first = 0; first + length <= characters.size(); ++first) {
            // The surname alone is never warned of; an exempt given name not for a word inside it.
            if (first + length <= surnameCount || (exempt && first >= surnameCount))
                continue;
            const auto window = std::span(folded).subspan(first, length);
            if (std::find(window.begin(), window.end(), 0) != window.end())
                continue;
            const auto words = m_words.find(windowKey(window));
            if (words == m_words.end())
                continue;
            const bool wholeGiven = first == surnameCount && first + length == characters.size();
            for (const Word& word : words->second)
                if (const auto kind =
                        matchWord(word, characters.subspan(first, length), &infos[first], wholeGiven,
                                  first >= surnameCount || (first == 0 && length == characters.size()));
                    kind && !found(*kind, word.text, word.reason))
                    return false;
        }
    return true;
}

bool QualityData::scan(std::span<const std::string_view> characters, const Infos& infos, size_t surnameCount,
                       const Finding& found) const
{
    if (!scanWindows(characters, infos, surnameCount, found))
        return false;
    std::string given;
    for (size_t i = surnameCount; i < characters.size(); ++i)
        given += characters[i];
    if (m_exemptions.contains(given))
        return true;
    for (size_t i = surnameCount; i < characters.size(); ++i)
        if (infos[i] && infos[i]->poor >= 0 &&
            !found(WarningKind::Character, std::string(characters[i]),
                   m_poorReasons[static_cast<size_t>(infos[i]->poor)]))
            return false;
    return true;
}

bool QualityData::isRare(const CharacterInfo* info) const
{
    if (!m_hasLevels)
        return false;
    // A character real given names use is a name character whatever its level (晖, 翀).
    if (m_hasNameUses && info && info->nameUses > 0)
        return false;
    return !info || isRareLevel(info->level);
}

NameQuality QualityData::check(std::string_view surname, std::string_view given) const
{
    std::array<std::string_view, kMaxCharacters> characters{};
    const size_t surnameCount = splitCharacters(surname, characters, 0);
    const size_t count = splitCharacters(given, characters, surnameCount);
    NameQuality out;
    const Infos infos = infosOf(std::span(characters).first(count), surnameCount);
    for (size_t i = 0; i < count; ++i) {
        CharacterReading reading{std::string(characters[i]), {}, 0, kNotListed, i >= surnameCount};
        if (const CharacterInfo* c = infos[i]) {
            reading.pinyin = c->pinyin;
            reading.tone = c->tone;
            // NOLINTNEXTLINE(bugprone-signed-char-misuse): a small signed number, -1 for unknown
            reading.level = c->level;
            // With the real names read, a character none of them uses has no use at all.
            reading.nameUses = m_hasNameUses ? std::max(0, c->nameUses) : c->nameUses;
        }
        reading.rare = reading.given && isRare(infos[i]);
        // Without the level table no level is known, and nothing is called rare.
        if (!m_hasLevels)
            reading.level = kUnknownLevel;
        out.characters.push_back(std::move(reading));
    }
    out.namesake = isNamesake(surname, given);
    scan(std::span(characters).first(count), infos, surnameCount,
         [&out](WarningKind kind, const std::string& word, const std::string& reason) {
             Warning w{kind, word, reason};
             if (std::find(out.warnings.begin(), out.warnings.end(), w) == out.warnings.end())
                 out.warnings.push_back(std::move(w));
             return true;
         });
    return out;
}

std::uint8_t QualityData::marks(std::string_view surname, std::string_view given) const
{
    std::array<std::string_view, kMaxCharacters> characters{};
    const size_t surnameCount = splitCharacters(surname, characters, 0);
    const size_t count = splitCharacters(given, characters, surnameCount);
    std::uint8_t out = kNoMark;
    for (size_t i = surnameCount; i < count; ++i)
        if (isRare(info(characters[i])))
            out |= kRare;
    const bool clean =
        scan(std::span(characters).first(count), infosOf(std::span(characters).first(count), surnameCount),
             surnameCount, [](WarningKind, const std::string&, const std::string&) { return false; });
    if (!clean)
        out |= kWarned;
    if (isNamesake(surname, given))
        out |= kNamesake;
    return out;
}

} // namespace quality
