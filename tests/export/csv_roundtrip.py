#!/usr/bin/env python3
"""Reads the expected CSV export of tests/data/export (which the export test
holds equal to what the program writes) with Python's csv module, as a
spreadsheet would: every file is a table of one width, and each text that
needs quoting (commas, quotes, a line break, a tab) comes back as one cell."""
import csv
import glob
import os

FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "export")
TRICKY = ["Зарплата, аванс", 'Премия "лучший"', "ООО «Ромашка», филиал",
          "Телефон 123\r\nГлавный офис", "Кофе\tс собой", "Пётр [сосед]/друг", "31.02.2002"]

cells = set()
files = glob.glob(os.path.join(FOLDER, "*.csv"))
assert len(files) == 13, files
for name in files:
    with open(name, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f, strict=True))
    assert rows and all(len(row) == len(rows[0]) for row in rows), (name, rows)
    cells.update(cell for row in rows[1:] for cell in row)
missing = [text for text in TRICKY if text not in cells]
assert not missing, missing
print("CSV export read back whole")
