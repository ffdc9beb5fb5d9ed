"""Mechanics, continued: energy, power, moment of inertia, action, viscosity,
flow rates, surface tension and fuel economy.

Sources: SI Brochure 9th ed.; NIST SP 811 Appendix B; CODATA 2018; IEA
(tonne of oil equivalent); the ton of TNT is 4.184 GJ by convention.
"""

from fractions import Fraction

from .prefixes import ALL, prefixed
from .units import (ATMOSPHERE, BTU_IT, BTU_TH, CAL_IT, CAL_TH, DAY, E_CHARGE, FOOT, H_PLANCK, HARTREE,
                    HORSEPOWER, HOUR, IMP_GALLON, INCH, KILOGRAM_FORCE, LITER, METRIC_HORSEPOWER, MILE, MINUTE,
                    PI, POUND, POUND_FORCE, RYDBERG_ENERGY, US_GALLON, YARD, Quantity, metric, other, si, us, x)

CODATA = "CODATA 2018 value, standard uncertainty in the error field."
TNT = x("4.184E9")                # J per tonne of TNT, by convention
SLUG = POUND_FORCE / FOOT


def energy():
    units = [si("joule (J)", 1, "1 N·m, 1 W·s.")]
    units += prefixed("joule", "J", symbols=ALL)
    units += [metric("watt-hour (Wh)", 3600)]
    units += prefixed("watt-hour", "Wh", 3600, symbols="k M G T P", icon=2)
    units += [metric("electronvolt (eV)", E_CHARGE, "Exactly 1.602176634E-19 J since 2019.")]
    units += prefixed("electronvolt", "eV", E_CHARGE, symbols="m k M G T P", icon=2)
    units += [
        other("calorie (IT) (cal)", CAL_IT, "International Steam Table calorie (1956): exactly 4.1868 J."),
        other("kilocalorie (IT) (kcal)", 1000 * CAL_IT),
        other("calorie (thermochemical) (cal_th)", CAL_TH,
              "Exactly 4.184 J: 0.07 % smaller than the IT calorie. Chemistry and nutrition use it."),
        other("kilocalorie (thermochemical) (kcal_th)", 1000 * CAL_TH),
        other("Calorie (food)", 1000 * CAL_TH, "The nutritional Calorie: one thermochemical kilocalorie, 4.184 kJ."),
        us("British thermal unit (IT) (BTU)", BTU_IT,
           "1 lb of water warmed by 1 °F, counted in IT calories: exactly 1055.05585262 J."),
        us("British thermal unit (thermochemical) (BTU_th)", BTU_TH, "From the thermochemical calorie."),
        other("British thermal unit (ISO) (BTU_ISO)", x("1055.06"), "Exactly 1055.06 J (ISO 31-4)."),
        us("barrel of oil equivalent (BOE)", x("5.8E6") * BTU_IT, "5.8 million BTU (IT) by convention."),
        us("million BTU (MMBtu)", 10 ** 6 * BTU_IT, "IT British thermal units, as in the natural gas trade."),
        us("therm (US)", x("105480400"), "Exactly 105.4804 MJ (US)."),
        other("therm (EC)", x("105506000"), "Exactly 105.506 MJ (European Community)."),
        us("quad", 10 ** 15 * BTU_IT, "10^15 IT British thermal units."),
        other("erg (erg)", "1E-07", "CGS unit: 1 dyn·cm."),
        us("foot-pound force (ft·lbf)", FOOT * POUND_FORCE),
        us("inch-pound force (in·lbf)", INCH * POUND_FORCE),
        us("foot-poundal (ft·pdl)", FOOT * POUND * FOOT),
        other("kilogram-force meter (kgf·m)", KILOGRAM_FORCE),
        us("horsepower-hour (hp·h)", HORSEPOWER * HOUR),
        other("metric horsepower-hour (PS·h)", METRIC_HORSEPOWER * HOUR),
        other("liter-atmosphere (L·atm)", LITER * ATMOSPHERE),
        other("ton of TNT (tTNT)", TNT, "4.184 GJ by convention."),
        other("kiloton of TNT (ktTNT)", 1000 * TNT),
        other("megaton of TNT (MtTNT)", 10 ** 6 * TNT),
        other("tonne of oil equivalent (toe)", x("41.868E9"), "Exactly 10^7 IT kilocalories (IEA)."),
        other("tonne of coal equivalent (tce)", x("29.3076E9"), "Exactly 7 x 10^6 IT kilocalories."),
        other("hartree (Eh)", HARTREE, "Atomic unit of energy. " + CODATA),
        other("rydberg (Ry)", RYDBERG_ENERGY, "Half a hartree. " + CODATA),
    ]
    refs = [
        ("Photon of green light, 2.3 eV (about)", "3.7E-19"),
        ("Rest energy of an electron", "8.1871057769E-14"),
        ("One food Calorie", "4184"),
        ("One kilowatt-hour", "3600000"),
        ("Daily food of an adult, 2000 kcal", "8368000"),
        ("One ton of TNT", "4184000000"),
        ("Hiroshima bomb (about 15 kt of TNT)", "6.3E+13"),
        ("Rest energy of 1 kg (mc²)", "89875517873681764"),
        ("World primary energy use in a year (about)", "6E+20"),
    ]
    return Quantity("Energy", units, refs)


def power():
    units = [si("watt (W)", 1, "1 J/s.")]
    units += prefixed("watt", "W", symbols=ALL)
    units += [
        us("horsepower (hp)", HORSEPOWER, "Mechanical horsepower: 550 ft·lbf/s, about 745.7 W."),
        other("metric horsepower (PS)", METRIC_HORSEPOWER, "75 kgf·m/s: 735.49875 W."),
        us("electric horsepower (hp(E))", 746, "Exactly 746 W."),
        us("BTU (IT) per hour (BTU/h)", BTU_IT / HOUR),
        us("BTU (IT) per minute (BTU/min)", BTU_IT / MINUTE),
        us("BTU (IT) per second (BTU/s)", BTU_IT),
        us("ton of refrigeration (TR)", 12000 * BTU_IT / HOUR, "12000 BTU (IT) per hour."),
        other("calorie (IT) per second (cal/s)", CAL_IT),
        other("kilocalorie (IT) per hour (kcal/h)", 1000 * CAL_IT / HOUR),
        other("calorie (thermochemical) per second (cal_th/s)", CAL_TH),
        other("kilocalorie (thermochemical) per hour (kcal_th/h)", 1000 * CAL_TH / HOUR),
        us("foot-pound force per second (ft·lbf/s)", FOOT * POUND_FORCE),
        us("foot-pound force per minute (ft·lbf/min)", FOOT * POUND_FORCE / MINUTE),
        us("foot-pound force per hour (ft·lbf/h)", FOOT * POUND_FORCE / HOUR),
        other("erg per second (erg/s)", "1E-07"),
        si("joule per hour (J/h)", 1 / HOUR),
        si("kilojoule per hour (kJ/h)", 1000 / HOUR),
    ]
    refs = [
        ("Human body at rest (about)", "80"),
        ("Microwave oven (about)", "1000"),
        ("Car engine (about)", "100000"),
        ("Large wind turbine (about)", "5E+06"),
        ("Large power plant unit (about)", "1E+09"),
        ("Sunlight reaching the Earth (about)", "1.74E+17"),
        ("Luminosity of the Sun (IAU nominal)", "3.828E+26"),
    ]
    return Quantity("Power", units, refs)


def moment_of_inertia():
    units = [
        si("kilogram square meter (kg·m²)"),
        si("kilogram square centimeter (kg·cm²)", "0.0001"),
        si("gram square centimeter (g·cm²)", "1E-07"),
        other("kilogram-force meter second squared (kgf·m·s²)", KILOGRAM_FORCE),
        us("pound square foot (lb·ft²)", POUND * FOOT ** 2),
        us("pound square inch (lb·in²)", POUND * INCH ** 2),
        us("ounce square inch (oz·in²)", POUND / 16 * INCH ** 2),
        us("slug square foot (slug·ft²)", SLUG * FOOT ** 2),
    ]
    return Quantity("Moment of Inertia", units)


def action():
    units = [
        si("joule second (J·s)", 1, "Action and angular momentum (kg·m²/s)."),
        other("erg second (erg·s)", "1E-07"),
        other("electronvolt second (eV·s)", E_CHARGE),
        other("Planck constant (h)", H_PLANCK, "Exactly 6.62607015E-34 J·s."),
        other("reduced Planck constant (hbar)", H_PLANCK / (2 * PI), "h/(2 pi), the atomic unit of action."),
        us("pound square foot per second (lb·ft²/s)", POUND * FOOT ** 2),
    ]
    return Quantity("Action and Angular Momentum", units)


def dynamic_viscosity():
    units = [
        si("pascal second (Pa·s)"),
        si("millipascal second (mPa·s)", "0.001"),
        si("micropascal second (µPa·s)", "1E-06"),
        other("poise (P)", "0.1", "CGS unit: 1 dyn·s/cm²."),
        other("centipoise (cP)", "0.001", "Water at 20 °C is close to 1 cP."),
        other("micropoise (µP)", "1E-07"),
        other("kilogram-force second per square meter (kgf·s/m²)", KILOGRAM_FORCE),
        us("pound-force second per square foot (lbf·s/ft²)", POUND_FORCE / FOOT ** 2),
        us("reyn (lbf·s/in²)", POUND_FORCE / INCH ** 2),
        us("pound per foot second (lb/(ft·s))", POUND / FOOT),
        us("pound per foot hour (lb/(ft·h))", POUND / FOOT / HOUR),
    ]
    refs = [("Air at 20 °C (about)", "1.81E-05"), ("Water at 20 °C (about)", "0.0010016"),
            ("Olive oil at 20 °C (about)", "0.084"), ("Honey (about)", "10")]
    return Quantity("Dynamic Viscosity", units, refs)


def kinematic_viscosity():
    units = [
        si("square meter per second (m²/s)"),
        si("square millimeter per second (mm²/s)", "1E-06"),
        metric("square meter per hour (m²/h)", 1 / HOUR),
        other("stokes (St)", "0.0001", "CGS unit: 1 cm²/s."),
        other("centistokes (cSt)", "1E-06"),
        us("square foot per second (ft²/s)", FOOT ** 2),
        us("square foot per hour (ft²/h)", FOOT ** 2 / HOUR),
        us("square inch per second (in²/s)", INCH ** 2),
    ]
    return Quantity("Kinematic Viscosity", units, [("Water at 20 °C (about)", "1.004E-06")])


def volume_flow():
    units = [si("cubic meter per second (m³/s)")]
    for label, symbol, volume in (("cubic meter", "m³", 1), ("liter", "L", LITER), ("milliliter", "mL", LITER / 1000)):
        for per, per_symbol, seconds in (("second", "s", 1), ("minute", "min", MINUTE), ("hour", "h", HOUR),
                                        ("day", "d", DAY)):
            if (symbol, per_symbol) in (("m³", "s"), ("mL", "d")):
                continue
            units.append(metric(f"{label} per {per} ({symbol}/{per_symbol})", volume / seconds))
    units += [
        si("cubic centimeter per second (cm³/s)", "1E-06"),
        us("gallon (US) per second", US_GALLON),
        us("gallon (US) per minute (gpm)", US_GALLON / MINUTE),
        us("gallon (US) per hour", US_GALLON / HOUR),
        us("gallon (US) per day", US_GALLON / DAY),
        us("million gallons (US) per day (MGD)", 10 ** 6 * US_GALLON / DAY),
        us("gallon (imperial) per second", IMP_GALLON),
        us("gallon (imperial) per minute", IMP_GALLON / MINUTE),
        us("gallon (imperial) per hour", IMP_GALLON / HOUR),
        us("cubic foot per second (cfs)", FOOT ** 3),
        us("cubic foot per minute (cfm)", FOOT ** 3 / MINUTE),
        us("cubic foot per hour (ft³/h)", FOOT ** 3 / HOUR),
        us("cubic inch per second (in³/s)", INCH ** 3),
        us("cubic inch per minute (in³/min)", INCH ** 3 / MINUTE),
        us("cubic yard per minute (yd³/min)", YARD ** 3 / MINUTE),
        us("acre-foot per day", 43560 * FOOT ** 3 / DAY),
        us("barrel (oil) per day (bbl/d)", 42 * US_GALLON / DAY),
        us("barrel (oil) per hour (bbl/h)", 42 * US_GALLON / HOUR),
    ]
    refs = [
        ("Human heart at rest, 5 L/min (about)", "8.33333333333333E-05"),
        ("Kitchen tap, 8 L/min (about)", "0.000133333333333333"),
        ("Niagara Falls (about)", "2400"),
        ("Mississippi River, mean (about)", "16800"),
        ("Amazon River at its mouth (about)", "209000"),
    ]
    return Quantity("Volume Flow Rate", units, refs)


def mass_flow():
    units = [si("kilogram per second (kg/s)")]
    for label, symbol, mass in (("kilogram", "kg", 1), ("gram", "g", Fraction(1, 1000)),
                                ("tonne", "t", 1000)):
        for per, per_symbol, seconds in (("second", "s", 1), ("minute", "min", MINUTE), ("hour", "h", HOUR),
                                        ("day", "d", DAY)):
            if symbol == "kg" and per_symbol == "s":
                continue
            units.append(metric(f"{label} per {per} ({symbol}/{per_symbol})", Fraction(mass) / seconds))
    units += [
        si("milligram per second (mg/s)", "1E-06"),
        us("pound per second (lb/s)", POUND),
        us("pound per minute (lb/min)", POUND / MINUTE),
        us("pound per hour (lb/h)", POUND / HOUR),
        us("pound per day (lb/d)", POUND / DAY),
        us("ton (short) per hour", 2000 * POUND / HOUR),
        us("ton (long) per hour", 2240 * POUND / HOUR),
        us("ounce per second (oz/s)", POUND / 16),
    ]
    return Quantity("Mass Flow Rate", units)


def surface_tension():
    units = [
        si("newton per meter (N/m)", 1, "Also surface energy, J/m²."),
        si("millinewton per meter (mN/m)", "0.001"),
        other("dyne per centimeter (dyn/cm)", "0.001", "CGS unit, equal to 1 mN/m."),
        other("erg per square centimeter (erg/cm²)", "0.001"),
        other("gram-force per centimeter (gf/cm)", KILOGRAM_FORCE / 10),
        other("kilogram-force per meter (kgf/m)", KILOGRAM_FORCE),
        us("pound-force per inch (lbf/in)", POUND_FORCE / INCH),
        us("pound-force per foot (lbf/ft)", POUND_FORCE / FOOT),
    ]
    refs = [("Ethanol at 20 °C (about)", "0.0223"), ("Water at 20 °C (about)", "0.0728"),
            ("Mercury at 20 °C (about)", "0.486")]
    return Quantity("Surface Tension", units, refs)


def fuel_economy():
    units = [
        si("meter per cubic meter (m/m³)", 1,
           "Distance per volume. Liters per 100 km is its reciprocal, not a linear scale, so it is not here."),
        metric("kilometer per liter (km/L)", 1000 / LITER),
        metric("meter per liter (m/L)", 1 / LITER),
        us("mile per gallon (US) (mpg)", MILE / US_GALLON),
        us("mile per gallon (imperial)", MILE / IMP_GALLON),
        us("mile per liter", MILE / LITER),
    ]
    return Quantity("Fuel Economy", units, [("Car using 5 L per 100 km", "20000000")])


def quantities():
    return [energy(), power(), moment_of_inertia(), action(), dynamic_viscosity(), kinematic_viscosity(),
            volume_flow(), mass_flow(), surface_tension(), fuel_economy()]
