// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/numerictext.h"

#include <QLocale>
#include <QString>

namespace keldary {

// The value of a numeric text (see isNumericText); 0 for any other text.
inline double textToDouble(const QString &text, const QLocale &locale = QLocale())
{
    return numberFromText(text, locale).value_or(0);
}

// The standard text of a computed weight: up to 15 significant digits, the
// locale's decimal separator, no group separators. The window showed a weight
// by formatting this text; formatWeight(double) must give the same.
inline QString doubleToText(double value, const QLocale &locale = QLocale())
{
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

} // namespace keldary
