#!/usr/bin/env python3
"""Builds data/IncomeDict.xml, the income and deduction code dictionary that the
program carries inside itself.

Names come from the tax authority's classifiers of income codes and deduction codes
for 2015 (income_codes_2015.csv, deduction_codes_2015.csv). The classifiers do not
say which codes the declaration offers at which rate, which deductions go with which
income, or how a deduction amount is found; that structure is the table below.

    make_income_dict.py CSV_DIR [--out FILE]   write the dictionary
    make_income_dict.py CSV_DIR --check FILE   fail unless FILE is exactly what would
                                               be written (run after editing the table)
"""

import argparse
import csv
import os
import sys

# (income code, tax group, flags) in the order the picker shows them.
# Flags: N = a non-resident may have it taxed at 13 %, S = a sale of property or
# securities (the line carries a sale date).
INCOMES = [
    ("1000", "99", ""),
    ("1010", "14", ""),
    ("1011", "13", ""),
    ("1110", "9", ""),
    ("1120", "9", ""),
    ("1200", "13", ""),
    ("1201", "13", ""),
    ("1202", "13", ""),
    ("1203", "13", ""),
    ("1211", "13", ""),
    ("1212", "13", ""),
    ("1213", "13", ""),
    ("1215", "13", ""),
    ("1219", "13", ""),
    ("1220", "13", ""),
    ("1240", "13", ""),
    ("1300", "13", ""),
    ("1301", "13", ""),
    ("1400", "13", ""),
    ("1510", "13", "S"),
    ("1511", "13", "S"),
    ("1512", "13", "S"),
    ("1520", "13", "S"),
    ("1530", "13", "S"),
    ("1536", "13", "S"),
    ("1531", "13", "S"),
    ("1532", "13", "S"),
    ("1535", "13", "S"),
    ("1533", "13", "S"),
    ("1537", "13", "S"),
    ("9537", "13", "S"),
    ("1538", "13", "S"),
    ("9538", "13", "S"),
    ("1539", "13", "S"),
    ("1540", "13", ""),
    ("1541", "13", "S"),
    ("1542", "13", ""),
    ("1543", "13", ""),
    ("1550", "13", ""),
    ("2000", "13", "N"),
    ("2001", "13", "N"),
    ("2010", "13", "N"),
    ("2012", "13", "N"),
    ("2201", "13", ""),
    ("2202", "13", ""),
    ("2203", "13", ""),
    ("2204", "13", ""),
    ("2205", "13", ""),
    ("2206", "13", ""),
    ("2207", "13", ""),
    ("2208", "13", ""),
    ("2209", "13", ""),
    ("2210", "13", ""),
    ("2220", "13", ""),
    ("2300", "13", "N"),
    ("2400", "13", ""),
    ("2510", "13", ""),
    ("2520", "13", ""),
    ("2530", "13", "N"),
    ("2610", "35", ""),
    ("2620", "35", ""),
    ("2630", "13", ""),
    ("2640", "13", ""),
    ("2641", "13", ""),
    ("2710", "13", ""),
    ("2720", "13", ""),
    ("2730", "13", ""),
    ("2740", "35", ""),
    ("2750", "13", ""),
    ("2760", "13", ""),
    ("2761", "13", ""),
    ("2762", "13", ""),
    ("2770", "13", ""),
    ("2780", "13", ""),
    ("2790", "13", ""),
    ("2791", "13", "N"),
    ("2800", "13", ""),
    ("2900", "13", ""),
    ("3010", "13", ""),
    ("3020", "35", ""),
    ("3022", "35", ""),
    ("4800", "13", ""),
    ("4900", "13", ""),
]

# Deductions (expenses) that may go with an income, in the order offered. Every list
# gets the "no deduction" entry appended. Incomes not named here allow no deduction.
DEDUCTIONS_OF = {
    "1211": ["510"],
    "1510": ["901", "903"],
    "1511": ["904", "903"],
    "1512": ["902", "903"],
    "1520": ["906", "903"],
    "1530": ["201", "218"],
    "1531": ["202", "219"],
    "1536": ["203"],
    "1532": ["206"],
    "1535": ["207"],
    "1533": ["220"],
    "1537": ["211"],
    "9537": ["211"],
    "1538": ["215"],
    "9538": ["215"],
    "1539": ["213"],
    "1540": ["315"],
    "1542": ["316"],
    "1550": ["314"],
    "2010": ["403"],
    "2201": ["404", "405"],
    "2202": ["404", "405"],
    "2203": ["404", "405"],
    "2204": ["404", "405"],
    "2205": ["404", "405"],
    "2206": ["404", "405"],
    "2207": ["404", "405"],
    "2208": ["404", "405"],
    "2209": ["404", "405"],
    "2720": ["501"],
    "2730": ["502"],
    "2740": ["505"],
    "2760": ["503"],
    "2761": ["506"],
    "2762": ["508"],
    "2770": ["504"],
    "2790": ["507"],
    "2791": ["509"],
    "4900": ["908"],
}

NO_DEDUCTION = "0"
NO_DEDUCTION_NAME = "Не предоставлять вычет"

# How the amount of a deduction is found. Anything not listed is typed by the user
# without a limit.
#   enabled: the user may type the amount; equivalent: the amount follows the income;
#   max: ceiling in roubles ("0" = none).
TYPED = {"visible": True, "enabled": True, "equivalent": False, "max": "0"}
AMOUNT_RULES = {
    "510": {"equivalent": True, "max": "12000"},
    "901": {"enabled": False, "equivalent": True, "max": "1000000"},
    "902": {"enabled": False, "equivalent": True, "max": "250000"},
    "904": {"max": "1000000"},
    "906": {"max": "250000"},
    "405": {"enabled": False},
    "501": {"equivalent": True, "max": "4000"},
    "502": {"equivalent": True, "max": "4000"},
    "503": {"equivalent": True, "max": "4000"},
    "504": {"equivalent": True, "max": "4000"},
    "505": {"equivalent": True, "max": "4000"},
    "506": {"equivalent": True, "max": "4000"},
    "507": {"equivalent": True, "max": "10000"},
    NO_DEDUCTION: {"visible": False, "enabled": False},
}

# Normative author's expenses (code 405) as a percentage of the income, by income code.
NORMATIVE_PERCENT = {
    "2201": "20", "2202": "30", "2203": "40", "2204": "30", "2205": "40",
    "2206": "25", "2207": "20", "2208": "20", "2209": "30",
}

# Codes the declaration uses that the classifiers of income and deduction codes do
# not carry: profit of controlled foreign companies, the property-sale and seizure
# codes of the property deduction sheet, REPO and securities loans on securities not
# traded on an organised market, gifts, and the material benefit on housing loans.
# Their wording follows the Tax Code and the declaration's own sheets.
OWN_INCOME_NAMES = {
    "1000": "Суммы прибыли контролируемых иностранных компаний",
    "1510": "Доходы от продажи жилых домов, квартир, комнат, включая приватизированные жилые "
            "помещения, дач, садовых домиков, земельных участков (за исключением долей в "
            "указанном имуществе)",
    "1511": "Доходы от продажи долей в жилых домах, квартирах, комнатах, включая "
            "приватизированные жилые помещения, дачах, садовых домиках, земельных участках",
    "1512": "Доходы от продажи иного недвижимого имущества",
    "1520": "Доходы от продажи иного имущества",
    "9537": "Доходы в виде процентов по займу, полученные по совокупности операций РЕПО, "
            "объектом которых являются ценные бумаги, не обращающиеся на организованном рынке "
            "ценных бумаг",
    "9538": "Доходы в виде процентов, полученных в налоговом периоде по совокупности договоров "
            "займа ценными бумагами, не обращающимися на организованном рынке ценных бумаг",
    "2220": "Доходы, полученные в порядке дарения",
    "2620": "Материальная выгода, полученная от экономии на процентах за пользование заемными "
            "(кредитными) средствами, израсходованными на новое строительство либо приобретение "
            "на территории Российской Федерации жилья, при наличии права на имущественный "
            "налоговый вычет",
    "4900": "Доходы от изъятия имущества для государственных или муниципальных нужд",
}

OWN_DEDUCTION_NAMES = {
    "314": "Сумма фактически произведенных и документально подтвержденных расходов, связанных "
           "с уступкой прав требования по договору участия в долевом строительстве",
    "315": "Сумма фактически произведенных и документально подтвержденных расходов, связанных "
           "с реализацией доли (ее части) в уставном капитале организации",
    "316": "Сумма фактически произведенных и документально подтвержденных расходов, связанных "
           "с выходом из состава участников организации",
    "901": "Имущественный налоговый вычет при продаже жилых домов, квартир, комнат, дач, "
           "садовых домиков, земельных участков (в пределах 1 000 000 руб.)",
    "902": "Имущественный налоговый вычет при продаже иного недвижимого имущества "
           "(в пределах 250 000 руб.)",
    "903": "В сумме документально подтвержденных расходов ",
    "904": "Имущественный налоговый вычет при продаже долей в жилых домах, квартирах, "
           "комнатах, дачах, садовых домиках, земельных участках (в пределах 1 000 000 руб.)",
    "906": "Имущественный налоговый вычет при продаже иного имущества "
           "(в пределах 250 000 руб.)",
    "908": "Вычет, предусмотренный пп. 1.1 п.1 ст. 220 НК",
}

# Short captions the picker shows in place of the classifier's long wording.
SHORT_DEDUCTION_NAMES = {
    "405": "В пределах норматива затрат",
    "509": "Сумма оплаты труда в натуральной форме",
    "510": "Вычет в сумме уплаченных работодателем страховых взносов за работника "
           "(в пределах 12 000)",
}


def read_classifier(path):
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.DictReader(f, delimiter=";"))
    names = {}
    for row in rows:
        code, name = row["code"].strip(), row["name"]
        if not code or not name.strip():
            raise SystemExit(f"{path}: empty code or name in row {row}")
        names[code] = name
    return names


def pick_name(code, classifier, own, short, kind):
    """The classifier's name, unless the code is one of the program's own or has a
    short caption. Refuses a code that is neither, so no code enters unnoticed."""
    if code in own:
        if code in classifier:
            raise SystemExit(f"{kind} {code} is in the classifier now; drop its own name")
        return own[code]
    if code not in classifier:
        raise SystemExit(f"{kind} {code} is neither in the classifier nor named here")
    return short.get(code, classifier[code])


def check_table():
    codes = [c for c, _, _ in INCOMES]
    if len(set(codes)) != len(codes):
        raise SystemExit("an income code is listed twice")
    for code in DEDUCTIONS_OF:
        if code not in codes:
            raise SystemExit(f"deductions given for unknown income {code}")
    for code in NORMATIVE_PERCENT:
        if "405" not in DEDUCTIONS_OF.get(code, []):
            raise SystemExit(f"normative percentage for {code} which has no 405")
    for _, stav, flags in INCOMES:
        if not stav.isdigit() or set(flags) - {"N", "S"}:
            raise SystemExit(f"bad rate or flags: {stav!r} {flags!r}")


def attr(value):
    return (value.replace("&", "&amp;").replace("<", "&lt;")
                 .replace(">", "&gt;").replace('"', "&quot;"))


def bool_text(flag):
    return "True" if flag else "False"


def deduction_line(income, code, name):
    rule = dict(TYPED)
    rule.update(AMOUNT_RULES.get(code, {}))
    stav = NORMATIVE_PERCENT[income] if code == "405" else " "
    return ('    <Deduction Code="%s" Name="%s" Stav="%s" Visible="%s" Enabled="%s" '
            'Equivalent="%s" MaxSum="%s"/>' % (
                attr(code), attr(name), attr(stav), bool_text(rule["visible"]),
                bool_text(rule["enabled"]), bool_text(rule["equivalent"]), attr(rule["max"])))


def build(csv_dir):
    check_table()
    incomes = read_classifier(os.path.join(csv_dir, "income_codes_2015.csv"))
    deductions = read_classifier(os.path.join(csv_dir, "deduction_codes_2015.csv"))
    lines = ['<?xml version="1.0" encoding="windows-1251"?>', "<IncomeDict>"]
    for code, stav, flags in INCOMES:
        name = pick_name(code, incomes, OWN_INCOME_NAMES, {}, "income")
        head = '  <Income Stav="%s" Code="%s" Name="%s"' % (attr(stav), attr(code), attr(name))
        if "N" in flags:
            head += ' NRez13="True"'
        if "S" in flags:
            head += ' SaleDate="True"'
        own = DEDUCTIONS_OF.get(code, [])
        if not own:
            lines.append(head + "/>")
            continue
        lines.append(head + ">")
        for d in own:
            name = pick_name(d, deductions, OWN_DEDUCTION_NAMES, SHORT_DEDUCTION_NAMES, "deduction")
            lines.append(deduction_line(code, d, name))
        lines.append(deduction_line(code, NO_DEDUCTION, NO_DEDUCTION_NAME))
        lines.append("  </Income>")
    lines.append("</IncomeDict>")
    # encode() refuses any character windows-1251 cannot hold.
    return ("\n".join(lines) + "\n").encode("cp1251")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("csv_dir", help="folder holding income_codes_2015.csv and deduction_codes_2015.csv")
    default_out = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "IncomeDict.xml"))
    parser.add_argument("--out", default=default_out)
    parser.add_argument("--check", metavar="FILE", help="compare with FILE instead of writing")
    args = parser.parse_args()
    content = build(args.csv_dir)
    if args.check:
        with open(args.check, "rb") as f:
            if f.read() != content:
                print(f"{args.check} differs from the classifiers and the table", file=sys.stderr)
                return 1
        print(f"{args.check} matches ({len(content)} bytes)")
        return 0
    with open(args.out, "wb") as f:
        f.write(content)
    print(f"wrote {args.out} ({len(content)} bytes)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
