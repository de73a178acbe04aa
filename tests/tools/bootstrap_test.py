#!/usr/bin/env python3
"""tools/bootstrap against stand-ins for apt-get, dpkg and dpkg-query that fail as a Debian
mirror does in the middle of a sync: the update fails for one index, and the i386 set installs
only from the release's own suite. No network, nothing really installed."""
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BAD_INDEX = "http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz"

# $STATE/installed: one package per line; $STATE/calls: one line per apt-get call;
# $STATE/refuse: packages that no install takes; $STATE/needs-suite: packages that only an
# install with -t bookworm takes (the amd64 libraries are newer than their i386 peers otherwise).
STANDINS = {
    "dpkg-query": r'''#!/bin/sh
for p; do :; done
grep -qxF "$p" "$STATE/installed" 2>/dev/null && { printf 'install ok installed'; exit 0; }
exit 1
''',
    "dpkg": r'''#!/bin/sh
case "$1" in
--print-foreign-architectures) cat "$STATE/arch" 2>/dev/null ;;
--add-architecture) echo "$2" >> "$STATE/arch" ;;
esac
''',
    "apt-get": r'''#!/bin/sh
echo "$*" >> "$STATE/calls"
case " $* " in
*" update "*)
    echo "Err:6 %s" >&2
    echo "  File has unexpected size (374820 != 376004). Mirror sync in progress?" >&2
    echo "E: Failed to fetch %s  File has unexpected size (374820 != 376004). Mirror sync in progress?" >&2
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
    exit 100 ;;
esac
suite=
for a; do case "$a" in -t) next=1 ;; -*) ;; *) [ -n "${next:-}" ] && { suite=$a; next=; } ;; esac; done
for a; do
    case "$a" in -*|install|"$suite") continue ;; esac
    if grep -qxF "$a" "$STATE/refuse" 2>/dev/null; then
        echo "E: Unable to locate package $a" >&2; exit 100
    fi
    if [ -z "$suite" ] && grep -qxF "$a" "$STATE/needs-suite" 2>/dev/null; then
        echo "E: Error, pkgProblemResolver::Resolve generated breaks, this may be caused by held packages." >&2
        exit 100
    fi
done
for a; do case "$a" in -*|install|"$suite") ;; *) echo "$a" >> "$STATE/installed" ;; esac; done
''' ,
}


def run_bootstrap(state, refuse=(), needs_suite=()):
    with open(os.path.join(state, "refuse"), "w") as f:
        f.write("".join(p + "\n" for p in refuse))
    with open(os.path.join(state, "needs-suite"), "w") as f:
        f.write("".join(p + "\n" for p in needs_suite))
    os_release = os.path.join(state, "os-release")
    with open(os_release, "w") as f:
        f.write('NAME="Debian GNU/Linux"\nVERSION_CODENAME=bookworm\n')
    bin_dir = os.path.join(state, "bin")
    env = dict(os.environ, STATE=state, PATH=bin_dir + os.pathsep + os.environ["PATH"],
               BOOTSTRAP_UPDATE_PAUSE="0", BOOTSTRAP_OS_RELEASE=os_release)
    done = subprocess.run([os.path.join(ROOT, "tools", "bootstrap")], env=env, capture_output=True,
                          text=True, timeout=60)
    calls = open(os.path.join(state, "calls")).read().splitlines() if os.path.exists(
        os.path.join(state, "calls")) else []
    installed = open(os.path.join(state, "installed")).read().split() if os.path.exists(
        os.path.join(state, "installed")) else []
    return done.returncode, done.stderr.strip().splitlines(), calls, installed


states = []


def new_state():
    state = tempfile.mkdtemp(prefix="bootstrap-test-")
    states.append(state)
    os.makedirs(os.path.join(state, "bin"))
    for name, text in STANDINS.items():
        path = os.path.join(state, "bin", name)
        with open(path, "w") as f:
            f.write(text.replace("%s", BAD_INDEX))
        os.chmod(path, 0o755)
    # Some of the toolchain is there already, as on a fresh machine of this kind.
    with open(os.path.join(state, "installed"), "w") as f:
        f.write("cmake\ng++\nmake\npython3\n")
    return state


failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


# 1. The index fails on every try and the i386 set needs the release's suite: everything is
#    installed, the toolchain before the i386 set, and a second run installs nothing.
state = new_state()
status, err, calls, installed = run_bootstrap(state, needs_suite=["wine32:i386"])
updates = [c for c in calls if "update" in c.split()]
installs = [c for c in calls if "install" in c.split()]
check(status == 0, f"failing index: status {status}, {err[-1:]}")
check(len(updates) == 3, f"failing index: {len(updates)} updates, not 3")
check(any("warning" in line and BAD_INDEX in line for line in err), f"failing index not named: {err}")
check(len(installs) == 3 and "mingw" in installs[0] and "wine32:i386" in installs[1]
      and "-t bookworm" in installs[2] and "wine32:i386" in installs[2],
      f"failing index: installs {installs}")
check("cmake" not in installs[0].split(), "failing index: cmake, already there, installed again")
check({"ninja-build", "clang-format", "wine", "wine32:i386", "fonts-wine"} <= set(installed),
      f"failing index: installed {installed}")
check(err[-1] == "bootstrap: every package is installed", f"failing index: last line {err[-1]!r}")
status, err, calls_again, _ = run_bootstrap(state)
check(status == 0 and calls_again == calls and err == [], f"second run: {status} {err}")

# 2. The i386 set cannot be installed at all: the toolchain still is, and the last line names
#    exactly what is missing and what to run again.
state = new_state()
status, err, calls, installed = run_bootstrap(state, refuse=["wine32:i386"])
check(status != 0, "i386 refused: status 0")
check("g++-mingw-w64-i686-posix" in installed and "ninja-build" in installed,
      f"i386 refused: toolchain not installed: {installed}")
check(err[-1].startswith("bootstrap: still missing: wine wine32:i386 fonts-wine;")
      and "tools/bootstrap" in err[-1], f"i386 refused: last line {err[-1]!r}")

for state in states:
    shutil.rmtree(state)
for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
