#pragma once

#include <pathwell/variantindex.h>

#include <QList>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <optional>

namespace PathwellControls {

// An ordered collection of shared members, each under an optional key. Positions are
// 1-based; keys are unique without regard to case and stay as added, whatever the member's
// own Key becomes later. A missing position or key gives an empty result.
template <typename T> class KeyedCollection {
public:
    // Positions are read back as 16-bit numbers, which bounds the size.
    static constexpr std::int32_t kMaxCount = 32767;

    // The first member, in order, whose own Key equals sKey with case.
    std::shared_ptr<T> FromKey(const QString &sKey) const {
        for (const Entry &entry : m_entries) {
            if (entry.member->Key() == sKey)
                return entry.member;
        }
        return nullptr;
    }

    // The member at a position, or under a key compared without case.
    std::shared_ptr<T> Item(const QVariant &Index) const {
        const auto found = find(Index);
        return found ? m_entries[*found].member : nullptr;
    }

    bool Exists(const QVariant &Index) const { return find(Index).has_value(); }

    std::int32_t Count() const { return static_cast<std::int32_t>(m_entries.size()); }

    // The position of that very member; 0 when it is absent.
    std::int16_t IndexOf(const std::shared_ptr<T> &member) const {
        for (qsizetype i = 0; i < m_entries.size(); ++i) {
            if (m_entries[i].member == member)
                return static_cast<std::int16_t>(i + 1);
        }
        return 0;
    }

    // The members in order, as they are now.
    QList<std::shared_ptr<T>> NewEnum() const {
        QList<std::shared_ptr<T>> members;
        members.reserve(m_entries.size());
        for (const Entry &entry : m_entries)
            members.append(entry.member);
        return members;
    }

protected:
    // Refuses a missing member, a key already in use and a full collection.
    bool append(const std::shared_ptr<T> &member, const QString &key) {
        if (!member || m_entries.size() >= kMaxCount || (!key.isEmpty() && findKey(key)))
            return false;
        m_entries.append({member, key});
        return true;
    }

    void remove(const QVariant &Index) {
        if (const auto found = find(Index))
            m_entries.removeAt(*found);
    }

    void clear() { m_entries = {}; }

private:
    struct Entry {
        std::shared_ptr<T> member;
        QString key;
    };

    std::optional<qsizetype> find(const QVariant &Index) const {
        const VariantIndex index = VariantIndex::read(Index, false);
        if (index.position) {
            if (*index.position >= 1 && *index.position <= m_entries.size())
                return *index.position - 1;
            return std::nullopt;
        }
        return index.key ? findKey(*index.key) : std::nullopt;
    }

    std::optional<qsizetype> findKey(const QString &key) const {
        if (key.isEmpty())
            return std::nullopt;
        for (qsizetype i = 0; i < m_entries.size(); ++i) {
            if (m_entries[i].key.compare(key, Qt::CaseInsensitive) == 0)
                return i;
        }
        return std::nullopt;
    }

    QList<Entry> m_entries;
};

} // namespace PathwellControls
