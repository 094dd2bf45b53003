#!/usr/bin/env python3
"""Writes every include of the program's own headers with the layer folder it lives in:
#include "Rennleitung.h" becomes #include "engine/Rennleitung.h", in every layer, the tests,
tools, benchmarks and fuzz targets. Headers of tests and tools themselves stay as they are.
Run from anywhere; it changes only include lines and can be run again at any time."""
import pathlib
import re
import sys

wurzel = pathlib.Path(__file__).resolve().parent.parent
# Folders whose headers are named with their folder (app/replay included). Portalix
# (usbbridge/) builds on its own and keeps its own names.
ausgenommen = {"tests", "tools", "bench", "fuzz", "usbbridge", "packaging", "scripts",
               "cmake", "docs", "i18n", "build", "build-fuzz"}
ordner = sorted(p.name for p in wurzel.iterdir()
                if p.is_dir() and not p.name.startswith(".") and p.name not in ausgenommen
                and (p / "CMakeLists.txt").exists())

pfad_von = {}
for o in ordner:
    for h in sorted((wurzel / o).rglob("*.h")):
        rel = h.relative_to(wurzel).as_posix()
        if h.name in pfad_von and pfad_von[h.name] != rel:
            sys.exit(f"{h.name}: two headers of that name ({pfad_von[h.name]}, {rel})")
        pfad_von[h.name] = rel
# Generated at configure time into the build folder's config/.
pfad_von["Installation.h"] = "config/Installation.h"

muster = re.compile(r'^(\s*#\s*include\s+")([^"/]+)(".*)$')
muster_alle = re.compile(r'^#include "[^"]+"\s*$')
geaendert = 0
for datei in sorted(list(wurzel.rglob("*.h")) + list(wurzel.rglob("*.cpp"))):
    rel = datei.relative_to(wurzel)
    if rel.parts[0] in {"usbbridge", "build", "build-fuzz"} or rel.parts[0].startswith("."):
        continue
    if any(t.startswith("build") or t == "fixtures" for t in rel.parts[:-1]):
        continue
    text = datei.read_text(encoding="utf-8")
    zeilen = text.split("\n")
    neu = []
    for z in zeilen:
        m = muster.match(z)
        if m and m.group(2) in pfad_von:
            # A test's or tool's own header of the same name would win; there is none today.
            if (datei.parent / m.group(2)).exists() and rel.parts[0] not in ordner:
                neu.append(z)
                continue
            z = m.group(1) + pfad_von[m.group(2)] + m.group(3)
        neu.append(z)
    # Each run of quoted includes sorted again, as clang-format keeps them.
    i = 0
    while i < len(neu):
        if muster_alle.match(neu[i]):
            j = i
            while j < len(neu) and muster_alle.match(neu[j]):
                j += 1
            neu[i:j] = sorted(neu[i:j])
            i = j
        else:
            i += 1
    neu_text = "\n".join(neu)
    if neu_text != text:
        datei.write_text(neu_text, encoding="utf-8")
        geaendert += 1
print(f"{geaendert} Dateien geändert; Ordner: {' '.join(ordner)}")
