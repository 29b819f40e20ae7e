// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "unitconversion.h"

#include "calcerror.h"

namespace keldary {

// Metric lengths go through centimetres and then through inches by 2.54, one
// operation at a time. Folding the steps into 25.4 or 30.48 changes the last
// bit of some results (25.4 mm must come out as exactly 1 inch), so the
// operations stay separate and in this order.
double UnitConvertInches(double value, int ParamNumber)
{
    switch (ParamNumber) {
    case 0: return value;
    case 1: return finiteOrThrow(value * 12);
    case 2: return finiteOrThrow(value * 36);
    case 3: return finiteOrThrow((value / 10) / 2.54);
    case 4: return finiteOrThrow(value / 2.54);
    case 5: return finiteOrThrow((value * 100) / 2.54);
    default: return value;
    }
}

// The feet of a metric length are its inches divided by 12, never a direct factor.
double UnitConvertFeet(double value, int ParamNumber)
{
    switch (ParamNumber) {
    case 0: return finiteOrThrow(value / 12);
    case 1: return value;
    case 2: return finiteOrThrow(value * 3);
    case 3: return finiteOrThrow(((value / 10) / 2.54) / 12);
    case 4: return finiteOrThrow((value / 2.54) / 12);
    case 5: return finiteOrThrow(((value * 100) / 2.54) / 12);
    default: return value;
    }
}

} // namespace keldary
