// nestling-cli english GIVEN [--style 男性化|女性化|中性化] [--length MIN-MAX]: the English names for a
// Chinese given name, of MIN to MAX letters (3-20, as the English page's 名字长度 boxes offer).
// nestling-cli speak NAME --out FILE.wav|-: the offline pronunciation of an English name.
#include "cli/Verbs.h"
#include "naming/EnglishNames.h"
#include "naming/EnglishVoice.h"
#include "text/Utf8.h"

#include <array>
#include <charconv>
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

// "MIN-MAX" with 1 <= MIN <= MAX <= 99; none for anything else.
std::optional<naming::EnglishLength> parseLength(std::string_view text)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const auto number = [](std::string_view part) -> std::optional<int> {
        int value = 0;
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (ec != std::errc{} || end != part.data() + part.size() || value < 1 || value > 99)
            return std::nullopt;
        return value;
    };
    const auto min = number(text.substr(0, dash));
    const auto max = number(text.substr(dash + 1));
    if (!min || !max || *min > *max)
        return std::nullopt;
    return naming::EnglishLength{*min, *max};
}

} // namespace

int runEnglish(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (args.positional.size() != 1 || args.positional[0].empty()) {
        err << "用法: nestling-cli english GIVEN [--style 男性化|女性化|中性化] [--length MIN-MAX]\n";
        return 2;
    }
    naming::EnglishLength length;
    if (const auto value = args.option("length")) {
        const auto parsed = parseLength(*value);
        if (!parsed) {
            err << "名字长度应写成 最少-最多 个字母，例如 3-6: " << *value << '\n';
            return 2;
        }
        length = *parsed;
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
    const std::vector<naming::EnglishNameRow> found =
        naming::FindEnglishNames(context.store, args.positional[0], gender);
    const std::vector<naming::EnglishNameRow> rows = naming::keepEnglishLength(found, length);
    if (rows.empty() && !found.empty()) {
        err << "没有 " << length.min << "-" << length.max << " 个字母的" << style << "英文名\n";
        return 1;
    }
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
