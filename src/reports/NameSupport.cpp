#include "reports/NameSupport.h"

#include "reports/ReportFiles.h"

namespace reports {

SupportReading readSupport(const naming::NameLikeness& likeness, const quality::NameChecker& checker,
                           std::string_view surname, std::string_view given, std::string_view sex)
{
    SupportReading reading;
    reading.given = std::string(given);
    reading.warned = (checker.marks(surname, given) & quality::kWarned) != 0;
    if (reading.warned)
        return reading;
    reading.support = likeness.support(given, sex);
    if (reading.support.kind == naming::NameSupport::Classical)
        reading.line = checker.poems().findPair(given);
    return reading;
}

std::string supportHtml(const SupportReading& reading)
{
    const std::string_view given = reading.given;
    const std::string count = std::to_string(reading.support.count);
    const std::string caption(naming::supportCaption(reading.support.kind));
    switch (reading.support.kind) {
    case naming::NameSupport::RealName:
        return caption + "：" + count + " 人同名，是人们常给孩子取的名字。";
    case naming::NameSupport::Classical: {
        std::string text = caption + "：唐诗中有 " + count + " 句含有“" + htmlEscape(given) + "”二字相连";
        if (reading.line)
            text += "，如" + htmlEscape(reading.line->poet + "《" + reading.line->title + "》：“" +
                                        reading.line->line + "”");
        return text + "。";
    }
    case naming::NameSupport::CommonCharacters:
        if (given.size() <= 4)
            return caption + "：这个字常用在名字里（" + count + " 个真实的名字用到它）。";
        return caption + "：两个字都常用在名字的这个位置（较少见的一个也有 " + count +
               " 个真实的名字用到），但不是常见的人名，也没有古诗出处。";
    case naming::NameSupport::None:
        break;
    }
    if (reading.warned)
        return "名字有需要留意的谐音或字义（见上），不算作常见的名字。";
    return "没有真实人名或古诗出处支持这个名字，用字也少见于名字。";
}

} // namespace reports
