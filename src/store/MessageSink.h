#pragma once

#include <string>

namespace store {

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

} // namespace store
