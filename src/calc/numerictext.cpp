// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numerictext.h"

#include <array>
#include <charconv>
#include <cmath>

namespace keldary {

namespace {

QStringView spaceTrimmed(const QString &text)
{
    QStringView view(text);
    while (!view.isEmpty() && view.front() == u' ')
        view = view.sliced(1);
    while (!view.isEmpty() && view.back() == u' ')
        view.chop(1);
    return view;
}

// Nearly every typed number is plain: an optional minus sign, digits, and at
// most one decimal separator with digits on both sides. QLocale::toDouble
// costs about half a microsecond a call and one calculation reads several
// texts, so plain texts are read here; both give the correctly rounded double
// of the same decimal number. Anything else (group separators, an exponent, a
// plus sign, a separator at either end, digits other than ASCII) is left to
// QLocale.
std::optional<double> plainDecimal(QStringView text, const QLocale &locale)
{
    std::array<char, 64> ascii; // filled up to text.size() below
    if (text.size() > static_cast<qsizetype>(ascii.size()))
        return std::nullopt;
    const QString point = locale.decimalPoint();
    if (point.size() != 1 || locale.zeroDigit() != u"0")
        return std::nullopt;

    bool seenPoint = false;
    qsizetype digitsBefore = 0;
    qsizetype digitsAfter = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        char &out = ascii[static_cast<std::size_t>(i)];
        if (c.unicode() >= u'0' && c.unicode() <= u'9') {
            out = static_cast<char>(c.unicode());
            ++(seenPoint ? digitsAfter : digitsBefore);
        } else if (c == point.front() && !seenPoint) {
            out = '.';
            seenPoint = true;
        } else if (i == 0 && c == u'-' && locale.negativeSign() == u"-") {
            out = '-';
        } else {
            return std::nullopt;
        }
    }
    if (digitsBefore == 0 || (seenPoint && digitsAfter == 0))
        return std::nullopt;

    double value = 0;
    const char *end = ascii.data() + text.size();
    const auto parsed = std::from_chars(ascii.data(), end, value);
    if (parsed.ec != std::errc() || parsed.ptr != end)
        return std::nullopt; // out of range: QLocale decides
    return value;
}

std::optional<double> qtNumber(QStringView text, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    // QLocale accepts "inf" and "nan" as numbers; a length or a count cannot be either.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

QString trimSpaces(const QString &text)
{
    return spaceTrimmed(text).toString();
}

std::optional<double> numberFromText(const QString &text, const QLocale &locale)
{
    const QStringView trimmed = spaceTrimmed(text);
    if (trimmed.isEmpty())
        return std::nullopt;
    if (const auto plain = plainDecimal(trimmed, locale))
        return plain;
    if (const auto value = qtNumber(trimmed, locale))
        return value;

    // Some locales' negative sign is a direction mark and a minus: "\u061c-"
    // in ar_EG, "\u200e\u2212" in fa_IR. QLocale (6.4) writes it so but reads
    // only the bare minus, so the program would not read back a negative
    // weight it has shown itself. The whole sign is taken here; a second sign
    // after it is not.
    const QString minus = locale.negativeSign();
    if (minus.size() > 1 && trimmed.startsWith(minus)) {
        const QStringView magnitude = trimmed.sliced(minus.size());
        if (!magnitude.isEmpty() && (magnitude.front().isDigit() || magnitude.startsWith(locale.decimalPoint()))) {
            if (const auto value = qtNumber(magnitude, locale))
                return -*value;
        }
    }
    return std::nullopt;
}

bool isNumericText(const QString &text, const QLocale &locale)
{
    return numberFromText(text, locale).has_value();
}

// The table weights are written with a decimal point (".376", "2.670"). Read
// through the user's locale, a decimal-comma locale would reject or misread
// them, so they are parsed independently of any locale.
double tableNumber(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return 0;
    return value;
}

} // namespace keldary
