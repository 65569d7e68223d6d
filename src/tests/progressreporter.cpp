#include "tests/progressreporter.h"

#include "common/common.h"

namespace {
constexpr uint64_t kProgressIntervalNs = 100000000ull;
}

void ProgressReporter::start_Clock()
{
    clockStart = get_Time_Source_Nanoseconds();
    sentAt = clockStart;
    lastSecond = 0;
}

uint64_t ProgressReporter::elapsed_Milliseconds() const
{
    return (get_Time_Source_Nanoseconds() - clockStart) / 1000000ull;
}

void ProgressReporter::send_Percent(double value, bool lastStep)
{
    const QString text = QString::number(value, 'f', 2);
    if (text == sentText)
        return;
    const uint64_t at = get_Time_Source_Nanoseconds();
    if (!lastStep && !sentText.isEmpty() && int(value) == int(sentValue) && at - sentAt < kProgressIntervalNs)
        return;
    sentText = text;
    sentValue = value;
    sentAt = at;
    emit changePercent(value);
}

bool ProgressReporter::new_Second()
{
    const int s = elapsed_Seconds();
    if (s <= lastSecond)
        return false;
    lastSecond = s;
    return true;
}

void ProgressReporter::send_Estimate(double done, double total)
{
    if (done <= 0 || !new_Second())
        return;
    emit changeTimeEstimate(remaining_Time_Text(int64_t(total * lastSecond / done - lastSecond)));
}

void ProgressReporter::send_Remaining(int64_t seconds)
{
    if (new_Second())
        emit changeTimeEstimate(remaining_Time_Text(seconds));
}
