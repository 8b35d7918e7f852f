#include "app/HttpFetch.h"

#include <curl/curl.h>

#include <cstddef>
#include <mutex>

namespace app {
namespace {

constexpr size_t kMaxBody = size_t{4} * 1024 * 1024;

struct Transfer
{
    std::string body;
    const std::atomic<bool>* cancel = nullptr;
};

size_t appendBody(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const size_t bytes = size * count;
    if (transfer->body.size() + bytes > kMaxBody)
        return 0; // ends the transfer with an error
    transfer->body.append(data, bytes);
    return bytes;
}

int checkCancel(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto* transfer = static_cast<const Transfer*>(user);
    return transfer->cancel && transfer->cancel->load() ? 1 : 0;
}

} // namespace

std::optional<std::string> httpGet(const std::string& url, int timeoutMs, const std::atomic<bool>* cancel)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    CURL* curl = curl_easy_init();
    if (!curl)
        return std::nullopt;
    Transfer transfer;
    transfer.cancel = cancel;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 3L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L); // no alarm signals in a worker thread
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(timeoutMs));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &appendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &checkCancel);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    const CURLcode result = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(curl);
    if (result != CURLE_OK || status < 200 || status > 299)
        return std::nullopt;
    return std::move(transfer.body);
}

} // namespace app
