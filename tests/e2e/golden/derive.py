#!/usr/bin/env python3
"""Works out the worked example's output in every format from its records,
tests/e2e/golden/ktb.out, as the formats are described in the manual page:

    python3 tests/e2e/golden/derive.py

writes ktb.tsv, ktb.jsonl, ktb.unimorph and ktb.html, and the same for the
root in Hebrew letters (ktb-hebreeuws.in and its .out and other files), here
in tests/e2e/golden. With --modern the records are ktb-modern.out, from which
the same files of ktb-modern and ktb-modern-hebreeuws are worked out (the
input is ktb.in or ktb-hebreeuws.in). With --niqqud they are those of
--modern with the pointed forms and pronunciations of POINTED, worked out
from a grammar's paradigm of the qal, for ktb-niqqud and
ktb-niqqud-hebreeuws. The files are checked by eye and kept; the end-to-end
tests compare the program's output with them. The program is not run.
"""

import json
import os
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))

# Latin letter -> Hebrew letter, and its final shape where it has one.
HEBREW = {"A": "א", "B": "ב", "E": "ה", "I": "י", "K": "כ", "L": "ל", "M": "מ",
          "N": "נ", "T": "ת", "W": "ו"}
FINAL = {"K": "ך", "M": "ם", "N": "ן"}

# The blocks in the order of the records, recognised by the tag sequence.
# The default rules write the future forms twice: a block ends at the first
# tag that it does not have.
BLOCK_TAGS = [
    ("verleden", {"1s", "2s", "3s", "3sf", "1p", "2pm", "2pf", "3p"}),
    ("deelwoord", {"ms", "fs", "s", "mp", "fp"}),
    ("toekomend", {"1s", "2sm", "2sf", "3sm", "3sf", "1p", "2p", "2pf", "3p"}),
    ("gebiedend", {"2ms", "2fs", "2mp", "2fp"}),
    ("infinitief", {""}),
]

# With --modern every tag is person, number, gender, and each slot is written
# once: a block also ends at a tag that it already had (the past, the future
# and the imperative share tags), except the infinitives' {}.
MODERN_BLOCK_TAGS = [
    ("verleden", {"1s", "2sm", "2sf", "3sm", "3sf", "1p", "2pm", "2pf", "3p"}),
    ("deelwoord", {"sm", "sf", "pm", "pf"}),
    ("toekomend", {"1s", "2sm", "2sf", "3sm", "3sf", "1p", "2pm", "2pf", "3pm", "3pf"}),
    ("gebiedend", {"2sm", "2sf", "2pm", "2pf"}),
    ("infinitief", {""}),
]

PERSONS = ["ik", "jij (m.)", "jij (v.)", "hij", "zij", "wij", "jullie (m.)", "jullie (v.)",
           "zij (m.)", "zij (v.)"]

# (block, tag) -> (person rows, UniMorph feature sets).
SLOTS = {
    ("verleden", "1s"): (["ik"], ["V;1;SG;PST"]),
    ("verleden", "2s"): (["jij (m.)", "jij (v.)"], ["V;2;SG;PST;MASC", "V;2;SG;PST;FEM"]),
    ("verleden", "3s"): (["hij"], ["V;3;SG;PST;MASC"]),
    ("verleden", "3sf"): (["zij"], ["V;3;SG;PST;FEM"]),
    ("verleden", "1p"): (["wij"], ["V;1;PL;PST"]),
    ("verleden", "2pm"): (["jullie (m.)"], ["V;2;PL;PST;MASC"]),
    ("verleden", "2pf"): (["jullie (v.)"], ["V;2;PL;PST;FEM"]),
    ("verleden", "3p"): (["zij (m.)", "zij (v.)"], ["V;3;PL;PST"]),
    ("deelwoord", "ms"): (["ik", "jij (m.)", "hij"], ["V;SG;PRS;MASC"]),
    ("deelwoord", "fs"): (["ik", "jij (v.)", "zij"], ["V;SG;PRS;FEM"]),
    ("deelwoord", "mp"): (["wij", "jullie (m.)", "zij (m.)"], ["V;PL;PRS;MASC"]),
    ("deelwoord", "fp"): (["wij", "jullie (v.)", "zij (v.)"], ["V;PL;PRS;FEM"]),
    ("toekomend", "1s"): (["ik"], ["V;1;SG;FUT"]),
    ("toekomend", "2sm"): (["jij (m.)"], ["V;2;SG;FUT;MASC"]),
    ("toekomend", "2sf"): (["jij (v.)"], ["V;2;SG;FUT;FEM"]),
    ("toekomend", "3sm"): (["hij"], ["V;3;SG;FUT;MASC"]),
    ("toekomend", "3sf"): (["zij"], ["V;3;SG;FUT;FEM"]),
    ("toekomend", "1p"): (["wij"], ["V;1;PL;FUT"]),
    ("toekomend", "2p"): (["jullie (m.)"], ["V;2;PL;FUT;MASC"]),
    ("toekomend", "2pf"): (["jullie (v.)"], ["V;2;PL;FUT;FEM"]),
    ("toekomend", "3p"): (["zij (m.)", "zij (v.)"], ["V;3;PL;FUT;MASC"]),
    ("gebiedend", "2ms"): (["jij (m.)"], ["V;2;SG;IMP;MASC"]),
    ("gebiedend", "2fs"): (["jij (v.)"], ["V;2;SG;IMP;FEM"]),
    ("gebiedend", "2mp"): (["jullie (m.)"], ["V;2;PL;IMP;MASC"]),
    ("gebiedend", "2fp"): (["jullie (v.)"], ["V;2;PL;IMP;FEM"]),
    # The tags of --modern that the default rules do not have.
    ("verleden", "2sm"): (["jij (m.)"], ["V;2;SG;PST;MASC"]),
    ("verleden", "2sf"): (["jij (v.)"], ["V;2;SG;PST;FEM"]),
    ("verleden", "3sm"): (["hij"], ["V;3;SG;PST;MASC"]),
    ("deelwoord", "sm"): (["ik", "jij (m.)", "hij"], ["V;SG;PRS;MASC"]),
    ("deelwoord", "sf"): (["ik", "jij (v.)", "zij"], ["V;SG;PRS;FEM"]),
    ("deelwoord", "pm"): (["wij", "jullie (m.)", "zij (m.)"], ["V;PL;PRS;MASC"]),
    ("deelwoord", "pf"): (["wij", "jullie (v.)", "zij (v.)"], ["V;PL;PRS;FEM"]),
    ("toekomend", "2pm"): (["jullie (m.)"], ["V;2;PL;FUT;MASC"]),
    ("toekomend", "3pm"): (["zij (m.)"], ["V;3;PL;FUT;MASC"]),
    ("toekomend", "3pf"): (["zij (v.)"], ["V;3;PL;FUT;FEM"]),
    ("gebiedend", "2sm"): (["jij (m.)"], ["V;2;SG;IMP;MASC"]),
    ("gebiedend", "2sf"): (["jij (v.)"], ["V;2;SG;IMP;FEM"]),
    ("gebiedend", "2pm"): (["jullie (m.)"], ["V;2;PL;IMP;MASC"]),
    ("gebiedend", "2pf"): (["jullie (v.)"], ["V;2;PL;IMP;FEM"]),
}

# The pointed forms of KTB, in the order of ktb-modern.out, with their
# pronunciation (put in NFC when read).
POINTED = [
    ("כָּתַבְתִּי", "katávti"), ("כָּתַבְתָּ", "katávta"), ("כָּתַבְתְּ", "katávt"),
    ("כָּתַב", "katáv"), ("כָּתְבָה", "katvá"), ("כָּתַבְנוּ", "katávnoe"),
    ("כְּתַבְתֶּם", "ktavtém"), ("כְּתַבְתֶּן", "ktavtén"), ("כָּתְבוּ", "katvóé"),
    ("כּוֹתֵב", "kotév"), ("כּוֹתֶבֶת", "kotévet"), ("כּוֹתְבִים", "kotvím"),
    ("כּוֹתְבוֹת", "kotvót"),
    ("אֶכְתֹּב", "echtóv"), ("תִּכְתֹּב", "tichtóv"), ("תִּכְתְּבִי", "tichteví"),
    ("יִכְתֹּב", "jichtóv"), ("תִּכְתֹּב", "tichtóv"), ("נִכְתֹּב", "nichtóv"),
    ("תִּכְתְּבוּ", "tichtevóé"), ("תִּכְתֹּבְנָה", "tichtóvna"), ("יִכְתְּבוּ", "jichtevóé"),
    ("תִּכְתֹּבְנָה", "tichtóvna"),
    ("כְּתֹב", "któv"), ("כִּתְבִי", "kitví"), ("כִּתְבוּ", "kitvóé"), ("כְּתֹבְנָה", "któvna"),
    ("לִכְתֹּב", "lichtóv"), ("מִכְּתֹב", "miktóv"),
]

PAGE_HEAD = """<!DOCTYPE html>
<html lang="nl">
<head>
<meta charset="utf-8">
<title>morfenaar</title>
<style>
body { font-family: sans-serif; margin: 2em; }
table { border-collapse: collapse; margin: 0 0 2em 0; page-break-inside: avoid; break-inside: avoid; }
caption { font-size: 1.2em; font-weight: bold; text-align: left; padding: 0 0 0.4em 0; }
th, td { border: 1px solid #999; padding: 0.3em 0.7em; }
th { background: #eee; text-align: left; font-weight: normal; }
thead th { font-weight: bold; }
td { text-align: center; vertical-align: top; }
.vorm { font-size: 1.25em; }
.nl { color: #444; font-size: 0.85em; }
</style>
</head>
<body>
"""


def in_hebrew(form):
    letters = [HEBREW[c] for c in form]
    letters[-1] = FINAL.get(form[-1], letters[-1])
    return "".join(letters)


def read_records(name, hebrew, modern):
    blocks = MODERN_BLOCK_TAGS if modern else BLOCK_TAGS
    records = []
    block = 0
    seen = set()  # the tags of the current block so far
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        for line in f:
            form, dutch, last = line[1:].rstrip("\n").split("\t")
            tag = last[1:last.index("}")]
            while tag not in blocks[block][1] or (modern and tag and tag in seen):
                block += 1
                seen = set()
            seen.add(tag)
            if hebrew:
                form = in_hebrew(form)
            records.append((blocks[block][0], tag, form, dutch))
    return records


def pointed_records(records):
    """The records of --modern with the pointed forms and their
    pronunciation as a fifth member."""
    return [(block, tag, unicodedata.normalize("NFC", form), dutch, uitspraak)
            for (block, tag, _, dutch), (form, uitspraak) in zip(records, POINTED)]


def records_text(records, source):
    return "".join("#%s\t%s\t{%s}[%s]\n" % (r[2], r[3], r[1], source) for r in records)


def tsv_text(records, source):
    pointed = len(records[0]) == 5
    rows = ["bron\tklasse\tblok\tpersoon\thebreeuws\tnederlands" +
            ("\tuitspraak\n" if pointed else "\n")]
    for block, tag, form, dutch, *uitspraak in records:
        rows.append("\t".join([source, "1", block, tag, form, dutch.rstrip(" ")] + uitspraak) +
                    "\n")
    return "".join(rows)


def jsonl_text(records, source):
    lines = []
    for block, tag, form, dutch, *uitspraak in records:
        member = {"bron": source, "klasse": 1, "blok": block, "persoon": tag,
                  "hebreeuws": form, "nederlands": dutch.rstrip(" ")}
        if uitspraak:
            member["uitspraak"] = uitspraak[0]
        lines.append(json.dumps(member, ensure_ascii=False, separators=(",", ":")) + "\n")
    return "".join(lines)


def unimorph_text(records):
    # The 3ms past: {3s} of the default rules, {3sm} of --modern.
    lemma = [form for block, tag, form, *_ in records
             if block == "verleden" and tag in ("3s", "3sm")][0]
    rows = []
    for block, tag, form, *_ in records:
        features = SLOTS[block, tag][1] if block != "infinitief" else (
            ["V;NFIN"] if form[0] in "Lל" else [])
        for f in features:
            row = "%s\t%s\t%s\n" % (lemma, form, f)
            if row not in rows:
                rows.append(row)
    return "".join(rows)


def cell_html(forms, texts, hebrew):
    """`forms` holds (form, pronunciation) pairs; the pronunciation is
    empty without --niqqud."""
    lang = ' lang="he" dir="rtl"' if hebrew else ""
    html = []
    for form, uitspraak in forms:
        html.append('<div class="vorm"%s>%s</div>' % (lang, form))
        if uitspraak:
            html.append('<div class="uitspraak"><i>%s</i></div>' % uitspraak)
    return "".join(html) + "".join('<div class="nl">%s</div>' % t for t in texts)


def html_text(records, source, hebrew):
    cells = {}  # (person, block) -> ([forms], [texts])
    infinitives = {}  # Dutch text -> [forms]
    for block, tag, form, dutch, *uitspraak in records:
        dutch = dutch.rstrip(" ")
        form = (form, uitspraak[0] if uitspraak else "")
        if block == "infinitief":
            infinitives.setdefault(dutch, []).append(form)
            continue
        for person in SLOTS[block, tag][0]:
            forms, texts = cells.setdefault((person, block), ([], []))
            if form not in forms:
                forms.append(form)
            if dutch not in texts:
                texts.append(dutch)
    page = [PAGE_HEAD, "<table>\n",
            '<caption><bdi dir="ltr">%s</bdi> · qal · schrijven</caption>\n' % source,
            "<thead><tr><th></th><th>verleden tijd</th><th>deelwoord</th>"
            "<th>toekomende tijd</th><th>gebiedende wijs</th></tr></thead>\n", "<tbody>\n"]
    pairs = {"jij (m.)": "jij (v.)", "jullie (m.)": "jullie (v.)", "zij (m.)": "zij (v.)"}
    spanned = set()
    for person in PERSONS:
        page.append("<tr><th>%s</th>" % person)
        for block in ["verleden", "deelwoord", "toekomend", "gebiedend"]:
            if (person, block) in spanned:
                continue
            cell = cells.get((person, block), ([], []))
            # One cell over both rows where both genders have the same
            # forms and texts: a tag for both genders (the past 2s and 3p,
            # the default future 3p), and the --modern past 2sm and 2sf,
            # whose letters and Dutch are the same.
            other = pairs.get(person)
            if other and cell[0] and cells.get((other, block)) == cell:
                spanned.add((other, block))
                page.append('<td rowspan="2">%s</td>' % cell_html(*cell, hebrew))
            else:
                page.append("<td>%s</td>" % cell_html(*cell, hebrew))
        page.append("</tr>\n")
    for dutch, forms in infinitives.items():
        page.append('<tr><th>infinitief</th><td colspan="4">%s</td></tr>\n'
                    % cell_html(forms, [dutch], hebrew))
    page.append("</tbody>\n</table>\n</body>\n</html>\n")
    return "".join(page)


def write(name, text):
    with open(os.path.join(HERE, name), "w", encoding="utf-8", newline="") as f:
        f.write(text)


def main():
    gloss = "schrij'ven (schreef, h. geschreven)"
    for stem, hebrew, modern in (("ktb", False, False), ("ktb-hebreeuws", True, False),
                                 ("ktb-modern", False, True),
                                 ("ktb-modern-hebreeuws", True, True)):
        source = "1-" + ("כתב" if hebrew else "KTB")
        records = read_records("ktb-modern.out" if modern else "ktb.out", hebrew, modern)
        if hebrew:
            if not modern:
                write(stem + ".in", "%s\t%s\n" % (source, gloss))
            write(stem + ".out", records_text(records, source))
        write(stem + ".tsv", tsv_text(records, source))
        write(stem + ".jsonl", jsonl_text(records, source))
        write(stem + ".unimorph", unimorph_text(records))
        write(stem + ".html", html_text(records, source, hebrew))
    # --niqqud writes Hebrew letters with points for a root in either
    # alphabet; the pronunciation makes the tsv, jsonl and html.
    for stem, hebrew in (("ktb-niqqud", False), ("ktb-niqqud-hebreeuws", True)):
        source = "1-" + ("כתב" if hebrew else "KTB")
        records = pointed_records(read_records("ktb-modern.out", False, True))
        write(stem + ".out", records_text(records, source))
        write(stem + ".tsv", tsv_text(records, source))
        write(stem + ".jsonl", jsonl_text(records, source))
        write(stem + ".unimorph", unimorph_text(records))
        write(stem + ".html", html_text(records, source, True))


if __name__ == "__main__":
    main()
