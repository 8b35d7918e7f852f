#include "app/CommonOnlySetting.h"

#include "app/ModeDescriptions.h"

namespace app {

void showCommonOnly(Window& main, bool on)
{
    for (names::Name box : kCommonOnlyBoxes)
        main.setChecked(box, on);
}

bool commonOnlyChecked(const Window& main, naming::Mode mode)
{
    const names::Name box = mode == naming::Mode::SuperAuspicious ? names::选择框_超吉常见名字
                            : mode == naming::Mode::Poem          ? names::选择框_诗词常见名字
                                                                  : names::选择框_高分常见名字;
    return main.isChecked(box);
}

void wireCommonOnlyBoxes(Window& main)
{
    for (names::Name box : kCommonOnlyBoxes)
        main.on(box, EventKind::Clicked,
                [&main, box](const Event&) { showCommonOnly(main, main.isChecked(box)); });
}

namespace {
constexpr std::string_view kLeftOutPrefix = "已略去 ";
}

std::string leftOutStatus(std::size_t count)
{
    return count == 0 ? std::string()
                      : std::string(kLeftOutPrefix) + std::to_string(count) + " 个无依据的名字";
}

void showLeftOut(Window& main, std::size_t count)
{
    const int picture = main.statusPicture(names::状态条1);
    if (count > 0) {
        main.setStatus(names::状态条1, picture, leftOutStatus(count));
        return;
    }
    if (!main.statusText(names::状态条1).starts_with(kLeftOutPrefix))
        return;
    std::string_view description;
    for (const ModeDescription& mode : kModeDescriptions)
        if (mode.picture == picture)
            description = mode.description;
    main.setStatus(names::状态条1, picture, description);
}

} // namespace app
