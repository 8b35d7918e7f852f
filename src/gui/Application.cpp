#include "gui/Application.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

namespace gui {

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
