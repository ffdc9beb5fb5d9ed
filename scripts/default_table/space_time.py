"""Category Space and Time: geometry here, time and motion in time_motion.py.

Sources: SI Brochure 9th ed.; NIST SP 811 (2008) Appendix B; international
yard and pound agreement (1959); IAU 2012 B2 and 2015 B2 (astronomical units);
UK Weights and Measures Act 1985 (imperial gallon).
"""

from fractions import Fraction

from . import time_motion
from .prefixes import prefixed
from .units import (ASTRONOMICAL_UNIT, BOHR_RADIUS, C_LIGHT, DAY, FOOT, HOUR, IMP_GALLON, INCH, LIGHT_YEAR, LITER,
                    MILE, MINUTE, NAUTICAL_MILE, PARSEC, PI, PLANCK_LENGTH, SURVEY_FOOT, SURVEY_MILE, US_BUSHEL,
                    US_GALLON, YARD, Amount, Category, Quantity, metric, other, si, us)

CODATA = "CODATA 2018 value, standard uncertainty in the error field."
SHAKU = Amount(Fraction(10, 33))  # Japanese Weights and Measures Act 1891
SAZHEN = 7 * FOOT                 # Russian measures tied to the English foot, 1835
ARSHIN = 28 * INCH
SHO = 64827 * (SHAKU / 100) ** 3


def length():
    units = [si("meter (m)", 1, "SI base unit: the length light travels in vacuum in 1/299792458 s.")]
    units += prefixed("meter", "m", symbols="Q R Y Z E P T G M k h da d c m µ n p f a z y r q")
    units += [
        metric("ångström (Å)", "1E-10", "0.1 nm, for atomic distances and wavelengths."),
        metric("astronomical unit (au)", ASTRONOMICAL_UNIT, "Exactly 149597870700 m (IAU 2012)."),
        other("light-second", C_LIGHT),
        other("light-minute", C_LIGHT * MINUTE),
        other("light-hour", C_LIGHT * HOUR),
        other("light-day", C_LIGHT * DAY),
        other("light-year (ly)", LIGHT_YEAR, "Distance light travels in one Julian year of 365.25 days (IAU)."),
        other("parsec (pc)", PARSEC, "648000/pi astronomical units (IAU 2015)."),
        other("kiloparsec (kpc)", 1000 * PARSEC),
        other("megaparsec (Mpc)", 10 ** 6 * PARSEC),
        other("gigaparsec (Gpc)", 10 ** 9 * PARSEC),
        us("inch (in)", INCH, "Exactly 25.4 mm (international yard and pound agreement, 1959)."),
        us("foot (ft)", FOOT, "The international foot: exactly 0.3048 m since 1959."),
        us("yard (yd)", YARD, "Exactly 0.9144 m (1959)."),
        us("mile (mi)", MILE, "The international statute mile: 5280 ft, exactly 1609.344 m."),
        us("mil (mil)", INCH / 1000, "One thousandth of an inch, also called thou."),
        us("microinch (µin)", INCH / 10 ** 6),
        us("hand", 4 * INCH, "4 inches, for the height of horses."),
        us("link (li)", FOOT * Fraction(66, 100), "1/100 chain."),
        us("rod (rd)", FOOT * Fraction(33, 2), "16.5 ft, also pole or perch."),
        us("chain (ch)", 66 * FOOT, "Gunter's chain: 66 ft."),
        us("furlong (fur)", 660 * FOOT),
        us("league (lea)", 3 * MILE, "3 international miles."),
        us("fathom (ftm)", 6 * FOOT),
        us("cable (US)", 720 * FOOT, "120 fathoms."),
        us("barleycorn", INCH / 3),
        metric("nautical mile (nmi)", NAUTICAL_MILE,
               "Exactly 1852 m (International Hydrographic Conference 1929): about one minute of latitude."),
        other("cable (international)", NAUTICAL_MILE / 10, "1/10 nautical mile."),
        other("nautical mile (Admiralty)", 6080 * FOOT, "6080 ft, the UK nautical mile until 1970."),
        us("survey foot (ftUS)", SURVEY_FOOT,
           "US survey foot: 1200/3937 m, 2 ppm longer than the international foot. Retired at the end of 2022, "
           "still found in land records."),
        us("survey mile (miUS)", SURVEY_MILE,
           "5280 US survey feet = 6336/3937 km, about 3.2 mm longer than the international mile."),
        us("survey chain (chUS)", 66 * SURVEY_FOOT),
        us("survey link (liUS)", SURVEY_FOOT * Fraction(66, 100)),
        us("survey rod (rdUS)", SURVEY_FOOT * Fraction(33, 2)),
        us("survey furlong (furUS)", 660 * SURVEY_FOOT),
        other("point (pt)", INCH / 72, "The desktop publishing point: 1/72 inch."),
        other("pica", INCH / 6, "12 points: 1/6 inch."),
        other("twip", INCH / 1440, "1/20 point: 1/1440 inch."),
        other("TeX point", INCH / Fraction("72.27"), "The traditional printer's point: 1/72.27 inch."),
        other("Scandinavian mile", 10000, "10 km, in everyday use in Norway and Sweden."),
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
        other("verst (Russia)", 500 * SAZHEN, "500 sazhen."),
        other("Bohr radius (a0)", BOHR_RADIUS, "Atomic unit of length. " + CODATA),
        other("Planck length (lP)", PLANCK_LENGTH, CODATA),
    ]
    refs = [
        ("Planck length", "1.616255E-35"),
        ("Bohr radius", "5.29177210903E-11"),
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
    units = [si("square meter (m²)")]
    units += prefixed("square {}meter", "{}m²", symbols="k h da d c m µ n", power=2)
    units += [
        metric("hectare (ha)", 10000, "100 m x 100 m."),
        metric("are (a)", 100, "10 m x 10 m."),
        metric("dunam", 1000, "The metric dunam of 1000 m²."),
        other("barn (b)", "1E-28", "Nuclear and particle cross sections."),
    ]
    units += prefixed("barn", "b", "1E-28", symbols="m µ n p f", icon=4)
    units += [
        us("square inch (in²)", INCH ** 2),
        us("square foot (ft²)", FOOT ** 2),
        us("square yard (yd²)", YARD ** 2),
        us("square mile (mi²)", MILE ** 2),
        us("acre (ac)", 4840 * YARD ** 2, "4840 square yards, exactly 4046.8564224 m² (international acre)."),
        us("rood", 1210 * YARD ** 2, "1/4 acre."),
        us("square rod (rd²)", (FOOT * Fraction(33, 2)) ** 2),
        us("square chain (ch²)", (66 * FOOT) ** 2, "1/10 acre."),
        us("square mil (mil²)", (INCH / 1000) ** 2),
        us("circular mil (cmil)", PI / 4 * (INCH / 1000) ** 2, "Area of a circle 1 mil across: wire cross sections."),
        us("circular inch", PI / 4 * INCH ** 2),
        us("survey acre (acUS)", 43560 * SURVEY_FOOT ** 2, "43560 square US survey feet."),
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
    units = [si("cubic meter (m³)")]
    units += prefixed("cubic {}meter", "{}m³", symbols="k d c m", power=3)
    units += [metric("liter (L)", LITER, "Exactly 1 dm³ (12th CGPM, 1964).")]
    units += prefixed("liter", "L", LITER, symbols="G M k h da d c m µ n p f", icon=2)
    units += [
        us("gallon (US) (gal)", US_GALLON, "US liquid gallon: 231 cubic inches, exactly 3.785411784 L."),
        us("quart (US liquid) (qt)", US_GALLON / 4),
        us("pint (US liquid) (pt)", US_GALLON / 8),
        us("cup (US) (c)", US_GALLON / 16),
        us("cup (US nutrition labeling)", 240 * LITER / 1000, "240 mL (US FDA)."),
        us("gill (US)", US_GALLON / 32),
        us("fluid ounce (US) (fl oz)", fl_oz_us, "1/128 US gallon."),
        us("tablespoon (US) (tbsp)", fl_oz_us / 2),
        us("teaspoon (US) (tsp)", fl_oz_us / 6),
        us("fluid dram (US)", fl_oz_us / 8),
        us("minim (US)", fl_oz_us / 480),
        us("barrel (oil) (bbl)", 42 * US_GALLON, "42 US gallons."),
        us("barrel (US liquid)", Fraction(63, 2) * US_GALLON, "31.5 US gallons."),
        us("hogshead (US)", 63 * US_GALLON),
        us("bushel (US) (bu)", US_BUSHEL, "The Winchester bushel: 2150.42 cubic inches."),
        us("peck (US) (pk)", US_BUSHEL / 4),
        us("dry gallon (US)", US_BUSHEL / 8),
        us("dry quart (US)", US_BUSHEL / 32),
        us("dry pint (US)", US_BUSHEL / 64),
        us("barrel (US dry)", 7056 * INCH ** 3, "7056 cubic inches."),
        us("gallon (imperial) (gal)", IMP_GALLON, "Exactly 4.54609 L (UK Weights and Measures Act 1985)."),
        us("quart (imperial) (qt)", IMP_GALLON / 4),
        us("pint (imperial) (pt)", IMP_GALLON / 8, "20 imperial fluid ounces."),
        us("gill (imperial)", IMP_GALLON / 32),
        us("fluid ounce (imperial) (fl oz)", fl_oz_imp, "1/160 imperial gallon, 4 % smaller than the US fluid ounce."),
        us("fluid dram (imperial)", fl_oz_imp / 8),
        us("minim (imperial)", fl_oz_imp / 480),
        us("bushel (imperial) (bu)", 8 * IMP_GALLON),
        us("peck (imperial) (pk)", 2 * IMP_GALLON),
        us("barrel (imperial)", 36 * IMP_GALLON, "36 imperial gallons (beer)."),
        us("cubic inch (in³)", INCH ** 3),
        us("cubic foot (ft³)", FOOT ** 3),
        us("cubic yard (yd³)", YARD ** 3),
        us("cubic mile (mi³)", MILE ** 3),
        us("acre-foot (ac·ft)", 43560 * FOOT ** 3, "One acre covered one foot deep: 43560 cubic feet."),
        us("board foot (FBM)", 144 * INCH ** 3, "144 cubic inches of lumber."),
        us("cord", 128 * FOOT ** 3, "128 cubic feet of stacked firewood."),
        us("hundred cubic feet (ccf)", 100 * FOOT ** 3, "Gas and water billing."),
        other("register ton", 100 * FOOT ** 3, "Ship capacity: 100 cubic feet."),
        other("stere (st)", 1, "1 m³ of firewood."),
        other("go (Japan)", SHO / 10),
        other("sho (Japan)", SHO, "2401/1331 L: 64827 cubic bu (Japanese law of 1891), about 1.8039 L."),
        other("to (Japan)", 10 * SHO),
        other("koku (Japan)", 100 * SHO, "100 sho: about 180.39 L."),
        other("cup (metric)", 250 * LITER / 1000),
        other("tablespoon (metric)", 15 * LITER / 1000),
        other("teaspoon (metric)", 5 * LITER / 1000),
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
    units = [si("radian (rad)", 1, "SI coherent unit: the angle subtending an arc equal to the radius.")]
    units += prefixed("radian", "rad", symbols="m µ n")
    units += [
        metric("degree (°)", degree, "pi/180 rad."),
        metric("minute of arc (')", degree / 60),
        metric("second of arc (\")", degree / 3600),
        other("milliarcsecond (mas)", degree / 3600000),
        other("microarcsecond (µas)", degree / 3600000000),
        other("gon (gon)", PI / 200, "Also grad or gradian: 1/400 of a turn."),
        other("revolution (rev)", 2 * PI, "One full turn."),
        other("quadrant", PI / 2),
        other("sextant", PI / 3),
        other("octant", PI / 4),
        other("sign (zodiac)", PI / 6, "30 degrees."),
        other("point (compass)", PI / 16, "1/32 turn: 11.25 degrees."),
        other("mil (NATO)", 2 * PI / 6400, "1/6400 turn."),
        other("mil (Warsaw Pact)", 2 * PI / 6000, "1/6000 turn."),
        other("streck (Sweden)", 2 * PI / 6300, "1/6300 turn."),
        other("hour angle (h)", PI / 12, "1/24 turn: 15 degrees."),
        other("minute of time (angle)", PI / 720),
        other("second of time (angle)", PI / 43200),
        other("binary degree (brad)", 2 * PI / 256, "1/256 turn."),
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
        si("millisteradian (msr)", "0.001"),
        metric("square degree (deg²)", degree ** 2),
        metric("square minute of arc", (degree / 60) ** 2),
        metric("square second of arc", (degree / 3600) ** 2),
        other("hemisphere", 2 * PI),
        other("spat (sp)", 4 * PI, "The full sphere: 4 pi sr."),
    ]
    return Quantity("Solid Angle", units, [("Full sphere", "12.5663706143592")])


CATEGORY = Category("Space and Time", 1, [length(), area(), volume(), angle(), solid_angle()]
                    + time_motion.quantities())
