"""Category Electricity and Magnetism.

SI units with the prefixes engineers use, then the Gaussian (stat-) and
electromagnetic (ab-) CGS units. Their factors come from the speed of light
alone: statcoulomb = 1/(10 c) C with c in m/s, abampere = 10 A (NIST SP 811
Appendix B, SI Brochure 9th ed.). The ohm's sign has no Windows-1252 byte,
so ohm units are written by name only.
"""

from fractions import Fraction

from . import electric_materials
from .prefixes import ohm_units, prefixed
from .units import (AB_CURRENT, C_LIGHT, CODATA_NOTE, E_CHARGE, H_PLANCK, INCH, N_AVOGADRO, PI, STAT_CHARGE, Category,
                    Quantity, codata, metric, other, si, x)

STAT_VOLT = C_LIGHT / 10 ** 6     # 299.792458 V
STAT_OHM = STAT_VOLT / STAT_CHARGE  # c² x 1E-5 ohm
OERSTED = 1000 / (4 * PI)          # A/m


def _si_family(name, symbol, memo, first, rest, also="", prefix_also=None):
    """The unit, then its prefixed forms people use most, then the others in use."""
    return ([si(f"{name} ({symbol})", 1, memo, also=also)] + prefixed(name, symbol, symbols=first, also=prefix_also)
            + prefixed(name, symbol, symbols=rest, also=prefix_also))


def current():
    units = _si_family("ampere", "A", "SI base unit, fixed since 2019 by the elementary charge.", "m µ k", "n p",
                       also="amp")
    units += [
        other("abampere (abA)", AB_CURRENT, "Electromagnetic CGS unit: 10 A.", also="biot"),
        other("statampere (statA)", STAT_CHARGE, "Gaussian CGS unit: 1 statC/s."),
        other("atomic unit of current", codata("atomic unit of current"), CODATA_NOTE),
    ]
    refs = [("LED (typical)", "0.02"), ("USB 2.0 port", "0.5"), ("Household circuit (Europe)", "16"),
            ("Car starter motor (about)", "200"), ("Lightning stroke (typical, about)", "30000")]
    return Quantity("Electric Current", units, refs)


def charge():
    units = [
        si("coulomb (C)", 1, "1 A·s."),
        metric("milliampere-hour (mAh)", Fraction(36, 10), "Battery capacity."),
        metric("ampere-hour (Ah)", 3600, "Battery capacity.", also="amp-hour"),
    ]
    units += prefixed("coulomb", "C", symbols="µ n p m k")
    units += [
        other("abcoulomb (abC)", AB_CURRENT, "Electromagnetic CGS unit: 10 C."),
        other("statcoulomb (statC)", STAT_CHARGE, "Gaussian CGS unit: 1/(10 c) C, c in m/s.", also="franklin, esu"),
        other("faraday", N_AVOGADRO * E_CHARGE, "The charge of one mole of electrons."),
        other("elementary charge (e)", E_CHARGE, "Exactly 1.602176634E-19 C since 2019."),
    ]
    refs = [("Elementary charge", "1.602176634E-19"), ("Lightning stroke (typical, about)", "15"),
            ("Smartphone battery, 4000 mAh", "14400"), ("Faraday constant (1 mol of electrons)", "96485.3321233100184"),
            ("Car battery, 60 Ah", "216000")]
    return Quantity("Electric Charge", units, refs)


def voltage():
    units = _si_family("volt", "V", "1 W/A.", "m k µ M", "n")
    units += [
        other("abvolt (abV)", "1E-08", "Electromagnetic CGS unit."),
        other("statvolt (statV)", STAT_VOLT, "Gaussian CGS unit: c/10^6 V, c in m/s."),
        other("atomic unit of electric potential", codata("atomic unit of electric potential"), CODATA_NOTE),
    ]
    refs = [("Resting potential of a nerve cell (magnitude, about)", "0.07"), ("AA battery", "1.5"),
            ("USB", "5"), ("Car battery", "12"), ("Mains in North America (RMS)", "120"),
            ("Mains in Europe (RMS)", "230"), ("High-voltage power line (about)", "400000")]
    return Quantity("Voltage", units, refs)


def apparent_power():
    units = [
        si("volt-ampere (VA)", 1,
           "RMS voltage times RMS current. The dimension of the watt, kept apart: with a power factor below 1 "
           "fewer watts flow than volt-amperes."),
        si("kilovolt-ampere (kVA)", 1000),
        si("megavolt-ampere (MVA)", "1E6"),
        si("gigavolt-ampere (GVA)", "1E9"),
    ]
    refs = [("Uninterruptible power supply for a desktop computer (typical)", "1000")]
    return Quantity("Apparent Power", units, refs)


def reactive_power():
    units = [
        si("volt-ampere reactive (var)", 1,
           "The part of the apparent power that swings back and forth between source and load. "
           "The dimension of the watt, kept apart.", also="reactive volt-ampere"),
        si("kilovolt-ampere reactive (kvar)", 1000, also="kilovar"),
        si("megavolt-ampere reactive (Mvar)", "1E6", also="megavar"),
    ]
    return Quantity("Reactive Power", units)


def resistance():
    units = [si("ohm", 1, "1 V/A. Written by name: the omega sign has no place in the table's character set.")]
    units += ohm_units("k M m")
    units += ohm_units("µ G")
    units += [
        other("abohm (abOhm)", "1E-09", "Electromagnetic CGS unit."),
        other("statohm (statOhm)", STAT_OHM, "Gaussian CGS unit: c² x 1E-5 ohm, c in m/s."),
        other("von Klitzing constant (RK)", H_PLANCK / E_CHARGE ** 2, "h/e², the quantized Hall resistance."),
    ]
    refs = [("Copper wire 1 m long, 1 mm² (about)", "0.0168"), ("Human body, hand to hand (about)", "1000"),
            ("Dry skin (about)", "100000")]
    return Quantity("Electric Resistance", units, refs)


def conductance():
    units = _si_family("siemens", "S", "1 A/V, the reciprocal ohm.", "m µ", "n k")
    units += [
        other("mho", 1, "The old name of the siemens.", also="reciprocal ohm"),
        other("abmho (abS)", "1E9", "Electromagnetic CGS unit."),
        other("statmho (statS)", 1 / STAT_OHM, "Gaussian CGS unit."),
        other("conductance quantum (G0)", 2 * E_CHARGE ** 2 / H_PLANCK, "2e²/h."),
    ]
    return Quantity("Electric Conductance", units)


def capacitance():
    units = _si_family("farad", "F", "1 C/V.", "µ n p", "m f", prefix_also={"µ": "mfd", "p": "mmfd"})
    units += [
        other("abfarad (abF)", "1E9", "Electromagnetic CGS unit."),
        other("statfarad (statF)", 1 / STAT_OHM, "Gaussian CGS unit: about 1.11265 pF."),
    ]
    refs = [("Human body (about)", "1E-10"), ("Electrolytic capacitor, 1000 µF", "0.001"),
            ("Supercapacitor (about)", "3000")]
    return Quantity("Capacitance", units, refs)


def inductance():
    units = _si_family("henry", "H", "1 Wb/A.", "m µ n", "", also="henries, henrys")
    units += [
        other("abhenry (abH)", "1E-09", "Electromagnetic CGS unit."),
        other("stathenry (statH)", STAT_OHM, "Gaussian CGS unit."),
    ]
    return Quantity("Inductance", units)


def magnetic_flux():
    units = _si_family("weber", "Wb", "1 V·s.", "m µ", "n")
    units += [
        si("volt second (V·s)", 1),
        other("maxwell (Mx)", "1E-08", "CGS unit: 1 G·cm².", also="line"),
        other("magnetic flux quantum (Phi0)", H_PLANCK / (2 * E_CHARGE), "h/(2e).", also="fluxon"),
    ]
    return Quantity("Magnetic Flux", units, [("Magnetic flux quantum", "2.06783384846193E-15")])


def flux_density():
    units = _si_family("tesla", "T", "1 Wb/m².", "m µ n", "p")
    units += [
        other("gauss (G)", "0.0001", "CGS unit: 1 Mx/cm²."),
        other("milligauss (mG)", "1E-07"),
        other("kilogauss (kG)", "0.1"),
        other("gamma", "1E-09", "1 nT, in geophysics."),
        other("atomic unit of magnetic flux density", codata("atomic unit of magnetic flux density"), CODATA_NOTE),
    ]
    refs = [("Magnetic field of the Earth at the surface (about)", "5E-05"),
            ("Refrigerator magnet (about)", "0.005"), ("MRI scanner (typical)", "1.5"),
            ("Strongest continuous laboratory field (about)", "45"), ("Magnetar (about)", "1E+11")]
    return Quantity("Magnetic Flux Density", units, refs)


def field_strength():
    units = [
        si("ampere per meter (A/m)"),
        si("kiloampere per meter (kA/m)", 1000),
        other("oersted (Oe)", OERSTED, "CGS unit: 1000/(4 pi) A/m."),
        si("ampere per centimeter (A/cm)", 100),
        si("milliampere per meter (mA/m)", "0.001"),
        si("ampere-turn per meter (At/m)", 1),
        other("ampere-turn per inch (At/in)", 1 / INCH),
        other("kilooersted (kOe)", 1000 * OERSTED),
    ]
    return Quantity("Magnetic Field Strength", units, [("Magnetic field of the Earth (about)", "40")])


def magnetomotive_force():
    units = [
        si("ampere (A)", 1, "Magnetomotive force: the current linked by the magnetic circuit."),
        si("ampere-turn (At)", 1, also="amp-turn"),
        si("kiloampere-turn (kAt)", 1000),
        other("gilbert (Gb)", 10 / (4 * PI), "CGS unit: 10/(4 pi) A."),
        other("abampere-turn", AB_CURRENT),
    ]
    return Quantity("Magnetomotive Force", units)


def electric_field():
    units = [
        si("volt per meter (V/m)", 1, "The same unit as the newton per coulomb."),
        si("kilovolt per meter (kV/m)", 1000),
        si("volt per centimeter (V/cm)", 100),
        si("kilovolt per millimeter (kV/mm)", "1E6", "Dielectric strength."),
        si("megavolt per meter (MV/m)", "1E6"),
        si("millivolt per meter (mV/m)", "0.001"),
        si("microvolt per meter (µV/m)", "1E-06", "Radio field strength."),
        si("kilovolt per centimeter (kV/cm)", 100000),
        si("volt per millimeter (V/mm)", 1000),
        other("volt per mil (V/mil)", 1000 / INCH, "Dielectric strength in US data sheets."),
        other("volt per inch (V/in)", 1 / INCH),
        other("statvolt per centimeter (statV/cm)", STAT_VOLT * 100),
        other("atomic unit of electric field", codata("atomic unit of electric field"), CODATA_NOTE),
    ]
    refs = [("Fair-weather field near the ground (about)", "100"), ("Breakdown of dry air (about)", "3E+06")]
    return Quantity("Electric Field Strength", units, refs)


def dipole_moment():
    units = [
        si("coulomb meter (C·m)"),
        other("debye (D)", Fraction(1, 10 ** 21) / C_LIGHT, "1E-21/c C·m, c in m/s: molecular dipoles."),
        other("elementary charge ångström (e·Å)", E_CHARGE * x("1E-10")),
        other("statcoulomb centimeter (statC·cm)", STAT_CHARGE / 100),
        other("atomic unit of electric dipole moment", codata("atomic unit of electric dipole moment"),
              CODATA_NOTE),
    ]
    return Quantity("Electric Dipole Moment", units, [("Water molecule, 1.85 D (about)", "6.17E-30")])


def magnetic_moment():
    units = [
        si("joule per tesla (J/T)", 1, "The same unit as the ampere square meter."),
        other("Bohr magneton (muB)", codata("bohr magneton"), CODATA_NOTE, also="µB"),
        si("ampere square meter (A·m²)", 1),
        other("erg per gauss (emu)", "0.001", "Electromagnetic CGS unit of magnetic moment."),
        other("nuclear magneton (muN)", codata("nuclear magneton"), CODATA_NOTE, also="µN"),
    ]
    return Quantity("Magnetic Moment", units)


CATEGORY = Category("Electricity and Magnetism", 4, [
    current(), charge(), voltage(), apparent_power(), reactive_power(), resistance(), conductance(), capacitance(),
    inductance(), magnetic_flux(), flux_density(), field_strength(), magnetomotive_force(), electric_field(),
    dipole_moment(), magnetic_moment()] + electric_materials.quantities())
