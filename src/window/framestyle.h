// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace keldary {

// Draws a frame's caption on its top border, inside the frame's own rectangle,
// the way the window's layout places its controls: a row 8 px below the frame's
// top lies inside the border, not on it. Frames (the captioned ones and the
// results list's) are drawn in whole screen pixels at fractional scales.
// Everything else is the application's style, whichever the user picked.
class FrameStyle : public QProxyStyle
{
public:
    FrameStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                         const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override;
};

// The one frame style of every window. The application owns it, so it outlives
// every widget drawn with it, whatever order the widgets go in.
QStyle *frameStyle();

} // namespace keldary
