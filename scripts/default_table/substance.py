"""Heat and Matter, continued: amount of substance and what is measured per mole.

Sources: SI Brochure 9th ed.; NIST SP 811 Appendix B; CODATA 2018.
"""

from fractions import Fraction

from .prefixes import ALL, prefixed
from .units import (BTU_IT, CAL_IT, CAL_TH, E_CHARGE, FOOT, HARTREE, N_AVOGADRO, POUND, Quantity, metric, other,
                    si, us)

POUND_MOLE = 1000 * POUND  # mol: a pound of substance per unit of relative mass


def amount():
    units = [si("mole (mol)", 1, "SI base unit: exactly 6.02214076E23 entities.")]
    units += prefixed("mole", "mol", symbols=ALL)
    units += [
        us("pound-mole (lb-mol)", POUND_MOLE, "453.59237 mol."),
        other("entity (particle count)", 1 / N_AVOGADRO, "One atom, molecule or other entity: 1/NA mol."),
    ]
    refs = [("Air in 1 m³ at 0 °C and 1 atm", "44.6150"), ("Water in 1 liter (about)", "55.5")]
    return Quantity("Amount of Substance", units, refs)


def concentration():
    units = [
        si("mole per cubic meter (mol/m³)"),
        metric("mole per liter (mol/L)", 1000),
        metric("molar (M)", 1000, "1 mol/L."),
        metric("millimole per liter (mmol/L)", 1),
        metric("micromole per liter (µmol/L)", "0.001"),
        metric("nanomole per liter (nmol/L)", "1E-06"),
        metric("picomole per liter (pmol/L)", "1E-09"),
        metric("femtomole per liter (fmol/L)", "1E-12"),
        si("mole per cubic decimeter (mol/dm³)", 1000),
        si("kilomole per cubic meter (kmol/m³)", 1000),
        si("mole per cubic centimeter (mol/cm³)", "1E6"),
        us("pound-mole per cubic foot (lb-mol/ft³)", POUND_MOLE / FOOT ** 3),
    ]
    refs = [("Glucose in blood, fasting (about 5 mmol/L)", "5"), ("Sodium in blood plasma (about)", "140"),
            ("Pure water (about)", "55500")]
    return Quantity("Molar Concentration", units, refs)


def molar_mass():
    units = [
        si("kilogram per mole (kg/mol)"),
        si("gram per mole (g/mol)", "0.001"),
        si("kilogram per kilomole (kg/kmol)", "0.001"),
        us("pound per pound-mole (lb/lb-mol)", "0.001"),
    ]
    refs = [("Carbon-12 (about)", "0.012"), ("Water (about)", "0.01801528"), ("Dry air (about)", "0.0289647")]
    return Quantity("Molar Mass", units, refs)


def molar_energy():
    units = [
        si("joule per mole (J/mol)"),
        si("kilojoule per mole (kJ/mol)", 1000),
        other("calorie (thermochemical) per mole (cal_th/mol)", CAL_TH),
        other("kilocalorie (thermochemical) per mole (kcal_th/mol)", 1000 * CAL_TH),
        other("kilocalorie (IT) per mole (kcal/mol)", 1000 * CAL_IT),
        other("electronvolt per particle (eV)", E_CHARGE * N_AVOGADRO, "e NA: exactly 96485.3321233100184 J/mol."),
        other("hartree per particle (Eh)", HARTREE * N_AVOGADRO, "CODATA 2018 value, standard uncertainty in the error field."),
        us("BTU (IT) per pound-mole (BTU/lb-mol)", BTU_IT / POUND_MOLE),
    ]
    return Quantity("Molar Energy", units, [("Hydrogen bond (about)", "20000")])


def catalytic_activity():
    units = [si("katal (kat)", 1, "1 mol/s.")]
    units += prefixed("katal", "kat", symbols="m µ n p f")
    units += [other("enzyme unit (U)", Fraction(1, 60 * 10 ** 6), "1 µmol/min.")]
    return Quantity("Catalytic Activity", units)


def quantities():
    return [amount(), concentration(), molar_mass(), molar_energy(), catalytic_activity()]
