"""Definitions of the bundled conversion table, one module per category."""
