#include "reports/NameReport.h"

#include "numerology/CharacterRecord.h"
#include "numerology/NameScore.h"
#include "numerology/SplitCharacters.h"
#include "reports/ReportFiles.h"
#include "reports/ReportTemplate.h"
#include "store/TableLayouts.h"
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
    namespace col = store::number;
    const store::StoreQuery query = numerology::queryNumber(store, number);
    const auto column = [&](store::Column c) { return store.ColumnText(query, c); };
    out.fortune = column(col::kFortune);
    out.summary = column(col::kSummary) + "(" + column(col::kSummaryNote) + ")";
    // The label 健康 shows the 含义 column and 含义 the 健康 column: the report has always crossed
    // them, and the data tool fills the two columns crossed as well, so each label shows its own text.
    out.explanation = column(col::kExplanation) + "<BR>基业:" + column(col::kFoundation) +
                      "<BR>家庭:" + column(col::kFamily) + "<BR>健康:" + column(col::kMeaning) +
                      "<BR>含义:" + column(col::kHealth);
    out.hint = text::replaceAll(column(col::kHint), "|", "<BR>");
    return out;
}

ThreeTalentReading readThreeTalents(const store::NamingStore& store, std::string key)
{
    namespace col = store::talent;
    static constexpr std::array<std::pair<std::string_view, store::Column>, 12> kSections = {{
        {"1、总论:", col::kOverview},
        {"<BR>2、性格:", col::kCharacter},
        {"<BR>3、意志:", col::kWill},
        {"<BR>4、事业:", col::kCareer},
        {"<BR>5、家庭:", col::kFamily},
        {"<BR>6、婚姻:", col::kMarriage},
        {"<BR>7、子女:", col::kChildren},
        {"<BR>8、社交:", col::kSocial},
        {"<BR>9、精神:", col::kSpirit},
        {"<BR>10、财运:", col::kWealth},
        {"<BR>11、健康:", col::kHealth},
        {"<BR>12、老运:", col::kOldAge},
    }};
    ThreeTalentReading out;
    out.key = std::move(key);
    const store::StoreQuery query = numerology::queryThreeTalents(store, out.key);
    out.fortune = store.ColumnText(query, col::kFortune);
    out.summary = store.ColumnText(query, col::kSummary);
    for (const auto& [label, column] : kSections)
        out.explanation += std::string(label) + store.ColumnText(query, column);
    out.basis = store.ColumnText(query, col::kOnBasis);
    out.success = store.ColumnText(query, col::kOnSuccess);
    out.relations = store.ColumnText(query, col::kOnRelations);
    out.temper = store.ColumnText(query, col::kOnTemper);
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

NameReport computeNameReport(const store::NamingStore& store, std::string_view surname,
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

    report.weightedHundredths = numerology::weightedHundredths(fortunes);
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

quality::NameQuality checkNameForReport(const store::NamingStore& store, const quality::NameChecker* checker,
                                        std::string_view surname, std::string_view given)
{
    if (checker)
        return checker->check(surname, given);
    const quality::NameChecker own(store);
    return own.check(surname, given);
}

SupportReading supportForReport(const store::NamingStore& store, const quality::NameChecker* checker,
                                std::string_view surname, std::string_view given)
{
    const naming::NameLikeness likeness = naming::NameLikeness::load(store);
    if (checker)
        return readSupport(likeness, *checker, surname, given);
    const quality::NameChecker own(store);
    return readSupport(likeness, own, surname, given);
}

NameReport BuildNameReport(const store::NamingStore& store, const std::filesystem::path& programFolder,
                           std::string_view surname, std::string_view given,
                           const quality::NameChecker* checker)
{
    NameReport report = computeNameReport(store, surname, given);
    report.quality = checkNameForReport(store, checker, surname, given);
    report.support = supportForReport(store, checker, surname, given);
    writeGbkFile(reportFile(programFolder), FillReportTemplate(nameReportTemplate(), report));
    return report;
}

} // namespace reports
