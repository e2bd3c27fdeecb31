"""Transistor analogues for Baase/Tr.db, paired by rule from sourced tables.

Sources
-------
Every table in this folder is UTF-8 text with tab-separated columns
``type, structure, u_max_v, i_max_a, p_max_w, ft_mhz, grade_min, grade_max,
checked, maker, document, year``:

- ``u_max_v``: collector-emitter (drain-source) voltage; for the Toshiba
  JFETs, which state no drain-source rating, the gate-drain voltage;
- ``i_max_a``: continuous collector (drain) current; for JFETs, whose
  makers rate the initial drain current instead, the top of the IDSS range;
- ``p_max_w``: total dissipation as the maker states it (with a heat sink
  where the document gives one);
- ``ft_mhz``: transition frequency, empty where the maker states none;
- ``grade_min``, ``grade_max``: h21e range of bipolar types, IDSS range in mA
  of JFETs (either end may be open);
- ``checked``: ``yes`` where the voltage, current and power of the row were
  confirmed against a copy of a document stating them, ``no`` otherwise;
- ``maker, document, year``: the document the row comes from (the year is
  left empty where the edition year was not confirmed).

``su_*.tsv`` hold the Soviet and Russian types by letter group, ``fo_*.tsv``
the foreign types, one table per maker.

Rule
----
A type A is a functional analogue of a type B when

- the structure is the same: NPN, PNP, NPN or PNP Darlington, N or P JFET,
  N or P MOSFET;
- A's voltage, current and power are each at least 80 % of B's;
- A's voltage is at most 4 times B's and A's power at most 5 times B's, so
  that a deflection or switch-mode part is not offered for a general-purpose
  one. Power gets the wider bound because makers of the small TO-126
  Darlingtons rate them at case temperature (BD675: 40 W) and the Soviet
  ones with a heat sink (КТ972: 8 W); at 4 times КТ972/КТ973 keep no pair;
- both are of the same power class, up to 1 W or above it (the division the
  Soviet type designation draws), so that a power transistor is not offered
  for a signal one;
- where both rows give a transition frequency, A's is at least 30 % of B's
  (makers state a guaranteed minimum: the 100 MHz of BC547 against the
  250 MHz of КТ315 is the classic pair, the 900 MHz КТ368 is not its match)
  and the two fall in the same or a neighbouring class (below 3 MHz,
  3-30 MHz, 30-300 MHz, above 300 MHz): the classes alone let the
  100-300 MHz BC54x types stand in for the 900 MHz КТ368. Field-effect
  makers state no transition frequency, so FETs pair without this test; a
  bipolar row without one pairs on its ratings alone only when both types
  are power types (above 1 W), the switching and Darlington parts whose
  makers give none;
- where both rows give a gain range (bipolar) or an initial drain current
  range (JFET), the two ranges overlap; an end a document leaves open is
  taken as unbounded.

A line "FOREIGN RUSSIAN" is written when either type is a functional analogue
of the other: a repairer looks up a Russian replacement for a foreign part
and a foreign replacement for a Russian one.

Run ``python3 analogues.py`` here to rewrite ``../Baase/Tr.db``
(Windows-1251, CR LF); it prints the pair count per Russian family.
"""

from __future__ import annotations

import csv
from dataclasses import dataclass
from pathlib import Path

HERE = Path(__file__).resolve().parent
COLUMNS = ["type", "structure", "u_max_v", "i_max_a", "p_max_w", "ft_mhz", "grade_min", "grade_max",
           "checked", "maker", "document", "year"]
STRUCTURES = {"NPN", "PNP", "NPN-D", "PNP-D", "NJFET", "PJFET", "NMOS", "PMOS"}
FIELD_EFFECT = {"NJFET", "PJFET", "NMOS", "PMOS"}
TOLERANCE = 0.8
# Largest ratio of a stand-in's voltage and power to the original's.
VOLTAGE_CEILING = 4.0
POWER_CEILING = 5.0
# Upper bounds of the frequency classes, MHz.
FREQUENCY_CLASS_BOUNDS = (3.0, 30.0, 300.0)
# Smallest ratio of a stand-in's transition frequency to the original's.
FREQUENCY_FLOOR = 0.3
# Above this dissipation a type is a power type, W.
POWER_CLASS_BOUND = 1.0


@dataclass(frozen=True)
class Part:
    name: str
    structure: str
    voltage: float
    current: float
    power: float
    ft: float | None
    grade_min: float | None
    grade_max: float | None
    checked: bool
    source: str


def _number(text: str) -> float | None:
    return float(text) if text.strip() else None


def _read(path: Path) -> list[Part]:
    with open(path, encoding="utf-8", newline="") as stream:
        reader = csv.DictReader(stream, delimiter="\t")
        if reader.fieldnames != COLUMNS:
            raise ValueError(f"{path.name}: columns {reader.fieldnames}, expected {COLUMNS}")
        rows = list(reader)
    parts = []
    for row in rows:
        if row["structure"] not in STRUCTURES:
            raise ValueError(f"{path.name}: {row['type']}: unknown structure {row['structure']}")
        if row["checked"] not in ("yes", "no"):
            raise ValueError(f"{path.name}: {row['type']}: checked must be yes or no")
        if not row["maker"].strip() or not row["document"].strip():
            raise ValueError(f"{path.name}: {row['type']}: no source")
        source = ", ".join(field for field in (row["maker"], row["document"], row["year"]) if field.strip())
        parts.append(Part(row["type"], row["structure"], float(row["u_max_v"]), float(row["i_max_a"]),
                          float(row["p_max_w"]), _number(row["ft_mhz"]), _number(row["grade_min"]),
                          _number(row["grade_max"]), row["checked"] == "yes", source))
    return parts


def _table(prefix: str) -> dict[str, Part]:
    parts: dict[str, Part] = {}
    for path in sorted(HERE.glob(f"{prefix}_*.tsv")):
        for part in _read(path):
            if part.name in parts:
                raise ValueError(f"{path.name}: {part.name} stands twice")
            parts[part.name] = part
    return parts


def russian_parts() -> dict[str, Part]:
    return _table("su")


def foreign_parts() -> dict[str, Part]:
    return _table("fo")


def family(name: str) -> str:
    """КТ315Г -> КТ315, КТ819ГМ -> КТ819, 2SC1815-GR -> 2SC1815, BC547B -> BC547."""
    stem = name.split("-")[0]
    end = len(stem)
    while end and not stem[end - 1].isdigit():
        end -= 1
    return stem[:end]


def _frequency_class(ft: float) -> int:
    return sum(ft >= bound for bound in FREQUENCY_CLASS_BOUNDS)


def _is_power(part: Part) -> bool:
    return part.power > POWER_CLASS_BOUND


def _frequencies_agree(candidate: Part, original: Part) -> bool:
    if candidate.structure in FIELD_EFFECT:
        return True
    if candidate.ft is None or original.ft is None:
        return _is_power(candidate) and _is_power(original)
    return (candidate.ft >= FREQUENCY_FLOOR * original.ft
            and abs(_frequency_class(candidate.ft) - _frequency_class(original.ft)) <= 1)


def _grades_overlap(a: Part, b: Part) -> bool:
    if a.grade_min is None and a.grade_max is None or b.grade_min is None and b.grade_max is None:
        return True
    a_low = a.grade_min if a.grade_min is not None else 0.0
    b_low = b.grade_min if b.grade_min is not None else 0.0
    a_high = a.grade_max if a.grade_max is not None else float("inf")
    b_high = b.grade_max if b.grade_max is not None else float("inf")
    return a_low <= b_high and b_low <= a_high


class Rule:
    """The pairing rule over one set of tables."""

    def __init__(self, foreign: dict[str, Part], russian: dict[str, Part]):
        self.foreign = foreign
        self.russian = russian

    def stands_in_for(self, candidate: Part, original: Part) -> bool:
        """Whether candidate is a functional analogue of original."""
        if candidate.structure != original.structure or _is_power(candidate) != _is_power(original):
            return False
        if (candidate.voltage < TOLERANCE * original.voltage or candidate.current < TOLERANCE * original.current
                or candidate.power < TOLERANCE * original.power):
            return False
        if candidate.voltage > VOLTAGE_CEILING * original.voltage or candidate.power > POWER_CEILING * original.power:
            return False
        return _frequencies_agree(candidate, original) and _grades_overlap(candidate, original)

    def paired(self, foreign: Part, russian: Part) -> bool:
        return self.stands_in_for(foreign, russian) or self.stands_in_for(russian, foreign)


def tr_pairs() -> list[tuple[str, str]]:
    """Pairs (foreign, Russian) in table order of the Russian types."""
    foreign, russian = foreign_parts(), russian_parts()
    rule = Rule(foreign, russian)
    pairs = []
    for original in russian.values():
        for name in sorted(foreign):
            if rule.paired(foreign[name], original):
                pairs.append((name, original.name))
    return pairs


def tr_lines() -> list[str]:
    lines = [f"{foreign} {russian}" for foreign, russian in tr_pairs()]
    assert len(set(lines)) == len(lines), "a pair stands twice"
    for line in lines:
        line.encode("cp1251")
    return lines


def check_tr_lines(lines: list[str]) -> list[str]:
    """Errors of Tr.db lines against the tables: unknown types, structure mismatch, rule broken both ways."""
    foreign, russian = foreign_parts(), russian_parts()
    rule = Rule(foreign, russian)
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
        elif not rule.paired(f_part, r_part):
            errors.append(f"line {number}: neither {f_name} nor {r_name} stands in for the other")
    return errors


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
