#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName(QStringLiteral("NestlingMain"));
    window.setWindowTitle(QStringLiteral("嘉禾起名软件V23.0"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
