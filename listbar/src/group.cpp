#include <pathwell/group.h>

#include <pathwell/listbar.h>

#include "liveobjects.h"

namespace PathwellControls {

Group::Group() {
    objectCreated();
}

Group::~Group() {
    objectDestroyed();
}

template <typename T> void Group::assignAndRepaint(T &field, const T &value) {
    field = value;
    repaint();
}

void Group::setEnabled(bool enabled) {
    assignAndRepaint(m_enabled, enabled);
}

void Group::setGroupBackColor(std::int32_t colour) {
    assignAndRepaint(m_groupBackColor, colour);
}

void Group::setHotFontUnderline(bool underline) {
    assignAndRepaint(m_hotFontUnderline, underline);
}

void Group::setHotFontItalic(bool italic) {
    assignAndRepaint(m_hotFontItalic, italic);
}

void Group::setHotFontBold(bool bold) {
    assignAndRepaint(m_hotFontBold, bold);
}

void Group::setFontSize(std::int16_t points) {
    assignAndRepaint(m_fontSize, points);
}

void Group::setFontUnderline(bool underline) {
    assignAndRepaint(m_fontUnderline, underline);
}

void Group::setFontItalic(bool italic) {
    assignAndRepaint(m_fontItalic, italic);
}

void Group::setFontBold(bool bold) {
    assignAndRepaint(m_fontBold, bold);
}

void Group::setForeColor(std::int32_t colour) {
    assignAndRepaint(m_foreColor, colour);
}

void Group::setHotForeColor(std::int32_t colour) {
    assignAndRepaint(m_hotForeColor, colour);
}

void Group::setItemSelectedBackColor(std::int32_t colour) {
    assignAndRepaint(m_itemSelectedBackColor, colour);
}

void Group::setItemHotForeColor(std::int32_t colour) {
    assignAndRepaint(m_itemHotForeColor, colour);
}

void Group::setItemHotBackColor(std::int32_t colour) {
    assignAndRepaint(m_itemHotBackColor, colour);
}

void Group::setItemForeColor(std::int32_t colour) {
    assignAndRepaint(m_itemForeColor, colour);
}

void Group::setItemFlatBorderColor(std::int32_t colour) {
    assignAndRepaint(m_itemFlatBorderColor, colour);
}

void Group::setItemButtonStyle(bool buttonStyle) {
    assignAndRepaint(m_itemButtonStyle, buttonStyle);
}

void Group::setItemFlatStyle(bool flatStyle) {
    assignAndRepaint(m_itemFlatStyle, flatStyle);
}

void Group::setUseSmallImages(bool useSmallImages) {
    if (useSmallImages != m_useSmallImages)
        m_scrollPos = 0;
    m_useSmallImages = useSmallImages;
    const auto items = Items();
    items->setUseSmallImages(useSmallImages);
    for (const auto &item : items->NewEnum())
        item->setUseSmallImages(useSmallImages);
    repaint();
}

std::shared_ptr<Items> Group::Items() {
    if (!m_items) {
        m_items = std::make_shared<PathwellControls::Items>();
        m_items->setOwner(m_owner);
    }
    return m_items;
}

void Group::setItems(std::shared_ptr<PathwellControls::Items> items) {
    m_items = std::move(items);
}

void Group::setTextAlign(GroupTextAlignment alignment) {
    assignAndRepaint(m_textAlign, alignment);
}

void Group::setText(const QString &text) {
    assignAndRepaint(m_text, text);
}

Listbar *Group::owner() const {
    return m_owner;
}

void Group::setOwner(Listbar *owner) {
    m_owner = owner;
    Items()->setOwner(owner);
}

void Group::repaint() const {
    if (m_owner)
        m_owner->Redraw();
}

} // namespace PathwellControls
