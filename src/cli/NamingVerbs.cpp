// nestling-cli score and generate: the name score and the naming runs without a window.
#include "cli/ElementOptions.h"
#include "cli/Verbs.h"
#include "naming/AvoidedCharacters.h"
#include "naming/NamingRun.h"
#include "numerology/NameScore.h"
#include "numerology/SplitCharacters.h"
#include "reports/Export.h"
#include "reports/NameSupport.h"
#include "text/Gbk.h"
#include "text/NameInput.h"
#include "text/Utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iostream>

namespace cli {
namespace {

// A value as the command line names it.
template <typename T> struct Named
{
    std::string_view name;
    T value;
};
using ModeName = Named<naming::Mode>;

constexpr std::array kModes = {
    ModeName{"classic", naming::Mode::Classic},
    ModeName{"high-score", naming::Mode::HighScore},
    ModeName{"poem", naming::Mode::Poem},
    ModeName{"combination", naming::Mode::Combination},
    ModeName{"nickname", naming::Mode::Nickname},
    ModeName{"english", naming::Mode::English},
    ModeName{"super-auspicious", naming::Mode::SuperAuspicious},
    ModeName{"super", naming::Mode::SuperAuspicious},
};

// The status of an export: 1 with the reason said when the file was not written.
int reportExport(const reports::ExportResult& exported, std::ostream& err)
{
    if (exported.ok())
        return 0;
    err << exported.error << '\n';
    return 1;
}

// Relays what the window would show to stderr.
class StderrObserver : public naming::RunObserver
{
public:
    explicit StderrObserver(std::ostream& err) : m_err(err) {}
    void showMessage(const core::Message& message) override { m_err << message.text << '\n'; }

private:
    std::ostream& m_err;
};

// The options each mode reads besides --mode, --surname, --avoid, --export and those of every verb;
// any other option given to the mode would be ignored, so it is refused.
struct ModeOptions
{
    naming::Mode mode;
    std::array<std::string_view, 10> options;
};
constexpr std::array kModeOptions = {
    ModeOptions{naming::Mode::HighScore, {"sex", "length", "seed", "generation", "common-only"}},
    ModeOptions{
        naming::Mode::SuperAuspicious,
        {"sex", "seed", "second", "third", "must", "must-not", "from-chart", "by", "late-zi", "common-only"}},
    ModeOptions{naming::Mode::Classic, {"sex", "length", "seed"}},
    ModeOptions{naming::Mode::Combination, {"sex", "chars", "length", "generation"}},
    ModeOptions{naming::Mode::Nickname, {"style"}},
    ModeOptions{naming::Mode::Poem,
                {"sex", "poet", "book", "title", "id", "chars", "length", "generation", "common-only"}},
};

// The first option given that the mode does not read, if any.
std::optional<std::string> unusedOption(const Arguments& args, naming::Mode mode)
{
    const auto entry = std::find_if(kModeOptions.begin(), kModeOptions.end(),
                                    [&](const ModeOptions& m) { return m.mode == mode; });
    if (entry == kModeOptions.end())
        return std::nullopt;
    constexpr std::array<std::string_view, 7> kEveryMode = {"mode", "surname", "avoid", "export",
                                                            "db",   "batch",   "help"};
    for (const auto& option : args.options) {
        const std::string& name = option.first;
        const auto named = [&name](std::string_view listed) { return listed == name; };
        if (std::none_of(kEveryMode.begin(), kEveryMode.end(), named) &&
            std::none_of(entry->options.begin(), entry->options.end(), named))
            return name;
    }
    return std::nullopt;
}

bool parseGeneration(const std::string& value, naming::GenerationSetting& setting)
{
    const size_t colon = value.find(':');
    if (colon == std::string::npos || colon + 1 >= value.size())
        return false;
    const std::string position = value.substr(0, colon);
    const std::string character = value.substr(colon + 1);
    // One Chinese character: the generation character fills one place of the name.
    const std::vector<std::string> characters = text::utf8Characters(character);
    if (characters.size() != 1 || !text::isHanzi(characters.front()))
        return false;
    setting.enabled = true;
    if (position == "second") {
        setting.fixSecond = true;
        setting.secondChar = character;
    } else if (position == "third") {
        setting.fixThird = true;
        setting.thirdChar = character;
    } else {
        return false;
    }
    return true;
}

// The nickname styles as the page's radio buttons name them, with or without the closing "型".
bool parseStyle(std::string_view value, naming::NicknameStyle& style)
{
    using Style = naming::NicknameStyle;
    constexpr std::array<Named<Style>, 4> kStyles = {{{"AA", Style::Doubled},
                                                      {"小A", Style::XiaoPrefix},
                                                      {"A儿", Style::ErSuffix},
                                                      {"阿A", Style::APrefix}}};
    if (value.ends_with("型"))
        value.remove_suffix(std::string_view("型").size());
    const auto found =
        std::find_if(kStyles.begin(), kStyles.end(), [&](const auto& s) { return s.name == value; });
    if (found == kStyles.end())
        return false;
    style = found->value;
    return true;
}

} // namespace

std::string jsonString(std::string_view s)
{
    std::string out = "\"";
    for (char c : text::validUtf8(s)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

bool readName(std::string_view typed, bool surname, std::string& name, std::ostream& err)
{
    name = text::trimName(typed);
    const text::NameProblem problem = text::checkName(name);
    if (problem == text::NameProblem::None)
        return true;
    err << text::nameProblemMessage(problem, surname) << '\n';
    return false;
}

bool scorable(Context& context, std::string_view name, std::ostream& err)
{
    const std::string unknown = numerology::unscorableCharacter(context.store, name);
    if (unknown.empty())
        return true;
    err << numerology::unscorableMessage(unknown) << '\n';
    return false;
}

const numerology::FortuneTables& ScoringCache::fortunes()
{
    if (!m_fortunes)
        m_fortunes.emplace(m_store);
    return *m_fortunes;
}

const naming::NameLikeness& ScoringCache::likeness()
{
    if (!m_likeness)
        m_likeness = naming::NameLikeness::load(m_store);
    return *m_likeness;
}

void writeSupportJson(const reports::SupportReading& reading, std::ostream& out)
{
    out << ",\"support\":" << jsonString(naming::supportKey(reading.support.kind))
        << ",\"supportCount\":" << reading.support.count;
    if (reading.line)
        out << ",\"supportLine\":" << jsonString(reading.line->line);
}

const numerology::CharacterRecord& ScoringCache::character(const std::string& gbk)
{
    // Bounded, should a batch bring endless distinct junk; real characters number a few thousand.
    constexpr size_t kMaxCharacters = 1 << 16;
    if (const auto it = m_characters.find(gbk); it != m_characters.end())
        return it->second;
    if (m_characters.size() >= kMaxCharacters)
        m_characters.clear();
    return m_characters.emplace(gbk, numerology::LookupCharacter(m_store, text::fromGbk(gbk))).first->second;
}

int runScore(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (args.positional.size() != 2 || args.positional[0].empty() || args.positional[1].empty()) {
        err << "用法: nestling-cli score SURNAME GIVEN [--json] [--sex 男|女]\n";
        return 2;
    }
    // The sex only says which names support the given name (names given to either sex without it).
    const std::string sex = args.option("sex").value_or("");
    if (args.has("sex") && sex != "男" && sex != "女") {
        err << "--sex 只能是 男 或 女\n";
        return 2;
    }
    std::string surname;
    std::string given;
    if (!readName(args.positional[0], true, surname, err) || !readName(args.positional[1], false, given, err))
        return 2;
    if (!scorable(context, surname + given, err))
        return 1;
    // As a run scores, with the characters of surname + given name; the records and the fortunes come
    // from the process's caches, so a batch looks each character up once.
    const std::string surnameGbk = text::toGbk(surname);
    const std::string givenGbk = text::toGbk(given);
    const std::vector<std::string> pieces = numerology::splitGbkCharacters(surnameGbk + givenGbk);
    const auto record = [&](const std::vector<std::string>& parts,
                            size_t i) -> const numerology::CharacterRecord* {
        if (i >= parts.size() || std::find(pieces.begin(), pieces.end(), parts[i]) == pieces.end())
            return nullptr;
        return &context.scoring.character(parts[i]);
    };
    const std::vector<std::string> surnameParts = numerology::splitGbkCharacters(surnameGbk);
    const std::vector<std::string> givenParts = numerology::splitGbkCharacters(givenGbk);
    const numerology::NameShape shape{surnameParts.size() >= 2 ? 2 : 1, givenParts.size() >= 2 ? 2 : 1};
    const numerology::NameScoreResult r =
        context.scoring.fortunes().result(record(surnameParts, 0), record(surnameParts, 1),
                                          record(givenParts, 0), record(givenParts, 1), shape);
    if (args.has("json")) {
        out << "{\"name\":" << jsonString(surname + given) << ",\"simplifiedTotal\":" << r.simplifiedTotal
            << ",\"total\":" << r.grids.total << ",\"elements\":" << jsonString(r.elements) << ",\"grids\":["
            << numerology::gridsText(r.grids) << "],\"threeTalentKey\":" << jsonString(r.threeTalentKey)
            << ",\"fortunes\":[";
        for (size_t i = 0; i < r.fortunes.size(); ++i)
            out << (i ? "," : "") << jsonString(r.fortunes[i]);
        out << "],\"score\":" << r.score;
        writeQualityJson(context.scoring.checker().check(surname, given), out);
        writeSupportJson(
            reports::readSupport(context.scoring.likeness(), context.scoring.checker(), surname, given, sex),
            out);
        out << "}\n";
        return 0;
    }
    out << surname << given << '\t' << r.simplifiedTotal << '\t' << r.grids.total << '\t' << r.elements
        << '\t' << numerology::gridsText(r.grids) << '\t' << r.threeTalentKey << '\t' << r.score << '\n';
    return 0;
}

int runGenerate(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    naming::NamingRequest request;
    const std::string modeName = args.option("mode").value_or("high-score");
    const auto mode =
        std::find_if(kModes.begin(), kModes.end(), [&](const ModeName& m) { return m.name == modeName; });
    if (mode == kModes.end()) {
        err << "未知的起名模式: " << modeName << '\n';
        return 2;
    }
    request.mode = mode->value;
    if (!readName(args.option("surname").value_or(""), true, request.surname, err))
        return 2;
    // The modes with lists by sex take the boys' without --sex; the others then list names of both.
    const bool listsBySex = request.mode == naming::Mode::HighScore ||
                            request.mode == naming::Mode::SuperAuspicious ||
                            request.mode == naming::Mode::Classic;
    request.sex = args.option("sex").value_or(listsBySex ? "男" : "");
    if (request.sex != "男" && request.sex != "女" && (listsBySex || args.option("sex"))) {
        err << "--sex 只能是 男 或 女\n";
        return 2;
    }
    const std::string length = args.option("length").value_or("2");
    if (length != "1" && length != "2") {
        err << "--length 只能是 1 或 2\n";
        return 2;
    }
    request.givenLength = length == "2" ? 2 : 1;
    // Scripts and exact-list checks see every name the rules admit unless they ask for the filter.
    request.commonOnly = args.has("common-only");
    if (const auto seed = args.option("seed")) {
        std::uint64_t value = 0;
        const auto [end, ec] = std::from_chars(seed->data(), seed->data() + seed->size(), value);
        if (ec != std::errc() || end != seed->data() + seed->size()) {
            err << "--seed 需要一个非负整数\n";
            return 2;
        }
        request.seed = value;
    }
    if (const auto avoid = args.option("avoid")) {
        request.avoid = naming::normalizedAvoided(*avoid);
        if (request.avoid.empty()) {
            err << "--avoid 需要至少一个汉字（要避讳的字，例如 --avoid 明华）\n";
            return 2;
        }
    }
    if (const auto generation = args.option("generation");
        generation && !parseGeneration(*generation, request.generation)) {
        err << "--generation 的格式是 second:字 或 third:字（一个汉字）\n";
        return 2;
    }
    if (request.mode != naming::Mode::Classic &&
        !scorable(context, request.surname + request.generation.fixedCharacter(), err))
        return 1;
    if ((args.has("from-chart") || args.has("by") || args.has("late-zi")) &&
        request.mode != naming::Mode::SuperAuspicious) {
        err << "--from-chart、--by 和 --late-zi 只用于 --mode super\n";
        return 2;
    }
    if (const std::optional<std::string> unused = unusedOption(args, request.mode)) {
        err << "此模式不使用 --" << *unused << '\n';
        return 2;
    }
    if (request.mode == naming::Mode::SuperAuspicious && !parseElementOptions(args, request.elements, err))
        return 2;
    if (request.mode == naming::Mode::Poem)
        if (const int status = fillPoemRequest(context, args, request, err); status != 0)
            return status;
    if (request.mode == naming::Mode::Combination) {
        const auto chars = args.option("chars");
        if (!chars) {
            err << "组合起名需要 --chars 给出要组合的字\n";
            return 2;
        }
        if (text::utf8Length(*chars) > text::kMaxCombinationCharacters) {
            err << "--chars 最多 " << text::kMaxCombinationCharacters << " 个字\n";
            return 2;
        }
        request.combinationText = *chars;
    }
    if (const auto style = args.option("style"); style && !parseStyle(*style, request.nicknameStyle)) {
        err << "--style 只能是 AA、小A、A儿 或 阿A\n";
        return 2;
    }
    if (request.mode != naming::Mode::HighScore && request.mode != naming::Mode::SuperAuspicious &&
        request.mode != naming::Mode::Classic && request.mode != naming::Mode::Combination &&
        request.mode != naming::Mode::Nickname && request.mode != naming::Mode::Poem) {
        err << "该起名模式尚未提供: " << modeName << '\n';
        return 1;
    }
    StderrObserver observer(err);
    naming::RunControl control;
    naming::NamingRun run(context.store, request, observer, control);
    if (run.run() != naming::RunOutcome::Finished)
        return 1;
    if (run.rows().empty() && run.text().empty()) {
        // Nothing listed is no failure of the request, but never silent: the combination text or the
        // filters left no name.
        err << "没有生成任何名字（没有可用的字，或条件过严）\n";
    }
    // As the window's status bar says it: a script sees what --common-only took away.
    if (const size_t leftOut = run.unsupportedLeftOut(); leftOut > 0)
        err << "已略去 " << leftOut << " 个无依据的名字（--common-only）\n";
    // --export - writes the exported file's bytes (GBK, CR LF) to standard output in place of the
    // printed rows, so the list goes down a pipe as the file would hold it.
    const std::optional<std::string> exportFile = args.option("export");
    const bool exportToOutput = exportFile == "-";
    if (request.mode == naming::Mode::Classic) {
        if (exportToOutput) {
            out << text::toGbk(run.text());
            return 0;
        }
        out << run.text();
        return exportFile ? reportExport(reports::exportText(run.text(), *exportFile), err) : 0;
    }
    std::vector<reports::ListCells> listed;
    for (const naming::NameRow& row : run.rows()) {
        const auto cells = row.cells();
        listed.push_back(cells);
        if (exportToOutput)
            continue;
        for (size_t i = 0; i < cells.size(); ++i)
            out << (i ? "\t" : "") << cells[i];
        out << '\n';
    }
    if (exportToOutput) {
        out << text::toGbk(reports::nameListText(listed));
        return 0;
    }
    return exportFile ? reportExport(reports::ExportNameList(listed, *exportFile), err) : 0;
}

} // namespace cli
