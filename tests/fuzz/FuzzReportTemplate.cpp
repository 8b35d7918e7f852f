// The template fill: any template text with any placeholder values, and the report's own template
// with values that look like placeholders themselves.
#include "FuzzCheck.h"
#include "reports/NameReport.h"
#include "reports/Placeholders.h"
#include "reports/ReportTemplate.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first line is the value, the rest the template.
    const std::size_t cut = bytes.find('\n');
    const std::string value(bytes.substr(0, cut));
    const std::string_view templateText =
        cut == std::string_view::npos ? std::string_view() : bytes.substr(cut + 1);
    const reports::Placeholders values = {{"{天格}", value}, {"{姓氏}", value}, {"{", value}, {"{}", ""}};
    const std::string filled = reports::fillPlaceholders(templateText, values);
    if (templateText.find('{') == std::string_view::npos)
        FUZZ_CHECK(filled == templateText);
    reports::NameReport report;
    report.characters[reports::kSurname1] = {true, value, value, value, 1, 2, value};
    report.gridReadings[0].hint = value; // "|" becomes a line break
    report.threeTalents.explanation = value;
    reports::FillReportTemplate(templateText, report);
    reports::FillReportTemplate(reports::nameReportTemplate(), report);
    return 0;
}
