#!/usr/bin/env python3
"""Work on the translation file i18n/pistorelle_en.ts.

  uebersetzung.py offen [TS]            unfinished messages as JSON (context, source)
  uebersetzung.py setze JSON [TS]       fills translations from a JSON list of
                                        {"context": ..., "source": ..., "translation": ...};
                                        without "context" the text is taken in every context;
                                        "comment" picks a message with that translator's comment
  uebersetzung.py vereine QUELLE... [--in TS]
                                        takes finished translations from other copies of the
                                        file (for example both sides of a merge) where TS
                                        has none
  uebersetzung.py pruefe [TS]           exit 1 when a message is unfinished or empty

Bring the file up to date with the code first: cmake --build build --target update_translations
"""
import json
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

STANDARD = Path(__file__).resolve().parent.parent / "i18n" / "pistorelle_en.ts"


def lies(pfad):
    return ET.parse(pfad)


def schreibe(baum, pfad):
    # The layout lupdate writes, so both tools leave small differences.
    wurzel = baum.getroot()
    wurzel.text = "\n"
    for kontext in wurzel:
        ET.indent(kontext, space="    ")
        kontext.tail = "\n"
    inhalt = ET.tostring(baum.getroot(), encoding="unicode")
    Path(pfad).write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + inhalt + "\n",
                          encoding="utf-8")


def nachrichten(baum):
    for kontext in baum.getroot().iter("context"):
        name = kontext.findtext("name")
        for n in kontext.iter("message"):
            yield name, n


def offen(n):
    t = n.find("translation")
    return t is None or t.get("type") in ("unfinished",) or not (t.text or "").strip()


def setze_text(n, text):
    t = n.find("translation")
    if t is None:
        t = ET.SubElement(n, "translation")
    t.text = text
    t.attrib.pop("type", None)


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    befehl = argv[1]
    if befehl == "offen":
        ts = argv[2] if len(argv) > 2 else STANDARD
        liste = [{"context": k, "source": n.findtext("source"), "comment": n.findtext("comment")}
                 for k, n in nachrichten(lies(ts)) if offen(n)]
        print(json.dumps(liste, ensure_ascii=False, indent=1))
        return 0
    if befehl == "setze":
        ts = argv[3] if len(argv) > 3 else STANDARD
        eintraege = json.loads(Path(argv[2]).read_text(encoding="utf-8"))
        # An entry with "comment" fills only the message with that translator's comment.
        mit_kontext = {(e["context"], e["source"], e.get("comment")): e["translation"]
                       for e in eintraege if e.get("context")}
        ohne = {(e["source"], e.get("comment")): e["translation"]
                for e in eintraege if not e.get("context")}
        baum = lies(ts)
        gesetzt = 0
        for k, n in nachrichten(baum):
            quelle, kommentar = n.findtext("source"), n.findtext("comment")
            text = mit_kontext.get((k, quelle, kommentar), ohne.get((quelle, kommentar)))
            if text:
                setze_text(n, text)
                gesetzt += 1
        schreibe(baum, ts)
        print(f"{gesetzt} gesetzt", file=sys.stderr)
        return 0
    if befehl == "vereine":
        args = argv[2:]
        ts = STANDARD
        if "--in" in args:
            i = args.index("--in")
            ts = args[i + 1]
            args = args[:i] + args[i + 2:]
        # A text with a translator's comment is another message than the same text without.
        bekannt, nur_quelle = {}, {}
        for q in args:
            for k, n in nachrichten(lies(q)):
                if not offen(n):
                    text = n.find("translation").text
                    bekannt[(k, n.findtext("source"), n.findtext("comment"))] = text
                    nur_quelle.setdefault((n.findtext("source"), n.findtext("comment")), text)
        baum = lies(ts)
        for k, n in nachrichten(baum):
            if offen(n):
                quelle, kommentar = n.findtext("source"), n.findtext("comment")
                text = bekannt.get((k, quelle, kommentar), nur_quelle.get((quelle, kommentar)))
                if text:
                    setze_text(n, text)
        schreibe(baum, ts)
        return 0
    if befehl == "pruefe":
        ts = argv[2] if len(argv) > 2 else STANDARD
        fehlend = [(k, n.findtext("source")) for k, n in nachrichten(lies(ts)) if offen(n)]
        for k, q in fehlend:
            print(f"{k}: {q}")
        return 1 if fehlend else 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
