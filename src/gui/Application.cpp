#include "gui/Application.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStyleFactory>

namespace gui {

void prepareApplication()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
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
