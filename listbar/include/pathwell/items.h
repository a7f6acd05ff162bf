#pragma once

#include <pathwell/item.h>
#include <pathwell/keyedcollection.h>
#include <pathwell/pathwell_export.h>

#include <QPointer>

#include <memory>

namespace PathwellControls {

class Listbar;

// The items of one group.
class PATHWELL_EXPORT Items : public KeyedCollection<Item> {
public:
    Items();
    ~Items();
    Items(const Items &) = delete;
    Items &operator=(const Items &) = delete;

    // Makes an item with the collection's small-image flag and appends it under Key when that
    // is not empty; a key in use leaves the collection as it was, and the new item is still
    // returned, belonging to no collection.
    std::shared_ptr<PathwellControls::Item> Add(const QString &Text, const QString &Key = {});
    // Appends an existing item under its own Key when that is not empty.
    void AddObject(const std::shared_ptr<PathwellControls::Item> &obj);
    void Remove(const QVariant &Index);
    void Clear() { clear(); }

    // The flag copied into every item the collection makes.
    bool UseSmallImages() const { return m_useSmallImages; }
    void setUseSmallImages(bool useSmallImages) { m_useSmallImages = useSmallImages; }

    Listbar *owner() const;
    void setOwner(Listbar *owner);

private:
    void repaint() const;

    QPointer<Listbar> m_owner;
    bool m_useSmallImages = false;
};

} // namespace PathwellControls
