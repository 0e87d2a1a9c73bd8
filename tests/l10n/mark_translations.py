#!/usr/bin/env python3
"""Fills a .ts made by lupdate with translations that are the source texts wrapped in
markers, so that a program run under it shows which of its texts went through tr():
  mark_translations.py IN.ts OUT.ts"""
import copy
import sys
import xml.etree.ElementTree as ET

OPEN, CLOSE = "\u27e6", "\u27e7"


def fill_marked(source, target):
    """target gets source's text in markers; a carriage return is a <byte> element."""
    target.text = OPEN + (source.text or "")
    for child in source:
        target.append(copy.deepcopy(child))
    if len(target):
        target[-1].tail = (target[-1].tail or "") + CLOSE
    else:
        target.text += CLOSE


tree = ET.parse(sys.argv[1])
for message in tree.iter("message"):
    source = message.find("source")
    translation = message.find("translation")
    if translation is None:
        translation = ET.SubElement(message, "translation")
    translation.attrib.pop("type", None)
    for child in list(translation):
        translation.remove(child)
    if message.get("numerus") == "yes":
        translation.text = None
        for _ in range(2):
            fill_marked(source, ET.SubElement(translation, "numerusform"))
    else:
        fill_marked(source, translation)
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
