#pragma once

#include "app/Controls.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace store {
class NamingStore;
}

namespace app {

// The settings key of the online dictionary's endpoint (scheme and host). Empty, or missing, means the
// offline voice only.
inline constexpr const char* kDictionaryEndpointKey = "词典地址";

// 按钮_起名 in the English mode: copies the surname to page 5, empties its list and shows the page.
void showEnglishPage(Window& main);

// Page 5 "起英文名": 按钮_英文起名 runs the English search on a worker thread; a double-click on a
// listed name speaks it. The voice is fetched on a worker thread too: the link of the dictionary's page
// when an endpoint is set and its page has one, else espeak-ng's voice written to a WAV file in the
// data folder. A newer double-click supersedes a voice still being fetched.
class EnglishController
{
public:
    EnglishController(Host& host, const store::NamingStore& store, std::filesystem::path programFolder,
                      std::filesystem::path settingsFile);
    EnglishController(const EnglishController&) = delete;
    EnglishController& operator=(const EnglishController&) = delete;
    ~EnglishController();

    void wire();

    void generate();         // 按钮_英文起名
    void SpeakEnglishName(); // double-click in 超级列表框_英文列表

    // The endpoint read from the settings file at each double-click.
    std::string dictionaryEndpoint() const;
    void setFetchTimeout(int milliseconds) { m_fetchTimeoutMs = milliseconds; }
    // Waits for the search and every voice job (their posted work may still be pending).
    void waitForWork();

private:
    class Observer;
    struct VoiceJob
    {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> cancel;
        std::shared_ptr<std::atomic<bool>> done;
    };

    void speakOnWorker(std::uint64_t id, const std::string& name, const std::string& endpoint,
                       const std::filesystem::path& wavFile, const std::atomic<bool>& cancel);
    void reapVoiceJobs(bool all);

    Host& m_host;
    const store::NamingStore& m_store;
    std::filesystem::path m_programFolder;
    std::filesystem::path m_settingsFile;
    int m_fetchTimeoutMs = 5000;

    std::thread m_search;
    std::unique_ptr<Observer> m_observer;
    std::uint64_t m_searchId = 0;
    std::vector<VoiceJob> m_voices;
    std::atomic<std::uint64_t> m_voiceId{0};
    // Posted work still queued when the controller goes finds this expired and does nothing.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace app
