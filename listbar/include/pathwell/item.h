#pragma once

#include <pathwell/pathwell_export.h>

#include <QPointer>
#include <QString>
#include <QVariant>

namespace PathwellControls {

class Listbar;

// One entry of a group: a picture with a caption. Writing a visible property repaints the
// control the item belongs to; the item never keeps that control alive.
class PATHWELL_EXPORT Item {
public:
    Item();
    ~Item();
    Item(const Item &) = delete;
    Item &operator=(const Item &) = delete;

    bool Visible() const { return m_visible; }
    void setVisible(bool visible);
    // Image references keep the type they were given: a position as a number or as digits,
    // or an image key. The default is the 16-bit integer -1, no image.
    QVariant SmallImage() const { return m_smallImage; }
    void setSmallImage(const QVariant &image);
    QVariant LargeImage() const { return m_largeImage; }
    void setLargeImage(const QVariant &image);
    bool Checked() const { return m_checked; }
    void setChecked(bool checked);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // Changing the key does not move the item within its collection.
    QString Key() const { return m_key; }
    void setKey(const QString &key) { m_key = key; }
    QString Text() const { return m_text; }
    void setText(const QString &text);

    // Whether the item is drawn with its small image; its group keeps this in step.
    bool UseSmallImages() const { return m_useSmallImages; }
    void setUseSmallImages(bool useSmallImages) { m_useSmallImages = useSmallImages; }

    Listbar *owner() const;
    void setOwner(Listbar *owner);

private:
    template <typename T> void assignAndRepaint(T &field, const T &value);

    QPointer<Listbar> m_owner;
    QString m_text;
    QString m_key;
    bool m_enabled = true;
    bool m_checked = false;
    bool m_visible = true;
    QVariant m_smallImage;
    QVariant m_largeImage;
    bool m_useSmallImages = false;
};

} // namespace PathwellControls
