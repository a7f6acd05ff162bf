#include "QtReports.h"

#include "PrintPreview.h"
#include "services/Forms.h"

namespace report {

using platform::services;

std::optional<Report> QtReports::prepare(const platform::ReportRequest &request,
                                         QString *error) const {
    try {
        return Report::prepare(request, clubDatabasePath_, services().clock->today());
    } catch (const ReportError &fault) {
        *error = fault.message();
    } catch (const data::EngineError &fault) {
        *error = fault.message();
    }
    return std::nullopt;
}

void QtReports::preview(const platform::ReportRequest &request) {
    QString error;
    auto report = prepare(request, &error);
    if (!report) {
        services().prompter->message(platform::Icon::Exclamation, error);
        return;
    }
    platform::Forms::show<PrintPreview>()->setReport(std::make_unique<Report>(std::move(*report)));
}

bool QtReports::renderPdf(const platform::ReportRequest &request, const QString &pdfPath,
                          QString *error) {
    QString fault;
    const auto report = prepare(request, &fault);
    if (report) {
        try {
            report->writePdf(pdfPath);
            return true;
        } catch (const ReportError &writing) {
            fault = writing.message();
        }
    }
    if (error)
        *error = fault;
    return false;
}

} // namespace report
