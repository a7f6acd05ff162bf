#include <pathwell/item.h>

#include <pathwell/listbar.h>

#include "liveobjects.h"

namespace PathwellControls {

Item::Item()
    : m_smallImage(QVariant::fromValue<qint16>(-1)), m_largeImage(QVariant::fromValue<qint16>(-1)) {
    objectCreated();
}

Item::~Item() {
    objectDestroyed();
}

template <typename T> void Item::assignAndRepaint(T &field, const T &value) {
    field = value;
    if (m_owner)
        m_owner->Redraw();
}

void Item::setVisible(bool visible) {
    assignAndRepaint(m_visible, visible);
}

void Item::setSmallImage(const QVariant &image) {
    assignAndRepaint(m_smallImage, image);
}

void Item::setLargeImage(const QVariant &image) {
    assignAndRepaint(m_largeImage, image);
}

void Item::setChecked(bool checked) {
    assignAndRepaint(m_checked, checked);
}

void Item::setEnabled(bool enabled) {
    assignAndRepaint(m_enabled, enabled);
}

void Item::setText(const QString &text) {
    assignAndRepaint(m_text, text);
}

Listbar *Item::owner() const {
    return m_owner;
}

void Item::setOwner(Listbar *owner) {
    m_owner = owner;
}

} // namespace PathwellControls
