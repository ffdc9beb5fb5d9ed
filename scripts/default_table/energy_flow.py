"""Mechanics, continued: energy, power, moment of inertia, action, viscosity,
permeability of porous media, flow rates, surface tension, and what vehicles
use per distance.

Sources: SI Brochure 9th ed.; NIST SP 811 Appendix B (boiler horsepower);
CODATA 2022; IEA (tonne of oil equivalent); the ton of TNT is 4.184 GJ by
convention; the thermie is 10^6 calories of 15 °C (4.1855 J each); the darcy
is defined through Darcy's law with the centipoise and the atmosphere.
"""

from fractions import Fraction

from .number_text import codata_text
from .prefixes import prefixed
from .units import (ATMOSPHERE, BTU_IT, BTU_TH, CAL_IT, CAL_TH, CODATA_NOTE, DAY, E_CHARGE, FOOT, H_PLANCK, HARTREE,
                    HORSEPOWER, HOUR, IMP_GALLON, INCH, KILOGRAM_FORCE, LITER, METRIC_HORSEPOWER, MILE, MINUTE, PI,
                    POUND, POUND_FORCE, RYDBERG_ENERGY, US_GALLON, Quantity, measured, metric, other, rounded, si, us, x)

TNT = x("4.184E9")                # J per tonne of TNT, by convention
SLUG = POUND_FORCE / FOOT
KWH = x("3.6E6")
RECIPROCAL = ("{this} It is the reciprocal of {that}: one goes up where the other goes down, so the two cannot "
              "share one linear quantity.")


def energy():
    units = [
        si("joule (J)", 1, "1 N·m, 1 W·s."),
        si("kilojoule (kJ)", 1000),
        si("megajoule (MJ)", "1E6"),
        metric("watt-hour (Wh)", 3600, also="W·h"),
        metric("kilowatt-hour (kWh)", KWH, also="kW·h, kWhr, unit of electricity"),
        other("Calorie (food)", 1000 * CAL_TH, "The nutritional Calorie: one thermochemical kilocalorie, 4.184 kJ.",
              also="food calorie, dietary calorie, kcal (food)"),
        other("kilocalorie (IT) (kcal)", 1000 * CAL_IT, "1000 IT calories: 4.1868 kJ."),
        other("calorie (IT) (cal)", CAL_IT, "International Steam Table calorie (1956): exactly 4.1868 J."),
        us("British thermal unit (IT) (BTU)", BTU_IT,
           "1 lb of water warmed by 1 °F, counted in IT calories: exactly 1055.05585262 J.",
           also="BTU (IT), IT Btu"),
        metric("electronvolt (eV)", E_CHARGE, "Exactly 1.602176634E-19 J since 2019."),
        us("foot-pound force (ft·lbf)", FOOT * POUND_FORCE, also="foot-pound, ft-lb"),
    ]
    units += prefixed("joule", "J", symbols="n µ m G T P E")
    units += prefixed("watt-hour", "Wh", 3600, symbols="m M G T", icon=2)
    units += prefixed("electronvolt", "eV", E_CHARGE, symbols="m k M G T", icon=2)
    units += [
        other("calorie (thermochemical) (cal_th)", CAL_TH,
              "Exactly 4.184 J: 0.07 % smaller than the IT calorie. Chemistry and nutrition use it.",
              also="thermochemical calorie"),
        other("kilocalorie (thermochemical) (kcal_th)", 1000 * CAL_TH),
        other("thermie (th)", measured("4.1855E6", "0.0005E6"),
              "10^6 calories of 15 °C, each 4.1855 J within 0.0005 J: heat sold by district heating in France."),
        us("British thermal unit (thermochemical) (BTU_th)", BTU_TH, "From the thermochemical calorie.",
           also="BTU (thermochemical), BTU (th)"),
        other("British thermal unit (ISO) (BTU_ISO)", x("1055.06"), "Exactly 1055.06 J (ISO 31-4).",
              also="BTU (ISO)"),
        us("million BTU (MMBtu)", 10 ** 6 * BTU_IT, "IT British thermal units, as in the natural gas trade.",
           also="MMBTU (IT)"),
        us("therm (US)", x("105480400"), "Exactly 105.4804 MJ (US).", also="US therm"),
        other("therm (EC)", x("105506000"), "Exactly 105.506 MJ (European Community).", also="EC therm"),
        us("quad", 10 ** 15 * BTU_IT, "10^15 IT British thermal units."),
        us("barrel of oil equivalent (BOE)", x("5.8E6") * BTU_IT, "5.8 million BTU (IT) by convention."),
        other("tonne of oil equivalent (toe)", x("41.868E9"), "Exactly 10^7 IT kilocalories (IEA)."),
        other("tonne of coal equivalent (tce)", x("29.3076E9"), "Exactly 7 x 10^6 IT kilocalories."),
        other("erg (erg)", "1E-07", "CGS unit: 1 dyn·cm."),
        us("inch-pound force (in·lbf)", INCH * POUND_FORCE, also="inch-pound, in-lb"),
        other("kilogram-force meter (kgf·m)", KILOGRAM_FORCE),
        us("horsepower-hour (hp·h)", HORSEPOWER * HOUR),
        other("metric horsepower-hour (PS·h)", METRIC_HORSEPOWER * HOUR),
        other("liter-atmosphere (L·atm)", LITER * ATMOSPHERE),
        other("ton of TNT (tTNT)", TNT, "4.184 GJ by convention."),
        other("kiloton of TNT (ktTNT)", 1000 * TNT),
        other("megaton of TNT (MtTNT)", 10 ** 6 * TNT),
        other("hartree (Eh)", HARTREE, CODATA_NOTE, also="atomic unit of energy"),
        other("rydberg (Ry)", RYDBERG_ENERGY, "Half a hartree. " + CODATA_NOTE),
    ]
    refs = [
        ("Photon of green light, 2.3 eV (about)", "3.7E-19"),
        ("Rest energy of an electron", codata_text("electron mass energy equivalent")),
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
    units = [
        si("watt (W)", 1, "1 J/s."),
        si("milliwatt (mW)", "0.001"),
        si("kilowatt (kW)", 1000),
        si("megawatt (MW)", "1E6"),
        us("horsepower (hp)", HORSEPOWER, "Mechanical horsepower: 550 ft·lbf/s, about 745.7 W.",
           also="bhp, brake horsepower, imperial horsepower"),
        other("metric horsepower (PS)", METRIC_HORSEPOWER, "75 kgf·m/s: 735.49875 W.", also="CV, ch, pk, cheval"),
        us("BTU (IT) per hour (BTU/h)", BTU_IT / HOUR, also="BTU/hr, BTUH"),
        us("ton of refrigeration (TR)", 12000 * BTU_IT / HOUR, "12000 BTU (IT) per hour.",
           also="refrigeration ton, RT"),
    ]
    units += prefixed("watt", "W", symbols="n µ G T")
    units += [
        us("electric horsepower (hp(E))", 746, "Exactly 746 W."),
        us("boiler horsepower (hp(S))", rounded("9809.50"),
           "Steam raised from and at 212 °F at 34.5 lb an hour (NIST SP 811).", also="BHP (boiler)"),
        us("BTU (IT) per minute (BTU/min)", BTU_IT / MINUTE),
        us("BTU (IT) per second (BTU/s)", BTU_IT),
        other("kilocalorie (IT) per hour (kcal/h)", 1000 * CAL_IT / HOUR),
        other("calorie (IT) per second (cal/s)", CAL_IT),
        us("foot-pound force per second (ft·lbf/s)", FOOT * POUND_FORCE),
        us("foot-pound force per minute (ft·lbf/min)", FOOT * POUND_FORCE / MINUTE),
        other("erg per second (erg/s)", "1E-07"),
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
        us("pound square foot (lb·ft²)", POUND * FOOT ** 2),
        us("pound square inch (lb·in²)", POUND * INCH ** 2),
        si("gram square centimeter (g·cm²)", "1E-07"),
        us("ounce square inch (oz·in²)", POUND / 16 * INCH ** 2),
        us("slug square foot (slug·ft²)", SLUG * FOOT ** 2),
    ]
    return Quantity("Moment of Inertia", units)


def action():
    units = [
        si("joule second (J·s)", 1, "Action and angular momentum (kg·m²/s)."),
        other("Planck constant (h)", H_PLANCK, "Exactly 6.62607015E-34 J·s."),
        other("reduced Planck constant (hbar)", H_PLANCK / (2 * PI), "h/(2 pi), the atomic unit of action.",
              also="h-bar, Dirac constant"),
        other("erg second (erg·s)", "1E-07"),
        other("electronvolt second (eV·s)", E_CHARGE),
        us("pound square foot per second (lb·ft²/s)", POUND * FOOT ** 2),
    ]
    return Quantity("Action and Angular Momentum", units)


def dynamic_viscosity():
    units = [
        si("pascal second (Pa·s)"),
        si("millipascal second (mPa·s)", "0.001"),
        other("centipoise (cP)", "0.001", "Water at 20 °C is close to 1 cP.", also="cps"),
        other("poise (P)", "0.1", "CGS unit: 1 dyn·s/cm²."),
        si("micropascal second (µPa·s)", "1E-06"),
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
        other("centistokes (cSt)", "1E-06", "The same as 1 mm²/s.", also="centistoke"),
        other("stokes (St)", "0.0001", "CGS unit: 1 cm²/s.", also="stoke"),
        us("square foot per second (ft²/s)", FOOT ** 2),
        us("square inch per second (in²/s)", INCH ** 2),
    ]
    return Quantity("Kinematic Viscosity", units, [("Water at 20 °C (about)", "1.004E-06")])


def fluid_permeability():
    darcy = Fraction(1, 10 ** 7) / ATMOSPHERE
    units = [
        si("square meter (m²)", 1, "Permeability of rock, soil and filters to a flowing fluid (Darcy's law)."),
        other("darcy (D)", darcy, "1 cm³/s of a 1 cP fluid through 1 cm² under 1 atm per cm: about 0.9869 µm².",
              also="darcies"),
        other("millidarcy (mD)", darcy / 1000, "Oil and gas reservoirs.", also="millidarcies"),
        si("square micrometer (µm²)", "1E-12"),
        other("nanodarcy (nD)", darcy / 10 ** 9, "Shale."),
    ]
    return Quantity("Fluid Permeability", units)


def volume_flow():
    def per(label, symbol, volume, time_label, time_symbol, seconds, memo=""):
        return metric(f"{label} per {time_label} ({symbol}/{time_symbol})", volume / seconds, memo)

    milliliter = LITER / 1000
    units = [
        si("cubic meter per second (m³/s)"),
        per("liter", "L", LITER, "second", "s", 1),
        per("liter", "L", LITER, "minute", "min", MINUTE),
        per("liter", "L", LITER, "hour", "h", HOUR),
        per("cubic meter", "m³", 1, "hour", "h", HOUR),
        us("gallon (US) per minute (gpm)", US_GALLON / MINUTE, also="gal/min, US gpm"),
        us("cubic foot per minute (cfm)", FOOT ** 3 / MINUTE, also="ft3/min, cu ft/min"),
        us("cubic foot per second (cfs)", FOOT ** 3, also="ft3/s, cusec"),
        per("cubic meter", "m³", 1, "minute", "min", MINUTE),
        per("cubic meter", "m³", 1, "day", "d", DAY),
        per("liter", "L", LITER, "day", "d", DAY),
        per("milliliter", "mL", milliliter, "second", "s", 1),
        per("milliliter", "mL", milliliter, "minute", "min", MINUTE),
        per("milliliter", "mL", milliliter, "hour", "h", HOUR, "Infusion pumps."),
        us("gallon (US) per hour (gph)", US_GALLON / HOUR),
        us("gallon (US) per day (gpd)", US_GALLON / DAY),
        us("million gallons (US) per day (MGD)", 10 ** 6 * US_GALLON / DAY),
        us("gallon (imperial) per minute", IMP_GALLON / MINUTE, also="imperial gpm"),
        us("gallon (imperial) per hour", IMP_GALLON / HOUR),
        us("cubic foot per hour (ft³/h)", FOOT ** 3 / HOUR, also="cfh"),
        us("acre-foot per day", 43560 * FOOT ** 3 / DAY),
        us("barrel (oil) per day (bbl/d)", 42 * US_GALLON / DAY, also="bpd, b/d"),
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
    def per(label, symbol, mass, time_label, time_symbol, seconds):
        return metric(f"{label} per {time_label} ({symbol}/{time_symbol})", Fraction(mass) / seconds)

    units = [
        si("kilogram per second (kg/s)"),
        per("kilogram", "kg", 1, "hour", "h", HOUR),
        per("gram", "g", Fraction(1, 1000), "second", "s", 1),
        per("tonne", "t", 1000, "hour", "h", HOUR),
        us("pound per hour (lb/h)", POUND / HOUR, also="pph"),
        us("pound per second (lb/s)", POUND),
        per("kilogram", "kg", 1, "minute", "min", MINUTE),
        per("kilogram", "kg", 1, "day", "d", DAY),
        per("gram", "g", Fraction(1, 1000), "minute", "min", MINUTE),
        per("gram", "g", Fraction(1, 1000), "hour", "h", HOUR),
        per("tonne", "t", 1000, "day", "d", DAY),
        si("milligram per second (mg/s)", "1E-06"),
        us("pound per minute (lb/min)", POUND / MINUTE),
        us("ton (short) per hour", 2000 * POUND / HOUR),
    ]
    return Quantity("Mass Flow Rate", units)


def surface_tension():
    units = [
        si("newton per meter (N/m)", 1, "The same unit as the surface energy, J/m²."),
        si("millinewton per meter (mN/m)", "0.001"),
        other("dyne per centimeter (dyn/cm)", "0.001", "CGS unit, equal to 1 mN/m."),
        other("erg per square centimeter (erg/cm²)", "0.001"),
        us("pound-force per inch (lbf/in)", POUND_FORCE / INCH),
        us("pound-force per foot (lbf/ft)", POUND_FORCE / FOOT),
    ]
    refs = [("Ethanol at 20 °C (about)", "0.0223"), ("Water at 20 °C (about)", "0.0728"),
            ("Mercury at 20 °C (about)", "0.486")]
    return Quantity("Surface Tension", units, refs)


def fuel_consumption():
    memo = RECIPROCAL.format(this="Volume of fuel per distance.", that="Fuel Economy (distance per volume)")
    units = [
        si("cubic meter per meter (m³/m)", 1, memo),
        metric("liter per 100 kilometers (L/100 km)", LITER / 100000, also="L/100km"),
        us("gallon (US) per 100 miles (gal/100 mi)", US_GALLON / (100 * MILE), also="US gal/100 mi"),
        us("gallon (imperial) per 100 miles", IMP_GALLON / (100 * MILE), also="UK gal/100 mi"),
        metric("liter per kilometer (L/km)", LITER / 1000),
    ]
    refs = [("Small car using 5 L per 100 km (about)", "5E-08"), ("Large SUV using 12 L per 100 km (about)",
                                                                  "1.2E-07")]
    return Quantity("Fuel Consumption", units, refs)


def fuel_economy():
    memo = RECIPROCAL.format(this="Distance per volume of fuel.",
                             that="Fuel Consumption (volume per distance, L/100 km)")
    units = [
        si("meter per cubic meter (m/m³)", 1, memo),
        metric("kilometer per liter (km/L)", 1000 / LITER, also="kmpl"),
        us("mile per gallon (US) (mpg)", MILE / US_GALLON, also="mpg US, US mpg, miles per gallon"),
        us("mile per gallon (imperial)", MILE / IMP_GALLON, also="mpg UK, UK mpg, imperial mpg"),
        us("mile per liter", MILE / LITER),
    ]
    return Quantity("Fuel Economy", units, [("Car using 5 L per 100 km", "20000000")])


def vehicle_energy_use():
    memo = RECIPROCAL.format(this="Energy per distance, as electric vehicles are rated.",
                             that="distance per energy (km/kWh, mi/kWh)")
    units = [
        si("joule per meter (J/m)", 1, memo),
        metric("kilowatt-hour per 100 kilometers (kWh/100 km)", KWH / 100000, also="kWh/100km"),
        metric("watt-hour per kilometer (Wh/km)", Fraction(3600, 1000)),
        us("watt-hour per mile (Wh/mi)", 3600 / MILE),
        us("kilowatt-hour per 100 miles (kWh/100 mi)", KWH / (100 * MILE), "The US EPA rating.",
           also="kWh/100mi"),
        metric("megajoule per kilometer (MJ/km)", 1000),
    ]
    refs = [("Efficient electric car, 15 kWh per 100 km (about)", "540"),
            ("Large electric SUV, 22 kWh per 100 km (about)", "792")]
    return Quantity("Vehicle Energy Use", units, refs)


def quantities():
    return [energy(), power(), moment_of_inertia(), action(), dynamic_viscosity(), kinematic_viscosity(),
            fluid_permeability(), volume_flow(), mass_flow(), surface_tension(), fuel_consumption(), fuel_economy(),
            vehicle_energy_use()]
