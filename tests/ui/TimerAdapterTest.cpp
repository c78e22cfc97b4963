// SPDX-License-Identifier: MIT
// The engine's timer on QTimer, on a clock the test steps: periods keep to
// the clock however late or slow their ticks, a stall starts the count
// afresh, the same value changes nothing. What the timer decides is the wait
// it arms its QTimer with.
#include <QCoreApplication>
#include <QTest>
#include <functional>

#include "QtGameTimer.h"
#include "UiTests.h"

using namespace zembra;

namespace {

constexpr qint64 kMs = 1000000;

// A game timer on a stepped clock, and the QTimer expiries the event loop
// would deliver.
struct SteppedTimer {
    qint64 now = 0;
    QtGameTimer timer{[this] { return now; }};
    int ticks = 0;
    std::function<void()> onTick = [] {};

    explicit SteppedTimer(int interval)
    {
        timer.SetOnTick([this] {
            ++ticks;
            onTick();
        });
        timer.SetInterval(interval);
        timer.SetEnabled(true);
    }
    void advance(int ms) { now += ms * kMs; }
    // The armed wait in milliseconds, -1 when the QTimer is idle.
    int armed() const { return timer.timer().isActive() ? timer.timer().interval() : -1; }
    // The armed wait runs out `late` ms late; an idle QTimer never expires.
    void expire(int late = 0)
    {
        if (armed() < 0)
            return;
        advance(armed() + late);
        QTimerEvent timeout(timer.timer().timerId());
        QCoreApplication::sendEvent(&timer.timer(), &timeout);
    }
};

using Change = std::function<void(QtGameTimer&)>;

}  // namespace

Q_DECLARE_METATYPE(Change)

class TimerAdapterTest : public QObject {
    Q_OBJECT

private slots:
    void startsStoppedOnAPreciseTimer()
    {
        QtGameTimer t;
        t.SetInterval(301);
        QCOMPARE(t.Interval(), 301);
        QVERIFY(!t.Enabled());
        QVERIFY(!t.timer().isActive());
        QCOMPARE(t.timer().timerType(), Qt::PreciseTimer);
    }

    // A 20 ms timer enabled at 0 ticks `late` ms after 20; its handler runs
    // `busy` ms. The next period still ends at 40, unless 40 has passed.
    void periodsKeepToTheClock_data()
    {
        QTest::addColumn<int>("late");
        QTest::addColumn<int>("busy");
        QTest::addColumn<int>("armed");
        QTest::newRow("on time") << 0 << 0 << 20;
        QTest::newRow("late") << 6 << 0 << 14;
        QTest::newRow("slow handler") << 0 << 7 << 13;
        QTest::newRow("late and slow") << 4 << 5 << 11;
        QTest::newRow("due again as it ends") << 12 << 8 << 0;
        QTest::newRow("ends a period late: afresh") << 12 << 9 << 20;
        QTest::newRow("delivered a period late: afresh") << 30 << 0 << 20;
        QTest::newRow("stalled five periods: afresh") << 0 << 100 << 20;
    }
    void periodsKeepToTheClock()
    {
        QFETCH(int, late);
        QFETCH(int, busy);
        QFETCH(int, armed);
        SteppedTimer s(20);
        s.onTick = [&] { s.advance(busy); };
        QCOMPARE(s.armed(), 20);
        s.expire(late);
        QCOMPARE(s.armed(), armed);
    }

    // The row wipe: each tick, 1 ms late and 2 ms long, sets an interval
    // 10 ms shorter. Counting each from when its tick was due, the fifth
    // tick is due at 50 + 40 + 30 + 20 + 10 = 150 ms.
    void anIntervalSetInATickCountsFromWhenItWasDue()
    {
        SteppedTimer s(50);
        s.onTick = [&] {
            s.advance(2);
            s.timer.SetInterval(s.timer.Interval() - 10);
        };
        QList<int> waits{s.armed()};
        for (int tick = 1; tick < 5; ++tick) {
            s.expire(1);
            waits << s.armed();
        }
        QCOMPARE(waits, (QList<int>{50, 37, 27, 17, 7}));
        QCOMPARE(s.now + s.armed() * kMs, 150 * kMs);
    }

    // After a tick 5 ms late the QTimer waits 15 ms for the period's end;
    // a restarted period would wait the whole interval.
    void changesAfterALateTick_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("armed");
        QTest::newRow("same interval") << Change([](QtGameTimer& t) { t.SetInterval(20); }) << 15;
        QTest::newRow("enabled again") << Change([](QtGameTimer& t) { t.SetEnabled(true); }) << 15;
        QTest::newRow("new interval") << Change([](QtGameTimer& t) { t.SetInterval(30); }) << 30;
        QTest::newRow("disabled") << Change([](QtGameTimer& t) { t.SetEnabled(false); }) << -1;
        QTest::newRow("disabled, enabled") << Change([](QtGameTimer& t) {
            t.SetEnabled(false);
            t.SetEnabled(true);
        }) << 20;
    }
    void changesAfterALateTick()
    {
        QFETCH(Change, change);
        QFETCH(int, armed);
        SteppedTimer s(20);
        s.expire(5);
        QCOMPARE(s.armed(), 15);
        change(s.timer);
        QCOMPARE(s.armed(), armed);
    }

    // A landing inside a tick disables the timer and enables it again: the
    // next period is a whole interval from then. Disabled in a tick, it stays
    // off.
    void enablingInATickStartsAfresh()
    {
        SteppedTimer s(20);
        s.onTick = [&] {
            s.advance(3);
            s.timer.SetEnabled(false);
            s.timer.SetEnabled(s.ticks < 2);
        };
        s.expire();
        QCOMPARE(s.armed(), 20);
        s.expire();
        QCOMPARE(s.ticks, 2);
        QCOMPARE(s.armed(), -1);
        QVERIFY(!s.timer.Enabled());
    }
};

ZEMBRA_UI_TEST(TimerAdapterTest)
#include "TimerAdapterTest.moc"
