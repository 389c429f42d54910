#!/usr/bin/env python3
"""Turns the character readings of the Debian package golang-github-mozillazg-go-pinyin-dev
(pinyin_dict.go: a map from code point to comma-separated toned readings) into the compact C++
table the pinyin search uses: one row per character GBK can hold, readings without tones.

Usage: make_pinyin_table.py pinyin_dict.go output.cpp
"""
import re
import sys
import unicodedata


def toneless(reading):
    # ü (with or without a tone mark) is typed as v; every other mark (tones, the circumflex of ê)
    # is dropped.
    out = []
    for ch in unicodedata.normalize("NFD", reading.strip()):
        if ch == "\u0308":
            out[-1] = "v"
        elif unicodedata.combining(ch):
            continue
        else:
            out.append(ch.lower())
    text = "".join(out)
    if not re.fullmatch(r"[a-z]+", text):
        raise ValueError("unexpected reading %r" % reading)
    return text


def main():
    source, target = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as f:
        text = f.read()
    rows = []
    for match in re.finditer(r"0x([0-9A-Fa-f]+)\s*:\s*\"([^\"]*)\"", text):
        code = int(match.group(1), 16)
        try:
            chr(code).encode("gbk")
        except UnicodeEncodeError:
            continue  # test.dat is GBK: nothing else can reach a question
        readings = []
        for r in match.group(2).split(","):
            if r.strip():
                t = toneless(r)
                if t not in readings:
                    readings.append(t)
        if readings:
            rows.append((code, ",".join(readings)))
    rows.sort()
    if len(rows) < 20000:
        raise SystemExit("make_pinyin_table: only %d characters read from %s" % (len(rows), source))
    with open(target, "w", encoding="utf-8") as f:
        f.write("// Generated at build time by tools/make_pinyin_table.py from pinyin_dict.go; not edited by hand.\n")
        f.write('#include "core/exam/PinyinTable.h"\n\nnamespace zicalc {\n\n')
        f.write("// Toneless readings of every character GBK holds that the data knows, by code point.\n")
        f.write("const PinyinTableRow kPinyinTable[] = {\n")
        for code, readings in rows:
            f.write('    {0x%X, "%s"},\n' % (code, readings))
        f.write("};\n\nconst std::size_t kPinyinTableSize = sizeof(kPinyinTable) / sizeof(kPinyinTable[0]);\n\n")
        f.write("}  // namespace zicalc\n")


if __name__ == "__main__":
    main()
