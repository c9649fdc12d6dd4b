#!/usr/bin/env python3
"""Checks the Windows package: its entries, the UTF-8 flag on Japanese names,
the guide's encoding and line ends, and that roster-extract.exe from the
unpacked folder, under Wine, gives the Linux build's report of the sample.

Usage: check_package.py PACKAGE.zip SOURCE_ROOT
"""
import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print('FAILED: ' + message)


def main():
    package, root = sys.argv[1], sys.argv[2]
    folder = os.path.basename(package)[:-len('-win64.zip')]
    expected = ['roster.exe', 'roster-extract.exe', 'Database/技能.txt', 'roster.txt', '使い方.txt']
    with zipfile.ZipFile(package) as archive:
        infos = archive.infolist()
        check([i.filename for i in infos] == [folder + '/' + name for name in expected],
              'entries are %s' % [i.filename for i in infos])
        for info in infos:
            utf8 = bool(info.flag_bits & 0x800)
            check(utf8 == any(ord(c) > 127 for c in info.filename), 'UTF-8 flag of ' + info.filename)
        with open(os.path.join(root, 'Database', '技能.txt'), 'rb') as f:
            check(archive.read(folder + '/Database/技能.txt') == f.read(), 'the catalogue is the sample one')
        guide = archive.read(folder + '/使い方.txt')
        check(guide.decode('cp932').count('\n') == guide.count(b'\r\n') > 20, 'the guide is CP932 with CRLF')
        check('抽出' in guide.decode('cp932') and 'Ctrl+Z' in guide.decode('cp932'), 'the guide explains 抽出')
        check(archive.read(folder + '/roster.exe')[:2] == b'MZ', 'roster.exe is a Windows program')

        work = tempfile.mkdtemp()
        try:
            archive.extractall(work)
            unpacked = os.path.join(work, folder)
            check(os.path.exists(os.path.join(unpacked, 'Database', '技能.txt')), 'unzip gives Database/技能.txt')
            run = subprocess.run([os.path.join(root, 'scripts', 'wine-run'), 'roster-extract.exe', '--key', '名前',
                                  'roster.txt'], cwd=unpacked, capture_output=True)
            check(run.returncode == 0, 'roster-extract.exe exits with 0: %s' % run.stderr[-500:])
            with open(os.path.join(root, 'tests', 'data', 'roster_by_name.cp932.txt'), 'rb') as f:
                check(run.stdout == f.read(), 'roster-extract.exe gives the Linux report of the sample')
        finally:
            shutil.rmtree(work)
    print('%d passed, %d failed' % (1 if not failures else 0, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
