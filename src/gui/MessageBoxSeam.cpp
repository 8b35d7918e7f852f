#include "gui/MessageBoxSeam.h"

#include "gui/Widgets.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>

#include <deque>

namespace gui {
namespace {

struct SeamState
{
    std::deque<app::MessageAnswer> next;
    std::vector<core::Message> recorded;
    std::deque<std::optional<std::string>> saveFiles;
    bool automatic = false;
};

SeamState& state()
{
    static SeamState s;
    return s;
}

QMessageBox::Icon iconOf(core::MessageIcon icon)
{
    switch (icon) {
    case core::MessageIcon::Warning:
        return QMessageBox::Warning;
    case core::MessageIcon::Stop:
        return QMessageBox::Critical;
    case core::MessageIcon::Question:
        return QMessageBox::Question;
    case core::MessageIcon::None:
        return QMessageBox::NoIcon;
    case core::MessageIcon::Information:
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

app::MessageAnswer MessageBoxSeam::show(QWidget* parent, const core::Message& message)
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
    // The box lives on the heap behind a guard: should its parent go while it is open, Qt deletes it
    // with the parent and the guard keeps it from being deleted a second time here.
    QPointer<QMessageBox> box =
        new QMessageBox(iconOf(message.icon), qs(message.caption), qs(message.text), QMessageBox::Ok, parent);
    box->setWindowModality(Qt::ApplicationModal);
    const int button = box->exec();
    delete box.data();
    return answerOf(button);
}

void MessageBoxSeam::setNextAnswer(app::MessageAnswer answer)
{
    state().next.push_back(answer);
}

void MessageBoxSeam::setAutomatic(bool automatic)
{
    state().automatic = automatic;
}

const std::vector<core::Message>& MessageBoxSeam::recorded()
{
    return state().recorded;
}

void MessageBoxSeam::clearRecorded()
{
    state().recorded.clear();
}

std::optional<std::string> MessageBoxSeam::chooseSaveFile(QWidget* parent, const std::string& suggestedName,
                                                          const std::string& filter)
{
    SeamState& s = state();
    if (!s.saveFiles.empty()) {
        std::optional<std::string> file = std::move(s.saveFiles.front());
        s.saveFiles.pop_front();
        return file;
    }
    if (s.automatic)
        return std::nullopt;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("导出"),
                                                      QDir(folder).filePath(qs(suggestedName)), qs(filter));
    if (file.isEmpty())
        return std::nullopt;
    return file.toStdString();
}

void MessageBoxSeam::setNextSaveFile(std::optional<std::string> file)
{
    state().saveFiles.push_back(std::move(file));
}

} // namespace gui
