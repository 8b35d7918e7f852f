// nestling-cli english GIVEN [--style 男性化|女性化|中性化]: the English names for a Chinese given name.
// nestling-cli speak NAME --out FILE.wav|-: the offline pronunciation of an English name.
#include "cli/Verbs.h"
#include "naming/EnglishNames.h"
#include "naming/EnglishVoice.h"
#include "text/Utf8.h"

#include <array>
#include <optional>
#include <ostream>
#include <utility>

namespace cli {
namespace {

constexpr std::array<std::pair<std::string_view, int>, 3> kStyles = {{
    {"男性化", naming::kEnglishMale},
    {"女性化", naming::kEnglishFemale},
    {"中性化", naming::kEnglishNeutral},
}};

} // namespace

int runEnglish(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (args.positional.size() != 1 || args.positional[0].empty()) {
        err << "用法: nestling-cli english GIVEN [--style 男性化|女性化|中性化]\n";
        return 2;
    }
    const std::string style = args.option("style").value_or("男性化");
    int gender = 0;
    for (const auto& [name, code] : kStyles)
        if (style == name)
            gender = code;
    if (gender == 0) {
        err << "未知的风格: " << style << " (男性化、女性化或中性化)\n";
        return 2;
    }
    const std::vector<naming::EnglishNameRow> rows =
        naming::FindEnglishNames(context.store, args.positional[0], gender);
    // The names are found by the reading of the given name's first character: say why none came.
    if (rows.empty()) {
        const std::string_view first = text::firstUtf8Character(args.positional[0]);
        err << "没有找到英文名：“" << first << "”不在字典中、没有读音，或没有读音首字母相同的" << style
            << "英文名\n";
        return 1;
    }
    for (const naming::EnglishNameRow& row : rows) {
        const auto cells = row.cells();
        out << cells[0] << '\t' << cells[1] << '\t' << cells[2] << '\t' << cells[3] << '\n';
    }
    return 0;
}

int runSpeak(Context& /*context*/, const Arguments& args, std::ostream& out, std::ostream& err)
{
    const auto file = args.option("out");
    if (args.positional.size() != 1 || args.positional[0].empty() || !file || file->empty()) {
        err << "用法: nestling-cli speak NAME --out FILE.wav|-\n";
        return 2;
    }
    // "-" is standard output, so the voice goes down a pipe; whether it got there is the runner's
    // check of the stream.
    if (*file == "-") {
        const std::optional<std::string> voice = naming::offlineVoice(args.positional[0]);
        if (!voice) {
            err << "无法生成语音 (需要 espeak-ng)\n";
            return 1;
        }
        out.write(voice->data(), static_cast<std::streamsize>(voice->size()));
        return 0;
    }
    if (const text::WriteResult written = naming::writeOfflineVoice(args.positional[0], *file); !written) {
        err << written.error << '\n';
        return 1;
    }
    return 0;
}

} // namespace cli
