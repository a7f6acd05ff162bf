#pragma once

#include <pathwell/enums.h>
#include <pathwell/group.h>
#include <pathwell/keyedcollection.h>
#include <pathwell/pathwell_export.h>

#include <QPointer>

#include <memory>

namespace PathwellControls {

class Listbar;

// The groups of a control.
class PATHWELL_EXPORT Groups : public KeyedCollection<Group> {
public:
    Groups();
    ~Groups();
    Groups(const Groups &) = delete;
    Groups &operator=(const Groups &) = delete;

    // Makes a group belonging to this collection's control and appends it under Key when
    // that is not empty; a key in use leaves the collection as it was, and the new group is
    // still returned, belonging to no collection.
    std::shared_ptr<PathwellControls::Group>
    Add(const QString &Text, GroupTextAlignment TextAlign = gtaCenter, const QString &Key = {});
    // Appends an existing group under its own Key when that is not empty, leaving its back
    // reference as it is.
    void AddObject(const std::shared_ptr<PathwellControls::Group> &obj);
    void Remove(const QVariant &Index);
    void Clear() { clear(); }

    Listbar *owner() const;
    void setOwner(Listbar *owner);

private:
    QPointer<Listbar> m_owner;
};

} // namespace PathwellControls
