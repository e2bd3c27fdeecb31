#!/usr/bin/env python3
"""Checks the bundled reference files Baase/SMD.db and Baase/Tr.db.

Both files: Windows-1251 text, every line ended by CR LF, no empty line, no
line twice, no blank at either end of a line or two blanks running.
SMD.db: marking, part, maker, type and package as five words, a note after
them; types and packages from the lists below; a marking with a colour or
suffix carries it in one pair of brackets at its end; the file is exactly
what make_baase.py writes from the tables in smd/.
Tr.db: two words a line, and the own check of tr/analogues.py for
the pairs as well.

Prints every fault and exits with 1 when there is one.
Usage: python3 check_baase.py [directory holding Baase/]
"""

import importlib.util
import re
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent

TYPES = {"NPN", "PNP", "NPN+PNP", "N-MOS", "P-MOS", "Диод", "Стабилитрон"}
PACKAGES = {
    "SOT-23", "SOT-323", "SOT-416", "SOT-523", "SOT-723", "SOT-883", "SOT-346", "SOT-490", "SOT-89",
    "SOT-223", "SOT-143", "SOT-363", "SOT-26", "SC-74", "TSFP-3", "TSLP-3", "VMT3", "UMT3F", "DFN1110D-3",
    "SOD-123", "SOD-323", "SOD-523", "SOD-80",
}
# A code, optionally followed by one bracketed colour or suffix.
MARKING = re.compile(r"[^()]+(\([^()]+\))?")


def read_lines(path, errors):
    """The file's lines without their CR LF, or None when it cannot be used."""
    try:
        data = path.read_bytes()
    except OSError as error:
        errors.append(f"{path}: {error.strerror}")
        return None
    try:
        text = data.decode("cp1251")
    except UnicodeDecodeError as error:
        errors.append(f"{path}: byte {error.start} is not Windows-1251 text")
        return None
    if not text.endswith("\r\n"):
        errors.append(f"{path}: the last line has no CR LF")
    lines = text.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    seen = set()
    for number, line in enumerate(lines, 1):
        where = f"{path.name}:{number}"
        if "\n" in line or "\r" in line:
            errors.append(f"{where}: a line end other than CR LF")
        if not line.strip(" "):
            errors.append(f"{where}: empty line")
        elif line != line.strip(" ") or "  " in line or "\t" in line:
            errors.append(f"{where}: stray blanks or tabs: {line!r}")
        if line in seen:
            errors.append(f"{where}: the line stands twice: {line}")
        seen.add(line)
    return lines


def check_smd(lines, errors):
    for number, line in enumerate(lines, 1):
        where = f"SMD.db:{number}"
        words = line.split(" ")
        if len(words) < 6:
            errors.append(f"{where}: fewer than six fields: {line}")
            continue
        marking, _part, _maker, kind, package = words[:5]
        if not MARKING.fullmatch(marking):
            errors.append(f"{where}: marking {marking!r} is not a code with at most one bracketed part at its end")
        if kind not in TYPES:
            errors.append(f"{where}: unknown type {kind!r}")
        if package not in PACKAGES:
            errors.append(f"{where}: unknown package {package!r}")


def load_module(name, path):
    loader_info = importlib.util.spec_from_file_location(name, path)
    module = importlib.util.module_from_spec(loader_info)
    loader_info.loader.exec_module(module)
    return module


def check_tr(lines, errors):
    for number, line in enumerate(lines, 1):
        if len(line.split(" ")) != 2:
            errors.append(f"Tr.db:{number}: not two fields: {line}")
    module = load_module("analogues", HERE / "tr" / "analogues.py")
    errors.extend(f"Tr.db: {error}" for error in module.check_tr_lines(lines))
    if lines != module.tr_lines():
        errors.append("Tr.db differs from the pairs the tr/ tables give (run make_baase.py)")


def check_generated(lines, errors):
    """The shipped SMD.db must be what the tables give, record for record."""
    module = load_module("make_baase", HERE / "make_baase.py")
    try:
        expected = module.smd_lines()
    except (AssertionError, KeyError, OSError) as error:
        errors.append(f"smd/ tables: {error!r}")
        return
    if expected != lines:
        missing = [line for line in expected if line not in set(lines)]
        extra = [line for line in lines if line not in set(expected)]
        errors.append(f"SMD.db differs from the smd/ tables (run make_baase.py): "
                      f"{len(missing)} records missing, {len(extra)} not from a table, "
                      f"e.g. {(missing or extra or ['order'])[0]!r}")


def main(argv):
    base = Path(argv[1]) if len(argv) > 1 else HERE
    errors = []
    smd = read_lines(base / "Baase" / "SMD.db", errors)
    if smd is not None:
        check_smd(smd, errors)
        if base == HERE:
            check_generated(smd, errors)
    tr = read_lines(base / "Baase" / "Tr.db", errors)
    if tr is not None:
        check_tr(tr, errors)
    for error in errors:
        print(error)
    if not errors:
        print(f"SMD.db: {len(smd)} records, Tr.db: {len(tr)} pairs; no faults")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
