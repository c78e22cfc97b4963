// SPDX-License-Identifier: MIT
#include "CaptionLabel.h"

#include <QPainter>

namespace zembra {

int CaptionLabel::baseline() const
{
    // The first family of the font is the Latin face the layout names.
    QFont latin = font();
    latin.setFamilies({font().families().value(0, font().family())});
    return QFontMetrics(latin).ascent();
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
