"""Heat and Matter, continued: amount of substance, concentrations and what is
measured per mole.

Sources: SI Brochure 9th ed.; NIST SP 811 Appendix B; CODATA 2022; WHO
global air quality guidelines (2021); US EPA Lead and Copper Rule (action
level 15 µg/L); the 0.5 g/L blood alcohol limit most of Europe applies.
"""

from fractions import Fraction

from .number_text import rounded_text
from .prefixes import prefixed
from .units import (ATMOSPHERE, BTU_IT, CAL_IT, CAL_TH, CODATA_NOTE, E_CHARGE, FOOT, GRAIN, HARTREE, IMP_GALLON,
                    K_BOLTZMANN, N_AVOGADRO, POUND, US_GALLON, ZERO_CELSIUS, Quantity, metric, other, si, us, x)

POUND_MOLE = 1000 * POUND  # mol: a pound of substance per unit of relative mass
MOLAR_GAS = N_AVOGADRO * K_BOLTZMANN


def amount():
    units = [
        si("mole (mol)", 1, "SI base unit: exactly 6.02214076E23 entities."),
        si("millimole (mmol)", "0.001"),
        si("micromole (µmol)", "1E-06"),
        si("kilomole (kmol)", 1000),
    ]
    units += prefixed("mole", "mol", symbols="n p f")
    units += [
        us("pound-mole (lb-mol)", POUND_MOLE, "453.59237 mol.", also="lbmol"),
        other("entity (particle count)", 1 / N_AVOGADRO, "One atom, molecule or other entity: 1/NA mol."),
    ]
    refs = [("Air in 1 m³ at 0 °C and 1 atm", "44.6150"), ("Water in 1 liter (about)", "55.5")]
    return Quantity("Amount of Substance", units, refs)


def concentration():
    units = [
        si("mole per cubic meter (mol/m³)"),
        metric("mole per liter (mol/L)", 1000),
        metric("millimole per liter (mmol/L)", 1, also="millimolar, mM"),
        metric("micromole per liter (µmol/L)", "0.001", also="micromolar, µM"),
        metric("nanomole per liter (nmol/L)", "1E-06", also="nanomolar, nM"),
        metric("molar (M)", 1000, "1 mol/L."),
        metric("picomole per liter (pmol/L)", "1E-09", also="picomolar, pM"),
        si("mole per cubic decimeter (mol/dm³)", 1000),
        si("kilomole per cubic meter (kmol/m³)", 1000),
        us("pound-mole per cubic foot (lb-mol/ft³)", POUND_MOLE / FOOT ** 3),
    ]
    refs = [("Glucose in blood, fasting (about 5 mmol/L)", "5"), ("Sodium in blood plasma (about)", "140"),
            ("Pure water (about)", "55500")]
    return Quantity("Molar Concentration", units, refs)


def mass_concentration():
    units = [
        si("kilogram per cubic meter (kg/m³)", 1, "Mass of one substance in a volume of a mixture."),
        metric("gram per liter (g/L)", 1),
        metric("milligram per deciliter (mg/dL)", "0.01", "Blood tests in the US.", also="mg%"),
        metric("milligram per liter (mg/L)", "0.001", "Water analyses. In water, close to ppm by mass."),
        metric("microgram per deciliter (µg/dL)", "1E-05"),
        metric("nanogram per milliliter (ng/mL)", "1E-06", "The same as µg/L."),
        si("microgram per cubic meter (µg/m³)", "1E-09", "Air pollution."),
        si("milligram per cubic meter (mg/m³)", "1E-06", "Workplace exposure limits."),
        metric("gram per deciliter (g/dL)", 10, "Hemoglobin."),
        metric("milligram per milliliter (mg/mL)", 1),
        metric("microgram per milliliter (µg/mL)", "0.001"),
        metric("microgram per liter (µg/L)", "1E-06", "In water, close to ppb by mass."),
        metric("nanogram per liter (ng/L)", "1E-09"),
        metric("picogram per milliliter (pg/mL)", "1E-09"),
        si("gram per cubic meter (g/m³)", "0.001", "Water vapour in air (absolute humidity)."),
        metric("percent weight per volume (% w/v)", 10, "1 g per 100 mL.", also="% m/v, w/v %"),
        us("grain per gallon (US) (gpg)", GRAIN / US_GALLON, "Water hardness, as calcium carbonate."),
        us("grain per gallon (imperial)", GRAIN / IMP_GALLON,
           "The Clark degree of water hardness, as calcium carbonate.", also="degree Clark, °Clark"),
    ]
    refs = [
        ("WHO air quality guideline, PM2.5, yearly mean (2021)", "5E-09"),
        ("WHO air quality guideline, PM2.5, 24-hour mean (2021)", "1.5E-08"),
        ("US EPA action level for lead in drinking water", "1.5E-05"),
        ("Blood alcohol limit for drivers in most of Europe", "0.5"),
        ("Glucose in blood, fasting (about 90 mg/dL)", "0.9"),
        ("Hemoglobin in blood, adult (about 14 g/dL)", "140"),
    ]
    return Quantity("Mass Concentration", units, refs)


def molality():
    units = [
        si("mole per kilogram (mol/kg)", 1,
           "Amount of solute per mass of solvent: unlike mol/L, it does not change with temperature."),
        si("millimole per kilogram (mmol/kg)", "0.001"),
        metric("molal (m)", 1, "1 mol/kg."),
        si("micromole per kilogram (µmol/kg)", "1E-06", "Ocean chemistry."),
        us("pound-mole per pound (lb-mol/lb)", 1000),
    ]
    return Quantity("Molality", units)


def molar_mass():
    units = [
        si("kilogram per mole (kg/mol)"),
        si("gram per mole (g/mol)", "0.001", "Numerically the relative molecular mass (molecular weight)."),
        si("kilogram per kilomole (kg/kmol)", "0.001"),
        us("pound per pound-mole (lb/lb-mol)", "0.001"),
    ]
    refs = [("Carbon-12 (about)", "0.012"), ("Water (about)", "0.01801528"), ("Dry air (about)", "0.0289647")]
    return Quantity("Molar Mass", units, refs)


def molar_volume():
    ideal = MOLAR_GAS * ZERO_CELSIUS
    units = [
        si("cubic meter per mole (m³/mol)"),
        metric("liter per mole (L/mol)", "0.001"),
        si("cubic centimeter per mole (cm³/mol)", "1E-06", also="mL/mol"),
        si("cubic meter per kilomole (m³/kmol)", "0.001"),
        us("cubic foot per pound-mole (ft³/lb-mol)", FOOT ** 3 / POUND_MOLE),
    ]
    refs = [
        ("Ideal gas at 0 °C and 101.325 kPa", rounded_text(ideal / ATMOSPHERE)),
        ("Ideal gas at 0 °C and 100 kPa", rounded_text(ideal / x("100000"))),
        ("Liquid water at 25 °C (about)", "1.807E-05"),
    ]
    return Quantity("Molar Volume", units, refs)


def molar_energy():
    units = [
        si("joule per mole (J/mol)"),
        si("kilojoule per mole (kJ/mol)", 1000),
        other("kilocalorie (thermochemical) per mole (kcal_th/mol)", 1000 * CAL_TH, "Chemistry uses this one.",
              also="kcal/mol (thermochemical)"),
        other("electronvolt per particle (eV/particle)", E_CHARGE * N_AVOGADRO,
              "1 eV for each entity of a mole: e NA, exactly 96485.3321233100184 J/mol."),
        other("kilocalorie (IT) per mole (kcal/mol)", 1000 * CAL_IT),
        other("calorie (thermochemical) per mole (cal_th/mol)", CAL_TH),
        other("hartree per particle (Eh/particle)", HARTREE * N_AVOGADRO,
              "1 hartree for each entity of a mole. " + CODATA_NOTE),
        us("BTU (IT) per pound-mole (BTU/lb-mol)", BTU_IT / POUND_MOLE),
    ]
    return Quantity("Molar Energy", units, [("Hydrogen bond (about)", "20000")])


def catalytic_activity():
    units = [
        si("katal (kat)", 1, "1 mol/s."),
        si("microkatal (µkat)", "1E-06"),
        si("nanokatal (nkat)", "1E-09"),
        other("enzyme unit (U)", Fraction(1, 60 * 10 ** 6), "1 µmol/min.", also="IU, international unit"),
        si("millikatal (mkat)", "0.001"),
    ]
    return Quantity("Catalytic Activity", units)


def quantities():
    return [amount(), concentration(), mass_concentration(), molality(), molar_mass(), molar_volume(),
            molar_energy(), catalytic_activity()]
