#include "app/Program.h"
#include "app/Settings.h"
#include "app/SingleInstanceGuard.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "gui/QtHost.h"
#include "store/LoadNamingDatabase.h"
#include "store/NamingStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// NESTLING_START_CHECK=1 is the installation check of tools/test.sh: once the main window is shown and
// the database load has ended, the program exits by itself, with status 0 only when the window is
// visible, the database loaded and the manual is in place. Nothing else reads the variable.
void checkStartAndQuit(const gui::MainWindow& window, const store::NamingStore& store,
                       const app::Shell& shell)
{
    auto* poll = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, qApp, [=, &window, &store, &shell] {
        const store::LoadState state = store.loadState();
        const bool loading = state == store::LoadState::NotLoaded || state == store::LoadState::Loading;
        if (loading && clock->elapsed() < 30000)
            return;
        poll->stop();
        delete clock;
        const bool shown = window.isVisible();
        const bool loaded = state == store::LoadState::Ready;
        std::error_code ec;
        const bool help = std::filesystem::is_regular_file(shell.helpFile(), ec);
        std::printf("nestling: window %s, database %s, manual %s\n", shown ? "shown" : "NOT SHOWN",
                    loaded ? "loaded" : "NOT LOADED", help ? "found" : "NOT FOUND");
        std::fflush(stdout);
        QApplication::exit(shown && loaded && help ? 0 : 1);
    });
    poll->start(100);
}

} // namespace

int main(int argc, char** argv)
{
    gui::prepareApplication();
    QApplication application(argc, argv);
    gui::styleApplication();
    gui::translateApplication();

    // Program initialisation: the store the whole process shares.
    store::NamingStore store;
    gui::MainWindow window;
    gui::QtHost host(window);
    app::Program program(host, store,
                         {store::programFolder(), app::defaultSettingsFolder(), app::defaultLockFile()});
    if (!program.shell.StartUp())
        return 0; // another copy runs
    // A kill, Ctrl+C or the end of the desktop session saves what an orderly exit saves.
    gui::handleEndRequests([&program] { program.shell.ExitApplication(); },
                           [&program] { program.shell.SaveSettingsNow(); });
    if (const char* check = std::getenv("NESTLING_START_CHECK"); check && *check)
        checkStartAndQuit(window, store, program.shell);
    const int status = QApplication::exec();
    program.shell.ExitApplication();
    return status;
}
