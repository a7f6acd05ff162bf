// The floor of the start-up benchmark: a bare Qt program that shows one empty
// window and ends as soon as the window is on the screen.
#include <QApplication>
#include <QTest>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(920, 620);
    window.show();
    return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
}
