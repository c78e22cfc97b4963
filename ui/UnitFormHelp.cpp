// SPDX-License-Identifier: MIT
#include "UnitFormHelp.h"

#include "Fonts.h"
#include "ui_UnitFormHelp.h"

namespace zembra {

namespace {
// Lines separated by carriage return and line feed, which a stored layout
// cannot hold (the layout compiler drops carriage returns).
const char* const kKeys =
    "键盘 [ 左、右 ] 用来控制落下砖块的左右移动\r\n键盘 [ 下 ] 用来控制砖块加速下落\r\n"
    "键盘 [ 上 ] 用来控制砖块变形\r\n键盘 [ 空格 ] 用来控制砖块直接落到底";
const char* const kLevels =
    "一级=10000以下\r\n二级=10000~20000\r\n三级=20000~30000\r\n四级=30000~40000\r\n五级=40000~50000\r\n"
    "无敌=50000以上";
}  // namespace

TFormHelp::TFormHelp(QWidget* owner) : FixedDialog(owner), ui_(std::make_unique<Ui::TFormHelp>())
{
    ui_->setupUi(this);
    ui_->Label3->setText(QString::fromUtf8(kKeys));
    ui_->Label4->setText(QString::fromUtf8(kLevels));
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

void TFormHelp::showEvent(QShowEvent* event)
{
    // Over the middle of the main window, wherever it has been dragged.
    if (const QWidget* owner = parentWidget())
        centreFrameOn(owner->frameGeometry().center());
    FixedDialog::showEvent(event);
}

}  // namespace zembra
