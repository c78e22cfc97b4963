// SPDX-License-Identifier: MIT
#include "ClassicStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace zembra {

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == PE_IndicatorMenuCheckMark && item && item->checkType == QStyleOptionMenuItem::Exclusive) {
        // A bullet of 6 x 6 pixels in the middle of the mark's square.
        const QPalette::ColorGroup group = option->state & State_Enabled ? QPalette::Active : QPalette::Disabled;
        const QColor ink = option->palette.color(
            group, option->state & State_Selected ? QPalette::HighlightedText : QPalette::ButtonText);
        const QRect dot(option->rect.center() - QPoint(2, 2), QSize(6, 6));
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(Qt::NoPen);
        painter->setBrush(ink);
        painter->drawRect(dot.adjusted(1, 0, -1, 0));
        painter->drawRect(dot.adjusted(0, 1, 0, -1));
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element == CE_PushButtonBevel && button && !(button->features & QStyleOptionButton::Flat)) {
        QStyleOptionButton bevel(*button);
        bevel.features &= ~(QStyleOptionButton::DefaultButton | QStyleOptionButton::AutoDefaultButton);
        if (button->features & QStyleOptionButton::DefaultButton) {
            painter->save();
            painter->setPen(Qt::black);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(button->rect.adjusted(0, 0, -1, -1));
            painter->restore();
            bevel.rect = button->rect.adjusted(1, 1, -1, -1);
        }
        QProxyStyle::drawControl(element, &bevel, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

}  // namespace zembra
