#pragma once

#include "cli/Arguments.h"
#include "naming/NamingRequest.h"
#include "store/NamingStore.h"

#include <filesystem>
#include <ostream>
#include <span>
#include <string_view>

namespace cli {

// What a verb may use: the loaded store (when the verb needs the database) and the program folder.
struct Context
{
    store::NamingStore& store;
    std::filesystem::path programFolder;
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
int runScore(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runGenerate(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runTables(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runChart(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runLunar(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runPillars(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runReport(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runEnglish(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runSpeak(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runPoets(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runPoems(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);
int runPoem(Context& context, const Arguments& args, std::ostream& out, std::ostream& err);

// generate --mode poem: the ticked characters of --poet/--title [--id] [--chars]; an exit status.
int fillPoemRequest(Context& context, const Arguments& args, naming::NamingRequest& request,
                    std::ostream& err);

} // namespace cli
