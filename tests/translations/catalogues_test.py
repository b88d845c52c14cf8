# SPDX-License-Identifier: MIT
# Every catalogue is complete and sound: refreshed from the sources (as update_translations does,
# into a copy), it has no unfinished, missing or vanished entry, and each translation keeps the
# placeholders (%1, %2 ...), the one mnemonic "&" and the edge blanks of its source.
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

lupdate, source_dir = sys.argv[1], Path(sys.argv[2])
folders = "core display functions files memory stats constants speech tape keys session shell widgets cli".split()
sources = [str(p) for folder in folders for p in sorted((source_dir / folder).glob("*.[ch]*"))]
failures = []

with tempfile.TemporaryDirectory() as work:
    descriptions = Path(work) / "constant_descriptions.cpp"
    subprocess.run([sys.executable, str(source_dir / "translations" / "constant_descriptions.py"),
                    str(source_dir / "constants" / "constant_table.cpp"), str(descriptions)], check=True)
    sources.append(str(descriptions))
    for catalogue in sorted((source_dir / "translations").glob("numora_*.ts")):
        copy = Path(work) / catalogue.name
        shutil.copy(catalogue, copy)
        subprocess.run([lupdate, "-no-obsolete", "-locations", "none", "-silent", *sources, "-ts", str(copy)],
                       check=True)
        for context in ElementTree.parse(copy).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source") or ""
                translation = message.find("translation")
                text = translation.text or ""
                where = f"{catalogue.name} [{name}] {source!r}"
                if translation.get("type") in ("unfinished", "vanished", "obsolete") or not text:
                    failures.append(f"{where}: not translated ({translation.get('type') or 'empty'})")
                    continue
                if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                    failures.append(f"{where}: placeholders differ in {text!r}")
                mnemonics = lambda s: len(re.findall(r"&(?!&)", s.replace("&&", "")))
                if mnemonics(source) != mnemonics(text):
                    failures.append(f"{where}: mnemonic '&' differs in {text!r}")
                for edge in (lambda s: len(s) - len(s.lstrip(" ")), lambda s: len(s) - len(s.rstrip(" "))):
                    if edge(source) != edge(text):
                        failures.append(f"{where}: edge blanks differ in {text!r}")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
