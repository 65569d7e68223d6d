#pragma once

#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <cstdint>

// Accepts 1 up to as many decimal digits as maxLBA has, and nothing else.
inline QRegularExpressionValidator* lba_Validator(uint64_t maxLBA, QObject* parent)
{
    const QString pattern = "\\d{1," + QString::number(QString::number(maxLBA).size()) + "}";
    return new QRegularExpressionValidator(QRegularExpression(pattern), parent);
}
