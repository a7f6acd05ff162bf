#include <pathwell/propertybag.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace PathwellControls {

namespace {

template <class... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

std::optional<std::int32_t> integerOf(const PropertyValue &value) {
    return std::visit(Overloaded{
                          [](std::monostate) -> std::optional<std::int32_t> { return 0; },
                          [](std::int16_t number) -> std::optional<std::int32_t> { return number; },
                          [](std::int32_t number) -> std::optional<std::int32_t> { return number; },
                          [](bool flag) -> std::optional<std::int32_t> { return flag ? -1 : 0; },
                          [](const auto &) -> std::optional<std::int32_t> { return std::nullopt; },
                      },
                      value);
}

} // namespace

StandardFont StandardFont::fromQFont(const QFont &font) {
    StandardFont result;
    result.styleFlags = static_cast<std::uint8_t>((font.italic() ? kItalic : 0) |
                                                  (font.underline() ? kUnderline : 0) |
                                                  (font.strikeOut() ? kStrikeOut : 0));
    result.weight = static_cast<std::uint16_t>(font.weight());
    // A font given in pixels has no point size; pixels are 3/4 of a point at 96 dots per inch.
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    result.sizeTenThousandthsOfPoint = static_cast<std::uint32_t>(std::llround(points * 10000));
    result.faceName = font.family().left(255);
    return result;
}

QFont StandardFont::toQFont() const {
    QFont font(faceName);
    if (sizeTenThousandthsOfPoint > 0)
        font.setPointSizeF(sizeTenThousandthsOfPoint / 10000.0);
    // Weight 0 asks for the usual weight.
    font.setWeight(weight == 0 ? QFont::Normal
                               : static_cast<QFont::Weight>(std::min<int>(weight, 1000)));
    font.setItalic(styleFlags & kItalic);
    font.setUnderline(styleFlags & kUnderline);
    font.setStrikeOut(styleFlags & kStrikeOut);
    return font;
}

PersistedObject::PersistedObject(const QUuid &classId, PropertyBag properties)
    : m_classId(classId), m_properties(std::make_shared<const PropertyBag>(std::move(properties))) {
}

bool PersistedObject::operator==(const PersistedObject &other) const {
    return m_classId == other.m_classId && *m_properties == *other.m_properties;
}

std::optional<std::int16_t> toInt16(const PropertyValue &value) {
    const auto number = integerOf(value);
    if (!number || *number < std::numeric_limits<std::int16_t>::min() ||
        *number > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(*number);
}

std::optional<std::int32_t> toInt32(const PropertyValue &value) {
    return integerOf(value);
}

std::optional<bool> toBoolean(const PropertyValue &value) {
    const auto number = integerOf(value);
    return number ? std::optional<bool>(*number != 0) : std::nullopt;
}

std::optional<QString> toText(const PropertyValue &value) {
    if (std::holds_alternative<std::monostate>(value))
        return QString();
    if (const auto *text = std::get_if<QString>(&value))
        return *text;
    return std::nullopt;
}

PropertyValue fromVariant(const QVariant &variant) {
    switch (variant.typeId()) {
    case QMetaType::UnknownType:
        return std::monostate();
    case QMetaType::Short:
        return variant.value<std::int16_t>();
    case QMetaType::Bool:
        return variant.toBool();
    case QMetaType::QString:
        return variant.toString();
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong: {
        bool converted = false;
        const qlonglong number = variant.toLongLong(&converted);
        if (converted && number >= std::numeric_limits<std::int32_t>::min() &&
            number <= std::numeric_limits<std::int32_t>::max())
            return static_cast<std::int32_t>(number);
        break;
    }
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        if (variant.toULongLong() <= qulonglong(std::numeric_limits<std::int32_t>::max()))
            return static_cast<std::int32_t>(variant.toULongLong());
        break;
    default:
        break;
    }
    return variant.toString();
}

QVariant toVariant(const PropertyValue &value) {
    return std::visit(Overloaded{
                          [](std::monostate) { return QVariant(); },
                          [](std::int16_t number) { return QVariant::fromValue(number); },
                          [](std::int32_t number) { return QVariant::fromValue(number); },
                          [](const QString &text) { return QVariant(text); },
                          [](bool flag) { return QVariant(flag); },
                          [](const auto &) { return QVariant(); },
                      },
                      value);
}

void PropertyBag::write(const QString &name, const PropertyValue &value) {
    const QString lowerName = name.toLower();
    const auto found = m_index.constFind(lowerName);
    if (std::holds_alternative<std::monostate>(value)) {
        if (found != m_index.constEnd()) {
            m_entries.removeIf(
                [&lowerName](const Entry &entry) { return entry.name == lowerName; });
            rebuildIndex();
        }
    } else if (found != m_index.constEnd()) {
        m_entries[*found].value = value;
    } else {
        append({lowerName, value});
    }
}

void PropertyBag::write(const QString &name, const PropertyValue &value,
                        const PropertyValue &defaultValue) {
    write(name, value == defaultValue ? PropertyValue() : value);
}

PropertyValue PropertyBag::read(const QString &name, const PropertyValue &defaultValue) const {
    const auto found = m_index.constFind(name.toLower());
    return found == m_index.constEnd() ? defaultValue : m_entries[*found].value;
}

void PropertyBag::append(Entry entry) {
    if (entry.name.size() > kMaxNameLength || std::holds_alternative<std::monostate>(entry.value))
        return;
    entry.name = entry.name.toLower();
    if (!m_index.contains(entry.name))
        m_index.insert(entry.name, m_entries.size());
    m_entries.append(std::move(entry));
}

void PropertyBag::rebuildIndex() {
    m_index.clear();
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (!m_index.contains(m_entries[i].name))
            m_index.insert(m_entries[i].name, i);
    }
}

} // namespace PathwellControls
