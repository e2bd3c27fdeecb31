#!/usr/bin/env python3
"""Writes Baase/SMD.db and Baase/Tr.db, the reference files bundled with the
program. Both are Windows-1251 text, one record a line, fields separated by
blanks, CR LF line ends.

SMD.db: marking code, part, maker, type, package, then a note (may hold
blanks). Its records come from the tables in smd/: one file per family or
source, tab-separated, each row naming in its last column the document it
was taken from (listed in smd/sources.tsv).
Tr.db:  foreign type, Russian analogue. Its pairs come from the rating tables
in tr/ by the rule of tr/analogues.py.

Run from any directory: python3 data/make_baase.py
"""

import csv
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE / "tr"))
from analogues import check_tr_lines, tr_lines  # noqa: E402
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


def write(path, lines):
    Path(path).write_bytes(("\r\n".join(lines) + "\r\n").encode("cp1251"))


def main():
    smd = smd_lines()
    tr = tr_lines()
    faults = check_tr_lines(tr)
    assert not faults, faults[:5]
    assert len(set(smd)) == len(smd), "an SMD record stands twice"
    assert len(set(tr)) == len(tr), "a pair stands twice"
    (HERE / "Baase").mkdir(exist_ok=True)
    write(HERE / "Baase" / "SMD.db", smd)
    write(HERE / "Baase" / "Tr.db", tr)
    print(f"SMD.db: {len(smd)} records, Tr.db: {len(tr)} pairs")


if __name__ == "__main__":
    main()
