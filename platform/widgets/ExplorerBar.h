#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QWidget>

namespace widgets {

// The action pane: titled groups of clickable items with pictures. A click on
// a group's title band collapses or expands the group; a click on an item
// raises itemClick. With the keyboard, Tab and the arrow keys move between the
// titles and items, and Enter or Space presses the one with the focus.
class ExplorerBar : public QWidget {
    Q_OBJECT
public:
    struct Item {
        QString text;
        int picture = -1; // 1-based index into the pane's pictures, -1 for none
        QString tag;
    };
    struct Group {
        QString title;
        bool expanded = true;
        bool visible = true;
        QString tag;
        // Invalid colours fall back: the gradient to the box fill and the
        // palette's button colour, hot texts to the plain ones.
        QColor boxFill = Qt::white, boxOutline = Qt::black, gradientStart, gradientEnd,
               titleText = Qt::black, hotTitleText, itemText = Qt::black, hotItemText;
        bool hotItemBold = false, hotItemUnderline = true;
        QList<Item> items;
    };

    explicit ExplorerBar(QWidget *parent = nullptr);

    void setPictures(const QList<QPixmap> &pictures);
    const QList<QPixmap> &pictures() const { return pictures_; }
    void addGroup(const Group &group);
    const QList<Group> &groups() const { return groups_; }
    void setTitleFont(const QFont &font);
    void setItemFont(const QFont &font);

    // Presses an item as a click does.
    void clickItem(int group, int item);
    // Collapses an expanded group and expands a collapsed one, as a click on its title does.
    void toggleGroup(int group);

    // Where a title band and an item lie; empty for what is not shown.
    QRect titleRect(int group) const;
    QRect itemRect(int group, int item) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void itemClick(const widgets::ExplorerBar::Item &item);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class ExplorerBarAccessible;
    friend class ExplorerBarEntryAccessible;

    // A title or an item: what the pointer, the keyboard focus and assistive
    // technology move between. item is -1 for a group's title.
    struct Entry {
        int group = -1;
        int item = -1;
        bool operator==(const Entry &) const = default;
    };
    // Every title and item of the visible groups, in reading order, including
    // the items of collapsed groups; shown() says whether one is on screen.
    QList<Entry> entries() const;
    bool shown(const Entry &entry) const;
    QRect entryRect(const Entry &entry) const;
    QString entryText(const Entry &entry) const;
    Entry entryAt(const QPoint &position) const;
    void press(const Entry &entry);
    void setHot(const Entry &entry);
    void setFocusEntry(const Entry &entry);
    bool moveFocus(bool forward);
    void layoutEntries();
    int titleHeight() const;
    int itemHeight() const;

    QList<QPixmap> pictures_;
    QList<Group> groups_;
    QFont titleFont_;
    QFont itemFont_;
    QList<QRect> titleRects_;        // per group
    QList<QList<QRect>> itemRects_;  // per group and item
    Entry hot_;
    Entry pressed_;
    Entry focus_;
};

// A Windows colour value (red in the low byte, blue in the third) as saved
// content holds it: 16777215 is white, 128 dark red. Plain colours only; the
// system colour values with the high bit set are not read here.
QColor windowsColor(int value);

} // namespace widgets
