#include "QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace platform {

namespace {
QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Stop:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}
} // namespace

Answer QtPrompter::message(Icon icon, const QString &text, Buttons buttons, const QString &title)
{
    QMessageBox box(boxIcon(icon), title.isEmpty() ? programTitle : title, text,
                    boxButtons(buttons), QApplication::activeWindow());
    // Closing a Yes/No box counts as No.
    if (buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::Ok ? Answer::Ok
               : buttons == Buttons::YesNo ? Answer::No
                                           : Answer::Cancel;
    }
}

QString QtDialogs::openFile(const QString &title, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
}

QString QtDialogs::saveFile(const QString &title, const QString &folder, const QString &fileName,
                            const QString &filter)
{
    const QString start = fileName.isEmpty() ? folder : folder + QLatin1Char('/') + fileName;
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, start, filter);
}

bool QtShell::open(const QUrl &address) { return QDesktopServices::openUrl(address); }

bool QtPrinter::printImage(const QImage &image, const QString &documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint(page.x() + (page.width() - size.width()) / 2, page.y()), size),
                      image);
    return true;
}

void QtClipboard::setText(const QString &text) { QApplication::clipboard()->setText(text); }

QString QtClipboard::text() const { return QApplication::clipboard()->text(); }

Services desktopServices()
{
    Services result;
    result.prompter = std::make_unique<QtPrompter>();
    result.dialogs = std::make_unique<QtDialogs>();
    result.shell = std::make_unique<QtShell>();
    result.printer = std::make_unique<QtPrinter>();
    result.clipboard = std::make_unique<QtClipboard>();
    result.clock = std::make_unique<SystemClock>();
    return result;
}

} // namespace platform
