#pragma once

#include <pathwell/pathwell_export.h>

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QUuid>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <optional>
#include <variant>

namespace PathwellControls {

class PropertyBag;

// A font in the standard persisted form of font objects.
struct PATHWELL_EXPORT StandardFont {
    static constexpr std::uint8_t kItalic = 0x02;
    static constexpr std::uint8_t kUnderline = 0x04;
    static constexpr std::uint8_t kStrikeOut = 0x08;

    std::uint16_t charset = 0;
    std::uint8_t styleFlags = 0;
    std::uint16_t weight = 400;
    std::uint32_t sizeTenThousandthsOfPoint = 0;
    // Stored as 8-bit characters, at most 255 of them.
    QString faceName;

    static StandardFont fromQFont(const QFont &font);
    QFont toQFont() const;

    bool operator==(const StandardFont &) const = default;
};

// An object that saved itself into a property bag of its own, under its class identifier.
class PATHWELL_EXPORT PersistedObject {
public:
    PersistedObject(const QUuid &classId, PropertyBag properties);

    QUuid classId() const { return m_classId; }
    const PropertyBag &properties() const { return *m_properties; }

    bool operator==(const PersistedObject &other) const;

private:
    QUuid m_classId;
    std::shared_ptr<const PropertyBag> m_properties;
};

// A value in a property bag. std::monostate is the empty value, which a missing name reads
// as; the other kinds are a 16-bit integer, a 32-bit integer, a string, a Boolean, the two
// kinds of object and a byte array.
using PropertyValue = std::variant<std::monostate, std::int16_t, std::int32_t, QString, bool,
                                   StandardFont, PersistedObject, QByteArray>;

// Reading a value as one kind: the empty value reads as 0, False or an empty string, and
// integers and Booleans convert into each other (True is -1). Any other value, or a number
// out of range, is unreadable and gives nullopt.
PATHWELL_EXPORT std::optional<std::int16_t> toInt16(const PropertyValue &value);
PATHWELL_EXPORT std::optional<std::int32_t> toInt32(const PropertyValue &value);
PATHWELL_EXPORT std::optional<bool> toBoolean(const PropertyValue &value);
PATHWELL_EXPORT std::optional<QString> toText(const PropertyValue &value);

// A variant of a kind a bag stores keeps that kind (a 16-bit integer stays 16-bit); other
// integers are stored as 32-bit when they fit, anything else as its text.
PATHWELL_EXPORT PropertyValue fromVariant(const QVariant &variant);
// The value as a variant of the same kind; objects and byte arrays give an empty variant.
PATHWELL_EXPORT QVariant toVariant(const PropertyValue &value);

// Named values in order. Names are compared without regard to case and kept in lower case.
class PATHWELL_EXPORT PropertyBag {
public:
    static constexpr int kMaxNameLength = 0xFFFF;

    struct Entry {
        QString name;
        PropertyValue value;
        bool operator==(const Entry &) const = default;
    };

    // Stores the value, replacing the one stored under the same name, if any. The empty value
    // is not stored, since a missing name reads as empty: writing it removes the name. A name
    // longer than kMaxNameLength cannot be stored and is ignored.
    void write(const QString &name, const PropertyValue &value);
    // As write, except that a value equal to the default is not stored.
    void write(const QString &name, const PropertyValue &value, const PropertyValue &defaultValue);
    // The value stored under the name; the default, or the empty value, when there is none.
    PropertyValue read(const QString &name, const PropertyValue &defaultValue = {}) const;

    const QList<Entry> &entries() const { return m_entries; }
    // Adds an entry as it comes, for readers of a stream that keep every entry in order; a
    // name stored twice reads as its first value. Entries that write ignores are ignored.
    void append(Entry entry);

    bool operator==(const PropertyBag &other) const { return m_entries == other.m_entries; }

private:
    void rebuildIndex();

    QList<Entry> m_entries;
    // The position of the first entry of each name.
    QHash<QString, qsizetype> m_index;
};

} // namespace PathwellControls
