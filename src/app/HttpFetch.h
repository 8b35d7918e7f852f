#pragma once

#include <atomic>
#include <optional>
#include <string>

namespace app {

// A plain GET of an http or https address, made on the calling thread (a worker's, never the window
// thread's). The body of a 2xx answer, or nothing: no answer within `timeoutMs`, another status, a
// body over a few megabytes, another scheme, or `cancel` set while it waits (checked often, so a
// cancelled fetch ends quickly).
std::optional<std::string> httpGet(const std::string& url, int timeoutMs,
                                   const std::atomic<bool>* cancel = nullptr);

} // namespace app
