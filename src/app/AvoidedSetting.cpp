#include "app/AvoidedSetting.h"

#include "app/ControlNames.h"
#include "naming/AvoidedCharacters.h"
#include "text/Utf8.h"

namespace app {

void showAvoided(Window& main, std::string_view characters, bool exclude)
{
    const std::string normalized = naming::normalizedAvoided(characters);
    main.setText(names::透明标签_避讳字, normalized);
    main.setEnabled(names::选择框_排除避讳字, !normalized.empty());
    main.setChecked(names::选择框_排除避讳字, exclude && !normalized.empty());
}

std::string avoidedForRun(const Window& main)
{
    if (!main.isChecked(names::选择框_排除避讳字))
        return {};
    return naming::normalizedAvoided(main.text(names::透明标签_避讳字));
}

void openAvoidedDialog(Host& host, const std::function<void()>& changed)
{
    Window* dialog = host.openWindow(names::设置避讳, WindowMode::Modal);
    if (!dialog)
        return;
    dialog->setText(names::编辑框_避讳字, host.mainWindow().text(names::透明标签_避讳字));
    dialog->on(names::按钮_避讳确定, EventKind::Clicked, [&host, dialog, changed](const Event&) {
        const std::string typed = dialog->text(names::编辑框_避讳字);
        const std::string characters = naming::normalizedAvoided(typed);
        if (characters.empty() && !text::trimBlanks(typed).empty()) {
            host.messageBox(
                {core::MessageIcon::Information, core::kMessageTitle, kAvoidedNoCharacterMessage});
            return;
        }
        Window& main = host.mainWindow();
        const bool hadNone = main.text(names::透明标签_避讳字).empty();
        showAvoided(main, characters, hadNone || main.isChecked(names::选择框_排除避讳字));
        if (changed)
            changed();
        // Closing destroys this handler with the window: nothing of it is used afterwards.
        dialog->close();
    });
    dialog->on(names::按钮_避讳取消, EventKind::Clicked, [dialog](const Event&) { dialog->close(); });
}

} // namespace app
