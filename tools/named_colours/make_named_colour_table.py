#!/usr/bin/env python3
"""Writes src/colour/named_colour_table.inc: the 649 colour names the Grab page
can show, in lookup order, each with its "#RRGGBB" code from the X11 colour list.

Only the names and their order live here; every code is read from rgb.txt
(Debian package x11-common), so a typo in a name fails loudly instead of
inventing a colour. Standard library only:

    python3 tools/named_colours/make_named_colour_table.py [--rgb-txt PATH] [--output PATH]
"""

import argparse
import pathlib
import sys

REPO_ROOT = pathlib.Path(__file__).resolve().parents[2]
DEFAULT_RGB_TXT = pathlib.Path("/usr/share/X11/rgb.txt")
DEFAULT_OUTPUT = REPO_ROOT / "src" / "colour" / "named_colour_table.inc"


def grey_ramp(base):
    """base, then base0 to base100 in character order (gray10 before gray2)."""
    return [base] + sorted(f"{base}{level}" for level in range(101))


# Groups by hue, in table order: (title, entry count, names). The order matters:
# many codes occur under several names and the first entry wins a lookup.
GROUPS = [
    ("Blues and cyans", 99, """
        AliceBlue BlueViolet CadetBlue CadetBlue1 CadetBlue2 CadetBlue3 CadetBlue4
        CornflowerBlue DarkSlateBlue DarkTurquoise DeepSkyBlue DeepSkyBlue1
        DeepSkyBlue2 DeepSkyBlue3 DeepSkyBlue4 DodgerBlue DodgerBlue1 DodgerBlue2
        DodgerBlue3 DodgerBlue4 LightBlue LightBlue1 LightBlue2 LightBlue3
        LightBlue4 LightCyan LightCyan1 LightCyan2 LightCyan3 LightCyan4
        LightSkyBlue LightSkyBlue1 LightSkyBlue2 LightSkyBlue3 LightSkyBlue4
        LightSlateBlue LightSteelBlue LightSteelBlue1 LightSteelBlue2
        LightSteelBlue3 LightSteelBlue4 MediumAquamarine MediumBlue MediumSlateBlue
        MediumTurquoise MidnightBlue NavyBlue PaleTurquoise PaleTurquoise1
        PaleTurquoise2 PaleTurquoise3 PaleTurquoise4 PowderBlue RoyalBlue RoyalBlue1
        RoyalBlue2 RoyalBlue3 RoyalBlue4 SkyBlue SkyBlue1 SkyBlue2 SkyBlue3 SkyBlue4
        SlateBlue SlateBlue1 SlateBlue2 SlateBlue3 SlateBlue4 SteelBlue SteelBlue1
        SteelBlue2 SteelBlue3 SteelBlue4 aquamarine aquamarine1 aquamarine2
        aquamarine3 aquamarine4 azure azure1 azure2 azure3 azure4 blue blue1 blue2
        blue3 blue4 cyan cyan1 cyan2 cyan3 cyan4 navy turquoise turquoise1
        turquoise2 turquoise3 turquoise4
    """.split()),
    ("Browns", 29, """
        RosyBrown RosyBrown1 RosyBrown2 RosyBrown3 RosyBrown4 SaddleBrown SandyBrown
        beige brown brown1 brown2 brown3 brown4 burlywood burlywood1 burlywood2
        burlywood3 burlywood4 chocolate chocolate1 chocolate2 chocolate3 chocolate4
        peru tan tan1 tan2 tan3 tan4
    """.split()),
    ("Greys", 222, """
        DarkSlateGray DarkSlateGray1 DarkSlateGray2 DarkSlateGray3 DarkSlateGray4
        DarkSlateGrey DimGray DimGrey LightGray LightGrey LightSlateGray
        LightSlateGrey SlateGray SlateGray1 SlateGray2 SlateGray3 SlateGray4
        SlateGrey
    """.split() + grey_ramp("gray") + grey_ramp("grey")),
    ("Greens and khakis", 56, """
        DarkGreen DarkKhaki DarkOliveGreen DarkOliveGreen1 DarkOliveGreen2
        DarkOliveGreen3 DarkOliveGreen4 DarkSeaGreen DarkSeaGreen1 DarkSeaGreen2
        DarkSeaGreen3 DarkSeaGreen4 ForestGreen GreenYellow LawnGreen LightSeaGreen
        LimeGreen MediumSeaGreen MediumSpringGreen MintCream OliveDrab OliveDrab1
        OliveDrab2 OliveDrab3 OliveDrab4 PaleGreen PaleGreen1 PaleGreen2 PaleGreen3
        PaleGreen4 SeaGreen SeaGreen1 SeaGreen2 SeaGreen3 SeaGreen4 SpringGreen
        SpringGreen1 SpringGreen2 SpringGreen3 SpringGreen4 YellowGreen chartreuse
        chartreuse1 chartreuse2 chartreuse3 chartreuse4 green green1 green2 green3
        green4 khaki khaki1 khaki2 khaki3 khaki4
    """.split()),
    ("Oranges", 47, """
        DarkOrange DarkOrange1 DarkOrange2 DarkOrange3 DarkOrange4 DarkSalmon
        LightCoral LightSalmon LightSalmon1 LightSalmon2 LightSalmon3 LightSalmon4
        PeachPuff PeachPuff1 PeachPuff2 PeachPuff3 PeachPuff4 bisque bisque1 bisque2
        bisque3 bisque4 coral coral1 coral2 coral3 coral4 honeydew honeydew1
        honeydew2 honeydew3 honeydew4 orange orange1 orange2 orange3 orange4 salmon
        salmon1 salmon2 salmon3 salmon4 sienna sienna1 sienna2 sienna3 sienna4
    """.split()),
    ("Reds and pinks", 61, """
        DeepPink DeepPink1 DeepPink2 DeepPink3 DeepPink4 HotPink HotPink1 HotPink2
        HotPink3 HotPink4 IndianRed IndianRed1 IndianRed2 IndianRed3 IndianRed4
        LightPink LightPink1 LightPink2 LightPink3 LightPink4 MediumVioletRed
        MistyRose MistyRose1 MistyRose2 MistyRose3 MistyRose4 OrangeRed OrangeRed1
        OrangeRed2 OrangeRed3 OrangeRed4 PaleVioletRed PaleVioletRed1 PaleVioletRed2
        PaleVioletRed3 PaleVioletRed4 VioletRed VioletRed1 VioletRed2 VioletRed3
        VioletRed4 firebrick firebrick1 firebrick2 firebrick3 firebrick4 pink pink1
        pink2 pink3 pink4 red red1 red2 red3 red4 tomato tomato1 tomato2 tomato3
        tomato4
    """.split()),
    ("Purples and violets", 53, """
        DarkOrchid DarkOrchid1 DarkOrchid2 DarkOrchid3 DarkOrchid4 DarkViolet
        LavenderBlush LavenderBlush1 LavenderBlush2 LavenderBlush3 LavenderBlush4
        MediumOrchid MediumOrchid1 MediumOrchid2 MediumOrchid3 MediumOrchid4
        MediumPurple MediumPurple1 MediumPurple2 MediumPurple3 MediumPurple4
        lavender magenta magenta1 magenta2 magenta3 magenta4 maroon maroon1 maroon2
        maroon3 maroon4 orchid orchid1 orchid2 orchid3 orchid4 plum plum1 plum2
        plum3 plum4 purple purple1 purple2 purple3 purple4 thistle thistle1 thistle2
        thistle3 thistle4 violet
    """.split()),
    ("Whites", 37, """
        AntiqueWhite AntiqueWhite1 AntiqueWhite2 AntiqueWhite3 AntiqueWhite4
        FloralWhite GhostWhite NavajoWhite NavajoWhite1 NavajoWhite2 NavajoWhite3
        NavajoWhite4 OldLace WhiteSmoke gainsboro ivory ivory1 ivory2 ivory3 ivory4
        linen seashell seashell1 seashell2 seashell3 seashell4 snow snow1 snow2
        snow3 snow4 wheat wheat1 wheat2 wheat3 wheat4 white
    """.split()),
    ("Yellows and golds", 45, """
        BlanchedAlmond DarkGoldenrod DarkGoldenrod1 DarkGoldenrod2 DarkGoldenrod3
        DarkGoldenrod4 LemonChiffon LemonChiffon1 LemonChiffon2 LemonChiffon3
        LemonChiffon4 LightGoldenrod LightGoldenrod1 LightGoldenrod2 LightGoldenrod3
        LightGoldenrod4 LightGoldenrodYellow LightYellow LightYellow1 LightYellow2
        LightYellow3 LightYellow4 PaleGoldenrod PapayaWhip cornsilk cornsilk1
        cornsilk2 cornsilk3 cornsilk4 gold gold1 gold2 gold3 gold4 goldenrod
        goldenrod1 goldenrod2 goldenrod3 goldenrod4 moccasin yellow yellow1 yellow2
        yellow3 yellow4
    """.split()),
]

TABLE_SIZE = 649


def read_rgb_txt(path):
    """Name -> (r, g, b). The single-word spellings are kept with their case."""
    colours = {}
    for line in path.read_text(encoding="ascii").splitlines():
        if not line.strip() or line.startswith("!"):
            continue
        red, green, blue, *name_words = line.split()
        name = " ".join(name_words)
        rgb = (int(red), int(green), int(blue))
        if colours.setdefault(name, rgb) != rgb:
            sys.exit(f"{path}: '{name}' is listed with two different values")
    return colours


def check_names():
    all_names = []
    for title, count, names in GROUPS:
        if len(names) != count:
            sys.exit(f"group '{title}' has {len(names)} names, expected {count}")
        # Plain character-code order inside a group: a misplaced name would
        # silently change which name a shared code shows.
        if names != sorted(names):
            sys.exit(f"group '{title}' is not in character-code order")
        all_names += names
    if len(all_names) != TABLE_SIZE:
        sys.exit(f"{len(all_names)} names, expected {TABLE_SIZE}")
    if len({name.lower() for name in all_names}) != len(all_names):
        sys.exit("two names differ only in case")


def table_source(colours):
    lines = [
        "// Generated by tools/named_colours/make_named_colour_table.py from the X11",
        "// colour list (rgb.txt). Change the name list in that script, not this file.",
        "// clang-format off",
    ]
    for title, _, names in GROUPS:
        lines.append(f"// {title}")
        for name in names:
            if name not in colours:
                sys.exit(f"'{name}' is not in the X11 colour list")
            red, green, blue = colours[name]
            lines.append(f'{{"{name}", "#{red:02X}{green:02X}{blue:02X}"}},')
    lines.append("// clang-format on")
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rgb-txt", type=pathlib.Path, default=DEFAULT_RGB_TXT)
    parser.add_argument("--output", type=pathlib.Path, default=DEFAULT_OUTPUT)
    args = parser.parse_args()

    check_names()
    source = table_source(read_rgb_txt(args.rgb_txt))
    args.output.write_text(source, encoding="ascii", newline="\n")
    print(f"wrote {TABLE_SIZE} entries to {args.output}")


if __name__ == "__main__":
    main()
