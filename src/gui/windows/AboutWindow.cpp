#include "app/AboutText.h"
#include "app/ControlNames.h"
#include "gui/Icons.h"
#include "gui/LayoutWidgets.h"
#include "gui/Widgets.h"
#include "gui/windows/SecondaryWindows.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

AboutWindow::AboutWindow(QWidget* parent) : BaseWindow(parent)
{
    LayoutWidgets make(app::names::AboutUs, this);
    make.nameWindow(this);
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    auto* picture = new QLabel(central);
    picture->setPixmap(productPicture(96));
    row->addWidget(make.picture(picture, app::names::图片框1));
    auto* text = new QVBoxLayout;
    QLabel* product = makeLabel(central, app::kProductName);
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    product->setFont(big);
    text->addWidget(product);
    text->addWidget(makeLabel(central, std::string("版本：") + app::kVersion));
    text->addWidget(makeLabel(central, "宝宝起名、姓名评分、生辰八字与育儿知识。"));
    for (const char* notice : {app::kAboutLicence, app::kAboutDataCredits}) {
        QLabel* label = makeLabel(central, notice);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text->addWidget(label);
    }
    text->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* close = new QPushButton(QStringLiteral("确定"), central);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    text->addLayout(buttons);
    row->addLayout(text, 1);
    setCentralWidget(central);
    // Tall enough for the wrapped licence and credits, so the window keeps its size once shown.
    resize(600, 480);
}

} // namespace gui
