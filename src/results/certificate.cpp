#include "results/certificate.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

namespace certificate {

namespace {

struct EraseKind {
    const char* operation; // the operation's name in the drive log
    const char* category;
    const char* method;
};

// Overwrites through the host clear; what the drive does to all of its media (sanitize,
// cryptographic erase, a revert to the maker's state) purges.
const EraseKind kinds[] = {
    {"Erase Overwrite Full", "Clear", "Overwrite"},
    {"Erase Range", "Clear", "Overwrite"},
    {"Erase Time Test", "Clear", "Overwrite"},
    {"Write Same", "Clear", "Overwrite"},
    {"Sanitize Overwrite", "Purge", "Overwrite"},
    {"Erase Crypto", "Purge", "Crypto Erase"},
    {"PSID Erase", "Purge", "Crypto Erase"},
};

const EraseKind* kind_Of(const QString& operation)
{
    for (const EraseKind& k : kinds)
        if (operation == QLatin1String(k.operation))
            return &k;
    return nullptr;
}

// The certificate's labels, for the catalogs.
[[maybe_unused]] const char* const labels[] = {
    QT_TRANSLATE_NOOP("Certificate", "Certificate of Sanitization"),
    QT_TRANSLATE_NOOP("Certificate", "Person performing sanitization"),
    QT_TRANSLATE_NOOP("Certificate", "Operator"),
    QT_TRANSLATE_NOOP("Certificate", "Organisation"),
    QT_TRANSLATE_NOOP("Certificate", "Media information"),
    QT_TRANSLATE_NOOP("Certificate", "Manufacturer"),
    QT_TRANSLATE_NOOP("Certificate", "Model"),
    QT_TRANSLATE_NOOP("Certificate", "Serial number"),
    QT_TRANSLATE_NOOP("Certificate", "Firmware"),
    QT_TRANSLATE_NOOP("Certificate", "Media type"),
    QT_TRANSLATE_NOOP("Certificate", "Source"),
    QT_TRANSLATE_NOOP("Certificate", "Sanitization details"),
    QT_TRANSLATE_NOOP("Certificate", "Category"),
    QT_TRANSLATE_NOOP("Certificate", "Clear"),
    QT_TRANSLATE_NOOP("Certificate", "Purge"),
    QT_TRANSLATE_NOOP("Certificate", "Method used"),
    QT_TRANSLATE_NOOP("Certificate", "Overwrite"),
    QT_TRANSLATE_NOOP("Certificate", "Crypto Erase"),
    QT_TRANSLATE_NOOP("Certificate", "Method details"),
    QT_TRANSLATE_NOOP("Certificate", "Tool used"),
    QT_TRANSLATE_NOOP("Certificate", "Verification method"),
    QT_TRANSLATE_NOOP("Certificate", "Full: every sector read back"),
    QT_TRANSLATE_NOOP("Certificate", "Quick sampling: sectors read back"),
    QT_TRANSLATE_NOOP("Certificate", "None"),
    QT_TRANSLATE_NOOP("Certificate", "Verification result"),
    QT_TRANSLATE_NOOP("Certificate", "not verified"),
    QT_TRANSLATE_NOOP("Certificate", "Sectors read"),
    QT_TRANSLATE_NOOP("Certificate", "Mismatches"),
    QT_TRANSLATE_NOOP("Certificate", "Started"),
    QT_TRANSLATE_NOOP("Certificate", "Date"),
    QT_TRANSLATE_NOOP("Certificate", "Results record SHA-256"),
    QT_TRANSLATE_NOOP("Certificate", "Signature"),
};

QString tr(const char* text)
{
    return QCoreApplication::translate("Certificate", text);
}

// A label in the interface language with the English beside it, once where they are the same.
QString both(const char* text)
{
    const QString local = tr(text);
    return local == QLatin1String(text) ? local : local + " / " + QLatin1String(text);
}

QString esc(const QString& text)
{
    return text.toHtmlEscaped();
}

QString parameters_Text(const QVariantMap& parameters)
{
    QStringList parts;
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it) {
        const QVariant& v = it.value();
        const QString value = v.canConvert<QVariantList>() && v.type() != QVariant::String
                                  ? v.toStringList().join(", ")
                                  : v.toString();
        parts << it.key() + ": " + value;
    }
    return parts.join("; ");
}

QString verification_Method(const OperationOutcome::Verification& v)
{
    if (v.method == "full")
        return both("Full: every sector read back");
    if (v.method == "sample")
        return both("Quick sampling: sectors read back");
    if (v.method.isEmpty())
        return both("None");
    return esc(v.method);
}

QString verification_Result(const OperationOutcome::Verification& v)
{
    if (v.method.isEmpty())
        return both("not verified");
    QString text = both("Sectors read") + ": " + QString::number(v.sectorsRead) + ", " + both("Mismatches")
                   + ": " + QString::number(v.mismatches);
    if (!v.mismatchLbas.isEmpty()) {
        QStringList lbas;
        for (uint64_t lba : v.mismatchLbas)
            lbas << QString::number(lba);
        text += " (LBA " + lbas.join(", ") + ")";
    }
    if (v.method == "sample")
        text += QString(", seed %1").arg(v.seed);
    return text;
}

QString manufacturer_Of(const QString& model)
{
    // The record has no maker field: drives begin their model name with it.
    return model.section(' ', 0, 0, QString::SectionSkipEmpty);
}

QString iso(const QDateTime& time)
{
    if (!time.isValid())
        return QString();
    const QDateTime utc = time.toUTC();
    return utc.toString("yyyy-MM-dd HH:mm:ss") + " UTC";
}

QString html(const results::Record& r, const QByteArray& recordLine)
{
    const EraseKind* kind = kind_Of(r.operation);
    const QString verdict = results::verdict_Text(r.status);
    const QString colour = r.status == 0 ? "#1b7a1b" : "#b01010";
    const auto row = [](const char* label, const QString& value) {
        return QString("<tr><td width=\"38%\" style=\"color:#444444\">%1</td><td><b>%2</b></td></tr>")
            .arg(both(label), value);
    };
    const auto heading = [](const char* text) {
        return QString("<tr><td colspan=\"2\" style=\"background:#dfe6ee; font-weight:bold\">%1</td></tr>")
            .arg(both(text));
    };
    const MachineIdentity& m = r.machine;
    QString machine = esc(QStringList{m.vendor, m.product}.join(' ').trimmed());
    if (!m.serial.isEmpty())
        machine += ", S/N " + esc(m.serial);
    if (!m.uuid.isEmpty())
        machine += ", UUID " + esc(m.uuid);

    QString methodDetails = esc(r.operation);
    const QString params = parameters_Text(r.outcome.parameters);
    if (!params.isEmpty())
        methodDetails += "; " + esc(params);
    // The drive's whole span, told apart from a range the parameters name.
    methodDetails += QString("; drive LBA 0-%1 (%2 x %3 bytes)")
                         .arg(r.drive.logicalBlocks ? r.drive.logicalBlocks - 1 : 0)
                         .arg(r.drive.logicalBlocks)
                         .arg(r.drive.blockSize);
    QString verdictLine = QString("<p align=\"center\" style=\"font-size:40pt; font-weight:bold; color:%1\">%2</p>")
                              .arg(colour, esc(verdict));
    if (!r.outcome.reason.isEmpty())
        verdictLine += QString("<p align=\"center\">%1</p>").arg(esc(r.outcome.reason));

    QString text;
    text += QString("<h2 align=\"center\">%1</h2>").arg(both("Certificate of Sanitization"));
    text += verdictLine;
    text += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" border=\"0\">";
    text += heading("Person performing sanitization");
    text += row("Operator", esc(r.operatorName));
    text += row("Organisation", esc(r.organisation));
    text += heading("Media information");
    text += row("Manufacturer", esc(manufacturer_Of(r.drive.model)));
    text += row("Model", esc(r.drive.model));
    text += row("Serial number", esc(r.drive.serial));
    text += row("Firmware", esc(r.drive.firmware));
    text += row("Media type", esc(r.drive.mediaType + ", " + r.drive.interface + ", "
                                  + QString::number(r.drive.capacity_Bytes()) + " bytes"));
    text += row("Source", machine);
    text += heading("Sanitization details");
    text += row("Category", kind ? both(kind->category) : QString());
    text += row("Method used", kind ? both(kind->method) : esc(r.operation));
    text += row("Method details", methodDetails);
    text += row("Tool used", QString("Kestrova Bootable %1").arg(KESTROVA_VERSION));
    text += row("Verification method", verification_Method(r.outcome.verification));
    text += row("Verification result", verification_Result(r.outcome.verification));
    text += row("Started", esc(iso(r.outcome.started)));
    text += row("Date", esc(iso(r.outcome.ended)));
    // On a line of its own: a hash broken over two lines cannot be searched for.
    text += heading("Results record SHA-256");
    text += QString("<tr><td colspan=\"2\" style=\"font-family:monospace; white-space:nowrap\">%1</td></tr>")
                .arg(QString::fromLatin1(QCryptographicHash::hash(recordLine, QCryptographicHash::Sha256).toHex()));
    text += heading("Signature");
    text += row("Signature", "<br/><br/>______________________________");
    text += "</table>";
    return text;
}

} // namespace

bool is_Erase(const QString& operation)
{
    return kind_Of(operation) != nullptr;
}

QString category_Of(const QString& operation)
{
    const EraseKind* k = kind_Of(operation);
    return k ? k->category : QString();
}

QString method_Of(const QString& operation)
{
    const EraseKind* k = kind_Of(operation);
    return k ? k->method : QString();
}

QString file_Name(const QString& logName, const QDateTime& ended)
{
    const QString stem = logName.endsWith(".log") ? logName.chopped(4) : logName;
    const QDateTime when = (ended.isValid() ? ended : QDateTime::currentDateTime()).toUTC();
    return stem + "-" + when.toString("yyyyMMdd'T'HHmmss'Z'") + "-erasure.pdf";
}

QByteArray render_Pdf(const results::Record& record, const QByteArray& recordLine)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(QString("Certificate of Sanitization - %1").arg(record.drive.serial));
        writer.setCreator(QString("Kestrova Bootable %1").arg(KESTROVA_VERSION));

        QPainter painter(&writer);
        const QRect page = painter.viewport();
        QTextDocument doc;
        QFont font("Helvetica Neue LT Std");
        font.setPointSizeF(10);
        // No ligatures: the text taken from the PDF must read "fi", not one glyph for it.
        font.setLetterSpacing(QFont::AbsoluteSpacing, 0.01);
        doc.setDefaultFont(font);
        doc.setHtml(html(record, recordLine));
        // Laid out in the page's own units; scaled down to keep one page whatever the values'
        // lengths (a long reason shrinks the text rather than spilling onto a second page).
        doc.documentLayout()->setPaintDevice(&writer);
        doc.setTextWidth(page.width());
        if (doc.size().height() > page.height()) {
            const qreal scale = page.height() / doc.size().height();
            doc.setTextWidth(page.width() / scale);
            painter.scale(scale, scale);
        }
        doc.drawContents(&painter);
    }
    buffer.close();
    return bytes;
}

} // namespace certificate
