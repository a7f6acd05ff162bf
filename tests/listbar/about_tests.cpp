#include <pathwell/listbar.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace PathwellControls;

TEST(AboutWindow, AboutShowsTheFixedWindowModallyUntilOK) {
    Listbar control;
    QString title;
    QStringList labels;
    bool hasCloseBox = true;
    bool fixedSize = false;
    QColor band;

    QTimer::singleShot(0, [&] {
        QWidget *about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        hasCloseBox = about->windowFlags().testFlag(Qt::WindowCloseButtonHint);
        fixedSize = about->minimumSize() == about->maximumSize();
        for (const char *name : {"productLabel", "buildLabel", "supportLabel", "makerLabel"})
            labels.append(about->findChild<QLabel *>(name)->text());
        const auto *bandFrame = about->findChild<QWidget *>("bandFrame");
        band = bandFrame->palette().color(bandFrame->backgroundRole());
        about->findChild<QPushButton *>("cmdOK")->click();
    });
    control.About();

    EXPECT_EQ(title, "Pathwell Software");
    EXPECT_FALSE(hasCloseBox);
    EXPECT_TRUE(fixedSize);
    EXPECT_EQ(band, QColor(Qt::white));
    ASSERT_EQ(labels.size(), 4);
    EXPECT_EQ(labels[0], "Listbar 1.0");
    EXPECT_TRUE(labels[1] == "Release build" || labels[1] == "Debug build");
    EXPECT_TRUE(labels[2].contains("www.pathwell.example"));
    EXPECT_EQ(labels[3], "Pathwell Software");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
