// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formulas.h"

#include "calcerror.h"
#include "unitconversion.h"

namespace keldary {

// Every formula below converts each dimension where it uses it (a dimension
// used twice is converted twice) and keeps its products in the bracket order
// given. Regrouping them, or folding constants into one another, changes the
// last digits of results that people compare with their own tables.

namespace {

double in(Length length)
{
    return UnitConvertInches(length.value, length.unit);
}

double ft(Length length)
{
    return UnitConvertFeet(length.value, length.unit);
}

// A wall test that overflows has no answer; it is reported like any other overflow.
bool positive(double difference)
{
    return finiteOrThrow(difference) > 0;
}

// Steel: 490 pounds per cubic foot over 144 square inches per square foot
// gives the weight of one foot per square inch of section.
constexpr double SteelPoundsPerCubicFoot = 490;
constexpr double SquareInchesPerSquareFoot = 144;
// Steel in pounds per cubic inch, for the angle.
constexpr double SteelPoundsPerCubicInch = 0.29;
// Pounds per foot of steel round tube per square inch of (D - t) × t.
constexpr double RoundTubeFactor = 10.68;
// π as the tube corners have always used it.
constexpr double TubePi = 3.14159;

// Section of a square or rectangular tube with rounded corners (outer radius
// 2t, inner radius t): four flat walls plus four quarter rings of 3πt².
double hollowSection(double sides, double t)
{
    return ((sides - (t * 8)) * (t + t)) + (((t * 4) - t) * (t * TubePi));
}

} // namespace

double solidBarWeight(double K, Length diameter, Length length, double F, double P)
{
    const double d1 = in(diameter);
    const double d2 = in(diameter);
    const double L = ft(length);
    const double w = (F * ((d1 * K) * d2)) * L;
    return finiteOrThrow(P * w);
}

double flatStockWeight(double K, Length thickness, Length width, Length length, double F, double P)
{
    const double t = in(thickness);
    const double b = in(width);
    const double L = ft(length);
    const double w = (F * ((t * K) * b)) * L;
    return finiteOrThrow(P * w);
}

double angleWeight(Length leg1, Length leg2, Length thickness, Length length, double F, double P)
{
    const double A = in(leg1);
    const double B = in(leg2);
    const double t1 = in(thickness);
    const double t2 = in(thickness);
    const double t3 = in(thickness);
    const double L1 = in(length);
    const double L2 = in(length);
    // The second leg without the corner, then the first leg with it.
    const double X1 = (((B - t2) * t3) * SteelPoundsPerCubicInch) * L2;
    const double X2 = ((t1 * A) * L1) * SteelPoundsPerCubicInch;
    return finiteOrThrow((P * (X1 + X2)) * F);
}

bool angleThicknessFits(Length leg1, Length leg2, Length thickness)
{
    const double t = in(thickness);
    return t <= in(leg1) && t <= in(leg2);
}

// The wall stands on both sides of the bore: a wall of half the outer diameter
// or more leaves no tube.
bool roundTubeWallFits(Length outerDiameter, Length wall)
{
    const double t = in(wall);
    const double D = in(outerDiameter);
    return positive(D - (t * 2));
}

bool squareTubeWallFits(Length size, Length thickness)
{
    const double a = in(size);
    const double t = in(thickness);
    return positive((a + a) - (t * 8));
}

// The same rule as the square tube's, with height and width for the two sides.
bool rectangularTubeWallFits(Length width, Length height, Length wall)
{
    const double H = in(height);
    const double t = in(wall);
    const double W = in(width);
    return positive((H + W) - (t * 8));
}

double roundTubeWeight(Length outerDiameter, Length wall, Length length, double F, double P)
{
    const double D = in(outerDiameter);
    const double t1 = in(wall);
    const double t2 = in(wall);
    const double L = ft(length);
    const double w = (F * (((D - t1) * RoundTubeFactor) * t2)) * L;
    return finiteOrThrow(P * w);
}

double squareTubeWeight(Length size, Length thickness, Length length, double F, double P)
{
    const double t = in(thickness);
    const double a1 = in(size);
    const double a2 = in(size);
    const double L = ft(length);
    const double S = hollowSection(a2 + a1, t);
    const double w = (F * (S * (SteelPoundsPerCubicFoot / SquareInchesPerSquareFoot))) * L;
    return finiteOrThrow(P * w);
}

double rectangularTubeWeight(Length width, Length height, Length wall, Length length, double F, double P)
{
    const double t = in(wall);
    const double W = in(width);
    const double H = in(height);
    const double L = ft(length);
    const double S = hollowSection(H + W, t);
    const double w = (F * (S * (SteelPoundsPerCubicFoot / SquareInchesPerSquareFoot))) * L;
    return finiteOrThrow(P * w);
}

double typedPerFootWeight(double weightPerFoot, Length length, double F, double P)
{
    const double L = ft(length);
    return finiteOrThrow((P * (weightPerFoot * L)) * F);
}

double pipeWeight(double weightPerFoot, Length length, double F, double P)
{
    const double L = ft(length);
    return finiteOrThrow((P * (L * weightPerFoot)) * F);
}

double sizeTableWeight(double weightPerFoot, Length length, double F, double P)
{
    const double L = ft(length);
    return finiteOrThrow(P * ((weightPerFoot * F) * L));
}

} // namespace keldary
