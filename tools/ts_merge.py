#!/usr/bin/env python3
"""Fills translations into the catalog sources.

    tools/ts_merge.py TRANSLATIONS.json [resources/translations]

TRANSLATIONS.json: {"de_DE": {"Context": {"source text": "translation", ...}, ...}, ...}
Entries already present are updated and marked finished; entries the code no longer has are
left to lupdate (-no-obsolete). A source missing from a catalog is added, so a text can be
translated before lupdate has seen it.
"""
import json
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def load(path):
    tree = ET.parse(path)
    return tree, tree.getroot()


def context_of(root, name):
    for ctx in root.findall("context"):
        if ctx.findtext("name") == name:
            return ctx
    ctx = ET.SubElement(root, "context")
    ET.SubElement(ctx, "name").text = name
    return ctx


def set_message(ctx, source, translation):
    for msg in ctx.findall("message"):
        if msg.findtext("source") == source:
            break
    else:
        msg = ET.SubElement(ctx, "message")
        ET.SubElement(msg, "source").text = source
    tr = msg.find("translation")
    if tr is None:
        tr = ET.SubElement(msg, "translation")
    tr.text = translation
    tr.attrib.pop("type", None)


def main():
    data = json.loads(Path(sys.argv[1]).read_text(encoding="utf-8"))
    folder = Path(sys.argv[2] if len(sys.argv) > 2 else "resources/translations")
    for lang, contexts in data.items():
        path = folder / f"{lang}.ts"
        if path.exists():
            tree, root = load(path)
        else:
            root = ET.Element("TS", version="2.1", language=lang)
            tree = ET.ElementTree(root)
        for cname, messages in contexts.items():
            ctx = context_of(root, cname)
            for source, translation in messages.items():
                set_message(ctx, source, translation)
        ET.indent(tree, space="    ")
        with open(path, "wb") as f:
            f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
            tree.write(f, encoding="utf-8", xml_declaration=False)
            f.write(b"\n")


if __name__ == "__main__":
    main()
