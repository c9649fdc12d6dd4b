#!/usr/bin/env python3
"""Writes the Windows package: roster-VERSION-win64.zip holding one folder
with the programs, the sample catalogue and roster, and the Japanese guide
in CP932 with "\\r\\n" line ends. Non-ASCII names are stored as UTF-8 with
the zip's UTF-8 flag set, which Explorer, 7-Zip and unzip all read.

Usage: make_zip.py OUTPUT.zip FOLDER_NAME SOURCE_ROOT ROSTER_EXE EXTRACT_EXE
"""
import os
import sys
import time
import zipfile


def main():
    output, folder, root, roster_exe, extract_exe = sys.argv[1:6]
    with open(os.path.join(root, 'docs', '使い方.txt'), encoding='utf-8') as f:
        guide = f.read().replace('\n', '\r\n').encode('cp932')
    entries = [
        ('roster.exe', open(roster_exe, 'rb').read()),
        ('roster-extract.exe', open(extract_exe, 'rb').read()),
        ('Database/技能.txt', open(os.path.join(root, 'Database', '技能.txt'), 'rb').read()),
        ('roster.txt', open(os.path.join(root, 'examples', 'roster.txt'), 'rb').read()),
        ('使い方.txt', guide),
    ]
    stamp = time.localtime(int(os.environ.get('SOURCE_DATE_EPOCH', '1767225600')))[:6]
    with zipfile.ZipFile(output, 'w', zipfile.ZIP_DEFLATED) as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(folder + '/' + name, date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            if any(ord(c) > 127 for c in name):
                info.flag_bits |= 0x800  # the name is UTF-8
            archive.writestr(info, data)


if __name__ == '__main__':
    main()
