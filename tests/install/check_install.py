#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks an install of Brisvale the way a desktop and a user meet it.

check_install.py files --build DIR --prefix DIR --id ID --version V --programs P...
    installs the build into a fresh prefix and checks that every file is in its place
check_install.py desktop|appstream|man --prefix DIR --id ID --programs P...
    validates the installed desktop entry, AppStream file or man pages
"""
import argparse, gzip, os, re, shutil, struct, subprocess, sys

ICON_SIZES = (16, 32, 48, 64, 128, 256)


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def run(cmd, **kw):
    return subprocess.run(cmd, capture_output=True, text=True, **kw)


def png_size(path):
    with open(path, 'rb') as f:
        head = f.read(24)
    if head[:8] != b'\x89PNG\r\n\x1a\n':
        fail(f"{path} is not a PNG")
    return struct.unpack('>II', head[16:24])


def check_files(a):
    shutil.rmtree(a.prefix, ignore_errors=True)
    r = run(['cmake', '--install', a.build, '--prefix', a.prefix])
    if r.returncode != 0:
        fail(f"cmake --install failed:\n{r.stdout}{r.stderr}")
    share = os.path.join(a.prefix, 'share')
    expected = [f'share/applications/{a.id}.desktop',
                f'share/metainfo/{a.id}.metainfo.xml',
                f'share/icons/hicolor/scalable/apps/{a.id}.svg',
                'share/doc/brisvale/copyright', 'share/doc/brisvale/changelog.gz',
                'share/brisvale/guide/guide.md']
    expected += [f'share/icons/hicolor/{n}x{n}/apps/{a.id}.png' for n in ICON_SIZES]
    expected += [f'bin/{p}' for p in a.programs] + [f'share/man/man6/{p}.6.gz' for p in a.programs]
    missing = [f for f in expected if not os.path.isfile(os.path.join(a.prefix, f))]
    if missing:
        fail("missing after install: " + ", ".join(missing))
    for n in ICON_SIZES:
        size = png_size(os.path.join(share, f'icons/hicolor/{n}x{n}/apps/{a.id}.png'))
        if size != (n, n):
            fail(f"the {n} px icon is {size[0]}x{size[1]}")
    guide = os.path.join(share, 'brisvale/guide')
    with open(os.path.join(guide, 'guide.md'), encoding='utf-8') as f:
        pictures = re.findall(r'!\[[^\]]*\]\(([^)\s]+)\)', f.read())
    absent = [p for p in pictures if not os.path.isfile(os.path.join(guide, p))]
    if not pictures or absent:
        fail(f"guide pictures not installed: {absent or 'the guide shows none'}")
    for p in a.programs:
        r = run([os.path.join(a.prefix, 'bin', p), '--version'], env=dict(os.environ, QT_QPA_PLATFORM='offscreen'))
        if r.stdout.strip() != f'{p} {a.version}':
            fail(f"{p} --version printed {r.stdout.strip()!r}, not '{p} {a.version}'")
    print(f"{len(expected)} files in place under {a.prefix}")


def check_desktop(a):
    entry = os.path.join(a.prefix, f'share/applications/{a.id}.desktop')
    r = run(['desktop-file-validate', entry])
    if r.returncode != 0 or r.stdout.strip():
        fail(f"desktop-file-validate:\n{r.stdout}{r.stderr}")
    with open(entry, encoding='utf-8') as f:
        keys = dict(line.rstrip('\n').split('=', 1) for line in f if '=' in line)
    for key in ('TryExec', 'Exec'):
        program = keys[key].split()[0]
        if not os.access(os.path.join(a.prefix, 'bin', program), os.X_OK):
            fail(f"{key}={keys[key]} names no installed program")
    if keys['Icon'] != a.id:
        fail(f"Icon={keys['Icon']}, not the installed icon {a.id}")
    print("desktop entry valid")


def check_appstream(a):
    meta = os.path.join(a.prefix, f'share/metainfo/{a.id}.metainfo.xml')
    r = run(['appstreamcli', 'validate', '--no-net', '--no-color', meta])
    if r.returncode != 0:
        fail(f"appstreamcli validate:\n{r.stdout}{r.stderr}")
    with open(meta, encoding='utf-8') as f:
        text = f.read()
    if f'<launchable type="desktop-id">{a.id}.desktop</launchable>' not in text:
        fail("the AppStream file does not launch the installed desktop entry")
    binaries = re.findall(r'<binary>([^<]+)</binary>', text)
    if sorted(binaries) != sorted(a.programs):
        fail(f"the AppStream file provides {binaries}, the install has {a.programs}")
    print(r.stdout.strip())


def check_man(a):
    env = dict(os.environ, MANWIDTH='80', LC_ALL='C.UTF-8', MANPAGER='cat', PAGER='cat')
    for p in a.programs:
        page = os.path.join(a.prefix, f'share/man/man6/{p}.6.gz')
        r = run(['man', '--warnings', '-E', 'UTF-8', '-l', page], env=env)
        if r.returncode != 0 or r.stderr.strip():
            fail(f"man -l {page}:\n{r.stderr}")
        if not re.search(rf'^NAME\s+{re.escape(p)} - ', r.stdout, re.M):
            fail(f"{page} renders without its NAME line")
        with gzip.open(page, 'rt', encoding='utf-8') as f:
            if '.TH "' + p + '" "6"' not in f.read():
                fail(f"{page} is not in section 6")
    print(f"{len(a.programs)} man pages render cleanly")


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('check', choices=('files', 'desktop', 'appstream', 'man'))
    ap.add_argument('--build')
    ap.add_argument('--prefix', required=True)
    ap.add_argument('--id', required=True)
    ap.add_argument('--version')
    ap.add_argument('--programs', nargs='+', required=True)
    a = ap.parse_args()
    {'files': check_files, 'desktop': check_desktop, 'appstream': check_appstream, 'man': check_man}[a.check](a)


if __name__ == '__main__':
    main()
