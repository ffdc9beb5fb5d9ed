"""Category Space and Time: geometry here, time and motion in time_motion.py.

Sources: SI Brochure 9th ed.; NIST SP 811 (2008) Appendix B; international
yard and pound agreement (1959); IAU 2012 B2 and 2015 B2 (astronomical units);
UK Weights and Measures Act 1985 (imperial gallon); EIA-310 (rack unit);
US FDA, 21 CFR 101.9 (the 240 mL cup of nutrition labels). Kitchen measures
as recipes define them: the metric cup of 250 mL and spoons of 5, 10 and
15 mL, the Australian tablespoon of 20 mL, the Japanese cup of 200 mL, the
imperial cup of half an imperial pint.
"""

from fractions import Fraction

from . import time_motion
from .number_text import codata_text
from .prefixes import prefixed
from .units import (ASTRONOMICAL_UNIT, BOHR_RADIUS, C_LIGHT, CODATA_NOTE, DAY, FOOT, HOUR, IMP_GALLON, INCH,
                    LIGHT_YEAR, LITER, MILE, MINUTE, NAUTICAL_MILE, PARSEC, PI, PLANCK_LENGTH, SURVEY_FOOT, SURVEY_MILE,
                    US_BUSHEL, US_GALLON, YARD, Amount, Category, Quantity, metric, other, si, us)

SHAKU = Amount(Fraction(10, 33))  # Japanese Weights and Measures Act 1891
SAZHEN = 7 * FOOT                 # Russian measures tied to the English foot, 1835
ARSHIN = 28 * INCH
SHO = 64827 * (SHAKU / 100) ** 3


def length():
    units = [
        si("meter (m)", 1, "SI base unit: the length light travels in vacuum in 1/299792458 s.", also="mtr"),
        si("millimeter (mm)", "0.001"),
        si("centimeter (cm)", "0.01"),
        si("kilometer (km)", 1000, also="klick"),
        us("inch (in)", INCH, "Exactly 25.4 mm (international yard and pound agreement, 1959).", also="inches"),
        us("foot (ft)", FOOT, "The international foot: exactly 0.3048 m since 1959.", also="feet"),
        us("yard (yd)", YARD, "Exactly 0.9144 m (1959)."),
        us("mile (mi)", MILE, "The international statute mile: 5280 ft, exactly 1609.344 m.",
           also="statute mile, international mile"),
        metric("nautical mile (nmi)", NAUTICAL_MILE,
               "Exactly 1852 m (International Hydrographic Conference 1929): about one minute of latitude.",
               also="sea mile"),
    ]
    units += prefixed("meter", "m", symbols="µ n p f d M G",
                      also={"µ": "micron", "f": "fermi"})
    units += [
        metric("ångström (Å)", "1E-10", "0.1 nm, for atomic distances and wavelengths."),
        us("mil (mil)", INCH / 1000, "One thousandth of an inch.", also="thou"),
        us("microinch (µin)", INCH / 10 ** 6, "Surface roughness."),
        us("hand", 4 * INCH, "4 inches, for the height of horses."),
        us("link (li)", FOOT * Fraction(66, 100), "1/100 chain."),
        us("rod (rd)", FOOT * Fraction(33, 2), "16.5 ft.", also="pole, perch"),
        us("chain (ch)", 66 * FOOT, "Gunter's chain: 66 ft.", also="Gunter's chain"),
        us("furlong (fur)", 660 * FOOT, "220 yards, 1/8 mile."),
        us("league (lea)", 3 * MILE, "3 international miles."),
        us("fathom (ftm)", 6 * FOOT, "6 feet, for the depth of water."),
        us("barleycorn", INCH / 3, "1/3 inch: the step between UK shoe sizes."),
        other("rack unit (U)", Fraction(7, 4) * INCH,
              "1.75 inches, 44.45 mm: the height of one slot in a 19-inch equipment rack (EIA-310).", also="RU"),
        us("survey foot (ftUS)", SURVEY_FOOT,
           "US survey foot: 1200/3937 m, 2 ppm longer than the international foot. Retired at the end of 2022, "
           "still found in land records.", also="US survey foot, US survey feet"),
        us("survey mile (miUS)", SURVEY_MILE,
           "5280 US survey feet = 6336/3937 km, about 3.2 mm longer than the international mile.",
           also="US survey mile"),
        us("survey chain (chUS)", 66 * SURVEY_FOOT, "66 US survey feet: US land records."),
        us("survey rod (rdUS)", SURVEY_FOOT * Fraction(33, 2), "16.5 US survey feet."),
        us("cable (US)", 720 * FOOT, "120 fathoms."),
        other("cable (international)", NAUTICAL_MILE / 10, "1/10 nautical mile."),
        other("nautical mile (Admiralty)", 6080 * FOOT, "6080 ft, the UK nautical mile until 1970."),
        metric("astronomical unit (au)", ASTRONOMICAL_UNIT, "Exactly 149597870700 m (IAU 2012)."),
        other("light-second", C_LIGHT, "299792458 m."),
        other("light-minute", C_LIGHT * MINUTE),
        other("light-hour", C_LIGHT * HOUR),
        other("light-day", C_LIGHT * DAY),
        other("light-year (ly)", LIGHT_YEAR, "Distance light travels in one Julian year of 365.25 days (IAU).",
              also="lightyear"),
        other("parsec (pc)", PARSEC, "648000/pi astronomical units (IAU 2015)."),
        other("kiloparsec (kpc)", 1000 * PARSEC),
        other("megaparsec (Mpc)", 10 ** 6 * PARSEC),
        other("gigaparsec (Gpc)", 10 ** 9 * PARSEC),
        other("point (pt)", INCH / 72, "The desktop publishing point: 1/72 inch.", also="PostScript point"),
        other("pica", INCH / 6, "12 points: 1/6 inch."),
        other("twip", INCH / 1440, "1/20 point: 1/1440 inch."),
        other("TeX point", INCH / Fraction("72.27"), "The traditional printer's point: 1/72.27 inch.",
              also="printer's point"),
        other("Scandinavian mile", 10000, "10 km, in everyday use in Norway and Sweden.",
              also="Swedish mile, Norwegian mile"),
        other("shaku (Japan)", SHAKU, "10/33 m (Japanese law of 1891)."),
        other("sun (Japan)", SHAKU / 10),
        other("ken (Japan)", 6 * SHAKU),
        other("ri (Japan)", 12960 * SHAKU),
        other("li (China)", 500, "The market li: 500 m."),
        other("chi (China)", Fraction(1, 3), "The market chi: 1/3 m."),
        other("cun (China)", Fraction(1, 30)),
        other("zhang (China)", Fraction(10, 3)),
        other("vershok (Russia)", ARSHIN / 16),
        other("arshin (Russia)", ARSHIN, "28 inches."),
        other("sazhen (Russia)", SAZHEN, "7 feet."),
        other("verst (Russia)", 500 * SAZHEN, "500 sazhen.", also="versta"),
        other("Bohr radius (a0)", BOHR_RADIUS, CODATA_NOTE,
              also="atomic unit of length"),
        other("Planck length (lP)", PLANCK_LENGTH, CODATA_NOTE),
    ]
    refs = [
        ("Planck length", codata_text("planck length")),
        ("Bohr radius", codata_text("bohr radius")),
        ("Wavelength of the sodium D line (about)", "5.89E-07"),
        ("Thickness of a sheet of paper (about)", "0.0001"),
        ("Length of a football pitch (FIFA, 105 m)", "105"),
        ("Marathon distance", "42195"),
        ("Height of Mount Everest (2020 survey)", "8848.86"),
        ("Equatorial radius of the Earth (WGS 84)", "6378137"),
        ("Polar radius of the Earth (WGS 84)", "6356752.3142"),
        ("Equatorial circumference of the Earth", "40075016.686"),
        ("Mean distance Earth-Moon", "384399000"),
        ("Astronomical unit (mean distance Earth-Sun)", "149597870700"),
        ("Light-year", "9460730472580800"),
        ("Distance to Proxima Centauri (about)", "4.0175E+16"),
    ]
    return Quantity("Length", units, refs)


def area():
    acre = 4840 * YARD ** 2
    units = [
        si("square meter (m²)", 1, also="sq m, sqm"),
        si("square millimeter (mm²)", "1E-06", also="sq mm"),
        si("square centimeter (cm²)", "0.0001", also="sq cm"),
        si("square kilometer (km²)", "1E6", also="sq km"),
        metric("hectare (ha)", 10000, "100 m x 100 m."),
        us("square inch (in²)", INCH ** 2, also="sq in, square inches"),
        us("square foot (ft²)", FOOT ** 2, also="sq ft, square feet"),
        us("square yard (yd²)", YARD ** 2, also="sq yd"),
        us("square mile (mi²)", MILE ** 2, also="sq mi"),
        us("acre (ac)", acre, "4840 square yards, exactly 4046.8564224 m² (international acre)."),
    ]
    units += prefixed("square {}meter", "{}m²", symbols="d µ n", power=2)
    units += [
        metric("are (a)", 100, "10 m x 10 m."),
        metric("dunam", 1000, "The metric dunam of 1000 m².", also="dunum, donum"),
        other("barn (b)", "1E-28", "Nuclear and particle cross sections."),
    ]
    units += prefixed("barn", "b", "1E-28", symbols="m µ n p f", icon=4)
    units += [
        us("rood", acre / 4, "1/4 acre."),
        us("square rod (rd²)", (FOOT * Fraction(33, 2)) ** 2, also="perch"),
        us("square chain (ch²)", (66 * FOOT) ** 2, "1/10 acre."),
        us("square mil (mil²)", (INCH / 1000) ** 2),
        us("circular mil (cmil)", PI / 4 * (INCH / 1000) ** 2, "Area of a circle 1 mil across: wire cross sections.",
           also="kcmil, MCM"),
        us("survey acre (acUS)", 43560 * SURVEY_FOOT ** 2, "43560 square US survey feet.", also="US survey acre"),
        us("section (US survey)", SURVEY_MILE ** 2, "One square survey mile, 640 survey acres."),
        us("township (US survey)", 36 * SURVEY_MILE ** 2, "36 sections."),
        other("tsubo (Japan)", (6 * SHAKU) ** 2, "One square ken, 400/121 m²."),
        other("mu (China)", Fraction(10000, 15), "The market mu: 1/15 hectare."),
        other("desyatina (Russia)", 2400 * SAZHEN ** 2, "2400 square sazhen."),
    ]
    refs = [
        ("Sheet of A4 paper", "0.06237"),
        ("Sheet of US letter paper", "0.06032246"),
        ("Tennis court (doubles)", "260.7569"),
        ("Football pitch, 105 m x 68 m", "7140"),
        ("Central Park, New York (about)", "3410000"),
        ("Land area of the Earth (about)", "1.489E+14"),
        ("Surface area of the Earth (about)", "5.10072E+14"),
    ]
    return Quantity("Area", units, refs)


def volume():
    fl_oz_us = US_GALLON / 128
    fl_oz_imp = IMP_GALLON / 160
    milliliter = LITER / 1000
    units = [
        si("cubic meter (m³)", 1, also="cu m"),
        metric("milliliter (mL)", milliliter),
        metric("liter (L)", LITER, "Exactly 1 dm³ (12th CGPM, 1964).", also="ltr"),
        si("cubic centimeter (cm³)", "1E-06", also="cc, ccm"),
        us("teaspoon (US) (tsp)", fl_oz_us / 6, also="US teaspoon"),
        us("tablespoon (US) (tbsp)", fl_oz_us / 2, also="US tablespoon, tbs"),
        us("fluid ounce (US) (fl oz)", fl_oz_us, "1/128 US gallon.", also="US fluid ounce"),
        us("cup (US) (c)", US_GALLON / 16, "8 US fluid ounces, half a US pint.", also="US cup"),
        us("pint (US liquid) (pt)", US_GALLON / 8, also="US pint"),
        us("quart (US liquid) (qt)", US_GALLON / 4, also="US quart"),
        us("gallon (US) (gal)", US_GALLON, "US liquid gallon: 231 cubic inches, exactly 3.785411784 L.",
           also="US gallon"),
        us("gallon (imperial) (gal)", IMP_GALLON, "Exactly 4.54609 L (UK Weights and Measures Act 1985).",
           also="imperial gallon, UK gallon"),
        us("cubic foot (ft³)", FOOT ** 3, also="cu ft, cubic feet"),
        us("cubic inch (in³)", INCH ** 3, also="cu in, cubic inches"),
    ]
    units += prefixed("liter", "L", LITER, symbols="f p n µ c d h k M G", icon=2)
    units += prefixed("cubic {}meter", "{}m³", symbols="m d k", power=3)
    units += [
        us("cup (US legal)", 240 * milliliter, "240 mL: US nutrition labels (FDA).", also="US legal cup, nutrition labeling cup"),
        us("gill (US)", US_GALLON / 32),
        us("fluid dram (US)", fl_oz_us / 8),
        us("minim (US)", fl_oz_us / 480),
        us("barrel (oil) (bbl)", 42 * US_GALLON, "42 US gallons.", also="oil barrel, petroleum barrel"),
        us("barrel (US liquid)", Fraction(63, 2) * US_GALLON, "31.5 US gallons."),
        us("hogshead (US)", 63 * US_GALLON),
        us("bushel (US) (bu)", US_BUSHEL, "The Winchester bushel: 2150.42 cubic inches.", also="US bushel"),
        us("peck (US) (pk)", US_BUSHEL / 4),
        us("dry gallon (US)", US_BUSHEL / 8),
        us("dry quart (US)", US_BUSHEL / 32),
        us("dry pint (US)", US_BUSHEL / 64),
        us("barrel (US dry)", 7056 * INCH ** 3, "7056 cubic inches."),
        us("cubic yard (yd³)", YARD ** 3, also="cu yd"),
        us("cubic mile (mi³)", MILE ** 3, also="cu mi"),
        us("acre-foot (ac·ft)", 43560 * FOOT ** 3, "One acre covered one foot deep: 43560 cubic feet.",
           also="acre feet"),
        us("board foot (FBM)", 144 * INCH ** 3, "144 cubic inches of lumber.", also="board feet"),
        us("cord", 128 * FOOT ** 3, "128 cubic feet of stacked firewood."),
        us("hundred cubic feet (ccf)", 100 * FOOT ** 3, "Gas and water billing."),
        us("quart (imperial) (qt)", IMP_GALLON / 4, also="UK quart"),
        us("pint (imperial) (pt)", IMP_GALLON / 8, "20 imperial fluid ounces.", also="UK pint, imperial pint"),
        us("cup (imperial)", IMP_GALLON / 16, "Half an imperial pint: 10 imperial fluid ounces, 284.130625 mL.",
           also="imperial cup, UK cup"),
        us("gill (imperial)", IMP_GALLON / 32),
        us("fluid ounce (imperial) (fl oz)", fl_oz_imp, "1/160 imperial gallon, 4 % smaller than the US fluid ounce.",
           also="imperial fluid ounce, UK fluid ounce"),
        us("fluid dram (imperial)", fl_oz_imp / 8),
        us("minim (imperial)", fl_oz_imp / 480),
        us("bushel (imperial) (bu)", 8 * IMP_GALLON, also="imperial bushel"),
        us("peck (imperial) (pk)", 2 * IMP_GALLON),
        us("barrel (imperial)", 36 * IMP_GALLON, "36 imperial gallons (beer)."),
        other("cup (metric)", 250 * milliliter, "250 mL: recipes in Australia, Canada, New Zealand and South Africa.",
              also="metric cup"),
        other("cup (Japan)", 200 * milliliter, "200 mL: Japanese recipes. A rice cup is one go, about 180 mL.",
              also="Japanese cup"),
        other("tablespoon (metric)", 15 * milliliter, "15 mL: recipes in the UK, Canada and New Zealand.",
              also="metric tablespoon"),
        other("tablespoon (Australia)", 20 * milliliter, "20 mL: four metric teaspoons.",
              also="Australian tablespoon"),
        other("dessertspoon (dsp)", 10 * milliliter, "10 mL in metric recipes: two metric teaspoons.",
              also="dessert spoon"),
        other("teaspoon (metric)", 5 * milliliter, "5 mL.", also="metric teaspoon"),
        other("register ton", 100 * FOOT ** 3, "Ship capacity: 100 cubic feet."),
        other("stere (st)", 1, "1 m³ of firewood."),
        other("go (Japan)", SHO / 10),
        other("sho (Japan)", SHO, "2401/1331 L: 64827 cubic bu (Japanese law of 1891), about 1.8039 L."),
        other("to (Japan)", 10 * SHO),
        other("koku (Japan)", 100 * SHO, "100 sho: about 180.39 L."),
    ]
    refs = [
        ("Metric teaspoon", "0.000005"),
        ("Can of soda (12 US fluid ounces)", "0.00035488235475"),
        ("Wine bottle", "0.00075"),
        ("Total capacity of adult human lungs (about)", "0.006"),
        ("Barrel of oil", "0.158987294928"),
        ("Olympic swimming pool (50 m x 25 m x 2 m)", "2500"),
        ("Water in the oceans (about)", "1.335E+18"),
        ("Volume of the Earth", "1.08321E+21"),
    ]
    return Quantity("Volume", units, refs)


def angle():
    degree = PI / 180
    units = [
        si("radian (rad)", 1, "SI coherent unit: the angle subtending an arc equal to the radius."),
        metric("degree (°)", degree, "pi/180 rad."),
        metric("minute of arc (')", degree / 60, also="arcminute, arcmin, minute of angle, MOA"),
        metric("second of arc (\")", degree / 3600, also="arcsecond, arcsec"),
        other("gon (gon)", PI / 200, "1/400 of a turn.", also="grad, gradian, grade"),
        other("revolution (rev)", 2 * PI, "One full turn.", also="turn, full circle"),
    ]
    units += prefixed("radian", "rad", symbols="m µ")
    units += [
        other("milliarcsecond (mas)", degree / 3600000),
        other("microarcsecond (µas)", degree / 3600000000),
        other("quadrant", PI / 2, "A right angle."),
        other("sign (zodiac)", PI / 6, "30 degrees."),
        other("point (compass)", PI / 16, "1/32 turn: 11.25 degrees.", also="compass point"),
        other("mil (NATO)", 2 * PI / 6400, "1/6400 turn.", also="NATO mil"),
        other("mil (Warsaw Pact)", 2 * PI / 6000, "1/6000 turn."),
        other("streck (Sweden)", 2 * PI / 6300, "1/6300 turn."),
        other("hour angle (h)", PI / 12, "1/24 turn: 15 degrees."),
        other("minute of time (angle)", PI / 720),
        other("second of time (angle)", PI / 43200),
        other("binary degree (brad)", 2 * PI / 256, "1/256 turn.", also="binary radian"),
    ]
    refs = [
        ("Apparent diameter of the Moon (about)", "0.00904"),
        ("Apparent diameter of the Sun (about)", "0.0093"),
        ("Axial tilt of the Earth (about 23.44 degrees)", "0.4091"),
        ("Right angle", "1.5707963267949"),
        ("Full turn", "6.28318530717959"),
    ]
    return Quantity("Angle", units, refs)


def solid_angle():
    degree = PI / 180
    units = [
        si("steradian (sr)", 1, "SI coherent unit: the cone cutting r² from a sphere of radius r."),
        metric("square degree (deg²)", degree ** 2, also="sq deg"),
        si("millisteradian (msr)", "0.001"),
        metric("square minute of arc", (degree / 60) ** 2, also="square arcminute"),
        metric("square second of arc", (degree / 3600) ** 2, also="square arcsecond"),
        other("hemisphere", 2 * PI),
        other("spat (sp)", 4 * PI, "The full sphere: 4 pi sr."),
    ]
    return Quantity("Solid Angle", units, [("Full sphere", "12.5663706143592")])


CATEGORY = Category("Space and Time", 1, [length(), area(), volume(), angle(), solid_angle()]
                    + time_motion.quantities())
