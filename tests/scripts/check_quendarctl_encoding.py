#!/usr/bin/python3
"""Checks the output formats of quendarctl keymatrix, macros and trace that other tools parse, and the
error exits of the commands that talk to a mouse."""
import os
import re
import subprocess
import sys
import tempfile

QUENDARCTL, RUNTIME = sys.argv[1], sys.argv[2]
PROFILE = os.path.join(RUNTIME, "config.bin")
failures = []


def run(*args):
    return subprocess.run([QUENDARCTL, *args], capture_output=True, text=True, timeout=60)


def check(condition, message):
    if not condition:
        failures.append(message)


def check_keymatrix():
    result = run("keymatrix", PROFILE)
    lines = result.stdout.splitlines()
    check(result.returncode == 0, "keymatrix exit code")
    check(len(lines) == 16, "keymatrix prints 16 lines")
    check(all(re.fullmatch(r"[0-9A-F]{8}", line) for line in lines), "keymatrix lines are 8 hex digits")
    check(lines[12:16] == ["00000000", "00000000", "0100F700", "0100F800"], "keymatrix fixed slots 12..15")


def check_trace():
    result = run("trace", PROFILE)
    lines = result.stdout.splitlines()
    check(result.returncode == 0, "trace exit code")
    patterns = {"F>": 8, "F<": 8, "O>": 32, "I<": 32}
    for line in lines:
        kind = line[:2]
        if kind in patterns:
            check(re.fullmatch(kind + r"( [0-9A-F]{2}){%d}" % patterns[kind], line) is not None, "trace line: " + line)
        else:
            check(re.fullmatch(r"wait [23]", line) is not None, "trace wait line: " + line)
    # The order and pauses of the download itself are the download tests' concern; here the whole of it is printed.
    check(sum(1 for line in lines if line.startswith("F>")) == 31, "trace has 31 packets sent")
    check(any(line.startswith("wait") for line in lines), "trace prints the pauses")


def check_macros():
    with tempfile.TemporaryDirectory() as folder:
        store = os.path.join(folder, "record.ini")
        text = ("[Macro_0]\r\nDelayTimeSelStatus=1\r\nLoopTimeSelStatus=1\r\nMacroLoopTimes=3\r\nItemCount=3\r\n"
                "Item0=A   Dn\r\nItem1=120 ms\r\nItem2=A   Up\r\n")
        with open(store, "wb") as out:
            out.write(b"\xff\xfe" + text.encode("utf-16-le"))
        result = run("macros", store)
        lines = result.stdout.splitlines()
        check(result.returncode == 0, "macros exit code")
        check(len(lines) == 12, "macros prints 12 lines")
        check(all(re.fullmatch(r"[0-9A-F]{256}", line) for line in lines), "macro lines are 256 hex digits")
        check(lines[:1] == ["00030C048004" + "0" * 244], "macro block 0 of the example store")
        check(all(line == "0" * 256 for line in lines[1:]), "unused macro blocks are zero")
        check(run("macros", os.path.join(folder, "missing.ini")).returncode != 0, "macros: missing store fails")

        short = os.path.join(folder, "short.bin")
        with open(short, "wb") as out:
            out.write(bytes(1839))
        for command in ("keymatrix", "trace", "apply"):
            for path in (short, os.path.join(folder, "missing.bin")):
                result = run(command, path, "--simulated") if command == "apply" else run(command, path)
                check(result.returncode != 0 and result.stderr.strip() != "", "%s refuses %s" % (command, path))


def check_device_commands():
    check(run("info", "--simulated").returncode == 0, "info --simulated")
    applied = run("apply", PROFILE, "--simulated")
    check(applied.returncode == 0 and "31 exchanges" in applied.stdout, "apply --simulated")


check_keymatrix()
check_trace()
check_macros()
check_device_commands()
for failure in failures:
    print("FAILED:", failure)
print("quendarctl encoding checks: %d failed" % len(failures))
sys.exit(1 if failures else 0)
