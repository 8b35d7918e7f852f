#include "gui/MessageBoxSeam.h"

#include "gui/Widgets.h"

#include <QMessageBox>

#include <deque>

namespace gui {
namespace {

struct SeamState
{
    std::deque<app::MessageAnswer> next;
    std::vector<store::Message> recorded;
    bool automatic = false;
};

SeamState& state()
{
    static SeamState s;
    return s;
}

QMessageBox::Icon iconOf(store::MessageIcon icon)
{
    switch (icon) {
    case store::MessageIcon::Warning:
        return QMessageBox::Warning;
    case store::MessageIcon::Stop:
        return QMessageBox::Critical;
    case store::MessageIcon::Question:
        return QMessageBox::Question;
    case store::MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

app::MessageAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return app::MessageAnswer::Cancel;
    case QMessageBox::Yes:
        return app::MessageAnswer::Yes;
    case QMessageBox::No:
        return app::MessageAnswer::No;
    default:
        return app::MessageAnswer::Ok;
    }
}

} // namespace

app::MessageAnswer MessageBoxSeam::show(QWidget* parent, const store::Message& message)
{
    SeamState& s = state();
    if (!s.next.empty() || s.automatic) {
        s.recorded.push_back(message);
        if (s.next.empty())
            return app::MessageAnswer::Ok;
        const app::MessageAnswer answer = s.next.front();
        s.next.pop_front();
        return answer;
    }
    QMessageBox box(iconOf(message.icon), qs(message.caption), qs(message.text), QMessageBox::Ok, parent);
    return answerOf(box.exec());
}

void MessageBoxSeam::setNextAnswer(app::MessageAnswer answer)
{
    state().next.push_back(answer);
}

void MessageBoxSeam::setAutomatic(bool automatic)
{
    state().automatic = automatic;
}

const std::vector<store::Message>& MessageBoxSeam::recorded()
{
    return state().recorded;
}

void MessageBoxSeam::clearRecorded()
{
    state().recorded.clear();
}

} // namespace gui
