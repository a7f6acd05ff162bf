#include <pathwell/bagstream.h>
#include <pathwell/identifiers.h>
#include <pathwell/propertybag.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace PathwellControls;

namespace {

QByteArray fromHex(const char *hex) {
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

QStringList names(const PropertyBag &bag) {
    QStringList result;
    for (const PropertyBag::Entry &entry : bag.entries())
        result.append(entry.name);
    return result;
}

PropertyBag bagOf(std::initializer_list<PropertyBag::Entry> entries) {
    PropertyBag bag;
    for (const PropertyBag::Entry &entry : entries)
        bag.write(entry.name, entry.value);
    return bag;
}

// Accepts a given number of bytes, then fails every write.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 capacity) : m_capacity(capacity) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override {
        const qint64 accepted = std::min(size, m_capacity - m_written);
        if (accepted <= 0) {
            setErrorString(QStringLiteral("device full"));
            return -1;
        }
        m_written += accepted;
        return accepted;
    }

private:
    qint64 m_capacity;
    qint64 m_written = 0;
};

QByteArray navigationStream() {
    QFile file(QStringLiteral(NAVIGATION_BAR_STREAM));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(BagStream, NameHashRotatesAndMixesEachCharacter) {
    const std::pair<const char *, std::uint32_t> examples[] = {
        {"borderstyle", 0xCEC4890B},
        {"font", 0xBC0DF375},
        {"groupcount", 0xA6C0C516},
        {"group0text", 0xE3F20896},
    };
    for (const auto &[name, hash] : examples)
        EXPECT_EQ(BagStream::nameHash(QString::fromLatin1(name)), hash) << name;
}

// Streams assembled by hand from the layout, against which the writer and the reader are held.
TEST(BagStream, WritesAndReadsTheLayoutByteForByte) {
    const QUuid imageListClass(Identifiers::kImageListClass);
    StandardFont font;
    font.styleFlags = StandardFont::kItalic;
    font.weight = 700;
    font.sizeTenThousandthsOfPoint = 82500;
    font.faceName = QStringLiteral("Ab");
    const std::pair<PropertyBag, QByteArray> cases[] = {
        {bagOf({{"BorderStyle", std::int32_t(1)},
                {"b", true},
                {"s", QStringLiteral("Hi")},
                {"i", std::int16_t(-2)},
                {"y", QByteArray("\x01\x02\x03")}}),
         fromHex("93B20000 84000000"
                 "0300 0B00 0B89C4CE 28000000"
                 "  6200 6F00 7200 6400 6500 7200 7300 7400 7900 6C00 6500 01000000 0000"
                 "0B00 0100 62000000 10000000 6200 FFFF"
                 "0800 0100 73000000 18000000 7300 02000000 4800 6900 0000"
                 "0200 0100 69000000 10000000 6900 FEFF"
                 "1120 0100 79000000 A0FFFFFF 7900 0100 03000000 00000000 010203 00")},
        {bagOf({{"f", font},
                {"o", PersistedObject(imageListClass, bagOf({{"x", std::int16_t(5)}}))}}),
         fromHex("93B20000 6C000000"
                 "0D00 0100 66000000 2C000000 6600"
                 "  0352E30B 918F CE11 9DE300AA004BB851"
                 "  01 0000 02 BC02 44420100 02 4162 00"
                 "0D00 0100 6F000000 D4FFFFFF 6F00"
                 "  418B64E5 09B4 9A45 9C5F1469561D6179"
                 "  93B20000 18000000 0200 0100 78000000 00000000 7800 0500 0000")},
    };
    for (const auto &[bag, bytes] : cases) {
        EXPECT_EQ(BagStream::toBytes(bag).toHex(' '), bytes.toHex(' '));
        QString fault;
        EXPECT_EQ(BagStream::fromBytes(bytes, &fault), bag);
        EXPECT_EQ(fault, "");
    }
}

TEST(PropertyBag, NamesIgnoreCaseAndDefaultsAreNotStored) {
    PropertyBag bag;
    bag.write("Group0Text", QStringLiteral("Menu"));
    bag.write("GROUP0TEXT", QStringLiteral("More"));
    bag.write("BorderColor", std::int32_t(0x808080), std::int32_t(0x808080));
    bag.write("ActiveGroup", std::int16_t(1), std::int16_t(0));
    EXPECT_EQ(names(bag), QStringList({"group0text", "activegroup"}));
    EXPECT_EQ(bag.read("group0Text"), PropertyValue(QStringLiteral("More")));

    // Writing the default over a stored value leaves the default to the reader.
    bag.write("activegroup", std::int16_t(0), std::int16_t(0));
    EXPECT_EQ(names(bag), QStringList({"group0text"}));
    EXPECT_EQ(bag.read("ActiveGroup", std::int16_t(3)), PropertyValue(std::int16_t(3)));
    EXPECT_EQ(toInt32(bag.read("Missing")), 0);
    EXPECT_EQ(toBoolean(bag.read("Missing")), false);
    EXPECT_EQ(toText(bag.read("Missing")), "");
    EXPECT_EQ(toInt16(std::int32_t(40000)), std::nullopt);
    EXPECT_EQ(toInt32(QStringLiteral("7")), std::nullopt);
    EXPECT_EQ(toBoolean(std::int16_t(-1)), true);
}

TEST(BagStream, StoredLowerCaseNameAnswersMixedCaseRead) {
    PropertyBag written;
    written.write("group0text", QStringLiteral("Menu"));
    const PropertyBag read = BagStream::fromBytes(BagStream::toBytes(written));
    EXPECT_EQ(read.read("Group0Text"), PropertyValue(QStringLiteral("Menu")));
}

TEST(BagStream, WriterReportsADeviceThatFails) {
    const PropertyBag bag = BagStream::fromBytes(navigationStream());
    const qint64 total = BagStream::toBytes(bag).size();
    ASSERT_EQ(total, 38072);
    for (const qint64 capacity : {qint64(0), qint64(7), qint64(20000), total - 1}) {
        FailingDevice device(capacity);
        QString error;
        EXPECT_FALSE(BagStream::write(bag, device, &error));
        EXPECT_EQ(
            error,
            QStringLiteral("writing failed after %1 of 38072 bytes: device full").arg(capacity));
    }
    FailingDevice roomy(total);
    EXPECT_TRUE(BagStream::write(bag, roomy));

    QString error;
    EXPECT_FALSE(BagStream::save(bag, "/nonexistent-folder/bag", &error));
    EXPECT_NE(error, "");
}

// Each stream is damaged in one way; what lies outside the damage is still read.
TEST(BagStream, CorruptStreamsLoadWhatTheyCan) {
    // Entries: "a" (32-bit) at 8, "name" (string) at 28, "b" (Boolean) at 60; 76 bytes.
    const QByteArray good = BagStream::toBytes(
        bagOf({{"a", std::int32_t(7)}, {"name", QStringLiteral("Menu")}, {"b", true}}));
    ASSERT_EQ(good.size(), 76);
    const auto patched = [&good](qsizetype offset, QByteArray bytes) {
        return QByteArray(good).replace(offset, bytes.size(), bytes);
    };
    const auto number = [](std::uint32_t value) {
        QByteArray bytes(4, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    };
    PropertyBag deep = bagOf({{"x", true}});
    for (int level = 0; level < BagStream::kMaxObjectDepth + 2; ++level)
        deep = bagOf({{"x", true}, {"o", PersistedObject(QUuid(Identifiers::kItemClass), deep)}});
    const QByteArray nested = BagStream::toBytes(
        bagOf({{"o", PersistedObject(QUuid(Identifiers::kItemClass), bagOf({{"x", true}}))}}));
    StandardFont font;
    font.faceName = "Ab";
    const QByteArray withFont = BagStream::toBytes(bagOf({{"f", font}, {"b", true}}));

    struct Case {
        const char *what;
        QByteArray stream;
        QStringList survivors;
        const char *fault;
    };
    const Case cases[] = {
        {"empty", {}, {}, "offset 0: the stream is shorter than its 8-byte header"},
        {"signature", patched(0, "\x94"), {}, "offset 0: the signature is b294, not B293"},
        {"length below header",
         patched(4, number(4)),
         {},
         "offset 4: the stream length 4 is shorter than its header"},
        {"truncated",
         good.left(50),
         {"a"},
         "offset 4: the stream length 76 runs past the 50 bytes there are"},
        {"length too large",
         patched(4, number(0xFFFFFFFF)),
         {"a", "name", "b"},
         "offset 4: the stream length 4294967295 runs past the 76 bytes there are"},
        {"distance too large",
         patched(16, number(0x7FFFFFF0)),
         {},
         "offset 16: the distance 2147483632 to the next entry runs past the end of the stream"},
        {"distance too small",
         patched(16, number(4)),
         {},
         "offset 16: the distance 4 to the next entry is shorter than an entry header"},
        {"unknown type", patched(28, "\x07"), {"a", "b"}, "offset 28: the value type 7 is unknown"},
        {"string too long",
         patched(48, number(0x7FFFFFFF)),
         {"a", "b"},
         "offset 48: the value runs past the end of its entry"},
        {"hash",
         patched(12, QByteArray(1, '\0')),
         {"name", "b"},
         "offset 12: the hash 00000000 does not match the name \"a\""},
        {"name too long",
         patched(10, "\xFF\xFF"),
         {"name", "b"},
         "offset 10: the name of 65535 characters runs past its entry"},
        {"ring not closed",
         patched(68, number(-4)),
         {"a", "name", "b"},
         "offset 68: the last entry does not point back to the first"},
        {"no last entry",
         patched(68, number(16)),
         {"a", "name", "b"},
         "offset 76: the stream ends without a last entry"},
        {"font version",
         QByteArray(withFont).replace(38, 1, "\x02"),
         {"b"},
         "offset 38: the font form has version 2, not 1"},
        {"nested length",
         QByteArray(nested).replace(42, 1, "\x40"),
         {"o"},
         "offset 42: the stream length 64 runs past the 26 bytes there are"},
        {"nested too deep",
         BagStream::toBytes(deep),
         {"x", "o"},
         "objects are nested more than 8 deep"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QString fault;
        const PropertyBag bag = BagStream::fromBytes(c.stream, &fault);
        EXPECT_EQ(names(bag), c.survivors);
        EXPECT_TRUE(fault.startsWith("offset ") && fault.contains(QLatin1String(c.fault)))
            << fault.toStdString();
    }
}

TEST(PathwellBagTool, DumpsRewritesAndNamesTheFault) {
    QTemporaryDir folder;
    const auto run = [](const QStringList &arguments) {
        auto tool = std::make_unique<QProcess>();
        tool->start(QStringLiteral(PATHWELL_BAG), arguments);
        tool->waitForFinished();
        return tool;
    };
    const QString copy = folder.filePath("copy.bag");
    const auto rewrite = run({"rewrite", NAVIGATION_BAR_STREAM, copy});
    EXPECT_EQ(rewrite->exitCode(), 0);
    QFile written(copy);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), navigationStream());

    const auto dump = run({"dump", NAVIGATION_BAR_STREAM});
    EXPECT_EQ(dump->exitCode(), 0);
    const QStringList lines =
        QString::fromUtf8(dump->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 125);
    EXPECT_EQ(lines[0], "_extentx  32-bit integer  2672");
    EXPECT_EQ(lines[3], "font  object  standard font \"MS Sans Serif\", 8.25 points, weight 400, "
                        "character set 0, style flags 0");
    EXPECT_TRUE(lines.contains("group0-item1smallimage  string  \"-1\""));
    EXPECT_TRUE(lines.contains("largeimages  object  {E5648B41-B409-459A-9C5F-1469561D6179}, "
                               "nested stream of 31608 bytes"));
    EXPECT_TRUE(lines.contains("  images  byte array  31356 bytes"));

    const QString damaged = folder.filePath("damaged.bag");
    QFile damagedFile(damaged);
    ASSERT_TRUE(damagedFile.open(QIODevice::WriteOnly));
    damagedFile.write(navigationStream().left(100));
    damagedFile.close();
    const QString fault = ": offset 4: the stream length 38072 runs past the 100 bytes there are";
    const auto damagedDump = run({"dump", damaged});
    EXPECT_EQ(damagedDump->exitCode(), 1);
    EXPECT_TRUE(
        damagedDump->readAllStandardOutput().startsWith("_extentx  32-bit integer  2672\n"));
    EXPECT_TRUE(QString::fromUtf8(damagedDump->readAllStandardError()).contains(damaged + fault));
    const auto damagedRewrite = run({"rewrite", damaged, folder.filePath("out.bag")});
    EXPECT_EQ(damagedRewrite->exitCode(), 1);
    EXPECT_FALSE(QFile::exists(folder.filePath("out.bag")));
}
