#include "PrintPreview.h"

#include "Pages.h"

#include <QAction>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>

namespace report {

using platform::services;

PrintPreview::PrintPreview(QWidget *parent)
    : QWidget(parent, Qt::Window), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      preview_(new QPrintPreviewWidget(printer_.get(), this)), lblPage_(new QLabel(this)) {
    setObjectName(QStringLiteral("PrintPreview"));
    setWindowTitle(tr("Print Preview"));
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setAccessibleName(tr("Report pages"));
    lblPage_->setObjectName(QStringLiteral("lblPage"));
    lblPage_->setContentsMargins(8, 0, 8, 0);

    auto *toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto addAction = [&](const char *name, const QString &text, QKeySequence shortcut,
                               auto slot) {
        QAction *action = toolBar->addAction(text, this, slot);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        return action;
    };
    addAction("actPrint", tr("&Print..."), QKeySequence::Print, [this] { print(); });
    addAction("actSavePdf", tr("Save as P&DF..."), QKeySequence::Save, [this] { saveAsPdf(); });
    toolBar->addSeparator();
    addAction("actPrevious", tr("Pre&vious Page"), QKeySequence(Qt::Key_PageUp),
              [this] { preview_->setCurrentPage(preview_->currentPage() - 1); });
    addAction("actNext", tr("&Next Page"), QKeySequence(Qt::Key_PageDown),
              [this] { preview_->setCurrentPage(preview_->currentPage() + 1); });
    toolBar->addWidget(lblPage_);
    toolBar->addSeparator();
    addAction("actZoomOut", tr("Zoom &Out"), QKeySequence::ZoomOut,
              [this] { preview_->zoomOut(); });
    addAction("actZoomIn", tr("Zoom &In"), QKeySequence::ZoomIn, [this] { preview_->zoomIn(); });
    addAction("actFitWidth", tr("Fit &Width"), QKeySequence(), [this] { preview_->fitToWidth(); });
    addAction("actWholePage", tr("&Whole Page"), QKeySequence(), [this] { preview_->fitInView(); });
    toolBar->addSeparator();
    addAction("actClose", tr("&Close"), QKeySequence(Qt::Key_Escape), [this] { close(); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(preview_);
    resize(880, 960);

    connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *printer) {
        if (report_)
            report_->layOut(printer->pageLayout())->print(*printer);
    });
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, [this] { showPageNumber(); });
}

PrintPreview::~PrintPreview() = default;

void PrintPreview::setReport(std::unique_ptr<Report> report) {
    report_ = std::move(report);
    printer_->setPageLayout(report_->pageLayout());
    printer_->setDocName(report_->title());
    preview_->updatePreview();
    preview_->setCurrentPage(1);
    showPageNumber();
}

int PrintPreview::pageCount() const {
    return preview_->pageCount();
}

int PrintPreview::currentPage() const {
    return preview_->currentPage();
}

void PrintPreview::showPageNumber() {
    lblPage_->setText(tr("Page %1 of %2").arg(preview_->currentPage()).arg(preview_->pageCount()));
}

void PrintPreview::print() {
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!report_->layOut(printer_->pageLayout())->print(*printer_))
        services().prompter->message(
            platform::Icon::Exclamation,
            tr("The report \"%1\" could not be printed.").arg(report_->title()));
}

void PrintPreview::saveAsPdf() {
    const QString name = report_->title().isEmpty() ? tr("Report") : report_->title();
    QString path = services().dialogs->saveFile(
        tr("Save as PDF"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        name + QStringLiteral(".pdf"), tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    try {
        report_->writePdf(path);
    } catch (const ReportError &error) {
        services().prompter->message(platform::Icon::Exclamation, error.message());
    }
}

} // namespace report
