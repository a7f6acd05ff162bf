#include <pathwell/listbar.h>

#include <pathwell/handletable.h>

#include "colours.h"
#include "design/frmabout.h"
#include "liveobjects.h"

#include <QPainter>

#include <limits>

namespace PathwellControls {

Listbar::Listbar(QWidget *parent) : QWidget(parent), m_hdc(HandleTable::addSurface(&m_surface)) {
    objectCreated();
    Groups()->setOwner(this);
}

Listbar::~Listbar() {
    HandleTable::release(m_hdc);
    objectDestroyed();
}

std::shared_ptr<cImageList> Listbar::LargeImages() {
    if (!m_largeImages)
        m_largeImages = std::make_shared<cImageList>();
    return m_largeImages;
}

void Listbar::setLargeImages(std::shared_ptr<cImageList> images) {
    m_largeImages = std::move(images);
    markChanged(QStringLiteral("LargeImages"));
}

std::shared_ptr<cImageList> Listbar::SmallImages() {
    if (!m_smallImages)
        m_smallImages = std::make_shared<cImageList>();
    return m_smallImages;
}

void Listbar::setSmallImages(std::shared_ptr<cImageList> images) {
    m_smallImages = std::move(images);
    markChanged(QStringLiteral("SmallImages"));
}

void Listbar::setUseXPThemes(bool useThemes) {
    m_useXPThemes = useThemes;
    markChanged(QStringLiteral("UseXPThemes"));
    Redraw();
}

void Listbar::setGroupheight(std::int16_t pixels) {
    m_groupHeight = pixels;
    Redraw();
}

void Listbar::setBorderColor(std::int32_t colour) {
    m_borderColor = colour;
    markChanged(QStringLiteral("BorderColor"));
    Redraw();
}

void Listbar::setBorderStyle(ListbarBorderStyles style) {
    m_borderStyle = style;
    markChanged(QStringLiteral("BorderStyle"));
    Redraw();
}

void Listbar::setActiveGroup(std::int16_t position) {
    // The open group is kept 0-based in 16 bits, which has no room below the lowest position.
    if (position == std::numeric_limits<std::int16_t>::min())
        return;
    m_activeGroupIndex = static_cast<std::int16_t>(position - 1);
    Redraw();
}

std::shared_ptr<Groups> Listbar::Groups() {
    if (!m_groups)
        m_groups = std::make_shared<PathwellControls::Groups>();
    return m_groups;
}

void Listbar::setGroups(std::shared_ptr<PathwellControls::Groups> groups) {
    m_groups = std::move(groups);
}

void Listbar::About() {
    frmAbout about(this);
    about.exec();
}

void Listbar::setFont(const QFont &font) {
    QWidget::setFont(font);
    markChanged(QStringLiteral("Font"));
}

void Listbar::setEnabled(bool enabled) {
    QWidget::setEnabled(enabled);
    markChanged(QStringLiteral("Enabled"));
    Redraw();
}

void Listbar::PropChanged() {
    markChanged(QStringLiteral("Groups"));
}

void Listbar::Redraw() {
    // A control larger than any screen gets no off-screen image rather than a huge one.
    constexpr qint64 kMaxSurfacePixels = 64 * 1024 * 1024;
    if (qint64(width()) * height() > kMaxSurfacePixels)
        m_surface = QImage();
    else if (m_surface.size() != size())
        m_surface = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    m_surface.fill(toQColor(translateColour(kButtonFace, palette())));
    update();
    emit Redrawn();
}

void Listbar::setPropertyChangedCallback(PropertyChangedCallback callback) {
    m_propertyChanged = std::move(callback);
}

void Listbar::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}

void Listbar::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    if (const auto open = Groups()->Item(QVariant::fromValue<qint16>(ActiveGroup())))
        open->setScrollPos(0);
    Redraw();
}

void Listbar::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    Groups()->setOwner(this);
}

void Listbar::markChanged(const QString &propertyName) {
    if (m_propertyChanged)
        m_propertyChanged(propertyName);
}

} // namespace PathwellControls
