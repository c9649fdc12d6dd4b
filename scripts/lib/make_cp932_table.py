#!/usr/bin/env python3
"""Writes encoding/cp932_table.cpp: what each double-byte code of code page
932 reads as, taken once from Python's own cp932 codec and checked in, so
that every system decodes with the same table and no system decoder.

A lead byte's row holds its 188 trail bytes (0x40-0xFC without 0x7F) in two
halves of 94, as the JIS rows they come from; U+FFFD marks a pair that is no
character. The user-defined area (lead bytes 0xF0-0xF9) is U+E000 on in
order and is computed, not listed. Single bytes are ASCII and half-width
katakana; 0x80, 0xA0 and 0xFD-0xFF are none (Python reads them as
characters of its own, which no text writes).

Usage: make_cp932_table.py [OUTPUT]   (default encoding/cp932_table.cpp)
"""
import os
import sys

LEADS = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
TRAILS = [t for t in range(0x40, 0xFD) if t != 0x7F]
USER_DEFINED = range(0xF0, 0xFA)


def read(lead, trail):
    try:
        text = bytes([lead, trail]).decode('cp932')
    except UnicodeDecodeError:
        return None
    return text if len(text) == 1 else None


def escaped(c):
    if c is None:
        return '\\uFFFD'
    # Characters a reader can see stay as they are; private use is escaped.
    return '\\u%04X' % ord(c) if 0xE000 <= ord(c) <= 0xF8FF or ord(c) < 0xA0 else c


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..',
                                                              'encoding', 'cp932_table.cpp')
    rows = []
    for lead in LEADS:
        if lead in USER_DEFINED:
            for i, trail in enumerate(TRAILS):
                assert read(lead, trail) == chr(0xE000 + (lead - 0xF0) * len(TRAILS) + i)
            continue
        chars = [read(lead, trail) for trail in TRAILS]
        halves = [''.join(escaped(c) for c in chars[:94]), ''.join(escaped(c) for c in chars[94:])]
        rows.append('    /* %02X */ u"%s"\n             u"%s",\n' % (lead, halves[0], halves[1]))
    with open(out, 'w', encoding='utf-8', newline='\n') as f:
        f.write('// What each double-byte code of code page 932 reads as, one lead byte a row\n'
                '// (trail bytes 0x40-0xFC without 0x7F); U+FFFD: no character. Written by\n'
                '// scripts/lib/make_cp932_table.py from Python\'s cp932 codec: do not edit.\n'
                '#include "encoding/cp932_table.h"\n\n'
                'namespace roster {\n\n'
                'const char16_t kCp932Rows[kCp932ListedLeads][kCp932Trails + 1] = {\n')
        f.writelines(rows)
        f.write('};\n\n}  // namespace roster\n')


if __name__ == '__main__':
    main()
