#include "gui/Application.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QStyleFactory>
#include <QTranslator>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace gui {
namespace {

int g_signalPipe[2] = {-1, -1};

// Async-signal-safe: only a byte into the pipe; the window thread does the rest.
void onEndSignal(int signal)
{
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

} // namespace

void prepareApplication()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Desktops match the windows to the launcher entry (its name and icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.nestling.Nestling"));
}

bool translateApplication()
{
    // Qt's own buttons and dialogs (确定, 取消, the print and file dialogs) in Chinese. The translators
    // stay for the life of the process.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool loaded = false;
    for (const QString& catalog : {QStringLiteral("qtbase_zh_CN"), QStringLiteral("qtwebengine_zh_CN")}) {
        auto* translator = new QTranslator(qApp);
        if (translator->load(catalog, folder) && QCoreApplication::installTranslator(translator)) {
            loaded = loaded || catalog.startsWith(QStringLiteral("qtbase"));
            continue;
        }
        delete translator;
    }
    return loaded;
}

void styleApplication()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Without a CJK font every Chinese glyph is a box; WenQuanYi Micro Hei is small and packaged.
    const QStringList families = QFontDatabase::families();
    for (const QString& family : {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                                  QStringLiteral("Noto Sans SC")}) {
        if (families.contains(family)) {
            QFont font(family);
            font.setPointSize(10);
            QApplication::setFont(font);
            break;
        }
    }
}

} // namespace gui

namespace gui {

void handleEndRequests(const std::function<void()>& stop, const std::function<void()>& save)
{
    QObject::connect(
        qApp, &QGuiApplication::commitDataRequest, qApp, [save](QSessionManager&) { save(); },
        Qt::DirectConnection);
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [stop] {
        char bytes[16];
        while (::read(g_signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        stop();
    });
    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

} // namespace gui
