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

TStyledLabel::TStyledLabel(QWidget* parent) : QWidget(parent)
{
    // Until it has a parent of its own colour the label is button face.
    setColor(clBtnFace);
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

void TStyledLabel::setWordWrap(bool on)
{
    wordWrap_ = on;
    adjustBounds();
    update();
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

void TStyledLabel::setColor(TColor colour)
{
    color_ = colour;
    update();
}

void TStyledLabel::setLayout(TTextLayout layout)
{
    layout_ = layout;
    update();
}

void TStyledLabel::setCondenseCaption(TCondense condense)
{
    condense_ = condense;
    adjustBounds();
    update();
}

void TStyledLabel::setTextMargin(int margin)
{
    textMargin_ = margin;
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
    if (wordWrap_)
        flags |= Qt::TextWordWrap;
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
    return rect().adjusted(textMargin_, textMargin_ + topInset_, -textMargin_, -textMargin_);
}

int TStyledLabel::baseline() const
{
    return textRect().top() + QFontMetrics(font()).ascent();
}

QString TStyledLabel::shownText(const QRect& r) const
{
    if (condense_ == TCondense::None || wordWrap_)
        return caption_;
    const QFontMetrics metrics(font());
    const Qt::TextElideMode mode = condense_ == TCondense::AtEnd ? Qt::ElideRight : Qt::ElideMiddle;
    return metrics.elidedText(caption_, mode, r.width(), showAccelChar_ ? Qt::TextShowMnemonic : 0);
}

void TStyledLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), toQColor(color_, palette()));
    painter.setFont(font());
    QRect r = textRect();
    const int flags = textFlags();
    const QString text = shownText(r);
    if (layout_ != TTextLayout::Top) {
        const int used = painter.boundingRect(r, flags, text).height();
        const int free = r.height() - used;
        r.translate(0, layout_ == TTextLayout::Bottom ? free : free / 2);
    }
    if (isEnabled()) {
        painter.setPen(toQColor(fontColor_, palette()));
        painter.drawText(r, flags, text);
    } else {
        // Embossed: highlight one pixel down and right, shadow on top.
        painter.setPen(toQColor(clBtnHighlight, palette()));
        painter.drawText(r.translated(1, 1), flags, text);
        painter.setPen(toQColor(clBtnShadow, palette()));
        painter.drawText(r, flags, text);
    }
}

void TStyledLabel::adjustBounds()
{
    if (!autoSize_)
        return;
    const QFontMetrics metrics(font());
    const int width = wordWrap_ ? this->width() : 0x7FFF;
    const QRect measured = metrics.boundingRect(QRect(0, 0, width, 0x7FFF), textFlags(), caption_);
    const QSize size(measured.width() + 2 * textMargin_, measured.height() + 2 * textMargin_ + topInset_);
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

void TStyledLabel::enterEvent(QEnterEvent*)
{
    emit mouseEntered();
}

void TStyledLabel::leaveEvent(QEvent*)
{
    emit mouseLeft();
}

void TStyledLabel::Click()
{
    emit clicked();
}

}  // namespace zembra
