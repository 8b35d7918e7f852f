#pragma once

#include "app/Controls.h"

#include <functional>
#include <string>
#include <string_view>

namespace app {

// The family's taboo characters (避讳字). The main window keeps them in 透明标签_避讳字 (their
// normalized text, naming::normalizedAvoided); 选择框_排除避讳字 says whether the naming modes leave out
// the names holding one of them. The dialog 设置避讳 (操作菜单 → 菜单_避讳字) edits them.

inline constexpr const char* kAvoidedExplanation =
    "输入家中长辈名字里的字或不喜欢的字（如“明华”），起名时不会出现含有这些字的名字。清空即取消避讳。";
inline constexpr const char* kAvoidedNoCharacterMessage = "请输入要避讳的汉字，例如“明华”。";

// Shows the characters and sets the box: enabled only with characters; `exclude` is its check state
// (never checked without characters).
void showAvoided(Window& main, std::string_view characters, bool exclude);

// The characters a run leaves out: those of the label while the box is checked, else none.
std::string avoidedForRun(const Window& main);

// Opens the dialog with the characters set now. 确定 takes the characters typed (newly set characters
// check the box, as the setting is on by default; an empty box clears them) and calls `changed`;
// a text without any Chinese character is said and keeps the dialog open. 取消 changes nothing.
void openAvoidedDialog(Host& host, const std::function<void()>& changed);

} // namespace app
