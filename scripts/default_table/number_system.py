"""The Number System quantity: each unit's rate is the radix of its notation."""

NAME = "Number System"
ICON = 1

UNITS = [
    ("Binary", "2", "Base 2: digits 0 and 1, up to 16 digits (0 to 65535)."),
    ("Octal", "8", "Base 8: digits 0 to 7, up to 11 digits (0 to 2147483647)."),
    ("Decimal", "10", "Base 10: whole numbers written with the digits 0 to 9."),
    ("Hexadecimal", "16", "Base 16: digits 0 to 9 and A to F, up to 8 digits (0 to FFFFFFFF)."),
]
