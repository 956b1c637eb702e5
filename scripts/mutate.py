#!/usr/bin/python3
"""Measures how many deliberate faults of the Qt-free logic the tests catch.

Each mutant of scripts/mutants.txt replaces one exact snippet of a source
file. For each one the file is changed in place, the Qt-free build is rebuilt
incrementally, every ctest test of that build runs, and the file is put back.
A mutant is killed when a test fails (or hangs, or a test program cannot
start), survives when every test passes, and is invalid when its snippet is no
longer found exactly once or the mutated source does not build.

The original of a mutated file is saved in the build folder before the file
is touched and written back on every way out: normal end, an exception,
Ctrl-C, SIGTERM, SIGHUP. After a crash or a SIGKILL the next run (or
`--restore`, which scripts/mutate.sh calls on exit) puts it back first.
"""

import argparse
import hashlib
import json
import os
import random
import re
import resource
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
KINDS = ("compare", "andor", "constant", "delete", "order", "text", "negate")
CONFIGURE = ["-G", "Ninja", "-DKZ_BUILD_GUI=OFF", "-DKZ_BUILD_BENCH=OFF",
             "-DCMAKE_BUILD_TYPE=RelWithDebInfo"]
TEST_TIMEOUT = 60          # seconds per ctest test: a looping mutant is killed
RUN_TIMEOUT = 900          # seconds for one build or one whole test run
MEMORY_LIMIT = 4 << 30     # address space per test process: a mutant that
                           # allocates without end must not starve the machine


@dataclass
class Mutant:
    index: int
    path: str
    kind: str
    note: str
    original: str
    replacement: str
    list_line: int
    line: int = 0            # where the snippet starts in the source file
    problem: str = ""        # why it cannot be applied
    status: str = ""         # killed, survived, invalid
    detail: str = ""         # the killing test, or why invalid
    seconds: float = 0.0
    _text: str = field(default="", repr=False)


class Stop(Exception):
    """Raised by SIGTERM and SIGHUP so that `finally` blocks run."""


def parse_mutants(path):
    mutants = []
    current = None
    minus, plus = [], []

    def close():
        nonlocal current, minus, plus
        if current is not None:
            if not minus:
                sys.exit(f"{path}:{current.list_line}: a mutant needs a '-' line")
            current.original = "\n".join(minus)
            current.replacement = "\n".join(plus)
            mutants.append(current)
        current, minus, plus = None, [], []

    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if raw.startswith("@"):
            close()
            parts = [p.strip() for p in raw[1:].split("|", 2)]
            if len(parts) != 3 or parts[1] not in KINDS:
                sys.exit(f"{path}:{number}: expected '@ FILE | KIND | note', KIND one of "
                         + ", ".join(KINDS))
            current = Mutant(len(mutants) + 1, parts[0], parts[1], parts[2], "", "", number)
        elif raw[:1] in ("-", "+") and current is None:
            sys.exit(f"{path}:{number}: a '{raw[0]}' line outside a mutant (an empty line "
                     f"ends a mutant; a bare '+' is an empty line)")
        elif current is not None and raw[:1] in ("-", "+"):
            text = raw[2:] if raw[1:2] == " " else raw[1:]
            if raw[0] == "-":
                if plus:
                    sys.exit(f"{path}:{number}: '-' lines come before '+' lines")
                minus.append(text)
            else:
                plus.append(text)
        else:
            close()
    close()
    return mutants


def locate(m):
    """Finds the snippet; sets m.line, m.problem and the mutated text."""
    source = ROOT / m.path
    if not source.is_file():
        m.problem = "file not found"
        return False
    text = source.read_text(encoding="utf-8")
    count = text.count(m.original)
    if count != 1:
        m.problem = "snippet not found" if count == 0 else f"snippet found {count} times"
        return False
    if m.original == m.replacement:
        m.problem = "replacement equals the original"
        return False
    pos = text.index(m.original)
    m.line = text.count("\n", 0, pos) + 1
    m._text = text[:pos] + m.replacement + text[pos + len(m.original):]
    return True


# ------------------------------------------------------------ safe changes

def sha(data):
    return hashlib.sha256(data).hexdigest()


def write_atomic(path, data):
    tmp = path.with_name(f".{path.name}.mutate-tmp")
    mode = path.stat().st_mode & 0o7777 if path.exists() else 0o644
    with open(tmp, "wb") as f:
        f.write(data)
        f.flush()
        os.fsync(f.fileno())
    os.chmod(tmp, mode)
    os.replace(tmp, path)


class Journal:
    """Remembers the original of the file being mutated, on disk."""

    def __init__(self, build_dir):
        self.file = build_dir / "mutate-journal.json"
        self.backup = build_dir / "mutate-original"

    def apply(self, m):
        source = ROOT / m.path
        original = source.read_bytes()
        mutated = m._text.encode("utf-8")
        self.file.parent.mkdir(parents=True, exist_ok=True)
        write_atomic(self.backup, original)
        write_atomic(self.file, json.dumps({
            "path": m.path, "original": sha(original), "mutated": sha(mutated)}).encode())
        write_atomic(source, mutated)
        # A new time stamp even on a coarse clock, so that ninja rebuilds it.
        now = time.time_ns()
        os.utime(source, ns=(now, now))

    def restore(self, quiet=False):
        """Puts back a file left mutated; False when it cannot be done safely."""
        if not self.file.exists():
            return True
        entry = json.loads(self.file.read_text())
        source = ROOT / entry["path"]
        current = sha(source.read_bytes()) if source.exists() else ""
        if current == entry["mutated"] or not source.exists():
            original = self.backup.read_bytes()
            if sha(original) != entry["original"]:
                print(f"mutate: the saved original of {entry['path']} is damaged; "
                      f"restore it with git", file=sys.stderr)
                return False
            write_atomic(source, original)
            if not quiet:
                print(f"mutate: restored {entry['path']}", file=sys.stderr)
        elif current != entry["original"]:
            print(f"mutate: {entry['path']} changed during the run; left as it is, its "
                  f"original is in {self.backup}", file=sys.stderr)
            return False
        self.file.unlink()
        self.backup.unlink(missing_ok=True)
        return True


# ------------------------------------------------------------ build and test

def kill_group(pgid):
    try:
        os.killpg(pgid, signal.SIGKILL)
    except ProcessLookupError:
        pass


def kill_left_child(pid_file):
    """Ends the build or test run of a driver that was killed itself."""
    try:
        pgid = int(pid_file.read_text())
        cmdline = Path(f"/proc/{pgid}/cmdline").read_bytes().split(b"\0")[0]
    except (OSError, ValueError):
        cmdline = b""
    if cmdline.endswith((b"cmake", b"ctest")):
        kill_group(pgid)
    pid_file.unlink(missing_ok=True)


def run(cmd, timeout, pid_file, limit_memory=False):
    """Runs cmd in its own process group; returns (exit code or None on
    timeout, output). The whole group is killed on timeout or interruption."""
    def limits():
        if limit_memory:
            resource.setrlimit(resource.RLIMIT_AS, (MEMORY_LIMIT, MEMORY_LIMIT))
    proc = subprocess.Popen(cmd, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            start_new_session=True, preexec_fn=limits)
    pid_file.write_text(str(proc.pid))
    try:
        out, _ = proc.communicate(timeout=timeout)
        return proc.returncode, out.decode("utf-8", "replace")
    except subprocess.TimeoutExpired:
        return None, ""
    finally:
        # Also ends what a killed test left running in the group.
        kill_group(proc.pid)
        proc.wait()
        pid_file.unlink(missing_ok=True)


def child_file(args):
    return args.build_dir / "mutate-child.pid"


def build(args):
    return run(["cmake", "--build", str(args.build_dir), f"-j{args.jobs}"], RUN_TIMEOUT,
               child_file(args))


def test(args):
    return run(["ctest", "--test-dir", str(args.build_dir), f"-j{args.jobs}",
                "--timeout", str(TEST_TIMEOUT), "--stop-on-failure"], RUN_TIMEOUT,
               child_file(args), limit_memory=True)


def failed_tests(output):
    """The failed tests in a ctest summary, with how they failed."""
    return [f"{name} ({how})" for name, how in
            re.findall(r"^\s*\d+ - (\S+) \(([^)]*)\)", output, re.MULTILINE)]


def first_error(output):
    lines = output.splitlines()
    for mark in ("error:", "FAILED:"):
        for line in lines:
            if mark in line:
                return line.strip()[:160]
    return "build failed"


def try_mutant(m, args, journal):
    start = time.monotonic()
    try:
        if not locate(m):
            m.status, m.detail = "invalid", m.problem
            return
        journal.apply(m)
        code, out = build(args)
        if code != 0:
            # Test discovery runs each relinked test program: one that
            # crashes on start has been caught by the tests.
            if code is not None and "Error running test executable" in out:
                m.status, m.detail = "killed", "a test program fails to start"
            else:
                m.status = "invalid"
                m.detail = "build timed out" if code is None else first_error(out)
            return
        code, out = test(args)
        if code is None:
            m.status, m.detail = "killed", "tests timed out"
        elif code != 0:
            names = failed_tests(out)
            m.status, m.detail = "killed", names[0] if names else f"ctest exit {code}"
        else:
            m.status = "survived"
    finally:
        if not journal.restore(quiet=True):
            raise SystemExit("mutate: stopped; see the message above")
        m.seconds = time.monotonic() - start


# ------------------------------------------------------------ output

def change_lines(m):
    lines = [f"      - {line}" for line in m.original.split("\n")]
    lines += [f"      + {line}" for line in m.replacement.split("\n")] if m.replacement \
        else ["      + (deleted)"]
    return lines


def where(m):
    return f"{m.path}:{m.line}" if m.line else m.path


def summary(mutants, seconds, baseline_seconds, commit):
    killed = [m for m in mutants if m.status == "killed"]
    survived = [m for m in mutants if m.status == "survived"]
    invalid = [m for m in mutants if m.status == "invalid"]
    valid = len(killed) + len(survived)
    score = 100.0 * len(killed) / valid if valid else 0.0
    per = seconds / len(mutants) if mutants else 0.0
    out = [
        f"Commit: {commit}",
        f"Date: {time.strftime('%Y-%m-%d %H:%M')}",
        f"Mutants: {len(mutants)}",
        f"Killed: {len(killed)}",
        f"Survived: {len(survived)}",
        f"Invalid: {len(invalid)}",
        f"Score: {score:.1f} % ({len(killed)} of {valid} valid mutants killed)",
        f"Time: {seconds / 60:.1f} min, {per:.1f} s per mutant "
        f"(baseline build and tests {baseline_seconds:.0f} s)",
    ]
    if survived:
        out += ["", "Survivors:"]
        for m in survived:
            out.append(f"  #{m.index} {where(m)} [{m.kind}] {m.note}")
            out += change_lines(m)
    if invalid:
        out += ["", "Invalid:"]
        for m in invalid:
            out.append(f"  #{m.index} {where(m)} [{m.kind}] {m.detail}")
    return "\n".join(out)


def results_table(mutants):
    rows = ["", "All mutants:"]
    for m in sorted(mutants, key=lambda m: m.index):
        rows.append(f"  #{m.index:<4}{m.status:<9}{where(m):<46}{m.kind:<9}{m.detail}")
    return "\n".join(rows)


def git_commit():
    try:
        head = subprocess.run(["git", "rev-parse", "--short", "HEAD"], cwd=ROOT,
                              capture_output=True, text=True, check=True).stdout.strip()
        dirty = subprocess.run(["git", "status", "--porcelain", "--", "src"], cwd=ROOT,
                               capture_output=True, text=True).stdout.strip()
        return head + (" (src/ has uncommitted changes)" if dirty else "")
    except (OSError, subprocess.CalledProcessError):
        return "unknown"


# ------------------------------------------------------------ main

def parse_indexes(text, count):
    chosen = set()
    for part in text.split(","):
        part = part.strip()
        if not part:
            continue
        first, _, last = part.partition("-")
        try:
            lo, hi = int(first), int(last or first)
        except ValueError:
            sys.exit(f"mutate: '{part}' is not an index or a range like 10-20")
        if not 1 <= lo <= hi <= count:
            sys.exit(f"mutate: '{part}' is outside 1-{count}")
        chosen.update(range(lo, hi + 1))
    return chosen


def select(mutants, args):
    chosen = mutants
    if args.only:
        keep = parse_indexes(args.only, len(mutants))
        chosen = [m for m in chosen if m.index in keep]
    if args.file:
        chosen = [m for m in chosen if any(f in m.path for f in args.file)]
    if args.sample and args.sample < len(chosen):
        chosen = sorted(random.Random(args.seed).sample(chosen, args.sample),
                        key=lambda m: m.index)
    return chosen


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--mutants", type=Path, default=ROOT / "scripts" / "mutants.txt",
                        help="the list of mutants (default scripts/mutants.txt)")
    parser.add_argument("--build-dir", type=Path, default=ROOT / "build-mut",
                        help="the Qt-free build to use (default build-mut)")
    parser.add_argument("--only", metavar="INDEXES",
                        help="run these mutants only, e.g. 3,7,10-20")
    parser.add_argument("--file", action="append", metavar="TEXT",
                        help="run the mutants of files whose path contains TEXT (repeatable)")
    parser.add_argument("--sample", type=int, metavar="N",
                        help="run N mutants drawn with the seed from the selection")
    parser.add_argument("--seed", type=int, default=13, help="seed of --sample (default 13)")
    parser.add_argument("--list", action="store_true",
                        help="list the selected mutants and where they apply; build nothing")
    parser.add_argument("--report", type=Path, metavar="FILE",
                        help="also write the summary and every mutant's result to FILE")
    parser.add_argument("--jobs", type=int, default=2, help="build and test jobs (default 2)")
    parser.add_argument("--restore", action="store_true",
                        help="only put back a file a stopped run left mutated")
    args = parser.parse_args()
    args.build_dir = args.build_dir.resolve()

    journal = Journal(args.build_dir)
    kill_left_child(child_file(args))
    if not journal.restore():
        return 1
    if args.restore:
        return 0

    mutants = select(parse_mutants(args.mutants), args)
    if args.list:
        for m in mutants:
            found = locate(m)
            print(f"#{m.index:<4}{where(m) if found else m.path + ': ' + m.problem}"
                  f"  [{m.kind}] {m.note}")
            for line in change_lines(m):
                print(line)
        return 0
    if not mutants:
        print("mutate: no mutant selected", file=sys.stderr)
        return 2

    def stop(signum, _frame):
        raise Stop(f"signal {signum}")
    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGHUP, stop)

    if not (args.build_dir / "build.ninja").exists():
        args.build_dir.mkdir(parents=True, exist_ok=True)
        code, out = run(["cmake", "-S", str(ROOT), "-B", str(args.build_dir)] + CONFIGURE,
                        RUN_TIMEOUT, child_file(args))
        if code != 0:
            print(out, file=sys.stderr)
            return 1

    commit = git_commit()
    print(f"mutate: {len(mutants)} mutants at {commit}; building and testing the "
          f"unchanged sources first", flush=True)
    start = time.monotonic()
    code, out = build(args)
    if code == 0:
        code, out = test(args)
    baseline = time.monotonic() - start
    if code != 0:
        print(out[-4000:], file=sys.stderr)
        print("mutate: the unchanged sources do not build or pass their tests", file=sys.stderr)
        return 1

    # Mutants of one file one after another: each build then compiles one
    # file, and the original only once, after the last of them.
    order = sorted(mutants, key=lambda m: (m.path, m.index))
    start = time.monotonic()
    interrupted = None
    try:
        for n, m in enumerate(order, 1):
            try_mutant(m, args, journal)
            print(f"[{n:>3}/{len(order)}] {m.status:<8} #{m.index:<4}{where(m):<44}"
                  f"{m.kind:<9}{m.detail}  {m.seconds:.1f}s", flush=True)
    except (KeyboardInterrupt, Stop) as e:
        interrupted = e
    finally:
        journal.restore()
    seconds = time.monotonic() - start
    done = [m for m in mutants if m.status]

    if interrupted is None:
        # Leave the build matching the sources again.
        build(args)
    text = summary(done, seconds, baseline, commit)
    if interrupted is not None:
        text = f"Interrupted after {len(done)} of {len(mutants)} mutants.\n" + text
    print()
    print(text)
    if args.report:
        args.report.write_text(text + "\n" + results_table(done) + "\n", encoding="utf-8")
    return 130 if interrupted is not None else 0


if __name__ == "__main__":
    sys.exit(main())
