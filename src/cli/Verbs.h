#pragma once

#include "cli/Arguments.h"
#include "naming/NameLikeness.h"
#include "naming/NamingRequest.h"
#include "numerology/CharacterRecord.h"
#include "numerology/FortuneTables.h"
#include "quality/NameChecker.h"
#include "store/NamingStore.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>
#include <unordered_map>

namespace reports {
struct SupportReading;
}

namespace cli {

// What the requests of one process share for scoring: the fortune tables, read once, and every
// character looked up so far. The store does not change while the process runs.
class ScoringCache
{
public:
    explicit ScoringCache(const store::NamingStore& store) : m_store(store), m_checker(store) {}

    const numerology::FortuneTables& fortunes();
    // The record of a character given in its GBK form (as splitGbkCharacters cuts it).
    const numerology::CharacterRecord& character(const std::string& gbk);
    // The name check, its data read on first use.
    const quality::NameChecker& checker() const { return m_checker; }
    // What makes a given name name-like (score --json's support), read on first use.
    const naming::NameLikeness& likeness();

private:
    const store::NamingStore& m_store;
    quality::NameChecker m_checker;
    std::optional<numerology::FortuneTables> m_fortunes;
    std::optional<naming::NameLikeness> m_likeness;
    std::unordered_map<std::string, numerology::CharacterRecord> m_characters;
};

// What a verb may use: the loaded store (when the verb needs the database), the program folder and
// what earlier requests of a batch left for later ones.
struct Context
{
    store::NamingStore& store;
    std::filesystem::path programFolder;
    ScoringCache scoring;
};

// Runs one request; writes its result to `out` and a message to `err` on failure. Returns the exit
// status (0 on success).
using VerbFunction = int (*)(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);

struct Verb
{
    std::string_view name;
    std::string_view usage;
    bool needsDatabase;
    bool answersOneRequest; // takes --batch
    VerbFunction run;
};

std::span<const Verb> allVerbs();
const Verb* findVerb(std::string_view name);

// Verb implementations, one file each.
int runChar(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runCompare(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runCheck(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runScore(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runGenerate(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runTables(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runChart(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runLunar(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runPillars(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runReport(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runEnglish(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runSpeak(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runBooks(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runPoets(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runPoems(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runPoem(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);

// A JSON string: quotes, backslashes and control characters escaped, bytes that are no UTF-8 as
// U+FFFD, so any input gives a valid document.
std::string jsonString(std::string_view s);
// A surname or given name from the command line, trimmed; false (and the reason said) when it is no
// name of one or two Chinese characters.
bool readName(std::string_view typed, bool surname, std::string& name, std::ostream& err);

// False, with "字典中没有“X”，无法评分" on `err`, when a character of `name` has no dictionary row or
// no strokes: a score of such a name would be made of zeros.
bool scorable(Context& context, std::string_view name, std::ostream& err);
// The name check's fields of `score --json`, each preceded by a comma.
void writeQualityJson(const quality::NameQuality& quality, std::ostream& out);
// What supports the given name (`support`, `supportCount`, `supportLine` for a classical pair), each
// preceded by a comma.
void writeSupportJson(const reports::SupportReading& reading, std::ostream& out);

// generate --mode poem: the ticked characters of --poet/--title or --book/--title [--id] [--chars]; an
// exit status.
int fillPoemRequest(Context& context, const Arguments& args, naming::NamingRequest& request,
                    std::ostream& err);

} // namespace cli
