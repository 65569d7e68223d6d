#!/usr/bin/env python3
"""Fills translations into the catalog sources.

    tools/ts_merge.py TRANSLATIONS.json [resources/translations]
    tools/ts_merge.py --check [resources/translations]

TRANSLATIONS.json: {"de_DE": {"Context": {"source text": "translation", ...}, ...}, ...}
Entries already present are updated and marked finished; entries the code no longer has are
left to lupdate. A source missing from a catalog is added, so a text can be translated before
lupdate has seen it (lupdate then keeps it as vanished until the code has it).

Every translation is checked against its source: the same %N placeholders, %p%, line breaks,
leading and trailing blanks, and exactly one "&" accelerator where the source has one. Problems
are printed; with --check the catalogs are only checked (exit status 1 on a problem).
"""
import json
import re
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


def accelerators(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def problems(source, translation):
    """What a translation changes of its source that the program relies on."""
    found = []
    if not translation:
        return ["empty"]
    if sorted(re.findall(r"%\d+", source)) != sorted(re.findall(r"%\d+", translation)):
        found.append("placeholders differ")
    if source.count("%p%") != translation.count("%p%"):
        found.append("%p% differs")
    if source.count("\n") and not translation.count("\n"):
        found.append("line breaks lost")
    lead = len(source) - len(source.lstrip(" "))
    trail = len(source) - len(source.rstrip(" "))
    if len(translation) - len(translation.lstrip(" ")) != lead:
        found.append("leading blanks differ")
    if len(translation) - len(translation.rstrip(" ")) != trail:
        found.append("trailing blanks differ")
    if accelerators(source) != accelerators(translation):
        found.append("accelerator count differs")
    return found


def report(lang, context, source, translation):
    bad = problems(source, translation)
    for p in bad:
        print(f"{lang}: {context}: {source[:50]!r}: {p}", file=sys.stderr)
    return not bad


def write(tree, path):
    ET.indent(tree, space="    ")
    with open(path, "wb") as f:
        f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(f, encoding="utf-8", xml_declaration=False)
        f.write(b"\n")


def check(folder):
    ok = True
    for path in sorted(folder.glob("*.ts")):
        _, root = load(path)
        lang = path.stem
        for ctx in root.findall("context"):
            name = ctx.findtext("name")
            for msg in ctx.findall("message"):
                tr = msg.find("translation")
                kind = tr.get("type", "") if tr is not None else ""
                if kind in ("vanished", "obsolete"):
                    continue
                if kind == "unfinished":
                    print(f"{lang}: {name}: {msg.findtext('source')[:50]!r}: unfinished",
                          file=sys.stderr)
                    ok = False
                    continue
                ok &= report(lang, name, msg.findtext("source") or "",
                             tr.text if tr is not None else "")
    return ok


def main():
    if sys.argv[1] == "--check":
        folder = Path(sys.argv[2] if len(sys.argv) > 2 else "resources/translations")
        sys.exit(0 if check(folder) else 1)
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
                report(lang, cname, source, translation)
                set_message(ctx, source, translation)
        write(tree, path)


if __name__ == "__main__":
    main()
