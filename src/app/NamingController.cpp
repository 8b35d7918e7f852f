#include "app/NamingController.h"

#include "app/ControlNames.h"
#include "app/NameListRows.h"

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

// The radios a pause locks (the high-score radio itself stays usable).
constexpr std::array<names::Name, 6> kOtherModeRadios = {names::单选框_经典起名, names::单选框_超吉起名,
                                                         names::单选框_诗词起名, names::单选框_组合起名,
                                                         names::单选框_起小名,   names::单选框_起英文名};
// The radios a finished run enables.
constexpr std::array<names::Name, 6> kRunEndRadios = {names::单选框_高分起名, names::单选框_超吉起名,
                                                      names::单选框_诗词起名, names::单选框_组合起名,
                                                      names::单选框_起小名,   names::单选框_起英文名};

constexpr Rgb kGenerationOff{0x60, 0x60, 0x60};
constexpr Rgb kGenerationOn{0xFF, 0x00, 0x00};

constexpr const char* kPause = "暂停";
constexpr const char* kContinue = "继续";
constexpr int kModeToolButton = 0;

std::vector<ListRow> toListRows(std::span<const naming::NameRow> rows)
{
    std::vector<ListRow> out;
    out.reserve(rows.size());
    for (const naming::NameRow& row : rows)
        out.push_back(toListRow(row.cells()));
    return out;
}

} // namespace

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
    Observer(NamingController& owner, std::uint64_t runId, naming::Mode mode)
        : m_owner(owner), m_runId(runId), m_mode(mode), m_list(listOfMode(mode))
    {
    }

    void showMessage(const store::Message& message) override
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
        post([rows = toListRows(rows), first, list = m_list, mode = m_mode](NamingController& c) {
            Window& main = c.m_host.mainWindow();
            main.appendRows(list, rows);
            if (first) {
                if (Window* waiting = c.m_host.findWindow(names::NestlingWaiting))
                    waiting->close();
                if (mode == naming::Mode::HighScore)
                    main.setEnabled(names::按钮_高分暂停, true);
            }
        });
    }

    void listFinished(const std::vector<naming::NameRow>& rows) override
    {
        post([rows = toListRows(rows), list = m_list, mode = m_mode](NamingController& c) {
            Window& main = c.m_host.mainWindow();
            main.setRows(list, rows);
            if (mode == naming::Mode::HighScore)
                main.setEnabled(names::按钮_再生成一次, true);
        });
    }

    void runEnded(naming::RunOutcome /*outcome*/) override
    {
        post([mode = m_mode](NamingController& c) { c.setRunControls(false, mode); });
        m_owner.m_finished = true;
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
    naming::Mode m_mode;
    ControlName m_list;
    bool m_wroteRows = false;
};

NamingController::NamingController(Host& host, const store::NamingStore& store) : m_host(host), m_store(store)
{
}

NamingController::~NamingController()
{
    StopRun();
}

void NamingController::wire()
{
    Window& main = m_host.mainWindow();
    main.on(names::按钮_起名, EventKind::Clicked, [this](const Event&) { StartNaming(); });
    main.on(names::按钮_再生成一次, EventKind::Clicked, [this](const Event&) { Regenerate(); });
    main.on(names::按钮_高分暂停, EventKind::Clicked, [this](const Event&) { TogglePause(); });
    main.on(names::标签_设置辈份, EventKind::Clicked, [this](const Event&) { OpenGenerationDialog(); });
    colourGenerationLabel();
}

naming::NamingRequest NamingController::readRequest(naming::Mode mode) const
{
    const Window& main = m_host.mainWindow();
    naming::NamingRequest request;
    request.mode = mode;
    request.surname = main.text(names::编辑框_姓氏);
    request.sex = main.currentText(names::组合框_性别);
    request.givenLength = main.currentText(names::组合框_名字个数) == "二字" ? 2 : 1;
    request.generation = m_generation;
    request.seed = m_seed;
    return request;
}

void NamingController::StartNaming()
{
    Window& main = m_host.mainWindow();
    const std::string surname = main.text(names::编辑框_姓氏);
    if (surname.empty()) {
        m_host.messageBox({store::MessageIcon::Information, naming::kTitle, kNoSurnameMessage});
        return;
    }
    std::optional<naming::Mode> mode;
    for (size_t i = 0; i < kModeRadios.size(); ++i)
        if (main.isChecked(kModeRadios[i]))
            mode = kRadioModes[i];
    if (mode == naming::Mode::Combination || mode == naming::Mode::Nickname) {
        // These modes run from the generate buttons of their pages: 按钮_起名 opens the page, emptied.
        main.clearRows(listOfMode(*mode));
        main.setCurrentPage(names::高级选择夹1,
                            mode == naming::Mode::Combination ? kPageCombination : kPageNickname);
        return;
    }
    // The remaining modes without a run of their own answer nothing yet.
    if (mode != naming::Mode::HighScore)
        return;
    if (surname != m_lastRunSurname) {
        StopRun();
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

void NamingController::Regenerate()
{
    StopRun();
    Window& main = m_host.mainWindow();
    main.clearRows(names::超级列表框_高分起名);
    main.setText(names::按钮_高分暂停, kPause);
    startRun(readRequest(naming::Mode::HighScore));
}

void NamingController::TogglePause()
{
    if (!m_control)
        return;
    Window& main = m_host.mainWindow();
    const bool pausing = main.text(names::按钮_高分暂停) != kContinue;
    if (pausing)
        m_control->pause();
    else
        m_control->resume();
    main.setToolButtonEnabled(names::工具条1, kModeToolButton, pausing || !running());
    for (names::Name radio : kOtherModeRadios)
        main.setEnabled(radio, !pausing);
    main.setEnabled(names::按钮_高分导出, pausing);
    main.setText(names::按钮_高分暂停, pausing ? kContinue : kPause);
}

void NamingController::StopRun()
{
    ++m_runId;
    if (m_control)
        m_control->stop();
    if (m_thread.joinable())
        m_thread.join();
    m_finished = true;
}

void NamingController::waitForRun()
{
    if (m_thread.joinable())
        m_thread.join();
}

void NamingController::setRunControls(bool runningNow, naming::Mode mode)
{
    Window& main = m_host.mainWindow();
    main.setToolButtonEnabled(names::工具条1, kModeToolButton, !runningNow);
    main.setMenuItemEnabled(names::菜单_模式选择, !runningNow);
    // Every run's end enables the high-score export; only a high-score run disables it.
    if (!runningNow || mode == naming::Mode::HighScore)
        main.setEnabled(names::按钮_高分导出, !runningNow);
    if (runningNow) {
        if (mode == naming::Mode::HighScore) {
            main.setEnabled(names::按钮_高分暂停, false);
            main.setEnabled(names::按钮_再生成一次, false);
            main.setCurrentPage(names::高级选择夹1, kPageHighScore);
        }
        if (!m_host.findWindow(names::NestlingWaiting))
            m_host.openWindow(names::NestlingWaiting, WindowMode::Modeless);
        return;
    }
    for (names::Name radio : kRunEndRadios)
        main.setEnabled(radio, true);
    if (Window* waiting = m_host.findWindow(names::NestlingWaiting))
        waiting->close();
}

void NamingController::startRun(naming::NamingRequest request)
{
    StopRun();
    const std::uint64_t runId = m_runId;
    setRunControls(true, request.mode);
    m_control = std::make_unique<naming::RunControl>();
    m_observer = std::make_unique<Observer>(*this, runId, request.mode);
    m_finished = false;
    m_thread = std::thread(
        [this, request = std::move(request), control = m_control.get(), observer = m_observer.get()] {
            naming::NamingRun run(m_store, request, *observer, *control);
            run.run();
        });
}

void NamingController::OpenGenerationDialog()
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
            m_host.messageBox({store::MessageIcon::Warning, naming::kTitle, askText});
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
    dialog.close();
}

void NamingController::colourGenerationLabel()
{
    m_host.mainWindow().setTextColor(names::标签_设置辈份,
                                     m_generation.enabled ? kGenerationOn : kGenerationOff);
}

} // namespace app
