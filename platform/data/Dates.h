#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace data {

// The locale's short date form, always with a four-digit year.
QString shortDateFormat();
QString shortDate(QDate date);

// Reads a date written as ISO text ("2027-03-14") or in the short date form.
// A two-digit year means 1930 to 2029. Returns nothing for text that is not a date.
std::optional<QDate> readDate(const QString &text);

// The number of days since 30 December 1899, as dates are counted for sorting.
qint64 dayNumber(QDate date);

} // namespace data
