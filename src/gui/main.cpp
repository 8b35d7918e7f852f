#include "app/ArticleReader.h"
#include "app/CharacterQuery.h"
#include "app/DetailController.h"
#include "app/EvaluationPage.h"
#include "app/ExportButtons.h"
#include "app/HookedHost.h"
#include "app/NamingController.h"
#include "app/RecordsPage.h"
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
    // The shell opens the character query window; CharacterQuery gives it its handlers on the way.
    app::HookedHost shellHost(host);
    app::Shell shell(shellHost, store,
                     {store::programFolder(), app::defaultSettingsFolder(), app::defaultLockFile()});
    app::NamingController naming(host, store);
    naming.wire();
    app::ShellHooks& hooks = shell.hooks();
    hooks.stopNamingRun = [&naming] { naming.StopRun(); };
    hooks.setLastRunSurname = [&naming](const std::string& surname) { naming.setLastRunSurname(surname); };
    hooks.resetGenerationSetting = [&naming] { naming.resetGeneration(); };
    const std::filesystem::path folder = store::programFolder();
    app::RecordsPage records(host);
    records.wire();
    records.hook(hooks);
    app::DetailController details(host, store, folder, records);
    details.wire();
    app::EvaluationPage evaluation(host, store, folder);
    evaluation.wire();
    app::ExportButtons exports(host, folder);
    exports.wire();
    app::CharacterQuery query(host, store, folder);
    query.wire(shellHost);
    app::ArticleReader articles(host, store, folder);
    articles.wire();
    if (!shell.StartUp())
        return 0; // another copy runs
    const int status = QApplication::exec();
    shell.ExitApplication();
    return status;
}
