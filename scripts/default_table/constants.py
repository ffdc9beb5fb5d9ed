"""The Constants quantity: CODATA recommended values.

Each item: name, value, unit text, memo with uncertainty and source. Exact
constants are computed from the SI defining constants; a constant that CODATA
marks exact but that has no finite decimal form is written to 15 significant
digits. Measured constants come from codata2022.py, named as it names them.
"""

from decimal import Decimal, localcontext
from fractions import Fraction

from . import codata2022
from .number_text import rounded_text, source_text
from .units import (ATMOSPHERE, C_LIGHT, DELTA_NU_CS, E_CHARGE, H_PLANCK, K_BOLTZMANN, K_CD, N_AVOGADRO,
                    PI, STANDARD_GRAVITY, ZERO_CELSIUS, Amount, x)

NAME = "Constants"
ICON = 2
SOURCE = codata2022.SOURCE


def _displacement_root(n):
    """The root x > 0 of (x - n) e^x + n = 0 (Wien's displacement law)."""
    with localcontext() as ctx:
        ctx.prec = 50
        root = Decimal(n)
        for _ in range(200):
            root = n * (1 - (-root).exp())
        return Amount(Fraction(root), exact=False)


HBAR = H_PLANCK / (2 * PI)


def _exact(name, value, unit, how="defining constant of the SI"):
    return (name, rounded_text(value), unit, f"Exact ({how}). {SOURCE}.")


def _derived(name, value, unit, how):
    return (name, rounded_text(value), unit, f"Exact, {how}, shown to 15 digits. {SOURCE}.")


def _measured(name):
    value, uncertainty, unit = codata2022.VALUES[name.lower()]
    tail = f" {unit}" if unit else ""
    return (name, source_text(value), unit, f"Standard uncertainty {source_text(uncertainty)}{tail}. {SOURCE}.")


def items():
    wien_x = _displacement_root(5)
    wien_f = _displacement_root(3)
    return [
        # Defining constants and their exact consequences.
        _exact("Speed of light in vacuum", C_LIGHT, "m/s"),
        _exact("Planck constant", H_PLANCK, "J·s"),
        _derived("Reduced Planck constant", HBAR, "J·s", "h/(2 pi)"),
        _exact("Elementary charge", E_CHARGE, "C"),
        _exact("Boltzmann constant", K_BOLTZMANN, "J/K"),
        _exact("Avogadro constant", N_AVOGADRO, "1/mol"),
        _exact("Hyperfine transition frequency of Cs-133", DELTA_NU_CS, "Hz"),
        _exact("Luminous efficacy of 540 THz radiation", K_CD, "lm/W"),
        _exact("Molar gas constant", N_AVOGADRO * K_BOLTZMANN, "J/(mol·K)", "NA k"),
        _exact("Faraday constant", N_AVOGADRO * E_CHARGE, "C/mol", "NA e"),
        _derived("Stefan-Boltzmann constant", 2 * PI ** 5 * K_BOLTZMANN ** 4 / (15 * H_PLANCK ** 3 * C_LIGHT ** 2),
                 "W/(m²·K^4)", "2 pi^5 k^4/(15 h^3 c^2)"),
        _derived("Wien wavelength displacement law constant", H_PLANCK * C_LIGHT / (K_BOLTZMANN * wien_x), "m·K",
                 "hc/(4.965114231744... k)"),
        _derived("Wien frequency displacement law constant", wien_f * K_BOLTZMANN / H_PLANCK, "Hz/K",
                 "2.821439372122... k/h"),
        _derived("First radiation constant", 2 * PI * H_PLANCK * C_LIGHT ** 2, "W·m²", "2 pi h c^2"),
        _derived("Second radiation constant", H_PLANCK * C_LIGHT / K_BOLTZMANN, "m·K", "hc/k"),
        _derived("Magnetic flux quantum", H_PLANCK / (2 * E_CHARGE), "Wb", "h/(2e)"),
        _derived("Conductance quantum", 2 * E_CHARGE ** 2 / H_PLANCK, "S", "2e^2/h"),
        _derived("Von Klitzing constant", H_PLANCK / E_CHARGE ** 2, "ohm", "h/e^2"),
        _derived("Josephson constant", 2 * E_CHARGE / H_PLANCK, "Hz/V", "2e/h"),
        _exact("Electron volt", E_CHARGE, "J", "e times 1 V"),
        _derived("Boltzmann constant in eV/K", K_BOLTZMANN / E_CHARGE, "eV/K", "k/e"),
        _derived("Planck constant in eV·s", H_PLANCK / E_CHARGE, "eV·s", "h/e"),
        _derived("Molar volume of ideal gas (273.15 K, 101.325 kPa)",
                 N_AVOGADRO * K_BOLTZMANN * ZERO_CELSIUS / ATMOSPHERE, "m³/mol", "R T/p"),
        _derived("Loschmidt constant (273.15 K, 101.325 kPa)", ATMOSPHERE / (K_BOLTZMANN * ZERO_CELSIUS), "1/m³",
                 "p/(k T)"),
        _exact("Standard acceleration of gravity", STANDARD_GRAVITY, "m/s²", "adopted value, 3rd CGPM 1901"),
        _exact("Standard atmosphere", ATMOSPHERE, "Pa", "adopted value, 10th CGPM 1954"),
        _exact("Standard-state pressure", x("100000"), "Pa", "adopted value"),
        # Measured constants: value and standard uncertainty from codata2022.py.
        _measured("Newtonian constant of gravitation"),
        _measured("Fine-structure constant"),
        _measured("Inverse fine-structure constant"),
        _measured("Rydberg constant"),
        _measured("Bohr radius"),
        _measured("Vacuum magnetic permeability"),
        _measured("Vacuum electric permittivity"),
        _measured("Characteristic impedance of vacuum"),
        _measured("Electron mass"),
        _measured("Proton mass"),
        _measured("Neutron mass"),
        _measured("Muon mass"),
        _measured("Deuteron mass"),
        _measured("Alpha particle mass"),
        _measured("Atomic mass constant"),
        _measured("Molar mass constant"),
        _measured("Proton-electron mass ratio"),
        _measured("Electron charge to mass quotient"),
        _measured("Electron mass energy equivalent in MeV"),
        _measured("Proton mass energy equivalent in MeV"),
        _measured("Hartree energy"),
        _measured("Rydberg constant times hc in eV"),
        _measured("Bohr magneton"),
        _measured("Nuclear magneton"),
        _measured("Electron magnetic moment"),
        _measured("Proton magnetic moment"),
        _measured("Electron g factor"),
        _measured("Proton gyromagnetic ratio"),
        _measured("Classical electron radius"),
        _measured("Compton wavelength"),
        _measured("Thomson cross section"),
        _measured("Proton rms charge radius"),
        _measured("Fermi coupling constant"),
        _measured("Weak mixing angle"),
        _measured("Planck length"),
        _measured("Planck mass"),
        _measured("Planck time"),
        _measured("Planck temperature"),
    ]
