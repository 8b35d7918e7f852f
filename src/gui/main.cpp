#include "app/NamingController.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "app/SingleInstanceGuard.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "gui/QtHost.h"
#include "store/LoadNamingDatabase.h"
#include "store/NamingStore.h"

#include <QApplication>

int main(int argc, char** argv)
{
    gui::prepareApplication();
    QApplication application(argc, argv);
    gui::styleApplication();

    // Program initialisation: the store the whole process shares.
    store::NamingStore store;
    gui::MainWindow window;
    gui::QtHost host(window);
    app::Shell shell(host, store,
                     {store::programFolder(), app::defaultSettingsFolder(), app::defaultLockFile()});
    app::NamingController naming(host, store);
    naming.wire();
    app::ShellHooks& hooks = shell.hooks();
    hooks.stopNamingRun = [&naming] { naming.StopRun(); };
    hooks.setLastRunSurname = [&naming](const std::string& surname) { naming.setLastRunSurname(surname); };
    hooks.resetGenerationSetting = [&naming] { naming.resetGeneration(); };
    if (!shell.StartUp())
        return 0; // another copy runs
    const int status = QApplication::exec();
    shell.ExitApplication();
    return status;
}
