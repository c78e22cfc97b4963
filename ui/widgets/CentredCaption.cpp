// SPDX-License-Identifier: MIT
#include "CentredCaption.h"

#include <QFontMetrics>
#include <QPainter>

namespace zembra {

void CentredCaption::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const int x = (width() - metrics.horizontalAdvance(text())) / 2;
    const int top = (height() - metrics.height()) / 2;
    painter.drawText(QPoint(x, top + metrics.ascent()), text());
}

}  // namespace zembra
