// SPDX-License-Identifier: MIT
// TMainForm: creation, the look of the controls, and the engine's view of the
// window (its images, timers, settings, sounds and the score display).
#include "MainUnit.h"

#include <QMenu>

#include "EmbeddedAssets.h"
#include "Fonts.h"
#include "QtGameTimer.h"
#include "ScoreRules.h"
#include "SoundPlayer.h"
#include "SpriteCanvas.h"
#include "WindowDragger.h"
#include "ZembraUnit.h"
#include "ui_MainUnit.h"

namespace zembra {

namespace {

// The instructions keep their carriage returns and tabs, which a stored
// layout cannot hold (the layout compiler drops carriage returns).
const char* const kInstructions =
    "这是非常传统经典的游戏，游戏主要控制：\r\r键\t 说 明\r\r←\t 控制方块向左移动，每次\r                 移动一个单元格\r\r→\t "
    "控制方块向右移动，每次\r                 移动一个单元格\r\r↓\t 使方块加速下落。\r         高级方块模式中的功能键。\r "
    "\rSpace键  使方块直接并且正常\r（Ctrl） 落到画面底部堆积。 \r         （可使穿透效果实效）\r\r方向键↑ "
    "使方块顺时针90°旋转 \r\r小提示：\r     游戏中消层可获取相应的分数，每得\r1000分将加1颗星。每 10 颗星提升一个等\r级！"
    "速度相应增加！\r\r    更多的功能，帮助。\r            请点击右键，进入右键菜单！\r\r\r          欢迎使用！版本信息 "
    "2.0.0523\r      \r2.0版本主要更新：\r\r   1.增加高级方块模式.\r   2.优化方块掉落顺序.";

void paintText(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

}  // namespace

TMainForm::TMainForm(SoundPlayer& player, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TMainForm>()), player_(player)
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(367, 491);
    setWindowIcon(EmbeddedAssets::applicationIcon());
    setFocusPolicy(Qt::StrongFocus);
    setUpControls();
    setUpToolbar();
    setUpMenu();
    setUpCommands();
    // The previews and stars lie on the background picture and take their
    // own presses, as the level name and the score do.
    dragger_ = std::make_unique<WindowDragger>(*ui_->mainBack, *this, *popup_,
                                               [this](QPoint p) { return ui_->mainBack->spriteAt(p); });
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::setUpControls()
{
    setFont(fonts::arial(11));
    ui_->mainBack->setBackdrop(EmbeddedAssets::background());
    // Sprites of the background are placed in window coordinates.
    ui_->mainBack->setSpriteOrigin(-ui_->mainBack->pos());
    ui_->Panel1->setBackdropColour(Qt::black);

    ui_->name->setFont(fonts::arial(12, true));
    paintText(ui_->name, QColor(255, 0, 255));
    ui_->Labelsoure->setFont(fonts::song(13, true));
    paintText(ui_->Labelsoure, QColor(0, 255, 0));
    ui_->Labelxinxi->setText(QString::fromUtf8(kInstructions));
    ui_->Labelxinxi->setFont(fonts::song(12));
    QPalette info = ui_->Labelxinxi->palette();
    info.setColor(QPalette::Window, Qt::black);
    info.setColor(QPalette::WindowText, Qt::white);
    ui_->Labelxinxi->setPalette(info);
    ui_->tslabel->setFont(fonts::song(20, true));
    paintText(ui_->tslabel, QColor(255, 0, 0));
    ui_->labelover->setFont(fonts::arial(37, true, true));
    paintText(ui_->labelover, QColor(255, 0, 0));
    for (QLabel* label : {ui_->tslabel, ui_->labelover})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TMainForm::FormCreate()
{
    for (int i = 1; i <= StarCount; ++i) {
        auto star = ui_->mainBack->CreateImage();
        star->LoadPicture("tt");
        star->SetBounds((i / 6 + i % 6) * 15 + 1, (i / 6) * 15 + 427, 15, 15);
        star->Hide();
        StarImages[i] = std::move(star);
    }
    FillShapeTable();
    engine_ = std::make_unique<TZembra>(*ui_->Panel1, *this);
    Paused = false;
}

std::unique_ptr<ImageControl> TMainForm::CreateImage()
{
    return ui_->mainBack->CreateImage();
}

std::unique_ptr<Timer> TMainForm::CreateTimer()
{
    return std::make_unique<QtGameTimer>();
}

void TMainForm::ShowGameOverBanner()
{
    ui_->labelover->raise();
    ui_->labelover->show();
}

void TMainForm::HideLevelMessage()
{
    ui_->tslabel->hide();
}

void TMainForm::SetPauseCommandEnabled(bool on)
{
    ui_->topause->setEnabled(on);
    if (!on)
        player_.setGameRunning(false);  // the game is over
}

void TMainForm::SetAdvancedModeEnabled(bool on)
{
    ui_->N22->setEnabled(on);
}

bool TMainForm::ClearEffectChecked() const
{
    return ui_->N3->isChecked();
}

bool TMainForm::NormalModeChecked() const
{
    return ui_->N14->isChecked();
}

bool TMainForm::ClockwiseChecked() const
{
    return ui_->N20->isChecked();
}

void TMainForm::PlaySoundRes(const std::string& name)
{
    // The sound is looked up whether or not sound effects are on.
    const QString key = QString::fromStdString(name);
    const QByteArray wav = EmbeddedAssets::sound(key);
    if (ui_->N10->isChecked())
        player_.play(key.toLower(), wav);
}

void TMainForm::UpdateScoreDisplay()
{
    const ScoreDisplayChange change = PlanScoreDisplay(engine_->Score, levelShown_);
    ui_->Labelsoure->setText(QString::fromStdString(change.scoreText));
    if (change.frozen)
        return;
    if (change.promoted) {
        levelShown_ = change.levelShown;
        ui_->name->setText(QString::fromStdString(change.levelName));
        for (int i = 2; i <= StarCount; ++i)
            StarImages[i]->Hide();
        PlaySoundRes("next");
        ui_->tslabel->setText(QStringLiteral("恭喜你升级为") + ui_->name->text());
        ui_->tslabel->raise();
        ui_->tslabel->show();
    }
    for (int i = 2; i <= change.lastStar; ++i)
        StarImages[i]->Show();
}

}  // namespace zembra
