// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/weightcalculation.h"

#include "data/shapenames.h"

#include <QTest>

using namespace keldary;

Q_DECLARE_METATYPE(keldary::CalcInput)

namespace {

enum UnitIndex { In = 0, Ft, Yd, Mm, Cm, M, NoUnit = -1 };

// Alloy list positions used below.
constexpr int Steel = 0;
constexpr int Aluminum6061 = 4;
constexpr int Inconel718 = 13;
constexpr int Tungsten = 24;

// Pipe sizes and schedules by list position.
constexpr int Pipe1_8 = 0;
constexpr int Pipe1 = 5;
constexpr int Pipe2 = 8;
constexpr int Pipe4_1_2 = 13;
constexpr int Pipe24 = 26;
constexpr int Schedule5 = 0;
constexpr int Schedule20 = 2;
constexpr int Schedule40 = 4;
constexpr int Schedule80 = 6;
constexpr int Schedule160 = 10;

// The captions the window gives the fields of each stock form.
std::array<QString, ParamCount> captionsOf(Shape shape)
{
    using C = std::array<QString, ParamCount>;
    switch (shape) {
    case Shape::Angles: return C{"Leg 1:", "Leg 2:", "Thickness:", "Length:"};
    case Shape::Beam:
    case Shape::Channel: return C{"Size:", "Weight/ft.:", "Length:"};
    case Shape::Coil:
    case Shape::FlatBar:
    case Shape::Plate:
    case Shape::Sheet:
    case Shape::Strip: return C{"Thickness:", "Width:", "Length:"};
    case Shape::HexagonBar:
    case Shape::RoundBar:
    case Shape::SquareBar: return C{"Diameter:", "Length:"};
    case Shape::Pipe: return C{"Size - Outer Diameter:", "Schedule:", "Length:"};
    case Shape::Rebar:
    case Shape::Tees: return C{"Size:", "Length:"};
    case Shape::RectangularTube: return C{"Width:", "Height:", "Wall Thickness:", "Length:"};
    case Shape::RoundTube: return C{"Outer Diameter:", "Wall:", "Length:"};
    case Shape::SquareTube: return C{"Size:", "Thickness:", "Length:"};
    }
    return {};
}

struct Dim {
    const char *text;
    int unit = In;
};

// The window as it stands when Calculate is pressed: the stock form's fields
// filled in order, one piece of steel unless stated.
CalcInput input(Shape shape, std::initializer_list<Dim> dims, const char *pieces = "1", int alloy = Steel)
{
    CalcInput in;
    in.shape = static_cast<int>(shape);
    in.alloy = alloy;
    in.numPieces = QString::fromUtf8(pieces);
    in.captions = captionsOf(shape);
    std::size_t i = 0;
    for (const Dim &d : dims) {
        in.params[i] = QString::fromUtf8(d.text);
        in.units[i] = d.unit;
        ++i;
    }
    return in;
}

CalcInput pipe(int size, int schedule, Dim length, const char *pieces = "1", int alloy = Steel)
{
    CalcInput in = input(Shape::Pipe, {{""}, {""}, length}, pieces, alloy);
    in.pipeSize = size;
    in.pipeSchedule = schedule;
    return in;
}

CalcInput rebar(int size, Dim length, const char *pieces = "1", int alloy = Steel)
{
    CalcInput in = input(Shape::Rebar, {{""}, length}, pieces, alloy);
    in.rebarSize = size;
    return in;
}

CalcInput tee(int size, Dim length, const char *pieces = "1", int alloy = Steel)
{
    CalcInput in = input(Shape::Tees, {{""}, length}, pieces, alloy);
    in.teeSize = size;
    return in;
}

CalcInput shownBefore(CalcInput in, const char *result)
{
    in.result = QString::fromUtf8(result);
    return in;
}

CalcInput withHidden(CalcInput in, const char *text)
{
    in.params[0] = QString::fromUtf8(text);
    in.params[1] = QString::fromUtf8(text);
    return in;
}

CalcInput withAlloy(CalcInput in, int alloy)
{
    in.alloy = alloy;
    return in;
}

const QString C = QStringLiteral("C");
const QString InvalidInput = QStringLiteral("Invalid Input");
const QString IllegalInput = QStringLiteral("Illegal Input");
const QString Illegal = QStringLiteral("You entered an illegal value for the ");

} // namespace

class TestWeightCalculation : public QObject
{
    Q_OBJECT

private slots:
    void weights_data();
    void weights();
    void messages_data();
    void messages();
    void equivalences_data();
    void equivalences();
    void scaling_data();
    void scaling();
    void generateError_data();
    void generateError();
};

// Every row: one piece of steel unless the name says otherwise; no message.
void TestWeightCalculation::weights_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<CalcInput>("in");
    QTest::addColumn<QString>("expected");

    // Round bar, the overview's example, pieces and alloys.
    QTest::newRow("round bar 1 in x 1 ft") << C << input(Shape::RoundBar, {{"1", In}, {"1", Ft}}) << "2.673";
    QTest::newRow("round bar 2 in x 10 ft, 4 pieces") << C << input(Shape::RoundBar, {{"2", In}, {"10", Ft}}, "4") << "427.664";
    QTest::newRow("round bar in aluminum 6061") << C << input(Shape::RoundBar, {{"1", In}, {"1", Ft}}, "1", Aluminum6061) << "0.925";
    QTest::newRow("round bar in inconel 718 weighs as steel") << C << input(Shape::RoundBar, {{"1", In}, {"1", Ft}}, "1", Inconel718) << "2.673";
    QTest::newRow("round bar in tungsten") << C << input(Shape::RoundBar, {{"1", In}, {"1", Ft}}, "1", Tungsten) << "6.423";
    QTest::newRow("round bar 2.5 pieces") << C << input(Shape::RoundBar, {{"1", In}, {"1", Ft}}, "2.5") << "6.682";
    QTest::newRow("round bar 0 pieces") << C << input(Shape::RoundBar, {{"1", In}, {"1", Ft}}, "0") << "0.000";
    QTest::newRow("round bar -1 piece") << C << input(Shape::RoundBar, {{"1", In}, {"1", Ft}}, "-1") << "-2.673";
    QTest::newRow("round bar 25.4 mm x 304.8 mm") << C << input(Shape::RoundBar, {{"25.4", Mm}, {"304.8", Mm}}) << "2.673";
    QTest::newRow("round bar 1 yd x 1 in") << C << input(Shape::RoundBar, {{"1", Yd}, {"1", In}}) << "288.673";
    QTest::newRow("round bar 1 in x 12 in") << C << input(Shape::RoundBar, {{"1", In}, {"12", In}}) << "2.673";
    QTest::newRow("round bar 2.54 cm x 30.48 cm") << C << input(Shape::RoundBar, {{"2.54", Cm}, {"30.48", Cm}}) << "2.673";
    QTest::newRow("round bar 1 in x 0.3048 m") << C << input(Shape::RoundBar, {{"1", In}, {"0.3048", M}}) << "2.673";
    QTest::newRow("round bar 1 in x -1 ft") << C << input(Shape::RoundBar, {{"1", In}, {"-1", Ft}}) << "-2.673";
    QTest::newRow("round bar with no units selected") << C << input(Shape::RoundBar, {{"1", NoUnit}, {"1", 6}}) << "2.673";
    QTest::newRow("round bar with spaces around the texts") << C << input(Shape::RoundBar, {{" 1 ", In}, {"1  ", Ft}}, " 1 ") << "2.673";

    // Solid bars and flat stock.
    QTest::newRow("square bar 1 in x 1 ft") << C << input(Shape::SquareBar, {{"1", In}, {"1", Ft}}) << "3.403";
    QTest::newRow("square bar 5.08 cm x 0.5 yd") << C << input(Shape::SquareBar, {{"5.08", Cm}, {"0.5", Yd}}) << "20.419";
    QTest::newRow("hexagon bar 1 in x 1 ft") << C << input(Shape::HexagonBar, {{"1", In}, {"1", Ft}}) << "2.947";
    QTest::newRow("hexagon bar 25.4 mm x 1 yd") << C << input(Shape::HexagonBar, {{"25.4", Mm}, {"1", Yd}}) << "8.842";
    QTest::newRow("plate 0.5 x 12 in x 10 ft") << C << input(Shape::Plate, {{"0.5", In}, {"12", In}, {"10", Ft}}) << "204.192";
    QTest::newRow("plate in metres") << C << input(Shape::Plate, {{"0.0127", M}, {"0.3048", M}, {"3.048", M}}) << "204.192";
    QTest::newRow("coil 0.5 x 12 in x 10 ft weighs as plate") << C << input(Shape::Coil, {{"0.5", In}, {"12", In}, {"10", Ft}}) << "204.192";
    QTest::newRow("coil in yards and feet") << C << input(Shape::Coil, {{"0.5", In}, {"1", Ft}, {"4", Yd}}) << "245.030";
    QTest::newRow("flat bar 0.25 x 2 in x 1 yd") << C << input(Shape::FlatBar, {{"0.25", In}, {"2", In}, {"1", Yd}}) << "5.105";
    QTest::newRow("sheet 2.54 cm x 1 ft x 1 m") << C << input(Shape::Sheet, {{"2.54", Cm}, {"1", Ft}, {"1", M}}) << "133.984";
    QTest::newRow("coil as sheet") << C << input(Shape::Coil, {{"2.54", Cm}, {"1", Ft}, {"1", M}}) << "133.984";
    QTest::newRow("strip as sheet") << C << input(Shape::Strip, {{"2.54", Cm}, {"1", Ft}, {"1", M}}) << "133.984";
    QTest::newRow("strip 25.4 x 254 x 3048 mm") << C << input(Shape::Strip, {{"25.4", Mm}, {"254", Mm}, {"3048", Mm}}) << "340.320";
    QTest::newRow("angles 3 x 2 x 0.25 in x 10 ft") << C << input(Shape::Angles, {{"3", In}, {"2", In}, {"0.25", In}, {"10", Ft}}) << "41.325";
    QTest::newRow("angles 3 x 2 x 0.25 in x 120 in") << C << input(Shape::Angles, {{"3", In}, {"2", In}, {"0.25", In}, {"120", In}}) << "41.325";
    QTest::newRow("angles with a leg in feet") << C << input(Shape::Angles, {{"0.25", Ft}, {"2", In}, {"0.25", In}, {"10", Ft}}) << "41.325";

    QTest::newRow("plate of zero thickness") << C << input(Shape::Plate, {{"0", In}, {"12", In}, {"10", Ft}}) << "0.000";
    // An angle whose thickness equals a leg is a solid section; a negative thickness passes the proportion test.
    QTest::newRow("angles thickness equal to both legs") << C << input(Shape::Angles, {{"1", In}, {"1", In}, {"1", In}, {"12", In}}) << "3.480";
    QTest::newRow("angles thickness equal to a leg in feet") << C << input(Shape::Angles, {{"1", Ft}, {"12", In}, {"12", In}, {"1", In}}) << "41.760";
    QTest::newRow("angles thickness compared in inches") << C << input(Shape::Angles, {{"3", In}, {"2", In}, {"6.35", Mm}, {"10", Ft}}) << "41.325";
    QTest::newRow("angles of zero thickness") << C << input(Shape::Angles, {{"3", In}, {"2", In}, {"0", In}, {"10", Ft}}) << "0.000";
    QTest::newRow("angles of negative thickness") << C << input(Shape::Angles, {{"3", In}, {"2", In}, {"-0.25", In}, {"10", Ft}}) << "-45.675";

    // Tubes.
    QTest::newRow("round tube 2 x 0.25 in x 10 ft") << C << input(Shape::RoundTube, {{"2", In}, {"0.25", In}, {"10", Ft}}) << "46.725";
    QTest::newRow("round tube in centimetres") << C << input(Shape::RoundTube, {{"5.08", Cm}, {"0.635", Cm}, {"304.8", Cm}}) << "46.725";
    QTest::newRow("round tube wall 0.4 of the diameter") << C << input(Shape::RoundTube, {{"1", In}, {"0.4", In}, {"1", Ft}}) << "2.563";
    QTest::newRow("square tube 2 x 0.125 in x 10 ft") << C << input(Shape::SquareTube, {{"2", In}, {"0.125", In}, {"10", Ft}}) << "30.532";
    QTest::newRow("square tube in millimetres") << C << input(Shape::SquareTube, {{"50.8", Mm}, {"3.175", Mm}, {"3048", Mm}}) << "30.532";
    QTest::newRow("square tube 1 x 0.2 in just fits") << C << input(Shape::SquareTube, {{"1", In}, {"0.2", In}, {"1", Ft}}) << "1.827";
    QTest::newRow("rectangular tube 3 x 2 x 0.125 in x 10 ft") << C << input(Shape::RectangularTube, {{"3", In}, {"2", In}, {"0.125", In}, {"10", Ft}}) << "39.039";
    QTest::newRow("rectangular tube width in feet, length in inches") << C << input(Shape::RectangularTube, {{"0.25", Ft}, {"2", In}, {"0.125", In}, {"120", In}}) << "39.039";
    QTest::newRow("rectangular tube 1 x 1 x 0.1 in fits") << C << input(Shape::RectangularTube, {{"1", In}, {"1", In}, {"0.1", In}, {"1", Ft}}) << "1.137";

    // Weights per foot, typed or from the size tables.
    QTest::newRow("beam 8, 10 lb/ft, 20 ft, 2 pieces") << C << input(Shape::Beam, {{"8", In}, {"10"}, {"20", Ft}}, "2") << "400.000";
    QTest::newRow("beam 6.096 m, 2 pieces") << C << input(Shape::Beam, {{"8", In}, {"10"}, {"6.096", M}}, "2") << "400.000";
    QTest::newRow("beam weight per foot ignores its unit list") << C << input(Shape::Beam, {{"8", In}, {"10", M}, {"1", Ft}}) << "10.000";
    QTest::newRow("beam weighing 1234567.8912") << C << input(Shape::Beam, {{"8", In}, {"1234567.8912"}, {"1", Ft}}) << "1234567.891";
    QTest::newRow("channel 5.4 lb/ft, 3 yd") << C << input(Shape::Channel, {{"4", In}, {"5.4"}, {"3", Yd}}) << "48.600";
    // The typed weight per foot is steel's; the alloy factor scales it like any other shape.
    QTest::newRow("beam 10 lb/ft, 20 ft, 2 pieces, aluminum 6061") << C << input(Shape::Beam, {{"8", In}, {"10"}, {"20", Ft}}, "2", Aluminum6061) << "138.480";
    QTest::newRow("beam 10 lb/ft, 20 ft, 2 pieces, tungsten") << C << input(Shape::Beam, {{"8", In}, {"10"}, {"20", Ft}}, "2", Tungsten) << "961.200";
    QTest::newRow("channel 5.4 lb/ft, 3 yd, aluminum 6061") << C << input(Shape::Channel, {{"4", In}, {"5.4"}, {"3", Yd}}, "1", Aluminum6061) << "16.825";
    QTest::newRow("channel 5.4 lb/ft, 3 yd, tungsten") << C << input(Shape::Channel, {{"4", In}, {"5.4"}, {"3", Yd}}, "1", Tungsten) << "116.786";
    QTest::newRow("pipe 2 in sched 40, 21 ft") << C << pipe(Pipe2, Schedule40, {"21", Ft}) << "76.713";
    QTest::newRow("pipe 24 in sched 160, 1 ft") << C << pipe(Pipe24, Schedule160, {"1", Ft}) << "542.100";
    QTest::newRow("pipe 1/8 in sched 5, 1 ft") << C << pipe(Pipe1_8, Schedule5, {"1", Ft}) << "0.138";
    QTest::newRow("pipe 1 in sched 80, 3048 mm") << C << pipe(Pipe1, Schedule80, {"3048", Mm}) << "21.720";
    QTest::newRow("rebar 4, 20 ft") << C << rebar(1, {"20", Ft}) << "13.360";
    QTest::newRow("rebar 3, 1 ft") << C << rebar(0, {"1", Ft}) << "0.376";
    QTest::newRow("rebar 18, 1 ft") << C << rebar(10, {"1", Ft}) << "13.600";
    QTest::newRow("rebar 8, 1 m") << C << rebar(5, {"1", M}) << "8.760";
    QTest::newRow("tees first size, 10 ft") << C << tee(0, {"10", Ft}) << "19.000";
    QTest::newRow("tees first size, 10 ft, aluminum 6061") << C << tee(0, {"10", Ft}, "1", Aluminum6061) << "6.578";
    QTest::newRow("tees 2 x 2 x .250, 30.48 cm") << C << tee(3, {"30.48", Cm}) << "3.620";

    // Zero and the user's locale.
    QTest::newRow("tiny weight shows 0.000") << C << input(Shape::RoundBar, {{"0.0001", In}, {"1", Ft}}) << "0.000";
    QTest::newRow("tiny negative weight shows 0.000, not -0.000") << C << input(Shape::RoundBar, {{"0.0001", In}, {"1", Ft}}, "-1") << "0.000";
    QTest::newRow("negative zero pieces") << C << input(Shape::RoundBar, {{"1", In}, {"1", Ft}}, "-0") << "0.000";
    QTest::newRow("de_DE: 2,5 pieces, comma in the result") << "de_DE" << input(Shape::RoundBar, {{"1", In}, {"1", Ft}}, "2,5") << "6,682";
    QTest::newRow("de_DE: rebar table text read despite the decimal comma") << "de_DE" << rebar(0, {"1", Ft}) << "0,376";
    QTest::newRow("de_DE: large weight without group separators") << "de_DE" << input(Shape::Beam, {{"8", In}, {"1.234.567,8912"}, {"1", Ft}}) << "1234567,891";
    QTest::newRow("en_US: group separator in a length") << "en_US" << input(Shape::Beam, {{"8", In}, {"1"}, {"1,000", Ft}}) << "1000.000";
    QTest::newRow("ar_EG: -1 piece, typed and shown in its digits and sign") << "ar_EG"
        << input(Shape::RoundBar, {{"\u0661", In}, {"\u0661", Ft}}, "\u061c-\u0661") << QString::fromUtf8("\u061c-\u0662\u066b\u0666\u0667\u0663");
    QTest::newRow("sv_SE: -1 piece with its minus sign") << "sv_SE" << input(Shape::RoundBar, {{"1", In}, {"1", Ft}}, "\u22121")
        << QString::fromUtf8("\u22122,673");
}

void TestWeightCalculation::weights()
{
    QFETCH(QString, locale);
    QFETCH(CalcInput, in);
    QFETCH(QString, expected);

    const CalcOutcome out = CalculateWeight(in, QLocale(locale));
    QCOMPARE(out.message, std::nullopt);
    QCOMPARE(out.result, expected);
    QVERIFY(out.weighed);
}

void TestWeightCalculation::messages_data()
{
    QTest::addColumn<CalcInput>("in");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");

    const QString pieces = QStringLiteral("You entered an illegal value for the number of pieces");
    const CalcInput roundBar = input(Shape::RoundBar, {{"1", In}, {"1", Ft}});

    // The number of pieces is checked first, and its message leaves the result exactly as it was.
    QTest::newRow("pieces empty") << shownBefore(input(Shape::RoundBar, {{"1"}, {"1", Ft}}, ""), "12.5") << "12.5" << pieces << InvalidInput;
    QTest::newRow("pieces blank") << shownBefore(input(Shape::RoundBar, {{"1"}, {"1", Ft}}, "   "), "12.5") << "12.5" << pieces << InvalidInput;
    QTest::newRow("pieces letters") << shownBefore(input(Shape::RoundBar, {{"1"}, {"1", Ft}}, "two"), "12.5") << "12.5" << pieces << InvalidInput;
    QTest::newRow("pieces and fields illegal: pieces only") << shownBefore(input(Shape::RoundBar, {{"x"}, {""}}, "x"), "12.5") << "12.5" << pieces << InvalidInput;
    QTest::newRow("pieces illegal on an unknown shape") << shownBefore(input(Shape(17), {}, "x"), "12.5") << "12.5" << pieces << InvalidInput;

    // Every illegal field is named, in field order; the previous result is re-formatted.
    QTest::newRow("round bar diameter and length") << shownBefore(input(Shape::RoundBar, {{"abc"}, {""}}), "12.5")
            << "12.500" << Illegal + "Diameter and the Length" << IllegalInput;
    QTest::newRow("angles leg 1, thickness and length") << shownBefore(input(Shape::Angles, {{"a"}, {"2"}, {"b"}, {" "}}), "")
            << "" << Illegal + "Leg 1 and the Thickness and the Length" << IllegalInput;
    QTest::newRow("beam size letters, though unused") << input(Shape::Beam, {{"W8x10"}, {"10"}, {"20", Ft}})
            << "" << Illegal + "Size" << IllegalInput;
    QTest::newRow("channel weight per foot") << input(Shape::Channel, {{"4"}, {"5,4"}, {"1", Ft}})
            << "" << Illegal + "Weight/ft." << IllegalInput;
    QTest::newRow("rectangular tube length only") << input(Shape::RectangularTube, {{"3"}, {"2"}, {"0.125"}, {"ten"}})
            << "" << Illegal + "Length" << IllegalInput;
    QTest::newRow("plate width") << input(Shape::Plate, {{"1"}, {"1 2"}, {"1", Ft}})
            << "" << Illegal + "Width" << IllegalInput;
    QTest::newRow("square tube all three") << input(Shape::SquareTube, {{""}, {""}, {""}})
            << "" << Illegal + "Size and the Thickness and the Length" << IllegalInput;
    QTest::newRow("inf is no length") << input(Shape::RoundBar, {{"1"}, {"inf", Ft}})
            << "" << Illegal + "Length" << IllegalInput;
    QTest::newRow("previous text that is no number is kept") << shownBefore(input(Shape::RoundBar, {{"x"}, {"1"}}), "n/a")
            << "n/a" << Illegal + "Diameter" << IllegalInput;
    // All fields are tested before any is converted: the overflowing diameter is never reached.
    QTest::newRow("fields tested before conversion") << input(Shape::RoundBar, {{"1e306", M}, {"x"}})
            << "" << Illegal + "Length" << IllegalInput;
    QTest::newRow("fields tested before the wall") << input(Shape::RoundTube, {{"1"}, {"5"}, {"x"}})
            << "" << Illegal + "Length" << IllegalInput;

    // Hidden fields behind a size list never appear in the message.
    QTest::newRow("pipe length empty") << shownBefore(withHidden(pipe(Pipe2, Schedule40, {""}), "junk"), "76.713")
            << "76.713" << Illegal + "Length" << IllegalInput;
    QTest::newRow("rebar length letters") << withHidden(rebar(0, {"abc"}), "junk")
            << "" << Illegal + "Length" << IllegalInput;
    QTest::newRow("tees length letters") << withHidden(tee(0, {"abc"}), "")
            << "" << Illegal + "Length" << IllegalInput;

    // Tube walls.
    QTest::newRow("round tube wall equal to the diameter") << shownBefore(input(Shape::RoundTube, {{"1"}, {"1"}, {"1", Ft}}), "2")
            << "2.000" << "The Tube Wall Cannot exceed the Outer Diameter" << InvalidInput;
    QTest::newRow("round tube wall 0.6 of the diameter") << input(Shape::RoundTube, {{"1"}, {"0.6"}, {"1", Ft}})
            << "" << "The Tube Wall Cannot exceed the Outer Diameter" << InvalidInput;
    QTest::newRow("round tube wall exactly half") << input(Shape::RoundTube, {{"1"}, {"0.5"}, {"1", Ft}})
            << "" << "The Tube Wall Cannot exceed the Outer Diameter" << InvalidInput;
    QTest::newRow("round tube wall compared in inches") << input(Shape::RoundTube, {{"1"}, {"12.7", Mm}, {"1", Ft}})
            << "" << "The Tube Wall Cannot exceed the Outer Diameter" << InvalidInput;
    QTest::newRow("square tube 1 x 0.25 in") << input(Shape::SquareTube, {{"1"}, {"0.25"}, {"1", Ft}})
            << "" << "The Thickness is too large in proportion to the Width" << InvalidInput;
    QTest::newRow("rectangular tube 2 x 2 x 1 in") << input(Shape::RectangularTube, {{"2"}, {"2"}, {"1"}, {"1", Ft}})
            << "" << "The Thickness is too large in proportion to the Width and/or Height" << InvalidInput;
    QTest::newRow("rectangular tube 1 x 1 x 1.5 in") << input(Shape::RectangularTube, {{"1"}, {"1"}, {"1.5"}, {"1", Ft}})
            << "" << "The Thickness is too large in proportion to the Width and/or Height" << InvalidInput;
    QTest::newRow("rectangular tube 1 x 1 x 2 in") << input(Shape::RectangularTube, {{"1"}, {"1"}, {"2"}, {"1", Ft}})
            << "" << "The Thickness is too large in proportion to the Width and/or Height" << InvalidInput;
    QTest::newRow("rectangular tube 1 x 1 x 0.25 in") << input(Shape::RectangularTube, {{"1"}, {"1"}, {"0.25"}, {"1", Ft}})
            << "" << "The Thickness is too large in proportion to the Width and/or Height" << InvalidInput;

    // Angles: the thickness may not exceed either leg, compared in inches.
    const QString angleThickness = QStringLiteral("The Thickness is too large in proportion to the Legs");
    QTest::newRow("angles 1 x 1 in, thickness 3 in") << shownBefore(input(Shape::Angles, {{"1"}, {"1"}, {"3"}, {"12"}}), "12.5")
            << "12.500" << angleThickness << InvalidInput;
    QTest::newRow("angles thickness over leg 1 only") << input(Shape::Angles, {{"1"}, {"3"}, {"1.5"}, {"12"}})
            << "" << angleThickness << InvalidInput;
    QTest::newRow("angles thickness over leg 2 only") << input(Shape::Angles, {{"3"}, {"1"}, {"1.5"}, {"12"}})
            << "" << angleThickness << InvalidInput;
    QTest::newRow("angles thickness 26 mm on 1 in legs") << input(Shape::Angles, {{"1"}, {"1"}, {"26", Mm}, {"12"}})
            << "" << angleThickness << InvalidInput;
    QTest::newRow("angles 1 ft legs, thickness 13 in") << input(Shape::Angles, {{"1", Ft}, {"1", Ft}, {"13"}, {"12"}})
            << "" << angleThickness << InvalidInput;
    QTest::newRow("angles with a negative leg") << input(Shape::Angles, {{"-1"}, {"2"}, {"0.25"}, {"12"}})
            << "" << angleThickness << InvalidInput;
    QTest::newRow("angles fields tested before the proportion") << input(Shape::Angles, {{"1"}, {"1"}, {"3"}, {"x"}})
            << "" << Illegal + "Length" << IllegalInput;

    // Pipe sizes not made in a schedule.
    const QString notMade = QStringLiteral("This pipe size is not made in the selected schedule");
    QTest::newRow("pipe 4-1/2 in has no schedule") << shownBefore(pipe(Pipe4_1_2, Schedule40, {"10", Ft}), "12.5")
            << "12.500" << notMade << InvalidInput;
    QTest::newRow("pipe 1/8 in not in sched 20") << pipe(Pipe1_8, Schedule20, {"10", Ft})
            << "" << notMade << InvalidInput;

    // Overflow keeps the previous result exactly.
    const QString tooLarge = QStringLiteral("The result is too large to calculate");
    QTest::newRow("overflow converting metres") << shownBefore(input(Shape::RoundBar, {{"1e307", M}, {"1", Ft}}), "12.5")
            << "12.5" << tooLarge << InvalidInput;
    QTest::newRow("overflow in the formula") << shownBefore(input(Shape::RoundBar, {{"1e200", In}, {"1", Ft}}), "12.5")
            << "12.5" << tooLarge << InvalidInput;
    QTest::newRow("overflow by the number of pieces") << shownBefore(input(Shape::Beam, {{"8"}, {"1e300"}, {"1", Ft}}, "1e10"), "12.5")
            << "12.5" << tooLarge << InvalidInput;
    QTest::newRow("overflow in a wall test") << shownBefore(input(Shape::RectangularTube, {{"1e308"}, {"1e308"}, {"1"}, {"1", Ft}}), "12.5")
            << "12.5" << tooLarge << InvalidInput;

    // No message: nothing to compute, the previous result re-formatted.
    CalcInput noAlloy = shownBefore(roundBar, "12.5");
    noAlloy.alloy = -1;
    CalcInput alloyPastEnd = shownBefore(roundBar, "12.5");
    alloyPastEnd.alloy = 26;
    QTest::newRow("shape index 17") << shownBefore(input(Shape(17), {{"1"}, {"1"}}), "12.5") << "12.500" << "" << "";
    QTest::newRow("shape index -1") << shownBefore(input(Shape(-1), {{"1"}, {"1"}}), "-0.0001") << "0.000" << "" << "";
    QTest::newRow("no alloy selected") << noAlloy << "12.500" << "" << "";
    QTest::newRow("alloy past the list") << alloyPastEnd << "12.500" << "" << "";
    QTest::newRow("pipe size past the list") << shownBefore(pipe(33, Schedule40, {"1", Ft}), "12.5") << "12.500" << "" << "";
    QTest::newRow("no pipe schedule selected") << shownBefore(pipe(Pipe2, -1, {"1", Ft}), "12.5") << "12.500" << "" << "";
    QTest::newRow("rebar size past the list") << shownBefore(rebar(11, {"1", Ft}), "12.5") << "12.500" << "" << "";
    QTest::newRow("no tee size selected") << shownBefore(tee(-1, {"1", Ft}), "12.5") << "12.500" << "" << "";
}

void TestWeightCalculation::messages()
{
    QFETCH(CalcInput, in);
    QFETCH(QString, result);
    QFETCH(QString, text);
    QFETCH(QString, title);

    const CalcOutcome out = CalculateWeight(in, QLocale::c());
    QCOMPARE(out.result, result);
    // Whatever the result box shows afterwards, it is no weight of these inputs.
    QVERIFY(!out.weighed);
    if (text.isEmpty()) {
        QCOMPARE(out.message, std::nullopt);
    } else {
        QVERIFY(out.message.has_value());
        QCOMPARE(out.message->text, text);
        QCOMPARE(out.message->title, title);
    }
}

void TestWeightCalculation::equivalences_data()
{
    QTest::addColumn<CalcInput>("a");
    QTest::addColumn<CalcInput>("b");

    QTest::newRow("25.4 mm is 1 in") << input(Shape::RoundBar, {{"25.4", Mm}, {"1", Ft}})
                                     << input(Shape::RoundBar, {{"1", In}, {"1", Ft}});
    QTest::newRow("304.8 mm is 1 ft") << input(Shape::RoundBar, {{"1", In}, {"304.8", Mm}})
                                      << input(Shape::RoundBar, {{"1", In}, {"1", Ft}});
    QTest::newRow("6.096 m is 20 ft") << input(Shape::Beam, {{"8"}, {"10"}, {"6.096", M}})
                                      << input(Shape::Beam, {{"8"}, {"10"}, {"20", Ft}});
    QTest::newRow("angle length 120 in is 10 ft") << input(Shape::Angles, {{"3"}, {"2"}, {"0.25"}, {"120", In}})
                                                  << input(Shape::Angles, {{"3"}, {"2"}, {"0.25"}, {"10", Ft}});
    QTest::newRow("inconel 718 weighs as steel") << input(Shape::Plate, {{"0.5"}, {"12"}, {"10", Ft}}, "1", Inconel718)
                                                 << input(Shape::Plate, {{"0.5"}, {"12"}, {"10", Ft}});
    QTest::newRow("the hidden pipe fields are not read") << withHidden(pipe(Pipe2, Schedule40, {"21", Ft}), "junk")
                                                         << pipe(Pipe2, Schedule40, {"21", Ft});
}

void TestWeightCalculation::equivalences()
{
    QFETCH(CalcInput, a);
    QFETCH(CalcInput, b);

    const CalcOutcome first = CalculateWeight(a, QLocale::c());
    QCOMPARE(first.message, std::nullopt);
    QCOMPARE(first.result, CalculateWeight(b, QLocale::c()).result);
}

// Scaling is checked on unformatted weights: compare a run with the base run times the factor.
void TestWeightCalculation::scaling_data()
{
    QTest::addColumn<CalcInput>("base");
    QTest::addColumn<CalcInput>("scaled");
    QTest::addColumn<double>("factor");

    const CalcInput plate = input(Shape::Plate, {{"0.5"}, {"12"}, {"10", Ft}});
    QTest::newRow("two pieces of plate") << plate << input(Shape::Plate, {{"0.5"}, {"12"}, {"10", Ft}}, "2") << 2.0;
    QTest::newRow("two pieces of square tube") << input(Shape::SquareTube, {{"2"}, {"0.125"}, {"10", Ft}})
                                               << input(Shape::SquareTube, {{"2"}, {"0.125"}, {"10", Ft}}, "2") << 2.0;
    QTest::newRow("aluminum 6061 plate") << plate << withAlloy(plate, Aluminum6061) << 0.3462;
    QTest::newRow("tungsten pipe") << pipe(Pipe24, Schedule160, {"100", Ft}) << pipe(Pipe24, Schedule160, {"100", Ft}, "1", Tungsten) << 2.403;
    QTest::newRow("tungsten angle") << input(Shape::Angles, {{"3"}, {"2"}, {"0.25"}, {"10", Ft}})
                                    << withAlloy(input(Shape::Angles, {{"3"}, {"2"}, {"0.25"}, {"10", Ft}}), Tungsten) << 2.403;
}

void TestWeightCalculation::scaling()
{
    QFETCH(CalcInput, base);
    QFETCH(CalcInput, scaled);
    QFETCH(double, factor);

    const double one = CalculateWeight(base, QLocale::c()).result.toDouble();
    const double many = CalculateWeight(scaled, QLocale::c()).result.toDouble();
    QVERIFY(one > 1);
    // Both are rounded to thousandths.
    QVERIFY2(std::abs(many - one * factor) <= 0.0005 * (1 + factor),
             qPrintable(QStringLiteral("%1 vs %2 x %3").arg(many).arg(one).arg(factor)));
}

void TestWeightCalculation::generateError_data()
{
    QTest::addColumn<int>("fieldCount");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one field") << 2 << QStringList{"1", "x"} << Illegal + "Leg 2";
    QTest::newRow("fields past the count are not examined") << 1 << QStringList{"1", "x"} << Illegal;
    QTest::newRow("nothing illegal gives the bare text") << 2 << QStringList{"1", "2"} << Illegal;
    QTest::newRow("spaces around a number are fine") << 2 << QStringList{" 1 ", "x"} << Illegal + "Leg 2";
    QTest::newRow("four names") << 4 << QStringList{"", "", "", ""}
                                << Illegal + "Leg 1 and the Leg 2 and the Thickness and the Length";
    QTest::newRow("count beyond the fields") << 9 << QStringList{"1", "1", "1", "x", "1"} << Illegal + "Length";
    QTest::newRow("negative count") << -1 << QStringList{"x"} << Illegal;
}

void TestWeightCalculation::generateError()
{
    QFETCH(int, fieldCount);
    QFETCH(QStringList, texts);
    QFETCH(QString, expected);

    std::array<QString, ParamCount> fields;
    std::copy(texts.begin(), texts.end(), fields.begin());
    const Message message = GenerateError(fieldCount, fields, captionsOf(Shape::Angles), QLocale::c());
    QCOMPARE(message.text, expected);
    QCOMPARE(message.title, IllegalInput);
}

QTEST_GUILESS_MAIN(TestWeightCalculation)
#include "tst_weightcalculation.moc"
