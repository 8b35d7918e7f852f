#pragma once

#include "app/ControlNames.h"
#include "app/Controls.h"
#include "app/Settings.h"
#include "app/SingleInstanceGuard.h"
#include "app/Skins.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

namespace store {
class NamingStore;
}

namespace app {

// The texts of a date's drop-downs: year, month, day, hour, minute.
using DateTexts = std::array<std::string, 5>;

struct ShellPaths
{
    std::filesystem::path programFolder;  // data/ and Help/ live here
    std::filesystem::path settingsFolder; // config.dat lives here
    std::filesystem::path lockFile;       // the single-instance lock
};

// What other parts of the program plug into start-up and exit. Every hook may stay empty.
struct ShellHooks
{
    // First thing at exit: stop a naming run that is still going (and wait for its thread).
    std::function<void()> stopNamingRun;
    // At start: the surname the high-score and super-auspicious lists were last reset for, as restored.
    std::function<void(const std::string&)> setLastRunSurname;
    // At start: the generation-character setting starts off, whatever the last session left.
    std::function<void()> resetGenerationSetting;
    // The naming records: restored from and saved into 名字记录. Until they are set, the stored value
    // is kept as it was read, so a start and exit never lose it.
    std::function<void(const std::string&)> restoreRecords;
    std::function<std::string()> saveRecords;
    // The shortlist (名字收藏), like the records: until it is set, the stored value is left as it is.
    std::function<void(const std::string&)> restoreShortlist;
    std::function<std::string()> saveShortlist;
    // The page 名字收藏 is shown (its rows are filled then).
    std::function<void()> shortlistShown;
    // The page 诗词起名 is shown, by its tab or any other route (its lists are filled then).
    std::function<void()> poemPageShown;
    // The character query window the shell opened (toolbar or menu 新华字典), for its handlers.
    std::function<void(Window&)> dictionaryOpened;
    // Today's date (year, month, day) for the date boxes of a first start, before the settings restore
    // the date kept. Empty: 2013-1-1, so a start is the same on every day (tests, screenshots).
    std::function<std::array<int, 3>()> today;
    // The last thing start-up does: load the database. Empty: LoadNamingDatabase on a thread of the
    // shell's own.
    std::function<void()> startDatabaseLoad;
};

// The frame of the program: start-up, page switching from the toolbar and menus, skins and exit.
class Shell
{
public:
    Shell(Host& host, store::NamingStore& store, ShellPaths paths);
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;
    ~Shell();

    ShellHooks& hooks() { return m_hooks; }

    // Everything start-up does once the main window exists: the single-copy check, skin, title, dates,
    // chart, settings and records, and the database load. False when another copy of the program runs:
    // nothing was shown and the process should end.
    bool startUp();

    // The toolbar and 操作菜单 action: 0 modes, 2 birth chart, 4 evaluation, 6 records, 8 dictionary.
    void ShowPage(int index);
    // Stops a run, closes the store, saves the settings and ends the event loop. Runs once.
    void ExitApplication();
    // Saves the settings and records now (a record was added or deleted, the session ends, a signal
    // asks the program to stop), so a kill or crash later loses nothing. Nothing before start-up,
    // after exit, or when the file could not be read at start.
    void saveSettingsNow();
    void ChangeSkin();
    void openHelp();
    void openAbout();

    void ShowBirthChart();

    int skinNumber() const { return m_skins.skinNumber(); }
    bool hasExited() const { return m_exited; }
    std::filesystem::path settingsFile() const;
    std::filesystem::path helpFile() const;
    // Waits for the start-up load of the database (tests and orderly shutdown).
    void waitForDatabaseLoad();

private:
    void wireMainWindow();
    void fillInputDates();
    void showMainPage(int page);
    void pageShown(int page);
    // The naming date changed (or 使用起名日期 was chosen): its label, and the chart when it shows it.
    void namingDateChanged();
    void showModeDescription(names::Name radio);
    void saveSettings();
    void sayUnusableSettings(SettingsRead read);
    SettingsValues currentSettings() const;

    Host& m_host;
    store::NamingStore& m_store;
    ShellPaths m_paths;
    ShellHooks m_hooks;
    SingleInstanceGuard m_guard;
    SkinCycler m_skins;
    std::string m_keptRecords;
    SettingsValues m_savedSettings; // as restored or last saved: what a save compares with
    std::thread m_loader;
    bool m_started = false;
    bool m_exited = false;
    bool m_settingsLocked = false; // the file exists but could not or must not be read: never written
    bool m_saveFailureShown = false;
};

} // namespace app
