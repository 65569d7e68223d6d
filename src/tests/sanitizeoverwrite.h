#pragma once

#include <cstdint>

#include "tests/maintest.h"

// The drive's own overwrite sanitize: started (or, when one already runs, joined) and followed
// to its end. A sanitize cannot be stopped once the drive has begun it: there is no abort.
class SanitizeOverwrite : public MainTest
{
    Q_OBJECT
public:
    explicit SanitizeOverwrite(_tDevice* device, QObject* parent = nullptr);
    ~SanitizeOverwrite() override { stop_Thread(); }

    // No movement of the drive's progress for this long ends the run FAIL: an overwrite moves
    // its progress every few seconds even on the largest drives.
    static constexpr uint32_t kStallSeconds = 3600;

    // All the drive says of its sanitize, for the log of a wait that ended without its end.
    static QString status_Text(_tDevice* device);

signals:
    void changePercent(double);
    // Time left by the drive's own estimate of the sanitize, "hh:mm:ss".
    void changeTimeEstimate(QString);
    // The drive reports that the sanitize failed: it needs a new one before it gives its data.
    void sanitizeFailed();

protected:
    int execute() override;
    void abort() override {}

private:
    int poll();
    int failed(const QString& why);
    void send_Remaining();

    int32_t state = 0;
    double percent = 0.0;
    uint64_t maxLBA = 0;
    uint32_t sanitizeStatus = 1;
};
