// SPDX-License-Identifier: MIT
#include "LinedLabel.h"

#include <algorithm>
#include <QPainter>
#include <QRegularExpression>

#include "Fonts.h"

namespace zembra {

int LinedLabel::linePitch() const
{
    // The lines share out the label's height when it has room to spare.
    const auto lines = static_cast<int>(lines_().size());
    return std::max(QFontMetrics(fonts::latinFace(font())).lineSpacing(), height() / std::max(1, lines));
}

QStringList LinedLabel::lines_() const
{
    return text().split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
}

void LinedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const int pitch = linePitch();
    int y = 0;
    for (const QString& line : lines_()) {
        painter.drawText(QRect(0, y, width(), pitch), static_cast<int>(alignment()) | Qt::TextSingleLine, line);
        y += pitch;
    }
}

}  // namespace zembra
