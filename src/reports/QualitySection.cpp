#include "reports/QualitySection.h"

#include "reports/ReportFiles.h"

namespace reports {
namespace {

std::string row(std::string_view label, const std::string& html)
{
    return "  <tr class=\"tdbgcolor\"><td width=\"20%\">" + std::string(label) + "</td><td>" + html +
           "</td></tr>\n";
}

std::string red(const std::string& text)
{
    return "<span class=\"red\">" + htmlEscape(text) + "</span>";
}

std::string readingHtml(const quality::NameQuality& q)
{
    std::string out;
    for (const quality::CharacterReading& c : q.characters) {
        if (!out.empty())
            out += "&nbsp;&nbsp;";
        out += htmlEscape(c.character) + " <span class=\"py\">" +
               htmlEscape(c.pinyin.empty() ? "?" : c.pinyin) + "</span>";
        if (c.tone != 0)
            out += "（" + std::string(c.tone == 5 ? "轻声" : "第" + std::to_string(c.tone) + "声") + "）";
    }
    return out;
}

std::string levelsHtml(const quality::NameQuality& q)
{
    std::string out;
    for (const quality::CharacterReading& c : q.characters) {
        if (!c.given)
            continue;
        const std::string text = c.character + "：" + std::string(quality::levelText(c.level));
        out +=
            (out.empty() ? "" : "&nbsp;&nbsp;") + (c.rare ? red(text + "，生僻字，难读难写，有些系统打不出")
                                                   : c.seldom() ? htmlEscape(text + "，较少用作名字")
                                                                : htmlEscape(text));
    }
    return out;
}

} // namespace

std::string qualitySectionHtml(const quality::NameQuality& q, const SupportReading* support)
{
    std::string html =
        "<table class=\"tablebgcolor\" cellspacing=\"1\" cellpadding=\"0\" align=\"center\">\n";
    html += "  <tr class=\"tdbgcolor\"><td colspan=\"2\"><span class=\"fontcolor1\">" +
            std::string(kQualitySectionTitle) +
            "：</span>读音、声调、谐音、字义、用字和出处，供取名时参考，不影响评分。</td></tr>\n";
    html += row("读音", readingHtml(q));
    std::string pingze = htmlEscape(q.pingze());
    if (const std::string hint = q.toneHint(); !hint.empty())
        pingze += "&nbsp;&nbsp;" + red(hint);
    html += row("平仄", pingze);
    std::string warnings;
    for (const quality::Warning& w : q.warnings)
        warnings += (warnings.empty() ? "" : "<br>") + red(w.text());
    html += row("谐音与字义", warnings.empty() ? std::string("未发现不雅的谐音或字义。") : warnings);
    html += row("用字", levelsHtml(q));
    html += row("出处", q.source ? htmlEscape(quality::sourceTitle(*q.source) + "：“" + q.source->line + "”")
                                 : std::string("《诗经》《楚辞》、唐诗和宋词中没有同时含有名字各字的诗句。"));
    if (support)
        html += row("名字依据", supportHtml(*support));
    html += "</table>\n<div class=\"divh\"></div>\n";
    return html;
}

} // namespace reports
