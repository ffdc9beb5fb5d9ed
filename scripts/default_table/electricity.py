"""Category Electricity and Magnetism.

SI units with every prefix, then the Gaussian (stat-) and electromagnetic
(ab-) CGS units. Their factors come from the speed of light alone:
statcoulomb = 1/(10 c) C with c in m/s, abampere = 10 A (NIST SP 811
Appendix B, SI Brochure 9th ed.). The ohm's sign has no Windows-1252 byte,
so ohm units are written by name only.
"""

from fractions import Fraction

from . import electric_materials
from .prefixes import ALL, ohm_units, prefixed
from .units import (AB_CURRENT, C_LIGHT, E_CHARGE, H_PLANCK, INCH, N_AVOGADRO, PI, STAT_CHARGE, Category, Quantity,
                    measured, metric, other, si, x)

CODATA = "CODATA 2018 value, standard uncertainty in the error field."
STAT_VOLT = C_LIGHT / 10 ** 6     # 299.792458 V
STAT_OHM = STAT_VOLT / STAT_CHARGE  # c² x 1E-5 ohm
OERSTED = 1000 / (4 * PI)          # A/m


def _si_family(name, symbol, memo):
    return [si(f"{name} ({symbol})", 1, memo)] + prefixed(name, symbol, symbols=ALL)


def current():
    units = _si_family("ampere", "A", "SI base unit, fixed since 2019 by the elementary charge.")
    units += [
        other("abampere (abA)", AB_CURRENT, "Electromagnetic CGS unit: 10 A."),
        other("biot (Bi)", AB_CURRENT, "The same as the abampere."),
        other("statampere (statA)", STAT_CHARGE, "Gaussian CGS unit: 1 statC/s."),
        other("atomic unit of current", measured("6.623618237510E-3", "0.000000000013E-3"), CODATA),
    ]
    refs = [("LED (typical)", "0.02"), ("USB 2.0 port", "0.5"), ("Household circuit (Europe)", "16"),
            ("Car starter motor (about)", "200"), ("Lightning stroke (typical, about)", "30000")]
    return Quantity("Electric Current", units, refs)


def charge():
    units = _si_family("coulomb", "C", "1 A·s.")
    units += [
        metric("ampere-hour (Ah)", 3600, "Battery capacity."),
        metric("milliampere-hour (mAh)", Fraction(36, 10)),
        metric("ampere-minute (A·min)", 60),
        other("abcoulomb (abC)", AB_CURRENT, "Electromagnetic CGS unit: 10 C."),
        other("statcoulomb (statC)", STAT_CHARGE, "Gaussian CGS unit: 1/(10 c) C, c in m/s."),
        other("franklin (Fr)", STAT_CHARGE, "The same as the statcoulomb."),
        other("faraday", N_AVOGADRO * E_CHARGE, "The charge of one mole of electrons."),
        other("elementary charge (e)", E_CHARGE, "Exactly 1.602176634E-19 C since 2019."),
    ]
    refs = [("Elementary charge", "1.602176634E-19"), ("Lightning stroke (typical, about)", "15"),
            ("Smartphone battery, 4000 mAh", "14400"), ("Faraday constant (1 mol of electrons)", "96485.3321233100184"),
            ("Car battery, 60 Ah", "216000")]
    return Quantity("Electric Charge", units, refs)


def voltage():
    units = _si_family("volt", "V", "1 W/A.")
    units += [
        other("abvolt (abV)", "1E-08", "Electromagnetic CGS unit."),
        other("statvolt (statV)", STAT_VOLT, "Gaussian CGS unit: c/10^6 V, c in m/s."),
        other("atomic unit of electric potential", measured("27.211386245988", "0.000000000053"), CODATA),
    ]
    refs = [("Resting potential of a nerve cell (magnitude, about)", "0.07"), ("AA battery", "1.5"),
            ("USB", "5"), ("Car battery", "12"), ("Mains in North America (RMS)", "120"),
            ("Mains in Europe (RMS)", "230"), ("High-voltage power line (about)", "400000")]
    return Quantity("Voltage", units, refs)




def resistance():
    units = ohm_units(memo="1 V/A. Written by name: the omega sign has no place in the table's character set.")
    units += [
        other("abohm (abOhm)", "1E-09", "Electromagnetic CGS unit."),
        other("statohm (statOhm)", STAT_OHM, "Gaussian CGS unit: c² x 1E-5 ohm, c in m/s."),
        other("von Klitzing constant (RK)", H_PLANCK / E_CHARGE ** 2, "h/e², the quantized Hall resistance."),
    ]
    refs = [("Copper wire 1 m long, 1 mm² (about)", "0.0168"), ("Human body, hand to hand (about)", "1000"),
            ("Dry skin (about)", "100000")]
    return Quantity("Electric Resistance", units, refs)


def conductance():
    units = _si_family("siemens", "S", "1 A/V, the reciprocal ohm.")
    units += [
        other("mho", 1, "The old name of the siemens."),
        other("abmho (abS)", "1E9", "Electromagnetic CGS unit."),
        other("statmho (statS)", 1 / STAT_OHM, "Gaussian CGS unit."),
        other("conductance quantum (G0)", 2 * E_CHARGE ** 2 / H_PLANCK, "2e²/h."),
    ]
    return Quantity("Electric Conductance", units)


def capacitance():
    units = _si_family("farad", "F", "1 C/V.")
    units += [
        other("abfarad (abF)", "1E9", "Electromagnetic CGS unit."),
        other("statfarad (statF)", 1 / STAT_OHM, "Gaussian CGS unit: about 1.11265 pF."),
    ]
    refs = [("Human body (about)", "1E-10"), ("Electrolytic capacitor, 1000 µF", "0.001"),
            ("Supercapacitor (about)", "3000")]
    return Quantity("Capacitance", units, refs)


def inductance():
    units = _si_family("henry", "H", "1 Wb/A.")
    units += [
        other("abhenry (abH)", "1E-09", "Electromagnetic CGS unit."),
        other("stathenry (statH)", STAT_OHM, "Gaussian CGS unit."),
    ]
    return Quantity("Inductance", units)


def magnetic_flux():
    units = _si_family("weber", "Wb", "1 V·s.")
    units += [
        si("volt second (V·s)", 1),
        other("maxwell (Mx)", "1E-08", "CGS unit: 1 G·cm²."),
        other("magnetic flux quantum (Phi0)", H_PLANCK / (2 * E_CHARGE), "h/(2e)."),
    ]
    return Quantity("Magnetic Flux", units, [("Magnetic flux quantum", "2.06783384846193E-15")])


def flux_density():
    units = _si_family("tesla", "T", "1 Wb/m².")
    units += [
        other("gauss (G)", "0.0001", "CGS unit: 1 Mx/cm²."),
        other("milligauss (mG)", "1E-07"),
        other("kilogauss (kG)", "0.1"),
        other("gamma", "1E-09", "1 nT, in geophysics."),
        other("atomic unit of magnetic flux density", measured("2.35051756758E5", "0.00000000071E5"), CODATA),
    ]
    refs = [("Magnetic field of the Earth at the surface (about)", "5E-05"),
            ("Refrigerator magnet (about)", "0.005"), ("MRI scanner (typical)", "1.5"),
            ("Strongest continuous laboratory field (about)", "45"), ("Magnetar (about)", "1E+11")]
    return Quantity("Magnetic Flux Density", units, refs)


def field_strength():
    units = [
        si("ampere per meter (A/m)"),
        si("kiloampere per meter (kA/m)", 1000),
        si("milliampere per meter (mA/m)", "0.001"),
        si("ampere per centimeter (A/cm)", 100),
        si("ampere per millimeter (A/mm)", 1000),
        si("ampere-turn per meter (At/m)", 1),
        other("ampere-turn per inch (At/in)", 1 / INCH),
        other("oersted (Oe)", OERSTED, "CGS unit: 1000/(4 pi) A/m."),
        other("kilooersted (kOe)", 1000 * OERSTED),
        other("millioersted (mOe)", OERSTED / 1000),
    ]
    return Quantity("Magnetic Field Strength", units, [("Magnetic field of the Earth (about)", "40")])


def magnetomotive_force():
    units = [
        si("ampere (A)", 1, "Magnetomotive force: the current linked by the magnetic circuit."),
        si("ampere-turn (At)", 1),
        si("kiloampere-turn (kAt)", 1000),
        other("gilbert (Gb)", 10 / (4 * PI), "CGS unit: 10/(4 pi) A."),
        other("abampere-turn", AB_CURRENT),
    ]
    return Quantity("Magnetomotive Force", units)


def electric_field():
    units = [
        si("volt per meter (V/m)", 1, "Also newton per coulomb."),
        si("kilovolt per meter (kV/m)", 1000),
        si("megavolt per meter (MV/m)", "1E6"),
        si("millivolt per meter (mV/m)", "0.001"),
        si("microvolt per meter (µV/m)", "1E-06"),
        si("volt per centimeter (V/cm)", 100),
        si("kilovolt per centimeter (kV/cm)", 100000),
        si("volt per millimeter (V/mm)", 1000),
        other("volt per inch (V/in)", 1 / INCH),
        other("kilovolt per inch (kV/in)", 1000 / INCH),
        other("statvolt per centimeter (statV/cm)", STAT_VOLT * 100),
        other("abvolt per centimeter (abV/cm)", "1E-06"),
        other("atomic unit of electric field", measured("5.14220674763E11", "0.00000000078E11"), CODATA),
    ]
    refs = [("Fair-weather field near the ground (about)", "100"), ("Breakdown of dry air (about)", "3E+06")]
    return Quantity("Electric Field Strength", units, refs)


def dipole_moment():
    units = [
        si("coulomb meter (C·m)"),
        other("debye (D)", Fraction(1, 10 ** 21) / C_LIGHT, "1E-21/c C·m, c in m/s: molecular dipoles."),
        other("elementary charge ångström (e·Å)", E_CHARGE * x("1E-10")),
        other("statcoulomb centimeter (statC·cm)", STAT_CHARGE / 100),
        other("atomic unit of electric dipole moment", measured("8.4783536255E-30", "0.0000000013E-30"), CODATA),
    ]
    return Quantity("Electric Dipole Moment", units, [("Water molecule, 1.85 D (about)", "6.17E-30")])










def magnetic_moment():
    units = [
        si("joule per tesla (J/T)", 1, "Also ampere square meter."),
        si("ampere square meter (A·m²)", 1),
        other("erg per gauss (emu)", "0.001", "Electromagnetic CGS unit of magnetic moment."),
        other("Bohr magneton (muB)", measured("9.2740100783E-24", "0.0000000028E-24"), CODATA),
        other("nuclear magneton (muN)", measured("5.0507837461E-27", "0.0000000015E-27"), CODATA),
    ]
    return Quantity("Magnetic Moment", units)


CATEGORY = Category("Electricity and Magnetism", 4, [
    current(), charge(), voltage(), resistance(), conductance(), capacitance(), inductance(), magnetic_flux(),
    flux_density(), field_strength(), magnetomotive_force(), electric_field(), dipole_moment(),
    magnetic_moment()] + electric_materials.quantities())
