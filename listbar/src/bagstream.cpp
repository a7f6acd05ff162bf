#include <pathwell/bagstream.h>

#include <pathwell/identifiers.h>

#include <QSaveFile>
#include <QtEndian>

#include <bit>
#include <optional>

namespace PathwellControls {

namespace {

constexpr qint64 kStreamHeaderSize = 8;
constexpr qint64 kEntryHeaderSize = 12;
// Where an entry keeps its distance to the next entry.
constexpr qint64 kDistanceField = 8;
constexpr qint64 kClassIdSize = 16;
constexpr qint64 kFontFormHeaderSize = 11;
constexpr qint64 kByteArrayHeaderSize = 10;
constexpr std::uint8_t kFontFormVersion = 1;
constexpr std::uint16_t kBooleanTrue = 0xFFFF;

const QUuid &standardFontClass() {
    static const QUuid id(Identifiers::kStandardFontClass);
    return id;
}

template <typename T> void appendLittleEndian(QByteArray &out, T value) {
    const T stored = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&stored), sizeof stored);
}

template <typename T> void putLittleEndian(QByteArray &out, qsizetype at, T value) {
    qToLittleEndian(value, out.data() + at);
}

void appendUtf16(QByteArray &out, const QString &text) {
    const qsizetype start = out.size();
    out.resize(start + 2 * text.size());
    qToLittleEndian<char16_t>(text.utf16(), text.size(), out.data() + start);
}

// Class identifiers are stored as their three leading numbers, little-endian, then 8 bytes.
void appendClassId(QByteArray &out, const QUuid &id) {
    appendLittleEndian<std::uint32_t>(out, id.data1);
    appendLittleEndian<std::uint16_t>(out, id.data2);
    appendLittleEndian<std::uint16_t>(out, id.data3);
    out.append(reinterpret_cast<const char *>(id.data4), sizeof id.data4);
}

BagStream::ValueType typeOf(const PropertyValue &value) {
    if (std::holds_alternative<std::int16_t>(value))
        return BagStream::Integer16;
    if (std::holds_alternative<std::int32_t>(value))
        return BagStream::Integer32;
    if (std::holds_alternative<QString>(value))
        return BagStream::String;
    if (std::holds_alternative<bool>(value))
        return BagStream::Boolean;
    if (std::holds_alternative<QByteArray>(value))
        return BagStream::ByteArray;
    return BagStream::Object;
}

void appendStream(QByteArray &out, const PropertyBag &bag);

void appendValue(QByteArray &out, const PropertyValue &value) {
    if (const auto *number = std::get_if<std::int16_t>(&value)) {
        appendLittleEndian(out, *number);
    } else if (const auto *number = std::get_if<std::int32_t>(&value)) {
        appendLittleEndian(out, *number);
    } else if (const auto *text = std::get_if<QString>(&value)) {
        appendLittleEndian<std::uint32_t>(out, static_cast<std::uint32_t>(text->size()));
        appendUtf16(out, *text);
    } else if (const auto *flag = std::get_if<bool>(&value)) {
        appendLittleEndian<std::uint16_t>(out, *flag ? kBooleanTrue : 0);
    } else if (const auto *font = std::get_if<StandardFont>(&value)) {
        const QByteArray face = font->faceName.left(255).toLatin1();
        appendClassId(out, standardFontClass());
        out.append(static_cast<char>(kFontFormVersion));
        appendLittleEndian(out, font->charset);
        appendLittleEndian(out, font->styleFlags);
        appendLittleEndian(out, font->weight);
        appendLittleEndian(out, font->sizeTenThousandthsOfPoint);
        appendLittleEndian(out, static_cast<std::uint8_t>(face.size()));
        out.append(face);
    } else if (const auto *object = std::get_if<PersistedObject>(&value)) {
        appendClassId(out, object->classId());
        appendStream(out, object->properties());
    } else if (const auto *bytes = std::get_if<QByteArray>(&value)) {
        appendLittleEndian<std::uint16_t>(out, 1);
        appendLittleEndian<std::uint32_t>(out, static_cast<std::uint32_t>(bytes->size()));
        appendLittleEndian<std::int32_t>(out, 0);
        out.append(*bytes);
    }
}

void appendStream(QByteArray &out, const PropertyBag &bag) {
    const qsizetype streamStart = out.size();
    appendLittleEndian(out, BagStream::kSignature);
    appendLittleEndian<std::uint32_t>(out, 0);
    const qsizetype firstEntry = out.size();
    qsizetype previousEntry = -1;
    for (const PropertyBag::Entry &entry : bag.entries()) {
        const qsizetype entryStart = out.size();
        if (previousEntry >= 0)
            putLittleEndian(out, previousEntry + kDistanceField,
                            static_cast<std::int32_t>(entryStart - previousEntry));
        appendLittleEndian<std::uint16_t>(out, typeOf(entry.value));
        appendLittleEndian<std::uint16_t>(out, static_cast<std::uint16_t>(entry.name.size()));
        appendLittleEndian(out, BagStream::nameHash(entry.name));
        appendLittleEndian<std::int32_t>(out, 0);
        appendUtf16(out, entry.name);
        appendValue(out, entry.value);
        out.append((4 - (out.size() - entryStart) % 4) % 4, '\0');
        previousEntry = entryStart;
    }
    if (previousEntry >= 0)
        putLittleEndian(out, previousEntry + kDistanceField,
                        static_cast<std::int32_t>(firstEntry - previousEntry));
    putLittleEndian(out, streamStart + 4, static_cast<std::uint32_t>(out.size() - streamStart));
}

// Reads the streams of one buffer. Offsets are counted from the start of the buffer, also
// for nested streams, and only the first fault is described.
class Reader {
public:
    Reader(QByteArrayView data, QString *fault) : m_data(data), m_fault(fault) {}

    // Reads the stream at start, which may not reach beyond limit.
    PropertyBag readStream(qint64 start, qint64 limit, int depth) {
        PropertyBag bag;
        if (limit - start < kStreamHeaderSize) {
            fail(start, QStringLiteral("the stream is shorter than its 8-byte header"));
            return bag;
        }
        if (const auto signature = number<std::uint32_t>(start);
            signature != BagStream::kSignature) {
            fail(start, QStringLiteral("the signature is %1, not B293").arg(signature, 0, 16));
            return bag;
        }
        const qint64 length = number<std::uint32_t>(start + 4);
        if (length < kStreamHeaderSize) {
            fail(start + 4,
                 QStringLiteral("the stream length %1 is shorter than its header").arg(length));
            return bag;
        }
        qint64 end = start + length;
        if (end > limit) {
            fail(start + 4, QStringLiteral("the stream length %1 runs past the %2 bytes there are")
                                .arg(length)
                                .arg(limit - start));
            end = limit;
        }

        const qint64 firstEntry = start + kStreamHeaderSize;
        qint64 offset = firstEntry;
        while (offset < end) {
            if (end - offset < kEntryHeaderSize) {
                fail(offset, QStringLiteral("an entry header runs past the end of the stream"));
                return bag;
            }
            const qint64 distance = number<std::int32_t>(offset + kDistanceField);
            const bool isLast = distance <= 0;
            if (!isLast && distance < kEntryHeaderSize) {
                fail(offset + kDistanceField,
                     QStringLiteral("the distance %1 to the next entry is shorter "
                                    "than an entry header")
                         .arg(distance));
                return bag;
            }
            const qint64 entryEnd = isLast ? end : offset + distance;
            if (entryEnd > end) {
                fail(offset + kDistanceField,
                     QStringLiteral("the distance %1 to the next entry runs past the end of the "
                                    "stream")
                         .arg(distance));
                return bag;
            }
            if (isLast && offset + distance != firstEntry)
                fail(offset + kDistanceField,
                     QStringLiteral("the last entry does not point back to the first"));
            readEntry(bag, offset, entryEnd, depth);
            if (isLast)
                return bag;
            offset = entryEnd;
        }
        if (offset > firstEntry)
            fail(offset, QStringLiteral("the stream ends without a last entry"));
        return bag;
    }

private:
    template <typename T> T number(qint64 offset) const {
        return qFromLittleEndian<T>(m_data.data() + offset);
    }

    void fail(qint64 offset, const QString &fault) {
        if (m_fault && m_fault->isEmpty())
            *m_fault = QStringLiteral("offset %1: %2").arg(offset).arg(fault);
    }

    void readEntry(PropertyBag &bag, qint64 offset, qint64 entryEnd, int depth) {
        const qint64 nameLength = number<std::uint16_t>(offset + 2);
        const auto hash = number<std::uint32_t>(offset + 4);
        const qint64 valueStart = offset + kEntryHeaderSize + 2 * nameLength;
        if (valueStart > entryEnd) {
            fail(offset + 2,
                 QStringLiteral("the name of %1 characters runs past its entry").arg(nameLength));
            return;
        }
        const QString name = text(offset + kEntryHeaderSize, nameLength).toLower();
        if (BagStream::nameHash(name) != hash) {
            fail(offset + 4, QStringLiteral("the hash %1 does not match the name \"%2\"")
                                 .arg(hash, 8, 16, QLatin1Char('0'))
                                 .arg(name));
            return;
        }
        if (auto value = readValue(offset, valueStart, entryEnd, depth))
            bag.append({name, std::move(*value)});
    }

    // The value of the entry at entryOffset, which lies between start and end.
    std::optional<PropertyValue> readValue(qint64 entryOffset, qint64 start, qint64 end,
                                           int depth) {
        const auto type = number<std::uint16_t>(entryOffset);
        const auto fits = [&](qint64 size) {
            if (end - start >= size)
                return true;
            fail(start, QStringLiteral("the value runs past the end of its entry"));
            return false;
        };
        switch (type) {
        case BagStream::Integer16:
            if (!fits(2))
                return std::nullopt;
            return number<std::int16_t>(start);
        case BagStream::Integer32:
            if (!fits(4))
                return std::nullopt;
            return number<std::int32_t>(start);
        case BagStream::Boolean:
            if (!fits(2))
                return std::nullopt;
            return number<std::uint16_t>(start) != 0;
        case BagStream::String: {
            if (!fits(4))
                return std::nullopt;
            const qint64 length = number<std::uint32_t>(start);
            if (!fits(4 + 2 * length))
                return std::nullopt;
            return text(start + 4, length);
        }
        case BagStream::ByteArray:
            return readByteArray(start, end);
        case BagStream::Object:
            return readObject(start, end, depth);
        default:
            fail(entryOffset, QStringLiteral("the value type %1 is unknown").arg(type));
            return std::nullopt;
        }
    }

    std::optional<PropertyValue> readByteArray(qint64 start, qint64 end) {
        if (end - start < kByteArrayHeaderSize) {
            fail(start, QStringLiteral("the byte array runs past the end of its entry"));
            return std::nullopt;
        }
        const auto dimensions = number<std::uint16_t>(start);
        const qint64 length = number<std::uint32_t>(start + 2);
        const auto lowerBound = number<std::int32_t>(start + 6);
        if (dimensions != 1 || lowerBound != 0) {
            fail(start, QStringLiteral("the array has %1 dimensions from %2, not one from 0")
                            .arg(dimensions)
                            .arg(lowerBound));
            return std::nullopt;
        }
        if (end - start - kByteArrayHeaderSize < length) {
            fail(start + 2, QStringLiteral("the byte array of %1 bytes runs past the end of its "
                                           "entry")
                                .arg(length));
            return std::nullopt;
        }
        return m_data.sliced(start + kByteArrayHeaderSize, length).toByteArray();
    }

    std::optional<PropertyValue> readObject(qint64 start, qint64 end, int depth) {
        if (end - start < kClassIdSize) {
            fail(start, QStringLiteral("the object's class runs past the end of its entry"));
            return std::nullopt;
        }
        const char *id = m_data.data() + start;
        const QUuid classId(number<std::uint32_t>(start), number<std::uint16_t>(start + 4),
                            number<std::uint16_t>(start + 6), id[8], id[9], id[10], id[11], id[12],
                            id[13], id[14], id[15]);
        const qint64 formStart = start + kClassIdSize;
        if (classId == standardFontClass())
            return readFont(formStart, end);
        if (depth >= BagStream::kMaxObjectDepth) {
            fail(start, QStringLiteral("objects are nested more than %1 deep")
                            .arg(BagStream::kMaxObjectDepth));
            return std::nullopt;
        }
        return PersistedObject(classId, readStream(formStart, end, depth + 1));
    }

    std::optional<PropertyValue> readFont(qint64 start, qint64 end) {
        if (end - start < kFontFormHeaderSize) {
            fail(start, QStringLiteral("the font runs past the end of its entry"));
            return std::nullopt;
        }
        if (const auto version = number<std::uint8_t>(start); version != kFontFormVersion) {
            fail(start, QStringLiteral("the font form has version %1, not 1").arg(version));
            return std::nullopt;
        }
        StandardFont font;
        font.charset = number<std::uint16_t>(start + 1);
        font.styleFlags = number<std::uint8_t>(start + 3);
        font.weight = number<std::uint16_t>(start + 4);
        font.sizeTenThousandthsOfPoint = number<std::uint32_t>(start + 6);
        const qint64 faceLength = number<std::uint8_t>(start + 10);
        if (end - start - kFontFormHeaderSize < faceLength) {
            fail(start + 10, QStringLiteral("the font name runs past the end of its entry"));
            return std::nullopt;
        }
        font.faceName =
            QString::fromLatin1(m_data.data() + start + kFontFormHeaderSize, faceLength);
        return font;
    }

    QString text(qint64 start, qint64 length) const {
        QString result(length, Qt::Uninitialized);
        qFromLittleEndian<char16_t>(m_data.data() + start, length, result.data());
        return result;
    }

    QByteArrayView m_data;
    QString *m_fault;
};

} // namespace

std::uint32_t BagStream::nameHash(const QString &lowerCaseName) {
    std::uint32_t hash = 0;
    for (const QChar c : lowerCaseName)
        hash = std::rotl(hash, 13) ^ c.unicode();
    return hash;
}

PropertyBag BagStream::fromBytes(const QByteArray &bytes, QString *error) {
    if (error)
        error->clear();
    return Reader(bytes, error).readStream(0, bytes.size(), 0);
}

PropertyBag BagStream::read(QIODevice &device, QString *error) {
    // Read in pieces, so that a length field larger than the data reserves no memory for it.
    constexpr qint64 kPieceSize = 64 * 1024;
    QByteArray bytes = device.read(kStreamHeaderSize);
    if (bytes.size() == kStreamHeaderSize) {
        const qint64 length = qFromLittleEndian<std::uint32_t>(bytes.constData() + 4);
        while (bytes.size() < length) {
            const QByteArray piece = device.read(std::min(kPieceSize, length - bytes.size()));
            if (piece.isEmpty())
                break;
            bytes.append(piece);
        }
    }
    return fromBytes(bytes, error);
}

QByteArray BagStream::toBytes(const PropertyBag &bag) {
    QByteArray bytes;
    appendStream(bytes, bag);
    return bytes;
}

bool BagStream::write(const PropertyBag &bag, QIODevice &device, QString *error) {
    const QByteArray bytes = toBytes(bag);
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = device.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            if (error) {
                *error = QStringLiteral("writing failed after %1 of %2 bytes: %3")
                             .arg(written)
                             .arg(bytes.size())
                             .arg(device.errorString());
            }
            return false;
        }
        written += count;
    }
    return true;
}

bool BagStream::save(const PropertyBag &bag, const QString &fileName, QString *error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!write(bag, file, error))
        return false;
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace PathwellControls
