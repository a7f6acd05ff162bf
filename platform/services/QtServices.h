#pragma once

#include "Services.h"

namespace platform {

class QtPrompter : public Prompter {
public:
    Answer message(Icon icon, const QString &text, Buttons buttons,
                   const QString &title) override;
};

class QtDialogs : public Dialogs {
public:
    QString openFile(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFile(const QString &title, const QString &folder, const QString &fileName,
                     const QString &filter) override;
};

class QtShell : public Shell {
public:
    bool open(const QUrl &address) override;
};

class QtPrinter : public Printer {
public:
    bool printImage(const QImage &image, const QString &documentName) override;
};

class QtClipboard : public Clipboard {
public:
    void setText(const QString &text) override;
    QString text() const override;
};

class SystemClock : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// The desktop implementations of every service but help and reports, which
// their own folders provide.
Services desktopServices();

} // namespace platform
