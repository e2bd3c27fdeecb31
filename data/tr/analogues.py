"""Transistor analogues for Baase/Tr.db, paired by rule from sourced tables.

Sources
-------
Every table in this folder is UTF-8 text with tab-separated columns
``type, structure, u_max_v, i_max_a, p_max_w, ft_mhz, hfe_min, hfe_max,
maker, document, year``; each row names the maker's document its ratings
come from (the year is left empty where the edition year of the document
was not confirmed).

- ``su_small.tsv``, ``su_power.tsv``: Soviet and Russian types by letter
  group, from the makers' data sheets and technical conditions (ОАО
  «Интеграл», АО «Группа Кремний ЭЛ»).
- ``fo_nxp_small.tsv``: NXP BC846-BC850 and BC856-BC860 series (SOT23,
  SOT323, SOT416).
- ``fo_toshiba.tsv``: Toshiba 2SC1815, 2SA1015 by gain group.
- ``fo_power.tsv``: Central Semiconductor, Philips, onsemi and
  STMicroelectronics power types (BD135-BD140, 2N3055, MJ2955, MJE3055T,
  MJE2955T, MJE15028-MJE15031, BD909-BD912, BDX53/BDX54).

Rule
----
A foreign type and a Russian type form a pair when

- the structure is the same (NPN, PNP, NPN or PNP Darlington, N or P JFET,
  N or P MOSFET);
- collector (drain) voltage, current and power of each are at least 80 % of
  the other's, so that each may stand in for the other;
- the transition frequencies fall in the same or a neighbouring class
  (below 3 MHz, 3-30 MHz, 30-300 MHz, above 300 MHz); a Darlington whose
  maker states no transition frequency is matched on its ratings alone;
- where both documents give a gain range, the ranges overlap, so that a
  letter group finds the gain groups that agree with it.

Counts
------
130 pairs: КТ3102 47, КТ3107 25, КТ815 12, КТ814 9, КТ819 8, КТ818 7,
КТ502 7, КТ503 7, КТ829 4, КТ315 1, КТ361 1, КТ816 1, КТ817 1. The
tables also hold КТ209, КТ825, КТ827, КТ940, КТ972, КТ973 and КТ840, for
which no foreign type of the tables meets the rule yet. Of the 156 pairs
shipped before, 35 meet the rule and are kept.

Run ``python3 analogues.py`` here to rewrite ``../Baase/Tr.db``
(Windows-1251, CR LF); it prints the pair count per Russian family.
"""

from __future__ import annotations

import csv
from dataclasses import dataclass
from pathlib import Path

HERE = Path(__file__).resolve().parent
RUSSIAN_TABLES = ("su_small.tsv", "su_power.tsv")
FOREIGN_TABLES = ("fo_nxp_small.tsv", "fo_philips_small.tsv", "fo_toshiba.tsv", "fo_power.tsv")
STRUCTURES = {"NPN", "PNP", "NPN-D", "PNP-D", "NJFET", "PJFET", "NMOS", "PMOS"}
TOLERANCE = 0.8
# Upper bounds of the frequency classes, MHz: low, medium, high, very high.
FREQUENCY_CLASS_BOUNDS = (3.0, 30.0, 300.0)


@dataclass(frozen=True)
class Part:
    name: str
    structure: str
    voltage: float
    current: float
    power: float
    ft: float | None
    hfe_min: float | None
    hfe_max: float | None
    source: str


def _number(text: str) -> float | None:
    return float(text) if text.strip() else None


def _read(table: str) -> list[Part]:
    with open(HERE / table, encoding="utf-8", newline="") as stream:
        rows = list(csv.DictReader(stream, delimiter="\t"))
    parts = []
    for row in rows:
        if row["structure"] not in STRUCTURES:
            raise ValueError(f"{table}: {row['type']}: unknown structure {row['structure']}")
        parts.append(Part(row["type"], row["structure"], float(row["u_max_v"]), float(row["i_max_a"]),
                          float(row["p_max_w"]), _number(row["ft_mhz"]), _number(row["hfe_min"]),
                          _number(row["hfe_max"]), f"{row['maker']}, {row['document']}, {row['year']}".rstrip(", ")))
    return parts


def _table(tables: tuple[str, ...]) -> dict[str, Part]:
    parts: dict[str, Part] = {}
    for table in tables:
        for part in _read(table):
            if part.name in parts:
                raise ValueError(f"{table}: {part.name} stands twice")
            parts[part.name] = part
    return parts


def russian_parts() -> dict[str, Part]:
    return _table(RUSSIAN_TABLES)


def foreign_parts() -> dict[str, Part]:
    return _table(FOREIGN_TABLES)


def _within(a: float, b: float) -> bool:
    return a >= TOLERANCE * b and b >= TOLERANCE * a


def _frequency_class(ft: float) -> int:
    return sum(ft >= bound for bound in FREQUENCY_CLASS_BOUNDS)


def _frequencies_agree(a: Part, b: Part) -> bool:
    if a.ft is None or b.ft is None:
        return a.structure.endswith("-D")
    return abs(_frequency_class(a.ft) - _frequency_class(b.ft)) <= 1


def _gains_agree(a: Part, b: Part) -> bool:
    if a.hfe_min is None or b.hfe_min is None:
        return True
    a_max = a.hfe_max if a.hfe_max is not None else float("inf")
    b_max = b.hfe_max if b.hfe_max is not None else float("inf")
    return a.hfe_min <= b_max and b.hfe_min <= a_max


def are_analogues(foreign: Part, russian: Part) -> bool:
    return (foreign.structure == russian.structure
            and _within(foreign.voltage, russian.voltage)
            and _within(foreign.current, russian.current)
            and _within(foreign.power, russian.power)
            and _frequencies_agree(foreign, russian)
            and _gains_agree(foreign, russian))


def tr_pairs() -> list[tuple[str, str]]:
    """Pairs (foreign, Russian) in table order of the Russian types."""
    foreign = foreign_parts()
    pairs = []
    for russian in russian_parts().values():
        for name in sorted(foreign):
            if are_analogues(foreign[name], russian):
                pairs.append((name, russian.name))
    return pairs


def tr_lines() -> list[str]:
    lines = [f"{foreign} {russian}" for foreign, russian in tr_pairs()]
    assert len(set(lines)) == len(lines), "a pair stands twice"
    for line in lines:
        line.encode("cp1251")
    return lines


def check_tr_lines(lines: list[str]) -> list[str]:
    """Errors of Tr.db lines against the tables: unknown types, structure mismatch, rule broken."""
    foreign = foreign_parts()
    russian = russian_parts()
    errors = []
    seen = set()
    for number, line in enumerate(lines, 1):
        words = line.split()
        if len(words) != 2:
            errors.append(f"line {number}: expected two words, got {len(words)}: {line!r}")
            continue
        if line in seen:
            errors.append(f"line {number}: {line!r} stands twice")
        seen.add(line)
        f_name, r_name = words
        f_part, r_part = foreign.get(f_name), russian.get(r_name)
        if f_part is None:
            errors.append(f"line {number}: unknown foreign type {f_name}")
        if r_part is None:
            errors.append(f"line {number}: unknown Russian type {r_name}")
        if f_part is None or r_part is None:
            continue
        if f_part.structure != r_part.structure:
            errors.append(f"line {number}: {f_name} is {f_part.structure}, {r_name} is {r_part.structure}")
        elif not are_analogues(f_part, r_part):
            errors.append(f"line {number}: {f_name} and {r_name} differ in ratings, frequency or gain")
    return errors


def family(name: str) -> str:
    """КТ315Г -> КТ315, КТ819ГМ -> КТ819."""
    end = len(name)
    while end and not name[end - 1].isdigit():
        end -= 1
    return name[:end]


def write_tr_db(path: Path) -> None:
    path.write_bytes(("\r\n".join(tr_lines()) + "\r\n").encode("cp1251"))


def main() -> None:
    lines = tr_lines()
    errors = check_tr_lines(lines)
    assert not errors, errors
    write_tr_db(HERE.parent / "Baase" / "Tr.db")
    counts: dict[str, int] = {}
    for line in lines:
        key = family(line.split()[1])
        counts[key] = counts.get(key, 0) + 1
    for key, count in counts.items():
        print(f"{key}\t{count}")
    print(f"Tr.db: {len(lines)} pairs")


if __name__ == "__main__":
    main()
