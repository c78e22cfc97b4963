// SPDX-License-Identifier: MIT
// TStyledLabel: a text label painted by hand, with the alignment, tab,
// accelerator-character and disabled rules of the classic desktop label, and
// a size that can follow its text.
#pragma once

#include <QWidget>
#include <cstdint>

namespace zembra {

// A colour as the layouts store it: 0x00BBGGRR, or a system colour when the
// top byte is 0xFF (its index in the low byte).
using TColor = std::uint32_t;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor clWindowText = 0xFF000008;
QColor toQColor(TColor colour, const QPalette& palette);

class TStyledLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE setShowAccelChar)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(uint FontColor READ FontColor WRITE setFontColor)

public:
    explicit TStyledLabel(QWidget* parent = nullptr) : QWidget(parent) {}

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setAlignment(Qt::Alignment horizontal);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    bool ShowAccelChar() const { return showAccelChar_; }
    void setShowAccelChar(bool on);
    bool Transparent() const { return transparent_; }
    void setTransparent(bool on);
    // Extra room above the text, inside the label: lowers the text, and an
    // automatic size grows by as much.
    void setTopInset(int pixels);
    // Where the first line's baseline lies, from the label's top.
    int baseline() const;
    // The colour the caption is painted in.
    uint FontColor() const { return fontColor_; }
    void setFontColor(uint colour);

    // The text flags of the paint and of the automatic size.
    int textFlags() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Raised for a press and release over the label.
    virtual void Click() {}

private:
    void adjustBounds();
    QRect textRect() const;

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool autoSize_ = true;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    int topInset_ = 0;
    uint fontColor_ = clWindowText;
    bool pressed_ = false;
};

}  // namespace zembra
