#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStatusBar>

namespace gui {

// Every window of the program: reports its close to the window logic before it goes.
class BaseWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit BaseWindow(QWidget* parent = nullptr);

signals:
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A label that reports a click when the left mouse button is released over it.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A multi-line text box that reports a double-click with the place in its text, as the byte offset in
// the text's UTF-8 form (the window logic's text).
class TextBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

signals:
    void doubleClickedAt(int utf8Offset);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A status bar; with its parts, the first part is a picture and a text (the main window's), else the
// bar shows its own message.
class StatusBar : public QStatusBar
{
    Q_OBJECT
public:
    StatusBar(bool withParts, QWidget* parent = nullptr);
    QLabel* picture() const { return m_picture; }
    QLabel* text() const { return m_text; }

private:
    QLabel* m_picture = nullptr;
    QLabel* m_text = nullptr;
};

// The waiting window's animated picture: a turning ring of dots.
class SpinnerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SpinnerWidget(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {48, 48}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    int m_step = 0;
};

} // namespace gui
