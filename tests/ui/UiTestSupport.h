// SPDX-License-Identifier: MIT
// Helpers of the window tests: a sound player that records what it is asked
// to play, a main window on it, and answers to modal boxes.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <memory>

#include "MainUnit.h"
#include "QtGameTimer.h"
#include "SoundPlayer.h"
#include "SpriteCanvas.h"
#include "ZembraUnit.h"
#include "ui_MainUnit.h"

namespace zembra::testing {

class RecordingSoundPlayer final : public SoundPlayer {
public:
    void play(const QString& name, const QByteArray& wav) override
    {
        played << name;
        lastBytes = wav.size();
    }
    QStringList take()
    {
        QStringList p = played;
        played.clear();
        return p;
    }
    QStringList played;
    qsizetype lastBytes = 0;
};

// A shown main window with a recording sound player.
struct MainWindowUnderTest {
    MainWindowUnderTest()
    {
        form = std::make_unique<TMainForm>(sound);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    Ui::TMainForm& ui() { return form->form(); }
    TZembra& engine() { return form->engine(); }
    const QTimer& fallTimer() { return static_cast<QtGameTimer&>(*engine().FallTimer).timer(); }
    const QTimer& effectTimer() { return static_cast<QtGameTimer&>(*engine().EffectTimer).timer(); }
    int shownWellCells()
    {
        int n = 0;
        for (int i = 0; i < ui().Panel1->spriteCount(); ++i)
            n += ui().Panel1->spriteShown(i);
        return n;
    }

    RecordingSoundPlayer sound;
    std::unique_ptr<TMainForm> form;
};

// Answers the next modal message box with `button`, remembering its texts.
struct BoxAnswer {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QStringList buttonTexts;  // in the order the box shows them
    bool buttonPictures = false;
    bool seen = false;
};

inline std::shared_ptr<BoxAnswer> answerNextBox(QMessageBox::StandardButton button)
{
    // Looks for the box every few milliseconds: the event loop may run before
    // the box opens (waiting for the window to be active, say). It gives up
    // once the caller drops the answer.
    auto answer = std::make_shared<BoxAnswer>();
    std::weak_ptr<BoxAnswer> watched = answer;
    auto* poll = new QTimer;
    poll->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [watched, button, poll, tries] {
        auto answer = watched.lock();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!answer || !box) {
            if (!answer || ++*tries > 1000) {
                poll->stop();
                poll->deleteLater();
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        answer->seen = true;
        answer->title = box->windowTitle();
        answer->text = box->text();
        answer->icon = box->icon();
        answer->buttons = box->standardButtons();
        auto shown = box->buttons();
        std::sort(shown.begin(), shown.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        for (QAbstractButton* b : shown) {
            answer->buttonTexts << b->text();
            answer->buttonPictures |= !b->icon().isNull();
        }
        box->button(button)->click();
    });
    poll->start();
    return answer;
}

}  // namespace zembra::testing
