#include "app/Program.h"
#include "app/Settings.h"
#include "app/SingleInstanceGuard.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxSeam.h"
#include "gui/QtHost.h"
#include "gui/SecondStart.h"
#include "store/LoadNamingDatabase.h"
#include "store/NamingStore.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include <time.h>
#include <unistd.h>

namespace {

// Milliseconds since this process started (its start time from /proc, in clock ticks since boot), or -1.
long long processAgeMs()
{
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // The fields after the command name, which is in brackets and may hold blanks: the start time is
    // the 20th of them.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    for (int i = 0; i < 20 && fields >> field; ++i) {
    }
    timespec now{};
    if (!fields || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return -1;
    const long long ticksPerSecond = sysconf(_SC_CLK_TCK);
    const long long startMs = std::stoll(field) * 1000 / ticksPerSecond;
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000 - startMs;
}

// Notes when a widget is first drawn.
class FirstPaint : public QObject
{
public:
    long long ageMs = -1;
    long long cpuMs = -1; // the CPU time of this process (every thread) by then

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && ageMs < 0) {
            ageMs = processAgeMs();
            cpuMs = static_cast<long long>(std::clock()) * 1000 / CLOCKS_PER_SEC;
            watched->removeEventFilter(this);
        }
        return false;
    }
};

// NESTLING_START_CHECK=1 is the installation check of tools/test.sh: once the main window is shown and
// the database load has ended, the program exits by itself, with status 0 only when the window is
// visible, the database loaded and the manual is in place. Nothing else reads the variable. It also
// prints how long after the process started the main window was first drawn (bench/window_start.sh).
// Message boxes are answered without showing them (nobody is there to close one), and their texts are
// printed, so a start that has something to say cannot hang the check.
void checkStartAndQuit(gui::MainWindow& window, const store::NamingStore& store, const app::Shell& shell)
{
    auto* firstPaint = new FirstPaint;
    firstPaint->setParent(qApp);
    window.installEventFilter(firstPaint);
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
        std::printf("nestling: window %s (first drawn %lld ms after start, %lld ms of CPU), database %s, "
                    "manual %s\n",
                    shown ? "shown" : "NOT SHOWN", firstPaint->ageMs, firstPaint->cpuMs,
                    loaded ? "loaded" : "NOT LOADED", help ? "found" : "NOT FOUND");
        for (const core::Message& message : gui::MessageBoxSeam::recorded())
            std::printf("nestling: message %s: %s\n", message.caption.c_str(), message.text.c_str());
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

    const char* startCheck = std::getenv("NESTLING_START_CHECK");
    const bool checkingStart = startCheck && *startCheck;
    if (checkingStart)
        gui::MessageBoxSeam::setAutomatic(true);
    // Program initialisation: the store the whole process shares.
    store::NamingStore store;
    gui::MainWindow window;
    gui::QtHost host(window);
    const std::filesystem::path lockFile = app::defaultLockFile();
    app::Program program(host, store, {store::programFolder(), app::defaultSettingsFolder(), lockFile});
    // A first start shows today's date: a parent names a child born now, not in some fixed year.
    program.shell.hooks().today = [] {
        const QDate today = QDate::currentDate();
        return std::array<int, 3>{today.year(), today.month(), today.day()};
    };
    if (!program.shell.startUp()) {
        // Another copy runs: its window comes to the front instead.
        gui::raiseRunningCopy(lockFile);
        return 0;
    }
    gui::listenForSecondStart(window, lockFile);
    // A kill, Ctrl+C or the end of the desktop session saves what an orderly exit saves.
    gui::handleEndRequests([&program] { program.shell.ExitApplication(); },
                           [&program] { program.shell.saveSettingsNow(); });
    if (checkingStart)
        checkStartAndQuit(window, store, program.shell);
    const int status = QApplication::exec();
    program.shell.ExitApplication();
    return status;
}
