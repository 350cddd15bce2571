#include "display/core/refreshschedule.h"

#include <QTest>
#include <limits>

using display::nextRefresh;
using display::refreshAt;
using display::refreshPeriodNs;
using display::timerIntervalMs;

namespace {
constexpr qint64 kMs = 1'000'000;
constexpr qint64 k60Hz = 16'666'667;
} // namespace

class TestRefreshSchedule : public QObject {
    Q_OBJECT
private slots:
    void thePeriodComesFromTheScreensRate_data()
    {
        QTest::addColumn<qreal>("hertz");
        QTest::addColumn<qint64>("period");
        QTest::addRow("60 Hz") << 60.0 << k60Hz;
        QTest::addRow("59.94 Hz") << 59.94 << qint64(16'683'350);
        QTest::addRow("144 Hz") << 144.0 << qint64(6'944'444);
        QTest::addRow("75 Hz") << 75.0 << qint64(13'333'333);
        // Screens that report nothing sensible are taken as 60 Hz.
        QTest::addRow("no rate") << 0.0 << k60Hz;
        QTest::addRow("negative") << -1.0 << k60Hz;
        QTest::addRow("not a number") << std::numeric_limits<qreal>::quiet_NaN() << k60Hz;
        QTest::addRow("absurdly fast") << 1e9 << k60Hz;
    }
    void thePeriodComesFromTheScreensRate()
    {
        QFETCH(qreal, hertz);
        QFETCH(qint64, period);
        QCOMPARE(refreshPeriodNs(hertz), period);
    }

    void theNextRefreshLiesOnTheGrid_data()
    {
        QTest::addColumn<qint64>("now");
        QTest::addColumn<qint64>("refresh");
        QTest::addColumn<qint64>("deadline");
        const qint64 origin = 1000 * kMs;
        QTest::addRow("at the start") << origin << qint64(1) << origin + k60Hz;
        QTest::addRow("inside the first period") << origin + 5 * kMs << qint64(1) << origin + k60Hz;
        // Exactly on a boundary the refresh has begun: the next one is a period later.
        QTest::addRow("on a boundary") << origin + k60Hz << qint64(2) << origin + 2 * k60Hz;
        QTest::addRow("one nanosecond before a boundary")
            << origin + k60Hz - 1 << qint64(1) << origin + k60Hz;
        QTest::addRow("woken three periods late")
            << origin + 3 * k60Hz + 2 * kMs << qint64(4) << origin + 4 * k60Hz;
        QTest::addRow("a clock before the origin")
            << origin - 7 * kMs << qint64(1) << origin + k60Hz;
    }
    void theNextRefreshLiesOnTheGrid()
    {
        QFETCH(qint64, now);
        QFETCH(qint64, refresh);
        QFETCH(qint64, deadline);
        const auto slot = nextRefresh(1000 * kMs, k60Hz, now);
        QCOMPARE(slot.refresh, refresh);
        QCOMPARE(slot.deadlineNs, deadline);
        QVERIFY(slot.deadlineNs > now);
    }

    void theRefreshANowFallsIn()
    {
        QCOMPARE(refreshAt(0, k60Hz, 0), 0);
        QCOMPARE(refreshAt(0, k60Hz, k60Hz - 1), 0);
        QCOMPARE(refreshAt(0, k60Hz, k60Hz), 1);
        QCOMPARE(refreshAt(0, k60Hz, 10 * k60Hz + 5), 10);
        QCOMPARE(refreshAt(0, 0, 100), 0);
    }

    void theTimerNeverWakesBeforeTheDeadline_data()
    {
        QTest::addColumn<qint64>("deadline");
        QTest::addColumn<qint64>("now");
        QTest::addColumn<int>("interval");
        QTest::addRow("16.67 ms ahead") << k60Hz << qint64(0) << 17;
        QTest::addRow("a whole millisecond ahead") << 5 * kMs << qint64(0) << 5;
        QTest::addRow("a nanosecond ahead") << qint64(1) << qint64(0) << 1;
        QTest::addRow("now") << qint64(100) << qint64(100) << 0;
        QTest::addRow("passed") << qint64(100) << qint64(5 * kMs) << 0;
    }
    void theTimerNeverWakesBeforeTheDeadline()
    {
        QFETCH(qint64, deadline);
        QFETCH(qint64, now);
        QFETCH(int, interval);
        QCOMPARE(timerIntervalMs(deadline, now), interval);
    }

    void aLateTimerKeepsTheMeanRate()
    {
        // A millisecond timer cannot hit 16.67 ms; waking at the millisecond after each
        // grid point, plus some lateness, must still give exactly one tick per period
        // on average, with no refresh skipped.
        const qint64 origin = 123 * kMs;
        qint64 now = origin;
        qint64 last = 0;
        const int ticks = 600;
        const qint64 lateness[] = {0, 300'000, 900'000, 50'000, 2 * kMs};
        for (int i = 0; i < ticks; ++i) {
            const auto slot = nextRefresh(origin, k60Hz, now);
            now += qint64(timerIntervalMs(slot.deadlineNs, now)) * kMs + lateness[i % 5];
            const qint64 refresh = refreshAt(origin, k60Hz, now);
            QCOMPARE(refresh, last + 1);
            last = refresh;
        }
        const double meanMs = double(now - origin) / ticks / kMs;
        QVERIFY2(qAbs(meanMs - 16.6667) < 0.02, qPrintable(QString::number(meanMs)));
    }

    void aFixedSixteenMillisecondTimerWouldDrift()
    {
        // Why the grid: a plain 16 ms timer against a 60 Hz screen hits one refresh
        // twice every 25 ticks, which the pupil sees as a stutter 2.5 times a second.
        qint64 now = 0;
        qint64 last = 0;
        int repeats = 0;
        for (int i = 0; i < 150; ++i) {
            now += 16 * kMs;
            const qint64 refresh = refreshAt(0, k60Hz, now);
            repeats += refresh == last;
            last = refresh;
        }
        // 2.4 s: 150 ticks against 144 refreshes.
        QVERIFY(repeats >= 6 && repeats <= 7);
    }
};

QTEST_GUILESS_MAIN(TestRefreshSchedule)
#include "tst_refreshschedule.moc"
