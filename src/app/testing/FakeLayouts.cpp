#include "app/ArticleMenu.h"
#include "app/AvoidedSetting.h"
#include "app/ControlNames.h"
#include "app/testing/FakeHost.h"
#include "reports/Comparison.h"

#include <initializer_list>

namespace app::testing {
namespace {

using namespace app::names;

const std::vector<std::string> kNameColumns = {"编号", "姓名", "简体笔划", "繁体笔划",
                                               "五行", "五格", "三才",     "评分"};

void plain(FakeWindow& w, std::initializer_list<Name> controls)
{
    for (Name c : controls)
        w.declare(c);
}

void captioned(FakeWindow& w, std::initializer_list<std::pair<Name, const char*>> controls)
{
    for (const auto& [c, caption] : controls)
        w.declare(c).text = caption;
}

void radios(FakeWindow& w, const char* group, std::initializer_list<std::pair<Name, const char*>> controls)
{
    bool first = true;
    for (const auto& [c, caption] : controls) {
        FakeControl& control = w.declare(c);
        control.text = caption;
        control.radioGroup = group;
        control.checked = first;
        first = false;
    }
}

void list(FakeWindow& w, Name name, std::vector<std::string> headers)
{
    w.declare(name).headers = std::move(headers);
}

void pages(FakeWindow& w, Name name, std::vector<std::string> captions, bool allVisible = true)
{
    FakeControl& c = w.declare(name);
    c.pageVisible.assign(captions.size(), allVisible);
    c.pageVisible[0] = true;
    c.pageCaptions = std::move(captions);
}

void toolbar(FakeWindow& w, Name name, int buttons)
{
    FakeControl& c = w.declare(name);
    for (int i = 0; i < buttons; ++i)
        c.toolEnabled[2 * i] = true;
}

std::vector<std::string> range(int first, int last)
{
    std::vector<std::string> items;
    for (int i = first; i <= last; ++i)
        items.push_back(std::to_string(i));
    return items;
}

void mainWindow(FakeWindow& w)
{
    // Input group.
    captioned(w, {{分组框1, "宝宝信息："}, {标签_设置辈份, "▽"}});
    w.find(标签_设置辈份)->color = Rgb{0x60, 0x60, 0x60};
    captioned(w, {{选择框_排除避讳字, "排除避讳字"}});
    w.find(选择框_排除避讳字)->enabled = false;
    plain(w, {透明标签_避讳字});
    plain(w, {编辑框_姓氏, 组合框_年份, 组合框_月份, 组合框_日子, 组合框_时间, 组合框_分钟});
    w.declare(组合框_性别).items = {"男", "女"};
    w.find(组合框_性别)->currentIndex = 0;
    w.declare(组合框_名字个数).items = {"一字", "二字"};
    w.find(组合框_名字个数)->currentIndex = 0;

    pages(w, 高级选择夹1,
          {"模式选择", "高分模式", "诗词起名", "组合起名", "起小名", "起英文名", "生辰八字", "姓名评分",
           "起名记录", "超吉模式", "经典模式", "名字收藏"});
    toolbar(w, 工具条1, 5);
    plain(w, {状态条1, 媒体播放1});

    // 0 模式选择
    plain(w, {透明标签11});
    radios(w, "mode",
           {{单选框_经典起名, "经典起名"},
            {单选框_高分起名, "高分起名"},
            {单选框_超吉起名, "超吉起名"},
            {单选框_诗词起名, "诗词起名"},
            {单选框_组合起名, "组合起名"},
            {单选框_起小名, "起小名"},
            {单选框_起英文名, "起英文名"}});
    captioned(w, {{按钮_起名, "开始起名"}});
    // 1 高分模式
    list(w, 超级列表框_高分起名, kNameColumns);
    captioned(w,
              {{按钮_高分暂停, "暂停"}, {按钮_再生成一次, "不满意?再生成一次"}, {按钮_高分导出, "导出列表"}});
    // 2 诗词起名
    pages(w, 高级选择夹2, {"选取诗词", "诗词取名", "生成名字"});
    list(w, 超级列表框_诗人列表, {"编号", "诗人"});
    list(w, 超级列表框_诗词残, {"编号", "诗词标题"});
    list(w, 超级列表框_诗名列表, kNameColumns);
    plain(w, {网页浏览框1, 分组框_诗词字符});
    w.declare(选择框1).visible = false;
    captioned(
        w,
        {{按钮2, "使用此诗词"}, {按钮3, "全选"}, {按钮6, "反选"}, {按钮4, "全清"}, {按钮_诗词起名, "生成"}});
    // 3 组合起名
    captioned(w, {{编辑框_组合的字, "圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇"}, {按钮_组合起名, "生成"}});
    list(w, 超级列表框_组合列表, kNameColumns);
    // 4 起小名
    radios(
        w, "nickname",
        {{单选框_AA型, "AA型"}, {单选框_小A型, "小A型"}, {单选框_A儿型, "A儿型"}, {单选框_阿A型, "阿A型"}});
    captioned(w, {{按钮_起小名, "生成"}});
    list(w, 超级列表框_小名列表, kNameColumns);
    // 5 起英文名
    plain(w, {编辑框_英文姓氏, 编辑框_英文名字});
    radios(w, "english", {{单选框_男性化, "男性化"}, {单选框_女性化, "女性化"}, {单选框_中性化, "中性化"}});
    for (Name combo : {组合框_日子1, 组合框_时间1}) {
        w.declare(combo).items = range(3, 20);
        w.find(combo)->currentIndex = 0;
    }
    captioned(w, {{按钮_英文起名, "生成"}});
    list(w, 超级列表框_英文列表, {"编号", "英文名", "中文读音", "相关含义"});
    // 6 生辰八字
    radios(w, "chart", {{单选框1, "使用起名日期:"}, {单选框_自定义日期, "自定义日期:"}});
    plain(w, {透明标签_起名日期, 组合框_八字年份, 组合框_八字月份, 组合框_八字日子, 组合框_八字时间,
              编辑框_八字信息, 八字五行标签, 缺五行标签, 透明标签_五行说明, 图表_五行});
    captioned(w, {{按钮_八字查询, "查询"}, {按钮_按所缺五行起名, "按所缺五行起名"}});
    captioned(w, {{选择框_23点后算次日, "23点后算次日"}});
    w.find(选择框_23点后算次日)->checked = true;
    // 7 姓名评分
    plain(w, {编辑框_评分姓氏, 编辑框_评分名字, 组合框_评分年份, 组合框_评分月份, 组合框_评分日子,
              组合框_评分时间, 组合框_评分分钟});
    captioned(w, {{按钮_评分, "评分"}});
    list(w, 超级列表框_评分列表, kNameColumns);
    // 8 起名记录
    list(w, 超级列表框_记录列表, kNameColumns);
    // 9 超吉模式
    captioned(w, {{选择框_第二个字五行限定, "第二个字五行限定"},
                  {选择框_第三个字五行限定, "第三个字五行限定"},
                  {选择框_所有字必带五行, "所有字必须带五行(含姓)"},
                  {选择框_所有字不能带五行, "所有字不能带五行(含姓)"}});
    const Name elementBoxes[4][5] = {{选择框_金0, 选择框_木0, 选择框_水0, 选择框_火0, 选择框_土0},
                                     {选择框_金1, 选择框_木1, 选择框_水1, 选择框_火1, 选择框_土1},
                                     {选择框_金2, 选择框_木2, 选择框_水2, 选择框_火2, 选择框_土2},
                                     {选择框_金3, 选择框_木3, 选择框_水3, 选择框_火3, 选择框_土3}};
    const char* const elements[5] = {"金", "木", "水", "火", "土"};
    for (int row = 0; row < 4; ++row)
        for (int i = 0; i < 5; ++i) {
            FakeControl& box = w.declare(elementBoxes[row][i]);
            box.text = elements[i];
            box.checked = row == 2;
            box.enabled = row == 2;
        }
    w.find(选择框_所有字必带五行)->checked = true;
    w.find(选择框_第二个字五行限定)->enabled = false;
    w.find(选择框_第三个字五行限定)->enabled = false;
    list(w, 超级列表框_超吉起名, kNameColumns);
    captioned(w, {{按钮_超吉生成, "生成"}, {按钮_超吉暂停, "暂停"}, {按钮_超吉导出, "导出"}});
    // 10 经典模式
    plain(w, {编辑框_经典名字});
    captioned(w, {{按钮_经典生成, "不满意?再生成一次"}, {按钮_经典导出, "导出"}});
    // 11 名字收藏
    w.declare(超级列表框_收藏列表).headers = reports::comparisonHeaders();
    plain(w, {透明标签_收藏说明});
    captioned(w, {{按钮_收藏删除, "删除选中"}, {按钮_收藏导出, "导出列表"}});

    // Menus.
    plain(w, {操作菜单, 育儿知识, 算命风水, 帮助, 菜单_模式选择, 菜单_生辰八字, 菜单_姓名评分, 菜单_起名记录,
              菜单_新华字典, 菜单_避讳字, 菜单_名字收藏, 菜单_退出程序, 菜单_更换皮肤, 菜单_使用帮助,
              菜单_关于软件, 记录列表菜单, 菜单_删除记录, 名字列表菜单, 菜单_加入收藏});
    for (const auto* menu : {&parentingMenu(), &fortuneMenu()})
        for (const ArticleMenuEntry& entry : *menu)
            if (entry.kind == ArticleMenuEntry::Item)
                w.declare(std::string(kArticleItemPrefix) + entry.caption).text = entry.caption;
}

void browserWindow(FakeWindow& w, int browsers)
{
    toolbar(w, 工具条1, 6);
    plain(w, {状态条1, 分组框4});
    const Name views[6] = {网页浏览框1, 网页浏览框2, 网页浏览框3, 网页浏览框4, 网页浏览框5, 网页浏览框6};
    for (int i = 0; i < browsers; ++i)
        w.declare(views[i]);
}

} // namespace

void declareWindowLayout(FakeWindow& w, std::string_view windowName)
{
    if (windowName == NestlingMain) {
        mainWindow(w);
        w.setTitle(kMainTitle);
    } else if (windowName == NestlingWaiting) {
        w.setTitle("请稍等");
        plain(w, {图片框1});
        captioned(w, {{标签_请稍等, "正在生成,请稍等一下......"}});
        w.declare(进度条1).visible = false;
    } else if (windowName == NestlingConten) {
        w.setTitle("姓名详细解释");
        browserWindow(w, 6);
        captioned(w, {{按钮_加入收藏, "☆ 加入收藏"}});
        pages(w, 高级选择夹1, {"姓名详细解释", "", "", "", "", ""}, false);
    } else if (windowName == NestlingContenSinglePage) {
        w.setTitle("姓名详细解释");
        browserWindow(w, 1);
    } else if (windowName == NestlingRead) {
        w.setTitle("文章阅读窗口");
        browserWindow(w, 1);
        list(w, 超级列表框_文章阅读, {"文章标题[点击阅读]"});
    } else if (windowName == NestlingWord) {
        w.setTitle("汉字查询");
        plain(w, {编辑框1});
        captioned(w, {{按钮_查询, "查询"}});
    } else if (windowName == 设置辈份) {
        w.setTitle("设置辈份");
        radios(w, "generation",
               {{单选框_不设置辈份, "不设置辈份"},
                {单选框_设置第二个字, "第  二  个字设定为"},
                {单选框_设置第三个字, "第  三  个字设定为"}});
        captioned(w, {{编辑框_第二个字, "志"},
                      {编辑框_第三个字, "强"},
                      {透明标签1, "设定第二个字如李\"志\"强的\"志\""},
                      {透明标签2, "设定第三个字如李志\"强\"的\"强\""},
                      {透明标签3, "高分模式下建议不设置辈份,设置后生成名字较少,且很难取得高分名字"},
                      {按钮_辈份确定, "确定"},
                      {按钮_辈份取消, "取消"}});
    } else if (windowName == 设置避讳) {
        w.setTitle("设置避讳字");
        plain(w, {编辑框_避讳字});
        captioned(
            w, {{透明标签_避讳说明, kAvoidedExplanation}, {按钮_避讳确定, "确定"}, {按钮_避讳取消, "取消"}});
    } else if (windowName == AboutUs) {
        w.setTitle("关于软件");
        plain(w, {图片框1});
    }
}

} // namespace app::testing
