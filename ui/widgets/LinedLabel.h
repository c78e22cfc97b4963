// SPDX-License-Identifier: MIT
// A plain-text label whose lines are set at the line pitch of its Latin
// face. Chinese fallback faces carry a much taller line height, and several
// lines of them would no longer fit the boxes the Help dialog gives them.
#pragma once

#include <QLabel>

namespace zembra {

class LinedLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Pixels from one line's top to the next.
    int linePitch() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList lines_() const;
};

}  // namespace zembra
