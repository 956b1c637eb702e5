#!/usr/bin/env python3
"""csv_roundtrip.py KERVAZYL_CLI: the expected CSV files read as tables of one width with the
tricky texts whole; each client list exported by the CLI lands in its own file."""
import csv
import glob
import json
import os
import subprocess
import sys
import tempfile

FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "export")
TRICKY = ["Зарплата, аванс", 'Премия "лучший"', "ООО «Ромашка», филиал",
          "Телефон 123\r\nГлавный офис", "Кофе\tс собой", "Пётр [сосед]/друг", "31.02.2002"]


def read(name):
    with open(name, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f, strict=True))
    assert rows and all(len(row) == len(rows[0]) for row in rows), (name, rows)
    return rows[1:]


cells = {cell for name in glob.glob(os.path.join(FOLDER, "*.csv")) for row in read(name) for cell in row}
assert not [text for text in TRICKY if text not in cells], cells

lists = {"clondolkm": "Клиент должен вам", "clvydolkm": "Вы должны клиенту",
         "clondolok": "Возвращено вам", "clvydolok": "Возвращено клиенту"}
with tempfile.TemporaryDirectory() as tmp:
    with open(os.path.join(tmp, "doc.json"), "w", encoding="utf-8") as f:
        json.dump({"clients": [{"clientname": "Иванов", **{key: [f"1\t01.11.2002\t{key}"]
                                                          for key in lists}}]}, f)
    for args in (["write", "doc.json", "doc.kv7"], ["export", "csv", "doc.kv7", "out"]):
        subprocess.run([os.path.abspath(sys.argv[1]), *args], cwd=tmp, check=True, capture_output=True)
    for key, title in lists.items():
        rows = read(os.path.join(tmp, "out", f"Клиент 01 - {title}.csv"))
        assert [row[5] for row in rows] == [key], (title, rows)
print("CSV export read back whole")
