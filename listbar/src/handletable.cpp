#include <pathwell/handletable.h>

#include <QMutex>
#include <QMutexLocker>

#include <limits>
#include <unordered_map>
#include <variant>

namespace PathwellControls {

namespace {

struct OwnedImage {
    HandleTable::Kind kind;
    QImage image;
};

struct Module {
    QString folder;
};

using Entry = std::variant<OwnedImage, QImage *, cImageList *, Module>;

class Table {
public:
    std::int32_t add(Entry entry) {
        QMutexLocker lock(&m_mutex);
        // Numbers wrap around after the largest one; a number still in use is skipped.
        do {
            m_next = m_next == std::numeric_limits<std::int32_t>::max() ? 1 : m_next + 1;
        } while (m_entries.contains(m_next));
        m_entries.emplace(m_next, std::move(entry));
        return m_next;
    }

    template <typename Visitor> auto visit(std::int32_t handle, Visitor visitor) {
        QMutexLocker lock(&m_mutex);
        const auto found = m_entries.find(handle);
        return visitor(found == m_entries.end() ? nullptr : &found->second);
    }

    void release(std::int32_t handle) {
        QMutexLocker lock(&m_mutex);
        m_entries.erase(handle);
    }

private:
    QMutex m_mutex;
    std::int32_t m_next = 0;
    std::unordered_map<std::int32_t, Entry> m_entries;
};

Table &table() {
    static Table instance;
    return instance;
}

} // namespace

std::int32_t HandleTable::addBitmap(const QImage &bitmap) {
    return table().add(OwnedImage{Kind::Bitmap, bitmap});
}

std::int32_t HandleTable::addIcon(const QImage &icon) {
    return table().add(OwnedImage{Kind::Icon, icon});
}

std::int32_t HandleTable::addCursor(const QImage &cursor) {
    return table().add(OwnedImage{Kind::Cursor, cursor});
}

std::int32_t HandleTable::addSurface(QImage *surface) {
    return table().add(surface);
}

std::int32_t HandleTable::addImageList(cImageList *list) {
    return table().add(list);
}

std::int32_t HandleTable::addModule(const QString &resourceFolder) {
    return table().add(Module{resourceFolder});
}

std::int32_t HandleTable::libraryInstance() {
    static const std::int32_t instance = addModule(QStringLiteral(":/pathwell"));
    return instance;
}

HandleTable::Kind HandleTable::kind(std::int32_t handle) {
    return table().visit(handle, [](const Entry *entry) {
        if (!entry)
            return Kind::None;
        if (const auto *owned = std::get_if<OwnedImage>(entry))
            return owned->kind;
        if (std::holds_alternative<QImage *>(*entry))
            return Kind::Surface;
        if (std::holds_alternative<cImageList *>(*entry))
            return Kind::ImageList;
        return Kind::Module;
    });
}

QImage HandleTable::image(std::int32_t handle) {
    return table().visit(handle, [](const Entry *entry) {
        const auto *owned = entry ? std::get_if<OwnedImage>(entry) : nullptr;
        return owned ? owned->image : QImage();
    });
}

QImage *HandleTable::surface(std::int32_t handle) {
    return table().visit(handle, [](const Entry *entry) -> QImage * {
        const auto *surface = entry ? std::get_if<QImage *>(entry) : nullptr;
        return surface ? *surface : nullptr;
    });
}

cImageList *HandleTable::imageList(std::int32_t handle) {
    return table().visit(handle, [](const Entry *entry) -> cImageList * {
        const auto *list = entry ? std::get_if<cImageList *>(entry) : nullptr;
        return list ? *list : nullptr;
    });
}

QString HandleTable::moduleFolder(std::int32_t handle) {
    return table().visit(handle, [](const Entry *entry) {
        const auto *module = entry ? std::get_if<Module>(entry) : nullptr;
        return module ? module->folder : QString();
    });
}

void HandleTable::release(std::int32_t handle) {
    table().release(handle);
}

} // namespace PathwellControls
