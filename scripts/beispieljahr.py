#!/usr/bin/env python3
"""Writes Lumora's example weather year in the TRY format: a made-up year of a temperate
inland place, hour by hour, from a fixed seed, so that the file comes out the same each time.

Usage: scripts/beispieljahr.py > data/wetter/beispieljahr.dat
"""
import math
import random

TAGE = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]


def saettigungsdruck(t):
    """Magnus form over water [hPa]."""
    return 6.1078 * math.exp(17.08085 * t / (234.175 + t))


def main():
    zufall = random.Random(20261209)
    print("Beispieljahr für Lumora: ein erfundenes Jahr, kein Messdatensatz")
    print("Ort               : Musterstadt")
    print("Hoehenlage        : 120 Meter ueber NN")
    print()
    print("MM DD HH     t    p    x  RF")
    print("***")
    wetter = 0.0   # slow weather: warm and cold spells [K]
    feucht = 0.0   # slow swing of the dew point [K]
    stunde = 0
    for monat, tage in enumerate(TAGE, start=1):
        for tag in range(1, tage + 1):
            for hh in range(1, 25):
                jahr = -math.cos(2 * math.pi * (stunde - 24 * 20) / 8760)   # coldest about 20 January
                tageslauf = math.cos(2 * math.pi * (hh - 15) / 24)           # warmest at 15 h
                wetter = 0.995 * wetter + zufall.gauss(0, 0.45)
                feucht = 0.98 * feucht + zufall.gauss(0, 0.4)
                t = 9.5 + 9.0 * jahr + (3.0 + 2.0 * max(jahr, 0)) * tageslauf + wetter
                # The dew point follows the season and the air mass, never above the air.
                taupunkt = min(t - 0.2, 4.0 + 7.0 * jahr + 0.5 * wetter + feucht)
                p = 1000 + 8 * math.sin(stunde / 97.0) + zufall.gauss(0, 1)
                pd = saettigungsdruck(taupunkt)
                rf = 100 * pd / saettigungsdruck(t)
                x = 622 * pd / (p - pd)
                print(f"{monat:2d} {tag:2d} {hh:2d} {t:5.1f} {p:4.0f} {x:4.1f} {rf:3.0f}")
                stunde += 1


if __name__ == "__main__":
    main()
