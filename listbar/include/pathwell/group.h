#pragma once

#include <pathwell/enums.h>
#include <pathwell/items.h>
#include <pathwell/pathwell_export.h>

#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>

namespace PathwellControls {

class Listbar;

// A group header and its items. Writing a property repaints the control the group belongs
// to; the group never keeps that control alive.
class PATHWELL_EXPORT Group {
public:
    Group();
    ~Group();
    Group(const Group &) = delete;
    Group &operator=(const Group &) = delete;

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    std::int32_t GroupBackColor() const { return m_groupBackColor; }
    void setGroupBackColor(std::int32_t colour);
    bool HotFontUnderline() const { return m_hotFontUnderline; }
    void setHotFontUnderline(bool underline);
    bool HotFontItalic() const { return m_hotFontItalic; }
    void setHotFontItalic(bool italic);
    bool HotFontBold() const { return m_hotFontBold; }
    void setHotFontBold(bool bold);
    std::int16_t FontSize() const { return m_fontSize; }
    void setFontSize(std::int16_t points);
    bool FontUnderline() const { return m_fontUnderline; }
    void setFontUnderline(bool underline);
    bool FontItalic() const { return m_fontItalic; }
    void setFontItalic(bool italic);
    bool FontBold() const { return m_fontBold; }
    void setFontBold(bool bold);
    std::int32_t ForeColor() const { return m_foreColor; }
    void setForeColor(std::int32_t colour);
    std::int32_t HotForeColor() const { return m_hotForeColor; }
    void setHotForeColor(std::int32_t colour);
    std::int32_t ItemSelectedBackColor() const { return m_itemSelectedBackColor; }
    void setItemSelectedBackColor(std::int32_t colour);
    std::int32_t ItemHotForeColor() const { return m_itemHotForeColor; }
    void setItemHotForeColor(std::int32_t colour);
    std::int32_t ItemHotBackColor() const { return m_itemHotBackColor; }
    void setItemHotBackColor(std::int32_t colour);
    std::int32_t ItemForeColor() const { return m_itemForeColor; }
    void setItemForeColor(std::int32_t colour);
    std::int32_t ItemFlatBorderColor() const { return m_itemFlatBorderColor; }
    void setItemFlatBorderColor(std::int32_t colour);
    bool ItemButtonStyle() const { return m_itemButtonStyle; }
    void setItemButtonStyle(bool buttonStyle);
    bool ItemFlatStyle() const { return m_itemFlatStyle; }
    void setItemFlatStyle(bool flatStyle);
    bool UseSmallImages() const { return m_useSmallImages; }
    // A change of the value scrolls the group back to its start; the value is copied to the
    // group's items and to the flag its Items collection gives new items.
    void setUseSmallImages(bool useSmallImages);
    // Made on first use; replacing the collection does not repaint.
    std::shared_ptr<PathwellControls::Items> Items();
    void setItems(std::shared_ptr<PathwellControls::Items> items);
    // Changing the key does not move the group within its collection.
    QString Key() const { return m_key; }
    void setKey(const QString &key) { m_key = key; }
    GroupTextAlignment TextAlign() const { return m_textAlign; }
    void setTextAlign(GroupTextAlignment alignment);
    QString Text() const { return m_text; }
    void setText(const QString &text);

    // How far the items are scrolled, in pixels: 0 or negative.
    std::int16_t ScrollPos() const { return m_scrollPos; }
    void setScrollPos(std::int16_t pixels) { m_scrollPos = pixels; }

    Listbar *owner() const;
    // Sets the back reference of the group and of its items collection.
    void setOwner(Listbar *owner);

private:
    template <typename T> void assignAndRepaint(T &field, const T &value);
    void repaint() const;

    QPointer<Listbar> m_owner;
    std::shared_ptr<PathwellControls::Items> m_items;
    QString m_text;
    QString m_key;
    GroupTextAlignment m_textAlign = gtaCenter;
    bool m_enabled = true;
    bool m_useSmallImages = false;
    bool m_itemButtonStyle = false;
    bool m_itemFlatStyle = true;
    std::int32_t m_itemFlatBorderColor = 0xC56A31;
    std::int32_t m_itemForeColor = 0;
    std::int32_t m_itemHotForeColor = 0;
    std::int32_t m_itemHotBackColor = 0xEED2C1;
    std::int32_t m_itemSelectedBackColor = 0xE2B598;
    std::int32_t m_foreColor = 0;
    std::int32_t m_hotForeColor = 0x800000;
    std::int32_t m_groupBackColor = 0xE0E0E0;
    bool m_fontBold = false;
    bool m_fontItalic = false;
    bool m_fontUnderline = false;
    std::int16_t m_fontSize = 8;
    bool m_hotFontBold = false;
    bool m_hotFontItalic = false;
    bool m_hotFontUnderline = true;
    std::int16_t m_scrollPos = 0;
};

} // namespace PathwellControls
