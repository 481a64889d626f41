#!/usr/bin/python3
"""Checks a release's files without Windows: the portable zip against the files the installer
was made from, the installer's kind, and what the release tool refuses (what it makes is read
by the program in the Wine tests of the update).

  check_release_files.py PACKAGE_DIR RELEASE MAKE_UPDATE_SITE
"""
import os
import subprocess
import sys
import tempfile
import zipfile


def main():
    package, release, tool = sys.argv[1:4]
    failures = []

    def check(condition, what):
        if not condition:
            failures.append(what)

    files = os.path.join(package, "Quorvane-%s-files" % release)
    staged = {}
    for root, _dirs, names in os.walk(files):
        for name in names:
            with open(os.path.join(root, name), "rb") as f:
                staged["Quorvane/" + os.path.relpath(os.path.join(root, name), files).replace(os.sep, "/")] = f.read()
    for name in ("Quorvane.exe", "AutoUpdate.EXE", "notify.wav"):
        check("Quorvane/" + name in staged, "%s is not packaged" % name)
    with zipfile.ZipFile(os.path.join(package, "Quorvane-%s-portable.zip" % release)) as z:
        check(z.testzip() is None, "the zip is damaged")
        check({i.filename: z.read(i) for i in z.infolist()} == staged, "the zip and the installer hold other files")
    setup = os.path.join(package, "Quorvane-%s-setup.exe" % release)
    with open(setup, "rb") as f:
        installer = f.read()
    check(installer[:2] == b"MZ" and b"NullsoftInst" in installer, "the installer is not an NSIS program")

    # What the program could not read as meant is refused, not cut, before any work.
    with tempfile.TemporaryDirectory() as site:
        for extra, what in ((["--version", ""], "an empty version"),
                            (["--version", "x" * 64], "a version of 64 characters"),
                            (["--version", "1.02", "--news-en", "n" * 512], "a news line of 512 characters"),
                            (["--version", "1.02", "--file-name", "..\\x.ex_"], "a file name with a path"),
                            (["--version", "1.02", "--news-fr", "€ ok", "--news-en", "ŝ"], "a text outside Windows-1252")):
            run = subprocess.run([tool, "--installer", setup, "--key", "none.pem", "--out", site] + extra,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            check(run.returncode != 0, what + " was accepted")
        check(not os.listdir(site), "a refused release left files")

    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
