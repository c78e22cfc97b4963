// SPDX-License-Identifier: MIT
#include "StyledLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace zembra {

QColor toQColor(TColor colour, const QPalette& palette)
{
    if ((colour >> 24) == 0xFF) {
        switch (colour & 0xFF) {
        case 5: return palette.color(QPalette::Base);
        case 8: return palette.color(QPalette::WindowText);
        case 13: return palette.color(QPalette::Highlight);
        case 15: return palette.color(QPalette::Button);
        case 16: return palette.color(QPalette::Dark);
        case 18: return palette.color(QPalette::ButtonText);
        case 20: return palette.color(QPalette::Light);
        default: return palette.color(QPalette::WindowText);
        }
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

void TStyledLabel::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    adjustBounds();
    repaint();
}

void TStyledLabel::setAlignment(Qt::Alignment horizontal)
{
    alignment_ = horizontal & Qt::AlignHorizontal_Mask;
    update();
}

void TStyledLabel::setAutoSize(bool on)
{
    autoSize_ = on;
    adjustBounds();
}

void TStyledLabel::setShowAccelChar(bool on)
{
    showAccelChar_ = on;
    adjustBounds();
    update();
}

void TStyledLabel::setTransparent(bool on)
{
    transparent_ = on;
    update();
}

void TStyledLabel::setFontColor(uint colour)
{
    fontColor_ = colour;
    update();
}

int TStyledLabel::textFlags() const
{
    int flags = static_cast<int>(alignment_) | Qt::TextExpandTabs;
    if (showAccelChar_)
        flags |= Qt::TextShowMnemonic;
    return flags;
}

void TStyledLabel::setTopInset(int pixels)
{
    topInset_ = pixels;
    adjustBounds();
    update();
}

QRect TStyledLabel::textRect() const
{
    return rect().adjusted(0, topInset_, 0, 0);
}

int TStyledLabel::baseline() const
{
    return textRect().top() + QFontMetrics(font()).ascent();
}

void TStyledLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // An opaque label is button face: none of ours sits on a parent of
    // another colour.
    if (!transparent_)
        painter.fillRect(rect(), toQColor(clBtnFace, palette()));
    painter.setFont(font());
    const QRect r = textRect();
    const int flags = textFlags();
    if (isEnabled()) {
        painter.setPen(toQColor(fontColor_, palette()));
        painter.drawText(r, flags, caption_);
    } else {
        // Embossed: highlight one pixel down and right, shadow on top.
        painter.setPen(toQColor(clBtnHighlight, palette()));
        painter.drawText(r.translated(1, 1), flags, caption_);
        painter.setPen(toQColor(clBtnShadow, palette()));
        painter.drawText(r, flags, caption_);
    }
}

void TStyledLabel::adjustBounds()
{
    if (!autoSize_)
        return;
    const QFontMetrics metrics(font());
    const QRect measured = metrics.boundingRect(QRect(0, 0, 0x7FFF, 0x7FFF), textFlags(), caption_);
    const QSize size(measured.width(), measured.height() + topInset_);
    const QRect old = geometry();
    const int left = alignment_ & Qt::AlignRight ? old.right() + 1 - size.width() : old.left();
    setGeometry(left, old.top(), size.width(), size.height());
}

void TStyledLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        adjustBounds();
        update();
    }
    QWidget::changeEvent(event);
}

void TStyledLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

void TStyledLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        Click();
}

}  // namespace zembra
