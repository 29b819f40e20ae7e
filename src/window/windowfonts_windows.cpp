// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfonts.h"

namespace keldary {

// Windows has the narrow screen font the layout was drawn for (MS Sans Serif,
// which Windows maps to Microsoft Sans Serif) and Arial for the list, both at
// their own widths; the drop-down lists' arrows are the native ones the
// layout allowed for.
QFont windowFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

QFont listFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(6);
    return font;
}

QFont dropDownFont()
{
    return windowFont();
}

} // namespace keldary
