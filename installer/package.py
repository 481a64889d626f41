#!/usr/bin/env python3
"""Makes Quorvane's installer (NSIS) and its portable zip from the files of a build.

  package.py --bin DIR --exe FILE --version 1.01 --out DIR --nsi Quorvane.nsi --icon ICO
             --sound WAV [--target x86-unicode|amd64-unicode] [--no-zip]

Takes Quorvane.exe from --exe (a build may make several releases of it) and the rest from the
build's output folder --bin: AutoUpdate.EXE, notify.wav (else --sound), the first settings file
Quorvane.ini and the help folders helpen/ and helpfr/ when the build has them. Writes
OUT/Quorvane-VERSION-setup.exe and OUT/Quorvane-VERSION-portable.zip; an output newer than
everything it is made of is left alone."""
import argparse
import os
import shutil
import subprocess
import sys
import zipfile


def find_in(folder, name):
    """The file of that name in folder, whatever its letter case, or None."""
    if not os.path.isdir(folder):
        return None
    for entry in os.listdir(folder):
        if entry.lower() == name.lower() and os.path.isfile(os.path.join(folder, entry)):
            return os.path.join(folder, entry)
    return None


def stage(args, folder):
    """Copies the release's files into folder, under the names they are installed with."""
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)

    def put(source, name):
        target = os.path.join(folder, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copy2(source, target)

    put(args.exe, "Quorvane.exe")
    updater = find_in(args.bin, "AutoUpdate.EXE")
    if not updater:
        sys.exit("package.py: AutoUpdate.EXE is not in %s" % args.bin)
    put(updater, "AutoUpdate.EXE")
    put(find_in(args.bin, "notify.wav") or args.sound, "notify.wav")
    settings = find_in(args.bin, "Quorvane.ini")
    if settings:
        put(settings, "Quorvane.ini")
    for help_folder in ("helpen", "helpfr"):
        source = os.path.join(args.bin, help_folder)
        if os.path.isdir(source):
            for root, _dirs, files in os.walk(source):
                for name in files:
                    path = os.path.join(root, name)
                    put(path, os.path.join(help_folder, os.path.relpath(path, source)))


def staged_files(folder):
    result = []
    for root, _dirs, files in os.walk(folder):
        for name in files:
            result.append(os.path.join(root, name))
    return sorted(result)


def up_to_date(output, inputs):
    if not os.path.exists(output):
        return False
    built = os.path.getmtime(output)
    return all(os.path.getmtime(path) <= built for path in inputs)


def make_installer(args, folder, output):
    command = ["makensis", "-V2", "-NOCD",
               "-DVERSION=" + args.version, "-DSTAGE=" + folder, "-DOUTFILE=" + output,
               "-DICON=" + args.icon, "-DTARGET=" + args.target, args.nsi]
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if result.returncode != 0:
        sys.stdout.write(result.stdout)
        sys.exit("package.py: makensis failed")


def make_zip(folder, output):
    temporary = output + ".part"
    with zipfile.ZipFile(temporary, "w", zipfile.ZIP_DEFLATED) as archive:
        for path in staged_files(folder):
            archive.write(path, "Quorvane/" + os.path.relpath(path, folder).replace(os.sep, "/"))
    os.replace(temporary, output)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin", required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--nsi", required=True)
    parser.add_argument("--icon", required=True)
    parser.add_argument("--sound", required=True)
    parser.add_argument("--target", default="x86-unicode")
    parser.add_argument("--no-zip", action="store_true")
    args = parser.parse_args()

    os.makedirs(args.out, exist_ok=True)
    base = os.path.join(os.path.abspath(args.out), "Quorvane-%s" % args.version)
    folder = base + "-files"
    stage(args, folder)
    # A file that came or went, or another target, counts as a change even when every file's
    # time is old: the list of what is packaged is an input of its own.
    listing = base + "-files.txt"
    text = "target %s\n" % args.target + "".join(
        "%s %d %d\n" % (os.path.relpath(p, folder), os.path.getsize(p), int(os.path.getmtime(p)))
        for p in staged_files(folder))
    if not os.path.exists(listing) or open(listing).read() != text:
        with open(listing, "w") as out:
            out.write(text)
    inputs = staged_files(folder) + [listing, args.nsi, args.icon, os.path.abspath(__file__)]

    setup = base + "-setup.exe"
    if not up_to_date(setup, inputs):
        make_installer(args, folder, setup)
        print("package.py: wrote " + setup)
    if not args.no_zip:
        archive = base + "-portable.zip"
        if not up_to_date(archive, inputs):
            make_zip(folder, archive)
            print("package.py: wrote " + archive)


if __name__ == "__main__":
    main()
