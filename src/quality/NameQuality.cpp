#include "quality/NameQuality.h"

#include "quality/Pinyin.h"

namespace quality {

std::string_view kindName(WarningKind kind) noexcept
{
    switch (kind) {
    case WarningKind::Homophone:
        return "homophone";
    case WarningKind::Meaning:
        return "meaning";
    case WarningKind::Character:
        return "character";
    }
    return "";
}

std::string Warning::text() const
{
    switch (kind) {
    case WarningKind::Homophone:
        return "读音近似“" + word + "”（" + reason + "）";
    case WarningKind::Meaning:
        return "字面即“" + word + "”（" + reason + "）";
    case WarningKind::Character:
        return "“" + word + "”字不宜入名：" + reason;
    }
    return {};
}

std::string_view levelText(int level) noexcept
{
    switch (level) {
    case 1:
        return "一级字";
    case 2:
        return "二级字";
    case 3:
        return "三级字";
    case kUnknownLevel:
        return "字级不详";
    default:
        return "规范字表外";
    }
}

std::string NameQuality::pingze() const
{
    std::string out;
    for (const CharacterReading& c : characters)
        out += quality::pingze(c.tone);
    return out;
}

std::string NameQuality::toneHint() const
{
    if (characters.size() < 2)
        return {};
    bool sameTone = characters.front().tone != 0;
    for (const CharacterReading& c : characters)
        sameTone = sameTone && c.tone == characters.front().tone;
    if (sameTone)
        return "全名都是第" + std::to_string(characters.front().tone) +
               "声，读来平板，可换一个声调不同的字。";
    // Only known tones count here: a character without a reading is no 仄 to complain of.
    int zeRun = 0;
    for (const CharacterReading& c : characters) {
        zeRun = c.tone >= 3 ? zeRun + 1 : 0;
        if (zeRun == 3)
            return "三个仄声字相连，读来拗口，可换一个平声字。";
    }
    return {};
}

std::vector<const CharacterReading*> NameQuality::rare() const
{
    std::vector<const CharacterReading*> out;
    for (const CharacterReading& c : characters)
        if (c.rare)
            out.push_back(&c);
    return out;
}

std::uint8_t NameQuality::marks() const
{
    std::uint8_t out = kNoMark;
    if (!warnings.empty())
        out |= kWarned;
    if (!rare().empty())
        out |= kRare;
    if (namesake)
        out |= kNamesake;
    return out;
}

std::vector<std::string> NameQuality::markLines() const
{
    std::vector<std::string> out;
    for (const Warning& w : warnings)
        out.push_back(w.text());
    for (const CharacterReading* c : rare())
        out.push_back("生僻字“" + c->character + "”（" + std::string(levelText(c->level)) + "）");
    for (std::string& note : notes())
        out.push_back(std::move(note));
    return out;
}

std::vector<std::string> NameQuality::notes() const
{
    std::vector<std::string> out;
    for (const CharacterReading& c : characters)
        if (c.given && c.seldom())
            out.push_back("“" + c.character + "”较少用作名字");
    if (namesake)
        out.emplace_back(kNamesakeNote);
    return out;
}

bool CharacterReading::seldom() const noexcept
{
    constexpr int kSeldomNameUses = 3; // fewer real given names than this use the character
    return !rare && nameUses >= 0 && nameUses < kSeldomNameUses && (level == kNotListed || level >= 2);
}

std::string NameQuality::markText() const
{
    std::string out;
    for (const std::string& line : markLines())
        out += (out.empty() ? "" : "\n") + line;
    return out;
}

std::string sourceTitle(const SourceLine& source)
{
    return source.poet + "《" + (source.book.empty() ? std::string() : source.book + "·") + source.title +
           "》";
}

} // namespace quality
