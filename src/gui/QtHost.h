#pragma once

#include "app/Controls.h"

#include <QObject>

#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

namespace gui {

class MainWindow;
class QtWindow;

// The window system of the program over Qt Widgets: the main window, the secondary windows it
// opens, message boxes, the desktop's default programs, the skins, and work posted from worker
// threads, which runs on the window thread through a queued call.
class QtHost : public QObject, public app::Host
{
    Q_OBJECT
public:
    explicit QtHost(MainWindow& main);
    ~QtHost() override;

    app::Window& mainWindow() override;
    void showMainWindow() override;
    app::Window* openWindow(std::string_view windowName, app::WindowMode mode,
                            app::Window* owner = nullptr) override;
    app::Window* findWindow(std::string_view windowName) override;
    app::MessageAnswer messageBox(const core::Message& message) override;
    bool openWithDesktop(const std::string& file) override;
    std::optional<std::string> chooseSaveFile(const std::string& suggestedName,
                                              const std::string& filter) override;
    std::optional<std::string> httpGet(const std::string& url, int timeoutMs = 10000) override;
    void post(std::function<void()> work) override;
    bool applySkin(const app::Skin& skin) override;
    void quit() override;

    QtWindow& main() { return *m_main; }
    // Files handed to the desktop (kept for tests, which switch the real opening off).
    const std::vector<std::string>& desktopOpened() const { return m_desktopOpened; }
    void setDesktopOpening(bool on) { m_desktopOpening = on; }

private:
    MainWindow& m_mainWidget;
    std::unique_ptr<QtWindow> m_main;
    std::vector<std::unique_ptr<QtWindow>> m_windows;
    std::vector<std::string> m_desktopOpened;
    bool m_desktopOpening = true;
    QPointer<QWidget> m_lastActive; // the last window the user worked in (no dialog, not NestlingWaiting)
};

} // namespace gui
