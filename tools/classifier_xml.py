"""Shared helpers of the generators that turn the public classifier tables into
the XML files installed next to the program.

The program reads these files as windows-1251 XML, so every generator writes
through write_cp1251_xml(): a character that windows-1251 cannot hold stops the
generator instead of being replaced.
"""
import csv
import os
import sys

DATA_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
DECLARATION = '<?xml version="1.0" encoding="windows-1251"?>\n'


def default_source(file_name):
    """Where the classifier tables lie unless a path is given on the command line."""
    return os.environ.get("KVZ_CLASSIFIER_DIR", "/work/shared/data") + "/" + file_name


def read_table(path, columns):
    """Rows of a ';'-separated UTF-8 table as dicts; the header must hold `columns`."""
    with open(path, encoding="utf-8", newline="") as f:
        reader = csv.DictReader(f, delimiter=";")
        missing = [c for c in columns if c not in (reader.fieldnames or [])]
        if missing:
            sys.exit(f"{path}: no column {', '.join(missing)}")
        return list(reader)


def escape(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


def attributes(pairs):
    return "".join(f' {name}="{escape(value)}"' for name, value in pairs)


def element(name, attrs, text=None):
    if text is None:
        return f"<{name}{attributes(attrs)}/>"
    return f"<{name}{attributes(attrs)}>{escape(text)}</{name}>"


def write_cp1251_xml(path, root, root_attrs, children):
    """Writes the declaration, the root and one child element a line."""
    lines = [DECLARATION, f"<{root}{attributes(root_attrs)}>\n"]
    lines += [f"  {child}\n" for child in children]
    lines.append(f"</{root}>\n")
    data = "".join(lines).encode("cp1251")  # raises on a character outside the code page
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


def output_path(file_name):
    return os.path.normpath(os.path.join(DATA_DIR, file_name))


def fail_unless(condition, message):
    if not condition:
        sys.exit(message)
