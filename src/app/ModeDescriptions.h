#pragma once

#include "app/ControlNames.h"

#include <array>

namespace app {

// The naming modes' radios with the status-bar picture and one-line description each shows.
struct ModeDescription
{
    names::Name radio;
    int picture;
    const char* description;
};

// clang-format off
inline constexpr std::array<ModeDescription, 7> kModeDescriptions = {{
    {names::单选框_经典起名, 0, "高速生成,以好听为主,不考虑名字的五行数理等因素"},
    {names::单选框_高分起名, 1, "1-20秒内生成10000个90分以上的高分姓名"},
    {names::单选框_诗词起名, 2, "使用近3000位诗人的数十万诗词进行组合起名"},
    {names::单选框_组合起名, 3, "使用您自定义的字进行组合起名"},
    {names::单选框_起小名, 4, "小名即为乳名,以好听为主,侧重好记好听顺口,评分不用考虑"},
    {names::单选框_起英文名, 5, "有了中文名之后,还应该给宝宝起个英文名字,向国际化接轨"},
    {names::单选框_超吉起名, 6, "系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名"},
}};
// clang-format on

} // namespace app
