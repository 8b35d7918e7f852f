#include "text/NameInput.h"

#include "core/Message.h"

#include "text/Utf8.h"

#include <algorithm>

namespace text {
namespace {

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

bool isBlank(std::string_view character)
{
    return character == " " || character == "\t" || character == "\r" || character == "\n" ||
           character == kIdeographicSpace;
}

} // namespace

std::string trimName(std::string_view text)
{
    for (;;) {
        const std::string_view before = text;
        text = trimBlanks(text);
        while (text.starts_with(kIdeographicSpace))
            text.remove_prefix(kIdeographicSpace.size());
        while (text.ends_with(kIdeographicSpace))
            text.remove_suffix(kIdeographicSpace.size());
        if (text.size() == before.size())
            return std::string(text);
    }
}

NameProblem checkName(std::string_view trimmed)
{
    if (trimmed.empty())
        return NameProblem::Empty;
    // Bounded before the text is split, so a pasted book costs nothing.
    if (trimmed.size() > 4 * (kMaxNameCharacters + 1) + 16)
        return NameProblem::TooLong;
    const std::vector<std::string> characters = utf8Characters(trimmed);
    if (std::any_of(characters.begin(), characters.end(), [](const std::string& c) { return isBlank(c); }))
        return NameProblem::Blank;
    if (characters.size() > kMaxNameCharacters)
        return NameProblem::TooLong;
    if (!std::all_of(characters.begin(), characters.end(), [](const std::string& c) { return isHanzi(c); }))
        return NameProblem::NotChinese;
    return NameProblem::None;
}

std::string nameProblemMessage(NameProblem problem, bool surname)
{
    const std::string what = surname ? "姓氏" : "名字";
    switch (problem) {
    case NameProblem::None:
        break;
    case NameProblem::Empty:
        return surname ? core::kNoSurnameMessage : core::kNoGivenNameMessage;
    case NameProblem::Blank:
        return what + "中不能有空格";
    case NameProblem::TooLong:
    case NameProblem::NotChinese:
        return surname ? "姓氏应是一个或两个汉字，例如“李”或“欧阳”。"
                       : "名字应是一个或两个汉字，例如“明”或“明华”。";
    }
    return {};
}

} // namespace text
