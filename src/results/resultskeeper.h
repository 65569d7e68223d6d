#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "results/resultsrecord.h"

namespace results {

// Writes what an operation leaves beside the drive's log: its record in "<serial>.jsonl" and,
// for an erase that ran, its certificate. A file that cannot be written (a full or read-only
// medium) is kept in memory and tried again at the next save, in order, so that a record never
// overtakes an earlier one of the same file and nothing is lost while the program runs.
class Keeper
{
public:
    struct Written {
        QStringList written; // the files that reached the medium now
        QStringList failed;  // the files that newly wait, once each (reported once, not at every retry)
    };

    // Builds and writes the operation's files; logName is the drive log's file name.
    Written keep(const Record& record, const QString& logName);
    // Tries the waiting files again.
    Written retry();
    int waiting() const { return pending.size(); }

private:
    struct Pending {
        QString name;
        QByteArray bytes;
        bool append; // a line of the records file; otherwise a whole file
        bool told = false; // its failure has been reported once
    };
    Written flush();

    QList<Pending> pending;
};

} // namespace results
