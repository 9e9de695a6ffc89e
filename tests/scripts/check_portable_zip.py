#!/usr/bin/env python3
"""The portable zip holds one folder, "QUENDAR 2017", with the program and exactly the run-time files
that lie beside it: check_portable_zip.py ZIP PROGRAM RUNTIME_DIR."""
import pathlib
import sys
import zipfile

archive, program, runtime = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
expected = {"QUENDAR 2017/" + program.name: program.read_bytes()}
for path in runtime.rglob("*"):
    if path.is_file():
        expected["QUENDAR 2017/" + path.relative_to(runtime).as_posix()] = path.read_bytes()

with zipfile.ZipFile(archive) as z:
    held = {info.filename: z.read(info) for info in z.infolist() if not info.is_dir()}

missing = sorted(set(expected) - set(held))
extra = sorted(set(held) - set(expected))
different = sorted(name for name in set(expected) & set(held) if expected[name] != held[name])
for label, names in (("missing", missing), ("unexpected", extra), ("different", different)):
    for name in names:
        print(f"{label}: {name}")
print(f"{archive}: {len(held)} files")
sys.exit(1 if missing or extra or different else 0)
