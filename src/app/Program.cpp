#include "app/Program.h"

#include "app/Settings.h"

namespace app {

Program::Program(Host& host, store::NamingStore& store, const ShellPaths& paths)
    : shell(host, store, paths), naming(host, store), combination(host, naming), records(host),
      details(host, store, paths.programFolder, records), evaluation(host, store, paths.programFolder),
      exports(host, paths.programFolder), query(host, store, paths.programFolder),
      articles(host, store, paths.programFolder),
      english(host, store, paths.programFolder, paths.settingsFolder / kSettingsFileName),
      poems(host, store, paths.programFolder, naming),
      shortlist(host, store, naming.checker(), paths.programFolder)
{
    ShellHooks& hooks = shell.hooks();
    naming.wire();
    combination.wire();
    hooks.stopNamingRun = [this] { naming.stopRun(); };
    hooks.setLastRunSurname = [this](const std::string& surname) { naming.setLastRunSurname(surname); };
    hooks.resetGenerationSetting = [this] { naming.resetGeneration(); };
    records.wire();
    records.hook(hooks);
    // A record is the user's own data: it reaches the disk when it is made or removed, not only at exit.
    records.onChanged([this] { shell.saveSettingsNow(); });
    details.setChecker(&naming.checker());
    evaluation.setChecker(&naming.checker());
    details.wire();
    evaluation.wire();
    exports.wire();
    query.wire(hooks);
    articles.wire();
    english.wire();
    poems.wire();
    hooks.poemPageShown = [this] { poems.pageShown(); };
    shortlist.wire();
    shortlist.hook(hooks);
    shortlist.onChanged([this] { shell.saveSettingsNow(); });
    details.onDetailOpened([this](Window& window, const std::string& surname, const std::string& given) {
        shortlist.wireDetailWindow(window, surname, given);
    });
    host.mainWindow().on(names::超级列表框_收藏列表, EventKind::DoubleClicked, [this, &host](const Event&) {
        const int row = host.mainWindow().currentRow(names::超级列表框_收藏列表);
        if (row < 0 || row >= static_cast<int>(shortlist.entries().size()))
            return;
        const ShortlistEntry entry = shortlist.entries()[static_cast<size_t>(row)];
        if (Window* window = details.openDetail(entry.surname, entry.given))
            shortlist.wireDetailWindow(*window, entry.surname, entry.given);
    });
}

} // namespace app
