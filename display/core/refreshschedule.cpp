#include "display/core/refreshschedule.h"

namespace display {

qint64 refreshPeriodNs(qreal hertz)
{
    if (!(hertz >= 20.0 && hertz <= 1000.0))
        hertz = 60.0;
    return qRound64(1e9 / hertz);
}

qint64 refreshAt(qint64 originNs, qint64 periodNs, qint64 nowNs)
{
    if (nowNs <= originNs || periodNs <= 0)
        return 0;
    return (nowNs - originNs) / periodNs;
}

RefreshSlot nextRefresh(qint64 originNs, qint64 periodNs, qint64 nowNs)
{
    const qint64 refresh = refreshAt(originNs, periodNs, nowNs) + 1;
    return {refresh, originNs + refresh * periodNs};
}

int timerIntervalMs(qint64 deadlineNs, qint64 nowNs)
{
    if (deadlineNs <= nowNs)
        return 0;
    return int((deadlineNs - nowNs + 999'999) / 1'000'000);
}

} // namespace display
