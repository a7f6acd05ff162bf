// pathwell-bag: shows what a property bag stream holds, and writes a stream back out.
//
//   pathwell-bag dump FILE        prints every entry, nested streams indented under theirs
//   pathwell-bag rewrite IN OUT   reads IN and writes it to OUT through the library
//
// A malformed stream ends the program with status 1 and a message naming the offset and
// the fault, after dump has shown what could be read; rewrite then leaves OUT alone.

#include <pathwell/bagstream.h>
#include <pathwell/propertybag.h>

#include <QFile>
#include <QString>
#include <QTextStream>

#include <variant>

using namespace PathwellControls;

namespace {

QString quoted(const QString &text) {
    QString result = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            result += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\r'))
            result += QStringLiteral("\\r");
        else if (c == QLatin1Char('\n'))
            result += QStringLiteral("\\n");
        else if (c.unicode() < 0x20)
            result += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            result += c;
    }
    return result + QLatin1Char('"');
}

void dump(QTextStream &out, const PropertyBag &bag, int depth) {
    const QString indent(2 * depth, QLatin1Char(' '));
    for (const PropertyBag::Entry &entry : bag.entries()) {
        const PropertyValue &value = entry.value;
        out << indent << entry.name << "  ";
        if (const auto *number = std::get_if<std::int16_t>(&value)) {
            out << "16-bit integer  " << *number;
        } else if (const auto *number = std::get_if<std::int32_t>(&value)) {
            out << "32-bit integer  " << *number;
        } else if (const auto *text = std::get_if<QString>(&value)) {
            out << "string  " << quoted(*text);
        } else if (const auto *flag = std::get_if<bool>(&value)) {
            out << "Boolean  " << (*flag ? "True" : "False");
        } else if (const auto *font = std::get_if<StandardFont>(&value)) {
            out << "object  standard font " << quoted(font->faceName) << ", "
                << font->sizeTenThousandthsOfPoint / 10000.0 << " points, weight " << font->weight
                << ", character set " << font->charset << ", style flags " << int(font->styleFlags);
        } else if (const auto *bytes = std::get_if<QByteArray>(&value)) {
            out << "byte array  " << bytes->size() << " bytes";
        } else if (const auto *object = std::get_if<PersistedObject>(&value)) {
            out << "object  " << object->classId().toString(QUuid::WithBraces).toUpper()
                << ", nested stream of " << BagStream::toBytes(object->properties()).size()
                << " bytes\n";
            dump(out, object->properties(), depth + 1);
            continue;
        }
        out << '\n';
    }
}

struct FileContents {
    PropertyBag bag;
    // Empty when the whole stream was read.
    QString fault;
};

FileContents readFile(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    FileContents contents;
    contents.bag = BagStream::read(file, &contents.fault);
    return contents;
}

} // namespace

int main(int argc, char **argv) {
    QTextStream out(stdout);
    QTextStream errors(stderr);
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command == QLatin1String("dump") && argc == 3) {
        const QString fileName = QString::fromLocal8Bit(argv[2]);
        const FileContents contents = readFile(fileName);
        dump(out, contents.bag, 0);
        if (contents.fault.isEmpty())
            return 0;
        errors << "pathwell-bag: " << fileName << ": " << contents.fault << '\n';
        return 1;
    }
    if (command == QLatin1String("rewrite") && argc == 4) {
        const QString input = QString::fromLocal8Bit(argv[2]);
        const QString output = QString::fromLocal8Bit(argv[3]);
        const FileContents contents = readFile(input);
        if (!contents.fault.isEmpty()) {
            errors << "pathwell-bag: " << input << ": " << contents.fault << '\n';
            return 1;
        }
        QString error;
        if (!BagStream::save(contents.bag, output, &error)) {
            errors << "pathwell-bag: " << output << ": " << error << '\n';
            return 1;
        }
        return 0;
    }
    errors << "usage: pathwell-bag dump FILE\n"
              "       pathwell-bag rewrite IN OUT\n";
    return 2;
}
