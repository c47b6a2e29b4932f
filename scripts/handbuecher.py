#!/usr/bin/env python3
"""Keeps the English manual in step with the German one.

Compares docs/manual.md with docs/handbuch.md and exits with 1 when they differ in
  - the number of headings on each level (#, ##, ### …), or
  - the numbers they contain, taken as a multiset: a decimal comma counts as a point
    (0,7 = 0.7), leading zeros do not count (07 = 7), a minus sign written
    directly before a number (−14, -14) belongs to it, and dates and times
    (01.07.2024, 2024-07-01, 10:00) are compared as written.
Prints what differs. Usage: scripts/handbuecher.py [HANDBUCH MANUAL]
"""

import collections
import decimal
import pathlib
import re
import sys

WURZEL = pathlib.Path(__file__).resolve().parent.parent

# An ATX heading: one to six '#' at the start of a line, then a blank.
UEBERSCHRIFT = re.compile(r"^(#{1,6})[ \t]")
# Dates and times (01.07.2024, 2024-07-01, 10:00) are one word each, taken as written.
# Any other number that is not the tail of a longer one; the sign only when nothing
# word-like stands before it, so "HH − 1" carries none.
ZAHL = re.compile(
    r"(?<![0-9])(?:[0-9]+(?:[.\-][0-9]+){2,}|[0-9]{1,2}:[0-9]{2}"
    r"|(?:(?<![\w])[-−])?[0-9]+(?:[.,][0-9]+)?)"
)
DATUM = re.compile(r"[0-9]+(?:[.\-][0-9]+){2,}|[0-9]{1,2}:[0-9]{2}")


def ueberschriften(text):
    """Number of headings per level, skipping fenced code blocks."""
    ebenen = collections.Counter()
    im_code = False
    for zeile in text.splitlines():
        if zeile.lstrip().startswith(("```", "~~~")):
            im_code = not im_code
            continue
        treffer = None if im_code else UEBERSCHRIFT.match(zeile)
        if treffer:
            ebenen[len(treffer.group(1))] += 1
    return ebenen


def zahl(wort):
    if DATUM.fullmatch(wort):
        return wort
    wert = decimal.Decimal(wort.replace("−", "-").replace(",", "."))
    text = format(wert.normalize(), "f")
    return "0" if text == "-0" else text


def reihenfolge(wort):
    """Numbers by value, then dates and times as text."""
    if DATUM.fullmatch(wort):
        return (1, decimal.Decimal(0), wort)
    return (0, decimal.Decimal(wort), "")


def zahlen(text):
    return collections.Counter(zahl(w) for w in ZAHL.findall(text))


def vergleiche(handbuch, manual):
    """Lines that describe every difference; empty when both are in step."""
    meldungen = []
    de, en = ueberschriften(handbuch), ueberschriften(manual)
    for ebene in sorted(set(de) | set(en)):
        if de[ebene] != en[ebene]:
            meldungen.append(
                f"headings of level {ebene} ({'#' * ebene}): "
                f"handbuch.md {de[ebene]}, manual.md {en[ebene]}"
            )
    de, en = zahlen(handbuch), zahlen(manual)
    for name, mehr in (("handbuch.md", de - en), ("manual.md", en - de)):
        if mehr:
            liste = ", ".join(
                f"{z} ×{n}" if n > 1 else z
                for z, n in sorted(mehr.items(), key=lambda e: reihenfolge(e[0]))
            )
            meldungen.append(f"numbers only in {name}: {liste}")
    return meldungen


def main(argv):
    if len(argv) not in (1, 3):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    pfade = (
        [pathlib.Path(a) for a in argv[1:]]
        if len(argv) == 3
        else [WURZEL / "docs" / "handbuch.md", WURZEL / "docs" / "manual.md"]
    )
    try:
        handbuch, manual = (p.read_text(encoding="utf-8") for p in pfade)
    except (OSError, UnicodeDecodeError) as fehler:
        print(f"cannot read: {fehler}", file=sys.stderr)
        return 2
    meldungen = vergleiche(handbuch, manual)
    for m in meldungen:
        print(m)
    if meldungen:
        return 1
    ebenen = ueberschriften(handbuch)
    print(
        "manuals in step: headings "
        + ", ".join(f"{'#' * e} {ebenen[e]}" for e in sorted(ebenen))
        + f"; {sum(zahlen(handbuch).values())} numbers"
    )
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
