// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

namespace keldary {

// The contrast of two colours as the Web Content Accessibility Guidelines
// measure it, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

// The colour to draw text meant to be `wanted` on `background`: `wanted` where
// it stands out (a contrast of at least 4.5 : 1, the guidelines' level for
// normal text), else the palette's `link` colour where that does, else the
// colour nearest `wanted` that does: lighter on a dark background, darker on
// a light one.
QColor readableColor(const QColor &wanted, const QColor &background, const QColor &link);

} // namespace keldary
