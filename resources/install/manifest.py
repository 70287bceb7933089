#!/usr/bin/env python3
"""The installation manifest (manifest.txt) and what is generated from it.

uninstall-list --stage DIR        writes DIR/bin/filelist.db and purgelist.db
                                  (code page 936)
nsis --stage DIR --out FILE.nsh   checks that DIR holds exactly the listed
                                  files and writes the setup's file list
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
MANIFEST = os.path.join(HERE, "manifest.txt")

# A save writes "<target>.<unique>.tmp" beside its target and then replaces
# the target; a save cut short (power loss) can leave that file behind.
SAVE_LEFTOVER = ".*.tmp"

# The cleaner cannot delete itself while it runs; the uninstaller deletes it
# after it has ended.
CLEANER = "bin\\rvofilecmd.exe"

# The two uninstall lists: the uninstaller hands rvofilecmd filelist.db,
# which keeps the operator's files (data and records) with their folders,
# or, when asked to delete them too, puts purgelist.db in its place.
KEEP_LIST = "filelist.db"
PURGE_LIST = "purgelist.db"
OPERATOR = ("data", "record")


class Manifest:
    def __init__(self, files, registry):
        self.files = files        # [(mode, relative path with backslashes)]
        self.registry = registry  # [key below HKEY_LOCAL_MACHINE]

    def folders(self):
        """Every folder below the root that holds a listed file, deepest first."""
        found = set()
        for _, path in self.files:
            parts = path.split("\\")[:-1]
            for i in range(1, len(parts) + 1):
                found.add("\\".join(parts[:i]))
        return sorted(found, key=lambda f: (-f.count("\\"), f))


def read(path=MANIFEST):
    files, registry = [], []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            kind, _, operand = line.partition(" ")
            operand = operand.strip()
            if kind in ("program", *OPERATOR) and operand and ".." not in operand.split("\\"):
                files.append((kind, operand))
            elif kind == "registry" and operand:
                registry.append(operand)
            else:
                sys.exit(f"{path}:{number}: not a manifest line: {line}")
    return Manifest(files, registry)


def uninstall_list(manifest, purge=False):
    """Files first, then their folders (deepest first), so each folder is
    empty when its own line removes it. A file the operator added keeps its
    folder, and so do the operator's own files unless purge is set."""
    files = [(mode, path) for mode, path in manifest.files
             if path != CLEANER and (purge or mode not in OPERATOR)]
    lines = ["#" + path for _, path in files]
    lines += ["#" + path + SAVE_LEFTOVER for mode, path in files if mode == "data"]
    lines += ["@" + folder for folder in manifest.folders()]
    lines += ["%" + key for key in manifest.registry]
    return "\r\n".join(lines) + "\r\n"


def write_uninstall_list(stage, manifest=None):
    manifest = manifest or read()
    os.makedirs(os.path.join(stage, "bin"), exist_ok=True)
    for name, purge in ((KEEP_LIST, False), (PURGE_LIST, True)):
        with open(os.path.join(stage, "bin", name), "wb") as f:
            f.write(uninstall_list(manifest, purge).encode("gbk"))


def staged_files(stage):
    found = set()
    for folder, _, names in os.walk(stage):
        for name in names:
            found.add(os.path.relpath(os.path.join(folder, name), stage).replace(os.sep, "\\"))
    return found


def installed(manifest):
    return [(mode, path) for mode, path in manifest.files if mode != "record"]


def check_stage(stage, manifest):
    listed = {path for _, path in installed(manifest)}
    staged = staged_files(stage)
    problems = [f"listed but not staged: {p}" for p in sorted(listed - staged)]
    problems += [f"staged but not in {os.path.basename(MANIFEST)}: {p}" for p in sorted(staged - listed)]
    if problems:
        sys.exit("the staged installation does not match the manifest:\n  " + "\n  ".join(problems))


def nsis_include(stage, manifest):
    """Commands that copy the files in manifest order: a new SetOutPath for
    each folder, and data files only where none exists yet."""
    total = sum(os.path.getsize(os.path.join(stage, *p.split("\\"))) for _, p in installed(manifest))
    out = ["; Generated from resources/install/manifest.txt; do not edit.",
           f'!define RAVELO_REGISTRY_KEY "{manifest.registry[0]}"' if manifest.registry else "",
           f"!define RAVELO_FILES_KB {(total + 1023) // 1024}",
           "!macro RAVELO_INSTALL_FILES"]
    folder = None
    for mode, path in installed(manifest):
        parent = path.rpartition("\\")[0]
        if parent != folder:
            out.append('  SetOutPath "$INSTDIR' + ("\\" + parent if parent else "") + '"')
            folder = parent
        source = os.path.abspath(os.path.join(stage, *path.split("\\")))
        if mode == "data":
            out += ["  SetOverwrite off", f'  File "{source}"', "  SetOverwrite on"]
        else:
            out.append(f'  File "{source}"')
    out.append("!macroend")
    return "\n".join(out) + "\n"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("command", choices=["uninstall-list", "nsis"])
    ap.add_argument("--stage", required=True)
    ap.add_argument("--out")
    args = ap.parse_args()
    manifest = read()
    if args.command == "uninstall-list":
        write_uninstall_list(args.stage, manifest)
        return
    check_stage(args.stage, manifest)
    with open(args.out, "w", encoding="utf-8") as f:
        f.write(nsis_include(args.stage, manifest))


if __name__ == "__main__":
    main()
