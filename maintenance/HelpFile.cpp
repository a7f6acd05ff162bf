#include "HelpFile.h"

#include <QFile>
#include <QRegularExpression>

namespace maintenance {

std::optional<HelpFile> HelpFile::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    return parse(QString::fromUtf8(file.readAll()));
}

HelpFile HelpFile::parse(const QString &text)
{
    static const QRegularExpression heading(QStringLiteral("^=== (\\d+)\\s*(.*)$"));
    HelpFile help;
    Topic *current = nullptr;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const auto match = heading.match(line);
        if (match.hasMatch()) {
            current = &help.topics_[match.captured(1).toInt()];
            current->title = match.captured(2).trimmed();
        } else if (current) {
            current->html += line + QLatin1Char('\n');
        }
    }
    return help;
}

const HelpFile::Topic *HelpFile::topic(int context) const
{
    const auto it = topics_.find(context);
    return it == topics_.end() ? nullptr : &*it;
}

} // namespace maintenance
