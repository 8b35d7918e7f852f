#pragma once

#include "app/Controls.h"
#include "naming/NamingRequest.h"

#include <string>

namespace app {

// The generation character shown outside its dialog, so a parent sees what is set without opening it.

// The caption of 标签_设置辈份: "▽" while no character is fixed, "▽ 承（第二字）" or "▽ 承（第三字）".
std::string generationCaption(const naming::GenerationSetting& setting);

// What the super-auspicious page and a super-auspicious run say while a character is fixed (that mode
// forms its names without it), or empty text.
std::string generationIgnoredText(const naming::GenerationSetting& setting);

// Writes both into the main window: the label's caption and 标签_超吉辈份说明 (shown only while a
// character is fixed).
void showGenerationSetting(Window& main, const naming::GenerationSetting& setting);

} // namespace app
