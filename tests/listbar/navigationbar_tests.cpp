#include <pathwell/bagstream.h>
#include <pathwell/identifiers.h>
#include <pathwell/listbar.h>

#include <QFile>

#include <gtest/gtest.h>

using namespace PathwellControls;

namespace {

struct ItemRow {
    QString text;
    QString largeImage;
};

struct GroupRow {
    QString text;
    QList<ItemRow> items;
};

// The program's navigation bar: two groups of large-picture items.
const QList<GroupRow> &navigationContent() {
    static const QList<GroupRow> content = {
        {"Menu",
         {{"Club Members", "1"},
          {"Tournaments", "2"},
          {"Calendar", "3"},
          {"Reminders", "4"},
          {"Contacts", "5"}}},
        {"More", {{"Options", "6"}, {"About", "7"}, {"Help", "9"}}},
    };
    return content;
}

QByteArray navigationStream() {
    QFile file(QStringLiteral(NAVIGATION_BAR_STREAM));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

PropertyBag navigationBag() {
    QString fault;
    const PropertyBag bag = BagStream::fromBytes(navigationStream(), &fault);
    EXPECT_EQ(fault, "");
    return bag;
}

const PropertyBag &nestedBag(const PropertyBag &bag, const QString &name) {
    return std::get<PersistedObject>(bag.read(name)).properties();
}

} // namespace

TEST(NavigationBar, CommittedStreamHoldsTheSavedContent) {
    const PropertyBag bag = navigationBag();
    EXPECT_EQ(navigationStream().size(), 38072);
    ASSERT_EQ(bag.entries().size(), 117);
    const QList<PropertyBag::Entry> first = bag.entries().first(5);
    StandardFont font;
    font.sizeTenThousandthsOfPoint = 82500;
    font.faceName = "MS Sans Serif";
    const QList<PropertyBag::Entry> expectedFirst = {
        {"_extentx", std::int32_t(2672)}, {"_extenty", std::int32_t(10716)},
        {"borderstyle", std::int32_t(1)}, {"font", font},
        {"groupcount", std::int32_t(2)},
    };
    EXPECT_EQ(first, expectedFirst);

    // The first item of each group keeps its small image as the number -1, the others as text.
    for (const auto &[name, smallImage] :
         std::initializer_list<std::pair<const char *, PropertyValue>>{
             {"Group0-Item0SmallImage", std::int16_t(-1)},
             {"Group0-Item4SmallImage", QStringLiteral("-1")},
             {"Group1-Item0SmallImage", std::int16_t(-1)},
             {"Group1-Item2SmallImage", QStringLiteral("-1")},
         })
        EXPECT_EQ(bag.read(name), smallImage) << name;

    const PropertyBag &small = nestedBag(bag, "SmallImages");
    EXPECT_EQ(BagStream::toBytes(small).size(), 48);
    EXPECT_EQ(small.entries(), QList<PropertyBag::Entry>({{"colourdepth", std::int32_t(24)}}));
    const PropertyBag &large = nestedBag(bag, "LargeImages");
    EXPECT_EQ(BagStream::toBytes(large).size(), 31608);
    EXPECT_EQ(large.read("IconSizeX"), PropertyValue(std::int32_t(32)));
    EXPECT_EQ(large.read("Size"), PropertyValue(std::int32_t(31356)));
    EXPECT_EQ(std::get<QByteArray>(large.read("Images")).size(), 31356);
    EXPECT_EQ(large.read("KeyCount"), PropertyValue(std::int16_t(9)));
    EXPECT_EQ(large.read("Keys"), PropertyValue(QString(8, QChar(0xFF))));
}

TEST(NavigationBar, StreamIsReadAndWrittenBackByteForByte) {
    const QByteArray stream = navigationStream();
    const PropertyBag bag = navigationBag();
    EXPECT_EQ(BagStream::toBytes(bag), stream);

    // As the host does it: its own size entries first, then the control's.
    Listbar control;
    control.ReadProperties(bag);
    PropertyBag saved;
    saved.write("_extentx", bag.read("_extentx"));
    saved.write("_extenty", bag.read("_extenty"));
    control.WriteProperties(saved);
    EXPECT_EQ(BagStream::toBytes(saved), stream);
}

TEST(NavigationBar, ControlLoadsTheNavigationContent) {
    Listbar control;
    control.ReadProperties(navigationBag());

    EXPECT_EQ(control.ActiveGroup(), 1);
    EXPECT_EQ(control.BorderStyle(), bsSoft3D);
    EXPECT_EQ(control.Font().family(), "MS Sans Serif");
    EXPECT_EQ(control.Font().pointSizeF(), 8.25);
    EXPECT_EQ(control.SmallImages()->ColourDepth(), ILC_COLOR24);
    EXPECT_EQ(control.SmallImages()->ImageCount(), 0);
    const auto large = control.LargeImages();
    EXPECT_EQ(large->ColourDepth(), ILC_COLOR24);
    EXPECT_EQ(large->ImageCount(), 9);
    EXPECT_EQ(large->ItemPicture(9).image().size(), QSize(32, 32));

    const auto groups = control.Groups()->NewEnum();
    ASSERT_EQ(groups.size(), navigationContent().size());
    for (qsizetype g = 0; g < groups.size(); ++g) {
        const auto &group = groups[g];
        const GroupRow &expected = navigationContent()[g];
        EXPECT_EQ(group->Text(), expected.text);
        EXPECT_EQ(group->Key(), "");
        EXPECT_TRUE(group->Enabled());
        EXPECT_FALSE(group->UseSmallImages());
        EXPECT_TRUE(group->ItemButtonStyle());
        EXPECT_FALSE(group->ItemFlatStyle());
        EXPECT_EQ(group->ItemFlatBorderColor(), 12937777);
        EXPECT_EQ(group->ItemForeColor(), 0);
        EXPECT_EQ(group->ItemHotBackColor(), 15651521);
        EXPECT_EQ(group->ItemHotForeColor(), 0);
        EXPECT_EQ(group->ItemSelectedBackColor(), 14857624);
        EXPECT_EQ(group->HotForeColor(), 8388608);
        EXPECT_EQ(group->ForeColor(), 0);
        EXPECT_EQ(group->GroupBackColor(), 14737632);
        EXPECT_EQ(group->FontSize(), 8);
        EXPECT_FALSE(group->FontBold() || group->FontItalic() || group->FontUnderline());
        EXPECT_TRUE(group->HotFontBold());
        EXPECT_FALSE(group->HotFontItalic() || group->HotFontUnderline());
        EXPECT_EQ(group->ScrollPos(), 0);

        const auto items = group->Items()->NewEnum();
        ASSERT_EQ(items.size(), expected.items.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            const ItemRow &row = expected.items[i];
            EXPECT_EQ(items[i]->Text(), row.text);
            EXPECT_EQ(items[i]->Key(), "");
            EXPECT_EQ(items[i]->LargeImage(), QVariant(row.largeImage)) << row.text.toStdString();
            EXPECT_EQ(items[i]->SmallImage().toInt(), -1);
            EXPECT_TRUE(items[i]->Enabled() && items[i]->Visible() && !items[i]->Checked());
            EXPECT_FALSE(items[i]->UseSmallImages());
            EXPECT_EQ(large->ItemIndex(items[i]->LargeImage()), row.largeImage.toInt() - 1);
        }
    }
}
