#include <pathwell/items.h>

#include <pathwell/listbar.h>

#include "liveobjects.h"

namespace PathwellControls {

Items::Items() {
    objectCreated();
}

Items::~Items() {
    objectDestroyed();
}

std::shared_ptr<Item> Items::Add(const QString &Text, const QString &Key) {
    auto item = std::make_shared<PathwellControls::Item>();
    item->setUseSmallImages(m_useSmallImages);
    item->setText(Text);
    if (!Key.isEmpty())
        item->setKey(Key);
    item->setOwner(m_owner);
    if (append(item, Key))
        repaint();
    return item;
}

void Items::AddObject(const std::shared_ptr<PathwellControls::Item> &obj) {
    if (obj && append(obj, obj->Key()))
        repaint();
}

void Items::Remove(const QVariant &Index) {
    remove(Index);
    repaint();
}

Listbar *Items::owner() const {
    return m_owner;
}

void Items::setOwner(Listbar *owner) {
    m_owner = owner;
}

void Items::repaint() const {
    if (m_owner)
        m_owner->Redraw();
}

} // namespace PathwellControls
