// SPDX-License-Identifier: MIT
#include "UnitFormAbout.h"

#include <QScreen>
#include <algorithm>

#include "EmbeddedAssets.h"
#include "Fonts.h"
#include "ui_UnitFormAbout.h"

namespace zembra {

namespace {

// A label that sizes itself to its text, keeping its right edge when it is
// right-aligned and its left edge otherwise.
void sizeToText(QLabel* label)
{
    const QSize size = label->sizeHint();
    QRect g = label->geometry();
    if (label->alignment() & Qt::AlignRight)
        g.setLeft(g.right() + 1 - size.width());
    else
        g.setWidth(size.width());
    g.setHeight(size.height());
    label->setGeometry(g);
}

}  // namespace

TFormAbout::TFormAbout(QWidget* owner) : FixedDialog(owner), ui_(std::make_unique<Ui::TFormAbout>())
{
    ui_->setupUi(this);
    // The game's home page and mail address, given once by the build.
    ui_->URLLabel4->setCaption(QStringLiteral(ZEMBRA_HOMEPAGE));
    ui_->URLLabel4->setURL(QStringLiteral(ZEMBRA_HOMEPAGE));
    ui_->URLLabel1->setCaption(QStringLiteral(ZEMBRA_MAIL));
    ui_->URLLabel1->setURL(QStringLiteral("mailto:" ZEMBRA_MAIL));
    setFont(fonts::arial(12));
    for (TURLLabel* link : {ui_->URLLabel4, ui_->URLLabel1})
        link->setFont(fonts::verdana(11, true));
    ui_->Label1->setFont(fonts::arial(13, true));
    QPalette caption = ui_->Label1->palette();
    caption.setColor(QPalette::WindowText, caption.color(QPalette::ButtonText));
    ui_->Label1->setPalette(caption);
    ui_->Image1->setPixmap(EmbeddedAssets::applicationIconImage());
    for (QLabel* label : {static_cast<QLabel*>(ui_->Label5), ui_->Label1, ui_->Label2})
        sizeToText(label);
    // Each link's text moves down onto its caption's baseline, as the two
    // line up on the classic desktop.
    const struct {
        const QLabel* caption;
        TURLLabel* link;
    } pairs[] = {{ui_->Label5, ui_->URLLabel4}, {ui_->Label6, ui_->URLLabel1}};
    for (const auto& p : pairs) {
        const int lower = p.caption->y() + p.caption->fontMetrics().ascent() - (p.link->y() + p.link->baseline());
        p.link->setTopInset(std::max(0, lower));
    }
    finishLayout(ui_->Button1);
}

TFormAbout::~TFormAbout() = default;

void TFormAbout::showEvent(QShowEvent* event)
{
    // Always in the middle of the desktop, wherever the main window is.
    if (const QScreen* screen = this->screen())
        centreFrameOn(screen->availableGeometry().center());
    FixedDialog::showEvent(event);
}

}  // namespace zembra
