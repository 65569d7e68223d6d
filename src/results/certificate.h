#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "results/resultsrecord.h"

// A one-page certificate of sanitization per erase, for a person to hand over: the drive, how it
// was erased and checked, the verdict, the machine and who ran it, and the SHA-256 of the
// results record it was drawn from, so the two can be matched. Every label is in the interface
// language and in English.
namespace certificate {

// Whether the operation erases (all of a drive or a range of it) and so gets a certificate.
bool is_Erase(const QString& operation);

// The sanitization category ("Clear" or "Purge") and the method ("Overwrite", "Crypto Erase",
// ...) of an erase, in English.
QString category_Of(const QString& operation);
QString method_Of(const QString& operation);

// "<log stem>-<UTC date-time>-erasure.pdf", e.g. "BV1-20261207T221552Z-erasure.pdf": the
// drive's log name (already a safe file name) without ".log", and the erase's end.
QString file_Name(const QString& logName, const QDateTime& ended);

// The certificate as a PDF document; recordLine is the JSON record's line (without its break).
QByteArray render_Pdf(const results::Record& record, const QByteArray& recordLine);

} // namespace certificate
