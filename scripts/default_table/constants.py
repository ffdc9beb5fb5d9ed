"""The Constants quantity: CODATA 2018 recommended values.

Each item: name, value (text as CODATA prints it, or an Amount computed from
the exact SI defining constants), unit text, memo with uncertainty and source.
The value of a constant that CODATA marks exact but that has no finite decimal
form is written to 15 significant digits.
"""

from decimal import Decimal, localcontext
from fractions import Fraction

from .number_text import rounded_text, source_text
from .units import (ATMOSPHERE, C_LIGHT, DELTA_NU_CS, E_CHARGE, H_PLANCK, K_BOLTZMANN, K_CD, N_AVOGADRO,
                    PI, STANDARD_GRAVITY, ZERO_CELSIUS, Amount, x)

NAME = "Constants"
ICON = 2
SOURCE = "CODATA 2018"


def _displacement_root(n):
    """The root x > 0 of (x - n) e^x + n = 0 (Wien's displacement law)."""
    with localcontext() as ctx:
        ctx.prec = 50
        root = Decimal(n)
        for _ in range(200):
            root = n * (1 - (-root).exp())
        return Amount(Fraction(root), exact=False)


HBAR = H_PLANCK / (2 * PI)
MU_0 = ("1.25663706212E-6", "0.00000000019E-6")


def _exact(name, value, unit, how="defining constant of the SI"):
    return (name, rounded_text(value), unit, f"Exact ({how}). {SOURCE}.")


def _derived(name, value, unit, how):
    return (name, rounded_text(value), unit, f"Exact, {how}, shown to 15 digits. {SOURCE}.")


def _measured(name, value, uncertainty, unit):
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
        # Measured constants: value and standard uncertainty as CODATA gives them.
        _measured("Newtonian constant of gravitation", "6.67430E-11", "0.00015E-11", "m³/(kg·s²)"),
        _measured("Fine-structure constant", "7.2973525693E-3", "0.0000000011E-3", ""),
        _measured("Inverse fine-structure constant", "137.035999084", "0.000000021", ""),
        _measured("Rydberg constant", "10973731.568160", "0.000021", "1/m"),
        _measured("Bohr radius", "5.29177210903E-11", "0.00000000080E-11", "m"),
        _measured("Vacuum magnetic permeability", MU_0[0], MU_0[1], "N/A²"),
        _measured("Vacuum electric permittivity", "8.8541878128E-12", "0.0000000013E-12", "F/m"),
        _measured("Characteristic impedance of vacuum", "376.730313668", "0.000000057", "ohm"),
        _measured("Electron mass", "9.1093837015E-31", "0.0000000028E-31", "kg"),
        _measured("Proton mass", "1.67262192369E-27", "0.00000000051E-27", "kg"),
        _measured("Neutron mass", "1.67492749804E-27", "0.00000000095E-27", "kg"),
        _measured("Muon mass", "1.883531627E-28", "0.000000042E-28", "kg"),
        _measured("Deuteron mass", "3.3435837724E-27", "0.0000000010E-27", "kg"),
        _measured("Alpha particle mass", "6.6446573357E-27", "0.0000000020E-27", "kg"),
        _measured("Atomic mass constant", "1.66053906660E-27", "0.00000000050E-27", "kg"),
        _measured("Molar mass constant", "0.99999999965E-3", "0.00000000030E-3", "kg/mol"),
        _measured("Proton-electron mass ratio", "1836.15267343", "0.00000011", ""),
        _measured("Electron charge to mass quotient", "-1.75882001076E11", "0.00000000053E11", "C/kg"),
        _measured("Electron mass energy equivalent in MeV", "0.51099895000", "0.00000000015", "MeV"),
        _measured("Proton mass energy equivalent in MeV", "938.27208816", "0.00000029", "MeV"),
        _measured("Hartree energy", "4.3597447222071E-18", "0.0000000000085E-18", "J"),
        _measured("Rydberg constant times hc in eV", "13.605693122994", "0.000000000026", "eV"),
        _measured("Bohr magneton", "9.2740100783E-24", "0.0000000028E-24", "J/T"),
        _measured("Nuclear magneton", "5.0507837461E-27", "0.0000000015E-27", "J/T"),
        _measured("Electron magnetic moment", "-9.2847647043E-24", "0.0000000028E-24", "J/T"),
        _measured("Proton magnetic moment", "1.41060679736E-26", "0.00000000060E-26", "J/T"),
        _measured("Electron g factor", "-2.00231930436256", "0.00000000000035", ""),
        _measured("Proton gyromagnetic ratio", "2.6752218744E8", "0.0000000011E8", "1/(s·T)"),
        _measured("Classical electron radius", "2.8179403262E-15", "0.0000000013E-15", "m"),
        _measured("Compton wavelength", "2.42631023867E-12", "0.00000000073E-12", "m"),
        _measured("Thomson cross section", "6.6524587321E-29", "0.0000000060E-29", "m²"),
        _measured("Proton rms charge radius", "8.414E-16", "0.019E-16", "m"),
        _measured("Fermi coupling constant", "1.1663787E-5", "0.0000006E-5", "1/GeV²"),
        _measured("Weak mixing angle", "0.22290", "0.00030", ""),
        _measured("Planck length", "1.616255E-35", "0.000018E-35", "m"),
        _measured("Planck mass", "2.176434E-8", "0.000024E-8", "kg"),
        _measured("Planck time", "5.391247E-44", "0.000060E-44", "s"),
        _measured("Planck temperature", "1.416784E32", "0.000016E32", "K"),
    ]
