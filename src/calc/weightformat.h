// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

namespace keldary {

// The "0.000" form of a weight text: at least one digit before the decimal
// separator, exactly three after it, rounded half away from zero on the
// text's decimal digits (1.2345 gives 1.235), no group separators, and never
// "-0.000". An empty text stays empty; a text that is not a number is
// returned unchanged.
QString formatWeight(const QString &text, const QLocale &locale = QLocale());

// The "0.000" form of a computed weight; the same text as formatWeight of
// its standard text (15 significant digits, the locale's decimal separator,
// no group separators), without the round trip through text. (Only a weight within a hair of the largest double differs:
// its 15-digit text lies beyond the double range and would be kept as text;
// here it is shown in full.)
QString formatWeight(double value, const QLocale &locale = QLocale());

} // namespace keldary
