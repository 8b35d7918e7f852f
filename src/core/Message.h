#pragma once

#include <string>

namespace core {

enum class MessageIcon
{
    Information,
    Warning,
    Stop,
    Question,
    None, // a plain message box without a picture
};

// A message the user must see: a modal message box in the window program, a line on stderr in the
// command-line tool, a recorded value in tests.
struct Message
{
    MessageIcon icon = MessageIcon::Information;
    std::string caption;
    std::string text;
};

class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const Message& message) = 0;
};

// The title of every message box of the naming modes and the pages (the start-up load's failures
// have their own, store::kLoadCaption).
inline constexpr const char* kMessageTitle = "提示";

// An empty surname or given name, wherever a name is asked for. The 起名 button alone words the
// first with an exclamation mark (app::kNamingNoSurnameMessage).
inline constexpr const char* kNoSurnameMessage = "请输入姓氏";
inline constexpr const char* kNoGivenNameMessage = "请输入名字";

} // namespace core
