#!/usr/bin/env python3
"""Builds data/InspectionNumbers.xml, the inspection directory shipped with the program.

Source: tax_inspections_2015.csv (code;name), a dump of the directory of tax
authorities made in February 2017.

Why this table and not the later 2019 snapshot: a declaration for 2015 goes to the
inspection that served the taxpayer in 2015-2016. The 2017 dump still holds the
inspections that were merged away between 2016 and 2019 (hundreds of them became
"territorially separate workplaces" by 2019), while the ten codes that only the
2019 list has were created after 2017. The 2017 dump is therefore the closest
public state to the tax year. Its names are not all current (some still carry the
pre-2004 ministry wording); they are kept as they stand, because a name borrowed
from 2019 may describe a unit after a later reorganisation. The code is what the
declaration carries.

Like the import from the classifier table, the directory lists inspections only:
codes ending in "00" (the federal service and the regional administrations) are
left out. Nothing else is filtered: the table has no closing flag, and a stale
entry is less harmful to the user than a missing one.
"""
import sys

from classifier_xml import (default_source, element, fail_unless, output_path, read_table,
                            write_cp1251_xml)

# The directory's version text (the one the import writes too) and the date of the
# table: the day its source was last changed.
VERSION = "00"
TABLE_DATE = "08.02.2017"


def inspections(rows):
    for row in rows:
        code, name = row["code"].strip(), row["name"].strip()
        fail_unless(len(code) == 4 and code.isdigit(), f"not a four-digit code: {code!r}")
        fail_unless(name, f"no name for code {code}")
        if code[2:] != "00":
            yield code, name


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else default_source("tax_inspections_2015.csv")
    rows = read_table(source, ["code", "name"])
    entries = list(inspections(rows))
    fail_unless(len({code for code, _ in entries}) == len(entries), "duplicate inspection codes")
    children = [element("Inspection", [("Code", code)], name) for code, name in entries]
    target = output_path("InspectionNumbers.xml")
    write_cp1251_xml(target, "Inspections", [("Version", VERSION), ("Date", TABLE_DATE)], children)
    print(f"{target}: {len(entries)} inspections ({len(rows) - len(entries)} offices left out)")


if __name__ == "__main__":
    main()
