#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an install of Brisvale the way a desktop and a user meet it:
#   check_install.py files --build DIR --prefix DIR --id ID --version V --programs P...
#       installs the build into a fresh prefix and checks that every file is in its place;
#   check_install.py desktop|appstream|man --prefix DIR --id ID --programs P...
#       validates the installed desktop entry, AppStream file or man pages.
import argparse, gzip, os, re, shutil, struct, subprocess, sys

ICON_SIZES = (16, 32, 48, 64, 128, 256)


def run(cmd, what, **kw):
    r = subprocess.run(cmd, capture_output=True, text=True, **kw)
    check(r.returncode == 0, f"{what}:\n{r.stdout}{r.stderr}")
    return r


def check(ok, message):
    if not ok:
        sys.exit(f"FAIL: {message}")


def check_files(a, share):
    shutil.rmtree(a.prefix, ignore_errors=True)
    run(['cmake', '--install', a.build, '--prefix', a.prefix], "cmake --install failed")
    icons = {f'share/icons/hicolor/{n}x{n}/apps/{a.id}.png': n for n in ICON_SIZES}
    expected = [f'share/applications/{a.id}.desktop', f'share/metainfo/{a.id}.metainfo.xml',
                f'share/icons/hicolor/scalable/apps/{a.id}.svg', 'share/doc/brisvale/copyright',
                'share/doc/brisvale/changelog.gz', 'share/brisvale/guide/guide.md', *icons]
    expected += [f'bin/{p}' for p in a.programs] + [f'share/man/man6/{p}.6.gz' for p in a.programs]
    missing = [f for f in expected if not os.path.isfile(os.path.join(a.prefix, f))]
    check(not missing, "missing after install: " + ", ".join(missing))
    for path, n in icons.items():
        with open(os.path.join(a.prefix, path), 'rb') as f:
            head = f.read(24)
        check(head[:8] == b'\x89PNG\r\n\x1a\n' and struct.unpack('>II', head[16:24]) == (n, n),
              f"{path} is not a {n} px PNG")
    with open(os.path.join(share, 'brisvale/guide/guide.md'), encoding='utf-8') as f:
        pictures = re.findall(r'!\[[^\]]*\]\(([^)\s]+)\)', f.read())
    absent = [p for p in pictures if not os.path.isfile(os.path.join(share, 'brisvale/guide', p))]
    check(pictures and not absent, f"guide pictures not installed: {absent or 'none shown'}")
    for p in a.programs:
        out = run([os.path.join(a.prefix, 'bin', p), '--version'], f"{p} --version",
                  env=dict(os.environ, QT_QPA_PLATFORM='offscreen')).stdout.strip()
        check(out == f'{p} {a.version}', f"{p} --version printed {out!r}")
    print(f"{len(expected)} files in place under {a.prefix}")


def check_desktop(a, share):
    entry = os.path.join(share, f'applications/{a.id}.desktop')
    check(not run(['desktop-file-validate', entry], "desktop-file-validate").stdout.strip(),
          "desktop-file-validate warns")
    with open(entry, encoding='utf-8') as f:
        keys = dict(line.rstrip('\n').split('=', 1) for line in f if '=' in line)
    for key in ('TryExec', 'Exec'):
        check(os.access(os.path.join(a.prefix, 'bin', keys[key].split()[0]), os.X_OK),
              f"{key}={keys[key]} names no installed program")
    check(keys['Icon'] == a.id, f"Icon={keys['Icon']}, not the installed icon {a.id}")


def check_appstream(a, share):
    meta = os.path.join(share, f'metainfo/{a.id}.metainfo.xml')
    run(['appstreamcli', 'validate', '--no-net', '--no-color', meta], "appstreamcli validate")
    with open(meta, encoding='utf-8') as f:
        text = f.read()
    check(f'<launchable type="desktop-id">{a.id}.desktop</launchable>' in text,
          "the AppStream file does not launch the installed desktop entry")
    binaries = sorted(re.findall(r'<binary>([^<]+)</binary>', text))
    check(binaries == sorted(a.programs), f"the AppStream file provides {binaries}")


def check_man(a, share):
    env = dict(os.environ, MANWIDTH='80', LC_ALL='C.UTF-8', MANPAGER='cat', PAGER='cat')
    for p in a.programs:
        page = os.path.join(share, f'man/man6/{p}.6.gz')
        r = run(['man', '--warnings', '-E', 'UTF-8', '-l', page], f"man -l {page}", env=env)
        check(not r.stderr.strip(), f"man -l {page}:\n{r.stderr}")
        check(re.search(rf'^NAME\s+{re.escape(p)} - ', r.stdout, re.M), f"{page} has no NAME")
        with gzip.open(page, 'rt', encoding='utf-8') as f:
            check('.TH "' + p + '" "6"' in f.read(), f"{page} is not in section 6")


if __name__ == '__main__':
    ap = argparse.ArgumentParser()
    ap.add_argument('check', choices=('files', 'desktop', 'appstream', 'man'))
    for option in ('--build', '--prefix', '--id', '--version'):
        ap.add_argument(option)
    ap.add_argument('--programs', nargs='+', required=True)
    a = ap.parse_args()
    globals()['check_' + a.check](a, os.path.join(a.prefix, 'share'))
