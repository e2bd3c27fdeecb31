#!/usr/bin/env python3
"""Writes Baase/SMD.db and Baase/Tr.db, the reference files bundled with the
program. Both are Windows-1251 text, one record a line, fields separated by
blanks, CR LF line ends.

SMD.db: marking code, part, maker, type, package, then a note (may hold
blanks). Its records come from the tables in smd/: one file per family or
source, tab-separated, each row naming in its last column the document it
was taken from (listed in smd/sources.tsv).
Tr.db:  foreign type, Russian analogue.

Run from any directory: python3 data/make_baase.py
"""

import csv
from pathlib import Path

HERE = Path(__file__).resolve().parent
SMD_TABLES = HERE / "smd"
SMD_COLUMNS = ["marking", "part", "maker", "type", "package", "note", "source"]


def read_table(path):
    """Rows of a tab-separated table as dicts; lines starting with # are
    comments, the first other line names the columns."""
    with path.open(encoding="utf-8", newline="") as table:
        lines = [line for line in table if line.strip() and not line.startswith("#")]
    return list(csv.DictReader(lines, delimiter="\t", quoting=csv.QUOTE_NONE))


def sources():
    return {row["key"]: row for row in read_table(SMD_TABLES / "sources.tsv")}


def smd_records():
    """(file name, row) for every record of the SMD tables, in file order."""
    records = []
    for path in sorted(SMD_TABLES.glob("*.tsv")):
        if path.name == "sources.tsv":
            continue
        for row in read_table(path):
            records.append((path.name, row))
    return records


def smd_line(row):
    return " ".join(row[column] for column in SMD_COLUMNS[:6])


def smd_lines():
    known = sources()
    lines = []
    for name, row in smd_records():
        assert list(row) == SMD_COLUMNS, (name, list(row))
        assert all(row[column] and " " not in row[column] for column in SMD_COLUMNS[:5]), (name, row)
        assert row["source"] in known, (name, row["source"])
        lines.append(smd_line(row))
    return lines


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


def tr_lines():
    return [" ".join(pair) for pair in TR]


def write(path, lines):
    Path(path).write_bytes(("\r\n".join(lines) + "\r\n").encode("cp1251"))


def main():
    smd = smd_lines()
    tr = tr_lines()
    for pair in TR:
        assert all(" " not in field and field for field in pair), pair
    assert len(set(smd)) == len(smd), "an SMD record stands twice"
    assert len(set(tr)) == len(tr), "a pair stands twice"
    (HERE / "Baase").mkdir(exist_ok=True)
    write(HERE / "Baase" / "SMD.db", smd)
    write(HERE / "Baase" / "Tr.db", tr)
    print(f"SMD.db: {len(smd)} records, Tr.db: {len(tr)} pairs")


if __name__ == "__main__":
    main()
