// SPDX-License-Identifier: MIT
#include "UnitFormHelp.h"

#include "Fonts.h"
#include "ui_UnitFormHelp.h"

namespace zembra {

TFormHelp::TFormHelp(QWidget* owner) : FixedDialog(owner), ui_(std::make_unique<Ui::TFormHelp>())
{
    ui_->setupUi(this);
    setFont(fonts::arial(11));
    const struct {
        QGroupBox* box;
        QColor colour;
    } groups[] = {
        {ui_->GroupBox1, QColor(0, 0, 255)},
        {ui_->GroupBox2, QColor(128, 0, 0)},
        {ui_->GroupBox3, QColor(0, 128, 128)},
    };
    for (const auto& g : groups) {
        g.box->setFont(fonts::arial(11));
        QPalette p = g.box->palette();
        p.setColor(QPalette::WindowText, g.colour);
        g.box->setPalette(p);
    }
    finishLayout(ui_->Button1);
}

TFormHelp::~TFormHelp() = default;

}  // namespace zembra
