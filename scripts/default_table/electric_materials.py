"""Electricity and Magnetism, continued: properties of materials and densities
of current and charge.

Sources: SI Brochure 9th ed.; NIST SP 811 Appendix B; CODATA 2022.
"""

from .units import CODATA_NOTE, FOOT, INCH, PI, Quantity, codata, other, si


def resistivity():
    units = [
        si("ohm meter", 1, "Resistivity. Written by name: the table's character set has no omega sign.",
           also="ohm-m, Ohm·m"),
        si("ohm centimeter", "0.01", also="ohm-cm, Ohm·cm"),
        si("microohm centimeter", "1E-08", also="µOhm·cm, uOhm-cm"),
        si("ohm square millimeter per meter", "1E-06", "Wire tables: equal to 1 µOhm·m.",
           also="Ohm·mm²/m, ohm mm2/m"),
        si("nanoohm meter", "1E-09", also="nOhm·m"),
        other("ohm circular mil per foot", PI / 4 * (INCH / 1000) ** 2 / FOOT, also="Ohm·cmil/ft"),
    ]
    refs = [("Copper at 20 °C (about)", "1.68E-08"), ("Seawater (about)", "0.2")]
    return Quantity("Electrical Resistivity", units, refs)


def conductivity():
    units = [
        si("siemens per meter (S/m)"),
        si("microsiemens per centimeter (µS/cm)", "0.0001", "Water quality.", also="µmho/cm"),
        si("millisiemens per centimeter (mS/cm)", "0.1"),
        si("megasiemens per meter (MS/m)", "1E6"),
        si("siemens per centimeter (S/cm)", 100),
    ]
    refs = [("Drinking water (about)", "0.05"), ("Seawater (about)", "5"), ("Copper at 20 °C (about)", "5.96E+07")]
    return Quantity("Electrical Conductivity", units, refs)


def permittivity():
    units = [
        si("farad per meter (F/m)"),
        other("vacuum permittivity (eps0)", codata("vacuum electric permittivity"), CODATA_NOTE,
              also="epsilon0, electric constant"),
        si("picofarad per meter (pF/m)", "1E-12"),
        si("nanofarad per meter (nF/m)", "1E-09"),
    ]
    return Quantity("Permittivity", units)


def permeability():
    units = [
        si("henry per meter (H/m)", 1, "The same unit as the newton per square ampere."),
        other("vacuum permeability (mu0)", codata("vacuum magnetic permeability"), CODATA_NOTE,
              also="µ0, magnetic constant"),
        si("microhenry per meter (µH/m)", "1E-06"),
        si("nanohenry per meter (nH/m)", "1E-09"),
    ]
    return Quantity("Permeability", units)


def current_density():
    units = [
        si("ampere per square meter (A/m²)"),
        si("ampere per square millimeter (A/mm²)", 1000000, "Wire loading."),
        si("ampere per square centimeter (A/cm²)", 10000),
        si("kiloampere per square meter (kA/m²)", 1000),
        si("milliampere per square centimeter (mA/cm²)", 10),
        other("ampere per square inch (A/in²)", 1 / INCH ** 2),
    ]
    return Quantity("Current Density", units)


def charge_density():
    units = [
        si("coulomb per cubic meter (C/m³)"),
        si("coulomb per cubic centimeter (C/cm³)", "1E6"),
        si("millicoulomb per cubic meter (mC/m³)", "0.001"),
        other("atomic unit of charge density", codata("atomic unit of charge density"), CODATA_NOTE),
    ]
    return Quantity("Electric Charge Density", units)


def surface_charge_density():
    units = [
        si("coulomb per square meter (C/m²)", 1, "The unit of electric displacement and polarization too."),
        si("microcoulomb per square centimeter (µC/cm²)", "0.01"),
        si("coulomb per square centimeter (C/cm²)", 10000),
        si("millicoulomb per square meter (mC/m²)", "0.001"),
        si("nanocoulomb per square centimeter (nC/cm²)", "1E-05"),
    ]
    return Quantity("Surface Charge Density", units)


def quantities():
    return [resistivity(), conductivity(), permittivity(), permeability(), current_density(), charge_density(),
            surface_charge_density()]
