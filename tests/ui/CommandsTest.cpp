// SPDX-License-Identifier: MIT
// The commands, keys and settings of the main window, on the real window
// with a recording sound player.
#include <QMenu>
#include <QToolButton>

#include "PieceSequence.h"
#include "UiTestSupport.h"
#include "UiTests.h"

using namespace zembra;
using namespace zembra::testing;

namespace {

// Fills column 7 of the well up to row 2 so that the next piece cannot spawn.
void blockSpawn(TZembra& engine)
{
    for (int r = 2; r <= 21; ++r) {
        engine.Cell(7, r).LoadPicture("zz");
        engine.Cell(7, r).Show();
    }
}

// A key on the active main window (a closed message box may have taken the
// activation with it).
void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, key, mods);
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void startStartsAGame()
    {
        MainWindowUnderTest w;
        press(w.form.get(), Qt::Key_F2);
        QCOMPARE(w.sound.take(), QStringList{"start"});
        QVERIFY(w.engine().Playing);
        QVERIFY(w.fallTimer().isActive());
        QCOMPARE(SequencePos, 1);
        QCOMPARE(w.shownWellCells(), ShapeCellCount(w.engine().CurShape));
        QVERIFY(w.ui().topause->isEnabled());
        QVERIFY(w.ui().TBPause->isEnabled());
        QVERIFY(!w.ui().N22->isEnabled());
        QVERIFY(!w.ui().Labelxinxi->isVisible());
        QCOMPARE(w.ui().Labelsoure->text(), QStringLiteral("0"));
        QCOMPARE(w.ui().name->text(), QStringLiteral("一级"));
        QVERIFY(w.form->StarImage(1).Shown());
        for (int i = 2; i <= 10; ++i)
            QVERIFY(!w.form->StarImage(i).Shown());
    }

    void restartAsksFirst_data()
    {
        QTest::addColumn<bool>("paused");
        QTest::addColumn<bool>("ok");
        QTest::newRow("running, cancel") << false << false;
        QTest::newRow("running, ok") << false << true;
        QTest::newRow("paused, cancel") << true << false;
        QTest::newRow("paused, ok") << true << true;
    }
    void restartAsksFirst()
    {
        QFETCH(bool, paused);
        QFETCH(bool, ok);
        MainWindowUnderTest w;
        press(w.form.get(), Qt::Key_F2);
        press(w.form.get(), Qt::Key_Space);  // the first piece lands
        w.engine().FallTick();
        QCOMPARE(SequencePos, 2);
        w.engine().Score = 1234;
        if (paused)
            press(w.form.get(), Qt::Key_F3);
        w.sound.take();
        const int shape = w.engine().CurShape;
        auto answer = answerNextBox(ok ? QMessageBox::Ok : QMessageBox::Cancel);
        press(w.form.get(), Qt::Key_F2);
        QVERIFY(answer->seen);
        QCOMPARE(answer->title, QStringLiteral("游戏提示"));
        QCOMPARE(answer->text, QStringLiteral("游戏还未结束，你确定重新开始游戏吗？"));
        QCOMPARE(answer->icon, QMessageBox::Information);
        QCOMPARE(answer->buttons, QMessageBox::Ok | QMessageBox::Cancel);
        // As a Chinese Windows shows them, whatever the locale.
        QCOMPARE(answer->buttonTexts, (QStringList{QStringLiteral("确定"), QStringLiteral("取消")}));
        QVERIFY(!answer->buttonPictures);
        if (ok) {
            QCOMPARE(w.sound.take(), QStringList{"start"});
            QCOMPARE(SequencePos, 1);
            QCOMPARE(w.engine().Score, 0);
            QVERIFY(w.engine().Playing);
            QVERIFY(!Paused);
            QCOMPARE(w.ui().TBPause->text(), QStringLiteral("暂停(F3)"));
        } else {
            QVERIFY(w.sound.take().isEmpty());
            QCOMPARE(SequencePos, 2);
            QCOMPARE(w.engine().CurShape, shape);
            QCOMPARE(w.engine().Score, 1234);
            QCOMPARE(Paused, paused);
            QCOMPARE(w.engine().Playing, !paused);
            QCOMPARE(w.ui().TBPause->text(), paused ? QStringLiteral("继续(F3)") : QStringLiteral("暂停(F3)"));
        }
    }

    void gameOverThenStartWithoutAsking()
    {
        MainWindowUnderTest w;
        press(w.form.get(), Qt::Key_F2);
        blockSpawn(w.engine());
        press(w.form.get(), Qt::Key_Space);
        w.engine().FallTick();
        QVERIFY(w.ui().labelover->isVisible());
        QVERIFY(w.sound.played.contains(QStringLiteral("lose")));
        QVERIFY(!w.ui().topause->isEnabled());
        QVERIFY(w.ui().N22->isEnabled());
        QVERIFY(!w.fallTimer().isActive());
        w.sound.take();
        press(w.form.get(), Qt::Key_F3);
        QVERIFY2(w.sound.take().isEmpty(), "F3 does nothing after the game");
        auto unexpected = answerNextBox(QMessageBox::Cancel);
        press(w.form.get(), Qt::Key_F2);
        QVERIFY(!unexpected->seen);
        QVERIFY(!w.ui().labelover->isVisible());
        QVERIFY(w.engine().Playing);
    }

    void pauseBeforeTheFirstGameDoesNothing()
    {
        MainWindowUnderTest w;
        press(w.form.get(), Qt::Key_F3);
        QVERIFY(w.sound.take().isEmpty());
        QVERIFY(!Paused);
        QCOMPARE(w.ui().TBPause->text(), QStringLiteral("暂停(F3)"));
    }

    void pauseFreezesAndResumesEachState_data()
    {
        QTest::addColumn<QString>("state");
        QTest::newRow("falling") << "falling";
        QTest::newRow("waiting for the next piece") << "waiting";
        QTest::newRow("clearing") << "clearing";
    }
    void pauseFreezesAndResumesEachState()
    {
        QFETCH(QString, state);
        MainWindowUnderTest w;
        press(w.form.get(), Qt::Key_F2);
        TZembra& e = w.engine();
        if (state == QLatin1String("waiting")) {
            e.DropToBottom();
        } else if (state == QLatin1String("clearing")) {
            for (int c = 1; c <= 12; ++c) {
                e.Cell(c, 21).LoadPicture("tt");
                e.Cell(c, 21).Show();
            }
            e.Land();
            QVERIFY(w.effectTimer().isActive());
        }
        const bool wasPlaying = e.Playing;
        const bool fallWasOn = w.fallTimer().isActive();
        const bool effectWasOn = w.effectTimer().isActive();
        w.sound.take();
        press(w.form.get(), Qt::Key_F3);
        QCOMPARE(w.sound.take(), QStringList{"pause"});
        QVERIFY(Paused);
        QVERIFY(!e.Playing);
        QVERIFY(!w.fallTimer().isActive());
        QVERIFY(!w.effectTimer().isActive());
        QCOMPARE(w.ui().TBPause->text(), QStringLiteral("继续(F3)"));
        QCOMPARE(w.ui().topause->text(), QStringLiteral("暂停(F3)"));  // the command keeps its caption
        press(w.form.get(), Qt::Key_F3);
        QCOMPARE(w.sound.take(), QStringList{"pause"});
        QVERIFY(!Paused);
        QCOMPARE(e.Playing, wasPlaying);
        QCOMPARE(w.fallTimer().isActive(), fallWasOn);
        QCOMPARE(w.effectTimer().isActive(), effectWasOn);
        QCOMPARE(w.ui().TBPause->text(), QStringLiteral("暂停(F3)"));
    }

    void settingKeysToggleTheirMarks()
    {
        MainWindowUnderTest w;
        press(w.form.get(), Qt::Key_F4);
        QVERIFY(!w.ui().N3->isChecked());
        press(w.form.get(), Qt::Key_F4);
        QVERIFY(w.ui().N3->isChecked());
        press(w.form.get(), Qt::Key_F5);
        QVERIFY(!w.ui().N10->isChecked());
        press(w.form.get(), Qt::Key_F2);
        QVERIFY2(w.sound.take().isEmpty(), "no sound with sound effects off");
        press(w.form.get(), Qt::Key_F5);
        QVERIFY(w.ui().N10->isChecked());
        press(w.form.get(), Qt::Key_F3);
        QCOMPARE(w.sound.take(), QStringList{"pause"});
        const bool music = w.ui().N9->isChecked();
        press(w.form.get(), Qt::Key_F6);
        w.ui().N9->trigger();
        QCOMPARE(w.ui().N9->isChecked(), music);
        QVERIFY(w.sound.take().isEmpty());
        press(w.form.get(), Qt::Key_F4, Qt::ShiftModifier);
        QVERIFY2(w.ui().N3->isChecked(), "Shift+F4 is no shortcut");
    }

    void speedMenuIsARadioGroupThatCanBeEmptied()
    {
        MainWindowUnderTest w;
        Ui::TMainForm& f = w.ui();
        const struct {
            QAction* item;
            int interval;
        } speeds[] = {{f.N15, 500}, {f.N21, 400}, {f.N31, 300}, {f.N41, 200}, {f.N51, 100}};
        for (const auto& s : speeds) {
            s.item->trigger();
            QVERIFY(s.item->isChecked());
            QCOMPARE(w.engine().FallInterval, s.interval);
            int checked = 0;
            for (QAction* a : {f.N14, f.N15, f.N21, f.N31, f.N41, f.N51})
                checked += a->isChecked();
            QCOMPARE(checked, 1);
        }
        f.N51->trigger();  // clicking the checked item unchecks it
        QVERIFY(!f.N51->isChecked());
        QCOMPARE(w.engine().FallInterval, 100);  // the handler runs whatever the new state
        f.N14->trigger();
        QVERIFY(f.N14->isChecked());
        f.N14->trigger();
        for (QAction* a : {f.N14, f.N15, f.N21, f.N31, f.N41, f.N51})
            QVERIFY(!a->isChecked());
        QCOMPARE(w.engine().FallInterval, 100);
        f.N19->trigger();
        QVERIFY(!f.N20->isChecked());
        QVERIFY(!w.form->ClockwiseChecked());
    }

    void aNewSpeedTakesHoldWithTheNextPiece()
    {
        MainWindowUnderTest w;
        press(w.form.get(), Qt::Key_F2);
        QCOMPARE(w.fallTimer().interval(), 500);
        w.ui().N41->trigger();
        QCOMPARE(w.fallTimer().interval(), 500);  // not in the middle of the falling piece
        press(w.form.get(), Qt::Key_Space);
        w.engine().FallTick();
        QCOMPARE(SequencePos, 2);
        QCOMPARE(w.fallTimer().interval(), 200);
        // A fixed speed holds through the next game; normal mode is off.
        auto answer = answerNextBox(QMessageBox::Ok);
        press(w.form.get(), Qt::Key_F2);
        QCOMPARE(w.engine().FallInterval, 200);
        w.ui().N14->trigger();
        QCOMPARE(w.engine().FallInterval, 200);  // normal mode waits for the next start
        answer = answerNextBox(QMessageBox::Ok);
        press(w.form.get(), Qt::Key_F2);
        QCOMPARE(w.engine().FallInterval, 500);
    }

    void gameKeysMoveTheLivePiece()
    {
        MainWindowUnderTest w;
        press(w.form.get(), Qt::Key_F2);
        TZembra& e = w.engine();
        const Position start = e.PiecePos;
        press(w.form.get(), Qt::Key_Left);
        QCOMPARE(e.PiecePos.Column, start.Column - 1);
        press(w.form.get(), Qt::Key_6, Qt::KeypadModifier);
        QCOMPARE(e.PiecePos.Column, start.Column);
        press(w.form.get(), Qt::Key_4, Qt::KeypadModifier);
        QCOMPARE(e.PiecePos.Column, start.Column - 1);
        press(w.form.get(), Qt::Key_Right);
        QCOMPARE(e.PiecePos.Column, start.Column);
        press(w.form.get(), Qt::Key_4);
        QCOMPARE(e.PiecePos.Column, start.Column);  // the 4 above the letters is no game key
    }

    void downHoldsTheSoftDropUntilItsRealRelease()
    {
        MainWindowUnderTest w;
        press(w.form.get(), Qt::Key_F2);
        QTest::keyPress(w.form.get(), Qt::Key_Down);
        QCOMPARE(w.fallTimer().interval(), 20);
        QKeyEvent repeatedRelease(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(w.form.get(), &repeatedRelease);
        QCOMPARE(w.fallTimer().interval(), 20);  // an auto-repeat release keeps the drop going
        QTest::keyRelease(w.form.get(), Qt::Key_Down);
        QCOMPARE(w.fallTimer().interval(), 500);
        QTest::keyPress(w.form.get(), Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(w.fallTimer().interval(), 20);
        QTest::keyRelease(w.form.get(), Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(w.fallTimer().interval(), 500);
    }

    void ctrlAloneDropsThePiece()
    {
        MainWindowUnderTest w;
        press(w.form.get(), Qt::Key_F2);
        QTest::keyPress(w.form.get(), Qt::Key_Control);
        QVERIFY(!w.engine().Playing);
        QTest::keyRelease(w.form.get(), Qt::Key_Control);
    }

    void upRotates()
    {
        MainWindowUnderTest w;
        press(w.form.get(), Qt::Key_F2);
        TZembra& e = w.engine();
        e.FallStep();  // one row down, so every orientation has room
        const int before = e.CurShape;
        press(w.form.get(), Qt::Key_Up);
        QCOMPARE(e.CurShape, RotatedShape(before, true));
        press(w.form.get(), Qt::Key_8, Qt::KeypadModifier);
        QCOMPARE(e.CurShape, RotatedShape(RotatedShape(before, true), true));
    }

    void quitKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("E") << int(Qt::Key_E) << int(Qt::NoModifier);
        QTest::newRow("shift E") << int(Qt::Key_E) << int(Qt::ShiftModifier);
        QTest::newRow("alt E") << int(Qt::Key_E) << int(Qt::AltModifier);
        QTest::newRow("ctrl X") << int(Qt::Key_X) << int(Qt::ControlModifier);
    }
    void quitKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        MainWindowUnderTest w;
        press(w.form.get(), Qt::Key_F2);
        w.sound.take();
        QTest::keyClick(w.form.get(), static_cast<Qt::Key>(key), static_cast<Qt::KeyboardModifiers>(modifiers));
        QVERIFY(!w.form->isVisible());
        QVERIFY2(w.sound.take().isEmpty() || key == Qt::Key_X, "no box, no sound: it just ends");
    }

    void ctrlEIsNoQuit()
    {
        MainWindowUnderTest w;
        QTest::keyClick(w.form.get(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(w.form->isVisible());
    }

    void rightClickOnTheBackgroundOpensTheMenu()
    {
        MainWindowUnderTest w;
        QWidget* back = w.ui().mainBack;
        QTest::mousePress(back, Qt::RightButton, {}, QPoint(40, 300));
        QTest::mouseRelease(back, Qt::RightButton, {}, QPoint(40, 300));
        QTRY_VERIFY(w.form->MainPopupMenu().isVisible());
        w.form->MainPopupMenu().close();
    }
};

ZEMBRA_UI_TEST(CommandsTest)
#include "CommandsTest.moc"
