#include "cli/Arguments.h"

#include <array>

namespace cli {

std::optional<std::string> Arguments::option(std::string_view name) const
{
    const auto it = options.find(name);
    if (it == options.end())
        return std::nullopt;
    return it->second;
}

bool isFlag(std::string_view name)
{
    static constexpr std::array<std::string_view, 4> kFlags = {"batch", "json", "help", "common-only"};
    for (std::string_view flag : kFlags)
        if (flag == name)
            return true;
    return false;
}

bool takesDateAndHour(std::string_view name)
{
    return name == "from-chart";
}

std::optional<Arguments> parseArguments(const std::vector<std::string>& words, std::string& error)
{
    Arguments args;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() > 2 && word.starts_with("--")) {
            std::string name = word.substr(2);
            std::string value = "1";
            if (const size_t eq = name.find('='); eq != std::string::npos) {
                value = name.substr(eq + 1);
                name.resize(eq);
                if (isFlag(name)) {
                    error = "选项 --" + name + " 不带取值";
                    return std::nullopt;
                }
            } else if (!isFlag(name)) {
                if (i + 1 >= words.size()) {
                    error = "选项 --" + name + " 缺少取值";
                    return std::nullopt;
                }
                value = words[++i];
                if (takesDateAndHour(name) && value.find(' ') == std::string::npos && i + 1 < words.size() &&
                    !words[i + 1].starts_with("--"))
                    value += ' ' + words[++i];
            }
            args.options[name] = value;
        } else if (args.verb.empty()) {
            args.verb = word;
        } else {
            args.positional.push_back(word);
        }
    }
    return args;
}

std::optional<std::string> unknownOption(const Arguments& args, std::string_view usage)
{
    for (const auto& entry : args.options) {
        const std::string& name = entry.first;
        if (name == "db" || name == "batch" || name == "help")
            continue;
        // The usage names the option as "--name" followed by a blank, "]", "|", ";" or its end.
        bool named = false;
        for (size_t at = usage.find("--" + name); at != std::string_view::npos && !named;
             at = usage.find("--" + name, at + 1)) {
            const size_t end = at + 2 + name.size();
            named =
                end == usage.size() || std::string_view(" ]|;=").find(usage[end]) != std::string_view::npos;
        }
        if (!named)
            return name;
    }
    return std::nullopt;
}

std::vector<std::string> splitWords(std::string_view line)
{
    std::vector<std::string> words;
    std::string current;
    for (char c : line) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!current.empty())
                words.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        words.push_back(std::move(current));
    return words;
}

} // namespace cli
