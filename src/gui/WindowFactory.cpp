#include "gui/WindowFactory.h"

#include "app/ControlNames.h"
#include "gui/windows/SecondaryWindows.h"

namespace gui {

QWidget* createWindow(std::string_view windowName, QWidget* parent)
{
    namespace n = app::names;
    if (windowName == n::NestlingWaiting)
        return new WaitingWindow(parent);
    if (windowName == n::NestlingConten)
        return new DetailWindow(false, parent);
    if (windowName == n::NestlingContenSinglePage)
        return new DetailWindow(true, parent);
    if (windowName == n::NestlingRead)
        return new ReadWindow(parent);
    if (windowName == n::NestlingWord)
        return new WordWindow(parent);
    if (windowName == n::设置辈份)
        return new GenerationWindow(parent);
    if (windowName == n::设置避讳)
        return new AvoidedWindow(parent);
    if (windowName == n::AboutUs)
        return new AboutWindow(parent);
    return nullptr;
}

} // namespace gui
