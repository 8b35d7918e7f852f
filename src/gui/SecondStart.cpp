#include "gui/SecondStart.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace gui {

QString secondStartAddress(const std::filesystem::path& lockFile)
{
    std::filesystem::path address = lockFile;
    address.replace_extension(".raise");
    return QString::fromStdString(address.string());
}

void listenForSecondStart(QWidget& window, const std::filesystem::path& lockFile)
{
    const QString address = secondStartAddress(lockFile);
    auto* server = new QLocalServer(&window);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // This copy holds the single-instance lock: a socket left at the address is a dead copy's.
    QLocalServer::removeServer(address);
    if (!server->listen(address)) {
        delete server; // a second start then ends as before, without raising
        return;
    }
    QObject::connect(server, &QLocalServer::newConnection, &window, [server, &window] {
        while (QLocalSocket* knock = server->nextPendingConnection()) {
            knock->disconnectFromServer();
            knock->deleteLater();
        }
        if (window.isMinimized())
            window.showNormal();
        else
            window.show();
        window.raise();
        window.activateWindow();
    });
}

bool raiseRunningCopy(const std::filesystem::path& lockFile)
{
    QLocalSocket socket;
    socket.connectToServer(secondStartAddress(lockFile));
    const bool answered = socket.waitForConnected(2000);
    socket.disconnectFromServer();
    return answered;
}

} // namespace gui
