"""Mechanics, continued: mass per volume, per length and per area, and volume
per mass. Small concentrations of one substance in another (mg/L, µg/m³) are
in Mass Concentration, with the substances.

Sources: NIST SP 811 Appendix B; international yard and pound (1959).
"""

from fractions import Fraction

from .units import (FOOT, IMP_GALLON, INCH, OUNCE, POUND, POUND_FORCE, US_GALLON, YARD, Quantity, metric, other,
                    si, us)

SLUG = POUND_FORCE / FOOT


def density():
    units = [
        si("kilogram per cubic meter (kg/m³)"),
        si("gram per cubic centimeter (g/cm³)", 1000, also="g/cc"),
        metric("gram per milliliter (g/mL)", 1000),
        metric("kilogram per liter (kg/L)", 1000),
        metric("gram per liter (g/L)", 1),
        us("pound per cubic foot (lb/ft³)", POUND / FOOT ** 3, also="pcf, lbs/ft3"),
        us("pound per cubic inch (lb/in³)", POUND / INCH ** 3),
        us("pound per gallon (US) (lb/gal)", POUND / US_GALLON, also="ppg"),
        si("gram per cubic meter (g/m³)", "0.001"),
        si("kilogram per cubic decimeter (kg/dm³)", 1000),
        metric("tonne per cubic meter (t/m³)", 1000),
        us("pound per cubic yard (lb/yd³)", POUND / YARD ** 3),
        us("pound per gallon (imperial)", POUND / IMP_GALLON),
        us("ounce per cubic inch (oz/in³)", OUNCE / INCH ** 3),
        us("ounce per gallon (US)", OUNCE / US_GALLON),
        us("slug per cubic foot (slug/ft³)", SLUG / FOOT ** 3),
        us("ton (short) per cubic yard", 2000 * POUND / YARD ** 3),
    ]
    refs = [
        ("Hydrogen at 0 °C and 1 atm (about)", "0.08988"),
        ("Air at sea level, 15 °C (ISA)", "1.225"),
        ("Ice (about)", "917"),
        ("Water at 4 °C (about)", "999.97"),
        ("Seawater (about)", "1025"),
        ("Sun, mean (about)", "1408"),
        ("Aluminum (about)", "2700"),
        ("Earth, mean (about)", "5514"),
        ("Iron (about)", "7874"),
        ("Lead (about)", "11340"),
        ("Mercury at 0 °C (conventional)", "13595.1"),
        ("Gold (about)", "19300"),
        ("Osmium (about)", "22590"),
    ]
    return Quantity("Density", units, refs)


def specific_volume():
    units = [
        si("cubic meter per kilogram (m³/kg)"),
        metric("liter per kilogram (L/kg)", "0.001"),
        si("cubic centimeter per gram (cm³/g)", "0.001", also="cc/g"),
        us("cubic foot per pound (ft³/lb)", FOOT ** 3 / POUND),
        metric("milliliter per gram (mL/g)", "0.001"),
        us("cubic inch per pound (in³/lb)", INCH ** 3 / POUND),
        us("gallon (US) per pound", US_GALLON / POUND),
    ]
    return Quantity("Specific Volume", units, [("Water at 4 °C (about)", "0.00100003")])


def linear_density():
    units = [
        si("kilogram per meter (kg/m)"),
        si("gram per meter (g/m)", "0.001"),
        other("tex (tex)", "1E-06", "Yarn: grams per kilometer."),
        other("denier (den)", Fraction(1, 9000000), "Yarn: grams per 9000 meters.", ),
        us("pound per foot (lb/ft)", POUND / FOOT, also="plf"),
        other("decitex (dtex)", "1E-07"),
        us("pound per yard (lb/yd)", POUND / YARD, "Rails are sold by their weight per yard."),
        us("ounce per foot (oz/ft)", OUNCE / FOOT),
    ]
    return Quantity("Linear Mass Density", units)


def area_density():
    acre = 4840 * YARD ** 2
    units = [
        si("kilogram per square meter (kg/m²)"),
        si("gram per square meter (g/m²)", "0.001", "Paper and fabric weight.", also="gsm, grammage"),
        us("ounce per square yard (oz/yd²)", OUNCE / YARD ** 2, "Fabric weight."),
        us("pound per square foot (lb/ft²)", POUND / FOOT ** 2),
        si("gram per square centimeter (g/cm²)", 10),
        si("milligram per square centimeter (mg/cm²)", "0.01"),
        metric("kilogram per hectare (kg/ha)", "0.0001"),
        metric("tonne per hectare (t/ha)", "0.1"),
        us("ounce per square foot (oz/ft²)", OUNCE / FOOT ** 2),
        us("pound per acre (lb/ac)", POUND / acre),
        us("ton (short) per acre", 2000 * POUND / acre),
    ]
    return Quantity("Area Density", units, [("Office paper, 80 g/m²", "0.08")])


def quantities():
    return [density(), specific_volume(), linear_density(), area_density()]
