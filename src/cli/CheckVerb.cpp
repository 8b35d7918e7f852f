// nestling-cli check: what a careful parent checks besides the score (readings and tones, unlucky
// sounds and meanings, rare characters, a classical source), and the same fields for score --json.
#include "cli/Verbs.h"

#include <ostream>

namespace cli {

void writeQualityJson(const quality::NameQuality& quality, std::ostream& out)
{
    out << ",\"pinyin\":[";
    for (size_t i = 0; i < quality.characters.size(); ++i)
        out << (i ? "," : "") << jsonString(quality.characters[i].pinyin);
    out << "],\"tones\":[";
    for (size_t i = 0; i < quality.characters.size(); ++i)
        out << (i ? "," : "") << quality.characters[i].tone;
    out << "],\"pingze\":" << jsonString(quality.pingze()) << ",\"rare\":[";
    const auto rare = quality.rare();
    for (size_t i = 0; i < rare.size(); ++i)
        out << (i ? "," : "") << "{\"char\":" << jsonString(rare[i]->character)
            << ",\"level\":" << rare[i]->level << '}';
    out << "],\"warnings\":[";
    for (size_t i = 0; i < quality.warnings.size(); ++i) {
        const quality::Warning& w = quality.warnings[i];
        out << (i ? "," : "") << "{\"kind\":" << jsonString(quality::kindName(w.kind))
            << ",\"word\":" << jsonString(w.word) << ",\"reason\":" << jsonString(w.reason) << '}';
    }
    out << "],\"notes\":[";
    const std::vector<std::string> notes = quality.notes();
    for (size_t i = 0; i < notes.size(); ++i)
        out << (i ? "," : "") << jsonString(notes[i]);
    out << "],\"source\":";
    if (quality.source)
        out << "{\"poet\":" << jsonString(quality.source->poet)
            << ",\"title\":" << jsonString(quality.source->title)
            << ",\"line\":" << jsonString(quality.source->line)
            << ",\"book\":" << jsonString(quality.source->book) << '}';
    else
        out << "null";
}

int runCheck(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (args.positional.size() != 2 || args.positional[0].empty() || args.positional[1].empty()) {
        err << "用法: nestling-cli check SURNAME GIVEN\n";
        return 2;
    }
    std::string surname;
    std::string given;
    if (!readName(args.positional[0], true, surname, err) || !readName(args.positional[1], false, given, err))
        return 2;
    const quality::NameQuality q = context.scoring.checker().check(surname, given);
    std::string pinyin;
    std::string tones;
    for (const quality::CharacterReading& c : q.characters) {
        pinyin += (pinyin.empty() ? "" : " ") + (c.pinyin.empty() ? std::string("?") : c.pinyin);
        tones += (tones.empty() ? "" : " ") + std::to_string(c.tone);
    }
    out << "姓名\t" << surname << given << '\n'
        << "拼音\t" << pinyin << '\n'
        << "声调\t" << tones << '\n'
        << "平仄\t" << q.pingze() << '\n';
    if (const std::string hint = q.toneHint(); !hint.empty())
        out << "提示\t" << hint << '\n';
    if (q.warnings.empty())
        out << "警告\t无\n";
    for (const quality::Warning& w : q.warnings)
        out << "警告\t" << w.text() << '\n';
    for (const quality::CharacterReading* c : q.rare())
        out << "生僻字\t" << c->character << '\t' << quality::levelText(c->level) << '\n';
    for (const std::string& note : q.notes())
        out << "备注\t" << note << '\n';
    if (q.source)
        out << "出处\t" << quality::sourceTitle(*q.source) << '\t' << q.source->line << '\n';
    else
        out << "出处\t无\n";
    return 0;
}

} // namespace cli
