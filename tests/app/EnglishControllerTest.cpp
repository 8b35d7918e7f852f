#include "app/EnglishController.h"
#include "app/ControlNames.h"
#include "app/NamingController.h"
#include "app/Settings.h"
#include "app/testing/FakeHost.h"
#include "store/NamingStore.h"
#include "support/Fixture.h"
#include "text/IniFile.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

using namespace app;
using app::testing::FakeHost;
using app::testing::FakeWindow;

// A one-thread HTTP server on 127.0.0.1 that answers every GET with a canned page. It can hold its
// answers back until released, to show that nobody waits for it.
class CannedServer
{
public:
    explicit CannedServer(std::string page) : m_page(std::move(page))
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        EXPECT_EQ(::bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        socklen_t length = sizeof address;
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        ::listen(m_socket, 8);
        m_thread = std::thread([this] { serve(); });
    }
    ~CannedServer()
    {
        release();
        ::shutdown(m_socket, SHUT_RDWR);
        ::close(m_socket);
        m_thread.join();
    }

    std::string endpoint() const { return "http://127.0.0.1:" + std::to_string(m_port); }
    void holdAnswers() { m_holding = true; }
    void release()
    {
        std::lock_guard lock(m_mutex);
        m_holding = false;
        m_released.notify_all();
    }
    std::vector<std::string> requests()
    {
        std::lock_guard lock(m_mutex);
        return m_requests;
    }

private:
    void serve()
    {
        for (;;) {
            const int client = ::accept(m_socket, nullptr, nullptr);
            if (client < 0)
                return;
            std::string request;
            char buffer[4096];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
                if (n <= 0)
                    break;
                request.append(buffer, static_cast<size_t>(n));
            }
            {
                std::unique_lock lock(m_mutex);
                m_requests.push_back(request.substr(0, request.find("\r\n")));
                m_released.wait(lock, [this] { return !m_holding; });
            }
            const std::string answer = "HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                                       "Content-Length: " +
                                       std::to_string(m_page.size()) + "\r\n\r\n" + m_page;
            ::send(client, answer.data(), answer.size(), MSG_NOSIGNAL);
            ::close(client);
        }
    }

    std::string m_page;
    int m_socket = -1;
    int m_port = 0;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_holding = false;
    std::vector<std::string> m_requests;
};

bool espeakInstalled()
{
    return std::system("command -v espeak-ng >/dev/null 2>&1") == 0;
}

class EnglishControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto file = m_dir.path() / "english.db";
        testing_support::makeDatabase(file, {"english-rows.sql"});
        ASSERT_TRUE(m_store.Open(file.string()));
        m_english.wire();
        m_naming.wire();
        main().setText(names::编辑框_姓氏, "李");
    }

    FakeWindow& main() { return m_host.main(); }
    void setEndpoint(const std::string& endpoint)
    {
        text::IniFile ini;
        ini.setValue(kSettingsSection, kDictionaryEndpointKey, endpoint);
        ASSERT_TRUE(ini.save(settingsFile().string()));
    }
    std::filesystem::path settingsFile() const { return m_dir.path() / kSettingsFileName; }
    void settle()
    {
        m_english.waitForWork();
        m_host.runPosted();
    }
    std::vector<std::string> listed()
    {
        std::vector<std::string> out;
        for (int r = 0; r < main().rowCount(names::超级列表框_英文列表); ++r)
            out.push_back(main().cell(names::超级列表框_英文列表, r, 0) + " " +
                          main().cell(names::超级列表框_英文列表, r, 1));
        return out;
    }
    // Lists the names for 明 and double-clicks the first one (Mark).
    void speakMark()
    {
        main().setText(names::编辑框_英文姓氏, "李");
        main().setText(names::编辑框_英文名字, "明");
        main().click(names::按钮_英文起名);
        settle();
        main().doubleClickRow(names::超级列表框_英文列表, 0);
    }
    std::string played() { return main().browserFile(names::媒体播放1); }

    testing_support::TempDir m_dir;
    store::NamingStore m_store;
    FakeHost m_host;
    EnglishController m_english{m_host, m_store, m_dir.path(), settingsFile()};
    NamingController m_naming{m_host, m_store};
};

TEST_F(EnglishControllerTest, StartNamingCopiesTheSurnameAndShowsThePageWithoutSearching)
{
    main().setRows(names::超级列表框_英文列表, {{{"1", "Old", "", ""}, 0}});
    main().click(names::单选框_起英文名);
    main().click(names::按钮_起名);
    EXPECT_EQ(main().text(names::编辑框_英文姓氏), "李");
    EXPECT_EQ(main().currentPage(names::高级选择夹1), kPageEnglish);
    EXPECT_EQ(main().rowCount(names::超级列表框_英文列表), 0);
    settle();
    EXPECT_EQ(main().rowCount(names::超级列表框_英文列表), 0);
}

TEST_F(EnglishControllerTest, GenerateChecksItsInputs)
{
    main().click(names::按钮_英文起名);
    main().setText(names::编辑框_英文姓氏, "李");
    main().click(names::按钮_英文起名);
    settle();
    ASSERT_EQ(m_host.messages().size(), 2u);
    EXPECT_EQ(m_host.messages()[0].text, "请输入姓氏");
    EXPECT_EQ(m_host.messages()[1].text, "请输入名字");
    EXPECT_EQ(m_host.messages()[1].caption, "提示");
    EXPECT_EQ(main().rowCount(names::超级列表框_英文列表), 0);
}

TEST_F(EnglishControllerTest, GenerateListsByStyleAndTwiceGivesTheSameList)
{
    main().setText(names::编辑框_英文姓氏, "李");
    main().setText(names::编辑框_英文名字, "明华");
    main().click(names::单选框_男性化);
    main().click(names::按钮_英文起名);
    settle();
    const std::vector<std::string> want = {"1 Mark", "2 Max"};
    EXPECT_EQ(listed(), want);
    main().click(names::按钮_英文起名);
    main().click(names::按钮_英文起名);
    settle();
    EXPECT_EQ(listed(), want);
    EXPECT_EQ(m_host.find(names::NestlingWaiting), nullptr);

    main().click(names::单选框_女性化);
    main().click(names::按钮_英文起名);
    settle();
    EXPECT_EQ(listed(), std::vector<std::string>{"1 Mary"});
    main().setText(names::编辑框_英文名字, "  ");
    main().click(names::按钮_英文起名);
    settle();
    EXPECT_TRUE(listed().empty());
    EXPECT_TRUE(m_host.messages().empty());
}

TEST_F(EnglishControllerTest, NameLengthBoxesKeepNamesOfThatManyLetters)
{
    main().setText(names::编辑框_英文姓氏, "李");
    main().setText(names::编辑框_英文名字, "明华");
    EXPECT_EQ(main().currentText(names::组合框_时间1), "20") << "3 to 20 letters: every name";
    const struct
    {
        int from, to; // the two boxes' items, either way round
        std::vector<std::string> want;
    } cases[] = {
        {3, 20, {"1 Mark", "2 Max"}}, {4, 20, {"1 Mark"}}, {3, 3, {"1 Max"}}, {5, 3, {"1 Mark", "2 Max"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + "-" + std::to_string(c.to));
        main().setCurrentIndex(names::组合框_日子1, c.from - 3);
        main().setCurrentIndex(names::组合框_时间1, c.to - 3);
        main().click(names::按钮_英文起名);
        settle();
        EXPECT_EQ(listed(), c.want);
    }
}

TEST_F(EnglishControllerTest, WithoutAnEndpointTheOfflineVoiceIsPlayed)
{
    if (!espeakInstalled())
        GTEST_SKIP() << "espeak-ng is not installed";
    speakMark();
    settle();
    const std::filesystem::path file = played();
    EXPECT_EQ(file.extension(), ".wav");
    EXPECT_GT(std::filesystem::file_size(file), 44u);
}

TEST_F(EnglishControllerTest, TheDictionaryPagesSoundLinkIsPlayed)
{
    CannedServer server("<html><a href=\"#\" url=\"http://sound.example/en/mark.mp3\">发音</a></html>");
    setEndpoint(server.endpoint() + "/");
    main().setRows(names::超级列表框_英文列表, {{{"1", "D'Arcy Lee", "", ""}, 0}});
    main().doubleClickRow(names::超级列表框_英文列表, 0);
    settle();
    EXPECT_EQ(played(), "http://sound.example/en/mark.mp3");
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0], "GET /s?wd=D%27Arcy%20Lee HTTP/1.1");
}

TEST_F(EnglishControllerTest, APageWithoutASoundLinkOrNoServerGivesTheOfflineVoice)
{
    if (!espeakInstalled())
        GTEST_SKIP() << "espeak-ng is not installed";
    std::string first;
    {
        CannedServer server("<html>nothing to hear</html>");
        setEndpoint(server.endpoint());
        speakMark();
        settle();
        first = played();
        EXPECT_EQ(std::filesystem::path(first).extension(), ".wav");
        EXPECT_EQ(server.requests().size(), 1u);
    }
    // The server is gone now: the port refuses.
    main().doubleClickRow(names::超级列表框_英文列表, 1);
    settle();
    EXPECT_NE(played(), first);
    EXPECT_EQ(std::filesystem::path(played()).extension(), ".wav");
}

TEST_F(EnglishControllerTest, TheFetchNeverHoldsTheWindowAndANewerDoubleClickWins)
{
    CannedServer server("<a href=\"#\" url=\"http://sound.example/any.mp3\">x</a>");
    server.holdAnswers();
    setEndpoint(server.endpoint());
    main().setRows(names::超级列表框_英文列表, {{{"1", "Mark", "", ""}, 0}, {{"2", "Max", "", ""}, 0}});
    // Both double-clicks return while the server still holds its answer.
    main().doubleClickRow(names::超级列表框_英文列表, 0);
    main().doubleClickRow(names::超级列表框_英文列表, 1);
    m_host.runPosted();
    EXPECT_EQ(played(), "");
    server.release();
    settle();
    EXPECT_EQ(played(), "http://sound.example/any.mp3");
    EXPECT_EQ(m_host.pendingPosts(), 0u);
    // Only the newer request may reach the player: the older one was cancelled or dropped.
    const auto requests = server.requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back(), "GET /s?wd=Max HTTP/1.1");
}

} // namespace
