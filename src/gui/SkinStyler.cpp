#include "gui/SkinStyler.h"

#include "gui/Widgets.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace gui {
namespace {

QColor color(app::Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

QString hex(app::Rgb c)
{
    return color(c).name();
}

QString& skinName()
{
    static QString name;
    return name;
}

bool holdsTogether(const app::Skin& skin)
{
    if (skin.name.empty())
        return false;
    for (const auto& [text, background] : app::textPairs(skin))
        if (app::contrastRatio(text, background) < 4.5)
            return false;
    return true;
}

} // namespace

QString styleSheetFor(const app::Skin& s)
{
    return QStringLiteral(
               "QToolBar { background: %1; border: none; spacing: 4px; padding: 2px; }"
               "QToolBar QToolButton { color: %2; padding: 3px 6px; }"
               "QToolBar QToolButton:hover, QToolBar QToolButton:focus, QToolBar QToolButton:pressed"
               " { background: %7; color: %8; border: none; border-radius: 3px; }"
               "QToolBar QToolButton:disabled { color: %9; background: %1; }"
               "QTabBar::tab { background: %3; color: %4; padding: 5px 12px; border: 1px solid %5;"
               " border-bottom: none; margin-right: 1px; }"
               "QTabBar::tab:selected { background: %1; color: %2; }"
               "QHeaderView::section { background: %1; color: %2; padding: 3px; border: none;"
               " border-right: 1px solid %3; }"
               "QGroupBox { font-weight: bold; margin-top: 1.2em; border: 1px solid %5; border-radius: 3px; }"
               "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: %6; }"
               "QStatusBar { background: %3; color: %4; }")
        .arg(hex(s.accent), hex(s.accentText), hex(s.button), hex(s.buttonText), hex(s.highlight),
             hex(s.windowText), hex(s.highlight), hex(s.highlightedText),
             QStringLiteral("rgba(%1, %2, %3, 120)")
                 .arg(s.accentText.r)
                 .arg(s.accentText.g)
                 .arg(s.accentText.b));
}

bool applySkin(const app::Skin& skin)
{
    if (!holdsTogether(skin) || !qApp)
        return false;
    QPalette p;
    p.setColor(QPalette::Window, color(skin.window));
    p.setColor(QPalette::WindowText, color(skin.windowText));
    p.setColor(QPalette::Base, color(skin.base));
    // Alternate rows: mostly the base colour, so the text stays readable on them.
    const QColor base = color(skin.base);
    const QColor window = color(skin.window);
    p.setColor(QPalette::AlternateBase,
               QColor((base.red() * 5 + window.red() * 2) / 7, (base.green() * 5 + window.green() * 2) / 7,
                      (base.blue() * 5 + window.blue() * 2) / 7));
    p.setColor(QPalette::Text, color(skin.text));
    p.setColor(QPalette::Button, color(skin.button));
    p.setColor(QPalette::ButtonText, color(skin.buttonText));
    p.setColor(QPalette::Highlight, color(skin.highlight));
    p.setColor(QPalette::HighlightedText, color(skin.highlightedText));
    p.setColor(QPalette::ToolTipBase, color(skin.base));
    p.setColor(QPalette::ToolTipText, color(skin.text));
    p.setColor(QPalette::PlaceholderText, color(skin.windowText));
    // The colours above hold for every state; a disabled control (an element box its limiter leaves
    // off) must look disabled, so its text is halfway to its background.
    const auto faded = [](app::Rgb text, app::Rgb background) {
        return QColor((text.r + background.r) / 2, (text.g + background.g) / 2, (text.b + background.b) / 2);
    };
    p.setColor(QPalette::Disabled, QPalette::WindowText, faded(skin.windowText, skin.window));
    p.setColor(QPalette::Disabled, QPalette::Text, faded(skin.text, skin.base));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, faded(skin.buttonText, skin.button));
    p.setColor(QPalette::Disabled, QPalette::Base, color(skin.window));
    QApplication::setPalette(p);
    qApp->setStyleSheet(styleSheetFor(skin));
    skinName() = qs(skin.name);
    return true;
}

QString currentSkinName()
{
    return skinName();
}

} // namespace gui
