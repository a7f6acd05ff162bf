#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>

#include <cmath>
#include <optional>

namespace PathwellControls {

// How a variant given as an index reads. A number is a 1-based position, a fraction
// rounded half to even. A string is a key, except that with digitsArePositions a string
// of digits is a position too. Anything else names nothing.
struct VariantIndex {
    std::optional<qint64> position;
    std::optional<QString> key;

    static VariantIndex read(const QVariant &index, bool digitsArePositions) {
        switch (index.typeId()) {
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::SChar:
        case QMetaType::UChar:
            return {index.toLongLong(), std::nullopt};
        case QMetaType::ULongLong:
        case QMetaType::Float:
        case QMetaType::Double:
            return {positionFromReal(index.toDouble()), std::nullopt};
        case QMetaType::QString: {
            const QString text = index.toString();
            if (digitsArePositions && isDigits(text)) {
                bool ok = false;
                const qint64 position = text.toLongLong(&ok);
                return {ok ? std::optional<qint64>(position) : std::nullopt, std::nullopt};
            }
            return {std::nullopt, text};
        }
        default:
            return {};
        }
    }

private:
    static std::optional<qint64> positionFromReal(double value) {
        // Beyond this magnitude no collection position is meant, and the conversion is safe.
        constexpr double kLargest = 9.0e15;
        if (!std::isfinite(value) || std::fabs(value) > kLargest)
            return std::nullopt;
        return static_cast<qint64>(std::nearbyint(value));
    }

    static bool isDigits(const QString &text) {
        if (text.isEmpty())
            return false;
        for (const QChar c : text) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        return true;
    }
};

} // namespace PathwellControls
