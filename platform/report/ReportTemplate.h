#pragma once

#include "data/Database.h"

#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace report {

// The one error of the report engine: a message for the user that names the
// template file and the fault.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString &message() const { return message_; }

private:
    QString message_;
};

// A report template file (".rpt"): a few header lines that set the report up,
// a blank line, then an HTML body with mustache tags.
//
//   Table: Members
//   Title: Member List
//   Orientation: Landscape
//   Order: Name
//
//   <h1>{{Club Name}}</h1> ... {{#Rows}}<tr><td>{{Name}}</td></tr>{{/Rows}} ...
class ReportTemplate {
public:
    struct OrderKey {
        QString field;
        bool descending = false;
        int line = 0;
    };
    struct Best {
        QString field;
        int line = 0;
    };

    // Reads a template file and checks its header and the form of its body.
    // Throws ReportError naming the file, the line and the fault.
    static ReportTemplate read(const QString &path);

    // The template's table as `tables` of the database spell it.
    QString findTable(const QStringList &tables, const QString &databaseName) const;
    // Checks that every field the template uses is one of `fields` of `table`.
    void checkFields(const QString &table, const QList<data::Field> &fields,
                     const QString &databaseName) const;

    const QString &path() const { return path_; }
    const QString &title() const { return title_; }
    QPageLayout::Orientation orientation() const { return orientation_; }
    const QList<OrderKey> &order() const { return order_; }
    const QList<Best> &best() const { return best_; }
    const QString &body() const { return body_; }

    // The section name under which the rows with the highest value of a field come.
    static QString bestSection(const QString &field) { return QStringLiteral("Best ") + field; }

private:
    // The names a report offers besides the fields of its rows.
    static const QStringList &reportNames();

    struct Tag {
        enum Kind { Variable, Section, InvertedSection, End, Comment };
        Kind kind;
        QString name;
        int line;
        bool inRows; // inside a section over rows
    };

    void parse(const QString &text);
    [[noreturn]] void fail(int line, const QString &fault) const;
    void readHeader(const QStringList &lines, int &bodyStart);
    void scanBody();

    QString path_;
    QString table_;
    int tableLine_ = 0;
    QString title_;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    QList<OrderKey> order_;
    QList<Best> best_;
    QString body_;
    int bodyLine_ = 1;
    QList<Tag> tags_;
};

} // namespace report
