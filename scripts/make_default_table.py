#!/usr/bin/env python3
"""Writes the bundled conversion table data/DEFAULT.DAT from the definitions in
scripts/default_table/ (Python 3 standard library only).

    make_default_table.py            write data/DEFAULT.DAT
    make_default_table.py PATH       write PATH instead
    make_default_table.py --check    fail when data/DEFAULT.DAT differs

The file is Windows-1252 with CR LF line ends: categories, node allocation
(Number System and Constants first, under the root), then one section per
quantity; each section closed by ";E;". Rates and offsets are written exactly
when their definition has a finite decimal form, else to 15 significant
digits; default_table/number_text.py says how, and how the error fields follow.
Before anything is written or compared, the table passes the checks of
default_table/checks.py (CODATA values, everyday units first, other names).
"""

import sys
from decimal import Decimal
from pathlib import Path

sys.dont_write_bytecode = True  # leave no __pycache__ in the repository
sys.path.insert(0, str(Path(__file__).resolve().parent))

from default_table import also, checks, constants, number_system  # noqa: E402
from default_table import electricity, heat_matter, light_radiation_information, mechanics, space_time  # noqa: E402
from default_table.number_text import number_fields  # noqa: E402

CATEGORIES = [
    space_time.CATEGORY,
    mechanics.CATEGORY,
    heat_matter.CATEGORY,
    electricity.CATEGORY,
    light_radiation_information.CATEGORY,
]

# Default limits of the program ("Dim" settings).
MAX_CATEGORY, MAX_QUANTITY, MAX_UNIT, MAX_REFERENCES = 30, 200, 100, 20
TERMINATOR = ";E;"


# --- Checks -----------------------------------------------------------------------
class TableError(Exception):
    pass


def check_field(text: str, where: str):
    if ";" in text or "\r" in text or "\n" in text:
        raise TableError(f"{where}: a field holds ';' or a line break: {text!r}")
    try:
        text.encode("cp1252")
    except UnicodeEncodeError as error:
        raise TableError(f"{where}: not Windows-1252: {text!r}") from error


def check_unique(names, where: str):
    seen = set()
    for name in names:
        if name in seen:
            raise TableError(f"{where}: the name {name!r} is used twice")
        seen.add(name)


# --- Lines --------------------------------------------------------------------------
def join(*fields):
    """One line; every field checked first, since ";" in a field would split it."""
    texts = [str(f) for f in fields]
    for text in texts:
        check_field(text, texts[1] if len(texts) > 1 else texts[0])
    return ";".join(texts)


def unit_line(icon, name, rate, offset, rate_error, offset_error, memo, references=()):
    pairs = [text for pair in references for text in pair]
    return join(icon, name, rate, offset, rate_error, offset_error, memo, *pairs)


def quantity_lines(icon, quantity):
    if len(quantity.units) > MAX_UNIT:
        raise TableError(f"{quantity.name}: {len(quantity.units)} units")
    if len(quantity.references) > MAX_REFERENCES:
        raise TableError(f"{quantity.name}: {len(quantity.references)} reference items")
    check_unique([u.name for u in quantity.units], quantity.name)
    lines = [join(icon, quantity.name, len(quantity.units))]
    for j, unit in enumerate(quantity.units, start=1):
        rate, rate_error = number_fields(unit.rate)
        offset, offset_error = number_fields(unit.offset)
        if j == 1 and (rate, offset) != ("1", "0"):
            raise TableError(f"{quantity.name}: unit 1 is not the reference unit")
        if unit.rate.value == 0:
            raise TableError(f"{quantity.name}/{unit.name}: rate zero")
        references = quantity.references if j == 1 else ()
        for _, value in references:
            Decimal(value)  # a number, or this raises
        memo = also.memo(unit)
        if also.listed(memo) != also.names(unit):
            raise TableError(f"{quantity.name}/{unit.name}: an other name holds ',' or '.': {also.names(unit)}")
        lines.append(unit_line(unit.icon, unit.name, rate, offset, rate_error, offset_error, memo, references))
    lines.append(TERMINATOR)
    return lines


def table_lines():
    quantities = [(c, cat.icon, q) for c, cat in enumerate(CATEGORIES, start=1) for q in cat.quantities]
    if len(CATEGORIES) > MAX_CATEGORY or len(quantities) + 2 > MAX_QUANTITY:
        raise TableError("too many categories or quantities")
    check_unique([cat.name for cat in CATEGORIES], "categories")
    check_unique([number_system.NAME, constants.NAME] + [q.name for _, _, q in quantities], "quantities")

    lines = [join(cat.icon, cat.name, 1) for cat in CATEGORIES] + [TERMINATOR]
    lines += [join(1, 1, number_system.NAME), join(2, 1, constants.NAME)]
    lines += [join(k, c + 1, q.name) for k, (c, _, q) in enumerate(quantities, start=3)]
    lines.append(TERMINATOR)

    lines.append(join(number_system.ICON, number_system.NAME, len(number_system.UNITS)))
    lines += [unit_line(1, name, radix, "0", "0", "0", memo) for name, radix, memo in number_system.UNITS]
    lines.append(TERMINATOR)

    items = constants.items()
    check_unique([name for name, _, _, _ in items], constants.NAME)
    lines.append(join(constants.ICON, constants.NAME, len(items)))
    lines += [unit_line(constants.ICON, name, value, unit, "0", "0", memo) for name, value, unit, memo in items]
    lines.append(TERMINATOR)

    for _, icon, quantity in quantities:
        lines += quantity_lines(icon, quantity)
    return lines


def summary():
    quantities = [q for cat in CATEGORIES for q in cat.quantities]
    return (f"{len(CATEGORIES)} categories, {len(quantities)} quantities, "
            f"{sum(len(q.units) for q in quantities)} units, {len(constants.items())} constants, "
            f"{sum(len(q.references) for q in quantities)} reference items "
            f"({sum(1 for q in quantities if q.references)} quantities)")


def main(argv):
    default = Path(__file__).resolve().parent.parent / "data" / "DEFAULT.DAT"
    check = "--check" in argv
    paths = [a for a in argv if a != "--check"]
    target = Path(paths[0]) if paths else default
    try:
        lines = table_lines()
        checks.run(lines)
    except (TableError, checks.CheckError) as error:
        print(f"The table does not pass its checks:\n{error}", file=sys.stderr)
        return 1
    data = ("\r\n".join(lines) + "\r\n").encode("cp1252")
    try:
        data.decode("utf-8")
        raise TableError("the bytes are also valid UTF-8, and the program would read them as such")
    except UnicodeDecodeError:
        pass
    if check:
        if not target.exists() or target.read_bytes() != data:
            print(f"{target} differs from the definitions", file=sys.stderr)
            return 1
        print(f"{target} is up to date: {summary()}")
        return 0
    target.parent.mkdir(parents=True, exist_ok=True)
    if target.exists():
        target.chmod(0o644)  # the program leaves the file read-only
    target.write_bytes(data)
    print(f"wrote {target}: {summary()}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
