#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""licensing.py REUSE SOURCE_DIR: `reuse lint` over exactly the files the project ships.

Those are what git lists (tracked, and new files it does not ignore) in a git
work tree, else, as in a source tarball, every file .gitignore does not name.
They are linted in a copy, so build trees and the presence of git change
nothing. reuse before 4.0 (Debian 12 has 1.1) does not read REUSE.toml: its
copy gets the same entries as .reuse/dep5.
"""

import fnmatch
import os
import re
import shutil
import subprocess
import sys
import tempfile
import tomllib


def git_files(source):
    """The files git lists in SOURCE, or None when SOURCE is not git's work tree."""
    try:
        top = subprocess.run(["git", "-C", source, "rev-parse", "--show-toplevel"],
                             capture_output=True, text=True, check=True).stdout.strip()
        if os.path.realpath(top) != source:
            return None  # a tarball unpacked inside some other repository
        listed = subprocess.run(["git", "-C", source, "ls-files", "-z", "--cached", "--others",
                                 "--exclude-standard"], capture_output=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return None
    # A file deleted but not yet committed as deleted ships no more.
    return [name for name in os.fsdecode(listed).split("\0")
            if name and os.path.lexists(os.path.join(source, name))]


def gitignored(source):
    """A copytree filter that leaves out .git and what SOURCE/.gitignore names."""
    with open(os.path.join(source, ".gitignore"), encoding="utf-8") as file:
        patterns = [p for p in (line.strip() for line in file) if p and not p.startswith("#")]
    for p in patterns:
        if p.startswith("!") or "/" in p.strip("/"):
            sys.exit(f"licensing.py: the .gitignore pattern '{p}' is not understood here")

    def ignore(folder, names):
        top = os.path.realpath(folder) == source
        # "/x" only at the top, "x/" only folders, "x" anywhere.
        return {".git"} | {n for n in names for p in patterns
                           if (top or not p.startswith("/")) and fnmatch.fnmatchcase(n, p.strip("/"))
                           and (not p.endswith("/") or os.path.isdir(os.path.join(folder, n)))}
    return ignore


def write_dep5(copy):
    """REUSE.toml's entries as .reuse/dep5, whose * crosses folders as REUSE.toml's ** does."""
    with open(os.path.join(copy, "REUSE.toml"), "rb") as file:
        annotations = tomllib.load(file).get("annotations", [])
    as_list = lambda value: [value] if isinstance(value, str) else value
    stanzas = ["Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"]
    for a in annotations:
        paths = " ".join(p.replace("**", "*") for p in as_list(a["path"]))
        holders = "\n ".join(as_list(a["SPDX-FileCopyrightText"]))
        stanzas.append(f"Files: {paths}\nCopyright: {holders}\nLicense: {a['SPDX-License-Identifier']}\n")
    os.makedirs(os.path.join(copy, ".reuse"))
    with open(os.path.join(copy, ".reuse", "dep5"), "w", encoding="utf-8") as file:
        file.write("\n".join(stanzas))


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: licensing.py REUSE SOURCE_DIR")
    reuse, source = sys.argv[1], os.path.realpath(sys.argv[2])
    version = subprocess.run([reuse, "--version"], capture_output=True, text=True).stdout.strip()
    major = re.search(r"(\d+)\.\d+", version)
    with tempfile.TemporaryDirectory(prefix="keldary-licensing-") as temporary:
        copy = os.path.join(temporary, "shipped")
        files = git_files(source)
        if files is None:
            shutil.copytree(source, copy, symlinks=True, ignore=gitignored(source))
        for name in files or []:
            os.makedirs(os.path.dirname(os.path.join(copy, name)), exist_ok=True)
            shutil.copy2(os.path.join(source, name), os.path.join(copy, name), follow_symlinks=False)
        if major and int(major.group(1)) < 4:
            write_dep5(copy)
        print(f"{'git' if files is not None else '.gitignore'}: {version}", flush=True)
        return subprocess.run([reuse, "--root", copy, "lint"]).returncode


if __name__ == "__main__":
    sys.exit(main())
