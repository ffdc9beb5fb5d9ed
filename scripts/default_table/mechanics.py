"""Category Mechanics: mass and its densities, force, pressure, torque,
momentum; energy, power and flows come from energy_flow.py.

Sources: SI Brochure 9th ed.; NIST SP 811 Appendix B; international yard and
pound (1959); CODATA 2022; IAU 2015 Resolution B3 (nominal GM of Sun, Earth
and Jupiter, divided by the CODATA 2022 gravitational constant).
"""

from fractions import Fraction

from . import energy_flow, mass_density
from .number_text import codata_text
from .prefixes import prefixed
from .units import (ATMOSPHERE, ATOMIC_MASS_UNIT, C_LIGHT, CODATA_NOTE, E_CHARGE, ELECTRON_MASS, FOOT, GRAIN,
                    GRAVITATION, INCH, KILOGRAM_FORCE, MMH2O, MMHG, NEUTRON_MASS, OUNCE, PLANCK_MASS, POUND,
                    POUND_FORCE, PROTON_MASS, STANDARD_GRAVITY, TORR, TROY_OUNCE, Category, Quantity, codata, metric,
                    other, si, us, x)

SLUG = POUND_FORCE / FOOT         # lbf s²/ft
FUNT = x("0.40951241")            # Russian pound, 1899
TON_FORCE_SHORT = 2000 * POUND_FORCE
PSI = POUND_FORCE / INCH ** 2


def _nominal_mass(gm):
    return x(gm) / GRAVITATION


def _nominal_memo(body):
    return f"Nominal GM of {body} (IAU 2015) / G (CODATA 2022), uncertainty from G."


def mass():
    units = [
        si("kilogram (kg)", 1, "SI base unit, fixed since 2019 by the Planck constant.", also="kilo, kilogramme"),
        si("milligram (mg)", "1E-06", also="milligramme"),
        si("gram (g)", "0.001", also="gramme"),
        metric("tonne (t)", 1000, "The metric ton: 1000 kg. The US (short) ton is 2000 lb, the UK (long) ton 2240 lb.",
               also="metric ton"),
        us("ounce (oz)", OUNCE, "Avoirdupois ounce: 1/16 pound, 28.349523125 g.", also="avoirdupois ounce"),
        us("pound (lb)", POUND, "Avoirdupois pound: exactly 0.45359237 kg (1959).", also="lbs, lbm"),
        us("stone (st)", 14 * POUND, "14 pounds."),
    ]
    units += prefixed("gram", "g", "0.001", symbols="µ n p da", also={"µ": "mcg", "da": "deko"})
    units += [
        metric("kilotonne (kt)", "1E6"),
        metric("megatonne (Mt)", "1E9"),
        metric("gigatonne (Gt)", "1E12"),
        other("quintal (q)", 100),
        other("pound (metric)", "0.5", "The metric pound (Pfund): 500 g."),
        other("carat (ct)", "0.0002", "The metric carat of gems: 200 mg."),
        metric("dalton (Da)", ATOMIC_MASS_UNIT, "1/12 of the mass of a carbon-12 atom. " + CODATA_NOTE),
        metric("unified atomic mass unit (u)", ATOMIC_MASS_UNIT, "The same as the dalton. " + CODATA_NOTE,
               also="amu"),
        metric("kilodalton (kDa)", 1000 * ATOMIC_MASS_UNIT, CODATA_NOTE),
        other("electron mass (me)", ELECTRON_MASS, "Atomic unit of mass. " + CODATA_NOTE),
        other("proton mass (mp)", PROTON_MASS, CODATA_NOTE),
        other("neutron mass (mn)", NEUTRON_MASS, CODATA_NOTE),
        other("Planck mass (mP)", PLANCK_MASS, CODATA_NOTE),
        us("grain (gr)", GRAIN,
           "Exactly 64.79891 mg: 1/7000 pound. The same in avoirdupois, troy and apothecaries' use."),
        us("dram (dr)", OUNCE / 16, "Avoirdupois dram: 1/16 ounce.", also="drachm"),
        us("quarter (UK)", 28 * POUND, "28 pounds."),
        us("hundredweight (short)", 100 * POUND, "US hundredweight: 100 lb.", also="short hundredweight, cwt US"),
        us("hundredweight (long)", 112 * POUND, "UK hundredweight: 112 lb.", also="long hundredweight, cwt"),
        us("ton (short)", 2000 * POUND, "US ton: 2000 lb, 907.18474 kg.", also="short ton, US ton"),
        us("ton (long)", 2240 * POUND, "UK ton: 2240 lb, 1016.0469088 kg.", also="long ton, UK ton, imperial ton"),
        us("slug", SLUG, "The mass that 1 lbf accelerates by 1 ft/s²."),
        us("troy ounce (oz t)", TROY_OUNCE, "480 grains: precious metals.", also="ozt, troy oz"),
        us("troy pound (lb t)", 12 * TROY_OUNCE),
        us("pennyweight (dwt)", 24 * GRAIN),
        us("scruple (apothecaries')", 20 * GRAIN),
        us("dram (apothecaries')", 60 * GRAIN),
        other("kan (Japan)", "3.75"),
        other("momme (Japan)", "0.00375", "Pearls are still weighed in momme."),
        other("jin (China)", "0.5", "The market jin: 500 g.", also="catty"),
        other("liang (China)", "0.05", also="tael"),
        other("zolotnik (Russia)", FUNT / 96),
        other("funt (Russia)", FUNT, "The Russian pound: 409.51241 g."),
        other("pood (Russia)", 40 * FUNT, "40 funt.", also="pud"),
        other("Earth mass (ME)", _nominal_mass("3.986004E14"), _nominal_memo("the Earth")),
        other("Jupiter mass (MJ)", _nominal_mass("1.2668653E17"), _nominal_memo("Jupiter")),
        other("solar mass (Msun)", _nominal_mass("1.3271244E20"), _nominal_memo("the Sun")),
    ]
    refs = [
        ("Electron", codata_text("electron mass")),
        ("Proton", codata_text("proton mass")),
        ("Mosquito (about)", "2.5E-06"),
        ("US nickel coin", "0.005"),
        ("One liter of water at 4 °C (about)", "0.99997"),
        ("Adult human (about)", "70"),
        ("Passenger car (about)", "1500"),
        ("African elephant (about)", "6000"),
        ("Blue whale (about)", "150000"),
        ("Mass of the Moon (about)", "7.342E+22"),
        ("Mass of the Earth (about)", "5.9722E+24"),
        ("Mass of the Sun (about)", "1.9884E+30"),
    ]
    return Quantity("Mass", units, refs)


def force():
    units = [
        si("newton (N)", 1, "The force giving 1 kg an acceleration of 1 m/s²."),
        si("kilonewton (kN)", 1000),
        other("kilogram-force (kgf)", KILOGRAM_FORCE, "Weight of 1 kg under standard gravity: exactly 9.80665 N.",
              also="kilogramme-force, kgp"),
        us("pound-force (lbf)", POUND_FORCE, "Weight of 1 lb under standard gravity: exactly 4.4482216152605 N.",
           also="lbs force"),
    ]
    units += prefixed("newton", "N", symbols="µ m da M", also={"da": "decanewton"})
    units += [
        other("dyne (dyn)", "1E-05", "CGS unit: 1 g cm/s²."),
        other("kilopond (kp)", KILOGRAM_FORCE, "The same as the kilogram-force."),
        other("gram-force (gf)", KILOGRAM_FORCE / 1000, also="gramme-force"),
        other("tonne-force (tf)", 1000 * KILOGRAM_FORCE, also="metric ton-force"),
        us("ounce-force (ozf)", POUND_FORCE / 16),
        us("kip (kip)", 1000 * POUND_FORCE, "1000 pound-force.", also="kilopound-force, klbf"),
        us("ton-force (short)", TON_FORCE_SHORT, also="short ton-force"),
        us("ton-force (long)", 2240 * POUND_FORCE, also="long ton-force"),
        us("poundal (pdl)", POUND * FOOT, "1 lb ft/s²."),
        other("sthène (sn)", 1000, "The force unit of the old French metre-tonne-second system."),
        other("atomic unit of force", codata("atomic unit of force"), CODATA_NOTE),
    ]
    refs = [
        ("Weight of an apple of 102 g (about)", "1"),
        ("Weight of 70 kg under standard gravity", "686.4655"),
        ("Thrust of a Saturn V first stage (about)", "3.5E+07"),
        ("Gravitational pull between the Earth and the Moon (about)", "1.98E+20"),
    ]
    return Quantity("Force", units, refs)


def pressure():
    units = [
        si("pascal (Pa)", 1, "1 N/m²."),
        si("hectopascal (hPa)", 100, "The same as the millibar: weather maps."),
        si("kilopascal (kPa)", 1000),
        si("megapascal (MPa)", "1E6"),
        metric("bar (bar)", 100000, "100 kPa: close to the atmospheric pressure at sea level."),
        metric("millibar (mbar)", 100, "The same as the hectopascal.", also="mb"),
        us("pound-force per square inch (psi)", PSI, also="lbf/in2, lb/in2, pounds per square inch"),
        other("standard atmosphere (atm)", ATMOSPHERE, "Exactly 101325 Pa (10th CGPM, 1954).", also="atmosphere"),
        other("millimeter of mercury (mmHg)", MMHG,
              "Conventional: 13595.1 kg/m³ under standard gravity, exactly 133.322387415 Pa. "
              "0.14 ppm above the torr.", also="mm Hg"),
        us("inch of mercury (inHg)", Fraction("25.4") * MMHG, "Conventional mercury column, 3386.388640341 Pa.",
           also="in Hg, inches of mercury"),
    ]
    units += prefixed("pascal", "Pa", symbols="µ G")
    units += [
        metric("decibar (dbar)", 10000, "10 kPa: oceanographers give sea pressure in decibars, about one per meter "
                                        "of depth."),
        metric("kilobar (kbar)", "1E8"),
        other("technical atmosphere (at)", 10000 * KILOGRAM_FORCE, "1 kgf/cm²: 98066.5 Pa."),
        other("torr (Torr)", TORR, "1/760 standard atmosphere: 133.322368421... Pa."),
        other("millitorr (mTorr)", TORR / 1000, also="micron of mercury"),
        other("centimeter of mercury (cmHg)", 10 * MMHG),
        other("millimeter of water (mmH2O)", MMH2O, "Conventional: 1000 kg/m³ under standard gravity.",
              also="mmWC, mm WG"),
        other("centimeter of water (cmH2O)", 10 * MMH2O),
        other("meter of water (mH2O)", 1000 * MMH2O, also="mWC"),
        us("inch of water (inH2O)", Fraction("25.4") * MMH2O, "Conventional water column, 249.08891 Pa.",
           also="inWC, in WG, inches of water"),
        us("foot of water (ftH2O)", Fraction("304.8") * MMH2O, also="feet of water"),
        us("kilopound-force per square inch (ksi)", 1000 * PSI),
        us("pound-force per square foot (psf)", POUND_FORCE / FOOT ** 2, also="lbf/ft2"),
        us("ton-force (short) per square foot (tsf)", TON_FORCE_SHORT / FOOT ** 2),
        us("ton-force (short) per square inch (tsi)", TON_FORCE_SHORT / INCH ** 2),
        other("kilogram-force per square centimeter (kgf/cm²)", 10000 * KILOGRAM_FORCE, also="kg/cm2"),
        other("kilogram-force per square meter (kgf/m²)", KILOGRAM_FORCE),
        other("kilogram-force per square millimeter (kgf/mm²)", 1000000 * KILOGRAM_FORCE),
        si("newton per square millimeter (N/mm²)", 1000000),
        other("barye (Ba)", "0.1", "CGS unit: 1 dyn/cm²."),
    ]
    refs = [
        ("Atmospheric pressure on Mars (mean, about)", "610"),
        ("Blood pressure of 120 mmHg", "15998.6864898"),
        ("Atmospheric pressure at the top of Mount Everest (about)", "33700"),
        ("Standard-state pressure", "100000"),
        ("Standard atmosphere", "101325"),
        ("Car tire, 2.2 bar above the atmosphere", "321325"),
        ("Surface pressure on Venus (about)", "9.2E+06"),
        ("Bottom of the Mariana Trench (about)", "1.086E+08"),
        ("Center of the Earth (about)", "3.6E+11"),
    ]
    return Quantity("Pressure", units, refs)


def gauge_pressure():
    gauge = "Above the standard atmosphere (101325 Pa), as tyre and process gauges read."
    units = [
        si("pascal absolute (Pa)", 1,
           "Absolute pressure. Gauge units count from the standard atmosphere: the real air pressure varies "
           "with weather and height, so a precise conversion needs the barometer's reading.", also="Pa abs"),
        metric("bar gauge (barg)", 100000, gauge, offset=ATMOSPHERE, also="bar g"),
        us("psi gauge (psig)", PSI, gauge, offset=ATMOSPHERE, also="psi g"),
        si("kilopascal gauge (kPag)", 1000, gauge, offset=ATMOSPHERE, also="kPa g"),
        metric("bar absolute (bara)", 100000, also="bar a, bar abs"),
        us("psi absolute (psia)", PSI, also="psi a, psi abs"),
        si("kilopascal absolute (kPa abs)", 1000, also="kPaa, kPa a"),
        si("megapascal gauge (MPag)", "1E6", gauge, offset=ATMOSPHERE, also="MPa g"),
        other("kilogram-force per square centimeter gauge (kgf/cm² g)", 10000 * KILOGRAM_FORCE, gauge,
              offset=ATMOSPHERE, also="kg/cm2 g, kg/cm2g, atu"),
        other("standard atmosphere absolute (atm)", ATMOSPHERE, "Exactly 101325 Pa.", also="atma"),
    ]
    refs = [
        ("Vacuum", "0"),
        ("Standard atmosphere (0 gauge)", "101325"),
        ("Car tire, 2.2 bar gauge", "321325"),
    ]
    return Quantity("Gauge Pressure", units, refs)


def torque():
    lbf_ft = POUND_FORCE * FOOT
    units = [
        si("newton meter (N·m)", 1, "The same dimension as the joule, kept apart because it is not energy.",
           also="Nm"),
        si("kilonewton meter (kN·m)", 1000, also="kNm"),
        us("pound-force foot (lbf·ft)", lbf_ft, also="foot-pound, ft-lb, lb-ft, ft-lbf"),
        us("pound-force inch (lbf·in)", POUND_FORCE * INCH, also="inch-pound, in-lb, lb-in"),
        other("kilogram-force meter (kgf·m)", KILOGRAM_FORCE, also="kg-m"),
        si("millinewton meter (mN·m)", "0.001"),
        si("newton centimeter (N·cm)", "0.01", "Small motors and screwdrivers.", also="Ncm"),
        si("meganewton meter (MN·m)", "1E6"),
        other("dyne centimeter (dyn·cm)", "1E-07"),
        other("kilogram-force centimeter (kgf·cm)", KILOGRAM_FORCE / 100, "Hobby servos.", also="kg-cm"),
        other("gram-force centimeter (gf·cm)", KILOGRAM_FORCE / 100000),
        us("ounce-force inch (ozf·in)", POUND_FORCE / 16 * INCH, also="oz-in"),
        us("kip foot (kip·ft)", 1000 * lbf_ft),
    ]
    refs = [("Tightening a car wheel nut (about)", "110"), ("Car engine, peak (about)", "250")]
    return Quantity("Torque", units, refs)


def momentum():
    ev_c = E_CHARGE / C_LIGHT
    units = [
        si("kilogram meter per second (kg·m/s)"),
        si("newton second (N·s)", 1, also="Ns"),
        other("megaelectronvolt per c (MeV/c)", 10 ** 6 * ev_c),
        other("gigaelectronvolt per c (GeV/c)", 10 ** 9 * ev_c),
        si("gram centimeter per second (g·cm/s)", "1E-05"),
        other("kilogram-force second (kgf·s)", STANDARD_GRAVITY),
        us("pound foot per second (lb·ft/s)", POUND * FOOT),
        us("pound-force second (lbf·s)", POUND_FORCE),
        other("electronvolt per c (eV/c)", ev_c),
        other("kiloelectronvolt per c (keV/c)", 1000 * ev_c),
        other("teraelectronvolt per c (TeV/c)", 10 ** 12 * ev_c),
        other("atomic unit of momentum", codata("atomic unit of momentum"), CODATA_NOTE),
    ]
    return Quantity("Momentum", units, [("Sprinter of 80 kg at 10 m/s", "800")])


CATEGORY = Category("Mechanics", 2, [mass()] + mass_density.quantities() + [
    force(), pressure(), gauge_pressure(), torque(), momentum()] + energy_flow.quantities())
