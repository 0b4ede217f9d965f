#!/usr/bin/env python3
"""Builds data/Sp_OKVED2.xml, the activity classifier of the business income screen.

Source: okved2.csv (level;code;parent;section;name). Only a later edition of the
classifier is publicly available (codes were added and some names reworded since
the first edition); it is used as it stands rather than guessing which entries
the first edition lacked.

Each entry is an element with the attributes
  GRUP  - the level, 1 (section) to 6;
  Kod   - the hierarchical key: the section letter followed by the code
          ("A", "A01", "A01.1", "A01.11", "A01.11.1", "A01.11.11"), so that the
          entries below a chosen one are exactly those whose key begins with its key;
  OKVED - the code as the declaration carries it ("01.11.1"; the letter for a section);
  Name  - the name.
The picker finds an entry by its name within a level, so names must be unique per
level; the generator checks that, and that every key begins with its parent's key.
"""
import sys

from classifier_xml import (default_source, element, fail_unless, output_path, read_table,
                            write_cp1251_xml)


def entries(rows):
    keys = {}
    for row in rows:
        level, code, section = int(row["level"]), row["code"].strip(), row["section"].strip()
        fail_unless(1 <= level <= 6, f"level {level} of {code}")
        fail_unless(code not in keys, f"duplicate code {code}")
        keys[code] = section if level == 1 else section + code
    seen_names = set()
    items = []
    for row in rows:
        level, code, parent, name = int(row["level"]), row["code"].strip(), row["parent"].strip(), row["name"].strip()
        key = keys[code]
        fail_unless(name, f"no name for {code}")
        if level > 1:
            fail_unless(parent in keys, f"parent {parent} of {code} is missing")
            fail_unless(key.startswith(keys[parent]), f"key {key} is not below {keys[parent]}")
        fail_unless((level, name) not in seen_names, f"duplicate name at level {level}: {name}")
        seen_names.add((level, name))
        items.append((level, key, code, name))
    # A few blocks added by amendments sit out of place in the table (for example
    # 38.32.2 before 38.32); ordering by key puts every entry right after its parent.
    return sorted(items, key=lambda item: item[1])


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else default_source("okved2.csv")
    items = list(entries(read_table(source, ["level", "code", "parent", "section", "name"])))
    children = [element("Item", [("GRUP", str(level)), ("Kod", key), ("OKVED", code), ("Name", name)])
                for level, key, code, name in items]
    target = output_path("Sp_OKVED2.xml")
    write_cp1251_xml(target, "OKVED2", [], children)
    counts = [sum(1 for item in items if item[0] == level) for level in range(1, 7)]
    print(f"{target}: {len(items)} entries, by level {counts}")


if __name__ == "__main__":
    main()
