#!/usr/bin/env python3
"""Fault-planting check: how many deliberately planted single faults does the test suite catch?

The faults are listed in faults.json beside this script. Each one names a file of the checkout,
an exact piece of its text (which must occur exactly once in that file) and the text that
replaces it: an off-by-one, a flipped comparison, a dropped statement, a wrong constant and the
like.

The script copies the checkout once (its tracked and untracked-but-not-ignored files, as they are
in the working tree) into a throwaway folder, builds it there and runs the tests on the unchanged
copy first. Then, for one fault after the other, it plants the fault in the copy, builds again
(the build folder is kept, so only what the fault touches is rebuilt; ccache helps with the rest),
runs ctest and puts the file back. A fault is

  CAUGHT          the build succeeds and at least one test fails, crashes or times out;
  MISSED          the build succeeds and every test passes;
  INVALID         the build fails (the list needs fixing: every fault must compile);
  NOT-APPLICABLE  its original text is no longer in the file (the code has changed);
  AMBIGUOUS       its original text occurs more than once (refused: make it longer);
  ERROR           ctest found no tests or could not run.

Only CAUGHT and MISSED faults count as planted. The checkout itself is never changed.

  scripts/faultcheck.py                      all faults, a temporary copy of this checkout
  scripts/faultcheck.py --only R01,G03       some faults
  scripts/faultcheck.py --list               the list and whether each fault still applies
  scripts/faultcheck.py --report out.md      also write a Markdown table

The exit status is 0 after a run, 2 when the unchanged copy does not build or its tests fail
(nothing can be measured then) and 1 for bad arguments or a broken fault list.
"""

from __future__ import annotations

import argparse
import datetime
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass, field
from pathlib import Path

AREAS = ("reader", "autointel", "geometry", "canvas", "orderformat", "moveeditor", "checker")
PLANTED = ("CAUGHT", "MISSED")
MANIFEST = ".faultcheck-files"


@dataclass
class Fault:
    id: str
    area: str
    description: str
    file: str
    original: str
    replacement: str


@dataclass
class Outcome:
    fault: Fault
    result: str
    detail: str = ""
    failing: list = field(default_factory=list)  # (test name, reason)
    seconds: float = 0.0


def fail(message: str, status: int = 1) -> None:
    print(f"faultcheck: {message}", file=sys.stderr)
    sys.exit(status)


# ------------------------------------------------------------------------------------------------
# The fault list.

def load_faults(path: Path) -> list[Fault]:
    try:
        data = json.loads(path.read_text(encoding="utf-8"))
    except (OSError, ValueError) as e:
        fail(f"cannot read the fault list {path}: {e}")
    entries = data.get("faults") if isinstance(data, dict) else data
    if not isinstance(entries, list):
        fail(f"{path}: expected a list of faults (or an object with \"faults\")")
    faults, seen = [], set()
    keys = ("id", "area", "description", "file", "original", "replacement")
    for n, e in enumerate(entries, 1):
        if not isinstance(e, dict) or any(not isinstance(e.get(k), str) for k in keys):
            fail(f"{path}: fault #{n} needs the text fields {', '.join(keys)}")
        f = Fault(**{k: e[k] for k in keys})
        if not f.id or f.id in seen:
            fail(f"{path}: fault #{n}: missing or repeated id {f.id!r}")
        seen.add(f.id)
        if f.area not in AREAS:
            fail(f"{path}: fault {f.id}: area {f.area!r} is none of {', '.join(AREAS)}")
        if not f.original:
            fail(f"{path}: fault {f.id}: the original text is empty")
        if f.original == f.replacement:
            fail(f"{path}: fault {f.id}: the replacement equals the original")
        if Path(f.file).is_absolute() or ".." in Path(f.file).parts:
            fail(f"{path}: fault {f.id}: the file must be a path inside the checkout")
        faults.append(f)
    return faults


def applicability(root: Path, f: Fault) -> str:
    """"" when the fault can be planted in the checkout at root, else the reason it cannot."""
    path = root / f.file
    if not path.is_file():
        return "NOT-APPLICABLE"
    count = path.read_text(encoding="utf-8", errors="surrogateescape").count(f.original)
    if count == 0:
        return "NOT-APPLICABLE"
    if count > 1:
        return "AMBIGUOUS"
    return ""


# ------------------------------------------------------------------------------------------------
# The throwaway copy.

def checkout_files(repo: Path) -> list[str]:
    out = subprocess.run(["git", "-C", str(repo), "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                         check=True, capture_output=True).stdout
    return sorted({name for name in out.decode("utf-8", "surrogateescape").split("\0") if name})


def sync_copy(repo: Path, copy: Path) -> int:
    """Makes copy hold the checkout's files; files that are already equal are left alone (so that a
    reused build folder rebuilds nothing for them). Returns the number of files written."""
    names = [n for n in checkout_files(repo) if (repo / n).is_file() or (repo / n).is_symlink()]
    written = 0
    for name in names:
        src, dst = repo / name, copy / name
        dst.parent.mkdir(parents=True, exist_ok=True)
        if src.is_symlink():
            target = os.readlink(src)
            if dst.is_symlink() and os.readlink(dst) == target:
                continue
            if dst.exists() or dst.is_symlink():
                dst.unlink()
            os.symlink(target, dst)
            written += 1
            continue
        data = src.read_bytes()
        if dst.is_file() and not dst.is_symlink() and dst.read_bytes() == data:
            continue
        if dst.is_symlink():
            dst.unlink()
        dst.write_bytes(data)
        shutil.copymode(src, dst)
        written += 1
    # Files of an earlier copy that the checkout no longer has.
    manifest = copy / MANIFEST
    if manifest.is_file():
        for old in set(manifest.read_text(encoding="utf-8", errors="surrogateescape").splitlines()) - set(names):
            p = copy / old
            if p.is_file() or p.is_symlink():
                p.unlink()
    manifest.write_text("\n".join(names) + "\n", encoding="utf-8", errors="surrogateescape")
    return written


# ------------------------------------------------------------------------------------------------
# Building and testing the copy.

class Runner:
    def __init__(self, copy: Path, logs: Path, jobs: int, timeout: int, ctest_limit: int, corpus: Path):
        self.copy = copy
        self.build = copy / "build"
        self.logs = logs
        self.jobs = jobs
        self.timeout = timeout
        self.ctest_limit = ctest_limit
        self.corpus = corpus
        self.env = dict(os.environ)
        # Paths below the copy's parent are hashed relative to the build folder, so that the copy
        # shares cache entries with checkouts built with CCACHE_BASEDIR set to their parent.
        self.env["CCACHE_BASEDIR"] = str(copy.parent)
        self.env.setdefault("CCACHE_NOHASHDIR", "1")
        self.ccache = shutil.which("ccache")

    def _run(self, command: list[str], log: Path, limit: float | None = None) -> tuple[int, str, bool]:
        """Runs command in its own process group with its output in log. Returns the exit status,
        the output and whether it was stopped for taking longer than limit seconds."""
        with open(log, "wb") as out:
            p = subprocess.Popen(command, stdout=out, stderr=subprocess.STDOUT, env=self.env,
                                 cwd=self.copy, start_new_session=True)
            stopped = False
            try:
                p.wait(timeout=limit)
            except subprocess.TimeoutExpired:
                stopped = True
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()
            except BaseException:
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()
                raise
        return p.returncode, log.read_text(encoding="utf-8", errors="replace"), stopped

    def configure(self) -> tuple[bool, str]:
        command = ["cmake", "-S", str(self.copy), "-B", str(self.build), "-G", "Ninja",
                   "-DCMAKE_BUILD_TYPE=Release", "-DORRERY_BUILD_TESTS=ON", "-DORRERY_BUILD_BENCH=OFF",
                   "-DORRERY_BUILD_FUZZ=OFF", "-DORRERY_SANITIZE=OFF", f"-DORRERY_CORPUS_DIR={self.corpus}"]
        if self.ccache:
            command.append(f"-DCMAKE_CXX_COMPILER_LAUNCHER={self.ccache}")
        rc, output, _ = self._run(command, self.logs / "configure.log")
        return rc == 0, output

    def build_all(self, name: str) -> tuple[bool, str]:
        rc, output, _ = self._run(["cmake", "--build", str(self.build), "-j", str(self.jobs)],
                                  self.logs / f"{name}-build.log")
        return rc == 0, output

    def test(self, name: str) -> tuple[str, list, str]:
        """Runs ctest. Returns ("pass" | "fail" | "error", failing tests as (name, reason), detail)."""
        failed_log = self.build / "Testing" / "Temporary" / "LastTestsFailed.log"
        if failed_log.exists():
            failed_log.unlink()
        command = ["ctest", "--test-dir", str(self.build), "-j", str(self.jobs), "--timeout", str(self.timeout),
                   "--no-tests=error"]
        rc, output, stopped = self._run(command, self.logs / f"{name}-ctest.log", self.ctest_limit)
        failing = parse_failures(output)
        if not failing and failed_log.exists():
            for line in failed_log.read_text(encoding="utf-8", errors="replace").splitlines():
                if ":" in line:
                    failing.append((line.split(":", 1)[1].strip(), "Failed"))
        if stopped:
            return "fail", failing, f"ctest stopped after {self.ctest_limit} s"
        if "No tests were found" in output:
            return "error", [], "ctest found no tests"
        if failing:
            return "fail", failing, ""
        if rc == 0:
            return "pass", [], ""
        last = (output.strip().splitlines() or [""])[-1]
        return "error", [], f"ctest exit status {rc}: {last[:120]}"


FAILED_LINE = re.compile(r"^\s*\d+\s+-\s+(\S.*?)\s+\(([^()]*)\)\s*$")


def parse_failures(output: str) -> list:
    failing, inside = [], False
    for line in output.splitlines():
        if line.startswith("The following tests FAILED"):
            inside = True
            continue
        if inside:
            m = FAILED_LINE.match(line)
            if m:
                # Value-parameterized tests carry their parameter after the name.
                failing.append((re.sub(r"\s+# GetParam\(\).*$", "", m.group(1)), m.group(2)))
            elif line.strip():
                inside = False
    return failing


def tail(text: str, lines: int = 25) -> str:
    return "\n".join(text.rstrip().splitlines()[-lines:])


def error_lines(build_output: str, limit: int = 3) -> str:
    errors = [l.strip() for l in build_output.splitlines() if " error: " in l or l.startswith("FAILED:")]
    return " | ".join(errors[:limit])[:300]


# ------------------------------------------------------------------------------------------------
# One fault.

def plant(runner: Runner, f: Fault) -> Outcome:
    start = time.monotonic()
    status = applicability(runner.copy, f)
    if status:
        return Outcome(f, status, "original text not found" if status == "NOT-APPLICABLE"
                       else "original text occurs more than once")
    path = runner.copy / f.file
    text = path.read_text(encoding="utf-8", errors="surrogateescape")
    try:
        path.write_text(text.replace(f.original, f.replacement, 1), encoding="utf-8", errors="surrogateescape")
        built, output = runner.build_all(f.id)
        if not built:
            return Outcome(f, "INVALID", error_lines(output) or "build failed", seconds=time.monotonic() - start)
        verdict, failing, detail = runner.test(f.id)
    finally:
        path.write_text(text, encoding="utf-8", errors="surrogateescape")
    result = {"pass": "MISSED", "fail": "CAUGHT", "error": "ERROR"}[verdict]
    return Outcome(f, result, detail, failing, time.monotonic() - start)


# ------------------------------------------------------------------------------------------------
# Totals and the report.

def totals(outcomes: list[Outcome]) -> tuple[int, int, dict]:
    per_area = {a: [0, 0] for a in AREAS}
    for o in outcomes:
        if o.result in PLANTED:
            per_area[o.fault.area][1] += 1
            if o.result == "CAUGHT":
                per_area[o.fault.area][0] += 1
    caught = sum(c for c, _ in per_area.values())
    planted = sum(p for _, p in per_area.values())
    return caught, planted, per_area


def percent(a: int, b: int) -> str:
    return f"{100.0 * a / b:.0f} %" if b else "-"


def md(text: str) -> str:
    return text.replace("|", "\\|").replace("\n", " ")


def failing_text(o: Outcome, first: int = 3) -> str:
    if o.result == "CAUGHT":
        names = [f"{n} ({r})" if r != "Failed" else n for n, r in o.failing[:first]]
        more = len(o.failing) - first
        text = ", ".join(names) + (f" and {more} more" if more > 0 else "")
        return text or o.detail
    return o.detail


def write_report(path: Path, outcomes: list[Outcome], repo: Path, revision: str, seconds: float,
                 clean_seconds: float) -> None:
    caught, planted, per_area = totals(outcomes)
    built = [o.seconds for o in outcomes if o.result in PLANTED + ("INVALID", "ERROR")]
    average = f"; {sum(built) / len(built):.0f} s per planted fault on average" if built else ""
    lines = [
        "# Fault-planting check",
        "",
        f"Date: {datetime.datetime.now().strftime('%Y-%m-%d %H:%M')}  ",
        f"Checkout: {revision}  ",
        f"Run time: {format_duration(seconds)} for {len(outcomes)} faults (the unchanged copy built and tested "
        f"in {format_duration(clean_seconds)}{average})",
        "",
        "| id | area | description | result | failing tests (first few) |",
        "|---|---|---|---|---|",
    ]
    for o in outcomes:
        f = o.fault
        lines.append(f"| {md(f.id)} | {f.area} | {md(f.description)} | {o.result} | {md(failing_text(o))} |")
    lines += ["", f"**Caught: {caught} of {planted} planted faults ({percent(caught, planted)}).**"]
    if planted:
        lines += ["", "| area | caught | planted |", "|---|---|---|"]
        for area in AREAS:
            c, p = per_area[area]
            if p:
                lines.append(f"| {area} | {c} | {p} |")
    others = [o for o in outcomes if o.result not in PLANTED]
    if others:
        lines += ["", "Not planted: " + ", ".join(f"{o.fault.id} ({o.result})" for o in others) + "."]
    missed = [o for o in outcomes if o.result == "MISSED"]
    if missed:
        lines += ["", "Missed faults:", ""] + [f"- {o.fault.id} ({o.fault.area}): {o.fault.description}" for o in missed]
    path.write_text("\n".join(lines) + "\n", encoding="utf-8")


def format_duration(seconds: float) -> str:
    m, s = divmod(int(round(seconds)), 60)
    h, m = divmod(m, 60)
    return f"{h} h {m:02d} min {s:02d} s" if h else f"{m} min {s:02d} s"


def describe_revision(repo: Path) -> str:
    try:
        head = subprocess.run(["git", "-C", str(repo), "rev-parse", "--short", "HEAD"], check=True,
                              capture_output=True, text=True).stdout.strip()
        dirty = subprocess.run(["git", "-C", str(repo), "status", "--porcelain", "--untracked-files=no"],
                               check=True, capture_output=True, text=True).stdout.strip()
        return head + (" with uncommitted changes" if dirty else "")
    except (OSError, subprocess.CalledProcessError):
        return "unknown revision"


# ------------------------------------------------------------------------------------------------

def main() -> int:
    here = Path(__file__).resolve().parent
    ap = argparse.ArgumentParser(description="Plants single faults in a throwaway copy of the checkout and "
                                             "counts how many the tests catch.")
    ap.add_argument("--only", help="comma-separated fault ids to run")
    ap.add_argument("--list", action="store_true", help="list the faults and whether each still applies")
    ap.add_argument("--repo", type=Path, default=here.parent, help="checkout to copy (default: %(default)s)")
    ap.add_argument("--faults", type=Path, default=here / "faults.json", help="fault list (default: %(default)s)")
    ap.add_argument("--report", type=Path, help="write a Markdown report to this file")
    ap.add_argument("--jobs", type=int, default=2, help="parallel build and test jobs (default: %(default)s)")
    ap.add_argument("--timeout", type=int, default=120, help="seconds per test (default: %(default)s)")
    ap.add_argument("--ctest-limit", type=int, default=1800,
                    help="seconds for a whole ctest run before it is stopped (default: %(default)s)")
    ap.add_argument("--corpus", type=Path, help="real reports for the tests (default: REPO/../shared/corpus)")
    ap.add_argument("--workdir", type=Path,
                    help="folder for the copy and its build, kept and reused by later runs "
                         "(default: a temporary folder removed at the end)")
    ap.add_argument("--keep", action="store_true", help="keep the temporary folder")
    args = ap.parse_args()

    repo = args.repo.resolve()
    if not (repo / "CMakeLists.txt").is_file():
        fail(f"{repo} is no checkout of the project")
    faults = load_faults(args.faults)
    if args.only:
        wanted = [i.strip() for i in args.only.split(",") if i.strip()]
        known = {f.id for f in faults}
        unknown = [i for i in wanted if i not in known]
        if unknown:
            fail(f"unknown fault ids: {', '.join(unknown)}")
        faults = [f for f in faults if f.id in wanted]

    if args.list:
        for f in faults:
            state = applicability(repo, f) or "ok"
            print(f"{f.id:6} {f.area:12} {state:15} {f.file}: {f.description}")
        print(f"{len(faults)} faults")
        return 0

    corpus = (args.corpus or repo.parent / "shared" / "corpus").resolve()
    if not corpus.is_dir():
        print(f"faultcheck: warning: no corpus at {corpus}; the tests that read real reports will not run as usual",
              file=sys.stderr)
    revision = describe_revision(repo)

    if args.workdir:
        root = args.workdir.resolve()
        root.mkdir(parents=True, exist_ok=True)
        temporary = False
    else:
        root = Path(tempfile.mkdtemp(prefix="orrery-faults-"))
        temporary = not args.keep
    copy, logs = root / "orrery", root / "logs"
    copy.mkdir(exist_ok=True)
    logs.mkdir(exist_ok=True)
    started = time.monotonic()
    clean_seconds = 0.0
    outcomes: list[Outcome] = []
    try:
        written = sync_copy(repo, copy)
        print(f"copy of {repo} ({revision}) in {copy}: {written} files written", flush=True)
        runner = Runner(copy, logs, max(1, args.jobs), args.timeout, args.ctest_limit, corpus)
        ok, output = runner.configure()
        if not ok:
            print(tail(output), file=sys.stderr)
            fail("cmake configuration of the copy failed", 2)
        print("building and testing the unchanged copy ...", flush=True)
        t0 = time.monotonic()
        ok, output = runner.build_all("clean")
        if not ok:
            print(tail(output), file=sys.stderr)
            fail(f"the unchanged copy does not build (log: {logs / 'clean-build.log'})", 2)
        verdict, failing, detail = runner.test("clean")
        if verdict != "pass":
            names = ", ".join(n for n, _ in failing[:10])
            fail(f"the tests fail on the unchanged copy ({names or detail}); nothing to measure "
                 f"(log: {logs / 'clean-ctest.log'})", 2)
        clean_seconds = time.monotonic() - t0
        print(f"unchanged copy: all tests pass ({clean_seconds:.0f} s)", flush=True)

        for n, f in enumerate(faults, 1):
            o = plant(runner, f)
            outcomes.append(o)
            extra = failing_text(o)
            print(f"[{n}/{len(faults)}] {f.id:6} {f.area:12} {o.result:14} {o.seconds:5.0f} s  {f.description}"
                  + (f"  -- {extra}" if extra else ""), flush=True)
    except KeyboardInterrupt:
        print("interrupted", file=sys.stderr)
    finally:
        if temporary:
            shutil.rmtree(root, ignore_errors=True)
        elif outcomes or args.workdir or args.keep:
            print(f"copy and logs kept in {root}")

    seconds = time.monotonic() - started
    caught, planted, per_area = totals(outcomes)
    print()
    for area in AREAS:
        c, p = per_area[area]
        if p:
            print(f"  {area:12} {c:3} / {p}")
    counts = {}
    for o in outcomes:
        counts[o.result] = counts.get(o.result, 0) + 1
    others = ", ".join(f"{k} {v}" for k, v in sorted(counts.items()) if k not in PLANTED)
    print(f"caught {caught} / planted {planted} ({percent(caught, planted)})" + (f"; {others}" if others else "")
          + f"; {format_duration(seconds)}")
    if args.report:
        write_report(args.report, outcomes, repo, revision, seconds, clean_seconds)
        print(f"report written to {args.report}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
