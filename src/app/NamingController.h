#pragma once

#include "app/Controls.h"
#include "naming/NamingRun.h"
#include "quality/NameChecker.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace store {
class NamingStore;
}

namespace app {

// core::kNoSurnameMessage as the 起名 button has always worded it; every other page uses that one.
inline constexpr const char* kNamingNoSurnameMessage = "请输入姓氏!";
inline constexpr const char* kBadSurnameMessage = "姓氏应是一个或两个汉字，例如“李”或“欧阳”。";
inline constexpr const char* kLongCombinationMessage = "要组合的字最多200个。";
// The picture of a name list row the name check marks (a warning or a rare character).
inline constexpr int kMarkedRowImage = 1;

// True when the text can be a surname: one or two Chinese characters.
bool isSurname(std::string_view text);

// The list view a run of the mode fills; empty for the modes without a name list of that kind.
ControlName listOfMode(naming::Mode mode);

// The naming buttons of the main window and the one naming run behind them, which fills the list view
// of its mode (listOfMode). Handlers run on the
// window thread; the run works on a thread of its own and hands every change of the window back
// through Host::post. A run that was stopped (a new surname, closing the program) is abandoned: what
// it still posts is dropped, so no half-sorted list is ever shown.
class NamingController
{
public:
    NamingController(Host& host, const store::NamingStore& store);
    NamingController(const NamingController&) = delete;
    NamingController& operator=(const NamingController&) = delete;
    ~NamingController();

    // Registers the handlers of 按钮_起名, 按钮_再生成一次, 按钮_高分暂停, 标签_设置辈份, the buttons of
    // the super-auspicious and classic pages and the element filter panel.
    void wire();

    void startNaming(); // 按钮_起名
    void regenerate();  // 按钮_再生成一次
    // 按钮_高分暂停, 按钮_超吉暂停: pause or continue that mode's run.
    void togglePause(naming::Mode mode = naming::Mode::HighScore);
    void generateSuperAuspicious(); // 按钮_超吉生成
    void generateClassic();         // 按钮_经典生成, 按钮_起名 in the classic mode
    // 按钮_按所缺五行起名: sets the element filter panel so that every name supplies what the chart
    // shown lacks (缺五行标签), switches to the super-auspicious mode and starts its run.
    void nameFromMissingElements();
    // 按钮_按喜用神起名: the same for the chart's main favourable elements (喜用神标签).
    void nameFromFavourableElements();
    void stopRun(); // stops a run that is going and waits for its thread

    void openGenerationDialog();

    // What 按钮_起名 does for a mode whose page has its own start button (the run starts there).
    void setModeStart(naming::Mode mode, std::function<void()> start)
    {
        m_modeStarts[mode] = std::move(start);
    }
    // The inputs every mode shares, read from the main window for a run of the mode.
    naming::NamingRequest readRequest(naming::Mode mode) const;
    // Stops a run that is going and starts one for the request; its rows go to the mode's list.
    void startRun(naming::NamingRequest request);

    bool running() const { return m_thread.joinable() && !m_finished.load(); }
    // Waits for the current run's thread to end (its posted work may still be pending).
    void waitForRun();

    // 选择框_过滤生僻字: checking it takes the marked names out of every name list at once; the runs
    // that follow leave them out.
    void filterMarkedNames();
    const quality::NameChecker& checker() const { return m_checker; }

    const std::string& lastRunSurname() const { return m_lastRunSurname; }
    void setLastRunSurname(std::string surname) { m_lastRunSurname = std::move(surname); }
    naming::GenerationSetting& generation() { return m_generation; }
    void resetGeneration() { m_generation = {}; }
    // Fixed shuffles for tests; the clock otherwise.
    void setSeed(std::optional<std::uint64_t> seed) { m_seed = seed; }
    // Called with each new run's control before its thread starts (tests hold a run with it).
    void setRunHook(std::function<void(naming::RunControl&)> hook) { m_runHook = std::move(hook); }

private:
    class Observer;

    // Stops a run that is going and releases its page, as its end would have.
    void abandonRun();
    // The surname of the input group, or nullopt after telling the user what is wrong with it.
    std::optional<std::string> checkedSurname();
    void openSuperAuspiciousPage(const std::string& surname);
    void setRunControls(bool running);
    void confirmGeneration(Window& dialog);
    void cancelGeneration(Window& dialog);
    void colourGenerationLabel();

    Host& m_host;
    const store::NamingStore& m_store;
    quality::NameChecker m_checker;
    std::string m_lastRunSurname;
    naming::GenerationSetting m_generation;
    std::optional<std::uint64_t> m_seed;
    std::function<void(naming::RunControl&)> m_runHook;
    std::map<naming::Mode, std::function<void()>> m_modeStarts;

    std::thread m_thread;
    std::unique_ptr<naming::RunControl> m_control;
    std::unique_ptr<Observer> m_observer;
    std::atomic<bool> m_finished{true};
    naming::Mode m_runMode = naming::Mode::HighScore; // the mode of the current or last run
    std::uint64_t m_runId = 0; // runs are numbered; posted work of an older run is dropped
    // Posted work still queued when the controller goes finds this expired and does nothing.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace app
