#include "app/WindowLayouts.h"

#include "app/ArticleMenu.h"
#include "app/AvoidedSetting.h"
#include "naming/NameRow.h"
#include "reports/Comparison.h"

#include <deque>
#include <initializer_list>
#include <type_traits>

// The rows name only the fields that differ from a row's defaults; GCC 12 warns about every field a
// designated initializer leaves to its default member initializer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace app {
namespace {

using namespace names;
using K = ControlKind;

std::vector<std::string> nameColumns()
{
    return {naming::kNameRowHeaders.begin(), naming::kNameRowHeaders.end()};
}

std::vector<std::string> range(int first, int last)
{
    std::vector<std::string> items;
    for (int i = first; i <= last; ++i)
        items.push_back(std::to_string(i));
    return items;
}

// Appends rows that sit on one page of a page control.
void onPage(std::vector<ControlSpec>& controls, Name pages, int page, std::initializer_list<ControlSpec> rows)
{
    for (ControlSpec row : rows) {
        row.pages = pages;
        row.page = page;
        controls.push_back(std::move(row));
    }
}

// The article menus' items, named "菜单_" + category; the names live as long as the layouts.
void addArticleItems(std::vector<ControlSpec>& controls, Name menu,
                     const std::vector<ArticleMenuEntry>& entries)
{
    static std::deque<std::string> itemNames;
    for (const ArticleMenuEntry& entry : entries)
        if (entry.kind == ArticleMenuEntry::Item) {
            itemNames.push_back(std::string(kArticleItemPrefix) + entry.caption);
            controls.push_back(
                {.kind = K::MenuItem, .name = itemNames.back(), .caption = entry.caption, .menu = menu});
        }
}

// clang-format off
const char* const kIntro =
    "欢迎使用嘉禾起名软件。软件依据传统姓名学的五格剖象法，按姓名用字的康熙笔画计算天格、人格、"
    "地格、总格、外格，对照八十一数理与三才配置评出 0 到 100 分，帮您从成千上万的名字中"
    "挑出音、形、义、数理俱佳的好名字。\n\n"
    "先在上方填写宝宝的姓氏、性别、名字个数和出生日期，再选择一种起名模式，"
    "点击“开始起名”即可。双击列表中的名字可以查看详细解释。";

// The three boxes of 只列常见名字 (CommonOnlySetting.h), on by default.
const char* const kCommonOnlyCaption = "只列常见名字";
const char* const kCommonOnlyTip = "勾选：只列出真实人名、古诗出处或常见名字用字支持的名字；"
                                   "不勾选：其余的名字也列出，排在同分的名字之后";

std::vector<ControlSpec> mainWindow()
{
    std::vector<ControlSpec> c = {
        {.kind = K::Group, .name = 分组框1, .caption = "宝宝信息："},
        {.kind = K::Edit, .name = 编辑框_姓氏},
        {.kind = K::Combo, .name = 组合框_性别, .items = {"男", "女"}},
        {.kind = K::Combo, .name = 组合框_名字个数, .items = {"一字", "二字"}},
        {.kind = K::ClickLabel, .name = 标签_设置辈份, .caption = "▽", .color = Rgb{0x60, 0x60, 0x60}, .tip = std::string(设置辈份)},
        {.kind = K::Check, .name = 选择框_过滤生僻字, .caption = "过滤生僻字和不雅谐音",
         .tip = "起名列表中不显示含生僻字或有不雅谐音、字义的名字"},
        {.kind = K::Combo, .name = 组合框_年份},
        {.kind = K::Combo, .name = 组合框_月份},
        {.kind = K::Combo, .name = 组合框_日子},
        {.kind = K::Combo, .name = 组合框_时间},
        {.kind = K::Combo, .name = 组合框_分钟},
        // Enabled once taboo characters are set (操作菜单 → 设置避讳字); the label shows them.
        {.kind = K::Check, .name = 选择框_排除避讳字, .caption = "排除避讳字", .enabled = false,
         .tip = "勾选后，各种起名模式都不列出含有避讳字的名字（在“操作菜单 → 设置避讳字”中设置）"},
        {.kind = K::Label, .name = 透明标签_避讳字},
        {.kind = K::Pages, .name = 高级选择夹1, .items = {"模式选择", "高分模式", "诗词起名", "组合起名", "起小名", "起英文名",
                                                          "生辰八字", "姓名评分", "起名记录", "超吉模式", "经典模式", "名字收藏"}},
        {.kind = K::Toolbar, .name = 工具条1, .items = {"模式选择", "生辰八字", "姓名评分", "起名记录", "新华字典"}},
        {.kind = K::StatusBar, .name = 状态条1},
        {.kind = K::Player, .name = 媒体播放1},
    };
    onPage(c, 高级选择夹1, kPageModes, {
        {.kind = K::Label, .name = 透明标签11, .caption = kIntro},
        {.kind = K::Radio, .name = 单选框_经典起名, .caption = "经典起名", .group = "mode", .checked = true},
        {.kind = K::Radio, .name = 单选框_高分起名, .caption = "高分起名", .group = "mode"},
        {.kind = K::Radio, .name = 单选框_超吉起名, .caption = "超吉起名", .group = "mode"},
        {.kind = K::Radio, .name = 单选框_诗词起名, .caption = "诗词起名", .group = "mode"},
        {.kind = K::Radio, .name = 单选框_组合起名, .caption = "组合起名", .group = "mode"},
        {.kind = K::Radio, .name = 单选框_起小名, .caption = "起小名", .group = "mode"},
        {.kind = K::Radio, .name = 单选框_起英文名, .caption = "起英文名", .group = "mode"},
        {.kind = K::Button, .name = 按钮_起名, .caption = "开始起名"},
    });
    onPage(c, 高级选择夹1, kPageHighScore, {
        {.kind = K::List, .name = 超级列表框_高分起名, .items = nameColumns()},
        {.kind = K::Button, .name = 按钮_高分暂停, .caption = "暂停"},
        {.kind = K::Button, .name = 按钮_再生成一次, .caption = "不满意?再生成一次"},
        {.kind = K::Button, .name = 按钮_高分导出, .caption = "导出列表"},
        {.kind = K::Check, .name = 选择框_高分常见名字, .caption = kCommonOnlyCaption, .checked = true, .tip = kCommonOnlyTip},
    });
    onPage(c, 高级选择夹1, kPagePoem, {
        {.kind = K::Pages, .name = 高级选择夹2, .items = {"选取诗词", "诗词取名", "生成名字"}},
    });
    onPage(c, 高级选择夹2, kPoemPagePick, {
        // Filled from the database when the page is first shown (唐诗, 诗经, 楚辞, 宋词, 论语).
        {.kind = K::Combo, .name = 组合框_书目, .tip = "诗词出自哪部书：唐诗按诗人列出，诗经、论语按篇章列出"},
        {.kind = K::Edit, .name = 编辑框_诗词搜索, .tip = "输入诗词标题或其中一句，点“搜索”在所选书目中查找"},
        {.kind = K::Button, .name = 按钮_诗词搜索, .caption = "搜索"},
        {.kind = K::List, .name = 超级列表框_诗人列表, .items = {"编号", "诗人"}},
        {.kind = K::List, .name = 超级列表框_诗词残, .items = {"编号", "诗词标题"}},
        {.kind = K::Browser, .name = 网页浏览框1},
        {.kind = K::Button, .name = 按钮2, .caption = "使用此诗词"},
    });
    onPage(c, 高级选择夹2, kPoemPageCharacters, {
        {.kind = K::Group, .name = 分组框_诗词字符, .caption = "勾选可以用在名字里的字"},
        // The template of the character boxes; the boxes of a poem are its copies.
        {.kind = K::Check, .name = 选择框1, .caption = "字", .visible = false},
        {.kind = K::Button, .name = 按钮3, .caption = "全选"},
        {.kind = K::Button, .name = 按钮6, .caption = "反选"},
        {.kind = K::Button, .name = 按钮4, .caption = "全清"},
        {.kind = K::Button, .name = 按钮_诗词起名, .caption = "生成"},
        {.kind = K::Check, .name = 选择框_诗词常见名字, .caption = kCommonOnlyCaption, .checked = true, .tip = kCommonOnlyTip},
    });
    onPage(c, 高级选择夹2, kPoemPageNames, {
        {.kind = K::List, .name = 超级列表框_诗名列表, .items = nameColumns()},
        {.kind = K::Button, .name = 按钮_诗名导出, .caption = "导出"},
    });
    onPage(c, 高级选择夹1, kPageCombination, {
        {.kind = K::Edit, .name = 编辑框_组合的字, .caption = "圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇"},
        {.kind = K::Button, .name = 按钮_组合起名, .caption = "生成"},
        {.kind = K::List, .name = 超级列表框_组合列表, .items = nameColumns()},
        {.kind = K::Button, .name = 按钮_组合导出, .caption = "导出"},
    });
    onPage(c, 高级选择夹1, kPageNickname, {
        {.kind = K::Radio, .name = 单选框_AA型, .caption = "AA型", .group = "nickname", .checked = true},
        {.kind = K::Radio, .name = 单选框_小A型, .caption = "小A型", .group = "nickname"},
        {.kind = K::Radio, .name = 单选框_A儿型, .caption = "A儿型", .group = "nickname"},
        {.kind = K::Radio, .name = 单选框_阿A型, .caption = "阿A型", .group = "nickname"},
        {.kind = K::Button, .name = 按钮_起小名, .caption = "生成"},
        {.kind = K::List, .name = 超级列表框_小名列表, .items = nameColumns()},
        {.kind = K::Button, .name = 按钮_小名导出, .caption = "导出"},
    });
    onPage(c, 高级选择夹1, kPageEnglish, {
        {.kind = K::Edit, .name = 编辑框_英文姓氏},
        {.kind = K::Edit, .name = 编辑框_英文名字},
        {.kind = K::Radio, .name = 单选框_男性化, .caption = "男性化", .group = "english", .checked = true},
        {.kind = K::Radio, .name = 单选框_女性化, .caption = "女性化", .group = "english"},
        {.kind = K::Radio, .name = 单选框_中性化, .caption = "中性化", .group = "english"},
        {.kind = K::Combo, .name = 组合框_日子1, .items = range(3, 20)},
        {.kind = K::Combo, .name = 组合框_时间1, .items = range(3, 20)},
        {.kind = K::Button, .name = 按钮_英文起名, .caption = "生成"},
        {.kind = K::List, .name = 超级列表框_英文列表, .items = {"编号", "英文名", "中文读音", "相关含义"}},
    });
    onPage(c, 高级选择夹1, kPageBirthChart, {
        {.kind = K::Radio, .name = 单选框1, .caption = "使用起名日期:", .group = "chart", .checked = true},
        {.kind = K::Label, .name = 透明标签_起名日期},
        {.kind = K::Radio, .name = 单选框_自定义日期, .caption = "自定义日期:", .group = "chart"},
        {.kind = K::Combo, .name = 组合框_八字年份},
        {.kind = K::Combo, .name = 组合框_八字月份},
        {.kind = K::Combo, .name = 组合框_八字日子},
        {.kind = K::Combo, .name = 组合框_八字时间},
        {.kind = K::Button, .name = 按钮_八字查询, .caption = "查询"},
        {.kind = K::Check, .name = 选择框_23点后算次日, .caption = "23点后算次日", .checked = true,
         .tip = "勾选：23点至24点出生算作次日（日柱换为次日）；不勾选：按晚子时算作当日"},
        {.kind = K::TextBox, .name = 编辑框_八字信息},
        // Its text is the eight elements of 八字五行标签.
        {.kind = K::Chart, .name = 图表_五行},
        {.kind = K::Label, .name = 八字五行标签},
        {.kind = K::Label, .name = 缺五行标签},
        // Enabled once a chart lacks an element.
        {.kind = K::Button, .name = 按钮_按所缺五行起名, .caption = "按所缺五行起名", .enabled = false},
        {.kind = K::Label, .name = 透明标签_五行说明},
        {.kind = K::List, .name = 超级列表框_五行分值, .items = {"五行", "分值", "占比", "同党"}},
        {.kind = K::Progress, .name = 进度条_同党},
        {.kind = K::Label, .name = 透明标签_日主强弱},
        {.kind = K::Label, .name = 喜用神标签},
        {.kind = K::Label, .name = 透明标签_喜用神},
        {.kind = K::Label, .name = 透明标签_喜用神说明,
         .tip = "这是一种传统流派（子平扶抑法）的算法，数字都已列出，可以自行核对；其他流派可能得出不同的结论"},
        // Enabled once a chart is shown.
        {.kind = K::Button, .name = 按钮_按喜用神起名, .caption = "按喜用神起名", .enabled = false},
    });
    onPage(c, 高级选择夹1, kPageEvaluation, {
        {.kind = K::Edit, .name = 编辑框_评分姓氏},
        {.kind = K::Edit, .name = 编辑框_评分名字},
        {.kind = K::Button, .name = 按钮_评分, .caption = "评分"},
        {.kind = K::Combo, .name = 组合框_评分年份},
        {.kind = K::Combo, .name = 组合框_评分月份},
        {.kind = K::Combo, .name = 组合框_评分日子},
        {.kind = K::Combo, .name = 组合框_评分时间},
        {.kind = K::Combo, .name = 组合框_评分分钟},
        {.kind = K::List, .name = 超级列表框_评分列表, .items = nameColumns()},
    });
    onPage(c, 高级选择夹1, kPageRecords, {
        {.kind = K::List, .name = 超级列表框_记录列表, .items = nameColumns()},
    });
    // The filter panel opens with row 2 (every character must carry the elements) on, all five
    // elements ticked; the element boxes of the other rows are off until their limiter is ticked.
    onPage(c, 高级选择夹1, kPageSuperAuspicious, {
        {.kind = K::Check, .name = 选择框_第二个字五行限定, .caption = "第二个字五行限定", .enabled = false},
        {.kind = K::Check, .name = 选择框_第三个字五行限定, .caption = "第三个字五行限定", .enabled = false},
        {.kind = K::Check, .name = 选择框_所有字必带五行, .caption = "所有字必须带五行(含姓)", .checked = true},
        {.kind = K::Check, .name = 选择框_所有字不能带五行, .caption = "所有字不能带五行(含姓)"},
    });
    const Name elementBoxes[4][5] = {{选择框_金0, 选择框_木0, 选择框_水0, 选择框_火0, 选择框_土0},
                                     {选择框_金1, 选择框_木1, 选择框_水1, 选择框_火1, 选择框_土1},
                                     {选择框_金2, 选择框_木2, 选择框_水2, 选择框_火2, 选择框_土2},
                                     {选择框_金3, 选择框_木3, 选择框_水3, 选择框_火3, 选择框_土3}};
    const char* const elements[5] = {"金", "木", "水", "火", "土"};
    for (int row = 0; row < 4; ++row)
        for (int i = 0; i < 5; ++i)
            onPage(c, 高级选择夹1, kPageSuperAuspicious, {
                {.kind = K::Check, .name = elementBoxes[row][i], .caption = elements[i], .checked = row == 2, .enabled = row == 2},
            });
    onPage(c, 高级选择夹1, kPageSuperAuspicious, {
        {.kind = K::Button, .name = 按钮_超吉生成, .caption = "生成"},
        {.kind = K::Button, .name = 按钮_超吉暂停, .caption = "暂停"},
        {.kind = K::Button, .name = 按钮_超吉导出, .caption = "导出"},
        {.kind = K::Check, .name = 选择框_超吉常见名字, .caption = kCommonOnlyCaption, .checked = true, .tip = kCommonOnlyTip},
        {.kind = K::Label, .name = 标签_超吉辈份说明, .visible = false, .color = Rgb{0xFF, 0x00, 0x00}},
        {.kind = K::List, .name = 超级列表框_超吉起名, .items = nameColumns()},
    });
    onPage(c, 高级选择夹1, kPageClassic, {
        {.kind = K::TextBox, .name = 编辑框_经典名字},
        {.kind = K::Button, .name = 按钮_经典生成, .caption = "不满意?再生成一次"},
        {.kind = K::Button, .name = 按钮_经典导出, .caption = "导出"},
    });
    onPage(c, 高级选择夹1, kPageShortlist, {
        {.kind = K::Label, .name = 透明标签_收藏说明},
        {.kind = K::List, .name = 超级列表框_收藏列表, .items = reports::comparisonHeaders()},
        {.kind = K::Button, .name = 按钮_收藏删除, .caption = "删除选中"},
        {.kind = K::Button, .name = 按钮_收藏导出, .caption = "导出列表"},
    });

    const std::initializer_list<ControlSpec> menus = {
        {.kind = K::Menu, .name = 操作菜单, .caption = "操作菜单[&C]"},
        {.kind = K::MenuItem, .name = 菜单_模式选择, .caption = "模式选择", .menu = 操作菜单},
        {.kind = K::MenuItem, .name = 菜单_生辰八字, .caption = "生辰八字", .menu = 操作菜单},
        {.kind = K::MenuItem, .name = 菜单_姓名评分, .caption = "姓名评分", .menu = 操作菜单},
        {.kind = K::MenuItem, .name = 菜单_起名记录, .caption = "起名记录", .menu = 操作菜单},
        {.kind = K::MenuItem, .name = 菜单_新华字典, .caption = "新华字典", .menu = 操作菜单},
        {.kind = K::MenuItem, .name = 菜单_名字收藏, .caption = "名字收藏", .menu = 操作菜单},
        {.kind = K::MenuItem, .name = 菜单_避讳字, .caption = "设置避讳字...", .menu = 操作菜单},
        {.kind = K::MenuItem, .name = 菜单_退出程序, .caption = "退出程序", .menu = 操作菜单},
        {.kind = K::Menu, .name = 育儿知识, .caption = "育儿知识[&Y]"},
        {.kind = K::Menu, .name = 算命风水, .caption = "算命风水[&S]"},
        {.kind = K::Menu, .name = 帮助, .caption = "帮助[&H]"},
        {.kind = K::MenuItem, .name = 菜单_更换皮肤, .caption = "更换皮肤", .menu = 帮助},
        {.kind = K::MenuItem, .name = 菜单_使用帮助, .caption = "使用帮助", .menu = 帮助},
        {.kind = K::MenuItem, .name = 菜单_关于软件, .caption = "关于软件", .menu = 帮助},
        // The records list's pop-up menu; not in the menu bar.
        {.kind = K::Menu, .name = 记录列表菜单},
        {.kind = K::MenuItem, .name = 菜单_删除记录, .caption = "删除记录", .menu = 记录列表菜单},
        // The pop-up menu of the other name lists.
        {.kind = K::Menu, .name = 名字列表菜单},
        {.kind = K::MenuItem, .name = 菜单_加入收藏, .caption = "加入收藏", .menu = 名字列表菜单},
    };
    c.insert(c.end(), menus);
    addArticleItems(c, 育儿知识, parentingMenu());
    addArticleItems(c, 算命风水, fortuneMenu());
    return c;
}

// The frame of the name detail and reading windows: the browser toolbar, the status bar and the thin
// line under the toolbar.
std::vector<ControlSpec> browserFrame()
{
    return {
        {.kind = K::Toolbar, .name = 工具条1, .items = {"首页", "后退", "前进", "导出", "打印", "退出"}},
        {.kind = K::StatusBar, .name = 状态条1},
        {.kind = K::Group, .name = 分组框4},
    };
}

std::vector<ControlSpec> detailWindow()
{
    std::vector<ControlSpec> c = browserFrame();
    // Pages 2 to 6 stay hidden until a name detail shows them.
    c.push_back({.kind = K::Pages, .name = 高级选择夹1, .items = {"姓名详细解释", "", "", "", "", ""}, .firstPageOnly = true});
    const Name views[6] = {网页浏览框1, 网页浏览框2, 网页浏览框3, 网页浏览框4, 网页浏览框5, 网页浏览框6};
    for (int i = 0; i < 6; ++i)
        onPage(c, 高级选择夹1, i, {{.kind = K::Browser, .name = views[i]}});
    // The star beside the pages; its caption follows whether the name is in the shortlist.
    c.push_back({.kind = K::Button, .name = 按钮_加入收藏, .caption = "☆ 加入收藏",
                 .tip = "把这个名字加入“名字收藏”，与其他名字并排比较；再点一次取消收藏"});
    return c;
}

std::vector<ControlSpec> singlePageDetailWindow()
{
    std::vector<ControlSpec> c = browserFrame();
    c.push_back({.kind = K::Browser, .name = 网页浏览框1});
    return c;
}

std::vector<ControlSpec> readWindow()
{
    std::vector<ControlSpec> c = browserFrame();
    c.push_back({.kind = K::List, .name = 超级列表框_文章阅读, .items = {"文章标题[点击阅读]"}});
    c.push_back({.kind = K::Browser, .name = 网页浏览框1});
    return c;
}

std::vector<ControlSpec> generationWindow()
{
    return {
        {.kind = K::Radio, .name = 单选框_不设置辈份, .caption = "不设置辈份", .group = "generation", .checked = true},
        {.kind = K::Radio, .name = 单选框_设置第二个字, .caption = "第  二  个字设定为", .group = "generation"},
        {.kind = K::Edit, .name = 编辑框_第二个字, .caption = "志"},
        {.kind = K::Label, .name = 透明标签1, .caption = "设定第二个字如李\"志\"强的\"志\""},
        {.kind = K::Radio, .name = 单选框_设置第三个字, .caption = "第  三  个字设定为", .group = "generation"},
        {.kind = K::Edit, .name = 编辑框_第三个字, .caption = "强"},
        {.kind = K::Label, .name = 透明标签2, .caption = "设定第三个字如李志\"强\"的\"强\""},
        {.kind = K::Label, .name = 透明标签3, .caption = "高分模式下建议不设置辈份,设置后生成名字较少,且很难取得高分名字"},
        {.kind = K::Button, .name = 按钮_辈份确定, .caption = "确定"},
        {.kind = K::Button, .name = 按钮_辈份取消, .caption = "取消"},
    };
}

std::vector<WindowLayout> allLayouts()
{
    return {
        {NestlingMain, NestlingMain, kMainTitle, mainWindow()},
        {NestlingWaiting, NestlingWaiting, "请稍等", {
            {.kind = K::Picture, .name = 图片框1},
            {.kind = K::Label, .name = 标签_请稍等, .caption = "正在生成,请稍等一下......"},
            {.kind = K::Progress, .name = 进度条1, .visible = false},
        }},
        {NestlingConten, NestlingConten, "姓名详细解释", detailWindow()},
        {NestlingContenSinglePage, NestlingConten, "姓名详细解释", singlePageDetailWindow()},
        {NestlingRead, NestlingRead, "文章阅读窗口", readWindow()},
        {NestlingWord, NestlingWord, "汉字查询", {
            {.kind = K::Edit, .name = 编辑框1},
            {.kind = K::Button, .name = 按钮_查询, .caption = "查询"},
        }},
        // The dialog's title is its name.
        {设置辈份, 设置辈份, std::string(设置辈份), generationWindow()},
        {设置避讳, 设置避讳, "设置避讳字", {
            {.kind = K::Label, .name = 透明标签_避讳说明, .caption = kAvoidedExplanation},
            {.kind = K::Edit, .name = 编辑框_避讳字},
            {.kind = K::Button, .name = 按钮_避讳确定, .caption = "确定"},
            {.kind = K::Button, .name = 按钮_避讳取消, .caption = "取消"},
        }},
        {AboutUs, AboutUs, "关于软件", {
            {.kind = K::Picture, .name = 图片框1},
        }},
    };
}
// clang-format on

bool shownAsText(ControlKind kind)
{
    switch (kind) {
    case K::Label:
    case K::ClickLabel:
    case K::Edit:
    case K::TextBox:
    case K::Radio:
    case K::Check:
    case K::Button:
    case K::Group:
    case K::Menu:
    case K::MenuItem:
        return true;
    default:
        return false;
    }
}

template <typename T> std::string quoted(const T& value)
{
    std::string text = "\"";
    if constexpr (std::is_same_v<T, std::vector<std::string>>) {
        for (std::size_t i = 0; i < value.size(); ++i)
            text += (i ? "|" : "") + value[i];
    } else {
        text += value;
    }
    return text + "\"";
}

void compareControl(const Window& w, const ControlSpec& spec, std::vector<std::string>& out)
{
    const std::string name(spec.name);
    auto differ = [&](const std::string& what, const std::string& shown, const std::string& described) {
        out.push_back(name + ": " + what + " " + shown + ", described " + described);
    };
    if (shownAsText(spec.kind) && w.text(spec.name) != spec.caption)
        differ("caption", quoted(w.text(spec.name)), quoted(spec.caption));
    if (spec.kind == K::Combo && w.items(spec.name) != spec.items)
        differ("items", quoted(w.items(spec.name)), quoted(spec.items));
    if (spec.kind == K::List && w.columnHeaders(spec.name) != spec.items)
        differ("headers", quoted(w.columnHeaders(spec.name)), quoted(spec.items));
    if ((spec.kind == K::Radio || spec.kind == K::Check) && w.isChecked(spec.name) != spec.checked)
        differ("checked", std::to_string(!spec.checked), std::to_string(spec.checked));
    if (spec.kind == K::Pages) {
        std::vector<std::string> captions;
        for (int i = 0; i < w.pageCount(spec.name); ++i) {
            captions.push_back(w.pageCaption(spec.name, i));
            if (w.isPageVisible(spec.name, i) != (i == 0 || !spec.firstPageOnly))
                differ("page " + std::to_string(i) + " shown", std::to_string(w.isPageVisible(spec.name, i)),
                       std::to_string(i == 0 || !spec.firstPageOnly));
        }
        if (captions != spec.items)
            differ("pages", quoted(captions), quoted(spec.items));
    }
    if (spec.kind == K::Toolbar)
        for (std::size_t i = 0; i < spec.items.size(); ++i)
            if (!w.isToolButtonEnabled(spec.name, static_cast<int>(2 * i)))
                differ("tool button " + std::to_string(2 * i), "off", "on");
    // A media player has no state of its own; a menu shows only while it is open.
    if (spec.kind == K::Player || spec.kind == K::Menu)
        return;
    if (w.isEnabled(spec.name) != spec.enabled)
        differ("enabled", std::to_string(!spec.enabled), std::to_string(spec.enabled));
    if (w.isVisible(spec.name) != spec.visible)
        differ("shown", std::to_string(!spec.visible), std::to_string(spec.visible));
    if (spec.color && w.textColor(spec.name) != *spec.color)
        differ("colour", "other", "set");
}

} // namespace

const ControlSpec* WindowLayout::find(std::string_view control) const
{
    for (const ControlSpec& spec : controls)
        if (spec.name == control)
            return &spec;
    return nullptr;
}

const std::vector<WindowLayout>& windowLayouts()
{
    static const std::vector<WindowLayout> layouts = allLayouts();
    return layouts;
}

const WindowLayout* windowLayout(std::string_view key)
{
    for (const WindowLayout& layout : windowLayouts())
        if (layout.key == key)
            return &layout;
    return nullptr;
}

std::vector<std::string> layoutDifferences(const Window& window, const WindowLayout& layout)
{
    std::vector<std::string> out;
    if (window.windowName() != layout.window)
        out.push_back("window name " + window.windowName() + ", described " + std::string(layout.window));
    if (window.title() != layout.title)
        out.push_back("title " + quoted(window.title()) + ", described " + quoted(layout.title));
    for (const ControlSpec& spec : layout.controls) {
        if (!window.exists(spec.name)) {
            out.push_back(std::string(spec.name) + ": missing");
            continue;
        }
        compareControl(window, spec, out);
    }
    return out;
}

} // namespace app

#pragma GCC diagnostic pop
