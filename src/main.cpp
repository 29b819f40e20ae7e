#include "window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The window's fonts and colours are its own; reading the desktop's theme
    // (under GNOME, a whole GTK start-up) would only slow the first window.
    QApplication::setDesktopSettingsAware(false);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("keldary"));
    QApplication::setDesktopFileName(QStringLiteral("keldary"));

    keldary::Form1 window;
    window.show();
    return QApplication::exec();
}
