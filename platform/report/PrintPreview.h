#pragma once

#include "Report.h"

#include <QWidget>
#include <memory>

class QAction;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;

namespace report {

// The print preview window "Print Preview": the report's pages, from which
// the user prints on any printer the desktop knows or saves a PDF file.
class PrintPreview : public QWidget {
    Q_OBJECT
public:
    explicit PrintPreview(QWidget *parent = nullptr);
    ~PrintPreview() override;

    // Shows a report in place of the one shown before.
    void setReport(std::unique_ptr<Report> report);
    const Report *report() const { return report_.get(); }
    int pageCount() const;
    int currentPage() const;

private:
    void print();
    void saveAsPdf();
    void showPageNumber();

    std::unique_ptr<Report> report_;
    std::unique_ptr<QPrinter> printer_;
    QPrintPreviewWidget *preview_;
    QLabel *lblPage_;
};

} // namespace report
