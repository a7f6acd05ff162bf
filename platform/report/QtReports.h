#pragma once

#include "Report.h"
#include "services/Services.h"

#include <optional>

namespace report {

// The Reports service: our report engine, its preview window and PDF output.
class QtReports : public platform::Reports {
public:
    // The club's name and address on every report come from the club database.
    explicit QtReports(QString clubDatabasePath) : clubDatabasePath_(std::move(clubDatabasePath)) {}

    void preview(const platform::ReportRequest &request) override;
    bool renderPdf(const platform::ReportRequest &request, const QString &pdfPath,
                   QString *error) override;

private:
    std::optional<Report> prepare(const platform::ReportRequest &request, QString *error) const;

    QString clubDatabasePath_;
};

} // namespace report
