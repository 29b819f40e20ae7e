// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

#include <optional>
#include <string_view>

namespace keldary {

// The text without its leading and trailing spaces (spaces only, as typed).
QString trimSpaces(const QString &text);

// True when the text, trimmed of spaces, is a finite number in the locale:
// its decimal and group separators, sign and exponent. Empty, blank, "inf",
// "nan" and values beyond the double range are not numbers.
bool isNumericText(const QString &text, const QLocale &locale = QLocale());

// The value of a numeric text (see isNumericText), or nothing for any other text.
std::optional<double> numberFromText(const QString &text, const QLocale &locale = QLocale());

// A number written by the program itself (table weights such as ".376"),
// read the same in every locale.
double tableNumber(std::string_view text);

} // namespace keldary
