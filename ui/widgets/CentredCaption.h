// SPDX-License-Identifier: MIT
// A one-line label whose text lies where the classic desktop puts it:
// centred, with its baseline at the ascent of the label's own font below the
// line's top, the line as high as that font, whichever face draws each
// character. Qt's own label places a line by the faces it falls back to,
// differently from version to version.
#pragma once

#include <QLabel>

namespace zembra {

class CentredCaption : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zembra
