#include "reports/ScoreChart.h"

#include "numerology/NameScore.h"
#include "text/Utf8.h"

#include <algorithm>

namespace reports {
namespace {

constexpr std::array<std::string_view, 5> kGenerates = {"木火", "火土", "土金", "金水", "水木"};
constexpr std::array<std::string_view, 5> kOvercomes = {"木土", "土水", "水火", "火金", "金木"};

bool inCycle(const std::array<std::string_view, 5>& cycle, std::string_view from, std::string_view to)
{
    const std::string pair = std::string(from) + std::string(to);
    return std::find(cycle.begin(), cycle.end(), pair) != cycle.end();
}

std::string_view fortuneColour(std::string_view fortune)
{
    if (fortune == "大吉" || fortune == "吉")
        return "#3C9A4E";
    if (fortune == "中")
        return "#E0A030";
    if (fortune == "凶")
        return "#D9534F";
    if (fortune == "大凶")
        return "#A02020";
    return "#999999";
}

std::string escape(std::string_view s)
{
    std::string out;
    for (char c : s) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

std::string num(int value)
{
    return std::to_string(value);
}

constexpr int kPixelsPerWeight = 8; // the heaviest part (人格, 30) is 240 pixels long
constexpr int kBarX = 150;
constexpr int kRowHeight = 26;

std::string partRow(const ScorePart& part, int y)
{
    const int full = part.weight * kPixelsPerWeight;
    const int kept = part.pointsHundredths * kPixelsPerWeight / 100;
    std::string row;
    row += "<text x=\"4\" y=\"" + num(y + 16) + "\">" + part.label + " " + escape(part.number) + " " +
           (part.fortune.empty() ? std::string("无") : part.fortune) + "</text>";
    row += "<rect x=\"" + num(kBarX) + "\" y=\"" + num(y + 4) + "\" width=\"" + num(full) +
           "\" height=\"16\" fill=\"#EEE8D5\" stroke=\"#BBAC85\"/>";
    row += "<rect class=\"kept\" x=\"" + num(kBarX) + "\" y=\"" + num(y + 4) + "\" width=\"" + num(kept) +
           "\" height=\"16\" fill=\"" + std::string(fortuneColour(part.fortune)) + "\"/>";
    const int lost = part.weight * 100 - part.pointsHundredths;
    row += "<text x=\"" + num(kBarX + 30 * kPixelsPerWeight + 10) + "\" y=\"" + num(y + 16) + "\">" +
           pointsText(part.pointsHundredths) + " / " + num(part.weight) + " 分";
    if (lost > 0)
        row += "（失 " + pointsText(lost) + "）";
    row += "</text>";
    return row;
}

std::string talentCircle(std::string_view label, std::string_view element, int cx, int cy)
{
    const std::string shown = element.empty() ? "?" : std::string(element);
    return "<circle cx=\"" + num(cx) + "\" cy=\"" + num(cy) + "\" r=\"22\" fill=\"" +
           std::string(elementColour(element)) + "\"/>" + "<text x=\"" + num(cx) + "\" y=\"" + num(cy + 7) +
           "\" text-anchor=\"middle\" font-size=\"20\" fill=\"#FFFFFF\">" + shown + "</text>" + "<text x=\"" +
           num(cx) + "\" y=\"" + num(cy + 40) + "\" text-anchor=\"middle\">" + std::string(label) + "</text>";
}

std::string talentArrow(const TalentLink& link, int x1, int x2, int cy)
{
    if (link.relation.empty())
        return {};
    const int from = link.forward ? x1 + 26 : x2 - 26;
    const int to = link.forward ? x2 - 30 : x1 + 30;
    const bool arrow = link.relation != "比和";
    std::string out =
        "<line x1=\"" + num(from) + "\" y1=\"" + num(cy) + "\" x2=\"" + num(to) + "\" y2=\"" + num(cy) +
        "\" stroke=\"" + (link.relation == "克" ? "#C0392B" : "#3C9A4E") + "\" stroke-width=\"2\"" +
        (arrow ? (link.relation == "克" ? " marker-end=\"url(#ke)\"" : " marker-end=\"url(#sheng)\"")
               : std::string(" stroke-dasharray=\"4 3\"")) +
        "/>";
    out += "<text x=\"" + num((x1 + x2) / 2) + "\" y=\"" + num(cy - 8) + "\" text-anchor=\"middle\">" +
           link.relation + "</text>";
    return out;
}

} // namespace

std::string pointsText(int hundredths)
{
    std::string out = std::to_string(hundredths / 100);
    const int rest = hundredths % 100;
    if (rest != 0) {
        out += '.';
        out += static_cast<char>('0' + rest / 10);
        if (rest % 10 != 0)
            out += static_cast<char>('0' + rest % 10);
    }
    return out;
}

std::array<ScorePart, 6> scoreParts(const NameReport& report)
{
    static constexpr std::array<const char*, 5> kGridLabels = {"天格", "人格", "地格", "总格", "外格"};
    const std::array<int, 5> numbers = report.grids.values();
    std::array<ScorePart, 6> parts;
    for (size_t i = 0; i < 5; ++i)
        parts[i] = {kGridLabels[i], std::to_string(numbers[i]), report.gridReadings[i].fortune, 0, 0};
    parts[5] = {"三才", report.threeTalents.key, report.threeTalents.fortune, 0, 0};
    for (size_t i = 0; i < parts.size(); ++i) {
        parts[i].weight = numerology::kGridWeights[i];
        parts[i].pointsHundredths = parts[i].weight * numerology::fortuneFactorPercent(parts[i].fortune);
    }
    return parts;
}

TalentLink talentLink(std::string_view from, std::string_view to)
{
    if (from.empty() || to.empty())
        return {};
    if (from == to)
        return {"比和", true};
    if (inCycle(kGenerates, from, to))
        return {"生", true};
    if (inCycle(kGenerates, to, from))
        return {"生", false};
    if (inCycle(kOvercomes, from, to))
        return {"克", true};
    if (inCycle(kOvercomes, to, from))
        return {"克", false};
    return {};
}

std::string_view elementColour(std::string_view element) noexcept
{
    if (element == "金")
        return "#C9A227";
    if (element == "木")
        return "#2E8B57";
    if (element == "水")
        return "#1F4E9A";
    if (element == "火")
        return "#D23B2E";
    if (element == "土")
        return "#A0722A";
    return "#999999";
}

std::string scoreChartSvg(const NameReport& report)
{
    const std::array<ScorePart, 6> parts = scoreParts(report);
    const int barsHeight = static_cast<int>(parts.size()) * kRowHeight + 30;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"660\" height=\"" +
                      num(barsHeight + 110) + "\" font-size=\"13\" role=\"img\" aria-label=\"评分构成\">";
    svg += "<defs>"
           "<marker id=\"sheng\" markerWidth=\"8\" markerHeight=\"8\" refX=\"6\" refY=\"4\" orient=\"auto\">"
           "<path d=\"M0,0 L8,4 L0,8 z\" fill=\"#3C9A4E\"/></marker>"
           "<marker id=\"ke\" markerWidth=\"8\" markerHeight=\"8\" refX=\"6\" refY=\"4\" orient=\"auto\">"
           "<path d=\"M0,0 L8,4 L0,8 z\" fill=\"#C0392B\"/></marker>"
           "</defs>";
    int y = 0;
    for (const ScorePart& part : parts) {
        svg += partRow(part, y);
        y += kRowHeight;
    }
    svg += "<text x=\"4\" y=\"" + num(y + 18) + "\" font-weight=\"bold\">合计 " +
           pointsText(report.weightedHundredths) + " 分，取整为评分 " + num(report.score) +
           " 分（色条为所得分，浅色为失分）</text>";

    // The three talents: 天格, 人格, 地格 in their elements, how each acts on the next.
    const std::vector<std::string> talents = text::utf8Characters(report.threeTalents.key);
    const auto talent = [&](size_t i) { return i < talents.size() ? talents[i] : std::string(); };
    const int cy = barsHeight + 40;
    const std::array<int, 3> xs = {60, 230, 400};
    const std::array<const char*, 3> labels = {"天格", "人格", "地格"};
    for (size_t i = 0; i < 3; ++i)
        svg += talentCircle(labels[i], talent(i), xs[i], cy);
    svg += talentArrow(talentLink(talent(0), talent(1)), xs[0], xs[1], cy);
    svg += talentArrow(talentLink(talent(1), talent(2)), xs[1], xs[2], cy);
    svg += "<text x=\"470\" y=\"" + num(cy + 5) + "\">三才 " + escape(report.threeTalents.key) + " " +
           (report.threeTalents.fortune.empty() ? std::string("无") : report.threeTalents.fortune) +
           "</text>";
    svg += "</svg>";
    return svg;
}

} // namespace reports
