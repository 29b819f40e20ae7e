// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace keldary {

// A typed dimension: its value as typed and the unit index picked beside it.
// Every formula converts its own dimensions, in the order it uses them.
struct Length {
    double value = 0;
    int unit = 0;
};

// Each weight below is in pounds: F is the alloy's weight factor, P the number
// of pieces. The products are evaluated exactly in the order written in the
// definitions; regrouping them changes the last digits of the results.
// All throw OverflowError when a conversion or the result is not finite.

// Round, square and hexagon bar; K is the weight per foot of a 1 inch steel bar.
double solidBarWeight(double K, Length diameter, Length length, double F, double P);

// Flat bar, plate, sheet, coil and strip; K = 3.4032, the weight per foot of a
// 1 inch square steel bar.
double flatStockWeight(double K, Length thickness, Length width, Length length, double F, double P);

// An L-section; its length is taken in inches.
double angleWeight(Length leg1, Length leg2, Length thickness, Length length, double F, double P);

// Proportion test of the angle: false when the thickness exceeds a leg. A
// thickness equal to a leg is a solid section and fits.
bool angleThicknessFits(Length leg1, Length leg2, Length thickness);

// Wall tests of the tubes: false when the wall does not fit the section.
bool roundTubeWallFits(Length outerDiameter, Length wall);
bool squareTubeWallFits(Length size, Length thickness);
bool rectangularTubeWallFits(Length width, Length height, Length wall);

double roundTubeWeight(Length outerDiameter, Length wall, Length length, double F, double P);
double squareTubeWeight(Length size, Length thickness, Length length, double F, double P);
double rectangularTubeWeight(Length width, Length height, Length wall, Length length, double F, double P);

// Beam and channel: the weight per foot is typed, in pounds per foot.
double typedPerFootWeight(double weightPerFoot, Length length, double F, double P);

// Pipe: the weight per foot of the size and schedule from the pipe table.
double pipeWeight(double weightPerFoot, Length length, double F, double P);

// Rebar and tees: the weight per foot of the size from its table.
double sizeTableWeight(double weightPerFoot, Length length, double F, double P);

} // namespace keldary
