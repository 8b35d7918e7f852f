#include "app/Program.h"

#include "app/Settings.h"

namespace app {

Program::Program(Host& host, store::NamingStore& store, ShellPaths paths)
    : shell(host, store, paths), naming(host, store), combination(host, naming), records(host),
      details(host, store, paths.programFolder, records), evaluation(host, store, paths.programFolder),
      exports(host, paths.programFolder), query(host, store, paths.programFolder),
      articles(host, store, paths.programFolder),
      english(host, store, paths.programFolder, paths.settingsFolder / kSettingsFileName),
      poems(host, store, paths.programFolder, naming)
{
    ShellHooks& hooks = shell.hooks();
    naming.wire();
    combination.wire();
    hooks.stopNamingRun = [this] { naming.StopRun(); };
    hooks.setLastRunSurname = [this](const std::string& surname) { naming.setLastRunSurname(surname); };
    hooks.resetGenerationSetting = [this] { naming.resetGeneration(); };
    records.wire();
    records.hook(hooks);
    // A record is the user's own data: it reaches the disk when it is made or removed, not only at exit.
    records.onChanged([this] { shell.SaveSettingsNow(); });
    details.setChecker(&naming.checker());
    details.wire();
    evaluation.wire();
    exports.wire();
    query.wire(hooks);
    articles.wire();
    english.wire();
    poems.wire();
}

} // namespace app
