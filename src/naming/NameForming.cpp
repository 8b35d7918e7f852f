#include "naming/NameForming.h"

#include "naming/AvoidedCharacters.h"
#include "numerology/SplitCharacters.h"

#include <algorithm>
#include <unordered_map>

namespace naming {
namespace {

constexpr size_t kBatchRows = 512;
constexpr std::int32_t kProgressStep = 50;

constexpr size_t kNamesPerCheckpoint = 4096;
constexpr size_t kNamesPerProgress = 65536;

// What the listing knows of one piece of a given name (a candidate, the generation character, or
// nothing), so that each name is decided from two of these and a table lookup.
//
// The surname may lie inside either piece, or across the boundary, split after k bytes: the first
// piece ends with the surname's first k bytes (bit k of `ends`) and the second starts with the rest
// (bit k of `starts`). The pieces are compared as UTF-8, whose characters never match across a
// character boundary: in GBK, 钦钮 holds the bytes of 张 (C7 D5 C5 A5) and 欣钊 those of 李, and such
// names were wrongly left out as holding the surname.
struct Piece
{
    static constexpr std::uint32_t kHoldsSurname = 1; // the surname's bytes lie inside the piece
    static constexpr std::uint32_t kByText = 2;       // a generation character of several characters
    static constexpr std::uint32_t kLongSurname = 4;  // a surname too long for the bits: compare texts
    static constexpr std::uint32_t kAvoided = 8;      // holds a taboo character: no name with it is listed
    static constexpr std::uint32_t kSurnameCharacter = 16; // a candidate that is a character of the surname

    std::uint64_t ends = 0;
    std::uint64_t starts = 0;
    std::uint32_t countClass = 0;
    std::uint32_t flags = 0;
    std::uint32_t textId = 0; // equal texts, equal ids: a name of two equal pieces doubles a character
};

void markSurname(Piece& piece, std::string_view text, std::string_view surname)
{
    if (surname.empty())
        return;
    if (surname.size() >= 64) {
        piece.flags |= Piece::kLongSurname;
        return;
    }
    if (text.find(surname) != std::string_view::npos)
        piece.flags |= Piece::kHoldsSurname;
    for (size_t k = 1; k < surname.size(); ++k) {
        if (text.ends_with(surname.substr(0, k)))
            piece.ends |= std::uint64_t{1} << k;
        if (text.starts_with(surname.substr(k)))
            piece.starts |= std::uint64_t{1} << k;
    }
}

} // namespace

void Candidates::add(std::string character)
{
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
        formed.fixedCharacter = generation.fixedCharacter();
    }
    std::vector<numerology::CharacterRecord> records =
        numerology::lookupCharacters(store, candidates.characters);
    const auto usable = static_cast<size_t>(
        std::count_if(records.begin(), records.end(),
                      [](const numerology::CharacterRecord& r) { return numerology::IsUsable(r); }));
    formed.names.reserve(twoCharacters && !fixSecond && !fixThird ? usable * candidates.size() : usable);
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
                                     const std::string& surname, const ListingLimits& limits,
                                     const numerology::FortuneTables& fortunes, RunControl& control,
                                     const RowBatchSink& sink, const ProgressSink& progress,
                                     ListingStats* stats, std::string_view avoid)
{
    // Pieces by FormedName index + 2: nothing (kNone), the generation character (kFixed), then the
    // candidates in order.
    static_assert(FormedName::kNone == -2 && FormedName::kFixed == -1);
    const size_t n = candidates.size();
    const auto pieceOf = [](std::int32_t index) {
        return static_cast<size_t>(index) + 2;
    }; // kNone (-2) is piece 0, kFixed piece 1
    constexpr size_t kNonePiece = 0;
    constexpr size_t kFixedPiece = 1;
    static const std::string empty;
    std::vector<const std::string*> texts(n + 2, &empty);
    std::vector<const numerology::CharacterRecord*> records(n + 2, nullptr);
    for (size_t i = 0; i < n; ++i) {
        texts[i + 2] = &candidates.characters[i];
        // The first of equal characters, as FindCharacter gives it, so a repeated candidate scores alike.
        records[i + 2] = candidates.cache.FindCharacter(candidates.characters[i]);
    }
    texts[kFixedPiece] = &formed.fixedCharacter;
    records[kFixedPiece] = candidates.cache.FindCharacter(formed.fixedCharacter);

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
    std::vector<Piece> pieces(n + 2);
    std::unordered_map<std::string_view, std::uint32_t> textIds;
    for (size_t p = 0; p < pieces.size(); ++p) {
        pieces[p].countClass = p == kNonePiece ? table.noSecond() : table.classOf(counts[p]);
        markSurname(pieces[p], *texts[p], surname);
        if (holdsAvoided(*texts[p], avoid))
            pieces[p].flags |= Piece::kAvoided;
        // Only the candidates: the generation character and the nickname's affixes are the user's.
        if (p > kFixedPiece && holdsAvoided(*texts[p], surname))
            pieces[p].flags |= Piece::kSurnameCharacter;
        // The missing second character (piece 0) equals nothing.
        pieces[p].textId =
            p == kNonePiece ? 0 : textIds.emplace(*texts[p], static_cast<std::uint32_t>(p)).first->second;
    }
    // A generation character typed as several characters is scored through the text, as typed.
    if (numerology::SplitCharacters(formed.fixedCharacter).size() > 1)
        pieces[kFixedPiece].flags |= Piece::kByText;

    ListingStats counted;
    std::vector<NameRow> rows;
    rows.reserve(std::min(limits.maxRows, formed.names.size()));
    size_t delivered = 0;
    const auto deliver = [&] {
        if (sink && delivered < rows.size())
            sink(std::span<NameRow>(rows).subspan(delivered));
        if (limits.keeps)
            rows.erase(std::remove_if(rows.begin() + static_cast<std::ptrdiff_t>(delivered), rows.end(),
                                      [&](const NameRow& row) { return !limits.keeps(row); }),
                       rows.end());
        delivered = rows.size();
    };
    // Returns false when the listing is to end (the rows are full or a stop was asked for).
    const auto write = [&](const FormedName& name, numerology::NameScoreResult result) {
        rows.push_back(makeNameRow(static_cast<int>(rows.size()) + 1,
                                   surname + formed.givenName(candidates, name), std::move(result)));
        // The first row goes out at once so the list shows something immediately; then in batches.
        if (rows.size() == 1 || rows.size() - delivered >= kBatchRows || rows.size() >= limits.maxRows)
            deliver();
        return rows.size() < limits.maxRows && control.checkpoint();
    };

    const size_t total = formed.names.size();
    const FormedName* names = formed.names.data();
    const int threshold = limits.threshold;
    const std::uint32_t skipped =
        Piece::kHoldsSurname | Piece::kAvoided | (limits.plainNamesOnly ? Piece::kSurnameCharacter : 0);
    bool going = limits.maxRows > 0;
    size_t i = 0;
    size_t scored = 0;
    while (going && i < total) {
        // Between checkpoints the loop does nothing but decide names.
        const size_t blockEnd = std::min(total, (i / kNamesPerCheckpoint + 1) * kNamesPerCheckpoint);
        for (; i < blockEnd; ++i) {
            const size_t a = pieceOf(names[i].first);
            const size_t b = pieceOf(names[i].second);
            const Piece& pa = pieces[a];
            const Piece& pb = pieces[b];
            const std::uint32_t flags = pa.flags | pb.flags;
            if (limits.plainNamesOnly && pa.textId == pb.textId)
                continue;
            if (flags != 0 || (pa.ends & pb.starts) != 0) {
                if ((flags & skipped) || (pa.ends & pb.starts) != 0)
                    continue;
                if ((flags & Piece::kLongSurname) &&
                    (*texts[a] + *texts[b]).find(surname) != std::string::npos)
                    continue;
                if (flags & Piece::kByText) {
                    ++scored;
                    numerology::NameScoreResult result =
                        fortunes.result(surname, formed.givenName(candidates, names[i]), candidates.cache);
                    if (result.score >= threshold && !write(names[i], std::move(result))) {
                        going = false;
                        ++i;
                        break;
                    }
                    continue;
                }
            }
            ++scored;
            if (table.score(pa.countClass, pb.countClass) < threshold)
                continue;
            if (!write(names[i], fortunes.result(s1, s2, records[a], records[b],
                                                 {surnameLength, b == kNonePiece ? 1 : 2}))) {
                going = false;
                ++i;
                break;
            }
        }
        if (!going)
            break;
        if (progress && i % kNamesPerProgress == 0)
            progress(i, total);
        if (i % kNamesPerCheckpoint == 0 && !control.checkpoint())
            break;
    }
    counted.examined = i;
    counted.scored = scored;
    deliver();
    if (progress)
        progress(total, total);
    if (stats)
        *stats = counted;
    return rows;
}

} // namespace naming
