// SPDX-License-Identifier: MIT
#include "ClassicStyle.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QStyleFactory>
#include <QStyleOption>

#include "EmbeddedAssets.h"

namespace zembra {

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

QPalette ClassicStyle::standardPalette() const
{
    // Every role of every group is set, so nothing is filled in from a
    // theme or from the toolkit's own defaults, which change between
    // versions. Active and inactive windows look alike.
    static const struct {
        QPalette::ColorRole role;
        QRgb normal, disabled;
    } colours[] = {
        {QPalette::WindowText, 0xff000000, 0xffbebebe},      {QPalette::Button, 0xffefefef, 0xffefefef},
        {QPalette::Light, 0xffffffff, 0xffffffff},           {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
        {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},            {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
        {QPalette::Text, 0xff000000, 0xffbebebe},            {QPalette::BrightText, 0xffffffff, 0xffffffff},
        {QPalette::ButtonText, 0xff000000, 0xffbebebe},      {QPalette::Base, 0xffffffff, 0xffefefef},
        {QPalette::Window, 0xffefefef, 0xffefefef},          {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
        {QPalette::Highlight, 0xff308cc6, 0xff919191},       {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
        {QPalette::Link, 0xff0000ff, 0xff0000ff},            {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
        {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},   {QPalette::NoRole, 0xff000000, 0xff000000},
        {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},     {QPalette::ToolTipText, 0xff000000, 0xff000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        {QPalette::Accent, 0xff308cc6, 0xff919191},
#endif
    };
    QPalette palette;
    for (const auto& c : colours) {
        palette.setColor(QPalette::Active, c.role, QColor::fromRgba(c.normal));
        palette.setColor(QPalette::Inactive, c.role, QColor::fromRgba(c.normal));
        palette.setColor(QPalette::Disabled, c.role, QColor::fromRgba(c.disabled));
    }
    return palette;
}

QIcon ClassicStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    // The desktop's icon theme (a light bulb in GNOME's) is not asked.
    if (icon == SP_MessageBoxInformation && !QGuiApplication::desktopSettingsAware())
        return EmbeddedAssets::informationIcon();
    return QProxyStyle::standardIcon(icon, option, widget);
}

namespace {

bool isArrow(QStyle::PrimitiveElement element)
{
    return element == QStyle::PE_IndicatorArrowUp || element == QStyle::PE_IndicatorArrowDown ||
           element == QStyle::PE_IndicatorArrowLeft || element == QStyle::PE_IndicatorArrowRight;
}

}  // namespace

void ClassicStyle::drawArrow(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const
{
    // A solid triangle in the largest square of the rectangle with an even
    // side, a fifth of the side from its edges (the drop-down arrow of a
    // toolbar button is 9 x 5, a submenu's 4 x 7), drawn in device pixels so
    // that a scaled window gets a sharp one.
    const QRect r = option->rect;
    const int size = qMin(r.width(), r.height());
    if (size <= 1)
        return;
    const qreal ratio = painter->device()->devicePixelRatio();
    const int border = qRound(ratio * (size / 5));
    const int side = qRound(ratio * (2 * (size / 2)));
    const int half = side / 2;
    QPolygon triangle;
    switch (element) {
    case PE_IndicatorArrowUp: triangle.setPoints(3, border, half, half, border, side - border, half); break;
    case PE_IndicatorArrowDown: triangle.setPoints(3, border, half, half, side - border, side - border, half); break;
    case PE_IndicatorArrowRight: triangle.setPoints(3, side - border, half, half, border, half, side - border); break;
    default: triangle.setPoints(3, border, half, half, border, half, side - border); break;
    }
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    {
        QPainter ink(&image);
        // The triangle's middle one pixel up and left of the square's.
        const QPoint middle = triangle.boundingRect().center();
        ink.translate(half - middle.x() - 1, half - middle.y() - 1);
        if (option->state & State_Sunken)
            ink.translate(proxy()->pixelMetric(PM_ButtonShiftHorizontal, option, widget),
                          proxy()->pixelMetric(PM_ButtonShiftVertical, option, widget));
        QColor colour = option->palette.buttonText().color();
        if (!(option->state & State_Enabled)) {
            // Engraved: a light copy one pixel down and right, the mid colour on top.
            const QColor light = option->palette.light().color();
            ink.setPen(light);
            ink.setBrush(light);
            ink.drawPolygon(triangle.translated(1, 1));
            colour = option->palette.mid().color();
        }
        ink.setPen(colour);
        ink.setBrush(colour);
        ink.drawPolygon(triangle);
    }
    image.setDevicePixelRatio(ratio);
    painter->drawImage(QPoint(r.x() + (r.width() - size) / 2, r.y() + (r.height() - size) / 2), image);
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    if (isArrow(element)) {
        drawArrow(element, option, painter, widget);
        return;
    }
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
