#include "cli/DateArgument.h"

#include <charconv>

namespace cli {

std::optional<std::vector<int>> parseNumbers(std::string_view text, char separator, size_t minFields,
                                             size_t maxFields)
{
    std::vector<int> numbers;
    while (true) {
        const size_t end = text.find(separator);
        const std::string_view field = text.substr(0, end);
        int value = 0;
        const auto [ptr, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (field.empty() || ec != std::errc() || ptr != field.data() + field.size() || value < 0)
            return std::nullopt;
        numbers.push_back(value);
        if (numbers.size() > maxFields)
            return std::nullopt;
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    if (numbers.size() < minFields)
        return std::nullopt;
    return numbers;
}

std::optional<calendar::DateTime> parseDateTime(std::string_view date, std::optional<std::string_view> time)
{
    const auto ymd = parseNumbers(date, '-', 3, 3);
    if (!ymd)
        return std::nullopt;
    calendar::DateTime dateTime{(*ymd)[0], (*ymd)[1], (*ymd)[2]};
    if (time) {
        const auto hms = parseNumbers(*time, ':', 1, 3);
        if (!hms)
            return std::nullopt;
        dateTime.hour = (*hms)[0];
        dateTime.minute = hms->size() > 1 ? (*hms)[1] : 0;
        dateTime.second = hms->size() > 2 ? (*hms)[2] : 0;
    }
    return dateTime;
}

std::optional<calendar::DateTime> parseChartDateTime(std::string_view text)
{
    const size_t blank = text.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::string_view hour = text.substr(blank + 1);
    if (hour.find(':') != std::string_view::npos)
        return std::nullopt;
    return parseDateTime(text.substr(0, blank), hour);
}

std::optional<calendar::LateZi> lateZiOption(const Arguments& args, std::ostream& err)
{
    const std::string value = args.option("late-zi").value_or("next-day");
    if (value == "next-day")
        return calendar::LateZi::NextDay;
    if (value == "same-day")
        return calendar::LateZi::SameDay;
    err << "--late-zi 只能是 next-day（23点后算次日）或 same-day（23点后仍算当日）: " << value << '\n';
    return std::nullopt;
}

} // namespace cli
