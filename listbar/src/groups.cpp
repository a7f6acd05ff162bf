#include <pathwell/groups.h>

#include <pathwell/listbar.h>

#include "liveobjects.h"

namespace PathwellControls {

Groups::Groups() {
    objectCreated();
}

Groups::~Groups() {
    objectDestroyed();
}

std::shared_ptr<Group> Groups::Add(const QString &Text, GroupTextAlignment TextAlign,
                                   const QString &Key) {
    auto group = std::make_shared<Group>();
    group->setText(Text);
    group->setTextAlign(TextAlign);
    if (!Key.isEmpty())
        group->setKey(Key);
    group->setOwner(m_owner);
    if (append(group, Key) && m_owner)
        m_owner->Redraw();
    return group;
}

void Groups::AddObject(const std::shared_ptr<PathwellControls::Group> &obj) {
    if (obj)
        append(obj, obj->Key());
}

void Groups::Remove(const QVariant &Index) {
    remove(Index);
    if (m_owner)
        m_owner->Redraw();
}

Listbar *Groups::owner() const {
    return m_owner;
}

void Groups::setOwner(Listbar *owner) {
    m_owner = owner;
}

} // namespace PathwellControls
