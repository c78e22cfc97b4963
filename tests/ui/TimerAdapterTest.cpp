// SPDX-License-Identifier: MIT
// The engine's timer on QTimer: the same value changes nothing, a new value
// restarts the period.
#include <QElapsedTimer>
#include <QTest>

#include "QtGameTimer.h"
#include "UiTests.h"

using namespace zembra;

class TimerAdapterTest : public QObject {
    Q_OBJECT

private slots:
    void theSameValueKeepsThePeriodRunning()
    {
        QtGameTimer t;
        int ticks = 0;
        t.SetOnTick([&] { ++ticks; });
        t.SetInterval(300);
        t.SetEnabled(true);
        QTest::qWait(120);
        t.SetInterval(300);
        t.SetEnabled(true);
        QVERIFY2(t.timer().remainingTime() < 250, "the period was not restarted");
        QTRY_COMPARE_WITH_TIMEOUT(ticks, 1, 1000);
        QVERIFY(t.Enabled());
    }

    void aNewValueRestartsThePeriod()
    {
        QtGameTimer t;
        t.SetInterval(300);
        t.SetEnabled(true);
        QTest::qWait(120);
        t.SetInterval(301);
        QVERIFY(t.timer().remainingTime() > 250);
        t.SetEnabled(false);
        QVERIFY(!t.Enabled());
        t.SetEnabled(false);
        QVERIFY(!t.Enabled());
        QCOMPARE(t.Interval(), 301);
        QCOMPARE(t.timer().timerType(), Qt::PreciseTimer);
    }

    void ticksArriveAtTheInterval()
    {
        QtGameTimer t;
        int ticks = 0;
        t.SetOnTick([&] { ++ticks; });
        t.SetInterval(20);
        QElapsedTimer clock;
        clock.start();
        t.SetEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 5, 2000);
        t.SetEnabled(false);
        QVERIFY(clock.elapsed() >= 95);
    }
};

ZEMBRA_UI_TEST(TimerAdapterTest)
#include "TimerAdapterTest.moc"
