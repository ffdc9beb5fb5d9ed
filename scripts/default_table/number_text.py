"""Rates, offsets and their errors as the table file writes them.

Finite decimals of exact definitions are written in full (up to 20 significant
digits) with error "0"; other exact definitions to 15 significant digits with
an empty error; measured values to the digits of their source with their
standard uncertainty to 2 digits; conventional rounded values to their own
digits with an empty error. Plain form for magnitudes from 1E-4 up to
below 1E+15, else mantissa and exponent ("1.602176634E-19").
"""

from decimal import ROUND_HALF_EVEN, Decimal, localcontext
from fractions import Fraction

from . import codata2022
from .units import Amount

EXACT_DIGITS = 20    # longest finite decimal written in full
ROUNDED_DIGITS = 15


def _is_finite_decimal(value: Fraction) -> bool:
    d = value.denominator
    for p in (2, 5):
        while d % p == 0:
            d //= p
    return d == 1


def _to_decimal(value: Fraction, digits: int) -> Decimal:
    """The value rounded to the given significant digits (halves to even)."""
    with localcontext() as ctx:
        ctx.prec = digits
        ctx.rounding = ROUND_HALF_EVEN
        return Decimal(value.numerator) / Decimal(value.denominator)


def _to_digits(value: Fraction, digits: int) -> Decimal:
    """Exactly the given significant digits, trailing zeros kept (9809.50)."""
    d = _to_decimal(value, digits)
    return d.quantize(Decimal(1).scaleb(d.adjusted() - digits + 1))


def _two_digits(value: Fraction) -> Decimal:
    """An uncertainty to two significant digits, a trailing zero kept (8.0E-21)."""
    d = _to_decimal(value, 2)
    return d.quantize(Decimal(1).scaleb(d.adjusted() - 1))


def decimal_text(d: Decimal, keep_zeros: bool) -> str:
    """Plain form for magnitudes 1E-4 up to below 1E+15, else "1.5E-19" form."""
    if d == 0:
        return "0"
    sign, digits, exp = d.as_tuple()
    s = "".join(map(str, digits))
    if not keep_zeros:
        stripped = s.rstrip("0")
        exp += len(s) - len(stripped)
        s = stripped
    n = len(s)
    adjusted = exp + n - 1
    if -4 <= adjusted < 15:
        if exp >= 0:
            text = s + "0" * exp
        elif n + exp > 0:
            text = s[: n + exp] + "." + s[n + exp:]
        else:
            text = "0." + "0" * (-(n + exp)) + s
    else:
        mantissa = s[0] + ("." + s[1:] if n > 1 else "")
        text = f"{mantissa}E{'+' if adjusted >= 0 else '-'}{abs(adjusted):02d}"
    return ("-" if sign else "") + text


def number_fields(amount: Amount):
    """(value text, error text) of a rate or offset."""
    value = amount.value
    if amount.unc:
        return (decimal_text(_to_digits(value, amount.digits), True),
                decimal_text(_two_digits(amount.unc), True))
    if amount.digits:
        return decimal_text(_to_digits(value, amount.digits), True), ""
    if amount.exact and _is_finite_decimal(value):
        text = decimal_text(_to_decimal(value, 200), False)
        if sum(c.isdigit() for c in text.split("E")[0].lstrip("-0.")) <= EXACT_DIGITS:
            return text, "0"
    # A rounded form of an exact definition: the error is read from its last digit.
    return decimal_text(_to_decimal(value, ROUNDED_DIGITS), True), ""


def rounded_text(amount: Amount) -> str:
    return number_fields(amount)[0]


def source_text(text: str) -> str:
    """A value as its source prints it ("0.00015E-11"), in the table's form."""
    return decimal_text(Decimal(text), True)


def codata_text(name: str) -> str:
    """A CODATA value in the table's form, for reference items."""
    return source_text(codata2022.VALUES[name][0])
