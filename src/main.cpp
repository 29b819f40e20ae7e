#include "window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("keldary"));
    QApplication::setDesktopFileName(QStringLiteral("keldary"));

    keldary::Form1 window;
    window.show();
    return QApplication::exec();
}
