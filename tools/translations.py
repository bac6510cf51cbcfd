#!/usr/bin/env python3
"""The interface translations: one .ts file per group of subsystems and language.

  tools/translations.py update [--group G]
                                      runs lupdate: new source texts appear as unfinished
  tools/translations.py check [--sources]
                                      fails on a text without a finished translation, on a
                                      translation that drops a placeholder or an accelerator
                                      the source has; with --sources, also on a source text of
                                      the code that is not in the files yet (lupdate on copies)
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDER = os.path.join(ROOT, "src", "translations")
LANGUAGES = ["en", "es", "fr"]
# The command line stays Italian: it is for scripts, whose output must not change with a
# setting.
GROUPS = {
    "shell": ["src/common", "src/store", "src/shell"],
    "company": ["src/company", "src/print"],
    "items": ["src/items", "src/barcode", "src/exchange"],
    "movements": ["src/movements", "src/counterparts", "src/agenda"],
}


def lupdate():
    for name in ("lupdate", "/usr/lib/qt6/bin/lupdate"):
        path = shutil.which(name) or (name if os.path.exists(name) else None)
        if path:
            return path
    sys.exit("translations: lupdate not found (Debian package qt6-l10n-tools)")


def ts_file(folder, group, language):
    return os.path.join(folder, "quarzil_%s_%s.ts" % (group, language))


def run_lupdate(folder, quiet=False, only=None):
    for group, dirs in GROUPS.items():
        if only and group != only:
            continue
        for language in LANGUAGES:
            target = ts_file(folder, group, language)
            subprocess.run(
                [lupdate(), "-silent", "-locations", "none", "-no-obsolete",
                 "-source-language", "it_IT", "-target-language", language,
                 "-extensions", "cpp,h"]
                + [os.path.join(ROOT, d) for d in dirs] + ["-ts", target],
                check=True, stderr=subprocess.DEVNULL if quiet else None)


PLACEHOLDER = re.compile(r"%(?:L?[1-9][0-9]?|n|s|d|ld|u|f|c|%)")


def accelerator(text):
    """The accelerator letter marked with a single '&', or None."""
    i = 0
    while i < len(text):
        if text[i] == "&":
            if i + 1 < len(text) and text[i + 1] == "&":
                i += 2
                continue
            if i + 1 < len(text) and not text[i + 1].isspace():
                return True
        i += 1
    return None


def problems_of(path):
    found = []
    tree = ET.parse(path)
    for context in tree.getroot().iter("context"):
        cname = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = "%s: [%s] %r" % (os.path.basename(path), cname, source)
            numerus = message.get("numerus") == "yes"
            if translation is None:
                found.append(where + ": no translation")
                continue
            kind = translation.get("type")
            if kind in ("obsolete", "vanished"):
                continue
            if numerus:
                forms = [f.text or "" for f in translation.iter("numerusform")]
            else:
                forms = [translation.text or ""]
            if kind == "unfinished" or not all(f.strip() for f in forms):
                found.append(where + ": unfinished")
                continue
            wanted = sorted(PLACEHOLDER.findall(source))
            for form in forms:
                if sorted(PLACEHOLDER.findall(form)) != wanted and not numerus:
                    found.append(where + ": placeholders %s became %s"
                                 % (wanted, sorted(PLACEHOLDER.findall(form))))
                if accelerator(source) and not accelerator(form):
                    found.append(where + ": the accelerator '&' is lost in %r" % form)
    return found


def check(sources):
    folder = FOLDER
    scratch = None
    if sources:
        # lupdate on copies: a source text missing from a file shows as unfinished there.
        scratch = tempfile.mkdtemp(prefix="quarzil-ts-")
        for group in GROUPS:
            for language in LANGUAGES:
                if os.path.exists(ts_file(FOLDER, group, language)):
                    shutil.copy(ts_file(FOLDER, group, language), scratch)
        run_lupdate(scratch, quiet=True)
        folder = scratch
    found = []
    for group in GROUPS:
        for language in LANGUAGES:
            path = ts_file(folder, group, language)
            if not os.path.exists(path):
                found.append("%s: missing" % os.path.basename(path))
                continue
            found += problems_of(path)
    if scratch:
        shutil.rmtree(scratch)
    for line in found:
        print(line)
    print("%d problem(s)" % len(found))
    return 1 if found else 0


if __name__ == "__main__":
    if len(sys.argv) >= 2 and sys.argv[1] == "update":
        # "update --group items": only that group's files, so that work on two groups never
        # touches the same file.
        only = sys.argv[3] if len(sys.argv) >= 4 and sys.argv[2] == "--group" else None
        if only and only not in GROUPS:
            sys.exit("translations: the groups are " + ", ".join(GROUPS))
        run_lupdate(FOLDER, only=only)
        sys.exit(0)
    if len(sys.argv) >= 2 and sys.argv[1] == "check":
        sys.exit(check("--sources" in sys.argv[2:]))
    sys.exit(__doc__)
