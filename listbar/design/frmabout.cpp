#include "frmabout.h"

#include "ui_frmabout.h"

#include <pathwell/identifiers.h>

#include <QPainter>
#include <QPainterPath>

namespace PathwellControls {

namespace {

// A winding path through a blue tile.
QPixmap logo() {
    constexpr int size = 48;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x31, 0x6A, 0xC5));
    painter.drawRoundedRect(QRectF(2, 2, size - 4, size - 4), 8, 8);
    QPainterPath path(QPointF(10, 40));
    path.cubicTo(QPointF(40, 36), QPointF(8, 18), QPointF(38, 10));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
    return pixmap;
}

QString buildKind() {
#ifdef QT_NO_DEBUG
    return QStringLiteral("Release build");
#else
    return QStringLiteral("Debug build");
#endif
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmAbout>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    QPalette band = ui->bandFrame->palette();
    band.setColor(QPalette::Window, Qt::white);
    band.setColor(QPalette::WindowText, Qt::black);
    ui->bandFrame->setPalette(band);
    ui->logoLabel->setPixmap(logo());
    ui->logoLabel->setAccessibleName(tr("Pathwell logo"));
    QFont productFont = ui->productLabel->font();
    productFont.setBold(true);
    productFont.setPointSizeF(productFont.pointSizeF() * 1.5);
    ui->productLabel->setFont(productFont);
    ui->productLabel->setText(
        QStringLiteral("Listbar %1").arg(QLatin1String(Identifiers::kLibraryVersion)));
    ui->buildLabel->setText(buildKind());

    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

frmAbout::~frmAbout() = default;

} // namespace PathwellControls
