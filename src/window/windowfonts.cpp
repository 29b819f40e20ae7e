// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfonts.h"

namespace keldary {

namespace {

// The layout was drawn for a narrow screen font and the list for Arial.
// Windows has both, MS Sans Serif as the TrueType Microsoft Sans Serif, whose
// widths are Arial's; Linux has their metric twin, Liberation Sans.
#ifdef Q_OS_WIN
const QString WindowFamily = QStringLiteral("MS Sans Serif");
const QString ListFamily = QStringLiteral("Arial");
#else
const QString WindowFamily = QStringLiteral("Liberation Sans");
const QString ListFamily = QStringLiteral("Liberation Sans");
#endif

} // namespace

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
