#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs `reuse lint` over exactly the files this project ships.

    licensing.py REUSE SOURCE_DIR

The shipped files are what git lists (tracked, and new files it does not
ignore) when SOURCE_DIR is a git work tree and git is installed; otherwise,
as in a source tarball, every file that .gitignore does not name. They are
copied to a temporary folder and linted there, so build trees, whatever is
around them and the presence of git change nothing. reuse 4 and later read
REUSE.toml; for an older reuse (Debian 12 has 1.1) the copy gets the same
annotations as .reuse/dep5.
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
        if os.path.realpath(top) != os.path.realpath(source):
            return None  # a tarball unpacked inside some other repository
        listed = subprocess.run(["git", "-C", source, "ls-files", "-z", "--cached", "--others",
                                 "--exclude-standard"], capture_output=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return None
    # A file deleted but not yet committed as deleted ships no more.
    return [name for name in os.fsdecode(listed).split("\0")
            if name and os.path.lexists(os.path.join(source, name))]


def ignore_rules(source):
    """The patterns of SOURCE/.gitignore as (pattern, anchored, folders only)."""
    rules = []
    with open(os.path.join(source, ".gitignore"), encoding="utf-8") as file:
        for line in file:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            if line.startswith("!") or "**" in line:
                sys.exit(f"licensing.py: .gitignore pattern '{line}' is not understood here")
            folder = line.endswith("/")
            line = line.rstrip("/")
            rules.append((line.lstrip("/"), "/" in line, folder))
    return rules


def ignored(path, is_folder, rules):
    name = os.path.basename(path)
    return any(fnmatch.fnmatchcase(path if anchored else name, pattern)
               for pattern, anchored, folder in rules if is_folder or not folder)


def tree_files(source):
    """Every file in SOURCE that .gitignore does not name, as git would list them."""
    rules = ignore_rules(source)
    files = []
    for folder, folders, names in os.walk(source):
        relative = os.path.relpath(folder, source)
        relative = "" if relative == "." else relative + "/"
        # .git is a folder in a clone and a file in a linked work tree.
        folders[:] = [f for f in folders
                      if f != ".git" and not ignored(relative + f, True, rules)]
        files += [relative + n for n in names
                  if n != ".git" and not ignored(relative + n, False, rules)]
    return files


def write_dep5(copy):
    """REUSE.toml's annotations as .reuse/dep5, for a reuse that reads only that."""
    with open(os.path.join(copy, "REUSE.toml"), "rb") as file:
        annotations = tomllib.load(file).get("annotations", [])
    as_list = lambda value: [value] if isinstance(value, str) else value
    stanzas = ["Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"]
    for a in annotations:
        # dep5's * crosses folders as REUSE.toml's ** does; more lines of a
        # field go on indented lines.
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
    files = git_files(source)
    if files is None:
        files = tree_files(source)
    version = subprocess.run([reuse, "--version"], capture_output=True, text=True).stdout
    major = re.search(r"(\d+)\.\d+", version)
    with tempfile.TemporaryDirectory(prefix="keldary-licensing-") as copy:
        for name in files:
            target = os.path.join(copy, name)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            shutil.copy2(os.path.join(source, name), target, follow_symlinks=False)
        if major and int(major.group(1)) < 4:
            write_dep5(copy)
        print(f"{len(files)} shipped files, {version.strip()}", flush=True)
        return subprocess.run([reuse, "--root", copy, "lint"]).returncode


if __name__ == "__main__":
    sys.exit(main())
