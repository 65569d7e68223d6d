#pragma once

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>
#include <cstdint>

// What one finished operation found, beyond its status: the panel shows the reason, the drive's
// log and the results record keep all of it. Filled on the operation's thread; read by others
// only after the thread has finished.
struct OperationOutcome {
    // Why the verdict is not PASS, as the catalog's source text (translated where shown); empty
    // for a PASS.
    QString reason;
    // The catalog key reason begins with; the rest of reason (LBAs, counts, codes) stays as it is
    // in every language.
    QString reasonKey;
    // Library results the verdict rests on, in the order they came.
    QList<int> libraryCodes;
    QList<uint64_t> unreadableLbas;
    QList<uint64_t> fixedLbas;
    // What was asked of the drive: range, duration, method, pattern, as name → value.
    QVariantMap parameters;
    QDateTime started;
    QDateTime ended;
    // The final status execute() returned (TestStatus); -1 until the thread has ended.
    int status = -1;

    // The read-back after an erase; method stays empty where none ran.
    struct Verification {
        QString method;       // "sample" or "full"
        uint64_t seed = 0;    // of the random LBAs in a sample
        uint64_t sectorsRead = 0;
        // Of those, the ones that could show a fault: all of an overwrite's, and the ones that
        // held data before a crypto erase or revert.
        uint64_t sectorsCompared = 0;
        uint64_t mismatches = 0;
        QList<uint64_t> mismatchLbas; // the first ones found
    } verification;
};

Q_DECLARE_METATYPE(OperationOutcome)
