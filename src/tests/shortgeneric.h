#pragma once

#include <QMutex>
#include <QString>

#include <vector>

#include "tests/maintest.h"
#include "deviceaccess/transferbuffer.h"

// Serialises the reads of every drive running a short generic test.
extern QMutex mutexshort;

// Quick surface check with plain reads: the first 1 % of the drive, the last 1 %, then 5001
// single sectors at random. The first failed read ends it.
class ShortGeneric : public MainTest
{
    Q_OBJECT
public:
    explicit ShortGeneric(_tDevice* device, QObject* parent = nullptr);
    ~ShortGeneric() override { stop_Thread(); }

    // The LBA that a random draw r selects on a drive whose max LBA is maxLba.
    static uint64_t random_Lba(int r, uint64_t maxLba);

signals:
    // Main bar, phase bar.
    void changePercent(int, int);
    void changeNameTest(int);

protected:
    int execute() override;
    void abort() override;

private:
    enum Phase { OuterScan, InnerScan, RandomScan };

    int read_At(uint64_t lba);
    // Reads [first, end) blockCount sectors at a time; the main bar shows a third of this
    // phase's percentage on top of a third of the phase before's. 0 when all of it was read,
    // else the test's result.
    int scan(Phase phase, uint64_t first, uint64_t end, double before);
    int failure_Exit(uint64_t lba);
    int abort_Exit(Phase phase);

    int lastResult = 0;
    double percent = 0.0;
    uint8_t readProtect = 0, dpo = 0, fua = 0, rarc = 0, groupNumber = 0;
    TransferBuffer buffer;
    uint32_t transferLength = 64;
    uint64_t blockCount = 64;
    uint64_t span = 0;
    uint64_t currentLba = 0;
    uint64_t maxLba = 0;
    QString serialNumber;
    int status = 1;
};
