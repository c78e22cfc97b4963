// SPDX-License-Identifier: MIT
// The score line, the stars, the level name and the level-up message.
#include "UiTestSupport.h"
#include "UiTests.h"

using namespace zembra;
using namespace zembra::testing;

namespace {

int visibleStars(TMainForm& form)
{
    int n = 0;
    for (int i = 1; i <= 10; ++i)
        n += form.StarImage(i).Shown();
    return n;
}

// Stars 1..n shown and the rest hidden.
bool starsUpTo(TMainForm& form, int n)
{
    for (int i = 1; i <= 10; ++i)
        if (form.StarImage(i).Shown() != (i <= n))
            return false;
    return true;
}

}  // namespace

class ScoreDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void scoresWithinTheFirstLevel_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("stars");
        QTest::newRow("999") << 999 << 1;
        QTest::newRow("1000") << 1000 << 2;
        QTest::newRow("4550") << 4550 << 5;
        QTest::newRow("9999") << 9999 << 10;
    }
    void scoresWithinTheFirstLevel()
    {
        QFETCH(int, score);
        QFETCH(int, stars);
        MainWindowUnderTest w;
        QTest::keyClick(w.form.get(), Qt::Key_F2);
        w.sound.take();
        w.engine().Score = score;
        w.form->UpdateScoreDisplay();
        QCOMPARE(w.ui().Labelsoure->text(), QString::number(score));
        QVERIFY(starsUpTo(*w.form, stars));
        QCOMPARE(w.ui().name->text(), QStringLiteral("一级"));
        QVERIFY(!w.ui().tslabel->isVisible());
        QVERIFY(w.sound.take().isEmpty());
    }

    void promotions_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("stars");
        QTest::newRow("into 二级") << 9850 << 10250 << "二级" << 1;
        QTest::newRow("into 三级 with stars") << 19000 << 21350 << "三级" << 2;
        QTest::newRow("into 五级") << 39999 << 40149 << "五级" << 1;
        QTest::newRow("into 无敌") << 49850 << 50000 << "无敌" << 1;
    }
    void promotions()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(QString, level);
        QFETCH(int, stars);
        MainWindowUnderTest w;
        QTest::keyClick(w.form.get(), Qt::Key_F2);
        // The levels below were announced on the way, as in a real game.
        for (int level = 1; level <= before / 10000; ++level) {
            w.engine().Score = level * 10000;
            w.form->UpdateScoreDisplay();
        }
        w.engine().Score = before;
        w.form->UpdateScoreDisplay();
        w.sound.take();
        w.engine().Score = after;
        w.form->UpdateScoreDisplay();
        QCOMPARE(w.ui().name->text(), level);
        QCOMPARE(w.ui().tslabel->text(), QStringLiteral("恭喜你升级为") + level);
        QVERIFY(w.ui().tslabel->isVisible());
        QCOMPARE(w.sound.take(), QStringList{"next"});
        QVERIFY(starsUpTo(*w.form, stars));
        QCOMPARE(w.form->LevelShown(), after / 10000);
        // The message goes with the next landing.
        w.engine().Land();
        QVERIFY(!w.ui().tslabel->isVisible());
    }

    void fromSixtyThousandOnlyTheNumberChanges()
    {
        MainWindowUnderTest w;
        QTest::keyClick(w.form.get(), Qt::Key_F2);
        for (int level = 1; level <= 5; ++level) {
            w.engine().Score = level * 10000 + 8000;
            w.form->UpdateScoreDisplay();
        }
        QCOMPARE(w.form->LevelShown(), 5);
        QCOMPARE(visibleStars(*w.form), 9);
        w.sound.take();
        w.engine().Score = 61250;
        w.form->UpdateScoreDisplay();
        QCOMPARE(w.ui().Labelsoure->text(), QStringLiteral("61250"));
        QCOMPARE(w.ui().name->text(), QStringLiteral("无敌"));
        QCOMPARE(visibleStars(*w.form), 9);
        QCOMPARE(w.form->LevelShown(), 5);
        QVERIFY(w.sound.take().isEmpty());
    }

    void aNewGameAfterAHighScoreStartsOver()
    {
        MainWindowUnderTest w;
        QTest::keyClick(w.form.get(), Qt::Key_F2);
        w.engine().Score = 10400;
        w.form->UpdateScoreDisplay();
        w.engine().Score = 13400;
        w.form->UpdateScoreDisplay();
        auto answer = answerNextBox(QMessageBox::Ok);
        QTest::keyClick(w.form.get(), Qt::Key_F2);
        QVERIFY(answer->seen);
        QCOMPARE(w.ui().Labelsoure->text(), QStringLiteral("0"));
        QCOMPARE(w.ui().name->text(), QStringLiteral("一级"));
        QVERIFY(starsUpTo(*w.form, 1));
        QVERIFY(!w.ui().tslabel->isVisible());
        QCOMPARE(w.form->LevelShown(), 0);
        w.sound.take();
        w.engine().Score = 10150;
        w.form->UpdateScoreDisplay();
        QCOMPARE(w.sound.take(), QStringList{"next"});  // the first promotion is announced anew
    }

    void aStartDuringTheWipeKeepsTheOldRowsOutOfTheNewGame()
    {
        MainWindowUnderTest w;
        QTest::keyClick(w.form.get(), Qt::Key_F2);
        TZembra& e = w.engine();
        for (int c = 1; c <= 12; ++c) {
            e.Cell(c, 21).LoadPicture("tt");
            e.Cell(c, 21).Show();
        }
        e.DropToBottom();
        QVERIFY(w.effectTimer().isActive());
        auto answer = answerNextBox(QMessageBox::Ok);
        QTest::keyClick(w.form.get(), Qt::Key_F2);
        QVERIFY(answer->seen);
        QVERIFY(!w.effectTimer().isActive());
        QTest::qWait(250);  // longer than a whole wipe
        QCOMPARE(e.Score, 0);
        QCOMPARE(w.ui().Labelsoure->text(), QStringLiteral("0"));
        QVERIFY(e.Playing);
        QCOMPARE(w.shownWellCells(), ShapeCellCount(e.CurShape));
    }
};

ZEMBRA_UI_TEST(ScoreDisplayTest)
#include "ScoreDisplayTest.moc"
