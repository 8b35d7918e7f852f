#include "app/HookedHost.h"

namespace app {

void HookedHost::onOpen(std::string_view windowName, OpenHook hook)
{
    m_hooks[std::string(windowName)].push_back(std::move(hook));
}

Window* HookedHost::openWindow(std::string_view windowName, WindowMode mode, Window* owner)
{
    Window* window = m_inner.openWindow(windowName, mode, owner);
    if (!window)
        return nullptr;
    if (auto it = m_hooks.find(windowName); it != m_hooks.end())
        for (const OpenHook& hook : it->second)
            hook(*window);
    return window;
}

} // namespace app
