// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms.h"

#include "calc/weightcalculation.h"
#include "data/shapenames.h"
#include "data/unitnames.h"

#include <QList>
#include <QMetaType>

#include <cmath>

// The calculations every level is tested with: the core (tst_weightcalculation),
// the window (tst_calculate) and the fuzzer's seeds (fuzz/make_corpus.cpp).
namespace calccases {

using keldary::CalcInput;
using keldary::Shape;
using keldary::Unit;
using enum keldary::Shape;
using enum keldary::Unit;

// Pipe sizes and schedules by list position.
constexpr int Pipe1_8 = 0;
constexpr int Pipe1 = 5;
constexpr int Pipe2 = 8;
constexpr int Pipe4_1_2 = 13;
constexpr int Pipe24 = 26;
constexpr int Pipe36 = 32;
constexpr int Schedule5 = 0;
constexpr int Schedule20 = 2;
constexpr int Schedule40 = 4;
constexpr int Schedule80 = 6;
constexpr int Schedule160 = 10;

inline int alloy(const char *name)
{
    return int(forms::Alloys.indexOf(QLatin1String(name)));
}

// A typed field and the position picked in its unit list.
struct Dim {
    Dim(const char *text, Unit unit = Inch) : text(QString::fromUtf8(text)), unit(int(unit)) {}
    Dim(const char *text, int unit) : text(QString::fromUtf8(text)), unit(unit) {}
    QString text;
    int unit;
};

// The window as it stands when Calculate is pressed: the stock form's fields
// filled in order, one piece of steel unless stated.
inline CalcInput input(Shape shape, std::initializer_list<Dim> dims, const char *pieces = "1", int alloy = 0)
{
    CalcInput in;
    in.shape = int(shape);
    in.alloy = alloy;
    in.numPieces = QString::fromUtf8(pieces);
    in.captions = forms::captionsOf(in.shape);
    std::size_t i = 0;
    for (const Dim &d : dims) {
        in.params[i] = d.text;
        in.units[i] = d.unit;
        ++i;
    }
    return in;
}

inline CalcInput pipe(int size, int schedule, Dim length, const char *pieces = "1", int alloy = 0)
{
    CalcInput in = input(Pipe, {{""}, {""}, length}, pieces, alloy);
    in.pipeSize = size;
    in.pipeSchedule = schedule;
    return in;
}

inline CalcInput rebar(int size, Dim length, const char *pieces = "1", int alloy = 0)
{
    CalcInput in = input(Rebar, {{""}, length}, pieces, alloy);
    in.rebarSize = size;
    return in;
}

inline CalcInput tee(int size, Dim length, const char *pieces = "1", int alloy = 0)
{
    CalcInput in = input(Tees, {{""}, length}, pieces, alloy);
    in.teeSize = size;
    return in;
}

inline CalcInput shownBefore(CalcInput in, const char *result)
{
    in.result = QString::fromUtf8(result);
    return in;
}

// The text boxes a size list covers still hold what was typed for another form.
inline CalcInput withHidden(CalcInput in, const char *text)
{
    const QStringList fields = forms::layoutOf(in.shape).fields;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (!fields[i].section(u'|', 1).contains(u'T'))
            in.params[std::size_t(i)] = QString::fromUtf8(text);
    }
    return in;
}

inline CalcInput withAlloy(CalcInput in, int alloy)
{
    in.alloy = alloy;
    return in;
}

struct CalcCase {
    const char *name;
    CalcInput in;
    QString result; // the result box afterwards
    QString text;   // of the message; empty: none
    QString title;
    QString locale = QStringLiteral("C");
};

// Calculations that give a weight and no message.
inline QList<CalcCase> weightCases()
{
    const int Aluminum6061 = alloy("Aluminum 6061");
    const int Tungsten = alloy("Tungsten");
    const int Inconel718 = alloy("Inconel 718");
    const int Brass = alloy("Brass");
    return {
        // Round bar, the overview's example, pieces and alloys.
        {"round bar 1 in x 1 ft", input(RoundBar, {{"1"}, {"1", Foot}}), "2.673"},
        {"round bar 2 in x 10 ft, 4 pieces", input(RoundBar, {{"2"}, {"10", Foot}}, "4"), "427.664"},
        {"round bar in aluminum 6061", input(RoundBar, {{"1"}, {"1", Foot}}, "1", Aluminum6061), "0.925"},
        {"round bar in inconel 718 weighs as steel", input(RoundBar, {{"1"}, {"1", Foot}}, "1", Inconel718), "2.673"},
        {"round bar in tungsten", input(RoundBar, {{"1"}, {"1", Foot}}, "1", Tungsten), "6.423"},
        {"round bar 2.5 pieces", input(RoundBar, {{"1"}, {"1", Foot}}, "2.5"), "6.682"},
        {"round bar 0 pieces", input(RoundBar, {{"1"}, {"1", Foot}}, "0"), "0.000"},
        {"round bar -1 piece", input(RoundBar, {{"1"}, {"1", Foot}}, "-1"), "-2.673"},
        {"round bar 25.4 mm x 304.8 mm", input(RoundBar, {{"25.4", Millimetre}, {"304.8", Millimetre}}), "2.673"},
        {"round bar 1 yd x 1 in", input(RoundBar, {{"1", Yard}, {"1"}}), "288.673"},
        {"round bar 1 in x 12 in", input(RoundBar, {{"1"}, {"12"}}), "2.673"},
        {"round bar 2.54 cm x 30.48 cm", input(RoundBar, {{"2.54", Centimetre}, {"30.48", Centimetre}}), "2.673"},
        {"round bar 1 in x 0.3048 m", input(RoundBar, {{"1"}, {"0.3048", Metre}}), "2.673"},
        {"round bar 1 in x minus 1 ft", input(RoundBar, {{"1"}, {"-1", Foot}}), "-2.673"},
        {"round bar with no units selected", input(RoundBar, {{"1", -1}, {"1", 6}}), "2.673"},
        {"round bar with spaces around the texts", input(RoundBar, {{" 1 "}, {"1  ", Foot}}, " 1 "), "2.673"},
        {"round bar with spaces before the texts", input(RoundBar, {{" 1 "}, {"  1", Foot}}), "2.673"},
        {"round bar of zero diameter", input(RoundBar, {{"0"}, {"1", Foot}}), "0.000"},

        // Solid bars and flat stock.
        {"square bar 1 in x 1 ft", input(SquareBar, {{"1"}, {"1", Foot}}), "3.403"},
        {"square bar 5.08 cm x 0.5 yd", input(SquareBar, {{"5.08", Centimetre}, {"0.5", Yard}}), "20.419"},
        {"hexagon bar 1 in x 1 ft", input(HexagonBar, {{"1"}, {"1", Foot}}), "2.947"},
        {"hexagon bar 25.4 mm x 1 yd", input(HexagonBar, {{"25.4", Millimetre}, {"1", Yard}}), "8.842"},
        {"plate 0.5 x 12 in x 10 ft", input(Plate, {{"0.5"}, {"12"}, {"10", Foot}}), "204.192"},
        {"plate in metres", input(Plate, {{"0.0127", Metre}, {"0.3048", Metre}, {"3.048", Metre}}), "204.192"},
        {"plate in yards", input(Plate, {{"0.5"}, {"12"}, {"1", Yard}}), "61.258"},
        {"coil 0.5 x 12 in x 10 ft weighs as plate", input(Coil, {{"0.5"}, {"12"}, {"10", Foot}}), "204.192"},
        {"sheet weighs as plate", input(Sheet, {{"0.5"}, {"12"}, {"10", Foot}}), "204.192"},
        {"flat bar weighs as plate", input(FlatBar, {{"0.5"}, {"12"}, {"10", Foot}}), "204.192"},
        {"strip weighs as plate", input(Strip, {{"0.5"}, {"12"}, {"10", Foot}}), "204.192"},
        {"coil in yards and feet", input(Coil, {{"0.5"}, {"1", Foot}, {"4", Yard}}), "245.030"},
        {"flat bar 0.25 x 2 in x 1 yd", input(FlatBar, {{"0.25"}, {"2"}, {"1", Yard}}), "5.105"},
        {"sheet 2.54 cm x 1 ft x 1 m", input(Sheet, {{"2.54", Centimetre}, {"1", Foot}, {"1", Metre}}), "133.984"},
        {"coil as sheet", input(Coil, {{"2.54", Centimetre}, {"1", Foot}, {"1", Metre}}), "133.984"},
        {"strip as sheet", input(Strip, {{"2.54", Centimetre}, {"1", Foot}, {"1", Metre}}), "133.984"},
        {"strip 25.4 x 254 x 3048 mm", input(Strip, {{"25.4", Millimetre}, {"254", Millimetre}, {"3048", Millimetre}}), "340.320"},
        {"plate of zero thickness", input(Plate, {{"0"}, {"12"}, {"10", Foot}}), "0.000"},
        {"plate of negative thickness", input(Plate, {{"-0.5"}, {"12"}, {"10", Foot}}), "-204.192"},
        {"large weight has no group separator", input(Plate, {{"10"}, {"100"}, {"100", Foot}}), "340320.000"},
        {"angles 3 x 2 x 0.25 in x 10 ft", input(Angles, {{"3"}, {"2"}, {"0.25"}, {"10", Foot}}), "41.325"},
        {"angles 3 x 2 x 0.25 in x 120 in", input(Angles, {{"3"}, {"2"}, {"0.25"}, {"120"}}), "41.325"},
        {"angles with a leg in feet", input(Angles, {{"0.25", Foot}, {"2"}, {"0.25"}, {"10", Foot}}), "41.325"},
        {"angles in centimetres and metres",
         input(Angles, {{"7.62", Centimetre}, {"5.08", Centimetre}, {"0.635", Centimetre}, {"3.048", Metre}}), "41.325"},
        // An angle whose thickness equals a leg is a solid section; a negative thickness passes the proportion test.
        {"angles thickness equal to both legs", input(Angles, {{"1"}, {"1"}, {"1"}, {"12"}}), "3.480"},
        {"angles thickness equal to a leg in feet", input(Angles, {{"1", Foot}, {"12"}, {"12"}, {"1"}}), "41.760"},
        {"angles thickness compared in inches", input(Angles, {{"3"}, {"2"}, {"6.35", Millimetre}, {"10", Foot}}), "41.325"},
        {"angles of zero thickness", input(Angles, {{"3"}, {"2"}, {"0"}, {"10", Foot}}), "0.000"},
        {"angles of negative thickness", input(Angles, {{"3"}, {"2"}, {"-0.25"}, {"10", Foot}}), "-45.675"},

        // Tubes.
        {"round tube 2 x 0.25 in x 10 ft", input(RoundTube, {{"2"}, {"0.25"}, {"10", Foot}}), "46.725"},
        {"round tube in centimetres", input(RoundTube, {{"5.08", Centimetre}, {"0.635", Centimetre}, {"304.8", Centimetre}}), "46.725"},
        {"round tube wall 0.4 of the diameter", input(RoundTube, {{"1"}, {"0.4"}, {"1", Foot}}), "2.563"},
        {"square tube 2 x 0.125 in x 10 ft", input(SquareTube, {{"2"}, {"0.125"}, {"10", Foot}}), "30.532"},
        {"square tube in millimetres", input(SquareTube, {{"50.8", Millimetre}, {"3.175", Millimetre}, {"3048", Millimetre}}), "30.532"},
        {"square tube 1 x 0.2 in just fits", input(SquareTube, {{"1"}, {"0.2"}, {"1", Foot}}), "1.827"},
        {"rectangular tube 3 x 2 x 0.125 in x 10 ft", input(RectangularTube, {{"3"}, {"2"}, {"0.125"}, {"10", Foot}}), "39.039"},
        {"rectangular tube width in feet, length in inches", input(RectangularTube, {{"0.25", Foot}, {"2"}, {"0.125"}, {"120"}}), "39.039"},
        {"rectangular tube 1 x 1 x 0.1 in fits", input(RectangularTube, {{"1"}, {"1"}, {"0.1"}, {"1", Foot}}), "1.137"},

        // Weights per foot, typed or from the size tables.
        {"beam 8, 10 lb/ft, 20 ft, 2 pieces", input(Beam, {{"8"}, {"10"}, {"20", Foot}}, "2"), "400.000"},
        {"beam 6.096 m, 2 pieces", input(Beam, {{"8"}, {"10"}, {"6.096", Metre}}, "2"), "400.000"},
        {"beam weight per foot ignores its unit list", input(Beam, {{"8"}, {"10", Metre}, {"1", Foot}}), "10.000"},
        {"channel weight per foot has no unit", input(Channel, {{"8"}, {"10", Yard}, {"20", Foot}}, "2"), "400.000"},
        {"beam weighing 1234567.8912", input(Beam, {{"8"}, {"1234567.8912"}, {"1", Foot}}), "1234567.891"},
        {"channel 5.4 lb/ft, 3 yd", input(Channel, {{"4"}, {"5.4"}, {"3", Yard}}), "48.600"},
        // The typed weight per foot is steel's; the alloy factor scales it like any other shape.
        {"beam 10 lb/ft, 20 ft, 2 pieces, aluminum 6061", input(Beam, {{"8"}, {"10"}, {"20", Foot}}, "2", Aluminum6061), "138.480"},
        {"beam 10 lb/ft, 20 ft, 2 pieces, tungsten", input(Beam, {{"8"}, {"10"}, {"20", Foot}}, "2", Tungsten), "961.200"},
        {"channel 5.4 lb/ft, 3 yd, aluminum 6061", input(Channel, {{"4"}, {"5.4"}, {"3", Yard}}, "1", Aluminum6061), "16.825"},
        {"channel 5.4 lb/ft, 3 yd, tungsten", input(Channel, {{"4"}, {"5.4"}, {"3", Yard}}, "1", Tungsten), "116.786"},
        {"pipe 2 in sched 40, 21 ft", pipe(Pipe2, Schedule40, {"21", Foot}), "76.713"},
        {"pipe 24 in sched 160, 1 ft", pipe(Pipe24, Schedule160, {"1", Foot}), "542.100"},
        {"pipe 1/8 in sched 5, 1 ft", pipe(Pipe1_8, Schedule5, {"1", Foot}), "0.138"},
        {"pipe 1/8 in sched 5, 10 ft", pipe(Pipe1_8, Schedule5, {"10", Foot}), "1.383"},
        {"pipe 1 in sched 80, 3048 mm", pipe(Pipe1, Schedule80, {"3048", Millimetre}), "21.720"},
        {"pipe 36 in sched 20, 1 ft", pipe(Pipe36, Schedule20, {"1", Foot}), "189.570"},
        {"rebar 4, 20 ft", rebar(1, {"20", Foot}), "13.360"},
        {"rebar 3, 1 ft", rebar(0, {"1", Foot}), "0.376"},
        {"rebar 9, 10 ft", rebar(6, {"10", Foot}), "34.000"},
        {"rebar 18, 1 ft", rebar(10, {"1", Foot}), "13.600"},
        {"rebar 8, 1 m", rebar(5, {"1", Metre}), "8.760"},
        {"rebar 3 brass 240 in", rebar(0, {"240"}, "1", Brass), "8.016"},
        {"tees first size, 10 ft", tee(0, {"10", Foot}), "19.000"},
        {"tees first size, 10 ft, aluminum 6061", tee(0, {"10", Foot}, "1", Aluminum6061), "6.578"},
        {"tees 1 3/3 x .25, 1 ft", tee(2, {"1", Foot}), "2.160"},
        {"tees 2 x 2 x .250, 30.48 cm", tee(3, {"30.48", Centimetre}), "3.620"},

        // Zero and the user's locale.
        {"tiny weight shows 0.000", input(RoundBar, {{"0.0001"}, {"1", Foot}}), "0.000"},
        {"tiny negative weight shows 0.000, not -0.000", input(RoundBar, {{"0.0001"}, {"1", Foot}}, "-1"), "0.000"},
        {"tiny negative number of pieces", input(RoundBar, {{"1"}, {"1", Foot}}, "-0.0001"), "0.000"},
        {"negative zero pieces", input(RoundBar, {{"1"}, {"1", Foot}}, "-0"), "0.000"},
        {"de_DE: 2,5 pieces, comma in the result", input(RoundBar, {{"1"}, {"1", Foot}}, "2,5"), "6,682", {}, {}, "de_DE"},
        {"de_DE: a decimal comma and a group separator", input(RoundBar, {{"2,5"}, {"1.000"}}), "1392,135", {}, {}, "de_DE"},
        {"de_DE: rebar table text read despite the decimal comma", rebar(0, {"1", Foot}), "0,376", {}, {}, "de_DE"},
        {"de_DE: large weight without group separators", input(Beam, {{"8"}, {"1.234.567,8912"}, {"1", Foot}}), "1234567,891", {}, {}, "de_DE"},
        {"en_US: group separator in a length", input(Beam, {{"8"}, {"1"}, {"1,000", Foot}}), "1000.000", {}, {}, "en_US"},
        {"ar_EG: -1 piece, typed and shown in its digits and sign", input(RoundBar, {{"\u0661"}, {"\u0661", Foot}}, "\u061c-\u0661"),
         QString::fromUtf8("\u061c-\u0662\u066b\u0666\u0667\u0663"), {}, {}, "ar_EG"},
        {"sv_SE: -1 piece with its minus sign", input(RoundBar, {{"1"}, {"1", Foot}}, "\u22121"), QString::fromUtf8("\u22122,673"), {}, {}, "sv_SE"},
    };
}

// Calculations that end in a message, or compute nothing: the result box
// afterwards shows no weight of these inputs.
inline QList<CalcCase> refusedCases()
{
    const QString InvalidInput = QStringLiteral("Invalid Input");
    const QString IllegalInput = QStringLiteral("Illegal Input");
    const QString pieces = QStringLiteral("You entered an illegal value for the number of pieces");
    const QString illegal = QStringLiteral("You entered an illegal value for the ");
    const QString roundWall = QStringLiteral("The Tube Wall Cannot exceed the Outer Diameter");
    const QString squareWall = QStringLiteral("The Thickness is too large in proportion to the Width");
    const QString rectWall = QStringLiteral("The Thickness is too large in proportion to the Width and/or Height");
    const QString angleThickness = QStringLiteral("The Thickness is too large in proportion to the Legs");
    const QString notMade = QStringLiteral("This pipe size is not made in the selected schedule");
    const QString tooLarge = QStringLiteral("The result is too large to calculate");
    const CalcInput roundBar = input(RoundBar, {{"1"}, {"1", Foot}});
    return {
        // The number of pieces is checked first, and its message leaves the result exactly as it was.
        {"pieces empty", shownBefore(input(RoundBar, {{"1"}, {"1", Foot}}, ""), "12.5"), "12.5", pieces, InvalidInput},
        {"pieces blank", shownBefore(input(RoundBar, {{"1"}, {"1", Foot}}, "   "), "12.5"), "12.5", pieces, InvalidInput},
        {"pieces letters", shownBefore(input(RoundBar, {{"1"}, {"1", Foot}}, "two"), "12.5"), "12.5", pieces, InvalidInput},
        {"pieces and fields illegal: pieces only", shownBefore(input(RoundBar, {{"x"}, {""}}, "x"), "12.5"), "12.5", pieces, InvalidInput},
        {"pieces illegal on an unknown shape", shownBefore(input(Shape(17), {}, "x"), "12.5"), "12.5", pieces, InvalidInput},

        // Every illegal field is named, in field order; the previous result is re-formatted.
        {"round bar diameter and length", shownBefore(input(RoundBar, {{"abc"}, {""}}), "12.5"), "12.500",
         illegal + "Diameter and the Length", IllegalInput},
        {"angles leg 1, thickness and length", input(Angles, {{"a"}, {"2"}, {"b"}, {" "}}), "", illegal + "Leg 1 and the Thickness and the Length", IllegalInput},
        {"beam size letters, though unused", shownBefore(input(Beam, {{"W8x10"}, {"10"}, {"20", Foot}}), "1"), "1.000", illegal + "Size", IllegalInput},
        {"beam weight per foot", input(Beam, {{"8"}, {"ten"}, {"20"}}), "", illegal + "Weight/ft.", IllegalInput},
        {"channel weight per foot", input(Channel, {{"4"}, {"5,4"}, {"1", Foot}}), "", illegal + "Weight/ft.", IllegalInput},
        {"rectangular tube length only", input(RectangularTube, {{"3"}, {"2"}, {"0.125"}, {"ten"}}), "", illegal + "Length", IllegalInput},
        {"rectangular tube length a dash", input(RectangularTube, {{"3"}, {"2"}, {"0.125"}, {"-"}}), "", illegal + "Length", IllegalInput},
        {"plate width", input(Plate, {{"1"}, {"1 2"}, {"1", Foot}}), "", illegal + "Width", IllegalInput},
        {"coil width", input(Coil, {{"1"}, {"1,,2"}, {"1"}}), "", illegal + "Width", IllegalInput},
        {"square tube all three", input(SquareTube, {{""}, {""}, {""}}), "", illegal + "Size and the Thickness and the Length", IllegalInput},
        {"inf is no length", input(RoundBar, {{"1"}, {"inf", Foot}}), "", illegal + "Length", IllegalInput},
        {"previous text that is no number is kept", shownBefore(input(RoundBar, {{"x"}, {"1"}}), "n/a"), "n/a", illegal + "Diameter", IllegalInput},
        {"de_DE: two decimal separators", shownBefore(input(RoundBar, {{"2.5.0"}, {"1.000"}}), "1392,135"), "1392,135",
         illegal + "Diameter", IllegalInput, "de_DE"},
        // All fields are tested before any is converted: the overflowing diameter is never reached.
        {"fields tested before conversion", input(RoundBar, {{"1e306", Metre}, {"x"}}), "", illegal + "Length", IllegalInput},
        {"fields tested before the wall", input(RoundTube, {{"1"}, {"5"}, {"x"}}), "", illegal + "Length", IllegalInput},

        // Hidden fields behind a size list never appear in the message.
        {"pipe length empty", shownBefore(withHidden(pipe(Pipe2, Schedule40, {""}), "junk"), "76.713"), "76.713", illegal + "Length", IllegalInput},
        {"rebar length letters", withHidden(rebar(0, {"abc"}), "junk"), "", illegal + "Length", IllegalInput},
        {"tees length letters", withHidden(tee(0, {"abc"}), "junk"), "", illegal + "Length", IllegalInput},

        // Tube walls.
        {"round tube wall equal to the diameter", shownBefore(input(RoundTube, {{"1"}, {"1"}, {"1", Foot}}), "2"), "2.000", roundWall, InvalidInput},
        {"round tube wall 0.6 of the diameter", input(RoundTube, {{"1"}, {"0.6"}, {"1", Foot}}), "", roundWall, InvalidInput},
        {"round tube wall exactly half", input(RoundTube, {{"1"}, {"0.5"}, {"1", Foot}}), "", roundWall, InvalidInput},
        {"round tube wall compared in inches", input(RoundTube, {{"1"}, {"12.7", Millimetre}, {"1", Foot}}), "", roundWall, InvalidInput},
        {"square tube 1 x 0.25 in", input(SquareTube, {{"1"}, {"0.25"}, {"1", Foot}}), "", squareWall, InvalidInput},
        {"rectangular tube 2 x 2 x 1 in", input(RectangularTube, {{"2"}, {"2"}, {"1"}, {"1", Foot}}), "", rectWall, InvalidInput},
        {"rectangular tube 1 x 1 x 1.5 in", input(RectangularTube, {{"1"}, {"1"}, {"1.5"}, {"1", Foot}}), "", rectWall, InvalidInput},
        {"rectangular tube 1 x 1 x 2 in", input(RectangularTube, {{"1"}, {"1"}, {"2"}, {"1", Foot}}), "", rectWall, InvalidInput},
        {"rectangular tube 1 x 1 x 0.25 in", input(RectangularTube, {{"1"}, {"1"}, {"0.25"}, {"1", Foot}}), "", rectWall, InvalidInput},

        // Angles: the thickness may not exceed either leg, compared in inches.
        {"angles 1 x 1 in, thickness 3 in", shownBefore(input(Angles, {{"1"}, {"1"}, {"3"}, {"12"}}), "12.5"), "12.500", angleThickness, InvalidInput},
        {"angles thickness over leg 1 only", input(Angles, {{"1"}, {"3"}, {"1.5"}, {"12"}}), "", angleThickness, InvalidInput},
        {"angles thickness over leg 2 only", input(Angles, {{"3"}, {"1"}, {"1.5"}, {"12"}}), "", angleThickness, InvalidInput},
        {"angles thickness over leg 2 in mm", input(Angles, {{"3"}, {"25.4", Millimetre}, {"1.5"}, {"12"}}), "", angleThickness, InvalidInput},
        {"angles thickness 26 mm on 1 in legs", input(Angles, {{"1"}, {"1"}, {"26", Millimetre}, {"12"}}), "", angleThickness, InvalidInput},
        {"angles 1 ft legs, thickness 13 in", input(Angles, {{"1", Foot}, {"1", Foot}, {"13"}, {"12"}}), "", angleThickness, InvalidInput},
        {"angles with a negative leg", input(Angles, {{"-1"}, {"2"}, {"0.25"}, {"12"}}), "", angleThickness, InvalidInput},
        {"angles fields tested before the proportion", input(Angles, {{"1"}, {"1"}, {"3"}, {"x"}}), "", illegal + "Length", IllegalInput},

        // Pipe sizes not made in a schedule.
        {"pipe 4-1/2 in has no schedule", shownBefore(pipe(Pipe4_1_2, Schedule40, {"10", Foot}), "12.5"), "12.500", notMade, InvalidInput},
        {"pipe 1/8 in not in sched 20", pipe(Pipe1_8, Schedule20, {"10", Foot}), "", notMade, InvalidInput},

        // Overflow keeps the previous result exactly.
        {"overflow converting metres", shownBefore(input(RoundBar, {{"1e307", Metre}, {"1", Foot}}), "12.5"), "12.5", tooLarge, InvalidInput},
        {"overflow in the formula", shownBefore(input(RoundBar, {{"1e200"}, {"1", Foot}}), "12.5"), "12.5", tooLarge, InvalidInput},
        {"overflow by the number of pieces", shownBefore(input(Beam, {{"8"}, {"1e300"}, {"1", Foot}}, "1e10"), "12.5"), "12.5", tooLarge, InvalidInput},
        {"overflow in a wall test", shownBefore(input(RectangularTube, {{"1e308"}, {"1e308"}, {"1"}, {"1", Foot}}), "12.5"), "12.5", tooLarge, InvalidInput},
        {"length overflows in yards", shownBefore(input(RoundBar, {{"1"}, {"1e308", Yard}}), "12.5"), "12.5", tooLarge, InvalidInput},
        {"weight overflows", input(Plate, {{"1e200"}, {"1e200"}, {"1"}}), "", tooLarge, InvalidInput},

        // No message: nothing to compute, the previous result re-formatted.
        {"shape index 17", shownBefore(input(Shape(17), {{"1"}, {"1"}}), "12.5"), "12.500"},
        {"shape index -1", shownBefore(input(Shape(-1), {{"1"}, {"1"}}), "-0.0001"), "0.000"},
        {"no alloy selected", shownBefore(withAlloy(roundBar, -1), "12.5"), "12.500"},
        {"alloy past the list", shownBefore(withAlloy(roundBar, 26), "12.5"), "12.500"},
        {"pipe size past the list", shownBefore(pipe(33, Schedule40, {"1", Foot}), "12.5"), "12.500"},
        {"no pipe schedule selected", shownBefore(pipe(Pipe2, -1, {"1", Foot}), "12.5"), "12.500"},
        {"rebar size past the list", shownBefore(rebar(11, {"1", Foot}), "12.5"), "12.500"},
        {"no tee size selected", shownBefore(tee(-1, {"1", Foot}), "12.5"), "12.500"},
    };
}

// A window state and the line Store Result makes of it: the weight in the
// result box as typed, the texts and picked sizes as the line writes them.
struct LineCase {
    const char *name;
    CalcInput in;
    QString line;
};

inline QList<LineCase> lineCases()
{
    const int aluminum = alloy("Aluminum 6061");
    const auto roundBar = [aluminum](const char *diameter, const char *length, const char *pieces = "4",
                                     const char *result = "12.345") {
        return shownBefore(input(RoundBar, {{diameter}, {length, Foot}}, pieces, aluminum), result);
    };
    const auto beam = [](const char *weightPerFoot) {
        return shownBefore(input(Beam, {{"8"}, {weightPerFoot}, {"20", Foot}}), "200.000");
    };
    const auto pipeOf = [](const char *length, int schedule, int size) {
        return shownBefore(withHidden(pipe(size, schedule, {length, Foot}), "99"), "73.000");
    };
    const QString aluminumRoundBar = QStringLiteral("Aluminum 6061  Round Bar   ");
    return {
        {"round bar, both fields numeric", roundBar("2", "10"),
         aluminumRoundBar + "Diameter: 2 in Length: 10 ft  Pieces: 4  Total Weight: 12.345 lbs."},
        {"round bar, empty length written as 0.0", roundBar("2", ""),
         aluminumRoundBar + "Diameter: 2 in  Length: 0.0 ft  Pieces: 4  Total Weight: 12.345 lbs."},
        {"round bar, letters written as 0.0, not as typed", roundBar("two", "10"),
         aluminumRoundBar + " Diameter: 0.0 in Length: 10 ft  Pieces: 4  Total Weight: 12.345 lbs."},
        {"weight with a space each side copied with its spaces", roundBar("2", "10", "4", " 12.345 "),
         aluminumRoundBar + "Diameter: 2 in Length: 10 ft  Pieces: 4  Total Weight:  12.345  lbs."},
        {"parameter with a leading space written with it", roundBar(" 2", "10 "),
         aluminumRoundBar + "Diameter:  2 in Length: 10  ft  Pieces: 4  Total Weight: 12.345 lbs."},
        {"pieces not a number stored as typed", roundBar("2", "10", "four"),
         aluminumRoundBar + "Diameter: 2 in Length: 10 ft  Pieces: four  Total Weight: 12.345 lbs."},
        {"pieces empty stored as empty", roundBar("2", "10", ""),
         aluminumRoundBar + "Diameter: 2 in Length: 10 ft  Pieces:   Total Weight: 12.345 lbs."},
        {"unit names read at the unit index itself", shownBefore(input(RoundBar, {{"50", Millimetre}, {"3", Metre}}), "1.000"),
         "Steel (Default)  Round Bar   Diameter: 50 mm Length: 3 m  Pieces: 1  Total Weight: 1.000 lbs."},
        {"hidden fields keep their text out of the line",
         shownBefore(input(RoundBar, {{"2"}, {"10", Foot}, {"0.25"}, {"7", Foot}}), "1.000"),
         "Steel (Default)  Round Bar   Diameter: 2 in Length: 10 ft  Pieces: 1  Total Weight: 1.000 lbs."},
        {"four fields of rectangular tube in order",
         shownBefore(input(RectangularTube, {{"2"}, {"3"}, {".25"}, {"10", Foot}}), "9.000"),
         "Steel (Default)  Rectangular Tube   Width: 2 in Height: 3 in Wall Thickness: .25 in Length: 10 ft  Pieces: 1  "
         "Total Weight: 9.000 lbs."},
        {"beam, weight per foot has no unit", beam("10"),
         "Steel (Default)  Beam   Size: 8 in Weight/ft.: 10  Length: 20 ft  Pieces: 1  Total Weight: 200.000 lbs."},
        {"beam, weight per foot not numeric and no unit", beam("x"),
         "Steel (Default)  Beam   Size: 8 in  Weight/ft.: 0.0  Length: 20 ft  Pieces: 1  Total Weight: 200.000 lbs."},
        {"pipe, schedule before size", pipeOf("20", Schedule40, Pipe2),
         "Steel (Default)  Pipe    Schedule: 40 Size: 2 - 2.375 in Length: 20 ft  Pieces: 1  Total Weight: 73.000 lbs."},
        {"pipe, last schedule and size, length not numeric", pipeOf("?", Schedule160, Pipe36),
         "Steel (Default)  Pipe    Schedule: 160 Size: 36 - 36.00 in  Length: 0.0 ft  Pieces: 1  Total Weight: 73.000 lbs."},
        {"pipe without selected schedule and size", pipeOf("20", -1, -1),
         "Steel (Default)  Pipe    Schedule:  Size:  Length: 20 ft  Pieces: 1  Total Weight: 73.000 lbs."},
        {"rebar, size number then length", shownBefore(withHidden(rebar(1, {"20", Foot}, "10", alloy("Brass")), "97"), "133.600"),
         "Brass  Rebar   Size: 4 Length: 20 ft  Pieces: 10  Total Weight: 133.600 lbs."},
        {"rebar list without selection", shownBefore(rebar(-1, {"1", Foot}), "1.000"),
         "Steel (Default)  Rebar   Size:  Length: 1 ft  Pieces: 1  Total Weight: 1.000 lbs."},
        {"tees, length not a number", shownBefore(tee(3, {"abc", Foot}, "2"), "5.000"),
         "Steel (Default)  Tees   Size: 2 x 2 x .250  Length: 0.0 ft  Pieces: 2  Total Weight: 5.000 lbs."},
        {"tees, size caption kept as listed", shownBefore(tee(2, {"3", Foot}), "6.480"),
         "Steel (Default)  Tees   Size: 1 3/3 x 1 3/3 x .25 Length: 3 ft  Pieces: 1  Total Weight: 6.480 lbs."},
    };
}

// Two calculations whose weights stand in a known proportion: the first
// weighs `ratio` times the second (1: the very same text).
struct RatioCase {
    const char *name;
    CalcInput first;
    CalcInput second;
    double ratio = 1;
};

inline QList<RatioCase> ratioCases()
{
    const CalcInput plate = input(Plate, {{"0.5"}, {"12"}, {"10", Foot}});
    const CalcInput angle = input(Angles, {{"3"}, {"2"}, {"0.25"}, {"10", Foot}});
    const CalcInput squareTube = input(SquareTube, {{"2"}, {"0.125"}, {"10", Foot}});
    const CalcInput rectangularTube = input(RectangularTube, {{"3"}, {"2"}, {"0.125"}, {"10", Foot}});
    const CalcInput flatBar = input(FlatBar, {{"1"}, {"2"}, {"3", Foot}});
    return {
        {"25.4 mm is 1 in", input(RoundBar, {{"25.4", Millimetre}, {"1", Foot}}), input(RoundBar, {{"1"}, {"1", Foot}})},
        {"50.8 mm is 2 in", input(SquareTube, {{"50.8", Millimetre}, {"3.175", Millimetre}, {"10", Foot}}), squareTube},
        {"304.8 mm is 1 ft", input(RoundBar, {{"1"}, {"304.8", Millimetre}}), input(RoundBar, {{"1"}, {"1", Foot}})},
        {"6.096 m is 20 ft", input(Beam, {{"8"}, {"10"}, {"6.096", Metre}}), input(Beam, {{"8"}, {"10"}, {"20", Foot}})},
        {"6.096 m of tee is 20 ft", tee(3, {"6.096", Metre}), tee(3, {"20", Foot})},
        {"1 yd is 3 ft", input(RoundTube, {{"2"}, {"0.25"}, {"1", Yard}}), input(RoundTube, {{"2"}, {"0.25"}, {"3", Foot}})},
        {"angle length 120 in is 10 ft", input(Angles, {{"3"}, {"2"}, {"0.25"}, {"120"}}), angle},
        {"inconel 718 weighs as steel", withAlloy(plate, alloy("Inconel 718")), plate},
        {"the hidden pipe fields are not read", withHidden(pipe(Pipe2, Schedule40, {"21", Foot}), "junk"), pipe(Pipe2, Schedule40, {"21", Foot})},
        {"two pieces of plate", input(Plate, {{"0.5"}, {"12"}, {"10", Foot}}, "2"), plate, 2},
        {"two pieces of square tube", input(SquareTube, {{"2"}, {"0.125"}, {"10", Foot}}, "2"), squareTube, 2},
        {"two pieces of rectangular tube", input(RectangularTube, {{"3"}, {"2"}, {"0.125"}, {"10", Foot}}, "2"), rectangularTube, 2},
        {"aluminum 6061 plate", withAlloy(plate, alloy("Aluminum 6061")), plate, 0.3462},
        {"copper flat bar", withAlloy(flatBar, alloy("Copper")), flatBar, 1.114},
        {"tungsten pipe", pipe(Pipe24, Schedule160, {"100", Foot}, "1", alloy("Tungsten")), pipe(Pipe24, Schedule160, {"100", Foot}), 2.403},
        {"tungsten angle", withAlloy(angle, alloy("Tungsten")), angle, 2.403},
    };
}

// Empty when the first weight is `ratio` times the second, else why not.
// Both are rounded to thousandths, so a proportion holds to their rounding.
inline QString ratioProblem(const QString &first, const QString &second, double ratio)
{
    const double a = first.toDouble();
    const double b = second.toDouble();
    if (ratio == 1 ? first == second : b > 1 && std::abs(a - b * ratio) <= 0.0005 * (1 + ratio))
        return {};
    return QStringLiteral("%1 is not %2 x %3").arg(first, second).arg(ratio);
}

} // namespace calccases

Q_DECLARE_METATYPE(keldary::CalcInput)
Q_DECLARE_METATYPE(calccases::CalcCase)
Q_DECLARE_METATYPE(calccases::RatioCase)
Q_DECLARE_METATYPE(calccases::LineCase)
