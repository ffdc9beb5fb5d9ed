"""SI prefixes (SI Brochure, 9th ed., Table 7; ronna, quetta, ronto and quecto
added by the 27th CGPM, 2022) and the prefixed units built from them.

Each quantity names the prefixes in real use for it; a sweep through all
twenty-four would bury the units people look for. US spelling: "deka".
"""

from fractions import Fraction

from .units import Amount, Unit

PREFIXES = [
    ("quetta", "Q", 30), ("ronna", "R", 27), ("yotta", "Y", 24), ("zetta", "Z", 21),
    ("exa", "E", 18), ("peta", "P", 15), ("tera", "T", 12), ("giga", "G", 9),
    ("mega", "M", 6), ("kilo", "k", 3), ("hecto", "h", 2), ("deka", "da", 1),
    ("deci", "d", -1), ("centi", "c", -2), ("milli", "m", -3), ("micro", "µ", -6),
    ("nano", "n", -9), ("pico", "p", -12), ("femto", "f", -15), ("atto", "a", -18),
    ("zepto", "z", -21), ("yocto", "y", -24), ("ronto", "r", -27), ("quecto", "q", -30),
]

_BY_SYMBOL = {symbol: (name, exponent) for name, symbol, exponent in PREFIXES}


def power_of_ten(exponent):
    return Amount(Fraction(10) ** exponent)


def prefixed(name, symbol, rate=1, symbols="", power=1, icon=1, also=None):
    """Units "<prefix><name> (<prefix><symbol>)" for each prefix symbol listed,
    in the order listed.

    name and symbol may hold "{}" where the prefix goes ("square {}meter",
    "{}m²"); power is the power the prefix is raised to (2 for areas); also
    maps a prefix symbol to that unit's other names ("µ": "micron").
    """
    base = Amount.of(rate)
    units = []
    for s in symbols.split():
        prefix, exponent = _BY_SYMBOL[s]
        names = tuple(a.strip() for a in (also or {}).get(s, "").split(",") if a.strip())
        units.append(Unit(f"{_place(name, prefix)} ({_place(symbol, s)})", base * power_of_ten(exponent * power),
                          icon=icon, also=names))
    return units


def _place(template, prefix):
    return template.format(prefix) if "{}" in template else prefix + template


# The ohm's sign has no Windows-1252 byte: ohm units are written by name, and
# their other names carry the symbol spelled "Ohm" ("kOhm"). Kilohm and megohm
# drop the prefix's vowel (NIST SP 811, 9.2).
_OHM_NAMES = {"k": "kilohm", "M": "megohm"}


def ohm_units(symbols):
    """The ohm family by name, with the prefixes listed."""
    units = []
    for s in symbols.split():
        prefix, exponent = _BY_SYMBOL[s]
        name = _OHM_NAMES.get(s, prefix + "ohm")
        also = ((f"{prefix}ohm",) if s in _OHM_NAMES else ()) + (f"{s}Ohm",) + (("uOhm",) if s == "µ" else ())
        units.append(Unit(name, power_of_ten(exponent), also=also))
    return units
