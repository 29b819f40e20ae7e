// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfonts.h"

namespace keldary {

namespace {

// The layout was drawn for the narrow screen font MS Sans Serif and the list
// for Arial. On Windows, MS Sans Serif is a bitmap font of a few fixed sizes
// (no narrower setting, blocky when the desktop is scaled, coarse on paper):
// the window and the report ask for its TrueType successor of the same design,
// Microsoft Sans Serif, whose widths are Arial's. Linux has their metric twin,
// Liberation Sans.
#ifdef Q_OS_WIN
const QString WindowFamily = QStringLiteral("Microsoft Sans Serif");
const QString ListFamily = QStringLiteral("Arial");
// The system colours are the desktop's: a High Contrast scheme reaches the
// window only through them.
constexpr bool DesktopSettings = true;
// The narrower setting below needs Windows' classic font system, GDI: since
// Qt 6.8 text goes through DirectWrite, which ignores a font's stretch, and
// "Size - Outer Diameter:" would run onto a third line under its field. So
// the program (and every test linked with the window) asks the Windows
// platform for GDI before the application starts, unless a platform was
// named; -platform on the command line still comes first.
[[maybe_unused]] const bool ClassicFonts = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:nodirectwrite");
    return true;
}();
#else
const QString WindowFamily = QStringLiteral("Liberation Sans");
const QString ListFamily = QStringLiteral("Liberation Sans");
// Reading the desktop's theme (under GNOME, a whole GTK start-up) would only
// slow the first window; a theme named in QT_QPA_PLATFORMTHEME still applies.
constexpr bool DesktopSettings = false;
#endif

} // namespace

bool takesDesktopSettings()
{
    return DesktopSettings;
}

// The window's text font, and the list's smaller one. Arial's widths run about
// 5 % wider than the narrow screen font, so the window sets them 5 % narrower
// and "Size - Outer Diameter:" keeps to two lines and "Stainless 300 Series"
// fits its list. The list was drawn for Arial at its full width: it does not
// take the window's narrower setting.
QFont windowFont()
{
    QFont font(WindowFamily);
    font.setPointSizeF(8.25);
    font.setStretch(95);
    return font;
}

QFont listFont()
{
    QFont font(ListFamily);
    font.setPointSizeF(6);
    font.setStretch(QFont::Unstretched);
    return font;
}

// The style's arrow takes more of a list's width than the layout allowed
// for; a little narrower still, "Rectangular Tube" shows whole.
QFont dropDownFont()
{
    QFont font = windowFont();
    font.setStretch(90);
    return font;
}

} // namespace keldary
