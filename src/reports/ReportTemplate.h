#pragma once

#include "reports/NameReport.h"

#include <string>
#include <string_view>

namespace reports {

// The 名字评分 page: character table, grid overview, notice, the five grids, the three talents, their
// effects, the hints, the 名字品鉴 section and the score. A UTF-8 text with {...} placeholders; written out
// as GBK.
std::string_view nameReportTemplate() noexcept;

// Replaces every placeholder of the report page by its value. The characters of the name, which the
// user may have typed, are HTML-escaped; the texts from the database are inserted as HTML. A position
// the name lacks fills its placeholders with empty text.
std::string FillReportTemplate(std::string_view templateText, const NameReport& report);

} // namespace reports
