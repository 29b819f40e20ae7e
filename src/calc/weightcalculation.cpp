// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "weightcalculation.h"

#include "calcerror.h"
#include "formulas.h"
#include "numerictext.h"
#include "weightformat.h"

#include "data/alloytable.h"
#include "data/pipearray.h"
#include "data/rebartable.h"
#include "data/shapenames.h"
#include "data/teetable.h"

#include <algorithm>
#include <initializer_list>

namespace keldary {

namespace {

// Bar constants: pounds per foot of a 1 inch steel bar of each section, as
// the trade tables give them. Round and hexagon are close to 3.4032 × π/4 and
// 3.4032 × √3/2 but are not computed from them: the results would differ.
constexpr double RoundBarPerFoot = 2.6729;
constexpr double SquareBarPerFoot = 3.4032; // 0.2836 lb/in³ × 12
constexpr double HexagonBarPerFoot = 2.9473;

Message invalidInput(const char *text)
{
    return {QString::fromLatin1(text), QStringLiteral("Invalid Input")};
}

// A list position the window can never leave (no selection, or past the end):
// the run computes nothing and shows nothing.
struct NoSelection {};

template <typename Table>
auto selected(const Table &table, int index)
{
    if (index < 0 || index >= static_cast<int>(table.size()))
        throw NoSelection();
    return table[static_cast<std::size_t>(index)];
}

// What one branch of the calculation leaves: a weight, a message, or neither.
struct Run {
    std::optional<double> weight;
    std::optional<Message> message;
};

Run weighed(double weight)
{
    return {weight, std::nullopt};
}

Run refused(Message message)
{
    return {std::nullopt, std::move(message)};
}

class Calculation
{
public:
    Calculation(const CalcInput &input, const QLocale &locale, double pieces)
        : m_input(input), m_locale(locale), m_pieces(pieces)
    {
    }

    Run run();

private:
    // All the shape's fields are tested before any of them is converted. Each
    // text is read once here; the formulas convert the values as often as
    // they use them.
    bool numeric(std::initializer_list<int> fields)
    {
        bool all = true;
        for (const int i : fields) {
            const auto at = static_cast<std::size_t>(i);
            const auto value = numberFromText(m_input.params[at], m_locale);
            m_values[at] = value.value_or(0);
            all = all && value.has_value();
        }
        return all;
    }

    // Fields hidden behind a size list count as "0" here so that the message
    // names only the length; what the user typed in them stays as it was.
    Run illegal(int fieldCount, std::initializer_list<int> hidden = {}) const
    {
        auto texts = m_input.params;
        for (const int i : hidden)
            texts[static_cast<std::size_t>(i)] = QStringLiteral("0");
        return refused(GenerateError(fieldCount, texts, m_input.captions, m_locale));
    }

    double number(int i) const { return m_values[static_cast<std::size_t>(i)]; }
    Length field(int i) const { return {number(i), m_input.units[static_cast<std::size_t>(i)]}; }
    double factor() const { return selected(AlloyTable, m_input.alloy).factor; }
    double pieces() const { return m_pieces; }

    Run solidBar(double K)
    {
        if (!numeric({0, 1}))
            return illegal(2);
        return weighed(solidBarWeight(K, field(0), field(1), factor(), pieces()));
    }

    Run flatStock(double K)
    {
        if (!numeric({0, 1, 2}))
            return illegal(3);
        return weighed(flatStockWeight(K, field(0), field(1), field(2), factor(), pieces()));
    }

    // Beam and channel: the size must be a number although the weight does
    // not depend on it; the weight per foot is typed and has no unit.
    Run typedPerFoot()
    {
        if (!numeric({0, 1, 2}))
            return illegal(3);
        return weighed(typedPerFootWeight(number(1), field(2), factor(), pieces()));
    }

    Run sizeTable(double weightPerFoot) const
    {
        return weighed(sizeTableWeight(weightPerFoot, field(1), factor(), pieces()));
    }

    const CalcInput &m_input;
    const QLocale &m_locale;
    const double m_pieces;
    std::array<double, ParamCount> m_values{};
};

Run Calculation::run()
{
    switch (static_cast<Shape>(m_input.shape)) {
    case Shape::Angles:
        if (!numeric({0, 1, 2, 3}))
            return illegal(4);
        if (!angleThicknessFits(field(0), field(1), field(2)))
            return refused(invalidInput("The Thickness is too large in proportion to the Legs"));
        return weighed(angleWeight(field(0), field(1), field(2), field(3), factor(), pieces()));
    case Shape::Beam:
    case Shape::Channel:
        return typedPerFoot();
    // Coil and strip are rolled sheet: a coil weighs what a sheet of the same
    // thickness, width and length weighs.
    case Shape::Coil:
    case Shape::FlatBar:
    case Shape::Plate:
    case Shape::Sheet:
    case Shape::Strip:
        return flatStock(SquareBarPerFoot);
    case Shape::HexagonBar:
        return solidBar(HexagonBarPerFoot);
    case Shape::RoundBar:
        return solidBar(RoundBarPerFoot);
    case Shape::SquareBar:
        return solidBar(SquareBarPerFoot);
    case Shape::Pipe: {
        if (!numeric({2}))
            return illegal(3, {0, 1});
        const double weightPerFoot =
                selected(selected(PipeArray, m_input.pipeSize), m_input.pipeSchedule);
        // A 0 in the pipe table is a size that is not made in that schedule.
        if (weightPerFoot == 0)
            return refused(invalidInput("This pipe size is not made in the selected schedule"));
        return weighed(pipeWeight(weightPerFoot, field(2), factor(), pieces()));
    }
    case Shape::Rebar:
        if (!numeric({1}))
            return illegal(2, {0});
        return sizeTable(tableNumber(selected(RebarWeights, m_input.rebarSize)));
    case Shape::Tees:
        if (!numeric({1}))
            return illegal(2, {0});
        return sizeTable(tableNumber(selected(TeeWeights, m_input.teeSize)));
    case Shape::RoundTube:
        if (!numeric({0, 1, 2}))
            return illegal(3);
        if (!roundTubeWallFits(field(0), field(1)))
            return refused(invalidInput("The Tube Wall Cannot exceed the Outer Diameter"));
        return weighed(roundTubeWeight(field(0), field(1), field(2), factor(), pieces()));
    case Shape::SquareTube:
        if (!numeric({0, 1, 2}))
            return illegal(3);
        if (!squareTubeWallFits(field(0), field(1)))
            return refused(invalidInput("The Thickness is too large in proportion to the Width"));
        return weighed(squareTubeWeight(field(0), field(1), field(2), factor(), pieces()));
    case Shape::RectangularTube:
        if (!numeric({0, 1, 2, 3}))
            return illegal(4);
        if (!rectangularTubeWallFits(field(0), field(1), field(2)))
            return refused(invalidInput(
                    "The Thickness is too large in proportion to the Width and/or Height"));
        return weighed(rectangularTubeWeight(field(0), field(1), field(2), field(3), factor(), pieces()));
    }
    // A shape index outside the list: nothing to compute, nothing to say.
    return {};
}

} // namespace

CalcOutcome CalculateWeight(const CalcInput &input, const QLocale &locale)
{
    // An illegal count ends the run before anything else is looked at; even
    // the shown result keeps its text exactly.
    const auto pieces = numberFromText(input.numPieces, locale);
    if (!pieces)
        return {input.result, invalidInput("You entered an illegal value for the number of pieces")};

    Run run;
    try {
        run = Calculation(input, locale, *pieces).run();
    } catch (const OverflowError &) {
        return {input.result, invalidInput("The result is too large to calculate")};
    } catch (const NoSelection &) {
    }

    // Every run that got past the count re-formats the shown result, whether
    // or not it computed a new one. A new weight is formatted from the double:
    // the same text as formatting its standard text, without reading it back.
    if (run.weight)
        return {formatWeight(*run.weight, locale), std::move(run.message), true};
    return {formatWeight(input.result, locale), std::move(run.message)};
}

Message GenerateError(int intFieldCount, const std::array<QString, ParamCount> &texts,
                      const std::array<QString, ParamCount> &captions, const QLocale &locale)
{
    QString names;
    const int count = std::clamp(intFieldCount, 0, ParamCount);
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (isNumericText(texts[at], locale))
            continue;
        QString name = captions[at];
        name.chop(1); // the caption's colon
        if (trimSpaces(names).isEmpty())
            names = name;
        else
            names += QStringLiteral(" and the ") + name;
    }
    return {QStringLiteral("You entered an illegal value for the ") + names,
            QStringLiteral("Illegal Input")};
}

} // namespace keldary
