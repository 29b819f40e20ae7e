// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/weightcalculation.h"

#include <QStringList>

#include <array>

// What the window shows, written out once for every test as the user reads it,
// independently of the program's own tables: the entries of its lists, and
// for each stock form its parameter rows as "caption|LTU" (label, text box and
// unit list shown) and the size lists it shows in place of text boxes.
namespace forms {

inline const QStringList StockForms{"Angles", "Beam", "Channel", "Coil", "Flat Bar", "Hexagon Bar", "Pipe",
                                    "Plate", "Rebar", "Rectangular Tube", "Round Bar", "Round Tube", "Sheet",
                                    "Square Bar", "Square Tube", "Strip", "Tees"};
inline const QStringList Alloys{"Steel (Default)", "Aluminum 1100", "Aluminum 2024", "Aluminum 5052",
                                "Aluminum 6061", "Aluminum 7075", "Beryllium", "Brass", "Copper",
                                "Hastelloy Series", "Incoloy 800", "Inconel 600", "Inconel 625", "Inconel 718",
                                "Invar", "Kovar", "Magnesium", "Molybdenum", "Monel 400", "Nickel 200",
                                "Stainless 300 Series", "Stainless 400 Series", "Tantalum", "Titanium",
                                "Tungsten", "Zirconium"};
inline const QStringList Units{"in", "ft", "yd", "mm", "cm", "m"};
inline const QStringList Schedules{"5", "10", "20", "30", "40", "60", "80", "100", "120", "140", "160"};
inline const QStringList RebarSizes{"3", "4", "5", "6", "7", "8", "9", "10", "11", "14", "18"};
inline const QStringList TeeSizes{"1 1/2 x 1 1/2 x .188", "1 1/2 x 1 1/2 x .250", "1 3/3 x 1 3/3 x .25",
                                  "2 x 2 x .250", "2 1/2 x 2 1/2 x .25"};

struct Layout {
    QStringList fields;
    QStringList sizeLists;
};

inline Layout layoutOf(int shape)
{
    const QStringList flat{"Thickness:|LTU", "Width:|LTU", "Length:|LTU"};
    const QStringList bar{"Diameter:|LTU", "Length:|LTU"};
    const QStringList perFoot{"Size:|LTU", "Weight/ft.:|LT", "Length:|LTU"};
    switch (shape) {
    case 0: return {{"Leg 1:|LTU", "Leg 2:|LTU", "Thickness:|LTU", "Length:|LTU"}, {}};
    case 1: case 2: return {perFoot, {}};
    case 3: case 4: case 7: case 12: case 15: return {flat, {}};
    case 5: case 10: case 13: return {bar, {}};
    case 6: return {{"Size - Outer Diameter:|L", "Schedule:|L", "Length:|LTU"}, {"cmbSize", "cmbSchedule"}};
    case 8: return {{"Size:|L", "Length:|LTU"}, {"cmbRebarSizes"}};
    case 9: return {{"Width:|LTU", "Height:|LTU", "Wall Thickness:|LTU", "Length:|LTU"}, {}};
    case 11: return {{"Outer Diameter:|LTU", "Wall:|LTU", "Length:|LTU"}, {}};
    case 14: return {{"Size:|LTU", "Thickness:|LTU", "Length:|LTU"}, {}};
    case 16: return {{"Size:|L", "Length:|LTU"}, {"cmbTeeSizes"}};
    }
    return {};
}

// The captions of a stock form's rows, as the window hands them to the calculation.
inline std::array<QString, keldary::ParamCount> captionsOf(int shape)
{
    std::array<QString, keldary::ParamCount> captions;
    const QStringList fields = layoutOf(shape).fields;
    for (qsizetype i = 0; i < fields.size(); ++i)
        captions[std::size_t(i)] = fields[i].section(u'|', 0, 0);
    return captions;
}

} // namespace forms
