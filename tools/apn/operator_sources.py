#!/usr/bin/env python3
"""Traces every provisioning text of the operator table to the published
Android APN databases in third_party/apn, through the hand-kept mapping
tools/apn/operator_sources.tsv, and holds each one against a second,
independent source: GNOME's mobile broadband provider database in
third_party/mobile-broadband-provider-info.

  operator_sources.py check [--cli TRAILCFG_CLI]   table, provenance and CLI agree with mapping+sources
  operator_sources.py write                         rewrite the table's texts and the provenance table
  operator_sources.py report [--table F] [--mapping F]  field-by-field figures of a table against both sources
  operator_sources.py selftest                      the check finds the changes it must find

Only the Python standard library is used, so that a plain Debian python3 runs it.
"""
import argparse
import json
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
APN_DIR = os.path.join(ROOT, "third_party", "apn")
GNOME = os.path.join(ROOT, "third_party", "mobile-broadband-provider-info", "serviceproviders.xml")
MAPPING = os.path.join(ROOT, "tools", "apn", "operator_sources.tsv")
TABLE = os.path.join(ROOT, "src", "send", "operator_data.inc")
PROVENANCE = os.path.join(ROOT, "src", "send", "operator_sources.inc")

# Newest first: "prefer the newest release that has the operator" reads this order.
RELEASES = ["lineage-current", "lineage-17.1", "cm-14.1", "cm-12.1", "cm-11.0", "cm-10.2", "cm-10.1", "cm-9.1.0"]

# The nine texts of a table row, in row order, with the record field each is
# copied into and the attribute of an <apn> entry it comes from.
FIELDS = [
    # name, record field, entry kind, entry attribute, width
    ("apn", "sSmtpSet.sz3GSmtpApN", "data", "apn", 60),
    ("account", "sSmtpSet.sz3GSmtpAccount", "data", "user", 32),
    ("password", "sSmtpSet.sz3GSmtpPassword", "data", "password", 32),
    ("mmsc", "sMmsSet.szMmsUrl", "mms", "mmsc", 60),
    ("mmsapn", "sMmsSet.szMmsApn", "mms", "apn", 60),
    ("gateway", "sMmsSet.szMmsGateway", "mms", "mmsproxy", 15),
    ("port", "sMmsSet.szMmsPort", "mms", "mmsport", 8),
    ("mmsaccount", "sMmsSet.szMmsAccount", "mms", "user", 32),
    ("mmspassword", "sMmsSet.szMmsPassword", "mms", "password", 32),
]
FIELD_NAMES = [f[0] for f in FIELDS]
ACCOUNTS = ("account", "password", "mmsaccount", "mmspassword")


class Failure(Exception):
    pass


# ---- the sources -----------------------------------------------------------

_sources = {}


def Source(release):
    if release not in _sources:
        path = os.path.join(APN_DIR, "apns-conf.%s.xml" % release)
        _sources[release] = [dict(a.attrib) for a in ET.parse(path).getroot().iter("apn")]
    return _sources[release]


def Types(entry):
    text = entry.get("type", "").strip()
    # An entry without a type serves every purpose.
    return {t.strip() for t in text.split(",")} if text else {"*"}


def Serves(entry, kind):
    types = Types(entry)
    return "*" in types or ("default" if kind == "data" else "mms") in types


def Canonical(name, text):
    """The sources write some proxy addresses with leading zeros
    (172.028.023.131); a camera that reads those as octal would go elsewhere,
    so the gateway takes the plain form of the same address."""
    if name == "gateway" and re.fullmatch(r"\d{1,3}(\.\d{1,3}){3}", text):
        return ".".join(str(int(part)) for part in text.split("."))
    return text


_by_carrier = {}


def FindEntry(release, mcc_mnc, carrier, kind):
    if release not in _by_carrier:
        index = _by_carrier[release] = {}
        for e in Source(release):
            index.setdefault(("%s-%s" % (e.get("mcc"), e.get("mnc")), e.get("carrier")), []).append(e)
    return next((e for e in _by_carrier[release].get((mcc_mnc, carrier), []) if Serves(e, kind)), None)


_gnome = []


def GnomeProviders():
    """GNOME's providers: (country code, name) -> its GSM access points, each
    with the values an operator row holds. A proxy may carry its port."""
    if not _gnome:
        providers = {}
        for country in ET.parse(GNOME).getroot().iter("country"):
            for provider in country.iter("provider"):
                entries = []
                for a in provider.iter("apn"):
                    proxy = (a.findtext("mmsproxy") or "").strip()
                    host, _, port = proxy.rpartition(":") if re.search(r":\d+$", proxy) else (proxy, "", None)
                    entries.append({
                        "apn": a.get("value", ""),
                        "usage": {u.get("type") for u in a.iter("usage")},
                        "user": a.findtext("username") or "",
                        "password": a.findtext("password") or "",
                        "mmsc": (a.findtext("mmsc") or "").strip(),
                        "host": host,
                        "port": port,
                    })
                providers.setdefault((country.get("code"), provider.findtext("name")), entries)
        _gnome.append(providers)
    return _gnome[0]


def FindGnomeEntry(code, provider, apn, kind):
    """The provider's access point of that name ("mms#2": the second of that
    name); for MMS one with an MMS centre, an "mms" one first (GNOME also
    gives the MMS centre on some internet access points)."""
    apn, _, nth = apn.partition("#")
    entries = [e for e in GnomeProviders().get((code, provider), []) if e["apn"] == apn]
    if kind == "mms":
        entries = sorted((e for e in entries if e["mmsc"]), key=lambda e: "mms" not in e["usage"])
    else:
        entries = sorted(entries, key=lambda e: "internet" not in e["usage"])
    index = int(nth or 1) - 1
    return entries[index] if index < len(entries) else None


def GnomeValues(op):
    """The nine texts as GNOME's entries that the mapping names give them;
    None where GNOME says nothing (no entry of that kind, a proxy without
    its port)."""
    values = dict.fromkeys(FIELD_NAMES)
    if op.gnome is None:
        return values
    code, provider, data_apn, mms_provider, mms_apn = op.gnome
    for kind, who, apn in (("data", provider, data_apn), ("mms", mms_provider, mms_apn)):
        if apn == "-":
            continue
        e = FindGnomeEntry(code, who, apn, kind)
        if e is None:
            raise Failure("%s: GNOME's %s/%s has no %s access point %r" % (op.gnome_line, code, who, kind, apn))
        if kind == "data":
            values.update(apn=e["apn"], account=e["user"], password=e["password"])
        else:
            values.update(mmsc=e["mmsc"], mmsapn=e["apn"], gateway=Canonical("gateway", e["host"]),
                          port=e["port"], mmsaccount=e["user"], mmspassword=e["password"])
    return values


# ---- the mapping -----------------------------------------------------------


class Operator:
    def __init__(self, key, name, release, mcc_mnc, data_carrier, mms_release, mms_carrier, note, line):
        self.key, self.name, self.release, self.mcc_mnc = key, name, release, mcc_mnc
        self.data_carrier, self.mms_carrier, self.note, self.line = data_carrier, mms_carrier, note, line
        self.mms_release = release if mms_release == "=" else mms_release
        self.values = {}  # field -> (value, reason): the explained exceptions
        self.gnome = None  # (country code, provider, data APN, MMS provider, MMS APN) in GNOME's file
        self.gnome_line = None
        self.kept = {}  # field -> why the table keeps its value where GNOME's differs

    @property
    def confirmed(self):
        return self.release != "none"


def ReadMapping(path=MAPPING):
    operators, order = {}, []
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            cells = line.split("\t")
            where = "%s:%d" % (os.path.relpath(path, ROOT), number)
            if cells[0] == "value":
                if len(cells) != 5 or not cells[4].strip():
                    raise Failure("%s: a value line is: value, key, field, text, reason (the reason is required)" % where)
                _, key, field, text, reason = cells
                if key not in operators:
                    raise Failure("%s: value for %s before its operator line" % (where, key))
                if field not in FIELD_NAMES:
                    raise Failure("%s: no traced field %r" % (where, field))
                if field in operators[key].values:
                    raise Failure("%s: %s %s given twice" % (where, key, field))
                operators[key].values[field] = (text, reason)
                continue
            if cells[0] == "gnome":
                if len(cells) not in (3, 4, 7, 8) or (len(cells) <= 4) != (cells[2] == "none"):
                    raise Failure("%s: a gnome line is: gnome, key, country code, provider, data access point, MMS "
                                  "provider (\"=\" for the same), MMS access point (\"-\" for none), note; or gnome, "
                                  "key, none, note" % where)
                key = cells[1]
                if key not in operators or operators[key].gnome_line:
                    raise Failure("%s: gnome line for %s: before its operator line, or a second one" % (where, key))
                operators[key].gnome_line = where
                if cells[2] != "none":
                    code, provider, data_apn, mms_provider, mms_apn = cells[2:7]
                    mms_provider = provider if mms_provider == "=" else mms_provider
                    operators[key].gnome = (code, provider, data_apn, mms_provider, mms_apn)
                    for who in (provider, mms_provider):
                        if (code, who) not in GnomeProviders():
                            raise Failure("%s: GNOME's file has no provider %r in %r" % (where, who, code))
                continue
            if cells[0] == "keep":
                if len(cells) != 4 or not cells[3].strip():
                    raise Failure("%s: a keep line is: keep, key, fields (comma-separated), reason (the reason is "
                                  "required)" % where)
                _, key, fields, reason = cells
                if key not in operators:
                    raise Failure("%s: keep for %s before its operator line" % (where, key))
                for field in fields.split(","):
                    if field not in FIELD_NAMES or field in operators[key].kept:
                        raise Failure("%s: no field %r, or kept twice" % (where, field))
                    operators[key].kept[field] = reason
                continue
            if len(cells) < 7 or len(cells) > 8:
                raise Failure("%s: an operator line is: key, name, release, MCC-MNC, data carrier, MMS release, "
                              "MMS carrier, reason" % where)
            cells += [""] * (8 - len(cells))
            key = cells[0]
            if not re.fullmatch(r"\d+\.\d", key) or key in operators:
                raise Failure("%s: bad or repeated key %r" % (where, key))
            op = Operator(*cells, line=where)
            if op.release != "none" and (op.release not in RELEASES or op.mms_release not in RELEASES):
                raise Failure("%s: unknown release %r" % (where, op.release))
            operators[key] = op
            order.append(key)
    for key in order:
        if not operators[key].gnome_line:
            raise Failure("%s: %s has no gnome line: name its GNOME provider and access points, or none" %
                          (operators[key].line, key))
    return operators, order


def Expected(op, strict=True):
    """The nine texts the mapping and the sources give, and per field where it comes from."""
    values, origin = {}, {}
    entries = {}
    if op.confirmed:
        entries["data"] = FindEntry(op.release, op.mcc_mnc, op.data_carrier, "data")
        entries["mms"] = FindEntry(op.mms_release, op.mcc_mnc, op.mms_carrier, "mms")
        for kind, release, carrier in (("data", op.release, op.data_carrier), ("mms", op.mms_release, op.mms_carrier)):
            if entries[kind] is None:
                raise Failure("%s: %s has no %s entry %r for %s" % (op.line, release, kind, carrier, op.mcc_mnc))
    for name, _, kind, attr, width in FIELDS:
        if name in op.values:
            values[name], origin[name] = op.values[name][0], "exception"
        elif not op.confirmed:
            if not strict:
                continue
            raise Failure("%s: %s is in no source; give its %s with a value line" % (op.line, op.key, name))
        else:
            values[name], origin[name] = Canonical(name, entries[kind].get(attr, "")), "source"
            if strict and name == "gateway" and len(values[name]) > width:
                raise Failure("%s: %s's MMS proxy %r is wider than the gateway's %d characters; give an address "
                              "that works, and where it comes from, with a value line" % (op.line, op.key, values[name], width))
        if strict and len(values[name].encode("utf-8")) > width:
            raise Failure("%s: %s %s %r is wider than %d" % (op.line, op.key, name, values[name], width))
    return values, origin, entries


def Confirmations(op, row):
    """Per field, which sources give the row's text: "android" where the
    chosen Android entry does, "gnome" where GNOME's entry does. A field that
    a source says nothing about is confirmed by the other alone."""
    _, _, entries = Expected(op, strict=False)
    gnome = GnomeValues(op)
    found = {}
    for name, _, kind, attr, _ in FIELDS:
        found[name] = set()
        if entries.get(kind) is not None and Same(name, Canonical(name, entries[kind].get(attr, "")), row[name]):
            found[name].add("android")
        if gnome[name] is not None and Same(name, gnome[name], row[name]):
            found[name].add("gnome")
    return found


def Confidence(op, row):
    """How many sources confirm an operator: the fewest that confirm any one
    of its texts (2, 1 or 0: unconfirmed)."""
    return min(len(sources) for sources in Confirmations(op, row).values())


# ---- the table -------------------------------------------------------------

ROW = re.compile(r'TRAILCFG_OPERATOR\((\d+), (\d+), ((?:\s*"(?:[^"\\]|\\.)*",?)+)\s*\)')
STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')


def ReadTable(path=TABLE):
    text = open(path, encoding="utf-8").read()
    rows = {}
    for m in ROW.finditer(text):
        texts = STRING.findall(m.group(3))
        if len(texts) != 11:
            raise Failure("%s: a row of %d texts" % (path, len(texts)))
        key = "%s.%s" % (m.group(1), m.group(2))
        rows[key] = {"name": texts[1], **dict(zip(FIELD_NAMES, texts[2:]))}
    return text, rows


def Quote(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


def RewriteTable(text, expected):
    def Row(m):
        key = "%s.%s" % (m.group(1), m.group(2))
        if key not in expected:
            return m.group(0)
        texts = STRING.findall(m.group(3))
        v = dict(zip(FIELD_NAMES, texts[2:]))
        v.update(expected[key])
        q = [Quote(v[n]) for n in FIELD_NAMES]
        return "TRAILCFG_OPERATOR(%s, %s, %s, %s, %s,\n    %s)" % (
            m.group(1), m.group(2), Quote(texts[0]), Quote(texts[1]), ", ".join(q[:3]), ", ".join(q[3:]))
    return ROW.sub(Row, text)


def GnomeCells(op):
    """GNOME's provider as "code/name", its data and MMS access points (the
    MMS provider named where it is another), as the program shows them."""
    if not op.gnome:
        return ["", "", ""]
    code, provider, data_apn, mms_provider, mms_apn = op.gnome
    if mms_provider != provider and mms_apn != "-":
        mms_apn = "%s (%s)" % (mms_apn, mms_provider)
    return ["%s/%s" % (code, provider), data_apn, mms_apn]


def ProvenanceLines(operators, order):
    lines = [
        "// Where each operator's provisioning texts come from: written by",
        "// tools/apn/operator_sources.py from tools/apn/operator_sources.tsv; edit",
        "// the mapping and run the tool's write, never this file by hand.",
        "//",
        "// country, slot; the Android release, MCC-MNC and carrier of the data",
        "// entry, release and carrier of the MMS entry (an empty release: in no",
        "// Android file); the fields that are explained exceptions; GNOME's country",
        "// code and provider, its data and MMS access points (empty: not in GNOME's",
        "// file, \"-\": no such access point); how many sources confirm every text",
        "// (2, 1, or 0 for unconfirmed: the fewest that confirm any one text).",
    ]
    for key in sorted(order, key=lambda k: tuple(int(x) for x in k.split("."))):
        op = operators[key]
        c, s = key.split(".")
        fields = " ".join(FIELDS[FIELD_NAMES.index(n)][1] for n in FIELD_NAMES if n in op.values)
        if op.confirmed:
            cells = [op.release, op.mcc_mnc, op.data_carrier, op.mms_release, op.mms_carrier, fields]
        else:
            cells = ["", "", "", "", "", fields]
        cells += GnomeCells(op)
        lines.append("TRAILCFG_SOURCE(%s, %s, %s,\n    %d)" % (c, s, ", ".join(Quote(x) for x in cells),
                                                            Confidence(op, Expected(op)[0])))
    return "\n".join(lines) + "\n"


# ---- commands --------------------------------------------------------------


def ExpectedAll(operators, order):
    return {k: Expected(operators[k]) for k in order}


def Check(args):
    operators, order = ReadMapping()
    _, rows = ReadTable()
    problems = Problems(operators, order, rows, open(PROVENANCE, encoding="utf-8").read())
    if args.cli:
        problems += CheckCli(args.cli, operators, rows)
    if problems:
        print("\n".join(problems))
        print("%d problem(s). A value that is right but not in the source needs a value line with its reason in "
              "tools/apn/operator_sources.tsv; then run: tools/apn/operator_sources.py write" % len(problems))
        return 1
    print("ok: %d operators, %d texts traced, %d explained exceptions" % (
        len(order), len(order) * len(FIELDS), sum(len(operators[k].values) for k in order)))
    return 0


def Problems(operators, order, rows, provenance_text):
    """Where the table's rows and the provenance table disagree with the mapping and the sources."""
    expected = ExpectedAll(operators, order)
    problems = []
    for key, row in rows.items():
        if key not in operators:
            if any(row[n] for n in FIELD_NAMES):
                problems.append("%s %s: provisioning texts but no line in the mapping" % (key, row["name"]))
            continue
        if operators[key].name != row["name"]:
            problems.append("%s: the mapping names %r, the table %r" % (key, operators[key].name, row["name"]))
        values, origin, _ = expected[key]
        for n in values:
            if row[n] != values[n]:
                problems.append("%s %s %s: the table has %r, the mapping and %s give %r" % (
                    key, row["name"], n, row[n], "its exception" if origin[n] == "exception" else "the source",
                    values[n]))
    for key in order:
        if key not in rows:
            problems.append("%s: in the mapping but not in the table" % key)
            continue
        op, row = operators[key], rows[key]
        gnome = GnomeValues(op)
        for n in FIELD_NAMES:
            differs = gnome[n] is not None and not Same(n, gnome[n], row[n])
            if differs and n not in op.kept:
                problems.append("%s %s %s: the table has %r, GNOME gives %r; change it, or say why we keep ours "
                                "with a keep line" % (key, op.name, n, row[n], gnome[n]))
            elif not differs and n in op.kept:
                problems.append("%s %s %s: a keep line, but GNOME does not contradict %r" % (key, op.name, n, row[n]))
    if provenance_text != ProvenanceLines(operators, order):
        problems.append("%s is not what the mapping gives; run: tools/apn/operator_sources.py write" %
                        os.path.relpath(PROVENANCE, ROOT))
    return problems


def SelfTest(args):
    """The check itself: it must find a changed text of each kind, a
    changed provenance table, a text GNOME contradicts without a reason and
    a reason where GNOME agrees, and refuse an exception or a kept
    disagreement without its reason."""
    operators, order = ReadMapping()
    _, rows = ReadTable()
    provenance = open(PROVENANCE, encoding="utf-8").read()
    failures = []
    if Problems(operators, order, rows, provenance):
        failures.append("the project's own table does not pass")
    traced = next(k for k in order if operators[k].confirmed and not operators[k].values)
    excepted = next(k for k in order if operators[k].confirmed and operators[k].values)
    unconfirmed = next(k for k in order if not operators[k].confirmed)
    changes = [(traced, "apn"), (traced, "mmspassword"), (excepted, next(iter(operators[excepted].values))),
               (unconfirmed, "gateway"), (traced, "account")]
    for key, field in changes:
        changed = {k: dict(v) for k, v in rows.items()}
        changed[key][field] += "x"
        if not any(key in p and field in p for p in Problems(operators, order, changed, provenance)):
            failures.append("a change of %s %s went unnoticed" % (key, field))
    unlisted = {k: dict(v) for k, v in rows.items()}
    spare = next(k for k, v in rows.items() if k not in operators)
    unlisted[spare]["apn"] = "internet"
    if not Problems(operators, order, unlisted, provenance):
        failures.append("texts in a slot the mapping does not name went unnoticed")
    if not Problems(operators, order, rows, provenance.replace("lineage-current", "cm-14.1", 1)):
        failures.append("a changed provenance table went unnoticed")
    if not Problems(operators, order, rows, re.sub(r"\n    2\)", "\n    1)", provenance, 1)):
        failures.append("a changed count of confirming sources went unnoticed")
    kept = next(k for k in order if operators[k].kept)
    field = next(iter(operators[kept].kept))
    reason = operators[kept].kept.pop(field)
    if not any(kept in p and field in p and "GNOME" in p for p in Problems(operators, order, rows, provenance)):
        failures.append("%s %s, which GNOME contradicts, went unnoticed without its reason" % (kept, field))
    operators[kept].kept[field] = reason
    agreed = next(k for k in order if operators[k].gnome and "apn" not in operators[k].kept)
    operators[agreed].kept["apn"] = "a reason for nothing"
    if not any(agreed in p and "apn" in p for p in Problems(operators, order, rows, provenance)):
        failures.append("a reason to keep %s apn, which GNOME does not contradict, went unnoticed" % agreed)
    del operators[agreed].kept["apn"]
    import tempfile
    for wrong, what in (("value\t0.0\tapn\tcmnet\t", "an exception"),
                        ("gnome\t0.0\tcn\tChina Unicom\t3gnet\t=\t3gwap\t\nkeep\t0.0\taccount\t",
                         "a kept disagreement")):
        with tempfile.NamedTemporaryFile("w", suffix=".tsv", delete=False, encoding="utf-8") as f:
            f.write("0.0\tChina Unicom\tlineage-current\t460-01\tx\t=\ty\t\n%s\n" % wrong)
        try:
            ReadMapping(f.name)
            failures.append("%s without its reason was taken" % what)
        except Failure:
            pass
        finally:
            os.unlink(f.name)
    print("\n".join(failures) if failures else "ok: the check finds every change it was shown")
    return 1 if failures else 0


def CheckCli(cli, operators, rows):
    """The compiled table and the provenance the user sees, through the CLI."""
    out = subprocess.run([cli, "operators", "--json"], capture_output=True, text=True, encoding="utf-8")
    if out.returncode != 0:
        return ["%s operators --json: status %d" % (cli, out.returncode)]
    problems, seen = [], 0
    for country in json.loads(out.stdout):
        for entry in country["operators"]:
            key = "%d.%d" % (country["byOperatorCountry"], entry["byOperator"])
            seen += 1
            for name, field, *_ in FIELDS:
                if entry.get(field) != rows[key][name]:
                    problems.append("%s: the CLI shows %s %r, the table has %r" % (key, field, entry.get(field),
                                                                                  rows[key][name]))
            op, source = operators.get(key), entry.get("source", {})
            want = {"confirmedBy": Confidence(op, Expected(op)[0]) if op else 0}
            if op and op.confirmed:
                want.update(release=op.release, mccMnc=op.mcc_mnc, carrier=op.data_carrier,
                            mmsRelease=op.mms_release, mmsCarrier=op.mms_carrier)
            if op and op.gnome:
                want["gnome"] = dict(zip(("provider", "apn", "mmsApn"), GnomeCells(op)))
            want["exceptions"] = [FIELDS[FIELD_NAMES.index(n)][1] for n in FIELD_NAMES if op and n in op.values]
            for k, v in want.items():
                if source.get(k) != v:
                    problems.append("%s: the CLI shows source %s %r, the mapping gives %r" % (key, k, source.get(k), v))
    if seen != 123:
        problems.append("the CLI lists %d operators, not 123" % seen)
    return problems


def Write(args):
    operators, order = ReadMapping()
    expected = {k: v[0] for k, v in ExpectedAll(operators, order).items()}
    text, _ = ReadTable()
    with open(TABLE, "w", encoding="utf-8") as f:
        f.write(RewriteTable(text, expected))
    with open(PROVENANCE, "w", encoding="utf-8") as f:
        f.write(ProvenanceLines(operators, order))
    print("wrote %s and %s" % (os.path.relpath(TABLE, ROOT), os.path.relpath(PROVENANCE, ROOT)))
    return 0


def Same(name, source, ours):
    """Equal as a camera uses them: access point names and URLs without
    their letters' case, a URL with or without its closing slash."""
    if name in ("apn", "mmsapn"):
        return source.lower() == ours.lower()
    if name == "mmsc":
        return source.lower().rstrip("/") == ours.lower().rstrip("/")
    return source == ours


def Report(args):
    """Each text of a table against both sources: per field, how many agree
    with the chosen Android entry and GNOME's, with one of them, with neither,
    and how many GNOME says nothing about; then every text that differs from
    a source that gives one, with the reason the mapping keeps for it."""
    operators, order = ReadMapping(args.mapping or MAPPING)
    _, rows = ReadTable(args.table or TABLE)
    kinds = ("both", "android only", "gnome only", "neither", "gnome silent")
    counts = {n: dict.fromkeys(kinds, 0) for n in FIELD_NAMES}
    lines, unsourced, ungnomed = [], [], []
    for key in order:
        op, row = operators[key], rows[key]
        if not op.confirmed:
            unsourced.append("%s %s" % (key, op.name))
        if not op.gnome:
            ungnomed.append("%s %s" % (key, op.name))
        found = Confirmations(op, row)
        _, _, entries = Expected(op, strict=False)
        gnome = GnomeValues(op)
        for name, _, kind, attr, _ in FIELDS:
            android = "android" in found[name]
            if gnome[name] is None:
                counts[name]["gnome silent" if android else "neither"] += 1
            else:
                counts[name][{(True, True): "both", (True, False): "android only", (False, True): "gnome only",
                              (False, False): "neither"}[(android, "gnome" in found[name])]] += 1
            sources = []
            if entries.get(kind) is not None and not android:
                sources.append("android %r" % Canonical(name, entries[kind].get(attr, "")))
            if gnome[name] is not None and "gnome" not in found[name]:
                sources.append("gnome %r" % gnome[name])
            if sources:
                reason = op.kept.get(name) or op.values.get(name, (None, ""))[1]
                lines.append("  %-5s %-16s %-12s ours %r; %s%s" % (key, op.name, name, row[name], ", ".join(sources),
                                                                   ("  -- " + reason) if reason else ""))
    print("\n".join(lines))
    print("%-12s %6s %13s %11s %8s %13s" % ("field", *kinds))
    for name in FIELD_NAMES:
        print("%-12s %6d %13d %11d %8d %13d" % (name, *(counts[name][k] for k in kinds)))
    total = {k: sum(counts[n][k] for n in FIELD_NAMES) for k in kinds}
    print("%-12s %6d %13d %11d %8d %13d" % ("all", *(total[k] for k in kinds)))
    levels = [Confidence(operators[k], rows[k]) for k in order]
    print("operators: %d; in Android's files: %d; in GNOME's: %d; confirmed by two sources: %d, by one: %d, "
          "unconfirmed: %d" % (len(order), len(order) - len(unsourced), len(order) - len(ungnomed), levels.count(2),
                               levels.count(1), levels.count(0)))
    print("in no Android file: %s" % ", ".join(unsourced))
    print("not in GNOME's file: %s" % ", ".join(ungnomed))
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    check = sub.add_parser("check")
    check.add_argument("--cli", help="also compare `trailcfg-cli operators --json` of this program")
    sub.add_parser("write")
    sub.add_parser("selftest")
    report = sub.add_parser("report")
    report.add_argument("--table", help="an operator_data.inc to compare (default: the project's)")
    report.add_argument("--mapping", help="an operator_sources.tsv to compare it through (default: the project's)")
    args = parser.parse_args()
    try:
        return {"check": Check, "write": Write, "report": Report, "selftest": SelfTest}[args.command](args)
    except Failure as e:
        print("error: %s" % e, file=sys.stderr)
        return 2


if __name__ == "__main__":
    sys.exit(main())
