#include "app/GenerationDisplay.h"

#include "app/ControlNames.h"

namespace app {

std::string generationCaption(const naming::GenerationSetting& setting)
{
    if (setting.fixesSecond())
        return "▽ " + setting.secondChar + "（第二字）";
    if (setting.fixesThird())
        return "▽ " + setting.thirdChar + "（第三字）";
    return "▽";
}

std::string generationIgnoredText(const naming::GenerationSetting& setting)
{
    const std::string& fixed = setting.fixedCharacter();
    if (fixed.empty())
        return {};
    return "已设辈份字“" + fixed + "”：超吉起名不使用辈份字，只有高分、组合、诗词起名的二字名使用它";
}

void showGenerationSetting(Window& main, const naming::GenerationSetting& setting)
{
    main.setText(names::标签_设置辈份, generationCaption(setting));
    const std::string ignored = generationIgnoredText(setting);
    main.setText(names::标签_超吉辈份说明, ignored);
    main.setVisible(names::标签_超吉辈份说明, !ignored.empty());
}

} // namespace app
