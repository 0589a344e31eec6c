// The start-up benchmark's yardstick: a bare Qt Widgets program that shows one window, timed
// as the main window is, from the process start to its first expose.
#include "exposeprobe.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    ExposeProbe probe;
    window.winId();
    window.windowHandle()->installEventFilter(&probe);
    window.show();
    return app.exec();
}
