"""CODATA 2022 recommended values of the measured constants the table uses.

Source: NIST, "CODATA Internationally recommended 2022 values of the
fundamental physical constants" (published May 2024). Each entry is the value
and its standard uncertainty exactly as the listing prints them, and the unit.
The next adjustment is a change of this table and of SOURCE, nothing else:
the Constants quantity and every unit resting on a measured constant take
their values from here, and the generator's checks compare the written table
against it.

Keys are the listing's names in lower case; the Constants quantity shows them
with a capital first letter.
"""

from decimal import Decimal
from fractions import Fraction

SOURCE = "CODATA 2022"

VALUES = {
    "newtonian constant of gravitation": ("6.67430E-11", "0.00015E-11", "m³/(kg·s²)"),
    "fine-structure constant": ("7.2973525643E-3", "0.0000000011E-3", ""),
    "inverse fine-structure constant": ("137.035999177", "0.000000021", ""),
    "rydberg constant": ("10973731.568157", "0.000012", "1/m"),
    "bohr radius": ("5.29177210544E-11", "0.00000000082E-11", "m"),
    "vacuum magnetic permeability": ("1.25663706127E-6", "0.00000000020E-6", "N/A²"),
    "vacuum electric permittivity": ("8.8541878188E-12", "0.0000000014E-12", "F/m"),
    "characteristic impedance of vacuum": ("376.730313412", "0.000000059", "ohm"),
    "electron mass": ("9.1093837139E-31", "0.0000000028E-31", "kg"),
    "proton mass": ("1.67262192595E-27", "0.00000000052E-27", "kg"),
    "neutron mass": ("1.67492750056E-27", "0.00000000085E-27", "kg"),
    "muon mass": ("1.883531627E-28", "0.000000042E-28", "kg"),
    "deuteron mass": ("3.3435837768E-27", "0.0000000010E-27", "kg"),
    "alpha particle mass": ("6.6446573450E-27", "0.0000000021E-27", "kg"),
    "atomic mass constant": ("1.66053906892E-27", "0.00000000052E-27", "kg"),
    "molar mass constant": ("1.00000000105E-3", "0.00000000031E-3", "kg/mol"),
    "proton-electron mass ratio": ("1836.152673426", "0.000000032", ""),
    "electron charge to mass quotient": ("-1.75882000838E11", "0.00000000055E11", "C/kg"),
    "electron mass energy equivalent": ("8.1871057880E-14", "0.0000000026E-14", "J"),
    "electron mass energy equivalent in mev": ("0.51099895069", "0.00000000016", "MeV"),
    "proton mass energy equivalent in mev": ("938.27208943", "0.00000029", "MeV"),
    "hartree energy": ("4.3597447222060E-18", "0.0000000000048E-18", "J"),
    "rydberg constant times hc in j": ("2.1798723611030E-18", "0.0000000000024E-18", "J"),
    "rydberg constant times hc in ev": ("13.605693122990", "0.000000000015", "eV"),
    "bohr magneton": ("9.2740100657E-24", "0.0000000029E-24", "J/T"),
    "nuclear magneton": ("5.0507837393E-27", "0.0000000016E-27", "J/T"),
    "electron magnetic moment": ("-9.2847646917E-24", "0.0000000029E-24", "J/T"),
    "proton magnetic moment": ("1.41060679545E-26", "0.00000000060E-26", "J/T"),
    "electron g factor": ("-2.00231930436092", "0.00000000000036", ""),
    "proton gyromagnetic ratio": ("2.6752218708E8", "0.0000000011E8", "1/(s·T)"),
    "classical electron radius": ("2.8179403205E-15", "0.0000000013E-15", "m"),
    "compton wavelength": ("2.42631023538E-12", "0.00000000076E-12", "m"),
    "thomson cross section": ("6.6524587051E-29", "0.0000000062E-29", "m²"),
    "proton rms charge radius": ("8.4075E-16", "0.0064E-16", "m"),
    "fermi coupling constant": ("1.1663787E-5", "0.0000006E-5", "1/GeV²"),
    "weak mixing angle": ("0.22305", "0.00023", ""),
    "planck length": ("1.616255E-35", "0.000018E-35", "m"),
    "planck mass": ("2.176434E-8", "0.000024E-8", "kg"),
    "planck time": ("5.391247E-44", "0.000060E-44", "s"),
    "planck temperature": ("1.416784E32", "0.000016E32", "K"),
    # Atomic units (Hartree system).
    "atomic unit of time": ("2.4188843265864E-17", "0.0000000000026E-17", "s"),
    "atomic unit of velocity": ("2.18769126216E6", "0.00000000034E6", "m/s"),
    "atomic unit of force": ("8.2387235038E-8", "0.0000000013E-8", "N"),
    "atomic unit of momentum": ("1.99285191545E-24", "0.00000000031E-24", "kg·m/s"),
    "atomic unit of current": ("6.6236182375082E-3", "0.0000000000072E-3", "A"),
    "atomic unit of electric potential": ("27.211386245981", "0.000000000030", "V"),
    "atomic unit of magnetic flux density": ("2.35051757077E5", "0.00000000073E5", "T"),
    "atomic unit of electric field": ("5.14220675112E11", "0.00000000080E11", "V/m"),
    "atomic unit of electric dipole moment": ("8.4783536198E-30", "0.0000000013E-30", "C·m"),
    "atomic unit of charge density": ("1.08120238677E12", "0.00000000051E12", "C/m³"),
}


def value(name):
    """(value, uncertainty) of a listed constant as Decimals."""
    text, uncertainty, _ = VALUES[name.lower()]
    return Decimal(text), Decimal(uncertainty)


def fraction(name):
    return Fraction(value(name)[0])
