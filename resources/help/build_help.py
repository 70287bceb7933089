#!/usr/bin/env python3
"""Compiles the help file rvohelp.chm from the pages in this folder.

usage: build_help.py --out rvohelp.chm --work DIR [--chmcmd PROGRAM]

The pages are kept as UTF-8; the help viewer of Chinese Windows reads them in
code page 936, so they are converted to GBK in the work folder first. Before
compiling, every topic of the contents and the index and every picture a page
shows must exist, and every page must be in the contents.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TEXT = (".html", ".hhc", ".hhk", ".hhp", ".css")
LOCAL = re.compile(r'<param\s+name="Local"\s+value="([^"]+)"', re.I)
PICTURE = re.compile(r'<img\s[^>]*src="([^"]+)"', re.I)


def sources():
    for folder, _, names in os.walk(HERE):
        for name in sorted(names):
            path = os.path.join(folder, name)
            if name.endswith(TEXT) or folder != HERE:
                yield os.path.relpath(path, HERE).replace(os.sep, "/")


def read(relative):
    with open(os.path.join(HERE, relative), encoding="utf-8") as f:
        return f.read()


def check(files):
    problems = []
    toc = LOCAL.findall(read("toc.hhc"))
    for topic in toc + LOCAL.findall(read("index.hhk")):
        if topic not in files:
            problems.append(f"topic {topic} has no page")
    for page in (f for f in files if f.endswith(".html")):
        if page not in toc:
            problems.append(f"page {page} is not in the contents")
        for picture in PICTURE.findall(read(page)):
            if picture not in files:
                problems.append(f"{page} shows {picture}, which does not exist")
    if problems:
        sys.exit("help: " + "; ".join(problems))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--out", required=True)
    ap.add_argument("--work", required=True)
    ap.add_argument("--chmcmd", default="chmcmd")
    args = ap.parse_args()
    files = list(sources())
    check(set(files))

    shutil.rmtree(args.work, ignore_errors=True)
    for relative in files:
        target = os.path.join(args.work, *relative.split("/"))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if relative.endswith(TEXT):
            text = read(relative).replace("charset=utf-8", "charset=gb2312")
            if relative.endswith(".hhp"):
                text += "\n[FILES]\n" + "\n".join(f.replace("/", "\\") for f in files if not f.endswith(".hhp")) + "\n"
            with open(target, "w", encoding="gbk", newline="\r\n") as f:
                f.write(text)
        else:
            shutil.copyfile(os.path.join(HERE, relative), target)
    result = subprocess.run([args.chmcmd, "--no-html-scan", "rvohelp.hhp"], cwd=args.work,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace")
    built = os.path.join(args.work, "rvohelp.chm")
    if result.returncode != 0 or not os.path.isfile(built):
        sys.exit("chmcmd failed:\n" + result.stdout)
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    shutil.move(built, args.out)


if __name__ == "__main__":
    main()
