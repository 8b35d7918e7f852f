#pragma once

// The twelve pages of the main page control 高级选择夹1, one class each. A page only places its named
// controls, made from the main window's layout rows; what they do is the window logic's (src/app),
// bound by control name.
#include <QWidget>

namespace gui {

// The title of the group box round a list of names.
inline constexpr const char* kNameListTitle = "姓名列表(双击姓名可查看详细解释)";

// A class name cannot stand in parentheses.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define NESTLING_PAGE(ClassName)                                                                             \
    class ClassName : public QWidget                                                                         \
    {                                                                                                        \
    public:                                                                                                  \
        explicit ClassName(QWidget* parent = nullptr);                                                       \
    };
// NOLINTEND(bugprone-macro-parentheses)

NESTLING_PAGE(ModePage)            // 0 模式选择
NESTLING_PAGE(HighScorePage)       // 1 高分模式
NESTLING_PAGE(PoemPage)            // 2 诗词起名
NESTLING_PAGE(CombinationPage)     // 3 组合起名
NESTLING_PAGE(NicknamePage)        // 4 起小名
NESTLING_PAGE(EnglishPage)         // 5 起英文名
NESTLING_PAGE(BirthChartPage)      // 6 生辰八字
NESTLING_PAGE(EvaluationPage)      // 7 姓名评分
NESTLING_PAGE(RecordsPage)         // 8 起名记录
NESTLING_PAGE(SuperAuspiciousPage) // 9 超吉模式
NESTLING_PAGE(ClassicPage)         // 10 经典模式
NESTLING_PAGE(ShortlistPage)       // 11 名字收藏

#undef NESTLING_PAGE

} // namespace gui
