"""Time, frequency and motion quantities of the category Space and Time, the
screen-distance quantity whose pixel rates the program sets at load, and the
resolution of screens and printers.

Sources: SI Brochure 9th ed.; NIST SP 811 Appendix B; IAU (Julian year); IERS
Conventions 2010 (mean sidereal day); Astronomical Almanac (mean tropical
year at J2000); W3C CSS Values and Units (96 reference pixels per inch).
"""

from fractions import Fraction

from .prefixes import prefixed
from .units import (ATOMIC_TIME, C_LIGHT, CODATA_NOTE, DAY, FOOT, GREGORIAN_YEAR, HOUR, INCH, JULIAN_YEAR, MILE,
                    MINUTE, NAUTICAL_MILE, PI, PLANCK_TIME, STANDARD_GRAVITY, YARD, Quantity, codata, metric, other,
                    rounded, si, us)

KNOT = NAUTICAL_MILE / HOUR
WEEK = 7 * DAY


def time():
    units = [
        si("second (s)", 1, "SI base unit: 9192631770 periods of the Cs-133 hyperfine transition.", also="sec"),
        si("millisecond (ms)", "0.001", also="msec"),
        metric("minute (min)", MINUTE),
        metric("hour (h)", HOUR, also="hr"),
        metric("day (d)", DAY, "86400 s."),
        other("week (wk)", WEEK),
        other("year (365 days)", 365 * DAY, "The common calendar year."),
        other("year (Julian) (a)", JULIAN_YEAR, "365.25 days: the year of astronomy and of the light-year (IAU).",
              also="yr, annum, Julian year"),
    ]
    units += prefixed("second", "s", symbols="µ n p f a", also={"µ": "usec", "n": "nsec"})
    units += [
        other("fortnight", 2 * WEEK, "14 days."),
        other("month (30 days)", 30 * DAY),
        other("month (Julian)", JULIAN_YEAR / 12, "1/12 Julian year: 30.4375 days."),
        other("month (Gregorian)", GREGORIAN_YEAR / 12, "1/12 Gregorian year: 30.436875 days."),
        other("year (Gregorian)", GREGORIAN_YEAR, "365.2425 days: the mean calendar year.", also="Gregorian year"),
        other("leap year (366 days)", 366 * DAY),
        other("decade (Julian)", 10 * JULIAN_YEAR),
        other("century (Julian)", 100 * JULIAN_YEAR, also="centuries"),
        other("millennium (Julian)", 1000 * JULIAN_YEAR, also="millennia"),
        other("megaannum (Ma)", 10 ** 6 * JULIAN_YEAR, "Million Julian years.", also="Myr, million years"),
        other("gigaannum (Ga)", 10 ** 9 * JULIAN_YEAR, "Billion Julian years.", also="Gyr, billion years"),
        other("sidereal day", rounded("86164.0905"),
              "Mean sidereal day: one turn of the Earth against the vernal equinox, 23 h 56 min 4.0905 s "
              "(IERS Conventions 2010)."),
        other("tropical year", rounded("365.24219") * DAY,
              "Mean tropical year, equinox to equinox: about 365.24219 days (epoch J2000). "
              "It shortens by about half a second a century.", also="solar year"),
        other("shake", "1E-08", "10 ns, from nuclear physics."),
        other("svedberg (S)", "1E-13", "Sedimentation coefficients."),
        other("atomic unit of time", ATOMIC_TIME, CODATA_NOTE),
        other("Planck time (tP)", PLANCK_TIME, CODATA_NOTE),
    ]
    refs = [
        ("One period of the Cs-133 hyperfine transition", "1.08782775707767E-10"),
        ("Light travel time Sun-Earth (1 au)", "499.004783836"),
        ("Mean sidereal day (about)", "86164.0905"),
        ("Mean synodic month (about)", "2551442.9"),
        ("Sidereal year (about)", "31558149.8"),
        ("Half-life of carbon-14 (about 5700 years)", "1.7988E+11"),
        ("Age of the Earth (about 4.54 billion years)", "1.433E+17"),
        ("Age of the universe (about 13.8 billion years)", "4.35E+17"),
    ]
    return Quantity("Time", units, refs)


def frequency():
    units = [si("hertz (Hz)", 1, "One cycle per second.")]
    units += prefixed("hertz", "Hz", symbols="k M G")
    units += [
        other("revolution per minute (rpm)", Fraction(1, 60), "As a rate of turns. See Angular Velocity for rad/s.",
              also="r/min, rev/min"),
    ]
    units += prefixed("hertz", "Hz", symbols="m T")
    units += [
        other("cycle per second (cps)", 1, "The old name of the hertz."),
        other("cycle per minute", Fraction(1, 60)),
        other("revolution per second (rps)", 1, also="r/s"),
        other("beat per minute (bpm)", Fraction(1, 60), also="beats per minute"),
    ]
    refs = [
        ("Mains frequency in Europe", "50"),
        ("Mains frequency in North America", "60"),
        ("Middle C (A4 = 440 Hz, equal temperament)", "261.625565300599"),
        ("Concert pitch A4", "440"),
        ("Upper limit of human hearing (about)", "20000"),
        ("FM radio band (about)", "1E+08"),
        ("Hydrogen line (21 cm)", "1420405751.768"),
        ("Wi-Fi band (2.4 GHz)", "2.4E+09"),
        ("Cs-133 hyperfine transition (defines the second)", "9192631770"),
        ("Frequency defining the candela (540 THz)", "5.4E+14"),
    ]
    return Quantity("Frequency", units, refs)


def speed():
    units = [
        si("meter per second (m/s)"),
        metric("kilometer per hour (km/h)", 1000 / HOUR, also="kph, kmh, km/hr"),
        us("mile per hour (mph)", MILE / HOUR, "Exactly 0.44704 m/s.", also="mi/h, miles per hour"),
        metric("knot (kn)", KNOT, "One nautical mile per hour: 1852/3600 m/s.", also="kt"),
        us("foot per second (ft/s)", FOOT, also="fps, feet per second"),
        si("kilometer per second (km/s)", 1000),
        si("centimeter per second (cm/s)", "0.01"),
        si("millimeter per second (mm/s)", "0.001"),
        metric("meter per minute (m/min)", 1 / MINUTE),
        metric("meter per hour (m/h)", 1 / HOUR),
        metric("millimeter per hour (mm/h)", Fraction(1, 1000) / HOUR, "Rainfall intensity."),
        metric("millimeter per year (mm/a)", Fraction(1, 1000) / JULIAN_YEAR, "Per Julian year."),
        metric("centimeter per year (cm/a)", Fraction(1, 100) / JULIAN_YEAR, "Per Julian year: plate motion."),
        us("mile per second (mi/s)", MILE),
        us("foot per minute (ft/min)", FOOT / MINUTE, also="fpm, feet per minute"),
        us("inch per second (in/s)", INCH, also="ips"),
        us("inch per minute (in/min)", INCH / MINUTE, "Feed rates of machine tools.", also="ipm"),
        other("speed of light (c)", C_LIGHT, "299792458 m/s exactly."),
        other("atomic unit of velocity", codata("atomic unit of velocity"), CODATA_NOTE),
    ]
    refs = [
        ("Continental drift (about 2.5 cm a year)", "7.9E-10"),
        ("Walking pace (about)", "1.4"),
        ("Average speed of the 100 m world record (9.58 s)", "10.4384133611691"),
        ("120 km/h", "33.3333333333333"),
        ("Speed of sound in dry air at 20 °C (about)", "343.2"),
        ("Speed of sound in water at 20 °C (about)", "1481"),
        ("Escape velocity from the Earth's surface (about)", "11186"),
        ("Mean orbital speed of the Earth (about)", "29780"),
        ("Speed of light in vacuum", "299792458"),
    ]
    return Quantity("Speed", units, refs)


def pace():
    memo = ("Time per distance, as runners, walkers and swimmers count it. It is the reciprocal of speed: "
            "km/h goes up where min/km goes down, so the two cannot share one linear quantity.")
    units = [
        si("second per meter (s/m)", 1, memo),
        metric("minute per kilometer (min/km)", MINUTE / 1000, also="min per km"),
        us("minute per mile (min/mi)", MINUTE / MILE, also="min per mile"),
        metric("second per 100 meters (s/100 m)", Fraction(1, 100), "Swimming and rowing splits."),
        metric("second per kilometer (s/km)", Fraction(1, 1000)),
        us("second per mile (s/mi)", 1 / MILE),
        us("second per 100 yards (s/100 yd)", 1 / (100 * YARD), "Swimming in yard pools."),
        metric("minute per 500 meters (min/500 m)", MINUTE / 500, "Rowing machines."),
    ]
    refs = [
        ("Marathon world record pace (2:00:35, Chicago 2023)", "0.17146581348501"),
        ("Walking at 5 km/h", "0.72"),
    ]
    return Quantity("Pace", units, refs)


def acceleration():
    units = [
        si("meter per second squared (m/s²)"),
        other("standard gravity (g0)", STANDARD_GRAVITY, "Exactly 9.80665 m/s² (3rd CGPM, 1901).",
              also="g-force, gn, gee"),
        us("foot per second squared (ft/s²)", FOOT),
        metric("kilometer per hour per second (km/(h·s))", 1000 / HOUR),
        us("mile per hour per second (mph/s)", MILE / HOUR),
        si("centimeter per second squared (cm/s²)", "0.01"),
        si("millimeter per second squared (mm/s²)", "0.001"),
        other("gal (Gal)", "0.01", "1 cm/s², the CGS unit used in gravimetry.", also="galileo"),
        other("milligal (mGal)", "1E-05"),
        other("microgal (µGal)", "1E-08"),
        us("inch per second squared (in/s²)", INCH),
    ]
    refs = [
        ("Gravity at the surface of the Moon (about)", "1.62"),
        ("Gravity at the surface of Mars (about)", "3.72"),
        ("Standard gravity on the Earth", "9.80665"),
        ("Gravity at the cloud tops of Jupiter (about)", "24.79"),
        ("Gravity at the surface of the Sun (about)", "274"),
    ]
    return Quantity("Acceleration", units, refs)


def jerk():
    units = [
        si("meter per second cubed (m/s³)", 1, "Rate of change of acceleration."),
        other("standard gravity per second (g0/s)", STANDARD_GRAVITY),
        us("foot per second cubed (ft/s³)", FOOT),
    ]
    return Quantity("Jerk", units)


def angular_velocity():
    degree = PI / 180
    turn = 2 * PI
    units = [
        si("radian per second (rad/s)"),
        other("revolution per minute (rpm)", turn / MINUTE, "2 pi/60 rad/s.", also="r/min, rev/min"),
        metric("degree per second (°/s)", degree),
        other("revolution per second (r/s)", turn, also="rps, rev/s"),
        si("milliradian per second (mrad/s)", "0.001"),
        metric("radian per minute (rad/min)", 1 / MINUTE),
        metric("degree per minute (°/min)", degree / MINUTE),
        metric("degree per hour (°/h)", degree / HOUR, "Drift of gyroscopes."),
        other("revolution per hour (r/h)", turn / HOUR),
    ]
    refs = [
        ("Rotation of the Earth (sidereal)", "7.292115E-05"),
        ("Second hand of a clock", "0.10471975511966"),
        ("Car engine idling at 800 rpm", "83.7758040957278"),
        ("Hard disk at 7200 rpm", "753.98223686155"),
    ]
    return Quantity("Angular Velocity", units, refs)


def angular_acceleration():
    turn = 2 * PI
    units = [
        si("radian per second squared (rad/s²)"),
        metric("degree per second squared (°/s²)", PI / 180),
        other("revolution per minute per second (rpm/s)", turn / MINUTE),
        other("revolution per second squared (r/s²)", turn),
        other("revolution per minute squared (r/min²)", turn / MINUTE ** 2),
    ]
    return Quantity("Angular Acceleration", units)


def wavenumber():
    units = [
        si("reciprocal meter (1/m)", 1, "Waves or cycles per meter.", also="m-1, per metre"),
        si("reciprocal centimeter (1/cm)", 100, "Spectroscopy.", also="cm-1, per centimetre"),
    ]
    units += [si(f"reciprocal {p}meter (1/{s}m)", r, also=f"{s.replace('µ', 'u')}m-1") for p, s, r in
              (("kilo", "k", "0.001"), ("milli", "m", 1000), ("micro", "µ", "1E6"), ("nano", "n", "1E9"))]
    units += [
        other("kayser (K)", 100, "1/cm, the CGS unit of spectroscopy."),
        metric("diopter (dpt)", 1, "Optical power of a lens: 1/m."),
        us("reciprocal inch (1/in)", 1 / INCH),
        us("reciprocal foot (1/ft)", 1 / FOOT),
    ]
    return Quantity("Wavenumber", units, [("Hydrogen line (21 cm)", "4.73796359402744")])


def screen_distance():
    twip = INCH / 1440
    units = [
        other("twip", 1, "1/1440 inch: the reference unit of screen distances."),
        other("pixel (x)", 15, "Replaced at load by the display's horizontal twips per pixel.", also="px"),
        other("pixel (y)", 15, "Replaced at load by the display's vertical twips per pixel."),
        other("point (pt)", 20, "1/72 inch."),
        other("inch (in)", 1440, also="inches"),
        si("centimeter (cm)", Fraction(1, 100) / twip),
        si("millimeter (mm)", Fraction(1, 1000) / twip),
        other("pica", 240, "12 points: 1/6 inch."),
        other("half-point", 10, "Font sizes in word processors."),
        si("meter (m)", 1 / twip),
        other("TeX point", 1440 / Fraction("72.27"), "1/72.27 inch."),
        other("English Metric Unit (EMU)", Fraction(1440, 914400), "1/914400 inch, used in office documents."),
    ]
    return Quantity("Screen Distance", units)


def resolution():
    dpi = 1 / INCH
    units = [
        si("dot per meter (dot/m)", 1, "Dots, pixels or lines per unit of length."),
        other("dot per inch (dpi)", dpi, "Printers and scanners.", also="dots per inch"),
        other("pixel per inch (ppi)", dpi, "Screens and digital images.", also="pixels per inch"),
        other("dot per centimeter (dpcm)", 100, also="dots per centimetre, dots per cm"),
        other("pixel per centimeter (px/cm)", 100),
        other("dot per millimeter (dot/mm)", 1000, "Thermal label printers: 8 dot/mm is 203 dpi."),
        other("line per inch (lpi)", dpi, "Halftone screens in printing."),
    ]
    refs = [
        ("Reference pixel of CSS and desktops (96 per inch)", "3779.52755905512"),
        ("Early Macintosh screen (72 per inch)", "2834.64566929134"),
        ("Photo printing (300 dpi)", "11811.0236220472"),
        ("Office laser printer (600 dpi)", "23622.0472440945"),
    ]
    return Quantity("Resolution", units, refs)


def quantities():
    return [time(), frequency(), speed(), pace(), acceleration(), jerk(), angular_velocity(), angular_acceleration(),
            wavenumber(), screen_distance(), resolution()]
