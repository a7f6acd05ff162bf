#include "ExplorerBar.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <cmath>
#include <utility>

namespace widgets {

namespace {

constexpr int margin = 8;        // around the groups
constexpr int groupSpacing = 12; // between one group's box and the next title
constexpr int boxPadding = 6;    // above the first and below the last item
constexpr int itemSpacing = 2;
constexpr int itemIndent = 10;
constexpr int pictureSize = 16;
constexpr int pictureGap = 6;
constexpr int chevronSize = 16;
constexpr int cornerRadius = 4;

// An item row holds its picture and then its text, indented on both sides.
QRect pictureRect(const QRect &row)
{
    return QRect(row.left() + itemIndent, row.top() + (row.height() - pictureSize) / 2, pictureSize,
                 pictureSize);
}

QRect textRect(const QRect &row)
{
    return row.adjusted(itemIndent + pictureSize + pictureGap, 0, -itemIndent, 0);
}

QColor orElse(const QColor &colour, const QColor &fallback)
{
    return colour.isValid() ? colour : fallback;
}

// The round button at the right of a title band: a chevron pointing up while
// the group is open, down while it is closed.
void paintChevron(QPainter &painter, const QRect &band, bool expanded, const QColor &colour)
{
    const QRectF circle(band.right() - margin - chevronSize + 0.5,
                        band.center().y() - chevronSize / 2.0 + 0.5, chevronSize - 1,
                        chevronSize - 1);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(circle);
    const QPointF centre = circle.center();
    const double half = 3.5, tip = expanded ? -1.5 : 1.5;
    painter.setPen(QPen(colour, 1.5));
    painter.drawPolyline(QPolygonF{centre + QPointF(-half, -tip), centre + QPointF(0, tip),
                                   centre + QPointF(half, -tip)});
}

} // namespace

// What assistive technology sees of one title or item.
class ExplorerBarEntryAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ExplorerBarEntryAccessible(ExplorerBar *bar, ExplorerBar::Entry entry)
        : bar_(bar), entry_(entry)
    {
    }

    bool isValid() const override { return bar_ && bar_->entries().contains(entry_); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return bar_ ? QAccessible::queryAccessibleInterface(bar_.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? bar_->entryText(entry_) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = bar_->entryRect(entry_);
        return QRect(bar_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override
    {
        return entry_.item < 0 ? QAccessible::Button : QAccessible::Link;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.focused = bar_->hasFocus() && bar_->focus_ == entry_;
        state.hotTracked = bar_->hot_ == entry_;
        state.invisible = !bar_->isVisible() || !bar_->shown(entry_);
        if (entry_.item < 0) {
            const bool expanded = bar_->groups_[entry_.group].expanded;
            state.expandable = true;
            state.expanded = expanded;
            state.collapsed = !expanded;
        }
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && isValid())
            bar_->press(entry_);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    const ExplorerBar::Entry &entry() const { return entry_; }

private:
    QPointer<ExplorerBar> bar_;
    ExplorerBar::Entry entry_;
};

// The pane itself, with one child per title and item.
class ExplorerBarAccessible : public QAccessibleWidget {
public:
    explicit ExplorerBarAccessible(ExplorerBar *bar) : QAccessibleWidget(bar, QAccessible::Pane) {}
    ~ExplorerBarAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(children_))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(bar()->entries().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const auto entries = bar()->entries();
        if (index < 0 || index >= entries.size())
            return nullptr;
        const ExplorerBar::Entry entry = entries[index];
        const auto key = std::make_pair(entry.group, entry.item);
        if (const auto found = children_.constFind(key); found != children_.cend())
            return QAccessible::accessibleInterface(*found);
        auto *created = new ExplorerBarEntryAccessible(bar(), entry);
        children_.insert(key, QAccessible::registerAccessibleInterface(created));
        return created;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int index = 0; index < childCount(); ++index) {
            if (this->child(index) == child)
                return index;
        }
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const ExplorerBar::Entry entry = bar()->entryAt(bar()->mapFromGlobal(QPoint(x, y)));
        const int index = int(bar()->entries().indexOf(entry));
        return entry.group >= 0 ? child(index) : nullptr;
    }

private:
    ExplorerBar *bar() const { return static_cast<ExplorerBar *>(widget()); }

    mutable QMap<std::pair<int, int>, QAccessible::Id> children_;
};

namespace {

QAccessibleInterface *accessibleFactory(const QString &, QObject *object)
{
    if (auto *bar = qobject_cast<ExplorerBar *>(object))
        return new ExplorerBarAccessible(bar);
    return nullptr;
}

} // namespace

ExplorerBar::ExplorerBar(QWidget *parent) : QWidget(parent)
{
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    titleFont_ = font();
    titleFont_.setBold(true);
    itemFont_ = font();
}

void ExplorerBar::setPictures(const QList<QPixmap> &pictures)
{
    pictures_ = pictures;
    update();
}

void ExplorerBar::addGroup(const Group &group)
{
    groups_.append(group);
    layoutEntries();
}

void ExplorerBar::setTitleFont(const QFont &font)
{
    titleFont_ = font;
    layoutEntries();
}

void ExplorerBar::setItemFont(const QFont &font)
{
    itemFont_ = font;
    layoutEntries();
}

void ExplorerBar::clickItem(int group, int item)
{
    if (group >= 0 && group < groups_.size() && item >= 0 && item < groups_[group].items.size())
        press({group, item});
}

void ExplorerBar::toggleGroup(int group)
{
    if (group < 0 || group >= groups_.size())
        return;
    groups_[group].expanded = !groups_[group].expanded;
    if (!shown(focus_))
        focus_ = {group, -1};
    layoutEntries();
}

QRect ExplorerBar::titleRect(int group) const { return entryRect({group, -1}); }

QRect ExplorerBar::itemRect(int group, int item) const { return entryRect({group, item}); }

QList<ExplorerBar::Entry> ExplorerBar::entries() const
{
    QList<Entry> result;
    for (int group = 0; group < groups_.size(); ++group) {
        if (!groups_[group].visible)
            continue;
        result.append({group, -1});
        for (int item = 0; item < groups_[group].items.size(); ++item)
            result.append({group, item});
    }
    return result;
}

bool ExplorerBar::shown(const Entry &entry) const
{
    if (entry.group < 0 || entry.group >= groups_.size() || !groups_[entry.group].visible)
        return false;
    const Group &group = groups_[entry.group];
    return entry.item < 0 || (group.expanded && entry.item < group.items.size());
}

QRect ExplorerBar::entryRect(const Entry &entry) const
{
    if (!shown(entry))
        return {};
    return entry.item < 0 ? titleRects_[entry.group] : itemRects_[entry.group][entry.item];
}

QString ExplorerBar::entryText(const Entry &entry) const
{
    if (entry.group < 0 || entry.group >= groups_.size())
        return {};
    const Group &group = groups_[entry.group];
    if (entry.item < 0)
        return group.title;
    return entry.item < group.items.size() ? group.items[entry.item].text : QString();
}

ExplorerBar::Entry ExplorerBar::entryAt(const QPoint &position) const
{
    for (const Entry &entry : entries()) {
        if (entryRect(entry).contains(position))
            return entry;
    }
    return {};
}

void ExplorerBar::press(const Entry &entry)
{
    if (entry.item < 0) {
        toggleGroup(entry.group);
        return;
    }
    // A copy: a handler may change the pane while the signal runs.
    const Item item = groups_[entry.group].items[entry.item];
    emit itemClick(item);
}

void ExplorerBar::setHot(const Entry &entry)
{
    if (hot_ == entry)
        return;
    hot_ = entry;
    if (hot_.group >= 0)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    update();
}

void ExplorerBar::setFocusEntry(const Entry &entry)
{
    focus_ = entry;
    update();
    if (hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(int(entries().indexOf(entry)));
        QAccessible::updateAccessibility(&event);
    }
}

bool ExplorerBar::moveFocus(bool forward)
{
    QList<Entry> reachable;
    for (const Entry &entry : entries()) {
        if (shown(entry))
            reachable.append(entry);
    }
    const qsizetype at = reachable.indexOf(focus_);
    const qsizetype next = at < 0 ? (forward ? 0 : reachable.size() - 1) : at + (forward ? 1 : -1);
    if (next < 0 || next >= reachable.size())
        return false;
    setFocusEntry(reachable[next]);
    return true;
}

int ExplorerBar::titleHeight() const
{
    return std::max(QFontMetrics(titleFont_).height() + 10, chevronSize + 8);
}

int ExplorerBar::itemHeight() const
{
    return std::max(QFontMetrics(itemFont_).height(), pictureSize) + 4;
}

void ExplorerBar::layoutEntries()
{
    titleRects_.clear();
    itemRects_.clear();
    const int width = std::max(this->width() - 2 * margin, 0);
    int y = margin;
    for (const Group &group : std::as_const(groups_)) {
        QList<QRect> items;
        if (!group.visible) {
            titleRects_.append(QRect());
            itemRects_.append(items);
            continue;
        }
        titleRects_.append(QRect(margin, y, width, titleHeight()));
        y += titleHeight();
        if (group.expanded) {
            y += boxPadding;
            for (qsizetype item = 0; item < group.items.size(); ++item) {
                items.append(QRect(margin + 1, y, width - 2, itemHeight()));
                y += itemHeight() + itemSpacing;
            }
            y += boxPadding - itemSpacing;
        }
        itemRects_.append(items);
        y += groupSpacing;
    }
    if (!shown(hot_))
        setHot({});
    updateGeometry();
    update();
}

QSize ExplorerBar::sizeHint() const
{
    // Whole pixels rounded up, so that no text is elided at the hinted size.
    const auto textWidth = [](const QFont &font, const QString &text) {
        return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
    };
    // What an item row needs besides its text: the box's edges, indents and picture.
    const int itemChrome = 2 + 2 * itemIndent + pictureSize + pictureGap;
    int width = 0;
    int height = margin - groupSpacing;
    for (const Group &group : groups_) {
        if (!group.visible)
            continue;
        width = std::max(width, textWidth(titleFont_, group.title) + chevronSize + 3 * margin);
        height += groupSpacing + titleHeight();
        if (group.expanded && !group.items.isEmpty())
            height += 2 * boxPadding + int(group.items.size()) * (itemHeight() + itemSpacing) -
                      itemSpacing;
        for (const Item &item : group.items)
            width = std::max(width, textWidth(itemFont_, item.text) + itemChrome);
    }
    return {width + 2 * margin, std::max(height, 0) + margin};
}

QSize ExplorerBar::minimumSizeHint() const { return sizeHint(); }

void ExplorerBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutEntries();
}

void ExplorerBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int index = 0; index < groups_.size(); ++index) {
        const Group &group = groups_[index];
        if (!group.visible)
            continue;
        const QRect band = titleRects_[index];

        // The box under the title, then the band over its top edge.
        if (group.expanded && !group.items.isEmpty()) {
            const QRect box(band.left(), band.bottom(), band.width(),
                            itemRects_[index].last().bottom() + boxPadding - band.bottom());
            painter.setPen(QPen(group.boxOutline, 1));
            painter.setBrush(group.boxFill);
            painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
        }
        // Rounded at the top only, where it does not meet the box.
        const QRectF outline(band);
        const double corner = 2 * cornerRadius;
        QPainterPath bandShape(outline.bottomLeft());
        bandShape.arcTo(QRectF(outline.topLeft(), QSizeF(corner, corner)), 180, -90);
        bandShape.arcTo(QRectF(outline.right() - corner, outline.top(), corner, corner), 90, -90);
        bandShape.lineTo(outline.bottomRight());
        bandShape.closeSubpath();
        QLinearGradient gradient(band.topLeft(), band.topRight());
        gradient.setColorAt(0, orElse(group.gradientStart, group.boxFill));
        gradient.setColorAt(1, orElse(group.gradientEnd, palette().color(QPalette::Button)));
        painter.fillPath(bandShape, gradient);

        const bool titleHot = hot_ == Entry{index, -1};
        const QColor titleColour =
            titleHot ? orElse(group.hotTitleText, group.titleText) : group.titleText;
        const QRect titleText = band.adjusted(margin, 0, -(2 * margin + chevronSize), 0);
        painter.setFont(titleFont_);
        painter.setPen(titleColour);
        painter.drawText(titleText, Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetrics(titleFont_).elidedText(group.title, Qt::ElideRight,
                                                             titleText.width()));
        paintChevron(painter, band, group.expanded, titleColour);

        if (!group.expanded)
            continue;
        for (int item = 0; item < group.items.size(); ++item) {
            const Item &entry = group.items[item];
            const QRect row = itemRects_[index][item];
            if (entry.picture >= 1 && entry.picture <= pictures_.size())
                painter.drawPixmap(pictureRect(row), pictures_[entry.picture - 1]);

            const bool hot = hot_ == Entry{index, item};
            QFont font = itemFont_;
            if (hot) {
                font.setUnderline(group.hotItemUnderline);
                font.setBold(group.hotItemBold);
            }
            const QRect text = textRect(row);
            painter.setFont(font);
            painter.setPen(hot ? orElse(group.hotItemText, group.itemText) : group.itemText);
            const QString visibleText =
                QFontMetrics(font).elidedText(entry.text, Qt::ElideRight, text.width());
            painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, visibleText);
        }
    }

    if (hasFocus() && shown(focus_)) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = entryRect(focus_).adjusted(2, 1, -2, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ExplorerBar::mouseMoveEvent(QMouseEvent *event)
{
    setHot(entryAt(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void ExplorerBar::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton ? entryAt(event->position().toPoint()) : Entry{};
    if (pressed_.group >= 0)
        setFocusEntry(pressed_);
    QWidget::mousePressEvent(event);
}

void ExplorerBar::mouseReleaseEvent(QMouseEvent *event)
{
    const Entry pressed = std::exchange(pressed_, Entry{});
    if (event->button() == Qt::LeftButton && pressed.group >= 0 &&
        entryAt(event->position().toPoint()) == pressed)
        press(pressed);
    QWidget::mouseReleaseEvent(event);
}

void ExplorerBar::leaveEvent(QEvent *event)
{
    setHot({});
    QWidget::leaveEvent(event);
}

void ExplorerBar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        moveFocus(false);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        moveFocus(true);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (shown(focus_))
            press(focus_);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ExplorerBar::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    // Tab enters at the first title or item, Backtab at the last; other ways
    // in keep the one the pane had.
    const bool backwards = event->reason() == Qt::BacktabFocusReason;
    if (backwards || event->reason() == Qt::TabFocusReason || !shown(focus_)) {
        focus_ = {};
        moveFocus(!backwards);
    }
    update();
}

void ExplorerBar::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

bool ExplorerBar::focusNextPrevChild(bool next)
{
    // Tab walks through the titles and items before it leaves the pane.
    if (hasFocus() && moveFocus(next))
        return true;
    return QWidget::focusNextPrevChild(next);
}

QColor windowsColor(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace widgets
