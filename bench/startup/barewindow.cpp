// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the calculator's start-up: a Qt Widgets program that does
// nothing but show one empty top-level widget. With --no-desktop-settings it
// opts out of the desktop's platform theme the way the calculator could.
#include <QApplication>
#include <QWidget>

#include <cstring>

int main(int argc, char *argv[])
{
    // Must be decided before QApplication exists: the platform theme is
    // chosen while the application object is constructed.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-desktop-settings") == 0)
            QApplication::setDesktopSettingsAware(false);
    }
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.show();
    return QApplication::exec();
}
