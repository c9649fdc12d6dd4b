#!/usr/bin/env python3
"""Checks the Debian package of roster-extract without installing it: makes
it with CPack from a build tree, unpacks it with dpkg-deb -x into a scratch
folder, and runs the unpacked program on the sample from another folder,
with XDG_DATA_DIRS pointing at the unpacked data (and at an empty folder).

Usage: check_deb.py BUILD_DIR SOURCE_ROOT VERSION
"""
import glob
import gzip
import os
import shutil
import subprocess
import sys
import tempfile

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print('FAILED: ' + message)


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, **kwargs)


def main():
    build, root, version = sys.argv[1], sys.argv[2], sys.argv[3]
    work = tempfile.mkdtemp()
    try:
        made = run(['cpack', '-G', 'DEB', '--config', os.path.join(build, 'CPackConfig.cmake'), '-B', work])
        check(made.returncode == 0, 'cpack makes the package: %s' % made.stderr[-800:])
        debs = glob.glob(os.path.join(work, '*.deb'))
        check([os.path.basename(d) for d in debs] == ['roster-extract_%s_amd64.deb' % version],
              'one package, named for its version: %s' % debs)
        if not debs:
            return 1
        fields = run(['dpkg-deb', '-f', debs[0], 'Package', 'Version', 'Architecture', 'Depends', 'Section']).stdout
        check(b'Package: roster-extract\n' in fields and ('Version: %s\n' % version).encode() in fields
              and b'Architecture: amd64' in fields and b'libc6' in fields, 'control fields: %s' % fields)

        unpacked = os.path.join(work, 'root')
        check(run(['dpkg-deb', '-x', debs[0], unpacked]).returncode == 0, 'dpkg-deb -x unpacks it')
        program = os.path.join(unpacked, 'usr', 'bin', 'roster-extract')
        manual = os.path.join(unpacked, 'usr', 'share', 'man', 'man1', 'roster-extract.1.gz')
        for path in [program, manual, os.path.join(unpacked, 'usr', 'share', 'roster', '技能.txt'),
                     os.path.join(unpacked, 'usr', 'share', 'doc', 'roster-extract', 'README.md'),
                     os.path.join(unpacked, 'usr', 'share', 'doc', 'roster-extract', 'copyright')]:
            check(os.path.isfile(path), 'the package holds ' + os.path.relpath(path, unpacked))

        page = run(['man', '--warnings', '-l', manual], env=dict(os.environ, MANWIDTH='80', LANG='C.UTF-8'))
        check(page.returncode == 0 and page.stderr == b'', 'man --warnings is silent: %s' % page.stderr[-500:])
        check(b'roster-extract' in page.stdout and b'--output' in page.stdout.replace(b'\xe2\x80\x90', b'-'),
              'the manual page describes the options')
        with gzip.open(manual) as f:
            check(('"roster %s"' % version).encode() in f.read(), 'the manual page carries the version')

        elsewhere = os.path.join(work, 'elsewhere')
        os.makedirs(os.path.join(work, 'empty'))
        os.makedirs(elsewhere)
        sample = os.path.join(root, 'examples', 'roster.txt')
        installed = run([program, '-k', '名前', sample], cwd=elsewhere,
                        env=dict(os.environ, XDG_DATA_DIRS=os.path.join(unpacked, 'usr', 'share')))
        with open(os.path.join(root, 'tests', 'data', 'roster_by_name.cp932.txt'), 'rb') as f:
            check(installed.returncode == 0 and installed.stdout == f.read(),
                  'the unpacked program finds its catalogue and gives the sample report: %s' % installed.stderr)
        missing = run([program, sample], cwd=elsewhere, env=dict(os.environ, XDG_DATA_DIRS=os.path.join(work, 'empty')))
        check(missing.returncode == 0 and b'no skill columns' in missing.stderr
              and os.path.join(work, 'empty', 'roster', '技能.txt').encode() in missing.stderr,
              'without a catalogue the note says where it looked: %s' % missing.stderr)
    finally:
        shutil.rmtree(work)
    print('%d passed, %d failed' % (0 if failures else 1, len(failures)))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
