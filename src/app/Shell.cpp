#include "app/Shell.h"

#include "app/AvoidedSetting.h"
#include "app/BirthChartPage.h"
#include "app/BrowserToolbar.h"
#include "app/ControlNames.h"
#include "app/DateLists.h"
#include "app/ModeDescriptions.h"
#include "app/Settings.h"
#include "app/SettingsFile.h"
#include "store/LoadNamingDatabase.h"
#include "store/NamingStore.h"

#include <initializer_list>
#include <utility>

namespace app {
namespace {

// Messages of the start-up load, shown on the window thread.
class PostedMessageSink : public core::MessageSink
{
public:
    explicit PostedMessageSink(Host& host) : m_host(host) {}
    void showMessage(const core::Message& message) override
    {
        Host& host = m_host;
        m_host.post([&host, message] { host.messageBox(message); });
    }

private:
    Host& m_host;
};

void fillCombo(Window& w, names::Name combo, const std::vector<std::string>& items, std::string_view select)
{
    w.setItems(combo, items);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == select) {
            w.setCurrentIndex(combo, static_cast<int>(i));
            return;
        }
}

// Fills date drop-downs - year, month, day, hour and, when given, minute - with their lists and
// selects the texts of `date` (a text no list holds leaves that list at its first item).
void fillDateCombos(Window& w, std::initializer_list<names::Name> combos, const DateTexts& date)
{
    const std::vector<std::string>* lists[] = {&yearItems(), &monthItems(), &dayItems(), &hourItems(),
                                               &minuteItems()};
    size_t i = 0;
    for (names::Name combo : combos) {
        fillCombo(w, combo, *lists[i], date[i]);
        ++i;
    }
}

constexpr std::initializer_list<names::Name> kNamingDateCombos = {
    names::组合框_年份, names::组合框_月份, names::组合框_日子, names::组合框_时间, names::组合框_分钟};

// The naming date as the input group shows it.
DateTexts namingDate(const Window& main)
{
    DateTexts date;
    size_t i = 0;
    for (names::Name combo : kNamingDateCombos)
        date[i++] = main.currentText(combo);
    return date;
}

} // namespace

Shell::Shell(Host& host, store::NamingStore& store, ShellPaths paths)
    : m_host(host), m_store(store), m_paths(std::move(paths))
{
}

Shell::~Shell()
{
    waitForDatabaseLoad();
}

std::filesystem::path Shell::settingsFile() const
{
    return m_paths.settingsFolder / kSettingsFileName;
}

std::filesystem::path Shell::helpFile() const
{
    return m_paths.programFolder / "Help" / "用户手册.mht";
}

bool Shell::startUp()
{
    // Single instance: a second copy ends before anything is shown.
    if (!m_guard.acquire(m_paths.lockFile))
        return false;
    m_started = true;
    Window& main = m_host.mainWindow();
    wireMainWindow();

    // The start skin; the next change applies skin 1 of the list.
    m_host.applySkin(startSkin());
    m_skins.reset();

    // Visible, with its title.
    main.setTitle(kMainTitle);
    m_host.showMainWindow();

    // The input group's dates: today (the settings then restore the date kept), and the same on the
    // chart and evaluation pages, so their custom dates can be chosen however the pages are reached.
    fillInputDates();

    // The chart of that date.
    ShowBirthChart();

    // The surname is still empty here.
    if (m_hooks.setLastRunSurname)
        m_hooks.setLastRunSurname(main.text(names::编辑框_姓氏));

    // The classic mode's picture and description.
    showModeDescription(names::单选框_经典起名);

    // The settings, then the records. Temporary files a killed save left behind go first. A file that
    // is there but cannot be read (another user's, not text, a pipe or a device, far too large) holds
    // records this session cannot see: it is said, and never written over.
    removeStaleSettingsTemporaries(settingsFile());
    const SettingsRead read = RestoreSettings(
        main, settingsFile(),
        [this](const std::string& records) {
            if (m_hooks.restoreRecords)
                m_hooks.restoreRecords(records);
            else
                m_keptRecords = records;
        },
        [this](const std::string& shortlist) {
            if (m_hooks.restoreShortlist)
                m_hooks.restoreShortlist(shortlist);
        });
    if (read != SettingsRead::Read && read != SettingsRead::Missing) {
        m_settingsLocked = true;
        sayUnusableSettings(read);
    }
    // What a save compares with: a start and exit without a change leave the file untouched.
    m_savedSettings = currentSettings();

    // No generation character.
    if (m_hooks.resetGenerationSetting)
        m_hooks.resetGenerationSetting();

    // The database load, on its own thread; the window is usable meanwhile.
    if (m_hooks.startDatabaseLoad) {
        m_hooks.startDatabaseLoad();
    } else {
        const auto file = store::defaultDatabaseFile(m_paths.programFolder);
        // Loading from now on: a naming run, report or query asked for before the copy is complete
        // waits for it instead of reading half-filled tables.
        m_store.setLoadState(store::LoadState::Loading);
        m_loader = std::thread([this, file] {
            PostedMessageSink sink(m_host);
            store::LoadNamingDatabase(m_store, file, sink);
        });
    }
    return true;
}

void Shell::fillInputDates()
{
    Window& main = m_host.mainWindow();
    DateTexts first = {std::string(kDefaultYear), "1", "1", "0", "0"};
    if (m_hooks.today) {
        const auto [year, month, day] = m_hooks.today();
        first = {std::to_string(year), std::to_string(month), std::to_string(day), "0", "0"};
    }
    fillDateCombos(main, kNamingDateCombos, first);
    fillDateCombos(
        main,
        {names::组合框_八字年份, names::组合框_八字月份, names::组合框_八字日子, names::组合框_八字时间},
        first);
    fillDateCombos(main,
                   {names::组合框_评分年份, names::组合框_评分月份, names::组合框_评分日子,
                    names::组合框_评分时间, names::组合框_评分分钟},
                   first);
}

void Shell::showModeDescription(names::Name radio)
{
    for (const ModeDescription& mode : kModeDescriptions)
        if (mode.radio == radio)
            m_host.mainWindow().setStatus(names::状态条1, mode.picture, mode.description);
}

void Shell::wireMainWindow()
{
    Window& main = m_host.mainWindow();
    main.on(names::工具条1, EventKind::Clicked, [this](const Event& e) { ShowPage(e.index); });
    // However a page is reached (toolbar, menu or its tab), it is prepared the same way.
    main.on(names::高级选择夹1, EventKind::PageChanged, [this](const Event& e) { pageShown(e.index); });
    const std::pair<names::Name, int> pageItems[] = {
        {names::菜单_模式选择, kToolModes},      {names::菜单_生辰八字, kToolBirthChart},
        {names::菜单_姓名评分, kToolEvaluation}, {names::菜单_起名记录, kToolRecords},
        {names::菜单_新华字典, kToolDictionary},
    };
    for (const auto& [item, index] : pageItems)
        main.on(item, EventKind::Clicked, [this, index = index](const Event&) { ShowPage(index); });
    main.on(names::菜单_避讳字, EventKind::Clicked,
            [this](const Event&) { openAvoidedDialog(m_host, [this] { saveSettingsNow(); }); });
    main.on(names::菜单_名字收藏, EventKind::Clicked, [this](const Event&) { showMainPage(kPageShortlist); });
    main.on(names::菜单_退出程序, EventKind::Clicked, [this](const Event&) { ExitApplication(); });
    main.on(names::NestlingMain, EventKind::Closed, [this](const Event&) { ExitApplication(); });
    main.on(names::菜单_更换皮肤, EventKind::Clicked, [this](const Event&) { ChangeSkin(); });
    main.on(names::菜单_使用帮助, EventKind::Clicked, [this](const Event&) { openHelp(); });
    main.on(names::菜单_关于软件, EventKind::Clicked, [this](const Event&) { openAbout(); });
    main.on(names::按钮_八字查询, EventKind::Clicked, [this](const Event&) { ShowBirthChart(); });
    // The 23:00 rule changes the chart shown at once, as a new query would.
    main.on(names::选择框_23点后算次日, EventKind::Clicked, [this](const Event&) { ShowBirthChart(); });
    // The chart of the naming date follows that date: a parent who corrects the birth date in the
    // input group sees the chart page change with it, without a new query.
    for (names::Name combo : {names::组合框_年份, names::组合框_月份, names::组合框_日子, names::组合框_时间})
        main.on(combo, EventKind::SelectionChanged, [this](const Event&) { namingDateChanged(); });
    main.on(names::单选框1, EventKind::Clicked, [this](const Event&) { namingDateChanged(); });
    for (const ModeDescription& mode : kModeDescriptions)
        main.on(mode.radio, EventKind::Clicked,
                [this, radio = mode.radio](const Event&) { showModeDescription(radio); });
}

void Shell::ShowPage(int index)
{
    switch (index) {
    case kToolModes:
        showMainPage(kPageModes);
        break;
    case kToolBirthChart:
        showMainPage(kPageBirthChart);
        break;
    case kToolEvaluation:
        showMainPage(kPageEvaluation);
        break;
    case kToolRecords:
        showMainPage(kPageRecords);
        break;
    case kToolDictionary:
        if (Window* word = m_host.openWindow(names::NestlingWord, WindowMode::Modal, &m_host.mainWindow());
            word && m_hooks.dictionaryOpened)
            m_hooks.dictionaryOpened(*word);
        break;
    default:
        break;
    }
}

void Shell::showMainPage(int page)
{
    Window& main = m_host.mainWindow();
    // Switching pages reports PageChanged, which prepares the page; a page already shown is prepared
    // here, so the toolbar refreshes it as it always did.
    if (main.currentPage(names::高级选择夹1) == page)
        pageShown(page);
    else
        main.setCurrentPage(names::高级选择夹1, page);
}

void Shell::namingDateChanged()
{
    Window& main = m_host.mainWindow();
    main.setText(names::透明标签_起名日期, main.currentText(names::组合框_年份) + "年" +
                                               main.currentText(names::组合框_月份) + "月" +
                                               main.currentText(names::组合框_日子) + "日" +
                                               main.currentText(names::组合框_时间) + "时");
    // The page names the naming date: the chart under that label must be that date's, whatever
    // was queried before the date changed.
    if (main.isChecked(names::单选框1))
        app::ShowBirthChart(m_host, ChartDateMessage::Quiet);
}

void Shell::pageShown(int page)
{
    Window& main = m_host.mainWindow();
    if (page == kPageBirthChart) {
        // The page's own date starts from the naming date, the one a parent most likely adjusts; a
        // custom date in use is left as the parent chose it.
        if (!main.isChecked(names::单选框_自定义日期))
            fillDateCombos(main,
                           {names::组合框_八字年份, names::组合框_八字月份, names::组合框_八字日子,
                            names::组合框_八字时间},
                           namingDate(main));
        namingDateChanged();
    } else if (page == kPageShortlist) {
        if (m_hooks.shortlistShown)
            m_hooks.shortlistShown();
    } else if (page == kPagePoem) {
        if (m_hooks.poemPageShown)
            m_hooks.poemPageShown();
    } else if (page == kPageEvaluation) {
        main.setText(names::编辑框_评分姓氏, main.text(names::编辑框_姓氏));
        fillDateCombos(main,
                       {names::组合框_评分年份, names::组合框_评分月份, names::组合框_评分日子,
                        names::组合框_评分时间, names::组合框_评分分钟},
                       namingDate(main));
    }
}

void Shell::ExitApplication()
{
    if (m_exited)
        return;
    m_exited = true;
    if (m_hooks.stopNamingRun)
        m_hooks.stopNamingRun();
    // A close during the start-up load lets the loader finish before the store goes.
    waitForDatabaseLoad();
    m_store.Close();
    if (m_started)
        saveSettings();
    m_host.quit();
}

void Shell::saveSettingsNow()
{
    if (m_started && !m_exited)
        saveSettings();
}

SettingsValues Shell::currentSettings() const
{
    const std::string records = m_hooks.saveRecords ? m_hooks.saveRecords() : m_keptRecords;
    std::optional<std::string> shortlist;
    if (m_hooks.saveShortlist)
        shortlist = m_hooks.saveShortlist();
    return collectSettings(m_host.mainWindow(), records, shortlist);
}

void Shell::sayUnusableSettings(SettingsRead read)
{
    const std::string file = settingsFile().string();
    std::string why = "无法读取设置文件：" + file;
    if (read == SettingsRead::NotAFile)
        why = "设置文件不是普通文件（可能是管道或设备）：" + file;
    else if (read == SettingsRead::TooLarge)
        why = "设置文件过大（超过 4 MB），没有读取：" + file;
    m_host.messageBox({core::MessageIcon::Warning, core::kMessageTitle,
                       why + "\r\n本次使用默认设置运行；为了不丢失其中的设置和起名记录，本次运行不会改写它，"
                             "本次的设置和记录也不会保存。"});
}

void Shell::saveSettings()
{
    if (m_settingsLocked)
        return;
    SettingsValues current = currentSettings();
    if (SaveSettings(settingsFile(), m_savedSettings, current) != SettingsSave::Failed) {
        m_savedSettings = std::move(current);
        m_saveFailureShown = false;
        return;
    }
    // Said once until a save succeeds again, not at every record.
    if (m_saveFailureShown)
        return;
    m_saveFailureShown = true;
    m_host.messageBox({core::MessageIcon::Warning, core::kMessageTitle,
                       "无法保存设置文件：" + settingsFile().string() + "\r\n本次的设置没有保存。"});
}

void Shell::ChangeSkin()
{
    if (const Skin* skin = m_skins.next())
        m_host.applySkin(*skin);
}

void Shell::openHelp()
{
    // The manual is a web archive, which the desktop rarely opens; the program's own browser reads it.
    const std::filesystem::path manual = helpFile();
    std::error_code error;
    if (!std::filesystem::is_regular_file(manual, error)) {
        m_host.messageBox(
            {core::MessageIcon::Warning, core::kMessageTitle, "找不到使用手册：" + manual.string()});
        return;
    }
    Window* window =
        m_host.openWindow(names::NestlingContenSinglePage, WindowMode::Modeless, &m_host.mainWindow());
    if (!window)
        return;
    window->setTitle("使用帮助");
    wireBrowserToolbar(m_host, *window, [](const Window&) { return names::网页浏览框1; });
    window->navigate(names::网页浏览框1, manual.string());
}

void Shell::openAbout()
{
    m_host.openWindow(names::AboutUs, WindowMode::Modal, &m_host.mainWindow());
}

void Shell::ShowBirthChart()
{
    app::ShowBirthChart(m_host, ChartDateMessage::Shown);
}

void Shell::waitForDatabaseLoad()
{
    if (m_loader.joinable())
        m_loader.join();
}

} // namespace app
