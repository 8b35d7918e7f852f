#include "reports/NameReport.h"

#include "numerology/CharacterRecord.h"
#include "numerology/NameScore.h"
#include "numerology/SplitCharacters.h"
#include "reports/ReportFiles.h"
#include "reports/ReportTemplate.h"
#include "text/Utf8.h"

#include <vector>

namespace reports {
namespace {

ReportCharacter readCharacter(const store::NamingStore& store, const std::string& character)
{
    ReportCharacter out;
    out.present = true;
    out.character = character;
    const numerology::CharacterRecord record =
        numerology::LookupCharacter(store, character, numerology::LookupDetail::Report);
    if (!numerology::IsUsable(record))
        return out;
    out.traditionalForm = record.traditionalForm;
    out.pinyin = record.pinyin;
    out.simplifiedStrokes = record.simplifiedStrokes;
    out.traditionalStrokes = record.traditionalStrokes;
    out.element = record.element;
    return out;
}

GridReading readGrid(const store::NamingStore& store, int number)
{
    GridReading out;
    out.number = number;
    out.element = std::string(numerology::NumberElement(number));
    store::StoreQuery query = store.Query("select * from XW_八一灵动数 where Id=?", {std::int64_t{number}});
    const auto column = [&](int i) { return store.ColumnText(query, i); };
    out.fortune = column(1);
    out.summary = column(2) + "(" + column(4) + ")";
    // 健康 is column 8 and 含义 column 7: the labels follow the table's crossed order on purpose.
    out.explanation = column(3) + "<BR>基业:" + column(5) + "<BR>家庭:" + column(6) +
                      "<BR>健康:" + column(8) + "<BR>含义:" + column(7);
    out.hint = text::replaceAll(column(9), "|", "<BR>");
    store.Finalize(query);
    return out;
}

ThreeTalentReading readThreeTalents(const store::NamingStore& store, std::string key)
{
    static constexpr std::array<std::string_view, 12> kSections = {
        "1、总论:",     "<BR>2、性格:", "<BR>3、意志:", "<BR>4、事业:",  "<BR>5、家庭:",  "<BR>6、婚姻:",
        "<BR>7、子女:", "<BR>8、社交:", "<BR>9、精神:", "<BR>10、财运:", "<BR>11、健康:", "<BR>12、老运:"};
    ThreeTalentReading out;
    out.key = std::move(key);
    store::StoreQuery query = store.Query("select * from XW_三才配置 where 三才=?", {out.key});
    out.fortune = store.ColumnText(query, 2);
    out.summary = store.ColumnText(query, 3);
    for (size_t i = 0; i < kSections.size(); ++i)
        out.explanation += std::string(kSections[i]) + store.ColumnText(query, 5 + static_cast<int>(i));
    out.basis = store.ColumnText(query, 17);
    out.success = store.ColumnText(query, 18);
    out.relations = store.ColumnText(query, 19);
    out.temper = store.ColumnText(query, 20);
    store.Finalize(query);
    return out;
}

} // namespace

int NameReport::simplifiedTotal() const
{
    int total = 0;
    for (const ReportCharacter& c : characters)
        total += c.simplifiedStrokes;
    return total;
}

std::string NameReport::elements() const
{
    std::string out;
    for (const ReportCharacter& c : characters)
        out += c.element;
    return out;
}

NameReport ComputeNameReport(const store::NamingStore& store, std::string_view surname,
                             std::string_view given)
{
    NameReport report;
    const std::vector<std::string> surnameParts = numerology::SplitCharacters(surname);
    const std::vector<std::string> givenParts = numerology::SplitCharacters(given);
    for (size_t i = 0; i < 2; ++i) {
        if (i < surnameParts.size())
            report.characters[kSurname1 + i] = readCharacter(store, surnameParts[i]);
        if (i < givenParts.size())
            report.characters[kGiven1 + i] = readCharacter(store, givenParts[i]);
    }
    ReportCharacter& first = report.characters[kSurname1];
    if (surnameParts.size() == 1 && first.character == "于")
        first.traditionalStrokes = first.simplifiedStrokes;

    const numerology::NameShape shape{surnameParts.size() >= 2 ? 2 : 1, givenParts.size() >= 2 ? 2 : 1};
    const auto strokes = [&](size_t i) { return report.characters[i].traditionalStrokes; };
    report.grids = numerology::ComputeFiveGrids(strokes(kSurname1), strokes(kSurname2), strokes(kGiven1),
                                                strokes(kGiven2), shape);
    const std::array<int, 5> numbers = report.grids.values();
    std::array<std::string, 6> fortunes;
    for (size_t i = 0; i < numbers.size(); ++i) {
        report.gridReadings[i] = readGrid(store, numbers[i]);
        fortunes[i] = report.gridReadings[i].fortune;
    }
    report.threeTalents = readThreeTalents(store, numerology::ThreeTalentKey(report.grids));
    fortunes[numerology::kThreeTalents] = report.threeTalents.fortune;

    report.weightedHundredths = numerology::WeightedHundredths(fortunes);
    report.score = report.weightedHundredths / 100;
    report.comment = std::string(ScoreComment(report.score));
    return report;
}

std::string_view ScoreComment(int score) noexcept
{
    if (score >= 90)
        return "你的名字取得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心"
               "。";
    if (score >= 80)
        return "你的名字取得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！";
    if (score >= 70)
        return "你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未"
               "尝不可。";
    if (score >= 60)
        return "你的名字不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。";
    return "你的名字很不好！强烈建议你换个名字试试，也许人生会因此而改变的。";
}

NameReport BuildNameReport(const store::NamingStore& store, const std::filesystem::path& programFolder,
                           std::string_view surname, std::string_view given)
{
    NameReport report = ComputeNameReport(store, surname, given);
    WriteGbkFile(ReportFile(programFolder), FillReportTemplate(NameReportTemplate(), report));
    return report;
}

} // namespace reports
