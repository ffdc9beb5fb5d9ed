"""Category Light, Radiation and Information, with the plain counts and ratios.

Sources: SI Brochure 9th ed.; NIST SP 811 Appendix B (curie, röntgen, rad,
rem, lambert, foot-candle); IEC 80000-13 (binary prefixes for information);
US EPA (radon action level 4 pCi/L); WHO handbook on indoor radon (2009,
reference level 100 Bq/m³); Council Directive 2013/59/Euratom (reference
level for radon at home at most 300 Bq/m³). Counts and ratios: their
traditional definitions; the billion and trillion of the short scale.
"""

from fractions import Fraction

from .prefixes import prefixed
from .units import (BTU_IT, CAL_IT, CAL_TH, FOOT, HOUR, JULIAN_YEAR, LITER, MINUTE, PI, Category, Quantity, metric,
                    other, si, us, x)

FOOT2 = FOOT ** 2
CURIE = x("3.7E10")
ROENTGEN = x("2.58E-4")
DECIMAL = [("kilo", "k", 3), ("mega", "M", 6), ("giga", "G", 9), ("tera", "T", 12), ("peta", "P", 15),
           ("exa", "E", 18), ("zetta", "Z", 21), ("yotta", "Y", 24), ("ronna", "R", 27), ("quetta", "Q", 30)]
BINARY = [("kibi", "Ki", 10), ("mebi", "Mi", 20), ("gibi", "Gi", 30), ("tebi", "Ti", 40), ("pebi", "Pi", 50),
          ("exbi", "Ei", 60), ("zebi", "Zi", 70), ("yobi", "Yi", 80)]


def _si_family(name, symbol, memo, first, rest=""):
    """The unit, then its prefixed forms people use most, then the others in use."""
    return [si(f"{name} ({symbol})", 1, memo)] + prefixed(name, symbol, symbols=first) + prefixed(
        name, symbol, symbols=rest)


def luminous_intensity():
    units = _si_family("candela", "cd", "SI base unit, fixed by the luminous efficacy of 540 THz light (683 lm/W).",
                       "m k")
    units += [other("candlepower (cp)", 1, "The new candle: equal to the candela.", also="candle")]
    return Quantity("Luminous Intensity", units, [("Candle flame (about)", "1")])


def luminance():
    units = [
        si("candela per square meter (cd/m²)"),
        si("nit (nt)", 1, "Another name for 1 cd/m²: screen brightness."),
        other("foot-lambert (fL)", 1 / (PI * FOOT2), "1/pi cd/ft²."),
        si("kilocandela per square meter (kcd/m²)", 1000),
        si("millicandela per square meter (mcd/m²)", "0.001"),
        si("candela per square centimeter (cd/cm²)", 10000),
        other("stilb (sb)", 10000, "CGS unit: 1 cd/cm²."),
        other("candela per square foot (cd/ft²)", 1 / FOOT2),
        other("apostilb (asb)", 1 / PI, "1/pi cd/m²."),
        other("lambert (L)", 10000 / PI, "1/pi cd/cm²."),
        other("millilambert (mL)", 10 / PI),
    ]
    refs = [("Night sky (about)", "0.0001"), ("Computer display (typical)", "250"),
            ("Clear blue sky (about)", "8000"), ("Surface of the Sun (about)", "1.6E+09")]
    return Quantity("Luminance", units, refs)


def illuminance():
    units = _si_family("lux", "lx", "1 lm/m².", "k", "m")
    units.insert(2, other("foot-candle (fc)", 1 / FOOT2, "1 lm/ft².", also="footcandle, lm/ft2"))
    units += [
        si("lumen per square meter (lm/m²)", 1),
        other("phot (ph)", 10000, "CGS unit: 1 lm/cm²."),
    ]
    refs = [("Full moon on a clear night (about)", "0.25"), ("Living room (about)", "50"),
            ("Office lighting (about)", "500"), ("Overcast day (about)", "1000"),
            ("Full daylight, not direct sun (about)", "20000"), ("Direct sunlight (about)", "100000")]
    return Quantity("Illuminance", units, refs)


def luminous_flux():
    units = _si_family("lumen", "lm", "1 cd·sr.", "k m")
    units += [
        si("candela steradian (cd·sr)", 1),
        other("spherical candlepower", 4 * PI, "A 1 cd source radiating equally in all directions."),
    ]
    refs = [("Candle (about)", "12.6"), ("60 W incandescent lamp (about)", "800"),
            ("Sun (about)", "3.75E+28")]
    return Quantity("Luminous Flux", units, refs)


def radiant_intensity():
    units = [
        si("watt per steradian (W/sr)"),
        si("milliwatt per steradian (mW/sr)", "0.001"),
        si("kilowatt per steradian (kW/sr)", 1000),
        si("microwatt per steradian (µW/sr)", "1E-06"),
    ]
    return Quantity("Radiant Intensity", units)


def radiance():
    units = [
        si("watt per steradian square meter (W/(sr·m²))"),
        si("watt per steradian square centimeter (W/(sr·cm²))", 10000),
        si("milliwatt per steradian square centimeter (mW/(sr·cm²))", 10),
        si("microwatt per steradian square centimeter (µW/(sr·cm²))", "0.01"),
    ]
    return Quantity("Radiance", units)


def radiant_exposure():
    units = [
        si("joule per square meter (J/m²)", 1, "Radiant exposure and fluence."),
        si("joule per square centimeter (J/cm²)", 10000),
        metric("kilowatt-hour per square meter (kWh/m²)", 3600000, "Solar energy on a surface."),
        si("kilojoule per square meter (kJ/m²)", 1000),
        si("millijoule per square centimeter (mJ/cm²)", 10),
        other("langley (Ly)", CAL_TH * 10000, "One thermochemical calorie per square centimeter."),
        other("calorie (IT) per square centimeter (cal/cm²)", CAL_IT * 10000),
        us("BTU (IT) per square foot (BTU/ft²)", BTU_IT / FOOT2),
    ]
    return Quantity("Radiant Exposure", units, [("Sunny day on the ground, 6 kWh/m² (about)", "2.16E+07")])


def radioactivity():
    units = _si_family("becquerel", "Bq", "One decay per second.", "k M G")
    units += [
        other("curie (Ci)", CURIE, "Exactly 3.7E10 Bq, about the activity of 1 g of radium-226."),
        other("millicurie (mCi)", CURIE / 1000),
        other("microcurie (µCi)", CURIE / 10 ** 6),
    ]
    units += prefixed("becquerel", "Bq", symbols="m T P")
    units += [
        other("kilocurie (kCi)", 1000 * CURIE),
        other("nanocurie (nCi)", CURIE / 10 ** 9),
        other("picocurie (pCi)", CURIE / 10 ** 12),
        other("disintegration per minute (dpm)", Fraction(1, 60)),
        other("disintegration per second (dps)", 1),
    ]
    refs = [("Banana (about)", "15"), ("Human body, natural activity (about)", "8000"),
            ("Smoke detector, americium source (about)", "37000"), ("1 g of radium-226 (about)", "3.66E+10")]
    return Quantity("Radioactivity", units, refs)


def activity_concentration():
    units = [
        si("becquerel per cubic meter (Bq/m³)", 1, "Activity per volume: radon in air."),
        metric("becquerel per liter (Bq/L)", 1 / LITER, "Activity in water and milk."),
        other("picocurie per liter (pCi/L)", CURIE / 10 ** 12 / LITER, "Radon in the US: 37 Bq/m³."),
        si("kilobecquerel per cubic meter (kBq/m³)", 1000),
        metric("becquerel per milliliter (Bq/mL)", "1E6"),
    ]
    refs = [
        ("WHO reference level for radon at home", "100"),
        ("US EPA action level for radon, 4 pCi/L", "148"),
        ("Highest radon reference level for homes in the EU", "300"),
    ]
    return Quantity("Activity Concentration", units, refs)


def absorbed_dose():
    units = _si_family("gray", "Gy", "1 J/kg absorbed.", "m µ", "c k")
    units.insert(3, other("rad (rad)", "0.01", "100 erg/g."))
    units += [
        other("millirad (mrad)", "1E-05"),
        other("kilorad (krad)", 10),
        other("erg per gram (erg/g)", "0.0001"),
    ]
    refs = [("Chest X-ray (about)", "0.0001"), ("One radiotherapy fraction (typical)", "2"),
            ("Lethal whole-body dose (about)", "5"), ("Food irradiation (up to about)", "10000")]
    return Quantity("Absorbed Dose", units, refs)


def equivalent_dose():
    units = _si_family("sievert", "Sv", "Absorbed dose weighted for radiation and tissue, 1 J/kg.", "m µ", "n")
    units[3:3] = [
        other("rem (rem)", "0.01", "Roentgen equivalent man: 0.01 Sv."),
        other("millirem (mrem)", "1E-05"),
    ]
    units += [other("microrem (µrem)", "1E-08")]
    refs = [("Eating a banana (about)", "1E-07"), ("Flight across the Atlantic (about)", "5E-05"),
            ("Chest X-ray (about)", "0.0001"), ("Natural background in a year (world average, about)", "0.0024"),
            ("CT scan of the chest (about)", "0.007"), ("Yearly limit for radiation workers (ICRP)", "0.02")]
    return Quantity("Equivalent Dose", units, refs)


def exposure():
    units = [
        si("coulomb per kilogram (C/kg)", 1, "Ionization of air by X and gamma rays."),
        other("röntgen (R)", ROENTGEN, "Exactly 2.58E-4 C/kg.", also="roentgen"),
        other("milliröntgen (mR)", ROENTGEN / 1000, also="milliroentgen"),
        si("millicoulomb per kilogram (mC/kg)", "0.001"),
        si("microcoulomb per kilogram (µC/kg)", "1E-06"),
        other("microröntgen (µR)", ROENTGEN / 10 ** 6, also="microroentgen"),
    ]
    return Quantity("Exposure", units)


def absorbed_dose_rate():
    units = [
        si("gray per second (Gy/s)"),
        metric("gray per hour (Gy/h)", 1 / HOUR),
        metric("milligray per hour (mGy/h)", Fraction(1, 1000) / HOUR),
        metric("microgray per hour (µGy/h)", Fraction(1, 10 ** 6) / HOUR),
        metric("gray per minute (Gy/min)", 1 / MINUTE),
        other("rad per second (rad/s)", "0.01"),
        other("rad per hour (rad/h)", Fraction(1, 100) / HOUR),
        other("millirad per hour (mrad/h)", Fraction(1, 100000) / HOUR),
    ]
    return Quantity("Absorbed Dose Rate", units)


def equivalent_dose_rate():
    units = [
        si("sievert per second (Sv/s)"),
        metric("microsievert per hour (µSv/h)", Fraction(1, 10 ** 6) / HOUR),
        metric("millisievert per hour (mSv/h)", Fraction(1, 1000) / HOUR),
        metric("millisievert per year (mSv/a)", Fraction(1, 1000) / JULIAN_YEAR, "Per Julian year.",
               also="mSv/yr"),
        metric("sievert per hour (Sv/h)", 1 / HOUR),
        metric("nanosievert per hour (nSv/h)", Fraction(1, 10 ** 9) / HOUR),
        other("rem per hour (rem/h)", Fraction(1, 100) / HOUR),
        other("millirem per hour (mrem/h)", Fraction(1, 100000) / HOUR),
        other("millirem per year (mrem/a)", Fraction(1, 100000) / JULIAN_YEAR, "Per Julian year.",
              also="mrem/yr"),
    ]
    return Quantity("Equivalent Dose Rate", units, [("Natural background, 0.1 µSv/h (about)", "2.8E-11")])


def data_storage():
    def byte(p, s, e, binary):
        memo = ""
        if s == "k":
            memo = "1000 bytes. 1024 bytes is the kibibyte (KiB)."
        elif s == "Ki":
            memo = "1024 bytes (IEC 80000-13)."
        return other(f"{p}byte ({s}B)", 8 * (2 if binary else 10) ** e, memo)

    everyday = {"k", "M", "G", "T", "Ki", "Mi", "Gi", "Ti"}
    units = [other("bit (bit)", 1, "One binary digit."), other("byte (B)", 8, "8 bits.")]
    units += [byte(p, s, e, False) for p, s, e in DECIMAL if s in everyday]
    units += [byte(p, s, e, True) for p, s, e in BINARY if s in everyday]
    units += [byte(p, s, e, False) for p, s, e in DECIMAL if s not in everyday]
    units += [byte(p, s, e, True) for p, s, e in BINARY if s not in everyday]
    units += [other(f"{p}bit ({s}bit)", 10 ** e) for p, s, e in DECIMAL]
    units += [other(f"{p}bit ({s}bit)", 2 ** e, "IEC binary prefix." if s == "Ki" else "") for p, s, e in BINARY]
    units += [
        other("nibble", 4, "4 bits.", also="nybble"),
        other("octet (o)", 8, "8 bits, the name used in networking and in French."),
    ]
    refs = [("One byte", "8"), ("1.44 MB floppy disk (1440 KiB)", "11796480"), ("CD-ROM, 700 MB", "5.6E+09"),
            ("Human genome at 2 bits per base pair (about)", "6.2E+09"), ("DVD, 4.7 GB", "3.76E+10"),
            ("Blu-ray disc, 25 GB", "2E+11")]
    return Quantity("Data Storage", units, refs)


def data_rate():
    units = [other("bit per second (bit/s)", 1, also="bps")]
    units += [other(f"{p}bit per second ({s}bit/s)", 10 ** e, also=f"{s}bps") for p, s, e in DECIMAL[:4]]
    units += [other("byte per second (B/s)", 8)]
    units += [other(f"{p}byte per second ({s}B/s)", 8 * 10 ** e) for p, s, e in DECIMAL[:4]]
    units += [other(f"{p}bit per second ({s}bit/s)", 10 ** e, also=f"{s}bps") for p, s, e in DECIMAL[4:5]]
    units += [other(f"{p}bit per second ({s}bit/s)", 2 ** e) for p, s, e in BINARY[:4]]
    units += [other(f"{p}byte per second ({s}B/s)", 8 * 2 ** e) for p, s, e in BINARY[:4]]
    refs = [("Telephone modem, 56 kbit/s", "56000"), ("ISDN channel", "64000"), ("USB 2.0 High Speed", "4.8E+08"),
            ("Gigabit Ethernet", "1E+09"), ("USB 3.0 SuperSpeed", "5E+09")]
    return Quantity("Data Rate", units, refs)


def counts():
    units = [
        other("piece (pc)", 1, "One item: the reference of counts.", also="pcs, each, ea, unit"),
        other("pair (pr)", 2),
        other("dozen (doz)", 12, also="dz"),
        other("score", 20),
        other("gross (gr)", 144, "12 dozen."),
        other("great gross", 1728, "12 gross."),
        other("half dozen", 6),
        other("baker's dozen", 13),
        other("small gross", 120, "10 dozen."),
        other("ream", 500, "500 sheets of paper: the modern ream."),
    ]
    return Quantity("Counts", units, [("Eggs in a carton (one dozen)", "12")])


def ratio():
    units = [
        other("one (1)", 1, "The plain number: 0.25 is 25 %.", also="decimal fraction, unity"),
        other("percent (%)", "0.01", also="per cent, pct"),
        other("per mille (‰)", "0.001", also="permille, per mil, per thousand"),
        other("part per million (ppm)", "1E-06", also="parts per million"),
        other("part per billion (ppb)", "1E-09", "Billion: 10^9.", also="parts per billion"),
        other("part per trillion (ppt)", "1E-12",
              "Trillion: 10^12. Oceanographers sometimes write ppt for parts per thousand (‰).",
              also="parts per trillion"),
        other("basis point (bp)", "0.0001", "1/100 of a percent: interest rates and yields.", also="bps, bips"),
        other("part per hundred thousand (pcm)", "1E-05", "Per cent mille: reactivity of nuclear reactors.",
              also="per cent mille"),
        other("part per quadrillion (ppq)", "1E-15", "Quadrillion: 10^15."),
    ]
    refs = [("Carbon dioxide in the air, 2023 mean (about 420 ppm)", "0.00042"),
            ("Oxygen in dry air (by volume)", "0.2095")]
    return Quantity("Ratio", units, refs)


CATEGORY = Category("Light, Radiation and Information", 1, [
    luminous_intensity(), luminance(), illuminance(), luminous_flux(), radiant_intensity(), radiance(),
    radiant_exposure(), radioactivity(), activity_concentration(), absorbed_dose(), equivalent_dose(), exposure(),
    absorbed_dose_rate(), equivalent_dose_rate(), data_storage(), data_rate(), counts(), ratio()])
