#pragma once

#include <QMutex>

#include "tests/maintest.h"

// Serialises the self-test calls of every drive running a short self-test.
extern QMutex mutexShortDst;

// The drive's own short self-test, started in the background and polled until it ends.
class shortdst : public MainTest
{
    Q_OBJECT
public:
    explicit shortdst(_tDevice* device, QObject* parent = nullptr);
    ~shortdst() override { stop_Thread(); }

signals:
    void changePercent(int);

protected:
    int execute() override;
    void abort() override;
};
