#pragma once

#include "naming/NameForming.h"

#include <string>
#include <string_view>
#include <vector>

namespace naming {

// The candidates of nickname naming: the boys' list followed by the girls' list (characters on both
// lists come twice), with the surname appended when it does not occur in that text.
std::vector<std::string> nicknameCharacters(std::string_view surname);

// The nickname of every usable candidate A in order, by the style: A+A, 小+A, A+儿 or 阿+A. Each
// candidate is looked up once; returns early, with what was formed, when stopped.
FormedNames formNicknames(const store::NamingStore& store, Candidates& candidates, NicknameStyle style,
                          RunControl& control, const ProgressSink& progress = {});

} // namespace naming
