#include "widgets/ExplorerBar.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using widgets::ExplorerBar;
using widgets::windowsColor;

namespace {

// The member pane between two boxes, so that focus can enter and leave it.
class ExplorerBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&window);
        before = new QLineEdit(&window);
        bar = new ExplorerBar(&window);
        after = new QLineEdit(&window);
        layout->addWidget(before);
        layout->addWidget(bar);
        layout->addWidget(after);

        QList<QPixmap> pictures;
        for (const QColor colour : {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta}) {
            QPixmap picture(16, 16);
            picture.fill(colour);
            pictures << picture;
        }
        bar->setPictures(pictures);
        ExplorerBar::Group group;
        group.title = QStringLiteral("Menu");
        group.boxOutline = windowsColor(0);
        group.gradientStart = windowsColor(16777215);
        group.gradientEnd = windowsColor(7960953);
        group.hotTitleText = windowsColor(6381921);
        group.hotItemText = windowsColor(128);
        const char *texts[] = {"Add New Member", "Edit this Member", "Delete this Member",
                               "Email this Member", "Print Member List"};
        for (int item = 0; item < 5; ++item)
            group.items.append({QString::fromLatin1(texts[item]), item + 1, QString()});
        bar->addGroup(group);

        QObject::connect(bar, &ExplorerBar::itemClick,
                         [this](const ExplorerBar::Item &item) { clicked << item.text; });
        window.resize(240, 300);
        window.show();
        QApplication::setActiveWindow(&window);
    }

    void click(const QRect &where) { QTest::mouseClick(bar, Qt::LeftButton, {}, where.center()); }

    QWidget window;
    QLineEdit *before = nullptr;
    ExplorerBar *bar = nullptr;
    QLineEdit *after = nullptr;
    QStringList clicked;
};

TEST_F(ExplorerBarTest, ClickingAnItemRaisesItsClickAndTheTitleFoldsTheGroup)
{
    click(bar->itemRect(0, 1));
    EXPECT_EQ(clicked, QStringList{"Edit this Member"});

    const QRect item = bar->itemRect(0, 1);
    click(bar->titleRect(0));
    EXPECT_FALSE(bar->groups()[0].expanded);
    EXPECT_TRUE(bar->itemRect(0, 1).isEmpty());
    click(item);
    EXPECT_EQ(clicked.size(), 1);

    click(bar->titleRect(0));
    EXPECT_TRUE(bar->groups()[0].expanded);
    bar->clickItem(0, 4);
    EXPECT_EQ(clicked.last(), QStringLiteral("Print Member List"));
}

TEST_F(ExplorerBarTest, KeyboardWalksTitleAndItemsAndPresses)
{
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(bar->hasFocus());
    QTest::keyClick(bar, Qt::Key_Down);
    QTest::keyClick(bar, Qt::Key_Down);
    QTest::keyClick(bar, Qt::Key_Return);
    QTest::keyClick(bar, Qt::Key_Tab);
    QTest::keyClick(bar, Qt::Key_Space);
    EXPECT_EQ(clicked, (QStringList{"Edit this Member", "Delete this Member"}));

    // Past the last item Tab leaves the pane; Backtab comes back to the last item.
    QTest::keyClick(bar, Qt::Key_Tab);
    QTest::keyClick(bar, Qt::Key_Tab);
    EXPECT_TRUE(bar->hasFocus());
    QTest::keyClick(bar, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    QTest::keyClick(after, Qt::Key_Backtab);
    QTest::keyClick(bar, Qt::Key_Enter);
    EXPECT_EQ(clicked.last(), QStringLiteral("Print Member List"));

    // Space on the title folds the group; its items are then out of reach.
    for (int step = 0; step < 5; ++step)
        QTest::keyClick(bar, Qt::Key_Up);
    QTest::keyClick(bar, Qt::Key_Space);
    EXPECT_FALSE(bar->groups()[0].expanded);
    QTest::keyClick(bar, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
}

TEST_F(ExplorerBarTest, AssistiveTechnologySeesTitleAndItemsAndCanPressThem)
{
    QAccessibleInterface *pane = QAccessible::queryAccessibleInterface(bar);
    ASSERT_NE(pane, nullptr);
    ASSERT_EQ(pane->childCount(), 6);
    EXPECT_EQ(pane->child(0)->text(QAccessible::Name), QStringLiteral("Menu"));
    EXPECT_EQ(pane->child(5)->text(QAccessible::Name), QStringLiteral("Print Member List"));
    EXPECT_EQ(pane->indexOfChild(pane->child(3)), 3);
    EXPECT_EQ(pane->childAt(bar->mapToGlobal(bar->itemRect(0, 2).center()).x(),
                            bar->mapToGlobal(bar->itemRect(0, 2).center()).y()),
              pane->child(3));

    QAccessibleActionInterface *item = pane->child(2)->actionInterface();
    ASSERT_NE(item, nullptr);
    item->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked, QStringList{"Edit this Member"});

    pane->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(bar->groups()[0].expanded);
    EXPECT_TRUE(pane->child(0)->state().collapsed);
    EXPECT_TRUE(pane->child(2)->state().invisible);
}

TEST_F(ExplorerBarTest, TitleBandFadesAndTheHotItemTurnsItsColourUnderAHand)
{
    const QRect target = bar->itemRect(0, 2);
    QMouseEvent move(QEvent::MouseMove, target.center(), bar->mapToGlobal(target.center()),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    EXPECT_EQ(bar->cursor().shape(), Qt::PointingHandCursor);

    const QImage image = bar->grab().toImage();
    const auto holds = [&image](const QRect &area, const QColor &colour) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixelColor(x, y) == colour)
                    return true;
        return false;
    };
    EXPECT_TRUE(holds(target, windowsColor(128)));
    EXPECT_FALSE(holds(bar->itemRect(0, 1), windowsColor(128)));

    // The band runs from the gradient's start colour at its left to its end colour at its right.
    const QRect band = bar->titleRect(0);
    const auto near = [](const QColor &seen, const QColor &wanted) {
        return std::abs(seen.red() - wanted.red()) <= 3 &&
               std::abs(seen.green() - wanted.green()) <= 3 &&
               std::abs(seen.blue() - wanted.blue()) <= 3;
    };
    EXPECT_TRUE(near(image.pixelColor(band.left() + 1, band.center().y()), windowsColor(16777215)));
    EXPECT_TRUE(near(image.pixelColor(band.right() - 1, band.center().y()), windowsColor(7960953)));
}

TEST(WindowsColorTest, RedIsTheLowByte)
{
    EXPECT_EQ(windowsColor(128), QColor(128, 0, 0));
    EXPECT_EQ(windowsColor(0x00FFFF), QColor(255, 255, 0));
    EXPECT_EQ(windowsColor(16777215), QColor(255, 255, 255));
}

} // namespace
