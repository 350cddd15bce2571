#pragma once
// Where a clock without a signal from the display puts the refreshes: on a grid of
// the screen's period from the moment the clock started, so a timer that wakes a
// little late never shifts the grid and the mean rate stays the screen's.

#include <QtGlobal>

namespace display {

// The period of a screen refreshed `hertz` times a second. Screens that report no
// rate or an implausible one are taken as 60 Hz.
qint64 refreshPeriodNs(qreal hertz);

struct RefreshSlot {
    qint64 refresh;    // how many periods after the origin the slot lies (1 is the first)
    qint64 deadlineNs; // when it begins, on the clock the origin was taken from
};

// The first refresh strictly after `nowNs`.
RefreshSlot nextRefresh(qint64 originNs, qint64 periodNs, qint64 nowNs);

// The refresh that `nowNs` lies in (0 before the first period has ended).
qint64 refreshAt(qint64 originNs, qint64 periodNs, qint64 nowNs);

// A millisecond timer that wakes at or after `deadlineNs`, never before it.
int timerIntervalMs(qint64 deadlineNs, qint64 nowNs);

} // namespace display
