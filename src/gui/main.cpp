#include "app/Program.h"
#include "app/Settings.h"
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
    gui::translateApplication();

    // Program initialisation: the store the whole process shares.
    store::NamingStore store;
    gui::MainWindow window;
    gui::QtHost host(window);
    app::Program program(host, store,
                         {store::programFolder(), app::defaultSettingsFolder(), app::defaultLockFile()});
    if (!program.shell.StartUp())
        return 0; // another copy runs
    const int status = QApplication::exec();
    program.shell.ExitApplication();
    return status;
}
