#include <pathwell/handletable.h>
#include <pathwell/listbar.h>

#include <QPainter>

#include <gtest/gtest.h>

using namespace PathwellControls;

namespace {

struct ItemRow {
    QString text;
    QVariant largeImage;
    QVariant smallImage;
};

struct GroupRow {
    QString text;
    QList<ItemRow> items;
};

QVariant noImage() {
    return QVariant::fromValue<qint16>(-1);
}

// The program's navigation bar: two groups of large-picture items.
const QList<GroupRow> &navigationContent() {
    static const QList<GroupRow> content = {
        {"Menu",
         {{"Club Members", "1", noImage()},
          {"Tournaments", "2", "-1"},
          {"Calendar", "3", "-1"},
          {"Reminders", "4", "-1"},
          {"Contacts", "5", "-1"}}},
        {"More", {{"Options", "6", "-1"}, {"About", "7", "-1"}, {"Help", "9", "-1"}}},
    };
    return content;
}

// A numbered disc, one picture per navigation entry.
QImage itemPicture(int number) {
    QImage picture(32, 32, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromHsv(number * 40 % 360, 160, 220));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(2, 2, 28, 28);
    painter.setPen(Qt::black);
    painter.drawText(picture.rect(), Qt::AlignCenter, QString::number(number));
    return picture;
}

void buildNavigationBar(Listbar &control) {
    control.setBorderStyle(bsSoft3D);
    control.setFont(QFont("DejaVu Sans", 8));
    control.SmallImages()->setColourDepth(ILC_COLOR24);
    const auto large = control.LargeImages();
    large->setIconSizeX(32);
    large->setIconSizeY(32);
    large->setColourDepth(ILC_COLOR24);
    large->setOwnerHDC(control.hdc());
    large->Create();
    for (int number = 1; number <= 9; ++number) {
        const std::int32_t icon = HandleTable::addIcon(itemPicture(number));
        large->AddFromHandle(icon, IMAGE_ICON);
        HandleTable::release(icon);
    }

    for (const GroupRow &groupRow : navigationContent()) {
        const auto group = control.Groups()->Add(groupRow.text);
        group->setItemButtonStyle(true);
        group->setItemFlatStyle(false);
        group->setHotFontBold(true);
        group->setHotFontUnderline(false);
        for (const ItemRow &itemRow : groupRow.items) {
            const auto item = group->Items()->Add(itemRow.text);
            item->setLargeImage(itemRow.largeImage);
            item->setSmallImage(itemRow.smallImage);
        }
    }
    control.setActiveGroup(1);
}

} // namespace

TEST(NavigationBar, ContentBuiltThroughTheObjectModelReadsBack) {
    Listbar control;
    buildNavigationBar(control);

    EXPECT_EQ(control.ActiveGroup(), 1);
    EXPECT_EQ(control.BorderStyle(), bsSoft3D);
    EXPECT_EQ(control.SmallImages()->ColourDepth(), ILC_COLOR24);
    EXPECT_EQ(control.SmallImages()->ImageCount(), 0);
    const auto large = control.LargeImages();
    EXPECT_EQ(large->ImageCount(), 9);
    EXPECT_EQ(large->ItemPicture(9).image().size(), QSize(32, 32));

    const auto groups = control.Groups()->NewEnum();
    ASSERT_EQ(groups.size(), navigationContent().size());
    for (qsizetype g = 0; g < groups.size(); ++g) {
        const auto &group = groups[g];
        const GroupRow &expected = navigationContent()[g];
        EXPECT_EQ(group->Text(), expected.text);
        EXPECT_EQ(group->Key(), "");
        EXPECT_FALSE(group->UseSmallImages());
        EXPECT_TRUE(group->ItemButtonStyle());
        EXPECT_FALSE(group->ItemFlatStyle());
        EXPECT_EQ(group->ItemFlatBorderColor(), 12937777);
        EXPECT_EQ(group->ItemHotBackColor(), 15651521);
        EXPECT_EQ(group->ItemSelectedBackColor(), 14857624);
        EXPECT_EQ(group->HotForeColor(), 8388608);
        EXPECT_EQ(group->GroupBackColor(), 14737632);
        EXPECT_TRUE(group->HotFontBold());
        EXPECT_FALSE(group->HotFontUnderline());
        EXPECT_EQ(group->FontSize(), 8);

        const auto items = group->Items()->NewEnum();
        ASSERT_EQ(items.size(), expected.items.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            const ItemRow &row = expected.items[i];
            EXPECT_EQ(items[i]->Text(), row.text);
            EXPECT_EQ(items[i]->LargeImage(), row.largeImage) << row.text.toStdString();
            EXPECT_EQ(items[i]->SmallImage().typeId(), row.smallImage.typeId());
            EXPECT_TRUE(items[i]->Enabled() && items[i]->Visible() && !items[i]->Checked());
            EXPECT_EQ(large->ItemIndex(items[i]->LargeImage()), row.largeImage.toInt() - 1);
        }
    }
    EXPECT_EQ(control.Groups()->Item(2)->Items()->Item(3)->LargeImage().toString(), "9");
}
