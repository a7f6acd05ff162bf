#pragma once

#include <QString>
#include <QVariant>
#include <ostream>

// Readable failure output for Qt values in GoogleTest assertions.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QVariant &value, std::ostream *out)
{
    if (value.isNull())
        *out << "null";
    else
        PrintTo(value.toString(), out);
}
