#pragma once

#include "services/Services.h"

#include <deque>
#include <vector>

namespace testsupport {

// Records every message and answers from a script; with no answer scripted,
// Yes/No boxes answer No and the others their first button.
class FakePrompter : public platform::Prompter {
public:
    struct Call {
        platform::Icon icon;
        QString text;
        platform::Buttons buttons;
        QString title;
    };
    platform::Answer message(platform::Icon icon, const QString &text, platform::Buttons buttons,
                             const QString &title) override;

    std::vector<Call> calls;
    std::deque<platform::Answer> answers;
};

class FakeDialogs : public platform::Dialogs {
public:
    QString openFile(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFile(const QString &title, const QString &folder, const QString &fileName,
                     const QString &filter) override;

    QStringList titles;
    std::deque<QString> fileNames;
};

class FakeShell : public platform::Shell {
public:
    bool open(const QUrl &address) override
    {
        opened.push_back(address);
        return succeeds;
    }
    std::vector<QUrl> opened;
    bool succeeds = true;
};

class FakeHelp : public platform::Help {
public:
    void setHelpFile(const QString &path) override { helpFile = path; }
    void showTopic(int context) override { topics.push_back(context); }
    void showContents() override { ++contentsShown; }

    QString helpFile;
    std::vector<int> topics;
    int contentsShown = 0;
};

class FakeReports : public platform::Reports {
public:
    void preview(const platform::ReportRequest &request) override { previews.push_back(request); }
    bool renderPdf(const platform::ReportRequest &request, const QString &, QString *) override
    {
        pdfs.push_back(request);
        return true;
    }
    std::vector<platform::ReportRequest> previews;
    std::vector<platform::ReportRequest> pdfs;
};

class FakePrinter : public platform::Printer {
public:
    bool printImage(const QImage &image, const QString &) override
    {
        printed.push_back(image);
        return true;
    }
    std::vector<QImage> printed;
};

class FakeClipboard : public platform::Clipboard {
public:
    void setText(const QString &text) override { contents = text; }
    QString text() const override { return contents; }
    QString contents;
};

class FakeClock : public platform::Clock {
public:
    QDate today() const override { return date; }
    QDateTime now() const override { return QDateTime(date, QTime(9, 30)); }
    QDate date{2027, 3, 14};
};

// Installs a fake of every service for the lifetime of the object.
class FakeServices {
public:
    FakeServices();
    ~FakeServices();
    FakeServices(const FakeServices &) = delete;
    FakeServices &operator=(const FakeServices &) = delete;

    FakePrompter *prompter;
    FakeDialogs *dialogs;
    FakeShell *shell;
    FakeHelp *help;
    FakeReports *reports;
    FakePrinter *printer;
    FakeClipboard *clipboard;
    FakeClock *clock;

private:
    platform::Services previous_;
};

} // namespace testsupport
