#pragma once

#include "Markup.h"
#include "ReportTemplate.h"
#include "services/Services.h"

#include <QDate>
#include <QPageLayout>
#include <memory>

namespace report {

class Pages;

// A report filled in from its template and data, ready to lay out on pages.
class Report {
public:
    // Reads the template and the data source and fills the template in; the
    // club's name and address come from the club database. Throws ReportError
    // for a fault of the template and data::EngineError for one of the data.
    static Report prepare(const platform::ReportRequest &request, const QString &clubDatabasePath,
                          QDate printDate);

    const QString &title() const { return title_; }
    // The filled-in markup the pages are laid out from.
    const QString &markup() const { return markup_; }
    // The page a report starts on: the locale's paper (Letter or A4), the
    // template's orientation, half-inch margins.
    QPageLayout pageLayout() const;
    std::unique_ptr<Pages> layOut(const QPageLayout &page) const;
    // Throws ReportError when the file can not be written.
    void writePdf(const QString &path) const;

private:
    QString title_;
    QString footer_;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    QString markup_;
    QList<markup::Block> blocks_;
};

} // namespace report
