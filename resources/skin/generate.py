#!/usr/bin/env python3
"""Generates the suite's skin and the data of a demo installation.

--rc DIR     icon, cursors and bitmaps compiled into the programs
--stage DIR  the installation: name.txt and common\\ in DIR, and bin\\filelist.db
             from the installation manifest (resources/install)
"""
import argparse
import os
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "install"))
import images  # noqa: E402
import demo_data  # noqa: E402
import manifest  # noqa: E402


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--stage", required=True)
    ap.add_argument("--rc", required=True)
    args = ap.parse_args()
    os.makedirs(args.rc, exist_ok=True)
    os.makedirs(os.path.join(args.stage, "common"), exist_ok=True)
    os.makedirs(os.path.join(args.stage, "bin"), exist_ok=True)
    images.write_program_resources(args.rc)
    images.write_skin(os.path.join(args.stage, "common"))
    # Pictures with rendered Chinese text are committed (see render_*.sh).
    shutil.copyfile(os.path.join(HERE, "rendered", "helpbox.bmp"),
                    os.path.join(args.stage, "common", "helpbox.pte"))
    for name in ("enter", "cancel", "mor", "save"):
        for form in (name, "m" + name):
            shutil.copyfile(os.path.join(HERE, "rendered", form + ".bmp"),
                            os.path.join(args.stage, "common", form + ".pte"))
    demo_data.write_installation(args.stage)
    manifest.write_uninstall_list(args.stage)


if __name__ == "__main__":
    main()
