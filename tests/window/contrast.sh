# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the theme checks on Linux (tst_themes.sh) and under Wine
# (tests/windows/wine-check.sh): how readable the window's web address is in
# a picture of the window.

# The strongest contrast between the window's background (a pixel left of the
# address) and any pixel of the address's text, by the guidelines' formula.
contrast() { # picture scale
    local s=$2
    convert "$1" -crop "$((144 * s))x$((13 * s))+$((272 * s))+$((376 * s))" +repage txt:- \
        | awk -v bg="$(convert "$1" -format '%[pixel:p{'$((268 * s))','$((382 * s))'}]' info:)" '
        function lin(c) { c /= 255; return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
        function lum(r, g, b) { return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b) }
        BEGIN { gsub(/[^0-9,]/, "", bg); split(bg, c, ","); lb = lum(c[1], c[2], c[3]); best = 1 }
        /^[0-9]/ { s = $0; sub(/^[^(]*\(/, "", s); split(s, p, /[,)]/)
                   l = lum(p[1], p[2], p[3]); r = (l > lb ? (l + .05) / (lb + .05) : (lb + .05) / (l + .05))
                   if (r > best) best = r }
        END { printf "%.2f\n", best }'
}
