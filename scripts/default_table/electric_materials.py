"""Electricity and Magnetism, continued: properties of materials and densities
of current and charge.

Sources: SI Brochure 9th ed.; NIST SP 811 Appendix B; CODATA 2018.
"""

from .prefixes import ohm_units
from .units import FOOT, INCH, PI, Quantity, measured, other, si

CODATA = "CODATA 2018 value, standard uncertainty in the error field."


def resistivity():
    units = ohm_units(" meter", memo="Resistivity: ohm meter.")[:1] + [
        si("ohm centimeter", "0.01"),
        si("microohm centimeter", "1E-08"),
        si("nanoohm meter", "1E-09"),
        si("ohm square millimeter per meter", "1E-06", "Wire tables: equal to 1 µOhm·m."),
        other("ohm circular mil per foot", PI / 4 * (INCH / 1000) ** 2 / FOOT),
    ]
    refs = [("Copper at 20 °C (about)", "1.68E-08"), ("Seawater (about)", "0.2")]
    return Quantity("Electrical Resistivity", units, refs)


def conductivity():
    units = [
        si("siemens per meter (S/m)"),
        si("megasiemens per meter (MS/m)", "1E6"),
        si("siemens per centimeter (S/cm)", 100),
        si("millisiemens per centimeter (mS/cm)", "0.1"),
        si("microsiemens per centimeter (µS/cm)", "0.0001", "Water quality."),
    ]
    refs = [("Drinking water (about)", "0.05"), ("Seawater (about)", "5"), ("Copper at 20 °C (about)", "5.96E+07")]
    return Quantity("Electrical Conductivity", units, refs)


def permittivity():
    units = [
        si("farad per meter (F/m)"),
        si("picofarad per meter (pF/m)", "1E-12"),
        si("nanofarad per meter (nF/m)", "1E-09"),
        other("vacuum permittivity (eps0)", measured("8.8541878128E-12", "0.0000000013E-12"), CODATA),
    ]
    return Quantity("Permittivity", units)


def permeability():
    units = [
        si("henry per meter (H/m)", 1, "Also newton per square ampere."),
        si("microhenry per meter (µH/m)", "1E-06"),
        si("nanohenry per meter (nH/m)", "1E-09"),
        other("vacuum permeability (mu0)", measured("1.25663706212E-6", "0.00000000019E-6"), CODATA),
    ]
    return Quantity("Permeability", units)


def current_density():
    units = [
        si("ampere per square meter (A/m²)"),
        si("kiloampere per square meter (kA/m²)", 1000),
        si("ampere per square centimeter (A/cm²)", 10000),
        si("milliampere per square centimeter (mA/cm²)", 10),
        si("ampere per square millimeter (A/mm²)", 1000000, "Wire loading."),
        other("ampere per square inch (A/in²)", 1 / INCH ** 2),
    ]
    return Quantity("Current Density", units)


def charge_density():
    units = [
        si("coulomb per cubic meter (C/m³)"),
        si("coulomb per cubic centimeter (C/cm³)", "1E6"),
        si("millicoulomb per cubic meter (mC/m³)", "0.001"),
        si("microcoulomb per cubic meter (µC/m³)", "1E-06"),
        other("atomic unit of charge density", measured("1.08120238457E12", "0.00000000049E12"), CODATA),
    ]
    return Quantity("Electric Charge Density", units)


def surface_charge_density():
    units = [
        si("coulomb per square meter (C/m²)", 1, "Also electric displacement and polarization."),
        si("coulomb per square centimeter (C/cm²)", 10000),
        si("millicoulomb per square meter (mC/m²)", "0.001"),
        si("microcoulomb per square centimeter (µC/cm²)", "0.01"),
        si("nanocoulomb per square centimeter (nC/cm²)", "1E-05"),
    ]
    return Quantity("Surface Charge Density", units)


def quantities():
    return [resistivity(), conductivity(), permittivity(), permeability(), current_density(), charge_density(),
            surface_charge_density()]
