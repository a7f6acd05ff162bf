#include "ReportRows.h"

#include "data/Dates.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>
#include <optional>

namespace report {

namespace {

// Weights are typed as text; they count as numbers when they read as one.
std::optional<double> readNumber(const QString &text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    double number = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        number = QLocale::c().toDouble(trimmed, &ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

// How one value sorts: numbers before dates before texts, empty values last.
struct SortKey {
    enum Kind { Number, Date, Text, Empty };
    Kind kind = Empty;
    double number = 0;
    std::optional<QCollatorSortKey> text;

    int compare(const SortKey &other) const {
        if (kind != other.kind)
            return kind < other.kind ? -1 : 1;
        if (kind == Text)
            return text->compare(*other.text);
        if (kind == Empty || number == other.number)
            return 0;
        return number < other.number ? -1 : 1;
    }
};

} // namespace

std::vector<int> ReportRows::best(const QString &field) const {
    const int column = int(std::find_if(fields.begin(), fields.end(),
                                        [&](const data::Field &f) { return f.name == field; }) -
                           fields.begin());
    std::vector<int> rows;
    std::optional<double> highest;
    for (int row = 0; row < int(values.size()); ++row) {
        const auto number = readNumber(values[size_t(row)].value(column));
        if (!number || (highest && *number < *highest))
            continue;
        if (!highest || *number > *highest)
            rows.clear();
        highest = number;
        rows.push_back(row);
    }
    return rows;
}

ReportRows readRows(const data::Recordset &records, const QList<ReportTemplate::OrderKey> &order) {
    ReportRows result;
    result.fields = records.fields();
    std::vector<std::vector<QVariant>> columns;
    for (const data::Field &field : result.fields) {
        std::vector<QVariant> column;
        for (auto &[bookmark, value] : records.column(field.name))
            column.push_back(std::move(value));
        columns.push_back(std::move(column));
    }
    const size_t count = columns.empty() ? 0 : columns.front().size();

    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::vector<std::vector<SortKey>> keys(count);
    for (const ReportTemplate::OrderKey &key : order) {
        const int column = records.fieldIndex(key.field);
        for (size_t row = 0; row < count; ++row) {
            const QVariant &value = columns[size_t(column)][row];
            SortKey sortKey;
            if (value.typeId() == QMetaType::QDate) {
                sortKey.kind = SortKey::Date;
                sortKey.number = double(value.toDate().toJulianDay());
            } else if (const QString text = value.toString(); text.trimmed().isEmpty()) {
                sortKey.kind = SortKey::Empty;
            } else if (const auto number = readNumber(text)) {
                sortKey.kind = SortKey::Number;
                sortKey.number = *number;
            } else {
                sortKey.kind = SortKey::Text;
                sortKey.text = collator.sortKey(text);
            }
            keys[row].push_back(std::move(sortKey));
        }
    }
    // Compares two rows by the ordering fields; a descending field turns the
    // values of each kind round, but numbers still come first and empty values last.
    const auto compare = [&](size_t a, size_t b) {
        for (qsizetype k = 0; k < order.size(); ++k) {
            const SortKey &left = keys[a][size_t(k)];
            const SortKey &right = keys[b][size_t(k)];
            int result = left.compare(right);
            if (order[k].descending && left.kind == right.kind)
                result = -result;
            if (result != 0)
                return result;
        }
        return 0;
    };
    std::vector<size_t> sequence(count);
    std::iota(sequence.begin(), sequence.end(), size_t(0));
    std::stable_sort(sequence.begin(), sequence.end(),
                     [&](size_t a, size_t b) { return compare(a, b) < 0; });

    result.values.reserve(count);
    result.places.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const size_t row = sequence[i];
        QStringList texts;
        texts.reserve(qsizetype(columns.size()));
        for (const auto &column : columns) {
            const QVariant &value = column[row];
            texts << (value.typeId() == QMetaType::QDate ? data::shortDate(value.toDate())
                                                         : value.toString());
        }
        result.values.push_back(std::move(texts));
        const bool tied = i > 0 && !order.isEmpty() && compare(sequence[i - 1], row) == 0;
        result.places.push_back(tied ? result.places.back() : int(i) + 1);
    }
    return result;
}

} // namespace report
