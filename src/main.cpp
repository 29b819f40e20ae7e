// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup/fontsetup.h"
#include "window/form1.h"
#include "window/windowfonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    keldary::EarlyFontSetup fontSetup;

    QApplication::setDesktopSettingsAware(keldary::takesDesktopSettings());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("keldary"));
    QApplication::setDesktopFileName(QStringLiteral(KELDARY_APP_ID));

    fontSetup.finish();
    keldary::Form1 window;
    window.show();
    return QApplication::exec();
}
