#pragma once

#include "quality/NameQuality.h"
#include "reports/NameSupport.h"

#include <string>

namespace reports {

inline constexpr std::string_view kQualitySectionTitle = "名字品鉴";

// The 名字品鉴 section of the report: the reading with its tones, 平仄 and its hint, the warnings, the
// characters' levels, the source line and, when given, what supports the given name as one people
// give. Every text is HTML-escaped.
std::string qualitySectionHtml(const quality::NameQuality& quality, const SupportReading* support = nullptr);

} // namespace reports
