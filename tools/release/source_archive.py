#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the source archive that goes beside a download: the tree at the
commit the download was built from (with any change to a tracked file that
was built too), and the exact Debian source packages of what the download
holds besides our own work, each .dsc with the files it names (or, where an
archive served no source, the binary package the work was made from). The
same inputs give the same bytes.

Usage: source_archive.py OUT.tar.gz NAME EPOCH TREE [PACKAGE.dsc|PACKAGE.deb ...]
  NAME   the archive's top folder, e.g. zembra-2.6.0-source
  EPOCH  the time every entry carries (SOURCE_DATE_EPOCH)
  TREE   the source tree: a git checkout, or an unpacked archive like this one
"""
import gzip
import io
import os
import subprocess
import sys
import tarfile

README = """{name}

The complete source of the Zembra download this archive was offered with.

  {tree}/          Zembra's source tree, at the commit the download was built
                   from. README.md in it says how to build every download.
  debian-sources/  the Debian packages of the other works in it: each source
                   package a .dsc with the files it names (unpack one with
                   dpkg-source -x FILE.dsc; Debian: dpkg-dev)
{packages}
"""

BINARY_NOTE = ("the binary package, as the archive this was made from served no source\n"
               "                   package of this version: its files are what the work was made from, and\n"
               "                   Debian's source package of the same name and version holds their source")

PACKAGE_NOTES = {
    "xfonts-wqy": "WenQuanYi Bitmap Song, whose BDF strikes the faces in fonts/ are made from\n"
                  "                   (tools/fontgen, from the PCF files this package builds)",
    "qt6-base": "Qt, linked into zembra.exe; tools/windows/build-qt.sh builds it exactly as\n"
                "                   used, and tools/windows/build.sh links the game against it, so\n"
                "                   that zembra.exe can be rebuilt with a changed Qt",
}


def tree_entries(tree):
    """(path, bytes, mode) of every tracked file, as the tree was built."""
    if os.path.isdir(os.path.join(tree, ".git")) or os.path.isfile(os.path.join(tree, ".git")):
        # A commit of the work tree's tracked files as they are, without
        # touching the checkout: HEAD itself where nothing was changed.
        subprocess.run(["git", "-C", tree, "update-index", "-q", "--refresh"], capture_output=True)
        commit = "HEAD"
        if subprocess.run(["git", "-C", tree, "diff", "--quiet", "HEAD", "--"]).returncode != 0:
            ident = {f"GIT_{who}_{what}": "zembra" for who in ("AUTHOR", "COMMITTER") for what in ("NAME", "EMAIL")}
            commit = subprocess.run(["git", "-C", tree, "stash", "create"], capture_output=True, text=True,
                                    check=True, env=dict(os.environ, **ident)).stdout.strip()
        data = subprocess.run(["git", "-C", tree, "archive", "--format=tar", commit], capture_output=True,
                              check=True).stdout
        with tarfile.open(fileobj=io.BytesIO(data)) as archive:
            for member in archive.getmembers():
                if member.isfile():
                    yield member.name, archive.extractfile(member).read(), member.mode
        return
    # An unpacked source archive: every file but builds.
    for root, dirs, files in os.walk(tree):
        dirs[:] = sorted(d for d in dirs if not d.startswith("build"))
        for f in sorted(files):
            path = os.path.join(root, f)
            with open(path, "rb") as handle:
                yield os.path.relpath(path, tree), handle.read(), os.stat(path).st_mode & 0o777


def dsc_files(dsc):
    """The .dsc and every file its Files field names."""
    names = [os.path.basename(dsc)]
    with open(dsc, encoding="utf-8") as f:
        in_files = False
        for line in f:
            if line.startswith("Files:"):
                in_files = True
            elif in_files and line.startswith(" "):
                names.append(line.split()[2])
            else:
                in_files = False
    return [os.path.join(os.path.dirname(dsc), n) for n in names]


def main():
    out, name, epoch, tree, *dscs = sys.argv[1:]
    epoch = int(epoch)
    version = name[:-len("-source")] if name.endswith("-source") else name
    entries = [(f"{version}/{path}", data, mode) for path, data, mode in tree_entries(tree)]
    notes = []
    for dsc in dscs:
        package = os.path.basename(dsc).split("_")[0]
        note = PACKAGE_NOTES.get(package, package)
        if dsc.endswith(".deb"):
            note += ";\n                   " + BINARY_NOTE
        notes.append(f"  debian-sources/{os.path.basename(dsc)}\n                   {note}")
        for path in dsc_files(dsc) if dsc.endswith(".dsc") else [dsc]:
            with open(path, "rb") as f:
                entries.append((f"debian-sources/{os.path.basename(path)}", f.read(), 0o644))
    readme = README.format(name=name, tree=version, packages="\n".join(notes))
    entries.append(("README.txt", readme.encode(), 0o644))

    with open(out + ".part", "wb") as raw:
        with gzip.GzipFile(filename="", mode="wb", fileobj=raw, mtime=0, compresslevel=6) as packed:
            with tarfile.open(fileobj=packed, mode="w", format=tarfile.PAX_FORMAT) as archive:
                for path, data, mode in sorted(entries):
                    info = tarfile.TarInfo(f"{name}/{path}")
                    info.size = len(data)
                    info.mtime = epoch
                    info.mode = 0o755 if mode & 0o111 else 0o644
                    info.uname = info.gname = ""
                    archive.addfile(info, io.BytesIO(data))
    os.replace(out + ".part", out)


if __name__ == "__main__":
    main()
