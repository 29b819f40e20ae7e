// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form1.h"

#include <QApplication>

#include <fontconfig/fontconfig.h>

#include <system_error>
#include <thread>

int main(int argc, char *argv[])
{
    // The first caption the window lays out waits for fontconfig to read its
    // configuration and font caches, the largest part of the start-up. That
    // needs nothing from Qt, so it runs on a second thread while QApplication
    // connects to the display; Qt then finds fontconfig ready.
    std::thread fontSetup;
    try {
        fontSetup = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to spare: Qt sets fontconfig up itself when it needs it.
    }

    // The window's fonts and colours are its own; reading the desktop's theme
    // (under GNOME, a whole GTK start-up) would only slow the first window.
    QApplication::setDesktopSettingsAware(false);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("keldary"));
    QApplication::setDesktopFileName(QStringLiteral(KELDARY_APP_ID));

    if (fontSetup.joinable())
        fontSetup.join();
    keldary::Form1 window;
    window.show();
    return QApplication::exec();
}
