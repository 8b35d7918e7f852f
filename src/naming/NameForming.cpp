#include "naming/NameForming.h"

#include "numerology/SplitCharacters.h"
#include "text/Gbk.h"

#include <optional>

namespace naming {
namespace {

constexpr size_t kBatchRows = 512;
constexpr std::int32_t kProgressStep = 50;

constexpr size_t kNamesPerCheckpoint = 4096;
constexpr size_t kNamesPerProgress = 65536;

// Where the surname's GBK bytes may lie in a given name of two pieces: inside either piece, or across
// the boundary, split after k bytes (the first piece ends with its first k bytes and the second
// starts with the rest). Decided per name from bits filled once per piece, without building a text.
class SurnameFilter
{
public:
    SurnameFilter(const std::string& surname, const std::vector<const std::string*>& pieces)
        : m_surname(surname)
    {
        m_inside.resize(pieces.size());
        m_ends.resize(pieces.size());
        m_starts.resize(pieces.size());
        const size_t length = surname.size();
        m_general = length >= 64;
        if (surname.empty() || m_general)
            return;
        for (size_t p = 0; p < pieces.size(); ++p) {
            const std::string_view piece = *pieces[p];
            m_inside[p] = piece.find(surname) != std::string_view::npos;
            for (size_t k = 1; k < length; ++k) {
                const std::string_view head = std::string_view(surname).substr(0, k);
                const std::string_view tail = std::string_view(surname).substr(k);
                if (piece.ends_with(head))
                    m_ends[p] |= std::uint64_t{1} << k;
                if (piece.starts_with(tail))
                    m_starts[p] |= std::uint64_t{1} << k;
            }
        }
        m_pieces = pieces;
    }

    bool holds(size_t a, size_t b) const
    {
        if (m_general)
            return (*m_pieces[a] + *m_pieces[b]).find(m_surname) != std::string::npos;
        return m_inside[a] || m_inside[b] || (m_ends[a] & m_starts[b]) != 0;
    }

private:
    std::string m_surname;
    bool m_general = false;
    std::vector<const std::string*> m_pieces;
    std::vector<char> m_inside;
    std::vector<std::uint64_t> m_ends;
    std::vector<std::uint64_t> m_starts;
};

} // namespace

void Candidates::add(std::string character)
{
    gbk.push_back(text::toGbk(character));
    characters.push_back(std::move(character));
}

std::string FormedNames::givenName(const Candidates& candidates, const FormedName& name) const
{
    std::string out;
    for (std::int32_t index : {name.first, name.second}) {
        if (index >= 0)
            out += candidates.characters[static_cast<size_t>(index)];
        else if (index == FormedName::kFixed)
            out += fixedCharacter;
    }
    return out;
}

FormedNames FormNames(const store::NamingStore& store, Candidates& candidates, int givenLength,
                      const GenerationSetting& generation, RunControl& control, const ProgressSink& progress)
{
    FormedNames formed;
    const auto count = static_cast<std::int32_t>(candidates.size());
    candidates.cache.clear();
    candidates.usable.assign(candidates.size(), false);
    const bool twoCharacters = givenLength == 2;
    const bool fixSecond = twoCharacters && generation.fixesSecond();
    const bool fixThird = twoCharacters && generation.fixesThird();
    if (fixSecond || fixThird) {
        formed.fixedCharacter = fixSecond ? generation.secondChar : generation.thirdChar;
        formed.fixedGbk = text::toGbk(formed.fixedCharacter);
    }
    std::vector<numerology::CharacterRecord> records = numerology::LookupCharacters(store, candidates.characters);
    for (std::int32_t a = 0; a < count; ++a) {
        const auto index = static_cast<size_t>(a);
        candidates.cache.add(std::move(records[index]));
        candidates.usable[index] = numerology::IsUsable(candidates.cache[index]);
        if (candidates.usable[index]) {
            if (fixSecond)
                formed.names.push_back({FormedName::kFixed, a});
            else if (fixThird)
                formed.names.push_back({a, FormedName::kFixed});
            else if (!twoCharacters)
                formed.names.push_back({a, FormedName::kNone});
            else
                for (std::int32_t b = 0; b < count; ++b)
                    formed.names.push_back({a, b});
        }
        if (progress && (a + 1) % kProgressStep == 0)
            progress(index + 1, candidates.size());
        if (!control.checkpoint())
            return formed;
    }
    // The generation character is never a candidate, but its strokes belong in the score: it goes
    // into the cache behind every candidate, so no candidate's first entry changes.
    if (!formed.fixedCharacter.empty())
        for (const std::string& part : numerology::SplitCharacters(formed.fixedCharacter))
            candidates.cache.add(numerology::LookupCharacter(store, part));
    return formed;
}

std::vector<NameRow> ListScoredNames(const Candidates& candidates, const FormedNames& formed,
                                     const std::string& surname, ListingLimits limits,
                                     const numerology::FortuneTables& fortunes, RunControl& control,
                                     const RowBatchSink& sink, const ProgressSink& progress, ListingStats* stats)
{
    // Pieces: the candidates by index, then the generation character, then the missing second
    // character of a one-character name.
    const size_t n = candidates.size();
    const size_t fixedPiece = n;
    const size_t nonePiece = n + 1;
    const auto pieceOf = [&](std::int32_t index) {
        return index >= 0 ? static_cast<size_t>(index) : index == FormedName::kFixed ? fixedPiece : nonePiece;
    };
    static const std::string empty;
    std::vector<const std::string*> gbk(n + 2, &empty);
    std::vector<const numerology::CharacterRecord*> records(n + 2, nullptr);
    for (size_t i = 0; i < n; ++i) {
        gbk[i] = &candidates.gbk[i];
        // The first of equal characters, as FindCharacter gives it, so a repeated candidate scores alike.
        records[i] = candidates.cache.FindCharacter(candidates.characters[i]);
    }
    gbk[fixedPiece] = &formed.fixedGbk;
    records[fixedPiece] = candidates.cache.FindCharacter(formed.fixedCharacter);
    // A generation character typed as several characters is scored through the text, as typed.
    const bool fixedByText = numerology::SplitCharacters(formed.fixedCharacter).size() > 1;

    const std::vector<std::string> surnameParts = numerology::SplitCharacters(surname);
    const auto surnameRecord = [&](size_t i) {
        return i < surnameParts.size() ? candidates.cache.FindCharacter(surnameParts[i]) : nullptr;
    };
    const numerology::CharacterRecord* s1 = surnameRecord(0);
    const numerology::CharacterRecord* s2 = surnameRecord(1);
    const int surnameLength = surnameParts.size() >= 2 ? 2 : 1;
    const auto traditional = [](const numerology::CharacterRecord* record) {
        return record ? record->traditionalStrokes : 0;
    };
    std::vector<int> counts(n + 2);
    for (size_t p = 0; p < counts.size(); ++p)
        counts[p] = traditional(records[p]);
    const numerology::CountScores table(fortunes, traditional(s1), surnameLength == 2 ? traditional(s2) : 0,
                                        surnameLength, counts);
    std::vector<std::uint32_t> classes(counts.size());
    for (size_t p = 0; p < counts.size(); ++p)
        classes[p] = table.classOf(counts[p]);
    const SurnameFilter filter(text::toGbk(surname), gbk);

    ListingStats counted;
    std::vector<NameRow> rows;
    size_t delivered = 0;
    const auto deliver = [&] {
        if (sink && delivered < rows.size())
            sink(std::span<const NameRow>(rows).subspan(delivered));
        delivered = rows.size();
    };
    const size_t total = formed.names.size();
    for (size_t i = 0; i < total && rows.size() < limits.maxRows; ++i) {
        if ((i + 1) % kNamesPerCheckpoint == 0) {
            if (progress && (i + 1) % kNamesPerProgress == 0)
                progress(i + 1, total);
            if (!control.checkpoint())
                break;
        }
        ++counted.examined;
        const FormedName name = formed.names[i];
        const size_t a = pieceOf(name.first);
        const size_t b = pieceOf(name.second);
        if (filter.holds(a, b))
            continue;
        ++counted.scored;
        const bool byText = fixedByText && (a == fixedPiece || b == fixedPiece);
        std::optional<numerology::NameScoreResult> result;
        int score = 0;
        if (byText) {
            result = fortunes.result(surname, formed.givenName(candidates, name), candidates.cache);
            score = result->score;
        } else {
            score = b == nonePiece ? table.single(classes[a]) : table.pair(classes[a], classes[b]);
        }
        if (score < limits.threshold)
            continue;
        if (!result)
            result = fortunes.result(s1, s2, records[a], records[b], {surnameLength, b == nonePiece ? 1 : 2});
        rows.push_back(MakeNameRow(static_cast<int>(rows.size()) + 1,
                                   surname + formed.givenName(candidates, name), std::move(*result)));
        // The first row goes out at once so the list shows something immediately; then in batches.
        if (rows.size() == 1 || rows.size() - delivered >= kBatchRows)
            deliver();
        if (!control.checkpoint())
            break;
    }
    deliver();
    if (progress)
        progress(total, total);
    if (stats)
        *stats = counted;
    return rows;
}

} // namespace naming
