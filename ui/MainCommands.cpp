// SPDX-License-Identifier: MIT
// TMainForm: the toolbar, the settings menu, the commands and the game keys.
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>

#include "EmbeddedAssets.h"
#include "MainUnit.h"
#include "PieceSequence.h"
#include "SoundPlayer.h"
#include "UnitFormAbout.h"
#include "UnitFormHelp.h"
#include "ZembraUnit.h"
#include "ui_MainUnit.h"

namespace zembra {

namespace {

// A toolbar button that runs a command: the command's caption and image,
// its enabled state, and a click that triggers it.
void bindButton(QToolButton* button, QAction* command, int image)
{
    button->setText(command->text());
    button->setIcon(EmbeddedAssets::toolbarImage(image));
    button->setEnabled(command->isEnabled());
    QObject::connect(button, &QToolButton::clicked, command, &QAction::trigger);
    QObject::connect(command, &QAction::changed, button, [button, command] { button->setEnabled(command->isEnabled()); });
}

bool isKey(const QKeyEvent* e, Qt::Key arrow, Qt::Key keypadDigit)
{
    return e->key() == arrow || (e->key() == keypadDigit && (e->modifiers() & Qt::KeypadModifier));
}

}  // namespace

void TMainForm::setUpToolbar()
{
    Ui::TMainForm& f = *ui_;
    bindButton(f.TBStart, f.start, 0);
    bindButton(f.TBPause, f.topause, 7);
    bindButton(f.TBQuit, f.close, 3);
    // The quit letter is handled with the other keys, at once.
    f.TBQuit->setShortcut(QKeySequence());
    f.TBMenu->setText(QStringLiteral("设置"));
    f.TBMenu->setIcon(EmbeddedAssets::toolbarImage(8));
    f.TBHelp->setText(QStringLiteral("帮助"));
    f.TBHelp->setIcon(EmbeddedAssets::toolbarImage(6));
    f.TBAbout->setText(QStringLiteral("关于"));
    f.TBAbout->setIcon(EmbeddedAssets::toolbarImage(2));
    connect(f.TBHelp, &QToolButton::clicked, this, &TMainForm::TBHelpClick);
    connect(f.TBAbout, &QToolButton::clicked, this, &TMainForm::TBAboutClick);
}

void TMainForm::setUpMenu()
{
    Ui::TMainForm& f = *ui_;
    // The row-clear effect, music, advanced blocks and the rotation
    // direction are settings without a menu entry: their items hold the
    // marks but are never shown. (Qt would also disable a hidden action, and
    // N22's enabled state must follow the game.)
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("MainPopupMenu"));
    popup_->addAction(f.N10);
    popup_->addSeparator()->setObjectName(QStringLiteral("N17"));
    QMenu* speed = popup_->addMenu(QStringLiteral("速度设置"));
    speed->menuAction()->setObjectName(QStringLiteral("N13"));
    speed->addAction(f.N14);
    speed->addSeparator()->setObjectName(QStringLiteral("N16"));
    speed->addActions({f.N15, f.N21, f.N31, f.N41, f.N51});
    auto* direction = new QMenu(QStringLiteral("旋转方向"), this);
    direction->menuAction()->setObjectName(QStringLiteral("N7"));
    direction->addActions({f.N20, f.N19});

    // Clicking the checked item of a group unchecks it and leaves the group
    // with none checked.
    auto* speeds = new QActionGroup(this);
    speeds->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* a : {f.N14, f.N15, f.N21, f.N31, f.N41, f.N51})
        speeds->addAction(a);
    auto* directions = new QActionGroup(this);
    directions->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    directions->addAction(f.N20);
    directions->addAction(f.N19);

    connect(f.N15, &QAction::triggered, this, [this] { setSpeed(500); });
    connect(f.N21, &QAction::triggered, this, [this] { setSpeed(400); });
    connect(f.N31, &QAction::triggered, this, [this] { setSpeed(300); });
    connect(f.N41, &QAction::triggered, this, [this] { setSpeed(200); });
    connect(f.N51, &QAction::triggered, this, [this] { setSpeed(100); });
    f.TBMenu->setMenu(popup_);
    f.TBMenu->setPopupMode(QToolButton::MenuButtonPopup);
    connect(f.TBMenu, &QToolButton::clicked, f.TBMenu, &QToolButton::showMenu);
}

void TMainForm::setUpCommands()
{
    Ui::TMainForm& f = *ui_;
    addActions({f.close, f.start, f.topause, f.xcok, f.yinxiao, f.yinyue});
    connect(f.close, &QAction::triggered, this, &TMainForm::closeExecute);
    connect(f.start, &QAction::triggered, this, &TMainForm::startExecute);
    connect(f.topause, &QAction::triggered, this, &TMainForm::topauseExecute);
    connect(f.xcok, &QAction::triggered, this, &TMainForm::xcokExecute);
    connect(f.yinxiao, &QAction::triggered, this, &TMainForm::yinxiaoExecute);
    connect(f.yinyue, &QAction::triggered, this, &TMainForm::yinyueExecute);
    // N9 is linked to the music command, which does nothing: its mark stays.
    connect(f.N9, &QAction::triggered, this, [this] {
        ui_->N9->setChecked(!ui_->N9->isChecked());
        ui_->yinyue->trigger();
    });
}

void TMainForm::setSpeed(int interval)
{
    engine_->FallInterval = interval;
}

void TMainForm::startExecute()
{
    Ui::TMainForm& f = *ui_;
    if (f.topause->isEnabled()) {
        const auto answer = QMessageBox::information(this, QStringLiteral("游戏提示"),
                                                     QStringLiteral("游戏还未结束，你确定重新开始游戏吗？"),
                                                     QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
        if (answer != QMessageBox::Ok)
            return;
    }
    // A wipe still running belongs to the old game: end it before anything
    // is reset, so none of its rows or points reach the new game.
    engine_->CancelEffect();
    player_.setGameRunning(true);
    SequencePos = 0;
    PlaySoundRes("start");
    f.Labelxinxi->hide();
    for (int i = 1; i <= 10; ++i)
        StarImages[i]->Hide();
    if (f.N14->isChecked())
        engine_->FallInterval = 500;
    engine_->Score = 0;
    f.name->setText(QStringLiteral("一级"));
    levelShown_ = 0;
    f.TBPause->setText(QStringLiteral("暂停(F3)"));
    f.topause->setEnabled(true);
    f.N22->setEnabled(false);
    f.labelover->hide();
    f.tslabel->hide();
    StarImages[1]->Show();
    f.Labelsoure->setText(QStringLiteral("0"));
    BuildPieceSequence(f.N22->isChecked());
    engine_->ClearWell();
    engine_->NewPiece();
    Paused = false;
}

void TMainForm::topauseExecute()
{
    PlaySoundRes("pause");
    if (!Paused) {
        engine_->Freeze();
        Paused = true;
        ui_->TBPause->setText(QStringLiteral("继续(F3)"));
    } else {
        engine_->Thaw();
        Paused = false;
        ui_->TBPause->setText(QStringLiteral("暂停(F3)"));
    }
}

void TMainForm::closeExecute()
{
    close();
}

void TMainForm::xcokExecute()
{
    ui_->N3->toggle();
}

void TMainForm::yinxiaoExecute()
{
    ui_->N10->toggle();
}

void TMainForm::yinyueExecute()
{
    // Music was never part of the game.
}

void TMainForm::TBAboutClick()
{
    TFormAbout about(this);
    about.exec();
}

void TMainForm::TBHelpClick()
{
    TFormHelp help(this);
    help.exec();
}

void TMainForm::keyPressEvent(QKeyEvent* event)
{
    FormKeyDown(event);
}

void TMainForm::keyReleaseEvent(QKeyEvent* event)
{
    FormKeyUp(event);
}

void TMainForm::FormKeyDown(QKeyEvent* e)
{
    if (isKey(e, Qt::Key_Left, Qt::Key_4))
        engine_->MoveLeft();
    if (isKey(e, Qt::Key_Right, Qt::Key_6))
        engine_->MoveRight();
    if (isKey(e, Qt::Key_Down, Qt::Key_2))
        engine_->StartSoftDrop(SoftDropInterval);
    if (isKey(e, Qt::Key_Up, Qt::Key_8))
        engine_->Rotate();
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Control)
        engine_->DropToBottom();
    // E, in either case, alone or with Alt: the quit button's letter.
    if (e->key() == Qt::Key_E && !(e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        closeExecute();
}

void TMainForm::FormKeyUp(QKeyEvent* e)
{
    // X11 sends a release before every auto-repeated press; only the real
    // release ends the soft drop.
    if (e->isAutoRepeat())
        return;
    if (isKey(e, Qt::Key_Down, Qt::Key_2))
        engine_->StopSoftDrop();
}

}  // namespace zembra
