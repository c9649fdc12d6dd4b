#!/usr/bin/env python3
"""Copies C++ sources with every narrow literal that holds non-ASCII text
rewritten as escaped CP932 bytes ("名前" becomes "\\x96\\xbc\\x91\\x4f").

clang accepts no -fexec-charset but UTF-8, so the clang builds (the
fuzzers) compile sources transcoded by this script, which then mean the same
bytes as g++ -fexec-charset=CP932 gives them.

Usage: cp932_literals.py SOURCE_ROOT OUTPUT_ROOT FILE...
"""
import os
import sys

SIMPLE_ESCAPES = {'n': 10, 't': 9, 'r': 13, '0': 0, '\\': 92, '"': 34, "'": 39,
                  'a': 7, 'b': 8, 'f': 12, 'v': 11, '?': 63}


def literal_bytes(body):
    """The bytes a literal's body stands for, CP932 for non-ASCII text."""
    out = bytearray()
    i = 0
    while i < len(body):
        c = body[i]
        if c != '\\':
            out += c.encode('cp932')
            i += 1
            continue
        e = body[i + 1]
        if e == 'x':
            j = i + 2
            while j < len(body) and body[j] in '0123456789abcdefABCDEF':
                j += 1
            out.append(int(body[i + 2:j], 16) & 0xFF)
            i = j
        elif e in '01234567':
            j = i + 1
            while j < len(body) and j < i + 4 and body[j] in '01234567':
                j += 1
            out.append(int(body[i + 1:j], 8) & 0xFF)
            i = j
        else:
            out.append(SIMPLE_ESCAPES[e])
            i += 2
    return bytes(out)


def transcode(text):
    out = []
    i = 0
    n = len(text)
    while i < n:
        c = text[i]
        if text.startswith('//', i):
            j = text.find('\n', i)
            j = n if j < 0 else j
            out.append(text[i:j])
            i = j
        elif text.startswith('/*', i):
            j = text.find('*/', i + 2) + 2
            out.append(text[i:j])
            i = j
        elif c == "'" and i > 0 and text[i - 1].isdigit():
            out.append(c)  # a digit separator, as in 1'000'000
            i += 1
        elif c in '"\'':
            j = i + 1
            while text[j] != c:
                j += 2 if text[j] == '\\' else 1
            body = text[i + 1:j]
            k = i
            while k > 0 and (text[k - 1].isalnum() or text[k - 1] == '_'):
                k -= 1
            prefix = text[k:i]
            if prefix in ('', ) and any(ord(ch) > 127 for ch in body):
                escaped = ''.join('\\x%02x' % b for b in literal_bytes(body))
                out.append(c + escaped + c)
            else:
                out.append(text[i:j + 1])
            i = j + 1
        else:
            out.append(c)
            i += 1
    return ''.join(out)


def main():
    source_root, output_root, files = sys.argv[1], sys.argv[2], sys.argv[3:]
    for name in files:
        relative = os.path.relpath(name, source_root)
        target = os.path.join(output_root, relative)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(name, encoding='utf-8') as f:
            text = f.read()
        with open(target, 'w', encoding='utf-8') as f:
            f.write(transcode(text))


if __name__ == '__main__':
    main()
