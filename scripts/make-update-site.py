#!/usr/bin/python3
"""Builds the update site of a release: the files the program fetches from its update address.

  make-update-site.py --installer Quorvane-1.02-setup.exe --version "1.02 08-12-2026"
                      --key private.pem --out site/
                      [--news-en "line" ...] [--news-fr "ligne" ...]
                      [--news-en-file FILE] [--news-fr-file FILE] [--file-name NAME]

Writes into --out:
  NAME              the installer compressed with mscompress (SZDD, the format of the Windows
                    COMPRESS tool that the program expands); NAME defaults to the installer's name
                    with "_" in place of the last letter ("Quorvane-1.02-setup.ex_");
  current.txt       section [Version]: Version, File1, Size1 (the compressed size, which the
                    download must match), Sha256_1 (hex SHA-256 of the expanded installer) and the
                    news lines ENNewsLine, ENNews1.. and FRNewsLine, FRNews1.. (Windows-1252, CRLF);
  current.txt.sig   the RSA signature of current.txt with SHA-256, as made by
                    openssl dgst -sha256 -sign private.pem -out current.txt.sig current.txt

Needs the Debian packages mscompress and openssl. Upload the three files to the update address;
the program checks the signature against the public key built into it."""
import argparse
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile

MAX_NEWS_LINE = 511   # the program reads each news line up to this length
MAX_VERSION = 63
MAX_FILE_NAME = 255


def fail(message):
    sys.exit("make-update-site: " + message)


def read_news(lines, path):
    news = list(lines or [])
    if path:
        with open(path, encoding="utf-8") as source:
            news += [line.rstrip("\r\n") for line in source if line.strip()]
    for line in news:
        if len(line) > MAX_NEWS_LINE:
            fail("a news line is longer than %d characters: %.40s..." % (MAX_NEWS_LINE, line))
        if "\n" in line or "\r" in line:
            fail("a news line holds a line break")
    return news


def compress(installer, folder, name):
    """SZDD-compresses the installer into folder/name and checks that it expands back."""
    with tempfile.TemporaryDirectory() as work:
        plain = os.path.join(work, "installer.exe")
        shutil.copyfile(installer, plain)
        subprocess.run(["mscompress", plain], check=True, stdout=subprocess.DEVNULL)
        packed = plain + "_"
        if not os.path.exists(packed):
            fail("mscompress wrote nothing")
        with open(packed, "rb") as source:
            expanded = subprocess.run(["msexpand"], stdin=source, stdout=subprocess.PIPE, check=True).stdout
        with open(installer, "rb") as original:
            if expanded != original.read():
                fail("the compressed installer does not expand back to the installer")
        shutil.copyfile(packed, os.path.join(folder, name))
    return os.path.getsize(os.path.join(folder, name))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--installer", required=True)
    parser.add_argument("--version", required=True, help='the release\'s version text, e.g. "1.02 08-12-2026"')
    parser.add_argument("--key", required=True, help="the private key (PEM) the program's public key matches")
    parser.add_argument("--out", required=True)
    parser.add_argument("--file-name")
    parser.add_argument("--news-en", action="append")
    parser.add_argument("--news-fr", action="append")
    parser.add_argument("--news-en-file")
    parser.add_argument("--news-fr-file")
    args = parser.parse_args()

    version = args.version.strip()
    if not version or len(version) > MAX_VERSION or "\n" in version:
        fail("the version text must be 1 to %d characters on one line" % MAX_VERSION)
    name = args.file_name or os.path.basename(args.installer)[:-1] + "_"
    if len(name) > MAX_FILE_NAME or any(c in name for c in '\\/:*?"<>|') or ".." in name:
        fail("the file name must be a plain name: %s" % name)
    news = {"EN": read_news(args.news_en, args.news_en_file), "FR": read_news(args.news_fr, args.news_fr_file)}

    def encode(lines):
        try:
            return ("\r\n".join(lines) + "\r\n").encode("cp1252")
        except UnicodeEncodeError as error:
            fail("a text does not fit the Windows-1252 code page the program reads: %s" % error)

    news_lines = []
    for prefix in ("EN", "FR"):
        news_lines.append("%sNewsLine=%d" % (prefix, len(news[prefix])))
        news_lines += ["%sNews%d=%s" % (prefix, i, line) for i, line in enumerate(news[prefix], 1)]
    encode([version, name] + news_lines)   # refused before the slow compression

    os.makedirs(args.out, exist_ok=True)
    size = compress(args.installer, args.out, name)
    with open(args.installer, "rb") as source:
        digest = hashlib.sha256(source.read()).hexdigest()

    data = encode(["[Version]", "Version=" + version, "File1=" + name, "Size1=%d" % size, "Sha256_1=" + digest]
                  + news_lines)
    description = os.path.join(args.out, "current.txt")
    with open(description, "wb") as out:
        out.write(data)

    signature = description + ".sig"
    subprocess.run(["openssl", "dgst", "-sha256", "-sign", args.key, "-out", signature, description], check=True)
    print("make-update-site: %s, %s (%d bytes), current.txt, current.txt.sig in %s" % (version, name, size, args.out))


if __name__ == "__main__":
    main()
