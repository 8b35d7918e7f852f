#pragma once

// The secondary windows, one class each. Like the pages, they only place their named controls.
#include "gui/BaseWindow.h"

class QVBoxLayout;

namespace gui {

class LayoutWidgets;

// The frame of the windows that show our pages (name detail, reading): names the window, adds the
// browser toolbar, the status bar and the thin line under the toolbar; returns the central widget's
// layout, where the window places its views.
QVBoxLayout* buildBrowserFrame(BaseWindow* window, LayoutWidgets& make);

// NestlingWaiting "请稍等": the animation, the text and a progress bar shown when a run reports how
// far it is.
class WaitingWindow : public BaseWindow
{
public:
    explicit WaitingWindow(QWidget* parent = nullptr);
};

// NestlingConten "姓名详细解释": six browser pages (the name detail) or a single browser view (a
// character query result).
class DetailWindow : public BaseWindow
{
public:
    DetailWindow(bool singlePage, QWidget* parent = nullptr);
};

// NestlingRead "文章阅读窗口": the titles on the left, the article on the right.
class ReadWindow : public BaseWindow
{
public:
    explicit ReadWindow(QWidget* parent = nullptr);
};

// NestlingWord "汉字查询".
class WordWindow : public BaseWindow
{
public:
    explicit WordWindow(QWidget* parent = nullptr);
};

// 设置辈份: the generation-character dialog.
class GenerationWindow : public BaseWindow
{
public:
    explicit GenerationWindow(QWidget* parent = nullptr);
};

// 设置避讳: the taboo-character dialog.
class AvoidedWindow : public BaseWindow
{
public:
    explicit AvoidedWindow(QWidget* parent = nullptr);
};

// AboutUs "关于软件".
class AboutWindow : public BaseWindow
{
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

} // namespace gui
