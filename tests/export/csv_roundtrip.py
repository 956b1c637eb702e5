#!/usr/bin/env python3
"""Reads the CSV export of kervazyl-cli back with Python's csv module.

Usage: csv_roundtrip.py KERVAZYL_CLI

A document with texts that need quoting goes into a data file; its export
is parsed as a spreadsheet would parse it, and every entry of the data file
(as `dump` shows it) must come back whole: every text field as one cell,
every amount as a number of the same value, every date as stored.
"""
import csv
import json
import os
import subprocess
import sys
import tempfile

CLI = sys.argv[1]
TRICKY = ['Обед, "Прага"', '"', ',', 'a""b', ' пробелы ', 'Кофе\tс собой']

DOC = {
    "sosts": [
        {"sostname": 'Счёт "основной", карта', "bal": 12.25, "ienum": 2,
         "dohod": ["1500,75\t05.10.2002\t" + TRICKY[0], "", "2\t1.2.02\t" + TRICKY[1]],
         "rashod": ["3\t31.02.2002\t" + TRICKY[5]],
         "oldbal": ["1000\t30.09.2002"],
         "oldzan": ["300\t01.10.2002\t" + TRICKY[2] + "\t" + TRICKY[3]],
         "vydol": ["300\t01.10.2002\tИван, сосед\t" + TRICKY[4] + "\t350,5\t\t01.12.2002"]},
    ],
    "clients": [
        {"clientname": "ООО «Ромашка», филиал", "reput": 2,
         "clinfo": "Телефон 123\r\nГлавный офис\r\n\r\nконец",
         "clondolkm": ["1000\tежемесячно\t(за 11.2002)Аренда, склад"],
         "clondolok": ["400.5\t01.11.2002\t(за 11.2002)Аренда, склад"]},
    ],
}


def cli(*args):
    return subprocess.run([CLI, *args], check=True, capture_output=True, text=True).stdout


def number(text):
    return float(text.replace(",", "."))


def read(folder, name):
    with open(os.path.join(folder, name), encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f, strict=True))
    width = len(rows[0])
    for row in rows:
        assert len(row) == width, (name, row)
    return rows[1:]


def found(field, row):
    """A field of an entry is a cell of its row (or a part of the last cell,
    which keeps any tab typed into the text), or an amount of the same value."""
    if field == "" or any(field == c or field in c.split("\t") for c in row):
        return True
    try:
        value = number(field)
    except ValueError:
        return False
    cells = []
    for c in row:
        try:
            cells.append(float(c))
        except ValueError:
            pass
    return value in cells


def check_list(folder, name, entries):
    rows = read(folder, name)
    used = [(slot, e) for slot, e in enumerate(entries, 1) if e]
    assert len(rows) == len(used), (name, rows, used)
    for row, (slot, entry) in zip(rows, used):
        assert row[0] == str(slot), (name, row)
        for field in entry.split("\t"):
            assert found(field, row), (name, field, row)
    return rows


def main():
    with tempfile.TemporaryDirectory() as tmp:
        source, data, out = (os.path.join(tmp, n) for n in ("doc.json", "doc.kv7", "out"))
        with open(source, "w", encoding="utf-8") as f:
            json.dump(DOC, f, ensure_ascii=False)
        cli("write", source, data)
        names = cli("export", "csv", data, out, "--today", "02.11.2002").splitlines()
        assert sorted(names) == sorted(os.listdir(out)), names
        doc = json.loads(cli("dump", data))

        seen = set()
        for i, sost in enumerate(doc["sosts"], 1):
            for key, title in [("oldbal", "Прошлые балансы"), ("dohod", "Доходы"),
                               ("rashod", "Расходы"), ("oldzan", "Занятые деньги"),
                               ("oldodol", "Одолженные деньги"), ("ondol", "Вам должны"),
                               ("vydol", "Вы должны")]:
                rows = check_list(out, f"Состояние {i:02} - {title}.csv", sost[key])
                seen.update(cell for row in rows for cell in row)
        for i, client in enumerate(doc["clients"], 1):
            for key, title in [("clondolkm", "Клиент должен вам"), ("clvydolkm", "Вы должны клиенту"),
                               ("clondolok", "Возвращено вам"), ("clvydolok", "Возвращено клиенту")]:
                check_list(out, f"Клиент {i:02} - {title}.csv", client[key])

        states = read(out, "Состояния.csv")
        assert [r[1] for r in states] == [s["sostname"] for s in doc["sosts"]], states
        assert number(states[0][2]) == doc["sosts"][0]["bal"], states
        clients = read(out, "Клиенты.csv")
        assert [(r[1], r[5]) for r in clients] == \
            [(c["clientname"], c["clinfo"]) for c in doc["clients"]], clients
        assert "\r\n" in clients[0][5]

        # Each tricky text came back as one cell, and a date that is no date
        # stays as it was stored.
        for text in TRICKY + ["31.02.2002", "1.2.02", "2002-02-01"]:
            assert text in seen, text
    print("CSV export read back whole")


main()
