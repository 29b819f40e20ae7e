// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readablecolor.h"

#include <cmath>

namespace keldary {

namespace {

constexpr double Readable = 4.5;

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableColor(const QColor &wanted, const QColor &background, const QColor &link)
{
    if (contrastRatio(wanted, background) >= Readable)
        return wanted;
    if (link.isValid() && contrastRatio(link, background) >= Readable)
        return link;
    // Towards white or black, whichever stands out more, by the smallest share
    // that is readable; the search ends on a readable colour.
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    const QColor end = contrastRatio(white, background) >= contrastRatio(black, background) ? white : black;
    double low = 0;
    double high = 1;
    for (int step = 0; step < 16; ++step) {
        const double middle = (low + high) / 2;
        if (contrastRatio(mixed(wanted.toRgb(), end, middle), background) >= Readable)
            high = middle;
        else
            low = middle;
    }
    return mixed(wanted.toRgb(), end, high);
}

} // namespace keldary
