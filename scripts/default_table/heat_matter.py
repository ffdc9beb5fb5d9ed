"""Category Heat and Matter: temperature, heat transport and amount of substance.

Sources: SI Brochure 9th ed.; NIST SP 811 Appendix B; ITS-90 for the fixed
points among the reference items.
"""

from fractions import Fraction

from . import substance
from .prefixes import prefixed
from .units import (BTU_IT, BTU_TH, CAL_IT, CAL_TH, FOOT, HOUR, INCH, K_BOLTZMANN, MINUTE, POUND, POUND_FORCE,
                    RANKINE, ZERO_CELSIUS, Amount, Category, Quantity, metric, other, si, us)

FAHRENHEIT_ZERO = Amount(Fraction("459.67")) * RANKINE  # 0 °F in kelvin: 255.3722... K
ROMER_DEGREE = Amount(Fraction(40, 21))


def temperature():
    units = [
        si("kelvin (K)", 1, "SI base unit, fixed since 2019 by the Boltzmann constant.",
           also="degree Kelvin, °K, deg K"),
        si("degree Celsius (°C)", 1, "T/K = t/°C + 273.15.", offset=ZERO_CELSIUS, also="centigrade, degC"),
        us("degree Fahrenheit (°F)", RANKINE, "t/°F = 1.8 t/°C + 32: 0 °F is 459.67 × 5/9 K.",
           offset=FAHRENHEIT_ZERO, also="degF"),
        us("degree Rankine (°R)", RANKINE, "Fahrenheit-sized degrees counted from absolute zero."),
    ]
    units += prefixed("kelvin", "K", symbols="m µ n")
    units += [
        other("degree Réaumur (°Ré)", Fraction(5, 4), "Water freezes at 0 °Ré and boils at 80 °Ré.",
              offset=ZERO_CELSIUS),
        other("degree Rømer (°Rø)", ROMER_DEGREE, "Water freezes at 7.5 °Rø and boils at 60 °Rø.",
              offset=ZERO_CELSIUS - Fraction("7.5") * ROMER_DEGREE, also="degree Roemer"),
        other("degree Delisle (°De)", Fraction(-2, 3),
              "Counts downwards: water boils at 0 °De and freezes at 150 °De.", offset=ZERO_CELSIUS + 100),
        other("degree Newton (°N)", Fraction(100, 33), "Water freezes at 0 °N and boils at 33 °N.",
              offset=ZERO_CELSIUS),
    ]
    refs = [
        ("Absolute zero", "0"),
        ("Cosmic microwave background", "2.72548"),
        ("Boiling point of helium-4 at 1 atm", "4.2221"),
        ("Boiling point of nitrogen at 1 atm", "77.355"),
        ("Triple point of mercury (ITS-90)", "234.3156"),
        ("Freezing point of water at 1 atm", "273.15"),
        ("Triple point of water", "273.16"),
        ("Room temperature (20 °C)", "293.15"),
        ("Human body (37 °C)", "310.15"),
        ("Boiling point of water at 1 atm (ITS-90)", "373.124"),
        ("Freezing point of gold (ITS-90)", "1337.33"),
        ("Melting point of iron", "1811"),
        ("Surface of the Sun (IAU nominal effective temperature)", "5772"),
    ]
    return Quantity("Temperature", units, refs)


def temperature_interval():
    units = [
        si("kelvin (K)", 1, "Temperature differences: no offsets.", also="deg K"),
        si("degree Celsius (°C)", 1, also="centigrade, degC"),
        us("degree Fahrenheit (°F)", RANKINE, "5/9 K.", also="degF"),
        si("millikelvin (mK)", "0.001"),
        si("microkelvin (µK)", "1E-06"),
        us("degree Rankine (°R)", RANKINE),
        other("degree Réaumur (°Ré)", Fraction(5, 4)),
        other("degree Rømer (°Rø)", ROMER_DEGREE, also="degree Roemer"),
        other("degree Delisle (°De)", Fraction(2, 3), "Magnitude of the step: the Delisle scale counts downwards."),
        other("degree Newton (°N)", Fraction(100, 33)),
    ]
    return Quantity("Temperature Interval", units, [("Water freezing to boiling at 1 atm (ITS-90)", "99.974")])


def thermal_conductivity():
    units = [
        si("watt per meter kelvin (W/(m·K))", 1, also="W/mK, W/m-K"),
        us("BTU (IT) per hour foot degree Fahrenheit (BTU/(h·ft·°F))", BTU_IT / (HOUR * FOOT * RANKINE)),
        us("BTU (IT) inch per hour square foot degree Fahrenheit (BTU·in/(h·ft²·°F))",
           BTU_IT * INCH / (HOUR * FOOT ** 2 * RANKINE), "Insulation data sheets (k-value)."),
        si("milliwatt per meter kelvin (mW/(m·K))", "0.001"),
        si("watt per centimeter kelvin (W/(cm·K))", 100),
        other("calorie (IT) per second centimeter degree Celsius (cal/(s·cm·°C))", CAL_IT * 100),
        other("kilocalorie (IT) per hour meter degree Celsius (kcal/(h·m·°C))", 1000 * CAL_IT / HOUR),
        us("BTU (thermochemical) per hour foot degree Fahrenheit", BTU_TH / (HOUR * FOOT * RANKINE)),
    ]
    refs = [
        ("Air at 20 °C (about)", "0.0257"),
        ("Mineral wool (about)", "0.04"),
        ("Water at 20 °C (about)", "0.598"),
        ("Window glass (about)", "1"),
        ("Stainless steel (about)", "16"),
        ("Aluminum (about)", "237"),
        ("Copper (about)", "401"),
        ("Diamond (about)", "2200"),
    ]
    return Quantity("Thermal Conductivity", units, refs)


def specific_heat():
    units = [
        si("joule per kilogram kelvin (J/(kg·K))"),
        si("kilojoule per kilogram kelvin (kJ/(kg·K))", 1000),
        si("joule per gram kelvin (J/(g·K))", 1000),
        other("calorie (IT) per gram degree Celsius (cal/(g·°C))", CAL_IT * 1000),
        us("BTU (IT) per pound degree Fahrenheit (BTU/(lb·°F))", BTU_IT / (POUND * RANKINE),
           "Exactly 4186.8 J/(kg·K): the IT calorie per gram and kelvin, by construction."),
        other("calorie (thermochemical) per gram degree Celsius (cal_th/(g·°C))", CAL_TH * 1000),
        other("kilocalorie (IT) per kilogram degree Celsius (kcal/(kg·°C))", CAL_IT * 1000),
        us("foot-pound force per pound degree Rankine (ft·lbf/(lb·°R))", FOOT * POUND_FORCE / (POUND * RANKINE)),
    ]
    refs = [
        ("Gold (about)", "129"),
        ("Copper (about)", "385"),
        ("Iron (about)", "449"),
        ("Aluminum (about)", "897"),
        ("Air at constant pressure (about)", "1005"),
        ("Ice (about)", "2090"),
        ("Water at 25 °C (about)", "4181.3"),
    ]
    return Quantity("Specific Heat Capacity", units, refs)


def heat_capacity():
    units = [
        si("joule per kelvin (J/K)", 1, "Heat capacity and entropy."),
        si("kilojoule per kelvin (kJ/K)", 1000),
        other("calorie (IT) per kelvin (cal/K)", CAL_IT),
        us("BTU (IT) per degree Fahrenheit (BTU/°F)", BTU_IT / RANKINE),
        si("millijoule per kelvin (mJ/K)", "0.001"),
        other("kilocalorie (IT) per kelvin (kcal/K)", 1000 * CAL_IT),
        other("calorie (thermochemical) per kelvin (cal_th/K)", CAL_TH),
        other("Boltzmann constant (k)", K_BOLTZMANN, "Exactly 1.380649E-23 J/K."),
    ]
    return Quantity("Heat Capacity and Entropy", units)


def specific_energy():
    units = [
        si("joule per kilogram (J/kg)", 1, "The same unit as absorbed dose (gray) and specific latent heat."),
        si("kilojoule per kilogram (kJ/kg)", 1000),
        si("megajoule per kilogram (MJ/kg)", "1E6"),
        metric("watt-hour per kilogram (Wh/kg)", 3600, "Battery energy density."),
        other("kilocalorie (IT) per kilogram (kcal/kg)", CAL_IT * 1000),
        us("BTU (IT) per pound (BTU/lb)", BTU_IT / POUND, "Exactly 2326 J/kg."),
        metric("kilowatt-hour per kilogram (kWh/kg)", 3600000),
        other("calorie (IT) per gram (cal/g)", CAL_IT * 1000),
        other("calorie (thermochemical) per gram (cal_th/g)", CAL_TH * 1000),
        us("foot-pound force per pound (ft·lbf/lb)", FOOT * POUND_FORCE / POUND),
    ]
    refs = [
        ("Heat of fusion of ice (about)", "333550"),
        ("Lithium-ion battery, 250 Wh/kg (about)", "900000"),
        ("Heat of vaporization of water at 100 °C (about)", "2257000"),
        ("TNT (by convention)", "4184000"),
        ("Gasoline, heating value (about)", "4.6E+07"),
        ("Hydrogen, lower heating value (about)", "1.2E+08"),
    ]
    return Quantity("Specific Energy", units, refs)


def energy_density():
    units = [
        si("joule per cubic meter (J/m³)", 1, "Energy per volume: the same dimension as the pascal."),
        si("megajoule per cubic meter (MJ/m³)", "1E6"),
        metric("megajoule per liter (MJ/L)", "1E9"),
        metric("watt-hour per liter (Wh/L)", 3600000, "Battery energy density."),
        metric("kilowatt-hour per cubic meter (kWh/m³)", 3600000),
        us("BTU (IT) per cubic foot (BTU/ft³)", BTU_IT / FOOT ** 3, "Heating value of fuel gases."),
        si("kilojoule per cubic meter (kJ/m³)", 1000),
        metric("joule per liter (J/L)", 1000),
        other("kilocalorie (IT) per cubic meter (kcal/m³)", 1000 * CAL_IT),
    ]
    refs = [("Natural gas, heating value (about)", "3.8E+07"), ("Lithium-ion battery, 600 Wh/L (about)", "2.16E+09"),
            ("Gasoline, heating value (about)", "3.2E+10")]
    return Quantity("Energy Density", units, refs)


def heat_flux():
    units = [
        si("watt per square meter (W/m²)", 1, "Heat flux density and irradiance."),
        si("kilowatt per square meter (kW/m²)", 1000),
        us("BTU (IT) per hour square foot (BTU/(h·ft²))", BTU_IT / (HOUR * FOOT ** 2)),
        si("milliwatt per square meter (mW/m²)", "0.001"),
        si("watt per square centimeter (W/cm²)", 10000),
        other("calorie (IT) per second square centimeter (cal/(s·cm²))", CAL_IT * 10000),
        other("kilocalorie (IT) per hour square meter (kcal/(h·m²))", 1000 * CAL_IT / HOUR),
        other("erg per second square centimeter (erg/(s·cm²))", "0.001"),
        other("langley per minute (Ly/min)", CAL_TH * 10000 / MINUTE,
              "One thermochemical calorie per cm² and minute."),
    ]
    refs = [
        ("Mean geothermal heat flow (about)", "0.087"),
        ("Sunlight at the ground, clear noon (about)", "1000"),
        ("Solar constant (total solar irradiance, about)", "1361"),
    ]
    return Quantity("Heat Flux Density", units, refs)


def heat_transfer():
    units = [
        si("watt per square meter kelvin (W/(m²·K))", 1, "Heat transfer coefficient and U-value.", also="U-value"),
        us("BTU (IT) per hour square foot degree Fahrenheit (BTU/(h·ft²·°F))",
           BTU_IT / (HOUR * FOOT ** 2 * RANKINE)),
        si("kilowatt per square meter kelvin (kW/(m²·K))", 1000),
        other("kilocalorie (IT) per hour square meter degree Celsius (kcal/(h·m²·°C))", 1000 * CAL_IT / HOUR),
        other("calorie (IT) per second square centimeter degree Celsius (cal/(s·cm²·°C))", CAL_IT * 10000),
    ]
    return Quantity("Heat Transfer Coefficient", units)


def insulance():
    units = [
        si("square meter kelvin per watt (m²·K/W)", 1, "Thermal insulance: the metric R-value.", also="RSI"),
        us("square foot hour degree Fahrenheit per BTU (IT) (ft²·h·°F/BTU)", FOOT ** 2 * HOUR * RANKINE / BTU_IT,
           "The US R-value.", also="R-value"),
        other("clo", "0.155", "Insulation of clothing: 0.155 m²·K/W."),
        other("tog", "0.1", "Insulation of textiles and duvets: 0.1 m²·K/W."),
    ]
    return Quantity("Thermal Insulance", units)


def expansion():
    units = [
        si("reciprocal kelvin (1/K)", 1, "Coefficient of thermal expansion.", also="K-1, per kelvin"),
        si("part per million per kelvin (ppm/K)", "1E-06", also="µm/(m·K), um/m/K"),
        us("reciprocal degree Fahrenheit (1/°F)", 1 / RANKINE),
        si("reciprocal degree Celsius (1/°C)", 1),
        us("part per million per degree Fahrenheit (ppm/°F)", Fraction(1, 10 ** 6) / RANKINE),
    ]
    return Quantity("Thermal Expansion Coefficient", units, [("Steel, linear (about)", "1.2E-05")])


CATEGORY = Category("Heat and Matter", 3, [
    temperature(), temperature_interval(), thermal_conductivity(), specific_heat(), heat_capacity(),
    specific_energy(), energy_density(), heat_flux(), heat_transfer(), insulance(), expansion()]
    + substance.quantities())
