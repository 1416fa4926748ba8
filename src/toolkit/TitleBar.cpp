#include "toolkit/TitleBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>

namespace vm {

TitleBar::TitleBar(QWidget* window) : QWidget(window), window_(window)
{
    setObjectName("TitleBar");
    setFixedHeight(26);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x2f, 0x5f, 0x8f));
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);

    auto button = [this](const QString& name, const QString& text, QStyle::StandardPixmap icon) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        if (text.isEmpty())
            b->setIcon(style()->standardIcon(icon));
        else
            b->setText(text);
        b->setFixedSize(24, 22);
        return b;
    };
    menuButton_ = button("btnControlBox", {}, QStyle::SP_TitleBarMenuButton);
    menuButton_->setPopupMode(QToolButton::InstantPopup);
    caption_ = new QLabel(this);
    caption_->setObjectName("lblCaption");
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    auto* help = button("btnTitleHelp", "?", {});
    auto* minimize = button("btnMinimize", {}, QStyle::SP_TitleBarMinButton);
    auto* close = button("btnClose", {}, QStyle::SP_TitleBarCloseButton);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(menuButton_);
    layout->addWidget(caption_, 1);
    layout->addWidget(help);
    layout->addWidget(minimize);
    layout->addWidget(close);

    connect(help, &QToolButton::clicked, this, &TitleBar::helpRequested);
    connect(minimize, &QToolButton::clicked, window_, &QWidget::showMinimized);
    connect(close, &QToolButton::clicked, window_, &QWidget::close);
}

void TitleBar::setMenu(QMenu* menu) { menuButton_->setMenu(menu); }

void TitleBar::setCaption(const QString& caption) { caption_->setText(caption); }

void TitleBar::mousePressEvent(QMouseEvent* event)
{
    dragOffset_ = event->globalPosition().toPoint() - window_->frameGeometry().topLeft();
}

void TitleBar::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        window_->move(event->globalPosition().toPoint() - dragOffset_);
}

} // namespace vm
