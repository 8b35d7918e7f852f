#include "app/ArticleMenu.h"

namespace app {
namespace {

using E = ArticleMenuEntry;
const std::string kParenting = "育儿百科";
const std::string kFortune = "算命风水";

E item(const std::string& table, const char* category)
{
    return {E::Item, table, category};
}
E sub(const char* title)
{
    return {E::SubMenu, {}, title};
}
E end()
{
    return {E::EndSubMenu, {}, {}};
}
E separator()
{
    return {E::Separator, {}, {}};
}

} // namespace

const std::vector<ArticleMenuEntry>& parentingMenu()
{
    const std::string& t = kParenting;
    // clang-format off
    static const std::vector<E> menu = {
        sub("育儿百科"),
        item(t, "备孕百科"), item(t, "孕期百科"), item(t, "分娩百科"),
        item(t, "0-1岁百科"), item(t, "1-3岁百科"), item(t, "3-6岁百科"),
        end(),
        separator(),
        item(t, "孕育指南"),
        separator(),
        sub("儿童教育"),
        item(t, "教育早知道"), item(t, "胎教"), item(t, "早教资源"), item(t, "才艺培养"),
        item(t, "游戏玩具"), item(t, "智力开发"), item(t, "行为心理"), item(t, "学前教育"),
        end(),
        sub("营养知识"),
        item(t, "母乳喂养"), item(t, "人工喂养"), item(t, "补钙攻略"), item(t, "辅食添加"), item(t, "营养元素"),
        item(t, "食疗保健"), item(t, "食谱大全"), item(t, "饮食宜忌"), item(t, "均衡营养"),
        end(),
        sub("健康讲座"),
        item(t, "护理保健"), item(t, "生长发育"), item(t, "体格检查"), item(t, "预防免疫"),
        item(t, "成人疾病"), item(t, "儿科疾病"), item(t, "药物手册"),
        end(),
        sub("安全知识"),
        item(t, "出行安全"), item(t, "用品安全"), item(t, "家居安全"), item(t, "宠物安全"),
        item(t, "医药安全"), item(t, "食品安全"), item(t, "幼儿园安全"),
        end(),
    };
    // clang-format on
    return menu;
}

const std::vector<ArticleMenuEntry>& fortuneMenu()
{
    const std::string& t = kFortune;
    // clang-format off
    static const std::vector<E> menu = {
        item(t, "起名知识"),
        separator(),
        item(t, "算命知识"), item(t, "星座算命"), item(t, "相术算命"), item(t, "血型算命"),
        separator(),
        item(t, "风水知识"),
        separator(),
        item(t, "开运技巧"),
    };
    // clang-format on
    return menu;
}

} // namespace app
