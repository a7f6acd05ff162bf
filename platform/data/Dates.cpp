#include "Dates.h"

#include <QLocale>

namespace data {

QString shortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString shortDate(QDate date)
{
    return QLocale().toString(date, shortDateFormat());
}

std::optional<QDate> readDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    QDate date = QDate::fromString(trimmed, Qt::ISODate);
    if (date.isValid())
        return date;

    const QLocale locale;
    date = locale.toDate(trimmed, shortDateFormat());
    if (date.isValid())
        return date;

    QString twoDigitYears = shortDateFormat();
    twoDigitYears.replace(QLatin1String("yyyy"), QLatin1String("yy"));
    date = locale.toDate(trimmed, twoDigitYears);
    if (date.isValid()) {
        // Qt reads "yy" as 19yy; move the years 1900 to 1929 into this century.
        if (date.year() < 1930)
            date = date.addYears(100);
        return date;
    }
    return std::nullopt;
}

qint64 dayNumber(QDate date)
{
    return QDate(1899, 12, 30).daysTo(date);
}

} // namespace data
