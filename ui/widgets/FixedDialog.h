// SPDX-License-Identifier: MIT
// What the About and Help dialogs share: a fixed frame with only the close
// box, a close button that ends the dialog with the cancel result, and an
// Escape key that does nothing (no button is the cancel button).
#pragma once

#include <QDialog>

class QPushButton;

namespace zembra {

class FixedDialog : public QDialog {
    Q_OBJECT

public:
    explicit FixedDialog(QWidget* owner);

protected:
    // Fixes the size from the layout and binds the close button.
    void finishLayout(QPushButton* closeButton);
    void keyPressEvent(QKeyEvent* event) override;
    void Button1Click();
    // Places the whole window, frame and title bar included, with its centre
    // on `point`, as the classic desktop centres a form. Call from showEvent,
    // when the frame's size is known.
    void centreFrameOn(const QPoint& point);
};

}  // namespace zembra
