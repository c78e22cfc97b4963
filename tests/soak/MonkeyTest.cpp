// SPDX-License-Identifier: MIT
// The monkey: drives the real main window through thousands of pieces with
// random keys, menu commands, pauses, restarts answered both ways, the
// setting keys and the dialogs, and checks the engine's invariants after
// every step. Built with AddressSanitizer and UBSan.
// Usage: monkey_test [--pieces N] [--minutes M] [--seed S]
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "AppLook.h"
#include "MainUnit.h"
#include "PieceSequence.h"
#include "SdlSoundPlayer.h"
#include "SpriteCanvas.h"
#include "ZembraUnit.h"
#include "ui_MainUnit.h"

using namespace zembra;

namespace {

[[noreturn]] void fail(const char* what, long step)
{
    std::fprintf(stderr, "monkey: invariant broken at step %ld: %s\n", step, what);
    std::exit(1);
}

// Closes whatever modal window opens next: the restart box (OK or Cancel),
// an About or Help dialog.
void closeNextModal(std::mt19937& rng)
{
    const bool ok = rng() % 2 == 0;
    QTimer::singleShot(std::uniform_int_distribution<int>(0, 60)(rng), [ok] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(ok ? QMessageBox::Ok : QMessageBox::Cancel)->click();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
}

struct Invariants {
    int lastScore = 0;
    int lastStarts = 0;

    void check(TMainForm& form, long step, int starts)
    {
        TZembra& e = form.engine();
        Ui::TMainForm& ui = form.form();
        for (int i = 0; i < ui.Panel1->spriteCount(); ++i)
            if (ui.Panel1->spriteShown(i) && ui.Panel1->spritePicture(i).isEmpty())
                fail("a shown cell holds no picture", step);
        if (e.Playing) {
            for (int k = 1; k <= e.CurCount; ++k) {
                const int c = e.PiecePos.Column + e.CurRecord[k].DX;
                const int r = e.PiecePos.Row + e.CurRecord[k].DY;
                if (c < 1 || c > 12 || r < 1 || r > 21 || !e.Cell(c, r).Shown())
                    fail("a cell of the live piece is not shown", step);
            }
        }
        if (starts != lastStarts) {
            lastStarts = starts;
            lastScore = e.Score;
        }
        if (e.Score < lastScore)
            fail("the score fell during a game", step);
        lastScore = e.Score;
        if (e.FullCount < 0 || e.FullCount > 21)
            fail("FullCount out of range", step);
        for (int i = 1; i <= 21; ++i) {
            const bool used = i <= e.FullCount;
            if (used != (e.FullRows[i] != 0))
                fail("FullRows does not match FullCount", step);
            if (used && i > 1 && e.FullRows[i] >= e.FullRows[i - 1])
                fail("FullRows not bottom-up", step);
        }
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zembra::applyAppLook(app);
    long targetPieces = 2000;
    double minutes = 0;
    unsigned seed = std::random_device{}();
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray key = argv[i];
        if (key == "--pieces")
            targetPieces = std::atol(argv[i + 1]);
        else if (key == "--minutes")
            minutes = std::atof(argv[i + 1]);
        else if (key == "--seed")
            seed = static_cast<unsigned>(std::atol(argv[i + 1]));
    }
    std::printf("monkey: seed %u\n", seed);
    std::mt19937 rng(seed);

    SdlSoundPlayer sound;  // the real player; without an audio device it stays silent
    TMainForm form(sound);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        fail("the window never showed", 0);
    Ui::TMainForm& ui = form.form();
    ui.N51->trigger();  // the fastest speed brings many pieces

    Invariants invariants;
    long pieces = 0, steps = 0;
    int starts = 0, lastPos = SequencePos;
    QElapsedTimer clock;
    clock.start();
    auto done = [&] {
        return minutes > 0 ? clock.elapsed() > minutes * 60000 : pieces >= targetPieces;
    };
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const Qt::Key gameKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Space, Qt::Key_Down, Qt::Key_Control};

    while (!done()) {
        ++steps;
        form.activateWindow();
        const int roll = pick(1000);
        if (!ui.topause->isEnabled() && roll < 300) {
            QTest::keyClick(&form, Qt::Key_F2);  // after game over: straight into a new game
            ++starts;
        } else if (roll < 600) {
            const Qt::Key key = gameKeys[pick(6)];
            if (key == Qt::Key_Down) {
                QTest::keyPress(&form, key);
                QTest::qWait(pick(60));
                QTest::keyRelease(&form, key);
            } else {
                QTest::keyClick(&form, key, pick(5) == 0 ? Qt::KeypadModifier : Qt::NoModifier);
            }
        } else if (roll < 640) {
            if (ui.topause->isEnabled())
                closeNextModal(rng);
            const bool wasRunning = ui.topause->isEnabled();
            const int before = SequencePos;
            QTest::keyClick(&form, Qt::Key_F2);
            if (!wasRunning || SequencePos != before)
                ++starts;
        } else if (roll < 680) {
            QTest::keyClick(&form, Qt::Key_F3);
        } else if (roll < 695) {
            QTest::keyClick(&form, Qt::Key_F4);
        } else if (roll < 705) {
            QTest::keyClick(&form, Qt::Key_F5);
        } else if (roll < 720) {
            QAction* speeds[] = {ui.N14, ui.N15, ui.N21, ui.N31, ui.N41, ui.N51};
            speeds[pick(6)]->trigger();
        } else if (roll < 725) {
            if (ui.N22->isEnabled())
                ui.N22->trigger();  // the advanced blocks, for the next game
        } else if (roll < 728) {
            closeNextModal(rng);
            (pick(2) ? ui.TBAbout : ui.TBHelp)->click();
        } else {
            QTest::qWait(pick(40));
        }
        if (SequencePos != lastPos) {
            ++pieces;
            lastPos = SequencePos;
        }
        invariants.check(form, steps, starts);
        if (steps % 5000 == 0)
            std::printf("monkey: %ld steps, %ld pieces, %d games, %.0f s\n", steps, pieces, starts,
                        clock.elapsed() / 1000.0);
    }
    std::printf("monkey: done: %ld steps, %ld pieces, %d games, %.0f s\n", steps, pieces, starts,
                clock.elapsed() / 1000.0);
    return 0;
}
