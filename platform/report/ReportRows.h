#pragma once

#include "ReportTemplate.h"

#include <vector>

namespace data {
class Recordset;
}

namespace report {

// The records a report prints, as the text it prints, in the template's order.
struct ReportRows {
    QList<data::Field> fields;
    std::vector<QStringList> values; // per row, one text per field
    // Each row's place in the order; rows equal in every ordering field share one.
    std::vector<int> places;

    // The rows with the highest number in a field, in printed order.
    std::vector<int> best(const QString &field) const;
};

// Reads every record of a recordset and puts the records in order: numbers by
// value, dates by date, texts alphabetically; empty values last either way.
ReportRows readRows(const data::Recordset &records, const QList<ReportTemplate::OrderKey> &order);

} // namespace report
