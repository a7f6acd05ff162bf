#pragma once

#include <QMap>
#include <QString>
#include <optional>

namespace maintenance {

// The program's help file: topics keyed by context number, each a title and
// a text in simple HTML. A line "=== <number> <title>" starts a topic; the
// lines before the first topic describe the file and are not shown.
class HelpFile {
public:
    struct Topic {
        QString title;
        QString html;
    };

    static constexpr int contentsTopic = 0;

    // Nothing when the file can not be read.
    static std::optional<HelpFile> read(const QString &path);
    static HelpFile parse(const QString &text);

    const Topic *topic(int context) const;
    QList<int> contexts() const { return topics_.keys(); }

private:
    QMap<int, Topic> topics_;
};

} // namespace maintenance
