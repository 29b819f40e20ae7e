// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "weightformat.h"

#include "numerictext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace keldary {

namespace {

// A weight is shown the way the program has always shown it: from the text of
// the double with 15 significant digits, rounded half away from zero on those
// decimal digits. QLocale::toString(v, 'f', 3) rounds the binary value
// instead, and the double nearest 1.2345 lies just below it, so it would give
// 1.234 where the text 1.2345 must give 1.235.
constexpr int SignificantDigits = 15;
constexpr int Decimals = 3;

// The value times 1000, rounded as described above, as plain decimal digits.
std::string thousandthsDigits(double magnitude)
{
    // std::to_chars and the standard text (QLocale) both round correctly to 15
    // digits, but a tie in the 16th digit goes to even in the one and up in the
    // other. Only a value whose 16th digit is a 5 can be such a tie; those take
    // the standard text's own conversion, every other value the fast one.
    std::array<char, 40> buffer{};
    auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                 std::chars_format::scientific, SignificantDigits);
    std::string text;
    if (std::string_view(buffer.data(), written.ptr).substr(SignificantDigits + 1, 1) == "5") {
        text = QLocale::c().toString(magnitude, 'e', SignificantDigits - 1).toStdString();
    } else {
        written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                std::chars_format::scientific, SignificantDigits - 1);
        text.assign(buffer.data(), written.ptr);
    }
    const std::string_view scientific(text);

    // "d.dddddddddddddde±x"
    const auto e = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, e))
        if (c != '.')
            digits += c;
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(e + 1);
    std::from_chars(exponentText.data() + 1, exponentText.data() + exponentText.size(), exponent);
    if (exponentText.front() == '-')
        exponent = -exponent;

    // How many of the significant digits lie above the last shown decimal.
    const int keep = exponent + 1 + Decimals;
    if (keep < 0)
        return "0";
    if (keep == 0)
        return digits.front() >= '5' ? "1" : "0";
    if (keep >= SignificantDigits)
        return digits + std::string(static_cast<std::size_t>(keep - SignificantDigits), '0');

    std::string kept = digits.substr(0, static_cast<std::size_t>(keep));
    if (digits[static_cast<std::size_t>(keep)] >= '5') {
        auto digit = kept.rbegin();
        for (; digit != kept.rend() && *digit == '9'; ++digit)
            *digit = '0';
        if (digit == kept.rend())
            kept.insert(kept.begin(), '1');
        else
            ++*digit;
    }
    return kept;
}

// The locale's own signs for a text written with ASCII digits, '.' and '-'.
QString localized(const std::string &ascii, const QLocale &locale)
{
    QString text = QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
    if (const QString point = locale.decimalPoint(); point != u".")
        text.replace(u'.', point);
    if (const QString minus = locale.negativeSign(); minus != u"-")
        text.replace(u'-', minus);
    if (const QString zero = locale.zeroDigit(); zero != u"0") {
        const char32_t zeroCode = zero.toUcs4().value(0, U'0');
        for (char32_t digit = 0; digit <= 9; ++digit) {
            const char32_t code = zeroCode + digit;
            text.replace(QChar(static_cast<char16_t>(u'0' + digit)), QString::fromUcs4(&code, 1));
        }
    }
    return text;
}

} // namespace

QString formatWeight(const QString &text, const QLocale &locale)
{
    const auto value = numberFromText(text, locale);
    return value ? formatWeight(*value, locale) : text;
}

// The 15 significant digits of the double are the digits of its standard text,
// so rounding them here gives what formatting that text gives.
QString formatWeight(double value, const QLocale &locale)
{
    std::string scaled = thousandthsDigits(std::fabs(value)); // -0.0 too
    const auto firstSignificant = scaled.find_first_not_of('0');
    const bool zero = firstSignificant == std::string::npos;
    scaled.erase(0, zero ? scaled.size() : firstSignificant);
    if (scaled.size() < Decimals + 1)
        scaled.insert(0, Decimals + 1 - scaled.size(), '0');

    scaled.insert(scaled.size() - Decimals, 1, '.');
    // A weight that rounds to zero is shown without a sign, never as "-0.000".
    if (value < 0 && !zero)
        scaled.insert(0, 1, '-');
    return localized(scaled, locale);
}

} // namespace keldary
