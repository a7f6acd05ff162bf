#include <pathwell/bagstream.h>
#include <pathwell/handletable.h>
#include <pathwell/identifiers.h>
#include <pathwell/listbar.h>

#include <gtest/gtest.h>

#include <memory>

using namespace PathwellControls;

namespace {

QStringList names(const PropertyBag &bag) {
    QStringList result;
    for (const PropertyBag::Entry &entry : bag.entries())
        result.append(entry.name);
    return result;
}

// Saves the control, and loads what was saved into a new control.
std::unique_ptr<Listbar> reloaded(Listbar &control) {
    PropertyBag saved;
    control.WriteProperties(saved);
    auto copy = std::make_unique<Listbar>();
    copy->ReadProperties(BagStream::fromBytes(BagStream::toBytes(saved)));
    return copy;
}

// A picture with a transparent corner, so that the mask takes part.
QImage picture(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    image.setPixel(0, 0, 0);
    image.setPixel(size.width() - 1, size.height() - 1, qRgb(1, 2, 3));
    return image;
}

void addPicture(cImageList &list, QRgb colour, const QString &key = {}) {
    const std::int32_t icon =
        HandleTable::addIcon(picture({list.IconSizeX(), list.IconSizeY()}, colour));
    list.AddFromHandle(icon, IMAGE_ICON, key);
    HandleTable::release(icon);
}

void expectSameImages(cImageList &expected, cImageList &actual) {
    EXPECT_EQ(actual.IconSizeX(), expected.IconSizeX());
    EXPECT_EQ(actual.IconSizeY(), expected.IconSizeY());
    EXPECT_EQ(actual.ColourDepth(), expected.ColourDepth());
    ASSERT_EQ(actual.ImageCount(), expected.ImageCount());
    for (int position = 1; position <= expected.ImageCount(); ++position) {
        EXPECT_EQ(actual.ItemKey(position), expected.ItemKey(position));
        EXPECT_EQ(actual.ItemPicture(position).image(), expected.ItemPicture(position).image())
            << "image " << position;
    }
}

void expectSameGroup(Group &expected, Group &actual) {
    EXPECT_EQ(actual.Text(), expected.Text());
    EXPECT_EQ(actual.Key(), expected.Key());
    EXPECT_EQ(actual.TextAlign(), expected.TextAlign());
    EXPECT_EQ(actual.Enabled(), expected.Enabled());
    EXPECT_EQ(actual.UseSmallImages(), expected.UseSmallImages());
    EXPECT_EQ(actual.ItemButtonStyle(), expected.ItemButtonStyle());
    EXPECT_EQ(actual.ItemFlatStyle(), expected.ItemFlatStyle());
    EXPECT_EQ(actual.ItemFlatBorderColor(), expected.ItemFlatBorderColor());
    EXPECT_EQ(actual.ItemForeColor(), expected.ItemForeColor());
    EXPECT_EQ(actual.ItemHotForeColor(), expected.ItemHotForeColor());
    EXPECT_EQ(actual.ItemHotBackColor(), expected.ItemHotBackColor());
    EXPECT_EQ(actual.ItemSelectedBackColor(), expected.ItemSelectedBackColor());
    EXPECT_EQ(actual.ForeColor(), expected.ForeColor());
    EXPECT_EQ(actual.HotForeColor(), expected.HotForeColor());
    EXPECT_EQ(actual.GroupBackColor(), expected.GroupBackColor());
    EXPECT_EQ(actual.FontBold(), expected.FontBold());
    EXPECT_EQ(actual.FontItalic(), expected.FontItalic());
    EXPECT_EQ(actual.FontUnderline(), expected.FontUnderline());
    EXPECT_EQ(actual.FontSize(), expected.FontSize());
    EXPECT_EQ(actual.HotFontBold(), expected.HotFontBold());
    EXPECT_EQ(actual.HotFontItalic(), expected.HotFontItalic());
    EXPECT_EQ(actual.HotFontUnderline(), expected.HotFontUnderline());
    EXPECT_EQ(actual.ScrollPos(), expected.ScrollPos());

    const auto expectedItems = expected.Items()->NewEnum();
    const auto actualItems = actual.Items()->NewEnum();
    ASSERT_EQ(actualItems.size(), expectedItems.size());
    for (qsizetype n = 0; n < expectedItems.size(); ++n) {
        const Item &want = *expectedItems[n];
        const Item &got = *actualItems[n];
        SCOPED_TRACE(want.Text().toStdString());
        EXPECT_EQ(got.Text(), want.Text());
        EXPECT_EQ(got.Key(), want.Key());
        EXPECT_EQ(got.Enabled(), want.Enabled());
        EXPECT_EQ(got.Checked(), want.Checked());
        EXPECT_EQ(got.Visible(), want.Visible());
        EXPECT_EQ(got.UseSmallImages(), want.UseSmallImages());
        // The images keep their kind: a 16-bit -1 is not the text "-1".
        EXPECT_EQ(got.SmallImage().typeId(), want.SmallImage().typeId());
        EXPECT_EQ(got.SmallImage(), want.SmallImage());
        EXPECT_EQ(got.LargeImage().typeId(), want.LargeImage().typeId());
        EXPECT_EQ(got.LargeImage(), want.LargeImage());
    }
}

} // namespace

TEST(ListbarPersistence, EverySettingGroupAndItemComesBack) {
    Listbar control;
    control.setBorderStyle(bsDoubleLine);
    control.setBorderColor(0x123456);
    control.setGroupheight(30);
    control.setUseXPThemes(true);
    control.setEnabled(false);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(10.5);
    font.setWeight(QFont::DemiBold);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    control.setFont(font);
    const auto small = control.SmallImages();
    small->Create();
    addPicture(*small, qRgb(200, 10, 10), "worm");
    const auto large = control.LargeImages();
    large->setIconSizeX(32);
    large->setIconSizeY(24);
    large->setColourDepth(ILC_COLOR24);
    large->Create();
    addPicture(*large, qRgb(10, 200, 10));
    addPicture(*large, qRgb(10, 10, 200), QString(300, QLatin1Char('k')));
    addPicture(*large, qRgb(90, 90, 90), "x");

    const auto baits = control.Groups()->Add("Baits", gtaLeft, "baits");
    const auto worm = baits->Items()->Add("Worm\r\nplastic", "worm");
    worm->setSmallImage(QVariant::fromValue<std::int16_t>(-1));
    worm->setLargeImage(QVariant::fromValue<std::int32_t>(2));
    worm->setEnabled(false);
    worm->setChecked(true);
    const auto jig = baits->Items()->Add("Jig");
    jig->setSmallImage(QStringLiteral("-1"));
    jig->setLargeImage(QStringLiteral("x"));
    jig->setVisible(false);
    baits->setUseSmallImages(true);
    jig->setUseSmallImages(false);
    baits->setScrollPos(-40);
    baits->setEnabled(false);
    baits->setItemButtonStyle(true);
    baits->setItemFlatStyle(false);
    baits->setItemFlatBorderColor(1);
    baits->setItemForeColor(2);
    baits->setItemHotForeColor(3);
    baits->setItemHotBackColor(4);
    baits->setItemSelectedBackColor(5);
    baits->setForeColor(6);
    baits->setHotForeColor(7);
    baits->setGroupBackColor(static_cast<std::int32_t>(0x8000000Fu));
    baits->setFontBold(true);
    baits->setFontItalic(true);
    baits->setFontUnderline(true);
    baits->setFontSize(11);
    baits->setHotFontBold(true);
    baits->setHotFontItalic(true);
    baits->setHotFontUnderline(false);
    const auto lakes = control.Groups()->Add("Lakes", gtaRight);
    lakes->Items()->Add("Lake Fork");
    control.setActiveGroup(2);

    const auto copy = reloaded(control);
    EXPECT_EQ(copy->BorderStyle(), bsDoubleLine);
    EXPECT_EQ(copy->BorderColor(), 0x123456);
    EXPECT_EQ(copy->Groupheight(), 30);
    EXPECT_TRUE(copy->UseXPThemes());
    EXPECT_FALSE(copy->Enabled());
    EXPECT_EQ(copy->ActiveGroup(), 2);
    EXPECT_EQ(copy->Font().family(), "DejaVu Serif");
    EXPECT_EQ(copy->Font().pointSizeF(), 10.5);
    EXPECT_EQ(copy->Font().weight(), QFont::DemiBold);
    EXPECT_TRUE(copy->Font().italic() && copy->Font().underline() && copy->Font().strikeOut());
    expectSameImages(*small, *copy->SmallImages());
    expectSameImages(*large, *copy->LargeImages());
    const auto groups = control.Groups()->NewEnum();
    const auto copiedGroups = copy->Groups()->NewEnum();
    ASSERT_EQ(copiedGroups.size(), groups.size());
    for (qsizetype i = 0; i < groups.size(); ++i)
        expectSameGroup(*groups[i], *copiedGroups[i]);
    EXPECT_EQ(copiedGroups[0]->owner(), copy.get());
    EXPECT_EQ(copy->Groups()->Item("BAITS"), copiedGroups[0]);
    EXPECT_EQ(copiedGroups[0]->Items()->Item("worm")->Text(), "Worm\r\nplastic");
}

TEST(ListbarPersistence, NewControlStoresOnlyWhatDiffersFromTheDefaults) {
    Listbar control;
    PropertyBag saved;
    control.WriteProperties(saved);
    EXPECT_EQ(names(saved), QStringList({"borderstyle", "font", "smallimages", "largeimages"}));
    EXPECT_EQ(saved.read("BorderStyle"), PropertyValue(std::int32_t(bsSoft3D)));
    const PersistedObject emptyList(QUuid(Identifiers::kImageListClass), {});
    EXPECT_EQ(saved.read("SmallImages"), PropertyValue(emptyList));

    Listbar copy;
    copy.ReadProperties(saved);
    PropertyBag savedAgain;
    copy.WriteProperties(savedAgain);
    EXPECT_EQ(savedAgain, saved);
    EXPECT_EQ(copy.BorderStyle(), bsSoft3D);
    EXPECT_EQ(copy.BorderColor(), 0x808080);
    EXPECT_EQ(copy.Groupheight(), 22);
    EXPECT_EQ(copy.ActiveGroup(), 1);
    EXPECT_TRUE(copy.Enabled());
    EXPECT_EQ(copy.Groups()->Count(), 0);
}

TEST(ImageListPersistence, EmptyListStoresOnlySizesAndDepthThatDiffer) {
    struct Case {
        std::int32_t width;
        std::int32_t height;
        eilColourDepth depth;
        QStringList stored;
    };
    const Case cases[] = {
        {16, 16, ILC_COLOR, {}},
        {32, 32, ILC_COLOR24, {"iconsizex", "iconsizey", "colourdepth"}},
        {16, 48, ILC_COLOR, {"iconsizey"}},
    };
    for (const Case &c : cases) {
        cImageList list;
        list.setIconSizeX(c.width);
        list.setIconSizeY(c.height);
        list.setColourDepth(c.depth);
        list.Create();
        PropertyBag saved;
        list.WriteProperties(saved);
        EXPECT_EQ(names(saved), c.stored);

        cImageList copy;
        copy.ReadProperties(saved);
        EXPECT_NE(copy.hIml(), 0);
        expectSameImages(list, copy);
    }
}

TEST(ImageListPersistence, RecordsAndKeysComeBack) {
    cImageList list;
    list.Create();
    const QStringList keys = {"", "a", QString(1000, QLatin1Char('z')), "", "last"};
    for (qsizetype i = 0; i < keys.size(); ++i)
        addPicture(list, qRgb(40 * int(i), 255 - 40 * int(i), 7), keys[i]);
    PropertyBag saved;
    list.WriteProperties(saved);
    EXPECT_EQ(names(saved), QStringList({"size", "images", "keycount", "keys"}));
    EXPECT_EQ(saved.read("Size"), PropertyValue(std::int32_t(5 * 940)));
    EXPECT_EQ(saved.read("KeyCount"), PropertyValue(std::int16_t(5)));
    EXPECT_EQ(saved.read("Keys"), PropertyValue(keys.join(QChar(0xFF))));

    cImageList copy;
    copy.ReadProperties(saved);
    expectSameImages(list, copy);
}

// Records that cannot be rebuilt are left out; one whose size cannot be worked out ends the list.
TEST(ImageListPersistence, DamagedRecordsAreLeftOut) {
    const auto recordsOf = [](std::initializer_list<QSize> sizes) {
        QByteArray records;
        for (const QSize size : sizes) {
            cImageList one;
            one.setIconSizeX(size.width());
            one.setIconSizeY(size.height());
            one.Create();
            addPicture(one, qRgb(1, 2, 3));
            PropertyBag saved;
            one.WriteProperties(saved);
            records += std::get<QByteArray>(saved.read("Images"));
        }
        return records;
    };
    const QByteArray threeGood = recordsOf({{16, 16}, {16, 16}, {16, 16}});
    QByteArray hugeWidth = threeGood;
    hugeWidth[940 + 16 + 2] = 0x7F;
    struct Case {
        const char *what;
        QByteArray records;
        std::int32_t size;
        int images;
    };
    const Case cases[] = {
        {"other size", recordsOf({{16, 16}, {8, 8}, {16, 16}}), 940 * 2 + 308, 2},
        {"cut short", threeGood.left(940 * 2 + 500), 940 * 3, 2},
        {"size stops early", threeGood, 940, 1},
        {"size beyond the array", threeGood, 100000, 3},
        {"width beyond any list", hugeWidth, 940 * 3, 1},
        {"no size", threeGood, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        PropertyBag saved;
        saved.write("Size", c.size);
        saved.write("Images", c.records);
        saved.write("Keys", QStringLiteral("p\u00FFq"));
        cImageList list;
        list.ReadProperties(saved);
        EXPECT_EQ(list.ImageCount(), c.images);
        if (c.images >= 1) {
            EXPECT_EQ(list.ItemKey(1), "p");
        }
    }
}

// Group and item keys have no defaults of their own: a missing one reads as empty.
TEST(ListbarPersistence, MissingAndHostileValuesLoadSafely) {
    Listbar control;
    control.Groups()->Add("Menu")->Items()->Add("Club Members");
    PropertyBag saved;
    control.WriteProperties(saved);
    saved.write("Group0Enabled", {});
    saved.write("Group0FontSize", {});
    saved.write("Group0Text", std::int32_t(5));
    saved.write("Group0-Item0LargeImage", QByteArray("x"));
    saved.write("Font", QStringLiteral("not a font"));
    saved.write("LargeImages", std::int32_t(1));

    Listbar copy;
    copy.ReadProperties(saved);
    const auto group = copy.Groups()->Item(1);
    ASSERT_NE(group, nullptr);
    EXPECT_FALSE(group->Enabled());
    EXPECT_EQ(group->FontSize(), 0);
    EXPECT_EQ(group->Text(), "");
    EXPECT_FALSE(group->Items()->Item(1)->LargeImage().isValid());
    EXPECT_EQ(copy.Font(), QFont());
    EXPECT_EQ(copy.LargeImages()->hIml(), 0);

    // Counts far beyond the bag's entries make no more groups and items than it has entries.
    PropertyBag hostile;
    hostile.write("GroupCount", std::int32_t(0x7FFFFFFF));
    hostile.write("Group0-ItemCount", std::int32_t(0x7FFFFFFF));
    hostile.write("Group1-ItemCount", std::int32_t(0x7FFFFFFF));
    copy.ReadProperties(hostile);
    EXPECT_LE(copy.Groups()->Count(), 3);
    EXPECT_LE(copy.Groups()->Item(1)->Items()->Count(), 3);
}
