"""SI prefixes (SI Brochure, 9th ed., Table 7; ronna, quetta, ronto and quecto
added by the 27th CGPM, 2022) and the prefixed units built from them.

US spelling: "deka".
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

ALL = " ".join(symbol for _, symbol, _ in PREFIXES)
# The prefixes of everyday engineering use.
COMMON = "T G M k m µ n p"


def power_of_ten(exponent):
    return Amount(Fraction(10) ** exponent)


def prefixed(name, symbol, rate=1, symbols=ALL, power=1, icon=1, names=None):
    """Units "<prefix><name> (<prefix><symbol>)" for each prefix symbol listed.

    name and symbol may hold "{}" where the prefix goes ("square {}meter",
    "{}m²"); power is the power the prefix is raised to (2 for areas).
    names overrides a prefixed name where usage contracts it ("kilohm").
    """
    base = Amount.of(rate)
    units = []
    for s in symbols.split():
        prefix, exponent = _BY_SYMBOL[s]
        full_name = (names or {}).get(s) or _place(name, prefix)
        full_symbol = _place(symbol, s)
        units.append(Unit(f"{full_name} ({full_symbol})", base * power_of_ten(exponent * power), icon=icon))
    return units


def _place(template, prefix):
    return template.format(prefix) if "{}" in template else prefix + template


def ohm_units(suffix="", scale=1, memo=""):
    """The ohm family by name: kilohm and megohm contract the prefix's vowel."""
    units = [Unit(f"ohm{suffix}", Amount.of(scale), memo=memo)]
    for prefix, _, exponent in PREFIXES:
        name = {"kilo": "kilohm", "mega": "megohm"}.get(prefix, prefix + "ohm")
        units.append(Unit(name + suffix, Amount.of(scale) * power_of_ten(exponent)))
    return units
