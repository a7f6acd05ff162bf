// Makes Listbar1.bag, the saved content of the main window's navigation bar: two groups of
// large-picture items and the nine pictures they draw. The stream was made once with
//   make_listbar1 app/navigation/Listbar1.bag
// and is kept as it is; the build compiles this program but never runs it.

#include <pathwell/bagstream.h>
#include <pathwell/handletable.h>
#include <pathwell/listbar.h>

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cmath>
#include <functional>

using namespace PathwellControls;

namespace {

constexpr int kPictureSize = 32;
// The control's size on the main window, in pixels.
constexpr int kWidth = 101;
constexpr int kHeight = 405;

struct ItemRow {
    const char *text;
    const char *largeImage;
};

struct GroupRow {
    const char *text;
    QList<ItemRow> items;
};

const QList<GroupRow> kContent = {
    {"Menu",
     {{"Club Members", "1"},
      {"Tournaments", "2"},
      {"Calendar", "3"},
      {"Reminders", "4"},
      {"Contacts", "5"}}},
    // Picture 8 is the club's bass, which no item shows.
    {"More", {{"Options", "6"}, {"About", "7"}, {"Help", "9"}}},
};

// The control's size as the host stores it: hundredths of a millimetre at 96 pixels per inch.
std::int32_t himetric(int pixels) {
    return static_cast<std::int32_t>(std::lround(pixels * 2540.0 / 96.0));
}

// Pictures are drawn without smoothing, so that every pixel is either fully drawn or fully
// transparent, as the saved form keeps them.
QImage picture(const std::function<void(QPainter &)> &draw) {
    QImage image(kPictureSize, kPictureSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    draw(painter);
    return image;
}

void drawMembers(QPainter &p) {
    p.setBrush(QColor(70, 130, 200));
    p.drawEllipse(3, 4, 10, 10);
    p.drawRoundedRect(1, 15, 15, 14, 4, 4);
    p.setBrush(QColor(60, 160, 90));
    p.drawEllipse(17, 2, 11, 11);
    p.drawRoundedRect(14, 14, 17, 16, 4, 4);
}

void drawTrophy(QPainter &p) {
    const QColor gold(230, 180, 40);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold.darker(140), 2));
    p.drawEllipse(3, 6, 8, 9);
    p.drawEllipse(21, 6, 8, 9);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(gold);
    QPainterPath cup;
    cup.moveTo(8, 3);
    cup.lineTo(24, 3);
    cup.cubicTo(24, 14, 20, 19, 16, 20);
    cup.cubicTo(12, 19, 8, 14, 8, 3);
    p.drawPath(cup);
    p.drawRect(14, 20, 4, 5);
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(9, 25, 14, 5);
}

void drawCalendar(QPainter &p) {
    p.setBrush(Qt::white);
    p.drawRect(3, 5, 26, 24);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(3, 5, 26, 7);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(8, 2, 2, 6);
    p.drawRect(22, 2, 2, 6);
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            p.drawRect(6 + 6 * column, 15 + 4 * row, 3, 2);
    }
}

void drawBell(QPainter &p) {
    p.setBrush(QColor(240, 200, 60));
    QPainterPath bell;
    bell.moveTo(16, 3);
    bell.cubicTo(25, 3, 24, 14, 26, 20);
    bell.lineTo(29, 24);
    bell.lineTo(3, 24);
    bell.lineTo(6, 20);
    bell.cubicTo(8, 14, 7, 3, 16, 3);
    p.drawPath(bell);
    p.setBrush(QColor(150, 100, 30));
    p.drawEllipse(13, 24, 6, 6);
}

void drawCard(QPainter &p) {
    p.setBrush(QColor(245, 235, 205));
    p.drawRoundedRect(1, 6, 30, 21, 3, 3);
    p.setBrush(QColor(110, 140, 190));
    p.drawEllipse(5, 10, 8, 8);
    p.drawRect(4, 19, 10, 5);
    p.setPen(QPen(QColor(80, 80, 80), 2));
    p.drawLine(17, 12, 27, 12);
    p.drawLine(17, 17, 27, 17);
    p.drawLine(17, 22, 24, 22);
}

void drawGear(QPainter &p) {
    const QPointF centre(16, 16);
    QPainterPath teeth;
    for (int tooth = 0; tooth < 8; ++tooth) {
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(tooth * 45.0);
        teeth.addPolygon(turn.map(QPolygonF(QRectF(-3, -15, 6, 8))));
        teeth.closeSubpath();
    }
    p.setBrush(QColor(140, 145, 155));
    p.drawPath(teeth);
    p.drawEllipse(centre, 10, 10);
    p.setBrush(QColor(230, 230, 235));
    p.drawEllipse(centre, 4, 4);
}

void drawInformation(QPainter &p) {
    p.setBrush(QColor(40, 90, 200));
    p.drawEllipse(1, 1, 29, 29);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(14, 6, 4, 4);
    p.drawRect(14, 12, 4, 13);
    p.drawRect(12, 12, 2, 2);
    p.drawRect(12, 23, 8, 2);
}

void drawBass(QPainter &p) {
    p.setBrush(QColor(70, 120, 60));
    p.drawPolygon(QPolygonF({QPointF(21, 16), QPointF(31, 7), QPointF(31, 25)}));
    QPainterPath body;
    body.moveTo(1, 15);
    body.cubicTo(6, 5, 18, 6, 23, 16);
    body.cubicTo(18, 24, 6, 25, 1, 17);
    body.closeSubpath();
    p.setBrush(QColor(110, 160, 80));
    p.drawPath(body);
    p.setBrush(QColor(40, 70, 30));
    p.drawPolygon(QPolygonF({QPointF(8, 9), QPointF(13, 4), QPointF(17, 9)}));
    p.setBrush(Qt::black);
    p.drawRect(5, 13, 2, 2);
    p.drawLine(1, 17, 6, 17);
}

void drawQuestion(QPainter &p) {
    p.setBrush(QColor(60, 150, 70));
    p.drawEllipse(1, 1, 29, 29);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::FlatCap));
    QPainterPath hook;
    hook.moveTo(10, 12);
    hook.arcTo(QRectF(10, 6, 12, 11), 180, -240);
    hook.lineTo(16, 19);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(14, 22, 4, 4);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream errors(stderr);
    if (argc != 2) {
        errors << "usage: make_listbar1 OUT\n";
        return 2;
    }

    Listbar control;
    control.resize(kWidth, kHeight);
    control.setBorderStyle(bsSoft3D);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    control.setFont(font);

    control.SmallImages()->setColourDepth(ILC_COLOR24);
    const auto large = control.LargeImages();
    large->setIconSizeX(kPictureSize);
    large->setIconSizeY(kPictureSize);
    large->setColourDepth(ILC_COLOR24);
    large->Create();
    for (const auto draw : {drawMembers, drawTrophy, drawCalendar, drawBell, drawCard, drawGear,
                            drawInformation, drawBass, drawQuestion}) {
        const std::int32_t icon = HandleTable::addIcon(picture(draw));
        large->AddFromHandle(icon, IMAGE_ICON);
        HandleTable::release(icon);
    }

    for (const GroupRow &groupRow : kContent) {
        const auto group = control.Groups()->Add(QString::fromLatin1(groupRow.text));
        group->setItemButtonStyle(true);
        group->setItemFlatStyle(false);
        group->setHotFontBold(true);
        group->setHotFontUnderline(false);
        for (const ItemRow &itemRow : groupRow.items) {
            const auto item = group->Items()->Add(QString::fromLatin1(itemRow.text));
            item->setLargeImage(QString::fromLatin1(itemRow.largeImage));
            // The first item of each group keeps its small image as the number -1, the others
            // hold it as the text "-1".
            if (group->Items()->Count() > 1)
                item->setSmallImage(QStringLiteral("-1"));
        }
    }

    PropertyBag bag;
    bag.write(QStringLiteral("_extentx"), himetric(kWidth));
    bag.write(QStringLiteral("_extenty"), himetric(kHeight));
    control.WriteProperties(bag);
    QString error;
    if (!BagStream::save(bag, QString::fromLocal8Bit(argv[1]), &error)) {
        errors << "make_listbar1: " << argv[1] << ": " << error << '\n';
        return 1;
    }
    return 0;
}
