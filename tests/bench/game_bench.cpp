// SPDX-License-Identifier: MIT
// In-process measurements of the real main window: CPU per game key with
// its repaint and the area repainted, the fall timer's real periods and the
// length of the row wipe. Prints one line per figure.
#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "AppLook.h"
#include "MainUnit.h"
#include "PieceSequence.h"
#include "QtGameTimer.h"
#include "SoundPlayer.h"
#include "SpriteCanvas.h"
#include "ZembraUnit.h"
#include "ui_MainUnit.h"

using namespace zembra;

namespace {

class SilentPlayer final : public SoundPlayer {
public:
    void play(const QString&, const QByteArray&) override {}
};

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Sums the area of every paint event a widget receives.
class PaintMeter : public QObject {
public:
    long pixels = 0;
    int events = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            ++events;
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region())
                pixels += static_cast<long>(r.width()) * r.height();
        }
        return false;
    }
};

const QTimer& qtimer(Timer& t)
{
    return static_cast<QtGameTimer&>(t).timer();
}

void keys(TMainForm& form)
{
    TZembra& e = form.engine();
    PaintMeter meter;
    form.form().Panel1->installEventFilter(&meter);
    form.form().mainBack->installEventFilter(&meter);
    const Qt::Key sequence[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Right, Qt::Key_Left, Qt::Key_Up};
    const int n = 3000;
    double cpu = 0;
    for (int i = 0; i < n; ++i) {
        e.FallTimer->SetEnabled(false);  // the piece stays where the keys put it
        const double t0 = cpuMs();
        QTest::keyClick(&form, sequence[i % 6]);
        QApplication::processEvents();  // the repaint
        cpu += cpuMs() - t0;
    }
    std::printf("key: %.3f ms CPU per key with its repaint (%d keys); %.0f pixels repainted per key "
                "(the well is %d)\n",
                cpu / n, n, double(meter.pixels) / n, 241 * 420);
    form.form().Panel1->removeEventFilter(&meter);
    form.form().mainBack->removeEventFilter(&meter);
}

void fallPeriods(TMainForm& form)
{
    TZembra& e = form.engine();
    for (int interval : {500, 100, 20}) {
        std::vector<double> stamps;
        QElapsedTimer clock;
        clock.start();
        auto c = QObject::connect(&qtimer(*e.FallTimer), &QTimer::timeout, [&] { stamps.push_back(clock.nsecsElapsed() / 1e6); });
        const int ticks = interval == 500 ? 8 : 40;
        while (static_cast<int>(stamps.size()) < ticks + 1) {
            if (!form.form().topause->isEnabled() || !e.Playing) {
                QTest::keyClick(&form, Qt::Key_F2);  // keep a game running
                stamps.clear();
            }
            e.FallInterval = interval;
            e.FallTimer->SetInterval(interval);
            e.FallTimer->SetEnabled(true);
            if (e.PiecePos.Row > 12) {
                e.ClearWell();
                e.DrawPiece(e.PiecePos = {5, 1}, e.CurRecord);
            }
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QObject::disconnect(c);
        double worst = 0, sum = 0;
        for (std::size_t i = 1; i < stamps.size(); ++i) {
            const double period = stamps[i] - stamps[i - 1];
            sum += period;
            worst = std::max(worst, std::abs(period - interval));
        }
        std::printf("fall %d ms: mean period %.3f ms, worst deviation %.3f ms over %zu periods\n", interval,
                    sum / (stamps.size() - 1), worst, stamps.size() - 1);
    }
}

void wipe(TMainForm& form)
{
    TZembra& e = form.engine();
    std::vector<double> totals;
    for (int run = 0; run < 10; ++run) {
        if (!form.form().topause->isEnabled())
            QTest::keyClick(&form, Qt::Key_F2);
        e.ClearWell();
        for (int c = 1; c <= 12; ++c)
            if (c != 7) {
                e.Cell(c, 21).LoadPicture("tt");
                e.Cell(c, 21).Show();
            }
        e.PiecePos = {5, 1};
        e.CurShape = 2;
        e.CurRecord = ShapeTable[2];
        e.CurCount = 4;
        e.DrawPiece(e.PiecePos, e.CurRecord);
        e.Playing = true;
        QElapsedTimer clock;
        int ticks = 0;
        double end = 0;
        auto c = QObject::connect(&qtimer(*e.EffectTimer), &QTimer::timeout, [&] {
            if (++ticks == 6)
                end = clock.nsecsElapsed() / 1e6;
        });
        clock.start();
        e.DropToBottom();
        while (ticks < 6)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QObject::disconnect(c);
        totals.push_back(end);
    }
    std::sort(totals.begin(), totals.end());
    std::printf("wipe: median %.3f ms from the landing to the sixth tick (nominal 156), range %.3f-%.3f ms\n",
                totals[totals.size() / 2], totals.front(), totals.back());
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zembra::applyAppLook(app);
    SilentPlayer silent;
    TMainForm form(silent);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    QTest::keyClick(&form, Qt::Key_F2);
    keys(form);
    fallPeriods(form);
    form.form().N3->setChecked(true);
    wipe(form);
    return 0;
}
