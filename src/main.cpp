// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup/fontsetup.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    keldary::EarlyFontSetup fontSetup;

    // The window's fonts and colours are its own; reading the desktop's theme
    // (under GNOME, a whole GTK start-up) would only slow the first window.
    QApplication::setDesktopSettingsAware(false);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("keldary"));
    QApplication::setDesktopFileName(QStringLiteral(KELDARY_APP_ID));

    fontSetup.finish();
    keldary::Form1 window;
    window.show();
    return QApplication::exec();
}
