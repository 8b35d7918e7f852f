#include "app/NamingController.h"

#include "app/AvoidedSetting.h"
#include "app/CommonOnlySetting.h"
#include "app/ControlNames.h"
#include "app/ElementFilterPanel.h"
#include "app/EnglishController.h"
#include "app/GenerationDisplay.h"
#include "app/ModeDescriptions.h"
#include "app/NameListRows.h"
#include "naming/FavourableElementsFilter.h"
#include "naming/MissingElementsFilter.h"
#include "numerology/CharacterRecord.h"
#include "text/NameInput.h"
#include "text/Utf8.h"

#include <algorithm>
#include <array>
#include <mutex>

namespace app {
namespace {

constexpr std::array<names::Name, 7> kModeRadios = {
    names::单选框_经典起名, names::单选框_高分起名, names::单选框_诗词起名, names::单选框_组合起名,
    names::单选框_起小名,   names::单选框_起英文名, names::单选框_超吉起名};
constexpr std::array<naming::Mode, 7> kRadioModes = {
    naming::Mode::Classic,  naming::Mode::HighScore, naming::Mode::Poem,           naming::Mode::Combination,
    naming::Mode::Nickname, naming::Mode::English,   naming::Mode::SuperAuspicious};

// The controls of the page a mode's run writes to (empty names: the page has no such control).
struct RunPage
{
    naming::Mode mode;
    names::Name radio;
    names::Name list;         // the rows of the run
    names::Name text;         // the text of the run, emptied when it starts
    names::Name pauseButton;  // enabled by the first row
    names::Name exportButton; // usable while the run is paused
    std::array<names::Name, 3> disabledAtStart;
    std::array<names::Name, 2> enabledAtEnd;
    int page; // switched to when the run starts; -1 stays
};

const std::array<RunPage, 6> kRunPages = {{
    {naming::Mode::HighScore,
     names::单选框_高分起名,
     names::超级列表框_高分起名,
     {},
     names::按钮_高分暂停,
     names::按钮_高分导出,
     {names::按钮_高分暂停, names::按钮_再生成一次, names::按钮_高分导出},
     {names::按钮_再生成一次, {}},
     kPageHighScore},
    {naming::Mode::SuperAuspicious,
     names::单选框_超吉起名,
     names::超级列表框_超吉起名,
     {},
     names::按钮_超吉暂停,
     names::按钮_超吉导出,
     {names::按钮_超吉生成, names::按钮_超吉暂停, names::按钮_超吉导出},
     {names::按钮_超吉生成, names::按钮_超吉导出},
     -1},
    {naming::Mode::Classic, names::单选框_经典起名, {}, names::编辑框_经典名字, {}, {}, {}, {}, kPageClassic},
    {naming::Mode::Combination,
     names::单选框_组合起名,
     names::超级列表框_组合列表,
     {},
     {},
     {},
     {names::按钮_组合起名, {}, {}},
     {names::按钮_组合起名, {}},
     -1},
    {naming::Mode::Nickname,
     names::单选框_起小名,
     names::超级列表框_小名列表,
     {},
     {},
     {},
     {names::按钮_起小名, {}, {}},
     {names::按钮_起小名, {}},
     -1},
    {naming::Mode::Poem, names::单选框_诗词起名, names::超级列表框_诗名列表, {}, {}, {}, {}, {}, -1},
}};

const RunPage& runPageOf(naming::Mode mode)
{
    for (const RunPage& page : kRunPages)
        if (page.mode == mode)
            return page;
    return kRunPages[0];
}

void setEnabledAll(Window& window, std::span<const names::Name> controls, bool enabled)
{
    for (names::Name control : controls)
        if (!control.empty())
            window.setEnabled(control, enabled);
}
// The radios a finished run enables.
constexpr std::array<names::Name, 6> kRunEndRadios = {names::单选框_高分起名, names::单选框_超吉起名,
                                                      names::单选框_诗词起名, names::单选框_组合起名,
                                                      names::单选框_起小名,   names::单选框_起英文名};

constexpr Rgb kGenerationOff{0x60, 0x60, 0x60};
constexpr Rgb kGenerationOn{0xFF, 0x00, 0x00};

constexpr const char* kPause = "暂停";
constexpr const char* kContinue = "继续";
constexpr int kModeToolButton = 0;

// The list rows of a run's rows; a marked name gets its picture and the tip saying why.
std::vector<ListRow> toListRows(std::span<const naming::NameRow> rows, const quality::NameChecker& checker,
                                const std::string& surname)
{
    std::vector<ListRow> out;
    out.reserve(rows.size());
    for (const naming::NameRow& row : rows) {
        out.push_back(toListRow(row.cells()));
        if (row.marks != 0) {
            const std::string_view given =
                std::string_view(row.name).substr(std::min(surname.size(), row.name.size()));
            out.back().image = kMarkedRowImage;
            out.back().tip = checker.check(surname, given, false).markText();
        }
    }
    return out;
}

// The name lists of the runs, which the filter box clears of marked names.
constexpr std::array<names::Name, 5> kNameLists = {names::超级列表框_高分起名, names::超级列表框_超吉起名,
                                                   names::超级列表框_诗名列表, names::超级列表框_组合列表,
                                                   names::超级列表框_小名列表};

// The super-auspicious mode's picture in the status bar, with `text` instead of its description.
void showSuperAuspiciousStatus(Window& main, const std::string& text)
{
    for (const ModeDescription& mode : kModeDescriptions)
        if (mode.radio == names::单选框_超吉起名)
            main.setStatus(names::状态条1, mode.picture, text);
}

} // namespace

bool isSurname(std::string_view text)
{
    const std::vector<std::string> characters = text::utf8Characters(text);
    return !characters.empty() && characters.size() <= 2 &&
           std::all_of(characters.begin(), characters.end(),
                       [](const std::string& c) { return text::isHanzi(c); });
}

ControlName listOfMode(naming::Mode mode)
{
    switch (mode) {
    case naming::Mode::HighScore:
        return names::超级列表框_高分起名;
    case naming::Mode::SuperAuspicious:
        return names::超级列表框_超吉起名;
    case naming::Mode::Poem:
        return names::超级列表框_诗名列表;
    case naming::Mode::Combination:
        return names::超级列表框_组合列表;
    case naming::Mode::Nickname:
        return names::超级列表框_小名列表;
    case naming::Mode::Classic:
    case naming::Mode::English:
        break;
    }
    return {};
}

// Turns the run's events into posted changes of the window. Each posted task first checks that its
// run is still the current one.
class NamingController::Observer : public naming::RunObserver
{
public:
    Observer(NamingController& owner, std::uint64_t runId, std::string surname)
        : m_owner(owner), m_runId(runId), m_surname(std::move(surname))
    {
    }

    void showMessage(const core::Message& message) override
    {
        post([message](NamingController& c) { c.m_host.messageBox(message); });
    }

    void progress(size_t done, size_t total) override
    {
        post([done, total](NamingController& c) {
            if (Window* waiting = c.m_host.findWindow(names::NestlingWaiting))
                waiting->setProgress(names::进度条1, static_cast<int>(done), static_cast<int>(total));
        });
    }

    void rowsWritten(std::span<const naming::NameRow> rows) override
    {
        const bool first = !m_wroteRows;
        m_wroteRows = true;
        post([rows = toListRows(rows, m_owner.m_checker, m_surname), first](NamingController& c) {
            Window& main = c.m_host.mainWindow();
            const RunPage& page = runPageOf(c.m_runMode);
            main.appendRows(page.list, rows);
            if (first) {
                if (Window* waiting = c.m_host.findWindow(names::NestlingWaiting))
                    waiting->close();
                if (!page.pauseButton.empty())
                    main.setEnabled(page.pauseButton, true);
            }
        });
    }

    void listFinished(const std::vector<naming::NameRow>& rows) override
    {
        post([rows = toListRows(rows, m_owner.m_checker, m_surname)](NamingController& c) {
            Window& main = c.m_host.mainWindow();
            const RunPage& page = runPageOf(c.m_runMode);
            main.setRows(page.list, rows);
        });
    }

    void textWritten(const std::string& text) override
    {
        post([text](NamingController& c) {
            c.m_host.mainWindow().setText(runPageOf(c.m_runMode).text, text);
        });
    }

    void runEnded(naming::RunOutcome /*outcome*/) override
    {
        post([](NamingController& c) { c.setRunControls(false); });
        m_owner.m_finished = true;
    }

    // After the run: how many names 只列常见名字 left out, in the status bar.
    void leftOut(size_t count)
    {
        post([count](NamingController& c) { showLeftOut(c.m_host.mainWindow(), count); });
    }

private:
    void post(std::function<void(NamingController&)> work)
    {
        NamingController* owner = &m_owner;
        const std::uint64_t runId = m_runId;
        m_owner.m_host.post(
            [owner, runId, alive = std::weak_ptr<int>(m_owner.m_alive), work = std::move(work)] {
                if (!alive.expired() && owner->m_runId == runId)
                    work(*owner);
            });
    }

    NamingController& m_owner;
    std::uint64_t m_runId;
    std::string m_surname;
    bool m_wroteRows = false;
};

NamingController::NamingController(Host& host, const store::NamingStore& store)
    : m_host(host), m_store(store), m_checker(store)
{
}

NamingController::~NamingController()
{
    stopRun();
}

void NamingController::wire()
{
    Window& main = m_host.mainWindow();
    main.on(names::按钮_起名, EventKind::Clicked, [this](const Event&) { startNaming(); });
    main.on(names::按钮_再生成一次, EventKind::Clicked, [this](const Event&) { regenerate(); });
    main.on(names::按钮_高分暂停, EventKind::Clicked, [this](const Event&) { togglePause(); });
    main.on(names::按钮_超吉生成, EventKind::Clicked, [this](const Event&) { generateSuperAuspicious(); });
    main.on(names::按钮_超吉暂停, EventKind::Clicked,
            [this](const Event&) { togglePause(naming::Mode::SuperAuspicious); });
    main.on(names::按钮_经典生成, EventKind::Clicked, [this](const Event&) { generateClassic(); });
    main.on(names::按钮_按所缺五行起名, EventKind::Clicked,
            [this](const Event&) { nameFromMissingElements(); });
    main.on(names::按钮_按喜用神起名, EventKind::Clicked,
            [this](const Event&) { nameFromFavourableElements(); });
    wireElementFilterPanel(main);
    main.on(names::标签_设置辈份, EventKind::Clicked, [this](const Event&) { openGenerationDialog(); });
    main.on(names::选择框_过滤生僻字, EventKind::Clicked, [this](const Event&) { filterMarkedNames(); });
    wireCommonOnlyBoxes(main);
    colourGenerationLabel();
}

naming::NamingRequest NamingController::readRequest(naming::Mode mode) const
{
    const Window& main = m_host.mainWindow();
    naming::NamingRequest request;
    request.mode = mode;
    request.surname = text::trimName(main.text(names::编辑框_姓氏));
    request.sex = main.currentText(names::组合框_性别);
    request.givenLength = main.currentText(names::组合框_名字个数) == "二字" ? 2 : 1;
    request.generation = m_generation;
    request.avoid = avoidedForRun(main);
    request.seed = m_seed;
    request.hideMarked = main.isChecked(names::选择框_过滤生僻字);
    request.commonOnly = commonOnlyChecked(main, mode);
    if (mode == naming::Mode::SuperAuspicious)
        request.elements = readElementFilter(main);
    return request;
}

std::optional<std::string> NamingController::checkedSurname()
{
    // Blanks around what was typed are no part of the surname.
    std::string surname = text::trimName(m_host.mainWindow().text(names::编辑框_姓氏));
    if (surname.empty()) {
        m_host.messageBox({core::MessageIcon::Information, core::kMessageTitle, kNamingNoSurnameMessage});
        return std::nullopt;
    }
    if (const text::NameProblem problem = text::checkName(surname); problem != text::NameProblem::None) {
        m_host.messageBox(
            {core::MessageIcon::Information, core::kMessageTitle, text::nameProblemMessage(problem, true)});
        return std::nullopt;
    }
    return surname;
}

void NamingController::startNaming()
{
    Window& main = m_host.mainWindow();
    const std::optional<std::string> checked = checkedSurname();
    if (!checked)
        return;
    const std::string& surname = *checked;
    std::optional<naming::Mode> mode;
    for (size_t i = 0; i < kModeRadios.size(); ++i)
        if (main.isChecked(kModeRadios[i]))
            mode = kRadioModes[i];
    if (mode == naming::Mode::SuperAuspicious) {
        openSuperAuspiciousPage(surname);
        return;
    }
    if (mode == naming::Mode::Classic) {
        generateClassic();
        return;
    }
    if (mode == naming::Mode::English) {
        showEnglishPage(main);
        return;
    }
    if (auto start = mode ? m_modeStarts.find(*mode) : m_modeStarts.end(); start != m_modeStarts.end()) {
        start->second();
        return;
    }
    if (mode == naming::Mode::Combination || mode == naming::Mode::Nickname) {
        // These modes run from the generate buttons of their pages: 按钮_起名 opens the page, emptied.
        main.clearRows(listOfMode(*mode));
        main.setCurrentPage(names::高级选择夹1,
                            mode == naming::Mode::Combination ? kPageCombination : kPageNickname);
        return;
    }
    // The remaining modes have no run of their own yet and answer nothing.
    if (mode != naming::Mode::HighScore)
        return;
    if (surname != m_lastRunSurname) {
        stopRun();
        main.clearRows(names::超级列表框_高分起名);
        main.setText(names::按钮_高分暂停, kPause);
        main.setEnabled(names::按钮_再生成一次, true);
        m_lastRunSurname = surname;
        main.setCurrentPage(names::高级选择夹1, kPageHighScore);
        startRun(readRequest(naming::Mode::HighScore));
        return;
    }
    main.setCurrentPage(names::高级选择夹1, kPageHighScore);
}

void NamingController::regenerate()
{
    stopRun();
    Window& main = m_host.mainWindow();
    main.clearRows(names::超级列表框_高分起名);
    main.setText(names::按钮_高分暂停, kPause);
    startRun(readRequest(naming::Mode::HighScore));
}

void NamingController::openSuperAuspiciousPage(const std::string& surname)
{
    Window& main = m_host.mainWindow();
    if (surname != m_lastRunSurname) {
        abandonRun();
        main.clearRows(names::超级列表框_超吉起名);
        main.setText(names::按钮_超吉暂停, kPause);
        main.setEnabled(names::按钮_超吉生成, true);
        m_lastRunSurname = surname;
    }
    main.setCurrentPage(names::高级选择夹1, kPageSuperAuspicious);
    applyElementFilterRule(main, names::选择框_所有字必带五行);
}

void NamingController::generateSuperAuspicious()
{
    Window& main = m_host.mainWindow();
    main.clearRows(names::超级列表框_超吉起名);
    main.setText(names::按钮_超吉暂停, kPause);
    startRun(readRequest(naming::Mode::SuperAuspicious));
    // The mode forms its names without the generation character: a parent who set one is told so,
    // rather than finding it in none of the names.
    if (const std::string ignored = generationIgnoredText(m_generation); !ignored.empty())
        showSuperAuspiciousStatus(main, ignored);
}

void NamingController::nameFromMissingElements()
{
    Window& main = m_host.mainWindow();
    const std::string missing = main.text(names::缺五行标签);
    if (missing.empty()) {
        m_host.messageBox(
            {core::MessageIcon::Information, core::kMessageTitle, naming::kNothingMissingMessage});
        return;
    }
    const std::optional<std::string> surname = checkedSurname();
    if (!surname)
        return;
    setElementFilter(main, naming::filterForMissingElements(missing));
    main.setChecked(names::单选框_超吉起名, true);
    openSuperAuspiciousPage(*surname);
    generateSuperAuspicious();
    // What was set instead of the mode's description.
    std::string status = naming::missingElementsFilterMessage(missing);
    if (const std::string ignored = generationIgnoredText(m_generation); !ignored.empty())
        status += "；" + ignored;
    showSuperAuspiciousStatus(main, status);
}

void NamingController::nameFromFavourableElements()
{
    Window& main = m_host.mainWindow();
    const std::string favourable = main.text(names::喜用神标签);
    if (favourable.empty())
        return;
    const std::optional<std::string> surname = checkedSurname();
    if (!surname)
        return;
    setElementFilter(main, naming::filterForFavourableElements(favourable));
    main.setChecked(names::单选框_超吉起名, true);
    openSuperAuspiciousPage(*surname);
    generateSuperAuspicious();
    for (const ModeDescription& mode : kModeDescriptions)
        if (mode.radio == names::单选框_超吉起名)
            main.setStatus(names::状态条1, mode.picture, naming::favourableElementsFilterMessage(favourable));
}

void NamingController::generateClassic()
{
    startRun(readRequest(naming::Mode::Classic));
}

void NamingController::togglePause(naming::Mode mode)
{
    const RunPage& page = runPageOf(mode);
    Window& main = m_host.mainWindow();
    const bool pausing = main.text(page.pauseButton) != kContinue;
    // The button only holds a run of its own mode; for a finished run it still switches the states.
    if (m_control && m_runMode == mode) {
        if (pausing)
            m_control->pause();
        else
            m_control->resume();
    }
    main.setToolButtonEnabled(names::工具条1, kModeToolButton, pausing || !running());
    for (names::Name radio : kModeRadios)
        if (radio != page.radio)
            main.setEnabled(radio, !pausing);
    main.setEnabled(page.exportButton, pausing);
    main.setText(page.pauseButton, pausing ? kContinue : kPause);
}

void NamingController::stopRun()
{
    ++m_runId;
    if (m_control)
        m_control->stop();
    if (m_thread.joinable())
        m_thread.join();
    m_finished = true;
}

void NamingController::abandonRun()
{
    const bool wasRunning = running();
    stopRun();
    if (!wasRunning)
        return;
    // What the run would have posted at its end is dropped with it, so its page is released here.
    setRunControls(false);
}

void NamingController::waitForRun()
{
    if (m_thread.joinable())
        m_thread.join();
}

void NamingController::setRunControls(bool runningNow)
{
    Window& main = m_host.mainWindow();
    main.setToolButtonEnabled(names::工具条1, kModeToolButton, !runningNow);
    main.setMenuItemEnabled(names::菜单_模式选择, !runningNow);
    if (runningNow) {
        const RunPage& page = runPageOf(m_runMode);
        setEnabledAll(main, page.disabledAtStart, false);
        if (page.page >= 0)
            main.setCurrentPage(names::高级选择夹1, page.page);
        if (!page.text.empty())
            main.setText(page.text, "");
        if (!m_host.findWindow(names::NestlingWaiting))
            m_host.openWindow(names::NestlingWaiting, WindowMode::Modeless);
        return;
    }
    main.setEnabled(names::按钮_高分导出, true);
    // However the run ended (its list, an error, no surname), its page's buttons come back.
    setEnabledAll(main, runPageOf(m_runMode).enabledAtEnd, true);
    for (names::Name radio : kRunEndRadios)
        main.setEnabled(radio, true);
    if (Window* waiting = m_host.findWindow(names::NestlingWaiting))
        waiting->close();
}

void NamingController::startRun(naming::NamingRequest request)
{
    // Every mode's way in: a surname that is no surname, or a combination text beyond any use, starts
    // nothing (an empty surname is the run's own message).
    if (const text::NameProblem problem = text::checkName(request.surname);
        problem != text::NameProblem::None && problem != text::NameProblem::Empty) {
        m_host.messageBox(
            {core::MessageIcon::Information, core::kMessageTitle, text::nameProblemMessage(problem, true)});
        return;
    }
    // A surname or generation character the dictionary cannot score would give every name a score
    // made of zero strokes.

    if (const std::string unknown =
            numerology::unscorableCharacter(m_store, request.surname + request.generation.fixedCharacter());
        !unknown.empty()) {
        m_host.messageBox(
            {core::MessageIcon::Information, core::kMessageTitle, numerology::unscorableMessage(unknown)});
        return;
    }
    if (request.combinationText.size() > 4 * text::kMaxCombinationCharacters ||
        text::utf8Length(request.combinationText) > text::kMaxCombinationCharacters) {
        m_host.messageBox({core::MessageIcon::Information, core::kMessageTitle, kLongCombinationMessage});
        return;
    }
    abandonRun();
    m_runMode = request.mode;
    const std::uint64_t runId = m_runId;
    setRunControls(true);
    m_control = std::make_unique<naming::RunControl>();
    if (m_runHook)
        m_runHook(*m_control);
    m_observer = std::make_unique<Observer>(*this, runId, request.surname);
    m_finished = false;
    m_thread = std::thread(
        [this, request = std::move(request), control = m_control.get(), observer = m_observer.get()] {
            // Nothing may escape the thread (it would end the program): what failed is said, and the
            // run ends as stopped.
            const auto failed = [observer](std::string text) {
                observer->showMessage({core::MessageIcon::Warning, core::kMessageTitle, std::move(text)});
                observer->runEnded(naming::RunOutcome::Stopped);
            };
            try {
                naming::NamingRun run(m_store, request, *observer, *control, &m_checker);
                run.run();
                observer->leftOut(run.unsupportedLeftOut());
            } catch (const std::exception& error) {
                failed(std::string("起名时出错：") + error.what());
            } catch (...) {
                failed("起名时出错。");
            }
        });
}

void NamingController::filterMarkedNames()
{
    Window& main = m_host.mainWindow();
    if (!main.isChecked(names::选择框_过滤生僻字))
        return;
    for (names::Name list : kNameLists) {
        // One replacement of the rows: a list may hold 100 000 of them.
        std::vector<ListRow> kept;
        bool removed = false;
        for (int row = 0, count = main.rowCount(list); row < count; ++row) {
            ListRow value = main.row(list, row);
            if (value.image == kMarkedRowImage)
                removed = true;
            else
                kept.push_back(std::move(value));
        }
        if (removed)
            main.setRows(list, kept);
    }
}

void NamingController::openGenerationDialog()
{
    Window* dialog = m_host.openWindow(names::设置辈份, WindowMode::Modal);
    if (!dialog)
        return;
    names::Name radio = names::单选框_不设置辈份;
    if (m_generation.enabled && m_generation.fixSecond)
        radio = names::单选框_设置第二个字;
    else if (m_generation.enabled && m_generation.fixThird)
        radio = names::单选框_设置第三个字;
    dialog->setChecked(radio, true);
    dialog->on(names::按钮_辈份确定, EventKind::Clicked,
               [this, dialog](const Event&) { confirmGeneration(*dialog); });
    dialog->on(names::按钮_辈份取消, EventKind::Clicked,
               [this, dialog](const Event&) { cancelGeneration(*dialog); });
}

void NamingController::confirmGeneration(Window& dialog)
{
    // A position chosen with an empty box switches the setting on for it and keeps the dialog open.
    const auto fix = [&](bool second, names::Name edit, std::string& stored, const char* askText) {
        m_generation.enabled = true;
        m_generation.fixSecond = second;
        m_generation.fixThird = !second;
        const std::string character = dialog.text(edit);
        if (character.empty()) {
            m_host.messageBox({core::MessageIcon::Warning, core::kMessageTitle, askText});
            return false;
        }
        stored = character;
        return true;
    };
    if (dialog.isChecked(names::单选框_不设置辈份)) {
        m_generation.enabled = false;
        m_generation.fixSecond = false;
        m_generation.fixThird = false;
    } else if (dialog.isChecked(names::单选框_设置第二个字)) {
        if (!fix(true, names::编辑框_第二个字, m_generation.secondChar, "请输入所设定的第二个字"))
            return;
    } else if (dialog.isChecked(names::单选框_设置第三个字)) {
        if (!fix(false, names::编辑框_第三个字, m_generation.thirdChar, "请输入所设定的第三个字"))
            return;
    }
    colourGenerationLabel();
    dialog.close();
}

void NamingController::cancelGeneration(Window& dialog)
{
    dialog.setChecked(names::单选框_不设置辈份, true);
    m_generation.enabled = false;
    // The label keeps its colour, but no longer names a character.
    showGenerationSetting(m_host.mainWindow(), m_generation);
    dialog.close();
}

void NamingController::colourGenerationLabel()
{
    m_host.mainWindow().setTextColor(names::标签_设置辈份,
                                     m_generation.enabled ? kGenerationOn : kGenerationOff);
    showGenerationSetting(m_host.mainWindow(), m_generation);
}

} // namespace app
