"""Time, frequency and motion quantities of the category Space and Time, and
the screen-distance quantity whose pixel rates the program sets at load.

Sources: SI Brochure 9th ed.; NIST SP 811 Appendix B; IAU (Julian year).
"""

from fractions import Fraction

from .prefixes import prefixed
from .units import (ATOMIC_TIME, C_LIGHT, DAY, FOOT, GREGORIAN_YEAR, HOUR, INCH, JULIAN_YEAR, MILE, MINUTE,
                    NAUTICAL_MILE, PI, PLANCK_TIME, STANDARD_GRAVITY, Quantity, measured, metric, other, si, us)

CODATA = "CODATA 2018 value, standard uncertainty in the error field."
KNOT = NAUTICAL_MILE / HOUR
WEEK = 7 * DAY


def time():
    units = [si("second (s)", 1, "SI base unit: 9192631770 periods of the Cs-133 hyperfine transition.")]
    units += prefixed("second", "s", symbols="G M k d c m µ n p f a z y")
    units += [
        metric("minute (min)", MINUTE),
        metric("hour (h)", HOUR),
        metric("day (d)", DAY, "86400 s."),
        other("week (wk)", WEEK),
        other("fortnight", 2 * WEEK),
        other("month (30 days)", 30 * DAY),
        other("month (Julian)", JULIAN_YEAR / 12, "1/12 Julian year: 30.4375 days."),
        other("month (Gregorian)", GREGORIAN_YEAR / 12, "1/12 Gregorian year: 30.436875 days."),
        other("year (Julian) (a)", JULIAN_YEAR, "365.25 days: the year of astronomy and of the light-year (IAU)."),
        other("year (Gregorian)", GREGORIAN_YEAR, "365.2425 days: the mean calendar year."),
        other("year (365 days)", 365 * DAY),
        other("leap year (366 days)", 366 * DAY),
        other("decade (Julian)", 10 * JULIAN_YEAR),
        other("century (Julian)", 100 * JULIAN_YEAR),
        other("millennium (Julian)", 1000 * JULIAN_YEAR),
        other("megaannum (Ma)", 10 ** 6 * JULIAN_YEAR, "Million Julian years."),
        other("gigaannum (Ga)", 10 ** 9 * JULIAN_YEAR, "Billion Julian years."),
        other("shake", "1E-08", "10 ns, from nuclear physics."),
        other("svedberg (S)", "1E-13", "Sedimentation coefficients."),
        other("atomic unit of time", ATOMIC_TIME, CODATA),
        other("Planck time (tP)", PLANCK_TIME, CODATA),
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
    units += prefixed("hertz", "Hz", symbols="Q R Y Z E P T G M k h da d c m µ n p f a z y r q")
    units += [
        other("cycle per second (cps)", 1),
        other("cycle per minute", Fraction(1, 60)),
        other("cycle per hour", Fraction(1, 3600)),
        other("cycle per day", 1 / DAY),
        other("revolution per minute (rpm)", Fraction(1, 60), "As a rate of turns. See Angular Velocity for rad/s."),
        other("revolution per second (rps)", 1),
        other("beat per minute (bpm)", Fraction(1, 60)),
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
        si("kilometer per second (km/s)", 1000),
        si("centimeter per second (cm/s)", "0.01"),
        si("millimeter per second (mm/s)", "0.001"),
        si("micrometer per second (µm/s)", "1E-06"),
        metric("kilometer per hour (km/h)", 1000 / HOUR),
        metric("kilometer per minute (km/min)", 1000 / MINUTE),
        metric("meter per minute (m/min)", 1 / MINUTE),
        metric("meter per hour (m/h)", 1 / HOUR),
        metric("millimeter per hour (mm/h)", Fraction(1, 1000) / HOUR),
        metric("millimeter per year (mm/a)", Fraction(1, 1000) / JULIAN_YEAR, "Per Julian year."),
        metric("centimeter per year (cm/a)", Fraction(1, 100) / JULIAN_YEAR, "Per Julian year."),
        us("mile per hour (mph)", MILE / HOUR, "Exactly 0.44704 m/s."),
        us("mile per minute (mi/min)", MILE / MINUTE),
        us("mile per second (mi/s)", MILE),
        us("foot per second (ft/s)", FOOT),
        us("foot per minute (ft/min)", FOOT / MINUTE),
        us("foot per hour (ft/h)", FOOT / HOUR),
        us("inch per second (in/s)", INCH),
        us("inch per minute (in/min)", INCH / MINUTE),
        us("yard per second (yd/s)", 3 * FOOT),
        metric("knot (kn)", KNOT, "One nautical mile per hour: 1852/3600 m/s."),
        other("furlong per fortnight", 660 * FOOT / (14 * DAY)),
        other("speed of light (c)", C_LIGHT, "299792458 m/s exactly."),
        other("atomic unit of velocity", measured("2.18769126364E6", "0.00000000033E6"), CODATA),
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


def acceleration():
    units = [
        si("meter per second squared (m/s²)"),
        si("kilometer per second squared (km/s²)", 1000),
        si("centimeter per second squared (cm/s²)", "0.01"),
        si("millimeter per second squared (mm/s²)", "0.001"),
        other("gal (Gal)", "0.01", "1 cm/s², the CGS unit used in gravimetry."),
        other("milligal (mGal)", "1E-05"),
        other("microgal (µGal)", "1E-08"),
        other("standard gravity (g0)", STANDARD_GRAVITY, "Exactly 9.80665 m/s² (3rd CGPM, 1901)."),
        metric("kilometer per hour per second (km/(h·s))", 1000 / HOUR),
        us("foot per second squared (ft/s²)", FOOT),
        us("inch per second squared (in/s²)", INCH),
        us("mile per hour per second (mph/s)", MILE / HOUR),
        metric("knot per second (kn/s)", KNOT),
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
        si("centimeter per second cubed (cm/s³)", "0.01"),
        us("foot per second cubed (ft/s³)", FOOT),
        other("standard gravity per second (g0/s)", STANDARD_GRAVITY),
        other("gal per second (Gal/s)", "0.01"),
    ]
    return Quantity("Jerk", units)


def angular_velocity():
    degree = PI / 180
    turn = 2 * PI
    units = [
        si("radian per second (rad/s)"),
        si("milliradian per second (mrad/s)", "0.001"),
        metric("radian per minute (rad/min)", 1 / MINUTE),
        metric("radian per hour (rad/h)", 1 / HOUR),
        metric("degree per second (°/s)", degree),
        metric("degree per minute (°/min)", degree / MINUTE),
        metric("degree per hour (°/h)", degree / HOUR),
        other("revolution per second (r/s)", turn),
        other("revolution per minute (rpm)", turn / MINUTE, "2 pi/60 rad/s."),
        other("revolution per hour (r/h)", turn / HOUR),
        other("revolution per day (r/d)", turn / DAY),
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
        metric("radian per minute squared (rad/min²)", 1 / MINUTE ** 2),
        metric("degree per second squared (°/s²)", PI / 180),
        other("revolution per second squared (r/s²)", turn),
        other("revolution per minute squared (r/min²)", turn / MINUTE ** 2),
        other("revolution per minute per second (rpm/s)", turn / MINUTE),
    ]
    return Quantity("Angular Acceleration", units)


def wavenumber():
    units = [si("reciprocal meter (1/m)", 1, "Waves or cycles per meter.")]
    units += [si(f"reciprocal {p}meter (1/{s}m)", r) for p, s, r in
              (("kilo", "k", "0.001"), ("centi", "c", 100), ("milli", "m", 1000), ("micro", "µ", "1E6"),
               ("nano", "n", "1E9"))]
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
        other("pixel (x)", 15, "Replaced at load by the display's horizontal twips per pixel."),
        other("pixel (y)", 15, "Replaced at load by the display's vertical twips per pixel."),
        other("point (pt)", 20, "1/72 inch."),
        other("half-point", 10, "Font sizes in word processors."),
        other("pica", 240, "12 points: 1/6 inch."),
        other("inch (in)", 1440),
        si("meter (m)", 1 / twip),
        si("centimeter (cm)", Fraction(1, 100) / twip),
        si("millimeter (mm)", Fraction(1, 1000) / twip),
        other("TeX point", 1440 / Fraction("72.27"), "1/72.27 inch."),
        other("English Metric Unit (EMU)", Fraction(1440, 914400), "1/914400 inch, used in office documents."),
    ]
    return Quantity("Screen Distance", units)


def quantities():
    return [time(), frequency(), speed(), acceleration(), jerk(), angular_velocity(), angular_acceleration(),
            wavenumber(), screen_distance()]
