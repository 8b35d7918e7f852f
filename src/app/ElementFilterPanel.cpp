#include "app/ElementFilterPanel.h"

#include "app/ControlNames.h"

#include <array>

namespace app {
namespace {

using Row = std::array<names::Name, 5>;

struct PanelRow
{
    names::Name limiter;
    names::Name partner; // the other limiter of the same kind
    Row elements;        // 金 木 水 火 土
};

constexpr std::array<PanelRow, 4> kRows = {{
    {names::选择框_第二个字五行限定,
     names::选择框_第三个字五行限定,
     {names::选择框_金0, names::选择框_木0, names::选择框_水0, names::选择框_火0, names::选择框_土0}},
    {names::选择框_第三个字五行限定,
     names::选择框_第二个字五行限定,
     {names::选择框_金1, names::选择框_木1, names::选择框_水1, names::选择框_火1, names::选择框_土1}},
    {names::选择框_所有字必带五行,
     names::选择框_所有字不能带五行,
     {names::选择框_金2, names::选择框_木2, names::选择框_水2, names::选择框_火2, names::选择框_土2}},
    {names::选择框_所有字不能带五行,
     names::选择框_所有字必带五行,
     {names::选择框_金3, names::选择框_木3, names::选择框_水3, names::选择框_火3, names::选择框_土3}},
}};

naming::ElementFilterRow readRow(const Window& main, const PanelRow& row)
{
    naming::ElementFilterRow out;
    out.limiter = main.isChecked(row.limiter);
    for (names::Name box : row.elements)
        if (main.isChecked(box))
            out.elements += main.text(box);
    return out;
}

} // namespace

void wireElementFilterPanel(Window& main)
{
    for (const PanelRow& row : kRows)
        main.on(row.limiter, EventKind::Clicked,
                [&main, limiter = row.limiter](const Event&) { applyElementFilterRule(main, limiter); });
}

void applyElementFilterRule(Window& main, ControlName limiter)
{
    for (size_t i = 0; i < kRows.size(); ++i) {
        const PanelRow& row = kRows[i];
        if (row.limiter != limiter)
            continue;
        // Rows 0 and 1 are the position limiters, rows 2 and 3 the all-character limiters.
        const size_t other = i < 2 ? 2 : 0;
        const bool checked = main.isChecked(limiter);
        if (checked) {
            for (size_t k = other; k < other + 2; ++k) {
                main.setChecked(kRows[k].limiter, false);
                main.setEnabled(kRows[k].limiter, false);
            }
        }
        for (names::Name box : row.elements)
            main.setEnabled(box, checked);
        if (!checked && !main.isChecked(row.partner))
            for (size_t k = other; k < other + 2; ++k)
                main.setEnabled(kRows[k].limiter, true);
        return;
    }
}

void setElementFilter(Window& main, const naming::ElementFilter& filter)
{
    const std::array<const naming::ElementFilterRow*, 4> rows = {&filter.second, &filter.third, &filter.must,
                                                                 &filter.mustNot};
    const bool positionOn = filter.second.limiter || filter.third.limiter;
    const bool allOn = filter.must.limiter || filter.mustNot.limiter;
    for (size_t i = 0; i < kRows.size(); ++i) {
        const naming::ElementFilterRow& row = *rows[i];
        main.setChecked(kRows[i].limiter, row.limiter);
        main.setEnabled(kRows[i].limiter, i < 2 ? !allOn : !positionOn);
        for (names::Name box : kRows[i].elements) {
            main.setChecked(box, row.elements.find(main.text(box)) != std::string::npos);
            main.setEnabled(box, row.limiter);
        }
    }
}

naming::ElementFilter readElementFilter(const Window& main)
{
    return {readRow(main, kRows[0]), readRow(main, kRows[1]), readRow(main, kRows[2]),
            readRow(main, kRows[3])};
}

} // namespace app
