// SPDX-License-Identifier: MIT
#include "FixedDialog.h"

#include <QKeyEvent>
#include <QPushButton>

namespace zembra {

FixedDialog::FixedDialog(QWidget* owner) : QDialog(owner)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
}

void FixedDialog::finishLayout(QPushButton* closeButton)
{
    setFixedSize(size());
    for (QWidget* child : findChildren<QWidget*>())
        if (child != closeButton)
            child->setFocusPolicy(Qt::NoFocus);
    closeButton->setFocus();
    connect(closeButton, &QPushButton::clicked, this, &FixedDialog::Button1Click);
}

void FixedDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FixedDialog::centreFrameOn(const QPoint& point)
{
    const QRect frame = frameGeometry();
    move(point - QPoint(frame.width() / 2, frame.height() / 2));
}

void FixedDialog::Button1Click()
{
    reject();
}

}  // namespace zembra
