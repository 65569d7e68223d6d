#include "results/resultskeeper.h"

#include "results/certificate.h"
#include "tests/maintest.h"

namespace results {

Keeper::Written Keeper::keep(const Record& record, const QString& logName)
{
    const QByteArray line = to_Json_Line(record);
    pending.append({records_Name(logName), line, true});
    // An erase that never started changed nothing: it needs no certificate.
    if (certificate::is_Erase(record.operation) && record.status != TestStatus::UnableToRun)
        pending.append({certificate::file_Name(logName, record.outcome.ended),
                        certificate::render_Pdf(record, line), false});
    return flush();
}

Keeper::Written Keeper::retry()
{
    return flush();
}

Keeper::Written Keeper::flush()
{
    Written result;
    QStringList waiting;
    QList<Pending> still;
    for (Pending p : qAsConst(pending)) {
        // Lines of one file keep their order: once one waits, the later ones wait behind it.
        const bool blocked = waiting.contains(p.name);
        const bool ok = !blocked && (p.append ? append_Record(p.name, p.bytes) : write_File(p.name, p.bytes));
        if (ok) {
            if (!result.written.contains(p.name))
                result.written << p.name;
            continue;
        }
        if (!waiting.contains(p.name))
            waiting << p.name;
        if (!p.told && !result.failed.contains(p.name))
            result.failed << p.name;
        p.told = true;
        still << p;
    }
    pending = still;
    return result;
}

} // namespace results
