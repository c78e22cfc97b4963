// SPDX-License-Identifier: MIT
// TStyledLabel: a text label painted by hand, with the alignment, tab, word
// break, accelerator-character, ellipsis and disabled rules of the classic
// desktop label, and a size that can follow its text.
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
constexpr TColor clBtnText = 0xFF000012;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor clWindowText = 0xFF000008;
QColor toQColor(TColor colour, const QPalette& palette);

enum class TTextLayout { Top, Center, Bottom };
enum class TCondense { None, AtEnd, WithinPath };

class TStyledLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE setShowAccelChar)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(uint FontColor READ FontColor WRITE setFontColor)

public:
    explicit TStyledLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    Qt::Alignment Alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment horizontal);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    bool ShowAccelChar() const { return showAccelChar_; }
    void setShowAccelChar(bool on);
    bool Transparent() const { return transparent_; }
    void setTransparent(bool on);
    TColor Color() const { return color_; }
    void setColor(TColor colour);
    TTextLayout Layout() const { return layout_; }
    void setLayout(TTextLayout layout);
    TCondense CondenseCaption() const { return condense_; }
    void setCondenseCaption(TCondense condense);
    int TextMargin() const { return textMargin_; }
    void setTextMargin(int margin);
    // Extra room above the text, inside the label: lowers the text, and an
    // automatic size grows by as much.
    int TopInset() const { return topInset_; }
    void setTopInset(int pixels);
    // Where the first line's baseline lies, from the label's top (text laid
    // out at the top, as the links are).
    int baseline() const;
    // The colour the caption is painted in.
    uint FontColor() const { return fontColor_; }
    void setFontColor(uint colour);

    // The text flags of the paint and of the automatic size.
    int textFlags() const;
    // The caption as it is drawn into `rect` (ellipsis applied).
    QString shownText(const QRect& rect) const;
    QRect textRect() const;

signals:
    void clicked();
    void mouseEntered();
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // Raised for a press and release over the label.
    virtual void Click();

private:
    void adjustBounds();

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    TColor color_ = clBtnFace;
    TTextLayout layout_ = TTextLayout::Top;
    TCondense condense_ = TCondense::None;
    int textMargin_ = 0;
    int topInset_ = 0;
    uint fontColor_ = clWindowText;
    bool pressed_ = false;
};

}  // namespace zembra
