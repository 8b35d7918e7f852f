#pragma once

#include "app/Controls.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace app {

// A window system that hands every call to another one and, whenever a window of a given name has
// just opened, runs the hooks registered for that name. Code that opens a window it does not handle
// itself (the shell opens the character query window from the toolbar and the menu) is given this
// host, so the window's handlers are registered by the part of the program that owns them.
class HookedHost : public Host
{
public:
    explicit HookedHost(Host& inner) : m_inner(inner) {}

    using OpenHook = std::function<void(Window&)>;
    // Runs `hook` on every window opened under `windowName` (a window name or a form key).
    void onOpen(std::string_view windowName, OpenHook hook);

    Window& mainWindow() override { return m_inner.mainWindow(); }
    void showMainWindow() override { m_inner.showMainWindow(); }
    Window* openWindow(std::string_view windowName, WindowMode mode, Window* owner = nullptr) override;
    Window* findWindow(std::string_view windowName) override { return m_inner.findWindow(windowName); }
    MessageAnswer messageBox(const store::Message& message) override { return m_inner.messageBox(message); }
    bool openWithDesktop(const std::string& file) override { return m_inner.openWithDesktop(file); }
    std::optional<std::string> httpGet(const std::string& url, int timeoutMs = 10000) override
    {
        return m_inner.httpGet(url, timeoutMs);
    }
    void post(std::function<void()> work) override { m_inner.post(std::move(work)); }
    bool applySkin(const Skin& skin) override { return m_inner.applySkin(skin); }
    void quit() override { m_inner.quit(); }

private:
    Host& m_inner;
    std::map<std::string, std::vector<OpenHook>, std::less<>> m_hooks;
};

} // namespace app
