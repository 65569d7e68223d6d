#include "maintest.h"

#include "devicetext.h"

namespace {
std::atomic<int> liveTests{0};
}

MainTest::MainTest(_tDevice* dev, QObject* parent)
    : QThread(parent), descriptor(new TestDescriptor), device(dev)
{
    ++liveTests;
}

MainTest::~MainTest()
{
    stop_Thread();
    delete descriptor;
    --liveTests;
}

void MainTest::stop_Thread()
{
    abortRequested.store(true);
    if (isRunning()) {
        quit();
        wait();
    }
}

int MainTest::live_Count()
{
    return liveTests.load();
}

void MainTest::run()
{
    emit changeStatus(execute());
}

QString MainTest::serial() const
{
    return device_Serial_Number(device);
}
