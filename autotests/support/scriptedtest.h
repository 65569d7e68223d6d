#pragma once

#include "tests/maintest.h"

#include <QAtomicInt>
#include <QSemaphore>

// A test operation of the suite's own: emits the signals it is told to, then polls the abort
// flag between "device operations" until released or aborted.
class ScriptedTest : public MainTest
{
    Q_OBJECT
public:
    ScriptedTest(_tDevice* d, int result, int steps = 5, int type = 1,
                 const QString& name = "Scripted")
        : MainTest(d), result(result), steps(steps)
    {
        descriptor->testName = name;
        descriptor->testType = type;
    }
    ~ScriptedTest() override { stop_Thread(); }
    QSemaphore release;
    QAtomicInt operations{0};
    QAtomicInt abortCalls{0};
    QString estimate; // sent once before the fractional progress, when not empty

signals:
    void changePercent(int);
    void changePercent(double);
    void changeTimeEstimate(QString);

protected:
    int execute() override
    {
        for (int i = 1; i <= steps; ++i)
            emit changePercent(i);
        if (!estimate.isEmpty())
            emit changeTimeEstimate(estimate);
        emit changePercent(steps + 0.5);
        emit change_Logs();
        while (!release.tryAcquire(1, 5)) {
            if (abortRequested.load()) {
                abort();
                return 5;
            }
            ++operations; // one device operation between two checks
        }
        return result;
    }
    void abort() override { ++abortCalls; }

private:
    int result;
    int steps;
};
