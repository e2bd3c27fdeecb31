#!/usr/bin/env python3
"""Writes Baase/SMD.db and Baase/Tr.db, the reference files bundled with the
program, from the tables below. Both are Windows-1251 text, one record a line,
fields separated by blanks, CR LF line ends.

SMD.db: marking code, part, maker, type, package, then a note (may hold blanks).
Tr.db:  foreign type, Russian analogue.

Run from this directory: python3 make_baase.py
"""

from pathlib import Path

# (marking, part, maker, type, package, note)
SMD = []


def smd(marking, part, maker, kind, package, note):
    SMD.append((marking, part, maker, kind, package, note))


def with_gain(note, gain):
    return f"{note}, h21э {gain}" if gain else note


# General-purpose small-signal transistors, SOT-23.
for part, code, volts, gain in [
    ("BC846", "1D", 65, None), ("BC846A", "1A", 65, "110-220"), ("BC846B", "1B", 65, "200-450"),
    ("BC847", "1H", 45, None), ("BC847A", "1E", 45, "110-220"), ("BC847B", "1F", 45, "200-450"),
    ("BC847C", "1G", 45, "420-800"), ("BC848", "1M", 30, None), ("BC848A", "1J", 30, "110-220"),
    ("BC848B", "1K", 30, "200-450"), ("BC848C", "1L", 30, "420-800"),
]:
    smd(code, part, "NXP", "NPN", "SOT-23", with_gain(f"Uкэ {volts}В, Iк 0,1А", gain))
for part, code, volts, gain in [
    ("BC849B", "2B", 30, "200-450"), ("BC849C", "2C", 30, "420-800"),
    ("BC850B", "2F", 45, "200-450"), ("BC850C", "2G", 45, "420-800"),
]:
    smd(code, part, "NXP", "NPN", "SOT-23", f"малошумящий, Uкэ {volts}В, Iк 0,1А, h21э {gain}")
for part, code, volts, gain in [
    ("BC856", "3D", 65, None), ("BC856A", "3A", 65, "125-250"), ("BC856B", "3B", 65, "220-475"),
    ("BC857", "3H", 45, None), ("BC857A", "3E", 45, "125-250"), ("BC857B", "3F", 45, "220-475"),
    ("BC857C", "3G", 45, "420-800"), ("BC858", "3M", 30, None), ("BC858A", "3J", 30, "125-250"),
    ("BC858B", "3K", 30, "220-475"), ("BC858C", "3L", 30, "420-800"),
]:
    smd(code, part, "NXP", "PNP", "SOT-23", with_gain(f"Uкэ {volts}В, Iк 0,1А", gain))
for part, code, volts, gain in [
    ("BC859B", "4B", 30, "220-475"), ("BC859C", "4C", 30, "420-800"),
    ("BC860B", "4F", 45, "220-475"), ("BC860C", "4G", 45, "420-800"),
]:
    smd(code, part, "NXP", "PNP", "SOT-23", f"малошумящий, Uкэ {volts}В, Iк 0,1А, h21э {gain}")

# The same dies in SOT-323 carry the same codes.
for part, code, kind, volts, gain in [
    ("BC846AW", "1A", "NPN", 65, "110-220"), ("BC846BW", "1B", "NPN", 65, "200-450"),
    ("BC847AW", "1E", "NPN", 45, "110-220"), ("BC847BW", "1F", "NPN", 45, "200-450"),
    ("BC847CW", "1G", "NPN", 45, "420-800"), ("BC848AW", "1J", "NPN", 30, "110-220"),
    ("BC848BW", "1K", "NPN", 30, "200-450"), ("BC848CW", "1L", "NPN", 30, "420-800"),
    ("BC856AW", "3A", "PNP", 65, "125-250"), ("BC856BW", "3B", "PNP", 65, "220-475"),
    ("BC857AW", "3E", "PNP", 45, "125-250"), ("BC857BW", "3F", "PNP", 45, "220-475"),
    ("BC857CW", "3G", "PNP", 45, "420-800"), ("BC858AW", "3J", "PNP", 30, "125-250"),
    ("BC858BW", "3K", "PNP", 30, "220-475"), ("BC858CW", "3L", "PNP", 30, "420-800"),
]:
    smd(code, part, "NXP", kind, "SOT-323", f"Uкэ {volts}В, Iк 0,1А, h21э {gain}")

# Half-ampere transistors.
for part, code, kind, volts, gain, package in [
    ("BC807-16", "5A", "PNP", 45, "100-250", "SOT-23"), ("BC807-25", "5B", "PNP", 45, "160-400", "SOT-23"),
    ("BC807-40", "5C", "PNP", 45, "250-600", "SOT-23"), ("BC808-16", "5E", "PNP", 25, "100-250", "SOT-23"),
    ("BC808-25", "5F", "PNP", 25, "160-400", "SOT-23"), ("BC808-40", "5G", "PNP", 25, "250-600", "SOT-23"),
    ("BC817-16", "6A", "NPN", 45, "100-250", "SOT-23"), ("BC817-25", "6B", "NPN", 45, "160-400", "SOT-23"),
    ("BC817-40", "6C", "NPN", 45, "250-600", "SOT-23"), ("BC818-16", "6E", "NPN", 25, "100-250", "SOT-23"),
    ("BC818-25", "6F", "NPN", 25, "160-400", "SOT-23"), ("BC818-40", "6G", "NPN", 25, "250-600", "SOT-23"),
]:
    smd(code, part, "NXP", kind, package, f"Uкэ {volts}В, Iк 0,5А, h21э {gain}")
smd("6D", "BC817", "NXP", "NPN", "SOT-23", "Uкэ 45В, Iк 0,5А, h21э 100-600")

for part, code, kind in [
    ("BCW29", "C1", "PNP"), ("BCW30", "C2", "PNP"),
    ("BCW31", "D1", "NPN"), ("BCW32", "D2", "NPN"), ("BCW33", "D3", "NPN"),
]:
    smd(code, part, "NXP", kind, "SOT-23", "малосигнальный")
for suffix in "ABCD":
    smd("A" + suffix, "BCW60" + suffix, "NXP", "NPN", "SOT-23", f"Uкэ 32В, Iк 0,1А, группа {suffix}")
for suffix in ["FF", "FN"]:
    smd("A" + suffix[1], "BCW60" + suffix, "Siemens", "NPN", "SOT-23", f"Uкэ 32В, Iк 0,1А, группа {suffix}")
for suffix in "BCD":
    smd("B" + suffix, "BCW61" + suffix, "NXP", "PNP", "SOT-23", f"Uкэ 32В, Iк 0,1А, группа {suffix}")
for suffix in "GHJK":
    smd("A" + suffix, "BCX70" + suffix, "NXP", "NPN", "SOT-23", f"Uкэ 45В, группа {suffix}")
for suffix in "GHJK":
    smd("B" + suffix, "BCX71" + suffix, "NXP", "PNP", "SOT-23", f"Uкэ 45В, группа {suffix}")
for part, code, kind, volts in [
    ("BCX17", "T1", "PNP", 45), ("BCX18", "T2", "PNP", 25),
    ("BCX19", "U1", "NPN", 45),
]:
    smd(code, part, "NXP", kind, "SOT-23", f"Uкэ {volts}В, Iк 0,5А")

# One-ampere transistors, SOT-89.
for part, code, kind, volts in [
    ("BCX51", "AA", "PNP", 45), ("BCX52", "AE", "PNP", 60), ("BCX53", "AH", "PNP", 80),
    ("BCX54", "BA", "NPN", 45), ("BCX55", "BE", "NPN", 60), ("BCX56", "BH", "NPN", 80),
]:
    smd(code, part, "NXP", kind, "SOT-89", f"Uкэ {volts}В, Iк 1А")
for part, code, kind, volts, gain in [
    ("BCX51-16", "AD", "PNP", 45, "100-250"), ("BCX52-16", "AM", "PNP", 60, "100-250"),
    ("BCX53-16", "AL", "PNP", 80, "100-250"),
    ("BCX54-10", "BC", "NPN", 45, "63-160"), ("BCX54-16", "BD", "NPN", 45, "100-250"),
    ("BCX55-10", "BG", "NPN", 60, "63-160"), ("BCX55-16", "BM", "NPN", 60, "100-250"),
    ("BCX56-10", "BK", "NPN", 80, "63-160"), ("BCX56-16", "BL", "NPN", 80, "100-250"),
]:
    smd(code, part, "NXP", kind, "SOT-89", f"Uкэ {volts}В, Iк 1А, h21э {gain}")

# The 2N and MPS types in SOT-23.
for part, code, kind, note in [
    ("MMBT3904", "1AM", "NPN", "Uкэ 40В, Iк 0,2А, аналог 2N3904"),
    ("MMBT3906", "2A", "PNP", "Uкэ 40В, Iк 0,2А, аналог 2N3906"),
    ("MMBT2222A", "1P", "NPN", "Uкэ 40В, Iк 0,6А, аналог 2N2222A"),
    ("MMBT2907A", "2F", "PNP", "Uкэ 60В, Iк 0,6А, аналог 2N2907A"),
    ("MMBT4401", "2X", "NPN", "Uкэ 40В, Iк 0,6А, аналог 2N4401"),
    ("MMBT4403", "2T", "PNP", "Uкэ 40В, Iк 0,6А, аналог 2N4403"),
    ("MMBT5401", "2L", "PNP", "Uкэ 150В, Iк 0,6А, аналог 2N5401"),
    ("MMBT5551", "G1", "NPN", "Uкэ 160В, Iк 0,6А, аналог 2N5551"),
    ("MMBTA42", "1D", "NPN", "Uкэ 300В, Iк 0,5А, аналог MPSA42"),
    ("MMBTA92", "2D", "PNP", "Uкэ 300В, Iк 0,5А, аналог MPSA92"),
    ("MMBTA05", "1H", "NPN", "Uкэ 60В, Iк 0,5А, аналог MPSA05"),
    ("MMBTA06", "1GM", "NPN", "Uкэ 80В, Iк 0,5А, аналог MPSA06"),
    ("MMBTA55", "2H", "PNP", "Uкэ 60В, Iк 0,5А, аналог MPSA55"),
    ("MMBTA56", "2GM", "PNP", "Uкэ 80В, Iк 0,5А, аналог MPSA56"),
    ("MMBTA13", "1M", "NPN", "составной (Дарлингтон), аналог MPSA13"),
    ("MMBTA14", "1N", "NPN", "составной (Дарлингтон), аналог MPSA14"),
]:
    smd(code, part, "ON", kind, "SOT-23", note)

# Japanese types; Rohm marks a letter for the type and one for the gain group.
for part, package in [("2SC2412K", "SOT-23"), ("2SC4081", "SOT-323"), ("2SC4617", "SOT-416"), ("2SC5658", "VMT3")]:
    for rank in "QRS":
        smd("B" + rank, part, "Rohm", "NPN", package, f"Uкэ 50В, Iк 0,15А, группа {rank}")
for part, package in [("2SA1037AK", "SOT-23"), ("2SA1576A", "SOT-323"), ("2SA1774", "SOT-416"), ("2SA2029", "VMT3")]:
    for rank in "QRS":
        smd("F" + rank, part, "Rohm", "PNP", package, f"Uкэ 50В, Iк 0,15А, группа {rank}")
for code, rank in [("L5", "Q"), ("L6", "R"), ("L7", "S")]:
    smd(code, "2SC1623", "LRC", "NPN", "SOT-23", f"Uкэ 50В, Iк 0,15А, группа {rank}")
smd("KN", "2SK3019", "Rohm", "N-MOS", "SOT-416", "Uси 30В, Iс 0,1А")
smd("KN", "2SK3541", "JCET", "N-MOS", "SOT-723", "Uси 30В, Iс 0,1А")

# Zetex types carry their number.
smd("491", "FMMT491", "Zetex", "NPN", "SOT-23", "Uкэ 60В, Iк 1А")
smd("493", "FMMT493", "Zetex", "NPN", "SOT-23", "Uкэ 100В, Iк 1А")

# Field-effect transistors.
smd("SS", "BSS138", "Fairchild", "N-MOS", "SOT-23", "Uси 50В, Iс 0,22А")
smd("702", "2N7002", "Fairchild", "N-MOS", "SOT-23", "Uси 60В, Iс 0,115А")

# RF transistors.
smd("P2", "BFR92A", "Vishay", "NPN", "SOT-23", "ВЧ широкополосный, Uкэ 15В")
smd("WP2", "BFR92AW", "Vishay", "NPN", "SOT-323", "ВЧ широкополосный, Uкэ 15В")
smd("W1", "BFT92", "NXP", "PNP", "SOT-23", "ВЧ широкополосный, fт 5ГГц")

# Chinese versions of the TO-92 S9013, S8050 and S8550.
for part, code, kind, note in [
    ("S9013", "J3", "NPN", "Uкэ 25В, Iк 0,5А, аналог S9013 в корпусе ТО-92"),
    ("S8050", "J3Y", "NPN", "аналог S8050 в корпусе ТО-92"),
    ("S8550", "2TY", "PNP", "аналог S8550 в корпусе ТО-92"),
]:
    smd(code, part, "JCET", kind, "SOT-23", note)


# (foreign type, Russian analogue)
TR = []


def pairs(mapping):
    TR.extend(mapping)


# Small-signal NPN: КТ3102 by collector voltage and gain group.
for family in [("BC547", "BC548", "BC549"), ("BC107", "BC108", "BC109"), ("BC237", "BC238", "BC239"),
               ("BC182", "BC183", "BC184"), ("BC847", "BC848", "BC849"), ("BC171", "BC172", "BC173")]:
    high, mid, quiet = family
    pairs([(high, "КТ3102А"), (high + "A", "КТ3102А"), (high + "B", "КТ3102Б"),
           (mid, "КТ3102В"), (mid + "B", "КТ3102В"), (mid + "C", "КТ3102Г"),
           (quiet, "КТ3102Д"), (quiet + "B", "КТ3102Д"), (quiet + "C", "КТ3102Е")])
pairs([("2N3904", "КТ3102А"), ("2SC1815Y", "КТ3102А"), ("2SC1815GR", "КТ3102Б")])

# Small-signal PNP: КТ3107.
for family in [("BC557", "BC558", "BC559"), ("BC307", "BC308", "BC309"), ("BC857", "BC858", "BC859")]:
    high, mid, quiet = family
    pairs([(high, "КТ3107Б"), (high + "A", "КТ3107Б"), (high + "B", "КТ3107И"),
           (mid, "КТ3107Г"), (mid + "A", "КТ3107Г"), (mid + "B", "КТ3107Д"), (mid + "C", "КТ3107К"),
           (quiet, "КТ3107Е"), (quiet + "A", "КТ3107Е"), (quiet + "B", "КТ3107Ж"), (quiet + "C", "КТ3107Л")])
pairs([("BC177", "КТ3107Б"), ("BC177A", "КТ3107Б"), ("BC177B", "КТ3107И"),
       ("BC178", "КТ3107Г"), ("BC178A", "КТ3107Г"), ("BC178B", "КТ3107Д"),
       ("BC179", "КТ3107Е"), ("BC179A", "КТ3107Е"), ("BC179B", "КТ3107Ж")])
pairs([("BC212", "КТ3107Б"), ("BC212A", "КТ3107Б"), ("BC212B", "КТ3107И"),
       ("BC213", "КТ3107Д"), ("BC213B", "КТ3107Д"), ("BC213C", "КТ3107К"),
       ("BC214", "КТ3107Ж"), ("BC214B", "КТ3107Ж"), ("BC214C", "КТ3107Л")])
pairs([("2N3906", "КТ3107Б"), ("2SA1015Y", "КТ3107Б"), ("2SA1015GR", "КТ3107И")])

# Medium power: КТ814/КТ815, КТ816/КТ817.
for suffix in ["", "-10", "-16"]:
    pairs([("BD135" + suffix, "КТ815Б"), ("BD137" + suffix, "КТ815В"), ("BD139" + suffix, "КТ815Г"),
           ("BD136" + suffix, "КТ814Б"), ("BD138" + suffix, "КТ814В"), ("BD140" + suffix, "КТ814Г")])
pairs([("BD175", "КТ817Б"), ("BD177", "КТ817В"), ("BD179", "КТ817Г"),
       ("BD176", "КТ816Б"), ("BD178", "КТ816В"), ("BD180", "КТ816Г"),
       ("BD233", "КТ817Б"), ("BD235", "КТ817В"), ("BD237", "КТ817Г"),
       ("BD234", "КТ816Б"), ("BD236", "КТ816В"), ("BD238", "КТ816Г"),
       ("TIP31A", "КТ817В"), ("TIP31B", "КТ817Г"), ("TIP32A", "КТ816В"), ("TIP32B", "КТ816Г")])

# Power, Darlington and line-output transistors.
pairs([("TIP120", "КТ829В"), ("TIP121", "КТ829Б"), ("TIP122", "КТ829А"),
       ("TIP41C", "КТ819Г"), ("TIP42C", "КТ818Г"), ("2N3055", "КТ819ГМ"), ("MJ2955", "КТ818ГМ"),
       ("BU208A", "КТ838А"), ("BU508A", "КТ872А"),
       ("2N2222", "КТ3117А"), ("2N2222A", "КТ3117А")])


def write(path, lines):
    Path(path).write_bytes(("\r\n".join(lines) + "\r\n").encode("cp1251"))


def main():
    for record in SMD:
        assert all(" " not in field and field for field in record[:5]), record
    for record in TR:
        assert all(" " not in field and field for field in record), record
    assert len(SMD) >= 150 and len(TR) >= 150, (len(SMD), len(TR))
    assert len(set(TR)) == len(TR), "a pair stands twice"
    Path("Baase").mkdir(exist_ok=True)
    write("Baase/SMD.db", [" ".join(record) for record in SMD])
    write("Baase/Tr.db", [" ".join(record) for record in TR])
    print(f"SMD.db: {len(SMD)} records, Tr.db: {len(TR)} pairs")


if __name__ == "__main__":
    main()
