#!/usr/bin/python3
"""Checks a release's files without Windows: the portable zip against the files the installer
was made from, the installer's kind, and the update site the release tool makes of it.

  check_release_files.py PACKAGE_DIR RELEASE MAKE_UPDATE_SITE
"""
import configparser
import hashlib
import os
import subprocess
import sys
import tempfile
import zipfile

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def main():
    package, release, tool = sys.argv[1:4]
    files = os.path.join(package, "Quorvane-%s-files" % release)
    setup = os.path.join(package, "Quorvane-%s-setup.exe" % release)
    archive = os.path.join(package, "Quorvane-%s-portable.zip" % release)

    staged = {}
    for root, _dirs, names in os.walk(files):
        for name in names:
            path = os.path.join(root, name)
            staged["Quorvane/" + os.path.relpath(path, files).replace(os.sep, "/")] = read(path)
    for name in ("Quorvane.exe", "AutoUpdate.EXE", "notify.wav"):
        check("Quorvane/" + name in staged, "%s is not packaged" % name)
    with zipfile.ZipFile(archive) as z:
        check(z.testzip() is None, "the zip is damaged")
        members = {info.filename: z.read(info) for info in z.infolist()}
    check(set(members) == set(staged), "the zip holds %s, the installer %s" % (sorted(members), sorted(staged)))
    for name, data in staged.items():
        check(members.get(name) == data, "%s differs in the zip" % name)

    installer = read(setup)
    check(installer[:2] == b"MZ" and b"NullsoftInst" in installer, "the installer is not an NSIS program")

    with tempfile.TemporaryDirectory() as work:
        key = os.path.join(work, "private.pem")
        public = os.path.join(work, "public.pem")
        subprocess.run(["openssl", "genpkey", "-algorithm", "RSA", "-pkeyopt", "rsa_keygen_bits:2048", "-out", key],
                       check=True, stderr=subprocess.DEVNULL)
        subprocess.run(["openssl", "pkey", "-in", key, "-pubout", "-out", public], check=True)
        site = os.path.join(work, "site")

        def tool_run(*extra):
            return subprocess.run([tool, "--installer", setup, "--key", key, "--out", site] + list(extra),
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode

        check(tool_run("--version", "1.02 08-12-2026", "--news-en", "One.", "--news-en", "Two.",
                       "--news-fr", "Déjà signées.") == 0, "the release tool failed")
        description = os.path.join(site, "current.txt")
        raw = read(description)
        check(b"\r\n" in raw and b"\n" not in raw.replace(b"\r\n", b""), "current.txt has no CRLF lines")
        check("Déjà".encode("cp1252") in raw, "the French news are not in the Windows code page")
        ini = configparser.ConfigParser(interpolation=None)
        ini.optionxform = str
        ini.read_string(raw.decode("cp1252"))
        v = ini["Version"]
        check(v.get("Version") == "1.02 08-12-2026", "Version")
        check(v.get("File1") == "Quorvane-%s-setup.ex_" % release, "File1 %s" % v.get("File1"))
        packed = os.path.join(site, v.get("File1", "?"))
        check(os.path.exists(packed) and int(v.get("Size1", "-1")) == os.path.getsize(packed), "Size1")
        check(read(packed)[:8] == b"SZDD\x88\xf0\x27\x33", "File1 is not SZDD")
        expanded = subprocess.run(["msexpand"], stdin=open(packed, "rb"), stdout=subprocess.PIPE).stdout
        check(expanded == installer, "File1 does not expand to the installer")
        check(v.get("Sha256_1") == hashlib.sha256(installer).hexdigest(), "Sha256_1")
        check(v.get("ENNewsLine") == "2" and v.get("ENNews2") == "Two.", "English news")
        check(v.get("FRNewsLine") == "1" and v.get("FRNews1") == "Déjà signées.", "French news")
        verified = subprocess.run(["openssl", "dgst", "-sha256", "-verify", public, "-signature",
                                   description + ".sig", description], stdout=subprocess.DEVNULL)
        check(verified.returncode == 0, "the signature does not verify")

        # What the program could not read as meant is refused, not cut.
        check(tool_run("--version", "") != 0, "an empty version was accepted")
        check(tool_run("--version", "x" * 64) != 0, "a version of 64 characters was accepted")
        check(tool_run("--version", "1.02", "--news-en", "n" * 512) != 0, "a news line of 512 characters was accepted")
        check(tool_run("--version", "1.02", "--file-name", "..\\x.ex_") != 0, "a file name with a path was accepted")
        check(tool_run("--version", "1.02", "--news-fr", "€ ok", "--news-en", "ŝ") != 0,
              "a text outside Windows-1252 was accepted")

    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
