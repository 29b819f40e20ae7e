#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed corpus of fuzz_calculator: the rows of the calculation
tests (tests/calc/tst_weightcalculation.cpp, tests/window/tst_calculate.cpp)
in the fuzzer's input layout, plus a few texts no row types.

Usage: make_corpus.py [output directory]   (default: fuzz/corpus beside this script)

The layout is described at the top of fuzz_calculator.cpp; keep both in step.
"""

import pathlib
import re
import struct
import sys

C, EN_US, DE_DE = 0, 1, 2
IN, FT, YD, MM, CM, M = range(6)
NO_UNIT = -1

ANGLES, BEAM, CHANNEL, COIL, FLAT_BAR, HEXAGON_BAR, PIPE, PLATE, REBAR, \
    RECT_TUBE, ROUND_BAR, ROUND_TUBE, SHEET, SQUARE_BAR, SQUARE_TUBE, STRIP, TEES = range(17)

STEEL, ALUMINUM_6061, BRASS, COPPER, INCONEL_718, TUNGSTEN = 0, 4, 7, 8, 13, 24

# Which text boxes and unit lists the window shows for each stock form, and how
# many fields the calculation tests (the count it hands to GenerateError).
LAYOUTS = {
    ANGLES: ((0, 1, 2, 3), (0, 1, 2, 3), 4),
    BEAM: ((0, 1, 2), (0, 2), 3),
    CHANNEL: ((0, 1, 2), (0, 2), 3),
    COIL: ((0, 1, 2), (0, 1, 2), 3),
    FLAT_BAR: ((0, 1, 2), (0, 1, 2), 3),
    HEXAGON_BAR: ((0, 1), (0, 1), 2),
    PIPE: ((2,), (2,), 3),
    PLATE: ((0, 1, 2), (0, 1, 2), 3),
    REBAR: ((1,), (1,), 2),
    RECT_TUBE: ((0, 1, 2, 3), (0, 1, 2, 3), 4),
    ROUND_BAR: ((0, 1), (0, 1), 2),
    ROUND_TUBE: ((0, 1, 2), (0, 1, 2), 3),
    SHEET: ((0, 1, 2), (0, 1, 2), 3),
    SQUARE_BAR: ((0, 1), (0, 1), 2),
    SQUARE_TUBE: ((0, 1, 2), (0, 1, 2), 3),
    STRIP: ((0, 1, 2), (0, 1, 2), 3),
    TEES: ((1,), (1,), 2),
}


def position(p):
    """A list position as one byte: p + 1, or the stand-ins for the extremes."""
    extremes = {-32768: 252, 32767: 253, -2**31: 254, 2**31 - 1: 255}
    if p in extremes:
        return extremes[p]
    assert -1 <= p <= 40, p
    return p + 1


def encode(shape, dims=(), pieces="1", alloy=STEEL, result="", locale=C, pipe=(0, 0), rebar=0, tee=0,
           number=None, utf16=False):
    texts_shown, units_shown, field_count = LAYOUTS.get(shape, ((), (), 0))
    flags = (1 if utf16 else 0) | sum(2 << i for i in texts_shown)
    unit_flags = sum(1 << i for i in units_shown)
    params = [""] * 5
    units = [IN] * 5
    for i, dim in enumerate(dims):
        text, unit = dim if isinstance(dim, tuple) else (dim, IN)
        params[i] = text
        units[i] = unit
    out = bytearray([locale, flags, unit_flags, position(shape), position(alloy)])
    out += bytes(position(u) for u in units)
    out += bytes(position(p) for p in (pipe[0], pipe[1], rebar, tee, field_count))
    for text in [pieces, *params, result]:
        data = text.encode("utf-16-le" if utf16 else "utf-8")
        assert len(data) < 256, text
        out += bytes([len(data)]) + data
    if number is not None:
        out += struct.pack("<d", number)
    return bytes(out)


def weight(text):
    """The expected weight of a row as a double, decimal comma or not."""
    return float(text.replace(",", "."))


def rows():
    """(name, input) for every row; names come from the tests' row names."""
    # tst_weightcalculation: weights
    w = [
        ("round bar 1 in x 1 ft", C, ROUND_BAR, [("1", IN), ("1", FT)], "1", STEEL, "2.673"),
        ("round bar 2 in x 10 ft, 4 pieces", C, ROUND_BAR, [("2", IN), ("10", FT)], "4", STEEL, "427.664"),
        ("round bar in aluminum 6061", C, ROUND_BAR, [("1", IN), ("1", FT)], "1", ALUMINUM_6061, "0.925"),
        ("round bar in inconel 718", C, ROUND_BAR, [("1", IN), ("1", FT)], "1", INCONEL_718, "2.673"),
        ("round bar in tungsten", C, ROUND_BAR, [("1", IN), ("1", FT)], "1", TUNGSTEN, "6.423"),
        ("round bar 2.5 pieces", C, ROUND_BAR, [("1", IN), ("1", FT)], "2.5", STEEL, "6.682"),
        ("round bar 0 pieces", C, ROUND_BAR, [("1", IN), ("1", FT)], "0", STEEL, "0.000"),
        ("round bar -1 piece", C, ROUND_BAR, [("1", IN), ("1", FT)], "-1", STEEL, "-2.673"),
        ("round bar 25.4 mm x 304.8 mm", C, ROUND_BAR, [("25.4", MM), ("304.8", MM)], "1", STEEL, "2.673"),
        ("round bar 1 yd x 1 in", C, ROUND_BAR, [("1", YD), ("1", IN)], "1", STEEL, "288.673"),
        ("round bar 2.54 cm x 30.48 cm", C, ROUND_BAR, [("2.54", CM), ("30.48", CM)], "1", STEEL, "2.673"),
        ("round bar 1 in x 0.3048 m", C, ROUND_BAR, [("1", IN), ("0.3048", M)], "1", STEEL, "2.673"),
        ("round bar 1 in x minus 1 ft", C, ROUND_BAR, [("1", IN), ("-1", FT)], "1", STEEL, "-2.673"),
        ("round bar with no units selected", C, ROUND_BAR, [("1", NO_UNIT), ("1", 6)], "1", STEEL, "2.673"),
        ("round bar with spaces around the texts", C, ROUND_BAR, [(" 1 ", IN), ("1  ", FT)], " 1 ", STEEL, "2.673"),
        ("square bar 5.08 cm x 0.5 yd", C, SQUARE_BAR, [("5.08", CM), ("0.5", YD)], "1", STEEL, "20.419"),
        ("hexagon bar 25.4 mm x 1 yd", C, HEXAGON_BAR, [("25.4", MM), ("1", YD)], "1", STEEL, "8.842"),
        ("plate 0.5 x 12 in x 10 ft", C, PLATE, [("0.5", IN), ("12", IN), ("10", FT)], "1", STEEL, "204.192"),
        ("plate in metres", C, PLATE, [("0.0127", M), ("0.3048", M), ("3.048", M)], "1", STEEL, "204.192"),
        ("coil in yards and feet", C, COIL, [("0.5", IN), ("1", FT), ("4", YD)], "1", STEEL, "245.030"),
        ("flat bar 0.25 x 2 in x 1 yd", C, FLAT_BAR, [("0.25", IN), ("2", IN), ("1", YD)], "1", STEEL, "5.105"),
        ("sheet 2.54 cm x 1 ft x 1 m", C, SHEET, [("2.54", CM), ("1", FT), ("1", M)], "1", STEEL, "133.984"),
        ("strip 25.4 x 254 x 3048 mm", C, STRIP, [("25.4", MM), ("254", MM), ("3048", MM)], "1", STEEL, "340.320"),
        ("angles 3 x 2 x 0.25 in x 10 ft", C, ANGLES, [("3", IN), ("2", IN), ("0.25", IN), ("10", FT)], "1", STEEL, "41.325"),
        ("angles with a leg in feet", C, ANGLES, [("0.25", FT), ("2", IN), ("0.25", IN), ("10", FT)], "1", STEEL, "41.325"),
        ("angles thicker than its legs", C, ANGLES, [("1", IN), ("1", IN), ("3", IN), ("12", IN)], "1", STEEL, "-10.440"),
        ("round tube 2 x 0.25 in x 10 ft", C, ROUND_TUBE, [("2", IN), ("0.25", IN), ("10", FT)], "1", STEEL, "46.725"),
        ("round tube in centimetres", C, ROUND_TUBE, [("5.08", CM), ("0.635", CM), ("304.8", CM)], "1", STEEL, "46.725"),
        ("square tube in millimetres", C, SQUARE_TUBE, [("50.8", MM), ("3.175", MM), ("3048", MM)], "1", STEEL, "30.532"),
        ("square tube 1 x 0.2 in just fits", C, SQUARE_TUBE, [("1", IN), ("0.2", IN), ("1", FT)], "1", STEEL, "1.827"),
        ("rectangular tube 3 x 2 x 0.125 in x 10 ft", C, RECT_TUBE, [("3", IN), ("2", IN), ("0.125", IN), ("10", FT)], "1", STEEL, "39.039"),
        ("rectangular tube 1 x 1 x 0.1 in fits", C, RECT_TUBE, [("1", IN), ("1", IN), ("0.1", IN), ("1", FT)], "1", STEEL, "1.137"),
        ("beam 6.096 m, 2 pieces", C, BEAM, [("8", IN), ("10", IN), ("6.096", M)], "2", STEEL, "400.000"),
        ("beam weight per foot ignores its unit list", C, BEAM, [("8", IN), ("10", M), ("1", FT)], "1", STEEL, "10.000"),
        ("beam weighing 1234567.8912", C, BEAM, [("8", IN), ("1234567.8912", IN), ("1", FT)], "1", STEEL, "1234567.891"),
        ("channel 5.4 lb/ft, 3 yd", C, CHANNEL, [("4", IN), ("5.4", IN), ("3", YD)], "1", STEEL, "48.600"),
        ("tiny weight shows 0.000", C, ROUND_BAR, [("0.0001", IN), ("1", FT)], "1", STEEL, "0.000"),
        ("tiny negative weight", C, ROUND_BAR, [("0.0001", IN), ("1", FT)], "-1", STEEL, "0.000"),
        ("negative zero pieces", C, ROUND_BAR, [("1", IN), ("1", FT)], "-0", STEEL, "0.000"),
        ("de_DE 2,5 pieces", DE_DE, ROUND_BAR, [("1", IN), ("1", FT)], "2,5", STEEL, "6,682"),
        ("de_DE large weight without group separators", DE_DE, BEAM, [("8", IN), ("1.234.567,8912", IN), ("1", FT)], "1", STEEL, "1234567,891"),
        ("en_US group separator in a length", EN_US, BEAM, [("8", IN), ("1", IN), ("1,000", FT)], "1", STEEL, "1000.000"),
        # tst_calculate: weights not above
        ("angles in centimetres and metres", C, ANGLES, [("7.62", CM), ("5.08", CM), ("0.635", CM), ("3.048", M)], "1", STEEL, "41.325"),
        ("negative dimension", C, PLATE, [("-0.5", IN), ("12", IN), ("10", FT)], "1", STEEL, "-204.192"),
        ("large weight has no group separator", C, PLATE, [("10", IN), ("100", IN), ("100", FT)], "1", STEEL, "340320.000"),
        ("channel weight per foot has no unit", C, CHANNEL, [("8", IN), ("10", YD), ("20", FT)], "2", STEEL, "400.000"),
        ("decimal comma locale", DE_DE, ROUND_BAR, [("2,5", IN), ("1.000", IN)], "1", STEEL, "1392,135"),
    ]
    for name, locale, shape, dims, pieces, alloy, expected in w:
        yield name, encode(shape, dims, pieces, alloy, locale=locale, number=weight(expected))

    # Pipe, rebar and tees by list position.
    sized = [
        ("pipe 2 in sched 40, 21 ft", PIPE, (8, 4), 0, 0, ("21", FT), STEEL, 76.713),
        ("pipe 24 in sched 160, 1 ft", PIPE, (26, 10), 0, 0, ("1", FT), STEEL, 542.1),
        ("pipe 1/8 in sched 5, 1 ft", PIPE, (0, 0), 0, 0, ("1", FT), STEEL, 0.138),
        ("pipe 1 in sched 80, 3048 mm", PIPE, (5, 6), 0, 0, ("3048", MM), STEEL, 21.72),
        ("rebar 4, 20 ft", REBAR, (0, 0), 1, 0, ("20", FT), STEEL, 13.36),
        ("rebar 18, 1 ft", REBAR, (0, 0), 10, 0, ("1", FT), STEEL, 13.6),
        ("rebar 8, 1 m", REBAR, (0, 0), 5, 0, ("1", M), STEEL, 8.76),
        ("rebar 3 brass 240 in", REBAR, (0, 0), 0, 0, ("240", IN), BRASS, 8.016),
        ("tees first size, 10 ft, aluminum 6061", TEES, (0, 0), 0, 0, ("10", FT), ALUMINUM_6061, 6.578),
        ("tees 2 x 2 x .250, 30.48 cm", TEES, (0, 0), 0, 3, ("30.48", CM), STEEL, 3.62),
        ("tees 1 3/3 x .25", TEES, (0, 0), 0, 2, ("1", FT), STEEL, 2.16),
    ]
    for name, shape, pipe, rebar, tee, length, alloy, expected in sized:
        dims = [("", IN), ("", IN), length] if shape == PIPE else [("", IN), length]
        yield name, encode(shape, dims, alloy=alloy, pipe=pipe, rebar=rebar, tee=tee, number=expected)
    yield "de_DE rebar table text read despite the decimal comma", encode(REBAR, [("", IN), ("1", FT)], locale=DE_DE)

    # Messages: the previous result, illegal texts, walls, sizes not made, overflow, no selection.
    m = [
        ("pieces empty", ROUND_BAR, ["1", ("1", FT)], "", "12.5"),
        ("pieces blank", ROUND_BAR, ["1", ("1", FT)], "   ", "12.5"),
        ("pieces letters", ROUND_BAR, ["1", ("1", FT)], "two", "12.5"),
        ("pieces and fields illegal", ROUND_BAR, ["x", ""], "x", "12.5"),
        ("pieces illegal on an unknown shape", 17, [], "x", "12.5"),
        ("round bar diameter and length", ROUND_BAR, ["abc", ""], "1", "12.5"),
        ("angles leg 1, thickness and length", ANGLES, ["a", "2", "b", " "], "1", ""),
        ("beam size letters, though unused", BEAM, ["W8x10", "10", ("20", FT)], "1", ""),
        ("channel weight per foot", CHANNEL, ["4", "5,4", ("1", FT)], "1", ""),
        ("rectangular tube length only", RECT_TUBE, ["3", "2", "0.125", "ten"], "1", ""),
        ("rectangular tube length a dash", RECT_TUBE, ["3", "2", "0.125", "-"], "1", ""),
        ("plate width", PLATE, ["1", "1 2", ("1", FT)], "1", ""),
        ("coil width", COIL, ["1", "1,,2", "1"], "1", ""),
        ("square tube all three", SQUARE_TUBE, ["", "", ""], "1", ""),
        ("inf is no length", ROUND_BAR, ["1", ("inf", FT)], "1", ""),
        ("previous text that is no number is kept", ROUND_BAR, ["x", "1"], "1", "n/a"),
        ("fields tested before conversion", ROUND_BAR, [("1e306", M), "x"], "1", ""),
        ("fields tested before the wall", ROUND_TUBE, ["1", "5", "x"], "1", ""),
        ("round tube wall equal to the diameter", ROUND_TUBE, ["1", "1", ("1", FT)], "1", "2"),
        ("round tube wall 0.6 of the diameter", ROUND_TUBE, ["1", "0.6", ("1", FT)], "1", ""),
        ("round tube wall exactly half", ROUND_TUBE, ["1", "0.5", ("1", FT)], "1", ""),
        ("round tube wall compared in inches", ROUND_TUBE, ["1", ("12.7", MM), ("1", FT)], "1", ""),
        ("square tube 1 x 0.25 in", SQUARE_TUBE, ["1", "0.25", ("1", FT)], "1", ""),
        ("rectangular tube 2 x 2 x 1 in", RECT_TUBE, ["2", "2", "1", ("1", FT)], "1", ""),
        ("rectangular tube 1 x 1 x 1.5 in", RECT_TUBE, ["1", "1", "1.5", ("1", FT)], "1", ""),
        ("rectangular tube 1 x 1 x 0.25 in", RECT_TUBE, ["1", "1", "0.25", ("1", FT)], "1", ""),
        ("overflow converting metres", ROUND_BAR, [("1e307", M), ("1", FT)], "1", "12.5"),
        ("overflow in the formula", ROUND_BAR, [("1e200", IN), ("1", FT)], "1", "12.5"),
        ("overflow by the number of pieces", BEAM, ["8", "1e300", ("1", FT)], "1e10", "12.5"),
        ("overflow in a wall test", RECT_TUBE, ["1e308", "1e308", "1", ("1", FT)], "1", "12.5"),
        ("length overflows in yards", ROUND_BAR, ["1", ("1e308", YD)], "1", "12.5"),
        ("weight overflows", PLATE, ["1e200", "1e200", "1"], "1", ""),
        ("shape index 17", 17, ["1", "1"], "1", "12.5"),
        ("shape index -1", -1, ["1", "1"], "1", "-0.0001"),
    ]
    for name, shape, dims, pieces, result in m:
        yield name, encode(shape, dims, pieces, result=result)

    hidden = [("junk", IN), ("junk", IN)]
    yield "pipe length empty", encode(PIPE, hidden + [("", IN)], result="76.713", pipe=(8, 4))
    yield "rebar length letters", encode(REBAR, [("junk", IN), ("abc", IN)])
    yield "tees length letters", encode(TEES, [("", IN), ("abc", IN)])
    yield "pipe 4-1/2 in has no schedule", encode(PIPE, [("", IN), ("", IN), ("10", FT)], result="12.5", pipe=(13, 4))
    yield "pipe 1/8 in not in sched 20", encode(PIPE, [("", IN), ("", IN), ("10", FT)], pipe=(0, 2))
    round_bar = [("1", IN), ("1", FT)]
    yield "no alloy selected", encode(ROUND_BAR, round_bar, alloy=-1, result="12.5")
    yield "alloy past the list", encode(ROUND_BAR, round_bar, alloy=26, result="12.5")
    yield "pipe size past the list", encode(PIPE, [("", IN), ("", IN), ("1", FT)], result="12.5", pipe=(33, 4))
    yield "no pipe schedule selected", encode(PIPE, [("", IN), ("", IN), ("1", FT)], result="12.5", pipe=(8, -1))
    yield "rebar size past the list", encode(REBAR, [("", IN), ("1", FT)], result="12.5", rebar=11)
    yield "no tee size selected", encode(TEES, [("", IN), ("1", FT)], result="12.5", tee=-1)

    # Texts the tables do not type: other encodings and scripts, the extremes
    # of the double range, both separators in both locales, 16-bit positions.
    yield "utf-16 round bar", encode(ROUND_BAR, round_bar, utf16=True, result="12.5")
    yield "arabic-indic digits", encode(ROUND_BAR, [("\u0661", IN), ("\u0661", FT)], "\u0662")
    yield "no-break space and tab", encode(ROUND_BAR, [("\u00a01", IN), ("1\t", FT)], "1")
    yield "de_DE point and comma mixed", encode(PLATE, [("0,5", IN), ("1.2", IN), ("1.000,5", FT)], locale=DE_DE)
    yield "en_US comma as decimal", encode(PLATE, [("0,5", IN), ("1,234.5", IN), ("1e-3", FT)], locale=EN_US)
    yield "largest and smallest doubles", encode(BEAM, ["1", "1.7976931348623157e308", ("1", FT)],
                                                 result="4.9e-324", number=1.7976931348623157e308)
    yield "exponents past the range", encode(ROUND_BAR, [("1e-400", IN), ("1e400", FT)], "1E+5", result="-1e309")
    yield "long digit string", encode(ROUND_BAR, [("0." + "9" * 70, IN), ("1" * 80, FT)], "00001.50000")
    yield "rounding at half a thousandth", encode(ROUND_BAR, round_bar, result="2.0005", number=1.0005)
    yield "16-bit positions", encode(32767, round_bar, alloy=-32768, pipe=(2**31 - 1, -2**31))


def main():
    here = pathlib.Path(__file__).resolve().parent
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else here / "corpus"
    out.mkdir(parents=True, exist_ok=True)
    seen = set()
    slugs = set()
    for name, data in rows():
        if data in seen:
            continue
        seen.add(data)
        slug = re.sub(r"[^a-z0-9]+", "-", name.lower()).strip("-")
        assert slug not in slugs, f"two seeds named {slug}"
        slugs.add(slug)
        (out / slug).write_bytes(data)
    print(f"{len(seen)} seeds in {out}")


if __name__ == "__main__":
    main()
