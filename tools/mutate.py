#!/usr/bin/env python3
"""Mutation score of the portable core against the host unit tests.

  tools/mutate.py generate [--seed N] [--count N] [--out tools/mutants.json]
      picks a fixed sample of one-line textual mutations of src/*/core/*.cpp
      (the host-built ones) and saves it, so every later run uses the same set.
  tools/mutate.py run [--mutants tools/mutants.json] [--build build/mutate]
                      [--source DIR] [--log FILE] [--timeout S]
      applies each mutant alone, rebuilds the unit tests incrementally, runs
      them, and restores the file; prints killed, survived, build-failed (not
      counted) and gone (the line is no longer there; not counted), and the
      survivors.

A mutant whose line moved is found again by its unchanged text (the match
nearest its old line).  The source file is restored after every mutant, also
on Ctrl-C or an error.
"""
import argparse
import glob
import json
import os
import random
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Each rule: a pattern and what the matched text becomes.
RULES = [
    ("==", re.compile(r"(?<=[^=!<>])==(?=[^=])"), "!="),
    ("!=", re.compile(r"!=(?=[^=])"), "=="),
    ("<", re.compile(r"(?<= )<(?= )"), "<="),
    ("<=", re.compile(r"(?<= )<=(?= )"), "<"),
    (">", re.compile(r"(?<= )>(?= )"), ">="),
    (">=", re.compile(r"(?<= )>=(?= )"), ">"),
    ("&&", re.compile(r"(?<= )&&(?= )"), "||"),
    ("||", re.compile(r"(?<= )\|\|(?= )"), "&&"),
    ("+1", re.compile(r"(?<= )\+ 1\b"), "- 1"),
    ("-1", re.compile(r"(?<= )- 1\b"), "+ 1"),
    ("++", re.compile(r"\+\+"), "--"),
    ("true", re.compile(r"\btrue\b"), "false"),
    ("false", re.compile(r"\bfalse\b"), "true"),
    ("const+1", re.compile(r"(?<![\w.])(\d+)(?![\w.'])"), None),
]
STATEMENT = re.compile(r"^\s*(?!return\b|case\b|default\b|break\b|using\b|static_assert\b)"
                       r"[A-Za-z_][\w:.\->\[\]]*\s*(\(.*\)|[+\-*/|&]?=.*)\s*;\s*$")
DECLARATION = re.compile(r"^\s*(const\s+)?(auto|int|bool|char|unsigned|size_t|std::|double|float|long|wchar_t|"
                         r"[A-Z]\w*\s+\w+\s*[=({;])")
CONDITION = re.compile(r"\b(if|while) \((.*)\)(\s*\{?\s*)$")


def code_spans(line):
    """Positions outside string/char literals and line comments."""
    mask = [True] * len(line)
    i, quote = 0, None
    while i < len(line):
        c = line[i]
        if quote:
            mask[i] = False
            if c == "\\":
                if i + 1 < len(line):
                    mask[i + 1] = False
                i += 2
                continue
            if c == quote:
                quote = None
        elif c in "\"'" and not (c == "'" and i > 0 and line[i - 1].isalnum()):
            quote = c
            mask[i] = False
        elif line.startswith("//", i):
            for j in range(i, len(line)):
                mask[j] = False
            break
        i += 1
    return mask


def candidates(path, lines):
    rel = os.path.relpath(path, ROOT)
    in_block = False
    for n, line in enumerate(lines, 1):
        s = line.strip()
        if in_block:
            in_block = "*/" not in s
            continue
        if s.startswith("/*"):
            in_block = "*/" not in s
            continue
        if not s or s.startswith(("//", "#", "*", "static_assert", "namespace", "template")):
            continue
        mask = code_spans(line)
        # Rows of data tables would crowd out the logic: constants only in code lines.
        table_row = s.startswith(("{", "0x")) or len(re.findall(r"\b\d+", s)) > 3
        for kind, rx, repl in RULES:
            if kind == "const+1" and table_row:
                continue
            for m in rx.finditer(line):
                if not all(mask[m.start():m.end()]):
                    continue
                new = repl if repl is not None else str(int(m.group(1)) + 1)
                yield dict(file=rel, line=n, kind=kind, original=line,
                           mutated=line[:m.start()] + new + line[m.end():])
        m = CONDITION.search(line)
        if m and all(mask[m.start():m.end(2)]) and "constexpr" not in line:
            yield dict(file=rel, line=n, kind="!cond", original=line,
                       mutated=line[:m.start(2)] + "!(" + m.group(2) + ")" + line[m.end(2):])
        if STATEMENT.match(line) and not DECLARATION.match(line):
            indent = line[:len(line) - len(line.lstrip())]
            yield dict(file=rel, line=n, kind="delete", original=line, mutated=indent + ";")


def host_sources():
    return sorted(glob.glob(os.path.join(ROOT, "src", "*", "core", "*.cpp")))


def generate(args):
    pool = []
    for path in host_sources():
        with open(path, encoding="utf-8") as f:
            pool.extend(candidates(path, f.read().split("\n")))
    rng = random.Random(args.seed)
    sample = rng.sample(pool, min(args.count, len(pool)))
    sample.sort(key=lambda m: (m["file"], m["line"], m["mutated"]))
    for i, m in enumerate(sample):
        m["id"] = i
    with open(args.out, "w", encoding="utf-8") as f:
        json.dump({"seed": args.seed, "pool": len(pool), "mutants": sample}, f, ensure_ascii=False, indent=1)
        f.write("\n")
    print(f"{len(sample)} mutants of {len(pool)} candidates -> {args.out}")


def locate(lines, m):
    """Index of the mutant's line now, or None when it is gone."""
    i = m["line"] - 1
    if 0 <= i < len(lines) and lines[i] == m["original"]:
        return i
    hits = [k for k, l in enumerate(lines) if l == m["original"]]
    return min(hits, key=lambda k: abs(k - i)) if hits else None


def sh(cmd, cwd, timeout=None):
    try:
        p = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                           timeout=timeout, start_new_session=True)
        return p.returncode, p.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired as e:
        return "timeout", (e.stdout or b"").decode(errors="replace")


def run(args):
    src = os.path.abspath(args.source)
    build = os.path.join(src, args.build) if not os.path.isabs(args.build) else args.build
    with open(args.mutants, encoding="utf-8") as f:
        mutants = json.load(f)["mutants"]
    if args.files:
        mutants = [m for m in mutants if any(part in m["file"] for part in args.files.split(","))]
    if not os.path.exists(os.path.join(build, "build.ninja")):
        rc, out = sh(["cmake", "-S", src, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                      "-DCMAKE_CXX_FLAGS_DEBUG=-O0", "-DRAVELO_SANITIZE=OFF"], src)
        if rc != 0:
            sys.exit("configure failed:\n" + out)
    build_cmd = ["ninja", "-C", build, "-j", str(args.jobs), "ravelo_unit_tests"]
    test_cmd = [os.path.join(build, "tests", "ravelo_unit_tests"), "--gtest_brief=1", "--gtest_fail_fast"]
    rc, out = sh(build_cmd, src)
    if rc != 0:
        sys.exit("the unchanged tree does not build:\n" + out)
    t0 = time.time()
    rc, out = sh(test_cmd, build, args.timeout)
    if rc != 0:
        sys.exit("the unit tests fail on the unchanged tree:\n" + out[-3000:])
    print(f"baseline: tests pass in {time.time() - t0:.1f} s", flush=True)

    results = {}
    if args.log and os.path.exists(args.log) and args.resume:
        with open(args.log, encoding="utf-8") as f:
            for l in f:
                r = json.loads(l)
                results[r["id"]] = r
    log = open(args.log, "a" if args.resume else "w", encoding="utf-8") if args.log else None

    def interrupted(signum, frame):
        raise KeyboardInterrupt
    signal.signal(signal.SIGTERM, interrupted)

    for m in mutants:
        if m["id"] in results:
            continue
        path = os.path.join(src, m["file"])
        with open(path, "rb") as f:
            pristine = f.read()
        lines = pristine.decode("utf-8").split("\n")
        i = locate(lines, m)
        if i is None:
            status = "gone"
        else:
            mutated = lines[:i] + [m["mutated"]] + lines[i + 1:]
            try:
                with open(path, "wb") as f:
                    f.write("\n".join(mutated).encode("utf-8"))
                rc, _ = sh(build_cmd, src)
                if rc != 0:
                    status = "build-failed"
                else:
                    rc, _ = sh(test_cmd, build, args.timeout)
                    status = "survived" if rc == 0 else "killed"
            finally:
                with open(path, "wb") as f:
                    f.write(pristine)
                # The restored file is older than the mutated objects: touch it so ninja rebuilds.
                os.utime(path, None)
        r = {"id": m["id"], "status": status}
        results[m["id"]] = r
        if log:
            log.write(json.dumps(r) + "\n")
            log.flush()
        print(f"[{m['id']:3}] {status:12} {m['file']}:{m['line']} {m['kind']}", flush=True)
    # Leave the build matching the sources.
    sh(build_cmd, src)
    report(mutants, results)


def report(mutants, results):
    count = {}
    for r in results.values():
        count[r["status"]] = count.get(r["status"], 0) + 1
    killed, survived = count.get("killed", 0), count.get("survived", 0)
    scored = killed + survived
    print(f"\nkilled {killed}, survived {survived}, build-failed {count.get('build-failed', 0)}, "
          f"gone {count.get('gone', 0)}; score {killed}/{scored} = {100.0 * killed / max(scored, 1):.1f} %")
    print("survivors:")
    for m in mutants:
        if results.get(m["id"], {}).get("status") == "survived":
            print(f"  [{m['id']:3}] {m['file']}:{m['line']} {m['kind']}\n"
                  f"        - {m['original'].strip()}\n        + {m['mutated'].strip()}")


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = p.add_subparsers(dest="cmd", required=True)
    g = sub.add_parser("generate")
    g.add_argument("--seed", type=int, default=12)
    g.add_argument("--count", type=int, default=180)
    g.add_argument("--out", default=os.path.join(ROOT, "tools", "mutants.json"))
    r = sub.add_parser("run")
    r.add_argument("--mutants", default=os.path.join(ROOT, "tools", "mutants.json"))
    r.add_argument("--source", default=ROOT, help="tree to mutate (a copy may be used)")
    r.add_argument("--build", default="build/mutate")
    r.add_argument("--jobs", type=int, default=2)
    r.add_argument("--timeout", type=float, default=60)
    r.add_argument("--log", help="results, one JSON line per mutant")
    r.add_argument("--resume", action="store_true", help="skip mutants already in --log")
    r.add_argument("--files", help="only the mutants of these sources (comma-separated parts of their paths)")
    s = sub.add_parser("report")
    s.add_argument("--mutants", default=os.path.join(ROOT, "tools", "mutants.json"))
    s.add_argument("--log", required=True)
    args = p.parse_args()
    if args.cmd == "generate":
        generate(args)
    elif args.cmd == "run":
        run(args)
    else:
        with open(args.mutants, encoding="utf-8") as f:
            mutants = json.load(f)["mutants"]
        with open(args.log, encoding="utf-8") as f:
            results = {r["id"]: r for r in map(json.loads, f)}
        report(mutants, results)


if __name__ == "__main__":
    main()
