#include "gui/BaseWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace gui {

BaseWindow::BaseWindow(QWidget* parent) : QMainWindow(parent) {}

void BaseWindow::closeEvent(QCloseEvent* event)
{
    emit closing();
    QMainWindow::closeEvent(event);
}

void BaseWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc closes a dialog, as it does every dialog of the desktop.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && isModal()) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const int position = cursorForPosition(event->position().toPoint()).position();
    emit doubleClickedAt(static_cast<int>(toPlainText().left(position).toUtf8().size()));
}

StatusBar::StatusBar(bool withParts, QWidget* parent) : QStatusBar(parent)
{
    if (!withParts)
        return;
    m_picture = new QLabel(this);
    m_picture->setFixedSize(22, 22);
    m_text = new QLabel(this);
    addWidget(m_picture);
    addWidget(m_text, 1);
}

SpinnerWidget::SpinnerWidget(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(48, 48);
    startTimer(90);
}

void SpinnerWidget::timerEvent(QTimerEvent*)
{
    m_step = (m_step + 1) % 12;
    update();
}

void SpinnerWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height());
    p.translate(width() / 2.0, height() / 2.0);
    for (int i = 0; i < 12; ++i) {
        QColor color = palette().color(QPalette::Highlight);
        color.setAlphaF(static_cast<float>(((i + 12 - m_step) % 12 + 1) / 12.0));
        p.setBrush(color);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(0, -side * 0.36), side * 0.07, side * 0.07);
        p.rotate(30);
    }
}

} // namespace gui
