// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfonts.h"

namespace keldary {

// The window's text font, and the list's smaller one. The layout was drawn for
// a narrow screen font; Liberation Sans runs about 5 % wider, so the window sets
// it 5 % narrower and "Size - Outer Diameter:" keeps to two lines and
// "Stainless 300 Series" fits its list. The list's font was drawn for Arial,
// whose metrics Liberation Sans has, at its full width: the list does not take
// the window's narrower setting.
QFont windowFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    font.setStretch(95);
    return font;
}

QFont listFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
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
