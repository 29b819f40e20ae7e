// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: one press of Calculate and one of Store Result on
// whatever the window could be made to hold, in three locales.
//
// Input layout (fuzz/make_corpus.cpp writes the same):
//   byte 0      locale: 0 C, 1 en_US, 2 de_DE (decimal comma), modulo 3
//   byte 1      bit 0: texts are UTF-16LE instead of UTF-8; bits 1-7 unused
//   byte 2      unused (the stock form's layout decides which rows show)
//   bytes 3-14  list positions: shape, alloy, unit 0..4, pipe size, pipe
//               schedule, rebar size, tee size, GenerateError's field count.
//               A byte b is position b - 1 (so 0 is "no selection", -1, and
//               the range runs to 40, past every list), except 252..255
//               which stand for the 16- and 32-bit extremes.
//   then        seven texts, each a length byte and that many bytes:
//               txtNumPieces, txtParam(0..4), txtResult before the run
//   then        8 bytes, if present: a double for the formatting checks
// Missing bytes read as 0, so every input, even an empty one, is a window.

#include "calc/numerictext.h"
#include "calc/weightcalculation.h"
#include "calc/weightformat.h"
#include "data/fieldlayouts.h"
#include "data/alloytable.h"
#include "data/listentry.h"
#include "data/shapenames.h"
#include "results/resultline.h"
#include "textnumbers.h"

#include <QLocale>
#include <QString>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

using namespace keldary;
using namespace Qt::StringLiterals;

namespace {

class Bytes
{
public:
    Bytes(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    int position()
    {
        switch (const std::uint8_t b = byte()) {
        case 252: return SHRT_MIN;
        case 253: return SHRT_MAX;
        case 254: return INT_MIN;
        case 255: return INT_MAX;
        default: return b % 42 - 1;
        }
    }

    QString text(bool utf16)
    {
        const std::size_t length = std::min<std::size_t>(byte(), m_size - std::min(m_pos, m_size));
        const auto *start = m_data + m_pos;
        m_pos += length;
        if (!utf16)
            return QString::fromUtf8(reinterpret_cast<const char *>(start), static_cast<qsizetype>(length));
        // The input need not be aligned for char16_t; an odd last byte is dropped.
        std::u16string units(length / 2, u'\0');
        std::memcpy(units.data(), start, units.size() * 2);
        return QString::fromStdU16String(units);
    }

    std::optional<double> number()
    {
        if (m_size < m_pos + sizeof(double))
            return std::nullopt;
        double value;
        std::memcpy(&value, m_data + m_pos, sizeof value);
        m_pos += sizeof value;
        return value;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// Prints what broke and stops the run, so that libFuzzer saves the input.
void require(bool holds, const char *what, const QString &detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "\nINVARIANT BROKEN: %s\n  %s\n", what, qUtf8Printable(detail));
    std::abort();
}

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

const QString PiecesMessage = QStringLiteral("You entered an illegal value for the number of pieces");
const QString IllegalPrefix = QStringLiteral("You entered an illegal value for the ");
const QString TooLarge = QStringLiteral("The result is too large to calculate");
const QString InvalidInput = QStringLiteral("Invalid Input");
const QString IllegalInput = QStringLiteral("Illegal Input");

// The "0.000" form of a weight: an optional minus, digits without a leading
// zero (unless the only one), the locale's decimal separator, three digits;
// never a signed zero, never a group separator.
bool isWeightForm(const QString &s, const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    if (point.size() != 1)
        return false;
    qsizetype i = 0;
    const bool negative = s.startsWith(u'-');
    if (negative)
        ++i;
    const qsizetype intStart = i;
    while (i < s.size() && s[i] >= u'0' && s[i] <= u'9')
        ++i;
    const qsizetype intDigits = i - intStart;
    if (intDigits == 0 || (intDigits > 1 && s[intStart] == u'0'))
        return false;
    if (i >= s.size() || s[i] != point.front())
        return false;
    ++i;
    if (s.size() - i != 3)
        return false;
    for (; i < s.size(); ++i)
        if (s[i] < u'0' || s[i] > u'9')
            return false;
    if (negative) {
        QString digits = s.mid(1);
        digits.remove(point.front());
        if (digits.count(u'0') == digits.size())
            return false; // "-0.000"
    }
    return true;
}

// The shown weight must read back as a number, except when the value lies
// within a rounding step of the largest double: its 15-digit text then lies
// beyond the double range (309 integer digits).
bool readsBack(const QString &weight, const QLocale &locale)
{
    if (isNumericText(weight, locale))
        return true;
    const qsizetype integerDigits = weight.indexOf(locale.decimalPoint()) - (weight.startsWith(u'-') ? 1 : 0);
    return integerDigits == 309;
}

// What QLocale alone says about a text: the numeric test has a faster path for
// plain decimals that must agree with it exactly.
std::optional<double> platformNumber(const QString &text, const QLocale &locale)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    if (begin == end)
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(QStringView(text).sliced(begin, end - begin), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void checkNumericText(const QString &typed, const QLocale &locale)
{
    const auto value = numberFromText(typed, locale);
    const auto platform = platformNumber(typed, locale);
    require(value.has_value() == platform.has_value(), "the numeric test disagrees with QLocale",
            quoted(typed) + u" in "_s + locale.name() + u": numeric "_s + QString::number(value.has_value())
                    + u", QLocale "_s + QString::number(platform.has_value()));
    require(isNumericText(typed, locale) == value.has_value(), "isNumericText disagrees with numberFromText",
            quoted(typed));
    if (value) {
        require(*value == *platform, "a numeric text reads as another number than QLocale reads it",
                quoted(typed) + u" in "_s + locale.name() + u": "_s
                        + QString::number(*value, 'g', 17) + u" vs "_s + QString::number(*platform, 'g', 17));
        require(std::isfinite(*value), "a numeric text reads as a number that is not finite", quoted(typed));
    }
}

// Re-formatting the shown result: a number becomes its "0.000" form, within
// half a thousandth, and stays so when formatted again; anything else is kept.
void checkReformat(const QString &shown, const QLocale &locale)
{
    const QString formatted = formatWeight(shown, locale);
    const auto value = numberFromText(shown, locale);
    if (!value) {
        require(formatted == shown, "formatWeight changed a text that is no number", quoted(shown));
        return;
    }
    require(isWeightForm(formatted, locale), "formatWeight of a number is not in 0.000 form",
            quoted(shown) + u" -> "_s + quoted(formatted));
    require(formatWeight(formatted, locale) == formatted, "formatWeight is not stable",
            quoted(shown) + u" -> "_s + quoted(formatted) + u" -> "_s + quoted(formatWeight(formatted, locale)));
    if (const auto back = numberFromText(formatted, locale)) {
        const double slack = 0.0005 + std::fabs(*value) * 2e-14 + 1e-12;
        require(std::fabs(*back - *value) <= slack, "formatWeight moved the number by more than rounding",
                quoted(shown) + u" -> "_s + quoted(formatted));
    } else {
        require(readsBack(formatted, locale), "formatWeight of a number does not read back",
                quoted(shown) + u" -> "_s + quoted(formatted));
    }
}

// A computed weight is formatted from the double; that must equal formatting
// its standard text, which is how the shown result has always been made.
void checkWeightDouble(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return; // the formulas turn a non-finite weight into a message first
    const QString standard = doubleToText(value, locale);
    const bool nearLimit = std::fabs(value) >= 1.79769313486231e308;
    require(nearLimit || isNumericText(standard, locale), "doubleToText is not a numeric text",
            QString::number(value, 'g', 17) + u" -> "_s + quoted(standard));
    require(!standard.contains(locale.groupSeparator()), "doubleToText wrote a group separator",
            QString::number(value, 'g', 17) + u" -> "_s + quoted(standard));
    if (const auto back = numberFromText(standard, locale))
        require(std::fabs(*back - value) <= std::fabs(value) * 1e-14, "doubleToText lost more than 15 digits",
                QString::number(value, 'g', 17) + u" -> "_s + quoted(standard));

    const QString direct = formatWeight(value, locale);
    require(isWeightForm(direct, locale), "formatWeight(double) is not in 0.000 form",
            QString::number(value, 'g', 17) + u" -> "_s + quoted(direct));
    require(readsBack(direct, locale), "formatWeight(double) does not read back",
            QString::number(value, 'g', 17) + u" -> "_s + quoted(direct));
    if (!nearLimit)
        require(direct == formatWeight(standard, locale), "formatWeight(double) differs from formatting its text",
                QString::number(value, 'g', 17) + u": "_s + quoted(direct) + u" vs "_s
                        + quoted(formatWeight(standard, locale)));
}

void checkCalculation(const CalcInput &input, const CalcOutcome &out, const QLocale &locale)
{
    const QString &before = input.result;
    const QString reformatted = formatWeight(before, locale);
    const QString context = u"pieces "_s + quoted(input.numPieces) + u", shape "_s + QString::number(input.shape)
                            + u", result before "_s + quoted(before) + u", after "_s + quoted(out.result)
                            + (out.message ? u", message "_s + quoted(out.message->text) : QString());

    require(out.result == before || isWeightForm(out.result, locale),
            "the result is neither the previous text nor a weight in 0.000 form", context);
    if (out.result != before)
        require(readsBack(out.result, locale), "a new result does not read back as a number", context);

    if (!isNumericText(input.numPieces, locale)) {
        require(out.message && out.message->text == PiecesMessage && out.message->title == InvalidInput,
                "an illegal piece count without its message", context);
        require(out.result == before, "an illegal piece count touched the result", context);
        return;
    }

    if (input.shape < 0 || input.shape >= ShapeCount) {
        require(!out.message && out.result == reformatted, "an unknown shape did something", context);
        return;
    }

    if (!out.message)
        return; // a new weight, or nothing to compute (no selection)

    const Message &m = *out.message;
    require(!m.text.isEmpty(), "a message without text", context);
    require(m.title == InvalidInput || m.title == IllegalInput, "a message with an unknown title",
            context + u", title "_s + quoted(m.title));
    require(m.text != PiecesMessage, "a legal piece count was refused", context);
    if (m.title == IllegalInput) {
        require(m.text.startsWith(IllegalPrefix) && m.text.size() > IllegalPrefix.size(),
                "an illegal-input message that names no field", context);
        require(out.result == reformatted, "an illegal dimension did not leave the previous result", context);
    } else if (m.text == TooLarge) {
        require(out.result == before, "an overflow touched the result", context);
    } else {
        require(out.result == reformatted, "a refused calculation did not leave the previous result", context);
    }
}

void checkResultLine(const CalcInput &snapshot, const QLocale &locale)
{
    const QString line = buildResultLine(snapshot, locale);
    const QString alloy = snapshot.alloy >= 0 && snapshot.alloy < AlloyCount
                                  ? text(AlloyTable[static_cast<std::size_t>(snapshot.alloy)].name)
                                  : QString();
    const QString head = alloy + u"  "_s + text(entryAt(ShapeNames, snapshot.shape)) + u"  "_s;
    const QString tail = u"  Pieces: "_s + snapshot.numPieces + u"  Total Weight: "_s + snapshot.result + u" lbs."_s;
    require(line.startsWith(head), "the result line does not start with alloy and stock form",
            quoted(line) + u" expected to start "_s + quoted(head));
    require(line.endsWith(tail), "the result line does not end with pieces and weight",
            quoted(line) + u" expected to end "_s + quoted(tail));
    require(line.size() >= head.size() + tail.size(), "the result line overlaps its head and tail", quoted(line));
    require(hasStorableResult(snapshot, locale) == isNumericText(snapshot.result, locale),
            "Store Result disagrees with the numeric test", quoted(snapshot.result));
}

const QLocale &localeFor(std::uint8_t choice)
{
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany)};
    return locales[choice % 3];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Bytes in(data, size);
    const QLocale &locale = localeFor(in.byte());
    const bool utf16 = in.byte() & 1;
    in.byte();

    CalcInput input;
    input.shape = in.position();
    input.alloy = in.position();
    for (int &unit : input.units)
        unit = in.position();
    input.pipeSize = in.position();
    input.pipeSchedule = in.position();
    input.rebarSize = in.position();
    input.teeSize = in.position();
    const int fieldCount = in.position();

    input.numPieces = in.text(utf16);
    for (QString &param : input.params)
        param = in.text(utf16);
    input.result = in.text(utf16);
    const auto number = in.number();

    // Captions come from the window's layout of the shape, as ChangeFields
    // leaves them; a shape index off the list keeps some shape's captions.
    const int layoutShape = ((input.shape % ShapeCount) + ShapeCount) % ShapeCount;
    const FieldLayout &layout = FieldLayouts[static_cast<std::size_t>(layoutShape)];
    for (std::size_t i = 0; i < ParamCount; ++i)
        input.captions[i] = text(layout.fields[i].caption);

    checkNumericText(input.numPieces, locale);
    for (const QString &param : input.params)
        checkNumericText(param, locale);
    checkNumericText(input.result, locale);
    checkReformat(input.result, locale);
    if (number)
        checkWeightDouble(*number, locale);

    const CalcOutcome out = CalculateWeight(input, locale);
    checkCalculation(input, out, locale);
    if (out.result != input.result && isNumericText(out.result, locale))
        checkReformat(out.result, locale);

    const Message error = GenerateError(fieldCount, input.params, input.captions, locale);
    require(error.title == IllegalInput && error.text.startsWith(IllegalPrefix),
            "GenerateError wrote another message", quoted(error.text));

    CalcInput snapshot = input;
    // Store Result right after Calculate, and on the text shown before it
    // (a weight typed by hand is stored like a calculated one).
    snapshot.result = out.result;
    checkResultLine(snapshot, locale);
    snapshot.result = input.result;
    checkResultLine(snapshot, locale);
    return 0;
}
