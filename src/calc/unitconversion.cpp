// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "unitconversion.h"

#include "calcerror.h"

#include "data/unitnames.h"

namespace keldary {

// Metric lengths go through centimetres and then through inches by 2.54, one
// operation at a time. Folding the steps into 25.4 or 30.48 changes the last
// bit of some results (25.4 mm must come out as exactly 1 inch), so the
// operations stay separate and in this order.
double UnitConvertInches(double value, int ParamNumber)
{
    switch (static_cast<Unit>(ParamNumber)) {
    case Unit::Inch: return value;
    case Unit::Foot: return finiteOrThrow(value * 12);
    case Unit::Yard: return finiteOrThrow(value * 36);
    case Unit::Millimetre: return finiteOrThrow((value / 10) / 2.54);
    case Unit::Centimetre: return finiteOrThrow(value / 2.54);
    case Unit::Metre: return finiteOrThrow((value * 100) / 2.54);
    }
    return value;
}

// The feet of a metric length are its inches divided by 12, never a direct factor.
double UnitConvertFeet(double value, int ParamNumber)
{
    switch (static_cast<Unit>(ParamNumber)) {
    case Unit::Inch: return finiteOrThrow(value / 12);
    case Unit::Foot: return value;
    case Unit::Yard: return finiteOrThrow(value * 3);
    case Unit::Millimetre: return finiteOrThrow(((value / 10) / 2.54) / 12);
    case Unit::Centimetre: return finiteOrThrow((value / 2.54) / 12);
    case Unit::Metre: return finiteOrThrow(((value * 100) / 2.54) / 12);
    }
    return value;
}

} // namespace keldary
