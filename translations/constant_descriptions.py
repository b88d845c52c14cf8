# SPDX-License-Identifier: MIT
# The constants' descriptions live inside the rows of constants/constant_table.cpp ("No<+>symbol<+>
# description<+>value<+>unit"), where lupdate cannot see them: this writes them, marked for the
# catalogues, into a C++ file that only lupdate reads. Usage: constant_descriptions.py TABLE OUT
import re
import sys
from pathlib import Path

table, out = Path(sys.argv[1]), Path(sys.argv[2])
rows = re.findall(r'^\s*"(\d+<\+>.*)",?\s*$', table.read_text(encoding="utf-8"), re.MULTILINE)
descriptions = [row.split("<+>")[2].strip() for row in rows]
lines = [f'    QT_TRANSLATE_NOOP("Constants", "{text}"),' for text in descriptions]
out.write_text("// Generated from constants/constant_table.cpp for lupdate.\n"
               "const char* const kConstantDescriptions[] = {\n" + "\n".join(lines) + "\n};\n",
               encoding="utf-8")
