#include "app/EnglishController.h"

#include "app/ControlNames.h"
#include "app/HttpFetch.h"
#include "app/Settings.h"
#include "naming/EnglishNames.h"
#include "naming/EnglishVoice.h"
#include "naming/NamingRun.h"
#include "reports/ReportFiles.h"
#include "text/IniFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>

namespace app {
namespace {

// Voices are written under a few rotating names, so the player always gets a new address while the
// file it may still be playing stays in place.
constexpr std::uint64_t kVoiceFiles = 4;

constexpr std::array<std::pair<names::Name, int>, 3> kStyles = {{
    {names::单选框_男性化, naming::kEnglishMale},
    {names::单选框_女性化, naming::kEnglishFemale},
    {names::单选框_中性化, naming::kEnglishNeutral},
}};

int selectedGender(const Window& main)
{
    for (const auto& [radio, code] : kStyles)
        if (main.isChecked(radio))
            return code;
    return naming::kEnglishMale;
}

std::vector<ListRow> toListRows(const std::vector<naming::EnglishNameRow>& rows)
{
    std::vector<ListRow> out;
    out.reserve(rows.size());
    for (const naming::EnglishNameRow& row : rows) {
        const auto cells = row.cells();
        out.push_back({{cells.begin(), cells.end()}, 0});
    }
    return out;
}

// The letters 名字长度 allows: the two boxes as a range, whichever way round they were set.
naming::EnglishLength selectedLength(const Window& main)
{
    const auto number = [&](ControlName combo, int fallback) {
        const std::string text = main.currentText(combo);
        int value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        return ec == std::errc{} && end == text.data() + text.size() ? value : fallback;
    };
    const naming::EnglishLength defaults;
    const int from = number(names::组合框_日子1, defaults.min);
    const int to = number(names::组合框_时间1, defaults.max);
    return {std::min(from, to), std::max(from, to)};
}

} // namespace

void showEnglishPage(Window& main)
{
    main.setText(names::编辑框_英文姓氏, main.text(names::编辑框_姓氏));
    main.clearRows(names::超级列表框_英文列表);
    main.setCurrentPage(names::高级选择夹1, kPageEnglish);
}

// Hands the search's events to the window thread; work of a superseded search is dropped.
class EnglishController::Observer : public naming::RunObserver
{
public:
    Observer(EnglishController& owner, std::uint64_t id, naming::EnglishLength length)
        : m_owner(owner), m_id(id), m_length(length)
    {
    }

    void showMessage(const core::Message& message) override
    {
        post([message](EnglishController& c) { c.m_host.messageBox(message); });
    }

    void runStarted() override
    {
        post([](EnglishController& c) {
            if (!c.m_host.findWindow(names::NestlingWaiting))
                c.m_host.openWindow(names::NestlingWaiting, WindowMode::Modeless);
        });
    }

    void englishNamesListed(const std::vector<naming::EnglishNameRow>& rows) override
    {
        post([rows = toListRows(naming::keepEnglishLength(rows, m_length))](EnglishController& c) {
            c.m_host.mainWindow().setRows(names::超级列表框_英文列表, rows);
        });
    }

    void runEnded(naming::RunOutcome /*outcome*/) override
    {
        post([](EnglishController& c) {
            if (Window* waiting = c.m_host.findWindow(names::NestlingWaiting))
                waiting->close();
        });
    }

private:
    void post(std::function<void(EnglishController&)> work)
    {
        EnglishController* owner = &m_owner;
        const std::uint64_t id = m_id;
        m_owner.m_host.post([owner, id, alive = std::weak_ptr<int>(m_owner.m_alive), work = std::move(work)] {
            if (!alive.expired() && owner->m_searchId == id)
                work(*owner);
        });
    }

    EnglishController& m_owner;
    std::uint64_t m_id;
    naming::EnglishLength m_length; // 名字长度 as the search started
};

EnglishController::EnglishController(Host& host, const store::NamingStore& store,
                                     std::filesystem::path programFolder, std::filesystem::path settingsFile)
    : m_host(host), m_store(store), m_programFolder(std::move(programFolder)),
      m_settingsFile(std::move(settingsFile))
{
}

EnglishController::~EnglishController()
{
    ++m_searchId;
    reapVoiceJobs(true);
    if (m_search.joinable())
        m_search.join();
}

void EnglishController::wire()
{
    Window& main = m_host.mainWindow();
    main.on(names::按钮_英文起名, EventKind::Clicked, [this](const Event&) { generate(); });
    // 名字长度 from 3 to 20 letters: every name, until a parent narrows it.
    main.setCurrentIndex(names::组合框_时间1, static_cast<int>(main.items(names::组合框_时间1).size()) - 1);
    main.on(names::超级列表框_英文列表, EventKind::DoubleClicked,
            [this](const Event&) { SpeakEnglishName(); });
}

void EnglishController::generate()
{
    Window& main = m_host.mainWindow();
    if (main.text(names::编辑框_英文姓氏).empty()) {
        m_host.messageBox({core::MessageIcon::Information, core::kMessageTitle, core::kNoSurnameMessage});
        return;
    }
    if (main.text(names::编辑框_英文名字).empty()) {
        m_host.messageBox({core::MessageIcon::Information, core::kMessageTitle, core::kNoGivenNameMessage});
        return;
    }
    // The search reads a few thousand rows; a search still going is over in moments.
    if (m_search.joinable())
        m_search.join();
    main.clearRows(names::超级列表框_英文列表);

    naming::NamingRequest request;
    request.mode = naming::Mode::English;
    request.surname = main.text(names::编辑框_英文姓氏);
    request.englishGivenName = main.text(names::编辑框_英文名字);
    request.englishGender = selectedGender(main);
    const std::uint64_t id = ++m_searchId;
    m_observer = std::make_unique<Observer>(*this, id, selectedLength(main));
    m_search = std::thread([this, request = std::move(request), observer = m_observer.get()] {
        naming::RunControl control;
        naming::NamingRun run(m_store, request, *observer, control);
        run.run();
    });
}

std::string EnglishController::dictionaryEndpoint() const
{
    text::IniFile ini;
    ini.load(m_settingsFile.string());
    return ini.value(kSettingsSection, kDictionaryEndpointKey, "");
}

void EnglishController::SpeakEnglishName()
{
    Window& main = m_host.mainWindow();
    const int row = main.currentRow(names::超级列表框_英文列表);
    const std::string name = row >= 0 ? main.cell(names::超级列表框_英文列表, row, 1) : std::string();
    if (name.empty())
        return;
    reapVoiceJobs(false);
    for (VoiceJob& job : m_voices)
        job.cancel->store(true);
    const std::uint64_t id = ++m_voiceId;
    const std::filesystem::path wavFile =
        reports::dataFolder(m_programFolder) / ("voice" + std::to_string(id % kVoiceFiles) + ".wav");
    VoiceJob job{{}, std::make_shared<std::atomic<bool>>(false), std::make_shared<std::atomic<bool>>(false)};
    job.thread = std::thread(
        [this, id, name, endpoint = dictionaryEndpoint(), wavFile, cancel = job.cancel, done = job.done] {
            speakOnWorker(id, name, endpoint, wavFile, *cancel);
            done->store(true);
        });
    m_voices.push_back(std::move(job));
}

void EnglishController::speakOnWorker(std::uint64_t id, const std::string& name, const std::string& endpoint,
                                      const std::filesystem::path& wavFile, const std::atomic<bool>& cancel)
{
    std::string address;
    if (!endpoint.empty()) {
        if (auto page = httpGet(naming::dictionarySearchUrl(endpoint, name), m_fetchTimeoutMs, &cancel))
            address = naming::resolveSoundLink(naming::extractSoundLink(*page), endpoint);
    }
    if (address.empty() && !cancel && naming::writeOfflineVoice(name, wavFile))
        address = wavFile.string();
    if (address.empty() || cancel)
        return;
    m_host.post([this, id, address, alive = std::weak_ptr<int>(m_alive)] {
        if (!alive.expired() && m_voiceId == id)
            m_host.mainWindow().play(names::媒体播放1, address);
    });
}

void EnglishController::reapVoiceJobs(bool all)
{
    std::erase_if(m_voices, [all](VoiceJob& job) {
        if (all)
            job.cancel->store(true);
        if (!all && !job.done->load())
            return false;
        job.thread.join();
        return true;
    });
}

void EnglishController::waitForWork()
{
    if (m_search.joinable())
        m_search.join();
    for (VoiceJob& job : m_voices)
        if (job.thread.joinable())
            job.thread.join();
    m_voices.clear();
}

} // namespace app
