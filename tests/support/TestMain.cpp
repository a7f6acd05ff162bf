#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

namespace {
QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns of every window feature it lacks; that is noise here.
void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        defaultHandler(type, context, text);
}
} // namespace

// Every test program runs with a Qt application on the offscreen platform and
// a pinned locale, so that dates and numbers read the same everywhere.
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(quietOffscreenWarnings);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
