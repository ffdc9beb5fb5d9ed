"""Other names of a unit, written as the first line of its memo:

    Also: metre, mtr.

The find command matches a unit through these names as well as its own. A
table field holds no line break (the program joins a memo's lines with one
blank), so the line ends at its first "." and the names are separated by
", ": a name holds neither "," nor ".".

Besides the names given by hand, every unit gets the spellings that follow
from its name: the British "metre" and "litre", the name without accents
("angstrom"), and the ASCII form of its symbol ("m2", "um", "deg C", "ft-lbf").
"""

import re
import unicodedata

PREFIX = "Also: "

_BRITISH = [("meter", "metre"), ("liter", "litre"), ("deka", "deca"), ("diopter", "dioptre"),
            ("electronvolt", "electron volt")]
_SYMBOL_ASCII = str.maketrans({"²": "2", "³": "3", "µ": "u", "·": "-"})


def split_name(name):
    """(name without its symbol, symbol) of "name (symbol)"; symbol "" when none."""
    match = re.fullmatch(r"(.*\S) \(([^()]*(?:\([^()]*\)[^()]*)*)\)", name)
    return (match.group(1), match.group(2)) if match else (name, "")


def _without_accents(text):
    text = text.replace("ø", "o").replace("Ø", "O")
    return "".join(c for c in unicodedata.normalize("NFKD", text) if not unicodedata.combining(c))


def _british(text):
    for us, uk in _BRITISH:
        text = text.replace(us, uk)
    return text


def _ascii_symbol(symbol):
    text = re.sub(r"°(?=[A-Za-z])", "deg ", symbol).replace("°", "deg").translate(_SYMBOL_ASCII)
    return _without_accents(text)


def names(unit):
    """The unit's other names: spellings first, then those given by hand, then
    the ASCII symbol; without repeats and without the unit's own name or symbol."""
    bare, symbol = split_name(unit.name)
    found = [_british(bare), _without_accents(_british(bare))]
    found += list(unit.also)
    ascii_symbol = _ascii_symbol(symbol)
    if len(ascii_symbol) > 1:  # "Å" would fold to "A", which is no name of it
        found.append(ascii_symbol)
    own = {unit.name.lower(), bare.lower(), symbol.lower()}
    result = []
    for name in found:
        if name.lower() not in own and name.lower() not in {r.lower() for r in result}:
            result.append(name)
    return result


def memo(unit):
    """The memo as written: the Also line, then the unit's own memo."""
    listed = names(unit)
    if not listed:
        return unit.memo
    line = PREFIX + ", ".join(listed) + "."
    return f"{line} {unit.memo}" if unit.memo else line


def listed(memo_text):
    """The names of a written memo's Also line; [] when it has none."""
    if not memo_text.startswith(PREFIX):
        return []
    line = memo_text[len(PREFIX):].split(".", 1)[0]
    return [name.strip() for name in line.split(",")]
