#include "gui/QtHost.h"

#include "app/ControlNames.h"

#include "gui/LayoutCheck.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxSeam.h"
#include "gui/QtWindow.h"
#include "gui/SkinStyler.h"
#include "gui/Widgets.h"
#include "gui/WindowFactory.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace gui {
namespace {

// A secondary window opens centred over the window that opened it, kept on that window's screen.
void centreOver(QWidget& widget, const QWidget& owner)
{
    const QSize size = widget.size().expandedTo(widget.minimumSizeHint());
    const QRect ownerFrame = owner.frameGeometry();
    QRect target(QPoint(0, 0), size);
    target.moveCenter(ownerFrame.center());
    if (const QScreen* screen = owner.screen()) {
        const QRect available = screen->availableGeometry();
        const int right = std::max(available.left(), available.right() - size.width());
        const int bottom = std::max(available.top(), available.bottom() - size.height());
        target.moveTo(std::clamp(target.left(), available.left(), right),
                      std::clamp(target.top(), available.top(), bottom));
    }
    widget.move(target.topLeft());
}

} // namespace

QtHost::QtHost(MainWindow& main) : m_mainWidget(main), m_main(std::make_unique<QtWindow>(*this, &main))
{
    assertLayout(*m_main, app::names::NestlingMain);
    // The window the user worked in last: a file or print dialog that just closed leaves no window
    // active for a moment, and a message then belongs over the window it was asked from.
    QObject::connect(qApp, &QApplication::focusChanged, &m_mainWidget, [this](QWidget*, QWidget* now) {
        if (now && now->window() && now->window()->objectName() != qs(app::names::NestlingWaiting) &&
            !now->window()->isModal())
            m_lastActive = now->window();
    });
}

QtHost::~QtHost() = default;

app::Window& QtHost::mainWindow()
{
    return *m_main;
}

void QtHost::showMainWindow()
{
    m_mainWidget.show();
}

app::Window* QtHost::openWindow(std::string_view windowName, app::WindowMode mode, app::Window* owner)
{
    auto* ownerWindow = dynamic_cast<QtWindow*>(owner);
    QWidget* parent = ownerWindow && ownerWindow->root() ? ownerWindow->root() : &m_mainWidget;
    QWidget* widget = createWindow(windowName, parent);
    if (!widget)
        return nullptr;
    widget->setAttribute(Qt::WA_DeleteOnClose);
    if (mode == app::WindowMode::Modal) {
        // A dialog: no minimise or maximise, blocking the other windows.
        widget->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        widget->setWindowModality(Qt::ApplicationModal);
    } else {
        widget->setWindowFlag(Qt::Window);
    }
    centreOver(*widget, *parent->window());
    m_windows.push_back(std::make_unique<QtWindow>(*this, widget));
    QtWindow* window = m_windows.back().get();
    assertLayout(*window, windowName);
    // The wrapper goes with its window.
    connect(widget, &QObject::destroyed, this, [this, window] {
        std::erase_if(m_windows, [window](const std::unique_ptr<QtWindow>& w) { return w.get() == window; });
    });
    widget->show();
    return window;
}

app::Window* QtHost::findWindow(std::string_view windowName)
{
    const QString name = qs(windowName);
    if (name == m_mainWidget.objectName())
        return m_main.get();
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it)
        if ((*it)->root() && (*it)->root()->objectName() == name && (*it)->root()->isVisible())
            return it->get();
    return nullptr;
}

app::MessageAnswer QtHost::messageBox(const core::Message& message)
{
    // Over the modal dialog that asked (a warning of 设置辈份), else over the window in front (the report
    // whose page was exported), but never over NestlingWaiting: a naming run closes that window while
    // its message may still be open.
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) {
        QWidget* active = QApplication::activeWindow();
        if (!active && m_lastActive && m_lastActive->isVisible())
            active = m_lastActive;
        const bool waiting = active && active->objectName() == qs(app::names::NestlingWaiting);
        parent = active && !waiting ? active : &m_mainWidget;
    }
    return MessageBoxSeam::show(parent, message);
}

bool QtHost::openWithDesktop(const std::string& file)
{
    m_desktopOpened.push_back(file);
    if (!m_desktopOpening)
        return true;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(qs(file)));
}

std::optional<std::string> QtHost::chooseSaveFile(const std::string& suggestedName, const std::string& filter)
{
    QWidget* parent = QApplication::activeWindow() ? QApplication::activeWindow() : &m_mainWidget;
    m_lastActive = parent;
    return MessageBoxSeam::chooseSaveFile(parent, suggestedName, filter);
}

std::optional<std::string> QtHost::httpGet(const std::string& url, int timeoutMs)
{
    // The caller waits for the page, as the window waits for it; the events of the window go on
    // meanwhile in the local loop.
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(qs(url)));
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = network.get(request);
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    std::optional<std::string> body;
    if (reply->error() == QNetworkReply::NoError)
        body = reply->readAll().toStdString();
    reply->deleteLater();
    return body;
}

void QtHost::post(std::function<void()> work)
{
    QMetaObject::invokeMethod(
        this, [work = std::move(work)] { work(); }, Qt::QueuedConnection);
}

bool QtHost::applySkin(const app::Skin& skin)
{
    return gui::applySkin(skin);
}

void QtHost::quit()
{
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

} // namespace gui
