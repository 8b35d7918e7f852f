#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace calendar::detail {

inline constexpr int kFirstTermYear = 1880;
inline constexpr int kLastTermYear = 2079;
inline constexpr std::size_t kSolarTermRecordCount =
    static_cast<std::size_t>(kLastTermYear - kFirstTermYear + 1) * 24;

// The moment of one solar term in China Standard Time (UTC+8); the year is the record's position.
struct TermRecord
{
    std::uint8_t month;
    std::uint8_t day;
    std::uint8_t hour;
    std::uint8_t minute;
    std::uint8_t second;
};

// Record (year - 1880) * 24 + term - 1; generated from data-src/solarterms.csv at build time.
extern const std::array<TermRecord, kSolarTermRecordCount> kSolarTermRecords;

} // namespace calendar::detail
