#pragma once

#include <QPixmap>
#include <QWidget>

namespace widgets {

// Reads a picture in the format its file name ends with. Naming the format
// keeps Qt from loading every image plugin it has to find one, which costs
// more than reading the picture.
QPixmap pictureFromFile(const QString &path);

// Shows a picture as large as the box allows, keeping its proportions,
// centred. The picture is scaled while it is painted, so resizing costs nothing.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return picture_; }
    QSize sizeHint() const override { return picture_.size(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
};

} // namespace widgets
