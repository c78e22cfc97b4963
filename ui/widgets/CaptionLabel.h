// SPDX-License-Identifier: MIT
// A one-line caption whose text sits where the classic desktop puts it: the
// baseline one ascent of its Latin face below the top. Qt would lower the
// line to make room for the taller ascent of a Chinese fallback face, and
// the caption would no longer line up with the text beside it.
#pragma once

#include <QLabel>

namespace zembra {

class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The baseline, in pixels from the label's top.
    int baseline() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zembra
