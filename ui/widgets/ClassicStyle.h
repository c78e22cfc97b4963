// SPDX-License-Identifier: MIT
// Qt's "Windows" style with the details of the classic desktop it lacks:
// radio items of a menu marked with a round bullet (Qt draws the tick of a
// check item for them too), and push buttons that keep their full size,
// a default button framed by a black line around its whole rectangle with
// the raised bevel inside it (Qt insets every button that may become the
// default and frames it one pixel short), and arrows of one shape on every
// Qt version.
// It also carries the light colours the windows were drawn against, and,
// where the game takes nothing from the desktop (not desktop-settings-aware:
// Linux), the message box's information icon from the game's own pictures.
#pragma once

#include <QProxyStyle>

namespace zembra {

class ClassicStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Wraps Qt's "Windows" style.
    ClassicStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    // The classic light palette, the same on every Qt version.
    QPalette standardPalette() const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    void drawArrow(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const;
};

}  // namespace zembra
