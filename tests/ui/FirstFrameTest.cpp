// SPDX-License-Identifier: MIT
// Work deferred to the first frame: it waits for the window to be painted,
// runs once, has a latest time, and is dropped with its window.
#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <memory>

#include "FirstFrame.h"
#include "UiTests.h"

using namespace zembra;

namespace {

// Records whether the window had been painted when the work ran.
class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

}  // namespace

class FirstFrameTest : public QObject {
    Q_OBJECT

private slots:
    void runsOnceAfterTheFirstPaint()
    {
        PaintCounter window;
        window.resize(120, 80);
        window.show();
        int runs = 0;
        int paintsSeen = -1;
        afterFirstFrame(window, [&] {
            ++runs;
            paintsSeen = window.paints;
        });
        QCOMPARE(runs, 0);  // never from inside the call
        QTRY_COMPARE_WITH_TIMEOUT(runs, 1, 2000);
        QVERIFY2(paintsSeen >= 1, "the work ran before the window was painted");

        // Later frames and a second exposure do not run it again.
        window.hide();
        window.show();
        window.repaint();
        QTest::qWait(100);
        QCOMPARE(runs, 1);
    }

    void runsForAnAlreadyExposedWindowFromTheEventLoop()
    {
        QWidget window;
        window.resize(120, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int runs = 0;
        afterFirstFrame(window, [&] { ++runs; });
        QCOMPARE(runs, 0);
        QTRY_COMPARE_WITH_TIMEOUT(runs, 1, 1000);
    }

    void runsAtTheLatestTimeWhenNeverExposed()
    {
        QWidget window;
        window.resize(120, 80);
        window.winId();  // a native window that is never shown
        QVERIFY(window.windowHandle());
        QVERIFY(!window.windowHandle()->isExposed());
        int runs = 0;
        afterFirstFrame(window, [&] { ++runs; }, 500);
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);  // not at once from the event loop
        QTRY_COMPARE_WITH_TIMEOUT(runs, 1, 2000);
        QTest::qWait(100);
        QCOMPARE(runs, 1);
    }

    void isDroppedWithItsWindow()
    {
        int runs = 0;
        {
            auto window = std::make_unique<QWidget>();
            window->winId();
            afterFirstFrame(*window, [&] { ++runs; }, 50);
        }
        QTest::qWait(150);
        QCOMPARE(runs, 0);
    }
};

ZEMBRA_UI_TEST(FirstFrameTest)
#include "FirstFrameTest.moc"
