// SPDX-License-Identifier: MIT
#include "CaptionLabel.h"

#include <QPainter>

#include "Fonts.h"

namespace zembra {

int CaptionLabel::baseline() const
{
    return QFontMetrics(fonts::latinFace(font())).ascent();
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const int advance = fontMetrics().horizontalAdvance(text());
    int x = 0;
    if (alignment() & Qt::AlignRight)
        x = width() - advance;
    else if (alignment() & Qt::AlignHCenter)
        x = (width() - advance) / 2;
    painter.drawText(QPoint(x, baseline()), text());
}

}  // namespace zembra
