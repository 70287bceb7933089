#!/usr/bin/env bash
# Makes again the roster files the unit tests read, with the spreadsheet
# programs of Debian 12: python3-openpyxl and LibreOffice (libreoffice-calc-nogui,
# headless). Run from anywhere; writes into this folder.
#   openpyxl.xlsx      written by openpyxl: a merged title row, a header row, numbers,
#                      an empty name, a repeated name, a second sheet
#   libreoffice.xlsx   openpyxl.xlsx opened and saved by LibreOffice (shared strings,
#                      formulas with their cached values)
#   encrypted.xlsx     the container of a workbook with a password to open: a compound
#                      file holding the streams EncryptionInfo and EncryptedPackage (made
#                      here: LibreOffice's headless conversion saves no password)
#   old.xls            the same saved by LibreOffice as Excel 97-2003
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

/usr/bin/python3 - <<'PY'
import openpyxl
wb = openpyxl.Workbook()
ws = wb.active
ws.title = "初一(3)班"
ws.append(["2026学年 初一(3)班 学生名单"])
ws.merge_cells("A1:D1")
ws.append(["学号", "姓名", "性别", "座号"])
rows = [(2023001, "张伟", "男"), (2023002, "王芳", "女"), (2023003, None, "女"),
        (2023004, " 李娜 ", "女"), (2023005, "张伟", "男"), (2023012345, "刘洋", "男")]
for i, (number, name, sex) in enumerate(rows, start=3):
    ws.append([number, name, sex, f"=ROW()-2"])
ws.append([2023007.0, "陈静", "女", 1.5])
teachers = wb.create_sheet("教师")
teachers.append(["name", "subject"])
teachers.append(["赵老师", "语文"])
teachers.append(["钱老师", "数学"])
wb.save("openpyxl.xlsx")
PY

soffice --headless --convert-to xlsx --outdir lo openpyxl.xlsx >/dev/null
soffice --headless --convert-to xls --outdir lo openpyxl.xlsx >/dev/null
/usr/bin/python3 - <<'PY'
# A compound file (512-byte sectors): header, one FAT sector, one directory
# sector with the root, EncryptionInfo and EncryptedPackage, and their data
# in the root's mini stream left empty.
import struct
def entry(name, kind, child=0xFFFFFFFF, left=0xFFFFFFFF, right=0xFFFFFFFF, start=0xFFFFFFFE, size=0):
    raw = name.encode("utf-16-le") + b"\0\0"
    return (raw.ljust(64, b"\0") + struct.pack("<HBBIII", len(raw), kind, 1, left, right, child)
            + b"\0" * 16 + b"\0" * 4 + b"\0" * 16 + struct.pack("<IQ", start, size))
header = (bytes.fromhex("D0CF11E0A1B11AE1") + b"\0" * 16 + struct.pack("<HHHHH", 0x3E, 3, 0xFFFE, 9, 6)
          + b"\0" * 6 + struct.pack("<IIIIIIIII", 0, 1, 1, 0, 0x1000, 0xFFFFFFFE, 0, 0xFFFFFFFE, 0))
header += struct.pack("<I", 0) + b"\xff" * (436 - 4)
fat = struct.pack("<II", 0xFFFFFFFD, 0xFFFFFFFE) + b"\xff" * (512 - 8)
directory = (entry("Root Entry", 5, child=1) + entry("EncryptionInfo", 2, right=2)
             + entry("EncryptedPackage", 2) + b"\0" * 128)
open("encrypted.xlsx", "wb").write(header + fat + directory)
PY

cp openpyxl.xlsx "$here/openpyxl.xlsx"
cp lo/openpyxl.xlsx "$here/libreoffice.xlsx"
cp lo/openpyxl.xls "$here/old.xls"
cp encrypted.xlsx "$here/encrypted.xlsx"
ls -l "$here"
