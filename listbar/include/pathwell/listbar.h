#pragma once

#include <pathwell/cimagelist.h>
#include <pathwell/enums.h>
#include <pathwell/group.h>
#include <pathwell/groups.h>
#include <pathwell/item.h>
#include <pathwell/pathwell_export.h>
#include <pathwell/propertybag.h>

#include <QFont>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

namespace PathwellControls {

// A vertical navigation bar: a stack of group headers, one group open and showing its
// items. Every state change redraws the whole control into an off-screen image, which the
// widget then shows. Writing a saved property tells the host through the property-changed
// callback, so that the host saves its design data again.
class PATHWELL_EXPORT Listbar : public QWidget {
    Q_OBJECT

public:
    using PropertyChangedCallback = std::function<void(const QString &propertyName)>;

    explicit Listbar(QWidget *parent = nullptr);
    ~Listbar() override;

    // Both image lists are made, empty, on first use; replacing one marks it, no repaint.
    std::shared_ptr<cImageList> LargeImages();
    void setLargeImages(std::shared_ptr<cImageList> images);
    std::shared_ptr<cImageList> SmallImages();
    void setSmallImages(std::shared_ptr<cImageList> images);
    bool UseXPThemes() const { return m_useXPThemes; }
    void setUseXPThemes(bool useThemes);
    std::int16_t Groupheight() const { return m_groupHeight; }
    void setGroupheight(std::int16_t pixels);
    std::int32_t BorderColor() const { return m_borderColor; }
    void setBorderColor(std::int32_t colour);
    ListbarBorderStyles BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(ListbarBorderStyles style);
    // The open group, 1-based. Written without a range test: a position outside the groups
    // leaves no group open.
    std::int16_t ActiveGroup() const { return static_cast<std::int16_t>(m_activeGroupIndex + 1); }
    void setActiveGroup(std::int16_t position);
    // Made on first use; replacing the collection neither repaints nor marks.
    std::shared_ptr<PathwellControls::Groups> Groups();
    void setGroups(std::shared_ptr<PathwellControls::Groups> groups);
    // Shows the library's about window modally.
    void About();
    // Unlike QWidget::setFont, these also mark the saved property.
    QFont Font() const { return font(); }
    void setFont(const QFont &font);
    bool Enabled() const { return isEnabled(); }
    void setEnabled(bool enabled);
    // Marks "Groups", for editors that changed groups or items.
    void PropChanged();
    void Redraw();
    // The handle of the off-screen image the control draws into.
    std::int32_t hdc() const { return m_hdc; }

    void setPropertyChangedCallback(PropertyChangedCallback callback);

    // Saves the whole content, groups, items and both image lists included, into the bag the
    // host keeps with its design data. Values equal to their defaults are left out.
    void WriteProperties(PropertyBag &bag);
    // Replaces the whole content by a saved one. A missing or unreadable value takes its
    // default, and nothing is reported.
    void ReadProperties(const PropertyBag &bag);

signals:
    void RightClick();
    void ClickedGroup(std::shared_ptr<PathwellControls::Group> group);
    void ItemClicked(std::shared_ptr<PathwellControls::Item> item);
    // Sent after every full redraw of the off-screen image.
    void Redrawn();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void markChanged(const QString &propertyName);

    std::shared_ptr<PathwellControls::Groups> m_groups;
    std::shared_ptr<cImageList> m_largeImages;
    std::shared_ptr<cImageList> m_smallImages;
    ListbarBorderStyles m_borderStyle = bsSoft3D;
    std::int32_t m_borderColor = 0x808080;
    std::int16_t m_activeGroupIndex = 0;
    std::int16_t m_groupHeight = 22;
    bool m_useXPThemes = false;
    PropertyChangedCallback m_propertyChanged;
    QImage m_surface;
    std::int32_t m_hdc = 0;
};

} // namespace PathwellControls

Q_DECLARE_METATYPE(std::shared_ptr<PathwellControls::Group>)
Q_DECLARE_METATYPE(std::shared_ptr<PathwellControls::Item>)
