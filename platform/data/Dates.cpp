#include "Dates.h"

#include <QLocale>
#include <QStringList>

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

namespace {

// The short date form taken apart once, so that reading a date costs a few
// character comparisons: grids read thousands of them at a time.
class ShortDateReader {
public:
    explicit ShortDateReader(const QLocale &locale);

    // Nothing when the text does not follow the form.
    std::optional<QDate> read(QStringView text) const;
    bool usable() const { return usable_; }

private:
    enum class Part { Day, Month, MonthName, Year, Literal };
    struct Token {
        Part part;
        QString literal;
    };

    static int readNumber(QStringView text, qsizetype &at, int maxDigits, int *digits);
    int readMonthName(QStringView text, qsizetype &at) const;

    QList<Token> tokens_;
    QStringList monthNames_; // long and short names, lower case; month = index % 12 + 1
    bool usable_ = true;
};

ShortDateReader::ShortDateReader(const QLocale &locale)
{
    const QString format = shortDateFormat();
    for (qsizetype i = 0; i < format.size();) {
        const QChar letter = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == letter)
            ++run;
        if (letter == QLatin1Char('d') && run <= 2)
            tokens_.append({Part::Day, {}});
        else if (letter == QLatin1Char('M') && run <= 2)
            tokens_.append({Part::Month, {}});
        else if (letter == QLatin1Char('M'))
            tokens_.append({Part::MonthName, {}});
        else if (letter == QLatin1Char('y'))
            tokens_.append({Part::Year, {}});
        else if (letter.isLetter() || letter == QLatin1Char('\''))
            usable_ = false; // day names, quoted text: left to the locale
        else if (!tokens_.isEmpty() && tokens_.last().part == Part::Literal)
            tokens_.last().literal += format.mid(i, run);
        else
            tokens_.append({Part::Literal, format.mid(i, run)});
        i += run;
    }
    for (const auto type : {QLocale::LongFormat, QLocale::ShortFormat}) {
        for (int month = 1; month <= 12; ++month)
            monthNames_ << locale.monthName(month, type).toLower();
    }
}

int ShortDateReader::readNumber(QStringView text, qsizetype &at, int maxDigits, int *digits)
{
    int value = 0;
    *digits = 0;
    while (at < text.size() && *digits < maxDigits && text[at].isDigit()) {
        value = value * 10 + text[at].digitValue();
        ++at;
        ++*digits;
    }
    return value;
}

int ShortDateReader::readMonthName(QStringView text, qsizetype &at) const
{
    // The longest name that matches wins, so that "June" is not read as "Jun".
    int month = 0;
    qsizetype length = 0;
    for (qsizetype i = 0; i < monthNames_.size(); ++i) {
        const QString &name = monthNames_[i];
        if (name.size() > length && text.mid(at).startsWith(name, Qt::CaseInsensitive)) {
            month = int(i % 12) + 1;
            length = name.size();
        }
    }
    at += length;
    return month;
}

std::optional<QDate> ShortDateReader::read(QStringView text) const
{
    int day = 0;
    int month = 0;
    int year = 0;
    qsizetype at = 0;
    int digits = 0;
    for (const Token &token : tokens_) {
        switch (token.part) {
        case Part::Day:
            day = readNumber(text, at, 2, &digits);
            break;
        case Part::Month:
            month = readNumber(text, at, 2, &digits);
            break;
        case Part::MonthName:
            month = readMonthName(text, at);
            digits = month > 0 ? 1 : 0;
            break;
        case Part::Year:
            year = readNumber(text, at, 4, &digits);
            // A two-digit year means 1930 to 2029.
            if (digits == 2)
                year += year < 30 ? 2000 : 1900;
            else if (digits != 4)
                digits = 0;
            break;
        case Part::Literal:
            if (!text.mid(at).startsWith(token.literal))
                return std::nullopt;
            at += token.literal.size();
            digits = 1;
            break;
        }
        if (digits == 0)
            return std::nullopt;
    }
    const QDate date(year, month, day);
    if (at != text.size() || !date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

std::optional<QDate> readDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    QDate date = QDate::fromString(trimmed, Qt::ISODate);
    if (date.isValid())
        return date;

    const QLocale locale;
    static thread_local QString readerFormat;
    static thread_local std::optional<ShortDateReader> reader;
    const QString key = locale.name() + QLatin1Char('|') + locale.dateFormat(QLocale::ShortFormat);
    if (!reader || readerFormat != key) {
        reader.emplace(locale);
        readerFormat = key;
    }
    if (reader->usable())
        return reader->read(trimmed);

    date = locale.toDate(trimmed, shortDateFormat());
    return date.isValid() ? std::optional(date) : std::nullopt;
}

qint64 dayNumber(QDate date)
{
    return QDate(1899, 12, 30).daysTo(date);
}

} // namespace data
