#include "gui/Icons.h"

#include <QPainter>
#include <QPainterPath>

namespace gui {
namespace {

const QColor kColors[] = {QColor(0x2e, 0x7d, 0x32), QColor(0xc6, 0x28, 0x28), QColor(0x6a, 0x1b, 0x9a),
                          QColor(0x00, 0x83, 0x8f), QColor(0xef, 0x6c, 0x00), QColor(0x15, 0x65, 0xc0),
                          QColor(0xad, 0x14, 0x57), QColor(0x4e, 0x34, 0x2e), QColor(0x37, 0x47, 0x4f)};

QPixmap badge(int size, const QColor& color, const QString& glyph)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(color);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 4.0, size / 4.0);
    QFont font = p.font();
    font.setPixelSize(size * 2 / 3);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph);
    return pixmap;
}

} // namespace

QPixmap modePicture(int index)
{
    static const char* const glyphs[] = {"经", "高", "诗", "组", "小", "英", "超"};
    if (index < 0 || index > 6)
        return {};
    return badge(20, kColors[index], QString::fromUtf8(glyphs[index]));
}

QIcon listIcon(int index)
{
    static const QIcon icon = [] {
        QPixmap pixmap(12, 12);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0xe5, 0x73, 0x73));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(2, 2, 8, 8));
        return QIcon(pixmap);
    }();
    // A name the name check marks: an amber triangle with an exclamation mark.
    static const QIcon marked = [] {
        QPixmap pixmap(12, 12);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0xf0, 0xa0, 0x20));
        p.setPen(Qt::NoPen);
        const QPointF corners[] = {{6, 0.5}, {11.5, 11}, {0.5, 11}};
        p.drawPolygon(corners, 3);
        p.setPen(QPen(Qt::white, 1.6));
        p.drawLine(QPointF(6, 4), QPointF(6, 7.5));
        p.drawPoint(QPointF(6, 9.3));
        return QIcon(pixmap);
    }();
    switch (index) {
    case 0:
        return icon;
    case 1:
        return marked;
    default:
        return QIcon();
    }
}

QIcon toolIcon(int index)
{
    static const char* const glyphs[] = {"模", "八", "评", "记", "典", "首", "后", "前", "导", "印", "退"};
    const int i = index < 0 ? 0 : index % 11;
    return QIcon(badge(22, kColors[static_cast<std::size_t>(i % 9)], QString::fromUtf8(glyphs[i])));
}

QPixmap productPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size, size);
    gradient.setColorAt(0, QColor(0xff, 0xb7, 0x4d));
    gradient.setColorAt(1, QColor(0xe6, 0x51, 0x00));
    p.setBrush(gradient);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
    QFont font = p.font();
    font.setPixelSize(size / 2);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("禾"));
    return pixmap;
}

} // namespace gui
