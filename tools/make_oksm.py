#!/usr/bin/env python3
"""Builds data/Oksm.xml, the country list of the citizenship and foreign-source pickers.

Source: oksm.csv (code;short_name;full_name;alpha2;alpha3), the state of the
classifier of countries valid for 2015-2016. Each country becomes one element with
the three-digit numeric code in "Code" and the short name as text: the short name
is the one the declaration forms print, and it is what the picker shows in its
"name of the state" column.
"""
import sys

from classifier_xml import (default_source, element, fail_unless, output_path, read_table,
                            write_cp1251_xml)


def countries(rows):
    for row in rows:
        code, name = row["code"].strip(), row["short_name"].strip()
        fail_unless(len(code) == 3 and code.isdigit(), f"not a three-digit country code: {code!r}")
        fail_unless(name, f"no name for country {code}")
        yield code, name


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else default_source("oksm.csv")
    entries = list(countries(read_table(source, ["code", "short_name"])))
    fail_unless(len({code for code, _ in entries}) == len(entries), "duplicate country codes")
    children = [element("Country", [("Code", code)], name) for code, name in entries]
    target = output_path("Oksm.xml")
    write_cp1251_xml(target, "Countries", [], children)
    print(f"{target}: {len(entries)} countries")


if __name__ == "__main__":
    main()
