"""Exact definitions shared by the category modules, and the records they build.

Every factor is an Amount: a Fraction together with what is known about it.
  exact     - fixed by definition; written in full when its decimal form ends
              (error "0"), else rounded to 15 significant digits (error empty,
              so the error estimate takes half a unit of the last digit)
  unc       - absolute standard uncertainty when the factor rests on a measured
              constant; written as the RateError
  digits    - significant digits the source gives, for a measured value or
              a conventional rounded one (written to those digits, error
              empty: half a unit of the last digit)
Products of an exact definition and one measured constant keep the relative
uncertainty of the constant; two measured factors are never combined here.
"""

from dataclasses import dataclass, field
from decimal import Decimal
from fractions import Fraction

from . import codata2022


class Amount:
    __slots__ = ("value", "exact", "unc", "digits")

    def __init__(self, value, exact=True, unc=Fraction(0), digits=None):
        self.value = Fraction(value)
        self.exact = exact
        self.unc = Fraction(unc)
        self.digits = digits

    @staticmethod
    def of(x):
        return x if isinstance(x, Amount) else Amount(Fraction(x))

    def inverse(self):
        return Amount(1 / self.value, self.exact, self.unc / self.value ** 2, self.digits)

    def __mul__(self, other):
        o = Amount.of(other)
        if (self.unc or self.digits) and (o.unc or o.digits):
            raise ValueError("two measured or rounded factors in one product")
        value = self.value * o.value
        measured = self if self.unc or self.digits else o
        unc = abs(measured.unc / measured.value * value) if measured.unc else Fraction(0)
        return Amount(value, self.exact and o.exact, unc, measured.digits)

    __rmul__ = __mul__

    def __truediv__(self, other):
        return self * Amount.of(other).inverse()

    def __rtruediv__(self, other):
        return Amount.of(other) * self.inverse()

    def __pow__(self, n):
        if self.unc or self.digits:
            raise ValueError("power of a measured factor")
        return Amount(self.value ** n, self.exact)

    def __add__(self, other):
        o = Amount.of(other)
        if self.unc or o.unc or self.digits or o.digits:
            raise ValueError("sum with a measured or rounded term")
        return Amount(self.value + o.value, self.exact and o.exact)

    __radd__ = __add__

    def __neg__(self):
        return Amount(-self.value, self.exact, self.unc, self.digits)

    def __sub__(self, other):
        return self + (-Amount.of(other))

    def __rsub__(self, other):
        return Amount.of(other) + (-self)


def x(text):
    """An exact decimal definition written as text, e.g. x("0.0254")."""
    return Amount(Fraction(text))


def _digits(value):
    return len(value.upper().split("E")[0].replace("-", "").replace(".", "").lstrip("0"))


def measured(value, uncertainty):
    """A measured value and its standard uncertainty, as the source prints them."""
    return Amount(Fraction(Decimal(value)), False, Fraction(Decimal(uncertainty)), _digits(value))


def rounded(value):
    """A conventional value known only to the digits given ("86164.0905")."""
    return Amount(Fraction(Decimal(value)), False, digits=_digits(value))


def codata(name):
    """A measured constant from the CODATA table."""
    text, uncertainty, _ = codata2022.VALUES[name]
    return measured(text, uncertainty)


# pi to 60 decimals: a rounded form of an exact number, never written exactly.
PI = Amount(Fraction("3.141592653589793238462643383279502884197169399375105820974944"), exact=False)

ONE = Amount(1)
ZERO = Amount(0)

# --- SI defining constants (SI Brochure, 9th ed., 2019: exact) ---------------
C_LIGHT = x("299792458")          # m/s
H_PLANCK = x("6.62607015E-34")    # J s
E_CHARGE = x("1.602176634E-19")   # C
K_BOLTZMANN = x("1.380649E-23")   # J/K
N_AVOGADRO = x("6.02214076E23")   # 1/mol
K_CD = x("683")                   # lm/W at 540 THz
DELTA_NU_CS = x("9192631770")     # Hz

# --- Units of length and mass (international yard and pound, 1959) ----------
METER = ONE
INCH = x("0.0254")
FOOT = 12 * INCH                  # 0.3048 m
YARD = 3 * FOOT                   # 0.9144 m
MILE = 5280 * FOOT                # 1609.344 m
POUND = x("0.45359237")           # kg
GRAIN = POUND / 7000              # 64.79891 mg
OUNCE = POUND / 16                # avoirdupois
TROY_OUNCE = 480 * GRAIN
# US survey foot (NIST SP 811, Appendix B; withdrawn 2022 but still in records)
SURVEY_FOOT = Amount(Fraction(1200, 3937))
SURVEY_MILE = 5280 * SURVEY_FOOT
NAUTICAL_MILE = x("1852")         # international, 1929

# --- Volume ------------------------------------------------------------------
LITER = x("0.001")                # 1964 CGPM: exactly 1 dm3
US_GALLON = 231 * INCH ** 3       # 3.785411784 L
US_BUSHEL = x("2150.42") * INCH ** 3
IMP_GALLON = x("0.00454609")      # UK Weights and Measures Act 1985

# --- Time ----------------------------------------------------------------------
MINUTE = x("60")
HOUR = 60 * MINUTE
DAY = 24 * HOUR
JULIAN_YEAR = x("365.25") * DAY   # IAU
GREGORIAN_YEAR = x("365.2425") * DAY

# --- Mechanics -----------------------------------------------------------------
STANDARD_GRAVITY = x("9.80665")   # m/s2, 3rd CGPM 1901
POUND_FORCE = POUND * STANDARD_GRAVITY      # 4.4482216152605 N
KILOGRAM_FORCE = STANDARD_GRAVITY
ATMOSPHERE = x("101325")          # Pa, 10th CGPM 1954
TORR = ATMOSPHERE / 760
# Conventional mercury (13595.1 kg/m3) and water (1000 kg/m3) columns under
# standard gravity (NIST SP 811, Appendix B).
MMHG = x("13595.1") * STANDARD_GRAVITY * x("0.001")
MMH2O = x("1000") * STANDARD_GRAVITY * x("0.001")
HORSEPOWER = 550 * FOOT * POUND_FORCE       # 550 ft lbf/s
METRIC_HORSEPOWER = 75 * KILOGRAM_FORCE     # 75 kgf m/s

# --- Heat --------------------------------------------------------------------
CAL_IT = x("4.1868")              # International Steam Table calorie, 1956
CAL_TH = x("4.184")               # thermochemical calorie
RANKINE = Amount(Fraction(5, 9))  # kelvin per degree Fahrenheit or Rankine
# British thermal unit: the calorie per gram and kelvin carried over to the
# pound and the degree Fahrenheit.
BTU_IT = CAL_IT * 1000 * POUND * RANKINE    # 1055.05585262 J
BTU_TH = CAL_TH * 1000 * POUND * RANKINE
ZERO_CELSIUS = x("273.15")        # K

# --- Electromagnetism: Gaussian and electromagnetic CGS units ---------------
# statcoulomb = 1/(10 c) C with c in m/s; abampere = 10 A.
STAT_CHARGE = 1 / (10 * C_LIGHT)
AB_CURRENT = x("10")

# --- Astronomy (IAU 2012 Resolution B2, IAU 2015 Resolution B2 and B3) -------
ASTRONOMICAL_UNIT = x("149597870700")
LIGHT_YEAR = C_LIGHT * JULIAN_YEAR
PARSEC = ASTRONOMICAL_UNIT * 648000 / PI

# --- Measured constants used as units (codata2022.py) ---------------------------
CODATA_NOTE = f"{codata2022.SOURCE} value, standard uncertainty in the error field."
ELECTRON_MASS = codata("electron mass")
PROTON_MASS = codata("proton mass")
NEUTRON_MASS = codata("neutron mass")
ATOMIC_MASS_UNIT = codata("atomic mass constant")
GRAVITATION = codata("newtonian constant of gravitation")
BOHR_RADIUS = codata("bohr radius")
HARTREE = codata("hartree energy")
RYDBERG_ENERGY = codata("rydberg constant times hc in j")
ATOMIC_TIME = codata("atomic unit of time")
PLANCK_LENGTH = codata("planck length")
PLANCK_MASS = codata("planck mass")
PLANCK_TIME = codata("planck time")


# --- Records -------------------------------------------------------------------
@dataclass
class Unit:
    name: str
    rate: Amount
    offset: Amount = ZERO
    memo: str = ""
    icon: int = 1
    also: tuple = ()  # other spellings people type; written at the start of the memo


@dataclass
class Quantity:
    name: str
    units: list
    references: list = field(default_factory=list)  # (name, value text in unit 1)


@dataclass
class Category:
    name: str
    icon: int
    quantities: list


# Icons: 1 SI, 2 accepted for use with the SI or metric, 3 US customary and
# imperial, 4 other systems (CGS, atomic, regional, historical).
# also: the other spellings as one text, "metre, mtr".
def _unit(icon, name, rate, memo, offset, also):
    names = tuple(a.strip() for a in also.split(",")) if also else ()
    return Unit(name, Amount.of(rate), Amount.of(offset), memo, icon, names)


def si(name, rate=1, memo="", offset=0, also=""):
    return _unit(1, name, rate, memo, offset, also)


def metric(name, rate, memo="", offset=0, also=""):
    return _unit(2, name, rate, memo, offset, also)


def us(name, rate, memo="", offset=0, also=""):
    return _unit(3, name, rate, memo, offset, also)


def other(name, rate, memo="", offset=0, also=""):
    return _unit(4, name, rate, memo, offset, also)
