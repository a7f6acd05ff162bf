#include <pathwell/cimagelist.h>
#include <pathwell/handletable.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPalette>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace PathwellControls;

namespace {

// Windows colour values: red in the low byte.
constexpr std::int32_t colourValue(int red, int green, int blue) {
    return red | green << 8 | blue << 16;
}

constexpr std::int32_t kButtonFace = static_cast<std::int32_t>(0x8000000Fu);

QImage solid(QSize size, QColor colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// The colour of a pixel as a Windows colour value, alpha ignored.
std::int32_t pixelValue(const QImage &image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return colourValue(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

std::int32_t paletteValue(QPalette::ColorRole role) {
    const QColor colour = QApplication::palette().color(role);
    return colourValue(colour.red(), colour.green(), colour.blue());
}

// A surface registered under a handle for the length of a test.
class Surface {
public:
    explicit Surface(QSize size, QColor fill = Qt::white) : image(size, QImage::Format_RGB32) {
        image.fill(fill);
        handle = HandleTable::addSurface(&image);
    }
    ~Surface() { HandleTable::release(handle); }
    Surface(const Surface &) = delete;
    Surface &operator=(const Surface &) = delete;

    QImage image;
    std::int32_t handle = 0;
};

class ImageListTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(list.Create()); }

    bool addIcon(QColor colour, const QString &key = {}, const QVariant &keyAfter = {}) {
        const std::int32_t icon = HandleTable::addIcon(solid({16, 16}, colour));
        const bool added = list.AddFromHandle(icon, IMAGE_ICON, key, -1, keyAfter);
        HandleTable::release(icon);
        return added;
    }

    // The colour at the centre of each image, in order.
    QList<QRgb> centreColours() const {
        QList<QRgb> colours;
        for (int position = 1; position <= list.ImageCount(); ++position)
            colours.append(list.ItemPicture(position).image().pixel(8, 8));
        return colours;
    }

    QStringList keys() const {
        QStringList result;
        for (int position = 1; position <= list.ImageCount(); ++position)
            result.append(list.ItemKey(position).toString());
        return result;
    }

    cImageList list;
};

} // namespace

TEST(ImageListLifecycle, ListNeverCreatedHoldsNothingAndAddsNothing) {
    cImageList list;
    const std::int32_t icon = HandleTable::addIcon(solid({16, 16}, Qt::red));
    EXPECT_EQ(list.hIml(), 0);
    EXPECT_EQ(list.ImageCount(), 0);
    EXPECT_FALSE(list.AddFromHandle(icon, IMAGE_ICON));
    EXPECT_EQ(list.ItemIndex(1), -1);
    EXPECT_TRUE(list.ImagePictureStrip().isNull());
    EXPECT_EQ(list.ItemCopyOfIcon(1), 0);
    HandleTable::release(icon);
}

TEST(ImageListLifecycle, CreateRefusesSizesAndDepthsItCannotHold) {
    struct Case {
        std::int32_t width;
        std::int32_t height;
        eilColourDepth depth;
        bool created;
    };
    const Case cases[] = {
        {16, 16, ILC_COLOR, true},
        {32, 32, ILC_COLOR24, true},
        {0, 16, ILC_COLOR, false},
        {16, -5, ILC_COLOR, false},
        {cImageList::kMaxIconSize + 1, 16, ILC_COLOR, false},
        {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(),
         ILC_COLOR, false},
        {16, 16, static_cast<eilColourDepth>(7), false},
    };
    for (const Case &c : cases) {
        cImageList list;
        list.setIconSizeX(c.width);
        list.setIconSizeY(c.height);
        list.setColourDepth(c.depth);
        EXPECT_EQ(list.Create(), c.created) << c.width << " x " << c.height << " depth " << c.depth;
        EXPECT_EQ(list.hIml() != 0, c.created);
    }
}

TEST_F(ImageListTest, HandleNamesTheListUntilDestroyOrClear) {
    ASSERT_TRUE(addIcon(Qt::red, "a"));
    const std::int32_t first = list.hIml();
    EXPECT_EQ(HandleTable::imageList(first), &list);

    list.Clear();
    EXPECT_EQ(list.ImageCount(), 0);
    EXPECT_FALSE(list.KeyExists("a"));
    EXPECT_NE(list.hIml(), 0);
    EXPECT_EQ(HandleTable::imageList(first), nullptr);

    const std::int32_t second = list.hIml();
    list.Destroy();
    EXPECT_EQ(list.hIml(), 0);
    EXPECT_EQ(HandleTable::imageList(second), nullptr);
}

TEST_F(ImageListTest, ImagesAreFoundByPositionNumberDigitsOrKey) {
    const QStringList imageKeys = {"a", "b", "c", "d", "e"};
    for (const QString &key : imageKeys)
        ASSERT_TRUE(addIcon(Qt::red, key));

    struct Case {
        QVariant key;
        std::int32_t index;
    };
    const Case cases[] = {
        {3, 2},
        {QStringLiteral("3"), 2},
        {QVariant::fromValue<qint16>(1), 0},
        {2.5, 1}, // a fraction rounds half to even
        {6, -1},
        {0, -1},
        {-1, -1},
        {QStringLiteral("a"), 0}, // the first image's key counts too
        {QStringLiteral("e"), 4},
        {QStringLiteral("A"), -1},
        {QStringLiteral("-1"), -1},
        {QStringLiteral(""), -1},
        {QStringLiteral("99999999999999999999"), -1},
        {QVariant(), -1},
        {true, -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(list.ItemIndex(c.key), c.index) << c.key.toString().toStdString();
}

TEST_F(ImageListTest, InsertionPointMovesLaterImagesWithTheirKeys) {
    struct Case {
        QVariant keyAfter;
        QStringList keys;
    };
    const Case cases[] = {
        {2, {"a", "new", "b", "c"}},          {QStringLiteral("c"), {"a", "b", "new", "c"}},
        {1, {"new", "a", "b", "c"}},          {0, {"a", "b", "c", "new"}},
        {4, {"a", "b", "c", "new"}},          {QStringLiteral("missing"), {"a", "b", "c", "new"}},
        {QVariant(), {"a", "b", "c", "new"}},
    };
    for (const Case &c : cases) {
        list.Clear();
        addIcon(Qt::red, "a");
        addIcon(Qt::green, "b");
        addIcon(Qt::blue, "c");
        ASSERT_TRUE(addIcon(Qt::yellow, "new", c.keyAfter));
        EXPECT_EQ(keys(), c.keys) << c.keyAfter.toString().toStdString();
        EXPECT_EQ(centreColours()[keys().indexOf("new")], QColor(Qt::yellow).rgb());
        EXPECT_EQ(centreColours()[keys().indexOf("b")], QColor(Qt::green).rgb());
    }
}

TEST_F(ImageListTest, RemovingAnImageMovesTheLaterKeysUp) {
    addIcon(Qt::red, "a");
    addIcon(Qt::green, "b");
    addIcon(Qt::blue, "c");

    list.RemoveImage(2);
    EXPECT_EQ(keys(), (QStringList{"a", "c"}));
    EXPECT_EQ(centreColours(), (QList<QRgb>{QColor(Qt::red).rgb(), QColor(Qt::blue).rgb()}));
    EXPECT_EQ(list.ItemIndex("c"), 1);

    list.RemoveImage("missing");
    list.RemoveImage(7);
    EXPECT_EQ(list.ImageCount(), 2);
}

TEST_F(ImageListTest, SwapExchangesImagesAndKeysAndCopyExchangesOnlyKeys) {
    addIcon(Qt::red, "a");
    addIcon(Qt::green, "b");

    list.SwapOrCopyImage(1, "b");
    EXPECT_EQ(keys(), (QStringList{"b", "a"}));
    EXPECT_EQ(centreColours(), (QList<QRgb>{QColor(Qt::green).rgb(), QColor(Qt::red).rgb()}));

    list.SwapOrCopyImage(1, 2, eilCopy);
    EXPECT_EQ(keys(), (QStringList{"a", "b"}));
    EXPECT_EQ(centreColours(), (QList<QRgb>{QColor(Qt::green).rgb(), QColor(Qt::green).rgb()}));

    list.SwapOrCopyImage(1, 3);
    EXPECT_EQ(keys(), (QStringList{"a", "b"}));
}

TEST_F(ImageListTest, KeysOutsideTheListReadEmptyAndAreNotWritten) {
    addIcon(Qt::red, "a");
    addIcon(Qt::green);

    list.setItemKey(2, "second");
    list.setItemKey(0, "zero");
    list.setItemKey(3, "three");
    EXPECT_EQ(keys(), (QStringList{"a", "second"}));
    EXPECT_FALSE(list.ItemKey(0).isValid());
    EXPECT_FALSE(list.ItemKey(3).isValid());
    EXPECT_FALSE(list.KeyExists("zero"));
    EXPECT_FALSE(list.KeyExists("A"));
    EXPECT_FALSE(list.KeyExists(""));
    EXPECT_TRUE(list.KeyExists("second"));
}

TEST_F(ImageListTest, BitmapsLoseTheirTransparentColour) {
    // A magenta frame around a red square, with one grey pixel.
    QImage bitmap = solid({16, 16}, Qt::magenta);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            bitmap.setPixel(x, y, qRgb(255, 0, 0));
    bitmap.setPixel(8, 8, QApplication::palette().color(QPalette::Button).rgb());

    struct Case {
        std::int32_t backColour;
        QPoint transparent;
        QPoint opaque;
    };
    const Case cases[] = {
        {-1, {0, 0}, {5, 5}},
        {colourValue(255, 0, 0), {5, 5}, {0, 0}},
        {kButtonFace, {8, 8}, {5, 5}},
    };
    for (const Case &c : cases) {
        list.Clear();
        const std::int32_t handle = HandleTable::addBitmap(bitmap);
        ASSERT_TRUE(list.AddFromHandle(handle, IMAGE_BITMAP, {}, c.backColour));
        HandleTable::release(handle);
        const QImage image = list.ItemPicture(1).image();
        EXPECT_EQ(qAlpha(image.pixel(c.transparent)), 0) << c.backColour;
        EXPECT_EQ(qAlpha(image.pixel(c.opaque)), 255) << c.backColour;
    }
}

TEST_F(ImageListTest, WideBitmapAddsOneImagePerImageWidth) {
    addIcon(Qt::black, "first");
    QImage strip(40, 16, QImage::Format_RGB32);
    strip.fill(Qt::white);
    for (int y = 0; y < 16; ++y) {
        for (int x = 16; x < 32; ++x)
            strip.setPixel(x, y, qRgb(0, 0, 255));
    }
    const std::int32_t handle = HandleTable::addBitmap(strip);
    ASSERT_TRUE(list.AddFromHandle(handle, IMAGE_BITMAP, "strip", colourValue(255, 255, 255), 1));
    HandleTable::release(handle);

    EXPECT_EQ(keys(), (QStringList{"strip", "", "first"}));
    EXPECT_EQ(qAlpha(centreColours()[0]), 0);
    EXPECT_EQ(centreColours()[1], qRgb(0, 0, 255));
}

TEST(ImageListLimits, ImageCountStaysWithinSixteenBits) {
    cImageList list;
    list.setIconSizeX(1);
    list.setIconSizeY(1);
    ASSERT_TRUE(list.Create());
    const std::int32_t tooWide =
        HandleTable::addBitmap(solid({cImageList::kMaxImages + 1, 1}, Qt::red));
    const std::int32_t full = HandleTable::addBitmap(solid({cImageList::kMaxImages, 1}, Qt::red));
    const std::int32_t one = HandleTable::addBitmap(solid({1, 1}, Qt::red));

    EXPECT_FALSE(list.AddFromHandle(tooWide, IMAGE_BITMAP));
    EXPECT_TRUE(list.AddFromHandle(full, IMAGE_BITMAP));
    EXPECT_FALSE(list.AddFromHandle(one, IMAGE_BITMAP));
    EXPECT_EQ(list.ImageCount(), cImageList::kMaxImages);

    for (const std::int32_t handle : {tooWide, full, one})
        HandleTable::release(handle);
}

TEST_F(ImageListTest, HandlesOfTheWrongKindAddNothing) {
    const std::int32_t bitmap = HandleTable::addBitmap(solid({16, 16}, Qt::red));
    const std::int32_t icon = HandleTable::addIcon(solid({16, 16}, Qt::red));
    const std::int32_t cursor = HandleTable::addCursor(solid({16, 16}, Qt::red));
    Surface surface({16, 16});

    EXPECT_FALSE(list.AddFromHandle(bitmap, IMAGE_ICON));
    EXPECT_FALSE(list.AddFromHandle(icon, IMAGE_BITMAP));
    EXPECT_FALSE(list.AddFromHandle(surface.handle, IMAGE_BITMAP));
    EXPECT_FALSE(list.AddFromHandle(list.hIml(), IMAGE_ICON));
    EXPECT_FALSE(list.AddFromHandle(0, IMAGE_ICON));
    EXPECT_FALSE(list.AddFromHandle(icon, static_cast<ImageTypes>(9)));
    EXPECT_EQ(list.ImageCount(), 0);
    EXPECT_TRUE(list.AddFromHandle(cursor, IMAGE_ICON));
    EXPECT_TRUE(list.AddFromHandle(icon, IMAGE_CURSOR));

    for (const std::int32_t handle : {bitmap, icon, cursor})
        HandleTable::release(handle);
}

TEST_F(ImageListTest, IconsOfAnotherSizeAreScaledToTheListSize) {
    const std::int32_t icon = HandleTable::addIcon(solid({48, 48}, Qt::blue));
    ASSERT_TRUE(list.AddFromHandle(icon, IMAGE_ICON));
    HandleTable::release(icon);
    const QImage image = list.ItemPicture(1).image();
    EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(image.pixel(15, 15), QColor(Qt::blue).rgb());
}

TEST_F(ImageListTest, FilesAddWhatQtCanReadAndNothingElse) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString bmp = folder.filePath("picture.bmp");
    const QString ico = folder.filePath("picture.ico");
    const QString cur = folder.filePath("pointer.cur");
    const QString png = folder.filePath("picture.png");
    const QString text = folder.filePath("notes.bmp");
    ASSERT_TRUE(solid({16, 16}, Qt::red).save(bmp));
    ASSERT_TRUE(solid({32, 32}, Qt::green).save(ico));
    ASSERT_TRUE(solid({16, 16}, Qt::blue).save(png));
    {
        // A cursor file is an icon file whose type field says 2.
        QFile source(ico);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        QByteArray bytes = source.readAll();
        bytes[2] = 2;
        QFile target(cur);
        ASSERT_TRUE(target.open(QIODevice::WriteOnly));
        target.write(bytes);
        QFile notes(text);
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("not a picture");
    }

    struct Case {
        QString file;
        ImageTypes type;
        std::int32_t position;
        QRgb centre;
    };
    const Case cases[] = {
        {bmp, IMAGE_BITMAP, 1, qRgb(255, 0, 0)},
        {ico, IMAGE_ICON, 2, qRgb(0, 255, 0)},
        {cur, IMAGE_CURSOR, 3, qRgb(0, 255, 0)},
        {png, IMAGE_BITMAP, 4, qRgb(0, 0, 255)},
        {text, IMAGE_BITMAP, 0, 0},
        {folder.filePath("missing.ico"), IMAGE_ICON, 0, 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(list.AddFromFile(c.file, c.type, QFileInfo(c.file).fileName(), false,
                                   colourValue(1, 2, 3)),
                  c.position)
            << c.file.toStdString();
        if (c.position) {
            EXPECT_EQ(list.ItemPicture(c.position).image().pixel(8, 8), c.centre)
                << c.file.toStdString();
        }
    }
    EXPECT_EQ(list.ImageCount(), 4);
    EXPECT_EQ(list.ItemIndex("pointer.cur"), 2);

    cImageList notCreated;
    EXPECT_EQ(notCreated.AddFromFile(bmp, IMAGE_BITMAP), 0);
}

TEST_F(ImageListTest, MappingSystemColoursReplacesTheClassicGreys) {
    QTemporaryDir folder;
    const QString file = folder.filePath("grey.bmp");
    QImage bitmap = solid({16, 16}, Qt::white);
    bitmap.setPixel(8, 8, qRgb(192, 192, 192));
    ASSERT_TRUE(bitmap.save(file));

    ASSERT_EQ(list.AddFromFile(file, IMAGE_BITMAP, {}, true), 1);
    ASSERT_EQ(list.AddFromFile(file, IMAGE_BITMAP, {}, false), 2);
    EXPECT_EQ(pixelValue(list.ItemPicture(1).image(), 8, 8), paletteValue(QPalette::Button));
    EXPECT_EQ(pixelValue(list.ItemPicture(2).image(), 8, 8), colourValue(192, 192, 192));
}

TEST_F(ImageListTest, LibraryResourcesAreFoundByNumber) {
    const std::int32_t library = HandleTable::libraryInstance();
    EXPECT_EQ(list.AddFromResourceID(101, library, IMAGE_ICON), 1);
    EXPECT_EQ(list.AddFromResourceID(102, library, IMAGE_ICON, "large"), 2);
    EXPECT_EQ(list.AddFromResourceID(999, library, IMAGE_ICON), 0);
    EXPECT_EQ(list.AddFromResourceID(101, library, IMAGE_BITMAP), 0);
    EXPECT_EQ(list.AddFromResourceID(-101, library, IMAGE_ICON), 0);
    EXPECT_EQ(list.AddFromResourceID(101, 0, IMAGE_ICON), 0);
    EXPECT_EQ(list.ImageCount(), 2);
    EXPECT_EQ(list.ItemPicture("large").image().size(), QSize(16, 16));
}

TEST_F(ImageListTest, PictureBoxPiecesAreCopiedFromTheSurface) {
    Surface surface({64, 64}, Qt::yellow);
    for (int y = 20; y < 36; ++y)
        for (int x = 20; x < 36; ++x)
            surface.image.setPixel(x, y, qRgb(0, 0, 255));
    surface.image.setPixel(28, 28, qRgb(255, 255, 0));
    QImage pictureBox = solid({64, 64}, Qt::blue);

    EXPECT_EQ(list.AddFromPictureBox(surface.handle, QImage(), "piece", 20, 20), 1);
    EXPECT_EQ(list.AddFromPictureBox(surface.handle, pictureBox, "boxed", 20, 20), 2);
    EXPECT_EQ(list.AddFromPictureBox(surface.handle, QImage(), {}, 64, 0), 0);
    EXPECT_EQ(list.AddFromPictureBox(surface.handle, QImage(), {}, -1, 0), 0);
    EXPECT_EQ(list.AddFromPictureBox(surface.handle, QImage(), {}, 0,
                                     std::numeric_limits<std::int32_t>::max()),
              0);
    EXPECT_EQ(list.AddFromPictureBox(0, QImage(), {}, 0, 0), 0);
    ASSERT_EQ(list.ImageCount(), 2);

    // Without a picture box the piece's own top-left colour (blue) is transparent.
    const QImage piece = list.ItemPicture("piece").image();
    EXPECT_EQ(qAlpha(piece.pixel(0, 0)), 0);
    EXPECT_EQ(piece.pixel(8, 8), qRgb(255, 255, 0));
    // With one, its top-left colour is; blue again here.
    EXPECT_EQ(qAlpha(list.ItemPicture("boxed").image().pixel(0, 0)), 0);
}

TEST_F(ImageListTest, DrawImageDrawsTransparentlyInItsLooks) {
    // Red on the left half, transparent on the right.
    QImage half(16, 16, QImage::Format_ARGB32);
    half.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x)
            half.setPixel(x, y, qRgb(255, 0, 0));
    const std::int32_t icon = HandleTable::addIcon(half);
    ASSERT_TRUE(list.AddFromHandle(icon, IMAGE_ICON, "half"));
    HandleTable::release(icon);

    Surface plain({32, 32});
    list.DrawImage("half", plain.handle, 4, 4);
    EXPECT_EQ(pixelValue(plain.image, 4, 4), colourValue(255, 0, 0));
    EXPECT_EQ(pixelValue(plain.image, 3, 4), colourValue(255, 255, 255));
    EXPECT_EQ(pixelValue(plain.image, 14, 4), colourValue(255, 255, 255));

    Surface cut({32, 32});
    list.DrawImage(1, cut.handle, 0, 0, false, true, false, colourValue(0, 0, 255));
    const QRgb cutPixel = cut.image.pixel(2, 2);
    EXPECT_NEAR(qRed(cutPixel), 128, 2);
    EXPECT_NEAR(qBlue(cutPixel), 128, 2);
    EXPECT_EQ(pixelValue(cut.image, 12, 2), colourValue(255, 255, 255));

    Surface selected({32, 32});
    list.DrawImage(1, selected.handle, 0, 0, true);
    EXPECT_NE(pixelValue(selected.image, 2, 2), colourValue(255, 0, 0));
    EXPECT_EQ(pixelValue(selected.image, 12, 2), colourValue(255, 255, 255));

    Surface disabled({32, 32});
    list.DrawImage(1, disabled.handle, 0, 0, false, false, true);
    EXPECT_EQ(pixelValue(disabled.image, 2, 2), paletteValue(QPalette::Dark));
    EXPECT_EQ(pixelValue(disabled.image, 8, 2), paletteValue(QPalette::Light));
    EXPECT_EQ(pixelValue(disabled.image, 9, 2), colourValue(255, 255, 255));
}

TEST_F(ImageListTest, DrawImageWithNothingToDrawLeavesTheSurface) {
    addIcon(Qt::red);
    Surface surface({16, 16});
    const QImage before = surface.image.copy();

    list.DrawImage(2, surface.handle, 0, 0);
    list.DrawImage("missing", surface.handle, 0, 0);
    list.DrawImage(1, surface.handle, std::numeric_limits<std::int16_t>::min(),
                   std::numeric_limits<std::int16_t>::max());
    list.DrawImage(1, list.hIml(), 0, 0);
    list.DrawImage(1, 0, 0, 0);
    list.DrawImage(1, surface.handle, 0, 0, false, false, false, 0, surface.handle);
    EXPECT_EQ(surface.image, before);
}

TEST_F(ImageListTest, DrawImageFromAnotherListNamesTheImageInThatList) {
    addIcon(Qt::red, "shared");
    cImageList other;
    ASSERT_TRUE(other.Create());
    const std::int32_t icon = HandleTable::addIcon(solid({16, 16}, Qt::green));
    other.AddFromHandle(icon, IMAGE_ICON);
    other.AddFromHandle(icon, IMAGE_ICON, "shared");
    HandleTable::release(icon);

    Surface surface({16, 16});
    list.DrawImage("shared", surface.handle, 0, 0, false, false, false, 0, other.hIml());
    EXPECT_EQ(pixelValue(surface.image, 8, 8), colourValue(0, 255, 0));
}

TEST_F(ImageListTest, CopiesAndPicturesOwnTheirImages) {
    addIcon(Qt::red, "a");
    const std::int32_t copy = list.ItemCopyOfIcon("a");
    std::int32_t pictureHandle = 0;
    {
        const Picture picture = list.ItemPicture(1);
        pictureHandle = picture.Handle();
        EXPECT_EQ(picture.type(), Picture::Type::Icon);
        list.RemoveImage(1);
        EXPECT_EQ(picture.image().pixel(8, 8), QColor(Qt::red).rgb());
    }
    EXPECT_EQ(HandleTable::kind(pictureHandle), HandleTable::Kind::None);
    EXPECT_EQ(HandleTable::kind(copy), HandleTable::Kind::Icon);
    EXPECT_EQ(HandleTable::image(copy).pixel(8, 8), QColor(Qt::red).rgb());
    HandleTable::release(copy);

    EXPECT_EQ(list.ItemCopyOfIcon("a"), 0);
    EXPECT_TRUE(list.ItemPicture(1).isNull());
}

TEST_F(ImageListTest, PictureWrappersTakeOverOnlyHandlesOfTheirKind) {
    const std::int32_t icon = HandleTable::addIcon(solid({16, 16}, Qt::red));
    const std::int32_t bitmap = HandleTable::addBitmap(solid({16, 16}, Qt::red));

    EXPECT_TRUE(list.IconToPicture(bitmap).isNull());
    EXPECT_TRUE(list.BitmapToPicture(icon).isNull());
    EXPECT_EQ(list.IconToPicture(icon).type(), Picture::Type::Icon);
    EXPECT_EQ(list.BitmapToPicture(bitmap).type(), Picture::Type::Bitmap);
    EXPECT_EQ(HandleTable::kind(icon), HandleTable::Kind::None);
    EXPECT_EQ(HandleTable::kind(bitmap), HandleTable::Kind::None);
}

TEST_F(ImageListTest, PictureStripShowsTheImagesSideBySide) {
    addIcon(Qt::red, "a");
    addIcon(Qt::transparent, "b");
    addIcon(Qt::blue, "c");

    const QImage all = list.ImagePictureStrip().image();
    ASSERT_EQ(all.size(), QSize(48, 16));
    EXPECT_EQ(all.pixel(8, 8), qRgb(255, 0, 0));
    EXPECT_EQ(pixelValue(all, 24, 8), paletteValue(QPalette::Button));
    EXPECT_EQ(all.pixel(40, 8), qRgb(0, 0, 255));

    const Picture lastTwo = list.ImagePictureStrip("b", 3, colourValue(0, 255, 0));
    EXPECT_EQ(lastTwo.type(), Picture::Type::Bitmap);
    ASSERT_EQ(lastTwo.image().size(), QSize(32, 16));
    EXPECT_EQ(lastTwo.image().pixel(8, 8), qRgb(0, 255, 0));

    EXPECT_TRUE(list.ImagePictureStrip(3, 1).isNull());
    EXPECT_TRUE(list.ImagePictureStrip(1, "missing").isNull());
}

TEST(ImageListColours, SystemColoursTranslateThroughThePalette) {
    cImageList list;
    struct Case {
        std::uint32_t colour;
        std::int32_t plain;
    };
    const Case cases[] = {
        {0x123456, 0x123456},
        {0x02123456, 0x123456},
        {0x8000000F, paletteValue(QPalette::Button)},
        {0x80000005, paletteValue(QPalette::Base)},
        {0x80000010, paletteValue(QPalette::Dark)},
        {0x80000014, paletteValue(QPalette::Light)},
        {0x80000019, -1},
        {0x8000001F, -1},
        {0x80010005, -1},
        {0x01000005, -1},
        {0xFFFFFFFF, -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(list.TranslateColor(static_cast<std::int32_t>(c.colour)), c.plain)
            << std::hex << c.colour;
}
