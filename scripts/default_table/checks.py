"""Checks on the table as written: they read the generated lines back, so they
hold the file itself to the sources, not the code that made it.

- every measured constant, and every unit that is one, carries the value and
  standard uncertainty of codata2022.py, and every CODATA memo names it;
- every quantity lists its everyday units (everyday.py) right after unit 1;
- every "Also:" name is unique within its quantity and is no unit's name
  or symbol there;
- memos fit the 256 characters the unit dialog allows.
"""

import re
from decimal import Decimal

from . import also, codata2022
from .everyday import EVERYDAY

TERMINATOR = ";E;"
MAX_MEMO = 256
SPECIAL = ("Number System", "Constants")

# Units that are a listed constant, by quantity and unit name.
CONSTANT_UNITS = [
    ("Length", "Bohr radius (a0)", "bohr radius"),
    ("Length", "Planck length (lP)", "planck length"),
    ("Time", "atomic unit of time", "atomic unit of time"),
    ("Time", "Planck time (tP)", "planck time"),
    ("Speed", "atomic unit of velocity", "atomic unit of velocity"),
    ("Mass", "dalton (Da)", "atomic mass constant"),
    ("Mass", "unified atomic mass unit (u)", "atomic mass constant"),
    ("Mass", "electron mass (me)", "electron mass"),
    ("Mass", "proton mass (mp)", "proton mass"),
    ("Mass", "neutron mass (mn)", "neutron mass"),
    ("Mass", "Planck mass (mP)", "planck mass"),
    ("Force", "atomic unit of force", "atomic unit of force"),
    ("Momentum", "atomic unit of momentum", "atomic unit of momentum"),
    ("Energy", "hartree (Eh)", "hartree energy"),
    ("Energy", "rydberg (Ry)", "rydberg constant times hc in j"),
    ("Electric Current", "atomic unit of current", "atomic unit of current"),
    ("Voltage", "atomic unit of electric potential", "atomic unit of electric potential"),
    ("Magnetic Flux Density", "atomic unit of magnetic flux density", "atomic unit of magnetic flux density"),
    ("Electric Field Strength", "atomic unit of electric field", "atomic unit of electric field"),
    ("Electric Dipole Moment", "atomic unit of electric dipole moment", "atomic unit of electric dipole moment"),
    ("Electric Charge Density", "atomic unit of charge density", "atomic unit of charge density"),
    ("Magnetic Moment", "Bohr magneton (muB)", "bohr magneton"),
    ("Magnetic Moment", "nuclear magneton (muN)", "nuclear magneton"),
    ("Permittivity", "vacuum permittivity (eps0)", "vacuum electric permittivity"),
    ("Permeability", "vacuum permeability (mu0)", "vacuum magnetic permeability"),
]


class CheckError(Exception):
    pass


def quantities(lines):
    """{quantity name: [unit fields]} of the written table, in file order."""
    ends = [i for i, line in enumerate(lines) if line == TERMINATOR]
    result = {}
    position = ends[1] + 1
    for end in ends[2:]:
        name = lines[position].split(";")[1]
        result[name] = [line.split(";") for line in lines[position + 1:end]]
        position = end + 1
    return result


def _same(a, b):
    return Decimal(a) == Decimal(b)


def check_constants(table):
    problems = []
    for fields in table["Constants"]:
        name, value, unit, memo = fields[1], fields[2], fields[3], fields[6]
        if codata2022.SOURCE not in memo:
            problems.append(f"Constants/{name}: the memo does not name {codata2022.SOURCE}")
        if memo.startswith("Exact"):
            continue
        listed = codata2022.VALUES.get(name.lower())
        if listed is None:
            problems.append(f"Constants/{name}: measured, but not in codata2022.py")
            continue
        stated = re.match(r"Standard uncertainty (\d+(?:\.\d+)?(?:E[-+]\d+)?)", memo)
        if not _same(value, listed[0]) or unit != listed[2]:
            problems.append(f"Constants/{name}: {value} {unit}, the listing has {listed[0]} {listed[2]}")
        if not stated or not _same(stated.group(1), listed[1]):
            problems.append(f"Constants/{name}: the memo does not give the uncertainty {listed[1]}")
    return problems


def check_constant_units(table):
    problems = []
    for quantity, unit, key in CONSTANT_UNITS:
        rows = [f for f in table.get(quantity, []) if f[1] == unit]
        if not rows:
            problems.append(f"{quantity}/{unit}: missing")
            continue
        value, uncertainty = codata2022.value(key)
        rate, rate_error = rows[0][2], rows[0][4]
        if Decimal(rate) != value or not rate_error or Decimal(rate_error) != uncertainty:
            problems.append(f"{quantity}/{unit}: {rate} ± {rate_error}, the listing has {value} ± {uncertainty}")
    for quantity, units in table.items():
        for fields in units:
            if "CODATA" in fields[6] and codata2022.SOURCE not in fields[6]:
                problems.append(f"{quantity}/{fields[1]}: the memo names another CODATA edition")
    return problems


def check_everyday(table):
    problems = []
    for quantity, units in table.items():
        if quantity in SPECIAL:
            continue
        if quantity not in EVERYDAY:
            problems.append(f"{quantity}: no list of everyday units in everyday.py")
            continue
        names = [fields[1] for fields in units]
        expected = [name for name in EVERYDAY[quantity] if name != names[0]]
        missing = [name for name in expected if name not in names]
        if missing:
            problems.append(f"{quantity}: everyday units not in the quantity: {missing}")
        elif names[1:1 + len(expected)] != expected:
            problems.append(f"{quantity}: after unit 1 the list should start {expected}, it starts "
                            f"{names[1:1 + len(expected)]}")
    for quantity in EVERYDAY:
        if quantity not in table:
            problems.append(f"everyday.py names a quantity the table lacks: {quantity}")
    return problems


def check_also(table):
    problems = []
    for quantity, units in table.items():
        taken = {}
        for fields in units:
            bare, symbol = also.split_name(fields[1])
            for text in {fields[1], bare, symbol} - {""}:
                taken[text] = fields[1]
        seen = {}
        for fields in units:
            for name in also.listed(fields[6]):
                key = name  # exact: "mOhm" and "MOhm" are two units
                if not name:
                    problems.append(f"{quantity}/{fields[1]}: an empty other name")
                elif key in taken:
                    problems.append(f"{quantity}/{fields[1]}: other name {name!r} is the name or symbol of "
                                    f"{taken[key]!r}")
                elif key in seen:
                    problems.append(f"{quantity}/{fields[1]}: other name {name!r} also given for {seen[key]!r}")
                seen.setdefault(key, fields[1])
    return problems


def check_memos(table):
    return [f"{quantity}/{fields[1]}: memo of {len(fields[6])} characters, more than {MAX_MEMO}"
            for quantity, units in table.items() for fields in units if len(fields[6]) > MAX_MEMO]


def run(lines):
    """Raises CheckError listing every problem of the written lines."""
    table = quantities(lines)
    problems = (check_constants(table) + check_constant_units(table) + check_everyday(table) + check_also(table)
                + check_memos(table))
    if problems:
        raise CheckError("\n".join(problems))
