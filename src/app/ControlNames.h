#pragma once

// Every window, page, control and menu item name the window logic uses. They are the object names of
// the widgets, so a handler and the window agree on them by construction and a typo fails to compile.
#include <string_view>

namespace app::names {

using Name = std::string_view;

// Windows.
inline constexpr Name NestlingMain = "NestlingMain";
inline constexpr Name NestlingWaiting = "NestlingWaiting";
inline constexpr Name NestlingConten = "NestlingConten";
// The one-page form of NestlingConten (a character query result). The window's object name is still
// NestlingConten; this key only tells the host which form to build.
inline constexpr Name NestlingContenSinglePage = "NestlingConten:单页";
inline constexpr Name NestlingRead = "NestlingRead";
inline constexpr Name NestlingWord = "NestlingWord";
inline constexpr Name 设置辈份 = "设置辈份";
inline constexpr Name 设置避讳 = "设置避讳";
inline constexpr Name AboutUs = "AboutUs";

// Main window: input group.
inline constexpr Name 分组框1 = "分组框1";
inline constexpr Name 编辑框_姓氏 = "编辑框_姓氏";
inline constexpr Name 组合框_性别 = "组合框_性别";
inline constexpr Name 组合框_名字个数 = "组合框_名字个数";
inline constexpr Name 选择框_过滤生僻字 = "选择框_过滤生僻字";
inline constexpr Name 组合框_年份 = "组合框_年份";
inline constexpr Name 组合框_月份 = "组合框_月份";
inline constexpr Name 组合框_日子 = "组合框_日子";
inline constexpr Name 组合框_时间 = "组合框_时间";
inline constexpr Name 组合框_分钟 = "组合框_分钟";
inline constexpr Name 标签_设置辈份 = "标签_设置辈份";
// The family's taboo characters (set in the dialog 设置避讳) and whether every mode leaves out the names
// holding one of them; the label shows the characters, the box is enabled once there are some.
inline constexpr Name 选择框_排除避讳字 = "选择框_排除避讳字";
inline constexpr Name 透明标签_避讳字 = "透明标签_避讳字";

// Main window: frame.
inline constexpr Name 高级选择夹1 = "高级选择夹1";
inline constexpr Name 工具条1 = "工具条1";
inline constexpr Name 状态条1 = "状态条1";
inline constexpr Name 媒体播放1 = "媒体播放1";

// Page 0 "模式选择".
inline constexpr Name 透明标签11 = "透明标签11";
inline constexpr Name 单选框_经典起名 = "单选框_经典起名";
inline constexpr Name 单选框_高分起名 = "单选框_高分起名";
inline constexpr Name 单选框_超吉起名 = "单选框_超吉起名";
inline constexpr Name 单选框_诗词起名 = "单选框_诗词起名";
inline constexpr Name 单选框_组合起名 = "单选框_组合起名";
inline constexpr Name 单选框_起小名 = "单选框_起小名";
inline constexpr Name 单选框_起英文名 = "单选框_起英文名";
inline constexpr Name 按钮_起名 = "按钮_起名";

// Page 1 "高分模式".
inline constexpr Name 超级列表框_高分起名 = "超级列表框_高分起名";
inline constexpr Name 按钮_高分暂停 = "按钮_高分暂停";
inline constexpr Name 按钮_再生成一次 = "按钮_再生成一次";
inline constexpr Name 按钮_高分导出 = "按钮_高分导出";
// 只列常见名字 on each run page (CommonOnlySetting.h): the three boxes are one setting.
inline constexpr Name 选择框_高分常见名字 = "选择框_高分常见名字";

// Page 2 "诗词起名" and its inner pages.
inline constexpr Name 高级选择夹2 = "高级选择夹2";
// 书目: the book whose poems the poet list shows (唐诗 first); the search box and its button find a
// poem of that book by its title or a line.
inline constexpr Name 组合框_书目 = "组合框_书目";
inline constexpr Name 编辑框_诗词搜索 = "编辑框_诗词搜索";
inline constexpr Name 按钮_诗词搜索 = "按钮_诗词搜索";
inline constexpr Name 超级列表框_诗人列表 = "超级列表框_诗人列表";
inline constexpr Name 超级列表框_诗词残 = "超级列表框_诗词残";
inline constexpr Name 网页浏览框1 = "网页浏览框1";
inline constexpr Name 按钮2 = "按钮2";
inline constexpr Name 分组框_诗词字符 = "分组框_诗词字符";
inline constexpr Name 选择框1 = "选择框1";
inline constexpr Name 按钮3 = "按钮3";
inline constexpr Name 按钮6 = "按钮6";
inline constexpr Name 按钮4 = "按钮4";
inline constexpr Name 按钮_诗词起名 = "按钮_诗词起名";
inline constexpr Name 选择框_诗词常见名字 = "选择框_诗词常见名字";
inline constexpr Name 超级列表框_诗名列表 = "超级列表框_诗名列表";
inline constexpr Name 按钮_诗名导出 = "按钮_诗名导出";

// Page 3 "组合起名".
inline constexpr Name 编辑框_组合的字 = "编辑框_组合的字";
inline constexpr Name 按钮_组合起名 = "按钮_组合起名";
inline constexpr Name 超级列表框_组合列表 = "超级列表框_组合列表";
inline constexpr Name 按钮_组合导出 = "按钮_组合导出";

// Page 4 "起小名".
inline constexpr Name 单选框_AA型 = "单选框_AA型";
inline constexpr Name 单选框_小A型 = "单选框_小A型";
inline constexpr Name 单选框_A儿型 = "单选框_A儿型";
inline constexpr Name 单选框_阿A型 = "单选框_阿A型";
inline constexpr Name 按钮_起小名 = "按钮_起小名";
inline constexpr Name 超级列表框_小名列表 = "超级列表框_小名列表";
inline constexpr Name 按钮_小名导出 = "按钮_小名导出";

// Page 5 "起英文名".
inline constexpr Name 编辑框_英文姓氏 = "编辑框_英文姓氏";
inline constexpr Name 编辑框_英文名字 = "编辑框_英文名字";
inline constexpr Name 单选框_男性化 = "单选框_男性化";
inline constexpr Name 单选框_女性化 = "单选框_女性化";
inline constexpr Name 单选框_中性化 = "单选框_中性化";
inline constexpr Name 组合框_日子1 = "组合框_日子1";
inline constexpr Name 组合框_时间1 = "组合框_时间1";
inline constexpr Name 按钮_英文起名 = "按钮_英文起名";
inline constexpr Name 超级列表框_英文列表 = "超级列表框_英文列表";

// Page 6 "生辰八字".
inline constexpr Name 单选框1 = "单选框1";
inline constexpr Name 透明标签_起名日期 = "透明标签_起名日期";
inline constexpr Name 单选框_自定义日期 = "单选框_自定义日期";
inline constexpr Name 组合框_八字年份 = "组合框_八字年份";
inline constexpr Name 组合框_八字月份 = "组合框_八字月份";
inline constexpr Name 组合框_八字日子 = "组合框_八字日子";
inline constexpr Name 组合框_八字时间 = "组合框_八字时间";
inline constexpr Name 按钮_八字查询 = "按钮_八字查询";
inline constexpr Name 编辑框_八字信息 = "编辑框_八字信息";
inline constexpr Name 八字五行标签 = "八字五行标签";
inline constexpr Name 缺五行标签 = "缺五行标签";
// Beside 缺五行标签: names that supply the missing elements (super-auspicious mode), and the chart's
// finding in plain words.
inline constexpr Name 按钮_按所缺五行起名 = "按钮_按所缺五行起名";
inline constexpr Name 透明标签_五行说明 = "透明标签_五行说明";
// Beside the chart text: the eight characters' elements counted, 金 木 水 火 土, the missing ones marked.
// Its text is the eight-element text of 八字五行标签 (empty: no chart).
inline constexpr Name 图表_五行 = "图表_五行";
// On (as always): a birth from 23:00 takes the next day's day pillar; off: its own day's (晚子时).
inline constexpr Name 选择框_23点后算次日 = "选择框_23点后算次日";
// Under the element counts: the day master's strength and the favourable elements (喜用神), with the
// figures they rest on (ChartAnalysisView), and naming from those elements.
inline constexpr Name 超级列表框_五行分值 = "超级列表框_五行分值";
inline constexpr Name 进度条_同党 = "进度条_同党";
inline constexpr Name 透明标签_日主强弱 = "透明标签_日主强弱";
inline constexpr Name 喜用神标签 = "喜用神标签";
inline constexpr Name 透明标签_喜用神 = "透明标签_喜用神";
inline constexpr Name 透明标签_喜用神说明 = "透明标签_喜用神说明";
inline constexpr Name 按钮_按喜用神起名 = "按钮_按喜用神起名";

// Page 7 "姓名评分".
inline constexpr Name 编辑框_评分姓氏 = "编辑框_评分姓氏";
inline constexpr Name 编辑框_评分名字 = "编辑框_评分名字";
inline constexpr Name 组合框_评分年份 = "组合框_评分年份";
inline constexpr Name 组合框_评分月份 = "组合框_评分月份";
inline constexpr Name 组合框_评分日子 = "组合框_评分日子";
inline constexpr Name 组合框_评分时间 = "组合框_评分时间";
inline constexpr Name 组合框_评分分钟 = "组合框_评分分钟";
inline constexpr Name 按钮_评分 = "按钮_评分";
inline constexpr Name 超级列表框_评分列表 = "超级列表框_评分列表";

// Page 8 "起名记录".
inline constexpr Name 超级列表框_记录列表 = "超级列表框_记录列表";

// Page 11 "名字收藏": the starred names side by side.
inline constexpr Name 超级列表框_收藏列表 = "超级列表框_收藏列表";
inline constexpr Name 透明标签_收藏说明 = "透明标签_收藏说明";
inline constexpr Name 按钮_收藏删除 = "按钮_收藏删除";
inline constexpr Name 按钮_收藏导出 = "按钮_收藏导出";

// Page 9 "超吉模式".
inline constexpr Name 选择框_第二个字五行限定 = "选择框_第二个字五行限定";
inline constexpr Name 选择框_第三个字五行限定 = "选择框_第三个字五行限定";
inline constexpr Name 选择框_所有字必带五行 = "选择框_所有字必带五行";
inline constexpr Name 选择框_所有字不能带五行 = "选择框_所有字不能带五行";
inline constexpr Name 选择框_金0 = "选择框_金0";
inline constexpr Name 选择框_木0 = "选择框_木0";
inline constexpr Name 选择框_水0 = "选择框_水0";
inline constexpr Name 选择框_火0 = "选择框_火0";
inline constexpr Name 选择框_土0 = "选择框_土0";
inline constexpr Name 选择框_金1 = "选择框_金1";
inline constexpr Name 选择框_木1 = "选择框_木1";
inline constexpr Name 选择框_水1 = "选择框_水1";
inline constexpr Name 选择框_火1 = "选择框_火1";
inline constexpr Name 选择框_土1 = "选择框_土1";
inline constexpr Name 选择框_金2 = "选择框_金2";
inline constexpr Name 选择框_木2 = "选择框_木2";
inline constexpr Name 选择框_水2 = "选择框_水2";
inline constexpr Name 选择框_火2 = "选择框_火2";
inline constexpr Name 选择框_土2 = "选择框_土2";
inline constexpr Name 选择框_金3 = "选择框_金3";
inline constexpr Name 选择框_木3 = "选择框_木3";
inline constexpr Name 选择框_水3 = "选择框_水3";
inline constexpr Name 选择框_火3 = "选择框_火3";
inline constexpr Name 选择框_土3 = "选择框_土3";
inline constexpr Name 超级列表框_超吉起名 = "超级列表框_超吉起名";
inline constexpr Name 按钮_超吉生成 = "按钮_超吉生成";
inline constexpr Name 按钮_超吉暂停 = "按钮_超吉暂停";
inline constexpr Name 按钮_超吉导出 = "按钮_超吉导出";
inline constexpr Name 选择框_超吉常见名字 = "选择框_超吉常见名字";
// Shown while a generation character is set: this mode does not use it.
inline constexpr Name 标签_超吉辈份说明 = "标签_超吉辈份说明";

// Page 10 "经典模式".
inline constexpr Name 编辑框_经典名字 = "编辑框_经典名字";
inline constexpr Name 按钮_经典生成 = "按钮_经典生成";
inline constexpr Name 按钮_经典导出 = "按钮_经典导出";

// Main window menus (object names of the menus and of their items).
inline constexpr Name 操作菜单 = "操作菜单";
inline constexpr Name 育儿知识 = "育儿知识";
inline constexpr Name 算命风水 = "算命风水";
inline constexpr Name 帮助 = "帮助";
inline constexpr Name 菜单_模式选择 = "菜单_模式选择";
inline constexpr Name 菜单_生辰八字 = "菜单_生辰八字";
inline constexpr Name 菜单_姓名评分 = "菜单_姓名评分";
inline constexpr Name 菜单_起名记录 = "菜单_起名记录";
inline constexpr Name 菜单_新华字典 = "菜单_新华字典";
inline constexpr Name 菜单_避讳字 = "菜单_避讳字";
inline constexpr Name 菜单_名字收藏 = "菜单_名字收藏";
inline constexpr Name 菜单_退出程序 = "菜单_退出程序";
inline constexpr Name 菜单_更换皮肤 = "菜单_更换皮肤";
inline constexpr Name 菜单_使用帮助 = "菜单_使用帮助";
inline constexpr Name 菜单_关于软件 = "菜单_关于软件";
// The article menu items are named "菜单_" + their category (see ArticleMenu.h).
inline constexpr Name kArticleItemPrefix = "菜单_";
// Pop-up menu of the records list and its one item.
inline constexpr Name 记录列表菜单 = "记录列表菜单";
inline constexpr Name 菜单_删除记录 = "菜单_删除记录";
// Pop-up menu of the other name lists and its one item.
inline constexpr Name 名字列表菜单 = "名字列表菜单";
inline constexpr Name 菜单_加入收藏 = "菜单_加入收藏";

// Waiting window.
inline constexpr Name 图片框1 = "图片框1";
inline constexpr Name 标签_请稍等 = "标签_请稍等";
inline constexpr Name 进度条1 = "进度条1";

// Detail window (six pages) and the one-page result window; reading window.
inline constexpr Name 网页浏览框2 = "网页浏览框2";
inline constexpr Name 网页浏览框3 = "网页浏览框3";
inline constexpr Name 网页浏览框4 = "网页浏览框4";
inline constexpr Name 网页浏览框5 = "网页浏览框5";
inline constexpr Name 网页浏览框6 = "网页浏览框6";
inline constexpr Name 分组框4 = "分组框4";
inline constexpr Name 超级列表框_文章阅读 = "超级列表框_文章阅读";
// The detail window's star: adds its name to the shortlist, or takes it out again.
inline constexpr Name 按钮_加入收藏 = "按钮_加入收藏";

// Character query window.
inline constexpr Name 编辑框1 = "编辑框1";
inline constexpr Name 按钮_查询 = "按钮_查询";

// Generation-character dialog.
inline constexpr Name 单选框_不设置辈份 = "单选框_不设置辈份";
inline constexpr Name 单选框_设置第二个字 = "单选框_设置第二个字";
inline constexpr Name 编辑框_第二个字 = "编辑框_第二个字";
inline constexpr Name 透明标签1 = "透明标签1";
inline constexpr Name 单选框_设置第三个字 = "单选框_设置第三个字";
inline constexpr Name 编辑框_第三个字 = "编辑框_第三个字";
inline constexpr Name 透明标签2 = "透明标签2";
inline constexpr Name 透明标签3 = "透明标签3";
inline constexpr Name 按钮_辈份确定 = "按钮_辈份确定";
inline constexpr Name 按钮_辈份取消 = "按钮_辈份取消";

// Taboo-character dialog.
inline constexpr Name 编辑框_避讳字 = "编辑框_避讳字";
inline constexpr Name 透明标签_避讳说明 = "透明标签_避讳说明";
inline constexpr Name 按钮_避讳确定 = "按钮_避讳确定";
inline constexpr Name 按钮_避讳取消 = "按钮_避讳取消";

} // namespace app::names

namespace app {

// Pages of the main page control 高级选择夹1.
enum Page : int
{
    kPageModes = 0,
    kPageHighScore = 1,
    kPagePoem = 2,
    kPageCombination = 3,
    kPageNickname = 4,
    kPageEnglish = 5,
    kPageBirthChart = 6,
    kPageEvaluation = 7,
    kPageRecords = 8,
    kPageSuperAuspicious = 9,
    kPageClassic = 10,
    kPageShortlist = 11,
    kPageCount = 12,
};

// Pages of the poem page's inner page control 高级选择夹2.
enum PoemPage : int
{
    kPoemPagePick = 0,
    kPoemPageCharacters = 1,
    kPoemPageNames = 2,
};

// Button indexes of the toolbars (the gaps are separators).
inline constexpr int kToolModes = 0;
inline constexpr int kToolBirthChart = 2;
inline constexpr int kToolEvaluation = 4;
inline constexpr int kToolRecords = 6;
inline constexpr int kToolDictionary = 8;
// Secondary windows' toolbar: 首页, 后退, 前进, 导出, 打印, 退出.
inline constexpr int kToolHome = 0;
inline constexpr int kToolBack = 2;
inline constexpr int kToolForward = 4;
inline constexpr int kToolExport = 6;
inline constexpr int kToolPrint = 8;
inline constexpr int kToolExit = 10;

inline constexpr const char* kProductName = "嘉禾起名软件";
inline constexpr const char* kVersion = "V23.0";
inline constexpr const char* kMainTitle = "嘉禾起名软件V23.0";

} // namespace app
