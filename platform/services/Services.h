#pragma once

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>

namespace data {
class RecordSource;
}

namespace platform {

enum class Icon { None, Information, Exclamation, Question, Stop };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// The title a message carries when it has none of its own.
inline const QString programTitle = QStringLiteral("Creelbook");

// Lines of a message, joined by one line feed.
inline QString lines(const QStringList &parts) { return parts.join(QLatin1Char('\n')); }

// Modal message boxes.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer message(Icon icon, const QString &text, Buttons buttons = Buttons::Ok,
                           const QString &title = {}) = 0;
};

// The common file dialogs. An empty result means the user cancelled.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual QString openFile(const QString &title, const QString &folder,
                             const QString &filter) = 0;
    virtual QString saveFile(const QString &title, const QString &folder,
                             const QString &fileName, const QString &filter) = 0;
};

// Web addresses and mail addresses handed to the desktop.
class Shell {
public:
    virtual ~Shell() = default;
    // False when no program could be started for the address.
    virtual bool open(const QUrl &address) = 0;
};

// The program's help file, shown at a context number or at its contents.
class Help {
public:
    virtual ~Help() = default;
    virtual void setHelpFile(const QString &path) = 0;
    virtual void showTopic(int context) = 0;
    virtual void showContents() = 0;
};

// What a print command asks of the report engine: a template, a report title
// and a data source. The data source is a database file and table, or an open
// record source, whose file and table the report reads when it runs; the
// report then follows a record source that was given another recordset.
// Parts left empty fall back to the club database and the template's table.
struct ReportRequest {
    QString templatePath = {}; // a path in the program folder (programPath)
    QString title = {};        // empty for the template's own title
    QString databasePath = {};
    QString table = {};
    QPointer<data::RecordSource> recordSource = {};
};

// The report engine. A missing or faulty template, or one that names a table
// or field the data source lacks, is reported as one message naming the file
// and the fault; nothing is printed then.
class Reports {
public:
    virtual ~Reports() = default;
    // Runs the report to the print preview window "Print Preview", from which
    // the user prints it or saves it as a PDF file.
    virtual void preview(const ReportRequest &request) = 0;
    // Writes the report as a PDF file; false with the message in error on failure.
    virtual bool renderPdf(const ReportRequest &request, const QString &pdfPath,
                           QString *error) = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    // Lets the user pick a printer and prints the picture on one page; false when cancelled.
    virtual bool printImage(const QImage &image, const QString &documentName) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QDateTime now() const = 0;
};

// The services the windows use in place of calling the desktop directly.
struct Services {
    std::unique_ptr<Prompter> prompter;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<Help> help;
    std::unique_ptr<Reports> reports;
    std::unique_ptr<Printer> printer;
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<Clock> clock;
};

Services &services();
// Replaces every service; returns what was installed before.
Services installServices(Services replacement);

} // namespace platform
