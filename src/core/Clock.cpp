#include "core/Clock.h"

#include <QDateTime>

namespace {
const Clock systemClock;
const Clock* installed = nullptr;
}

double Clock::now() const
{
    return double(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
}

const Clock& Clock::current()
{
    return installed ? *installed : systemClock;
}

void Clock::setCurrent(const Clock* clock)
{
    installed = clock;
}
