#!/usr/bin/env python3
"""Writes data/example.json: a realistic resident's declaration for 2015 that the
build turns into data/example.qz5 with `kvarzen-cli create`.

Two employers (January-June and July-December) with monthly salary lines, one
child, a flat bought in 2015 with a mortgage, treatment and the taxpayer's own
education."""
import json
import pathlib

SALARY = ("Вознаграждение, получаемое налогоплательщиком за выполнение трудовых или иных обязанностей; "
          "денежное содержание и иные налогооблагаемые выплаты военнослужащим и приравненным к ним "
          "категориям физических лиц (кроме выплат по договорам гражданско-правового характера)")


def employer(inn, kpp, oktmo, name, months, monthly, withheld, standard_here):
    lines = [{"IncomeCode": 2000, "IncomeName": SALARY, "IncomeAmount": str(monthly), "DeductionCode": 0,
              "DeductionAmount": "0", "DeductionRate": 0, "Month": m} for m in months]
    month_amounts = [str(monthly) if m in months else None for m in range(1, 13)]
    return {"Inn": inn, "Kpp": kpp, "Oktmo": oktmo, "SourceName": name, "TaxWithheld": str(withheld),
            "Lines": lines, "MonthAmounts": month_amounts, "StandardDeductionsHere": standard_here}


example = {
    "InspectionCode": "7724",
    "CorrectionNumber": 0,
    "SigningDate": "15.03.2016",
    "ConfirmedBy": 0,
    "TaxpayerKind": 5,
    "DeclarationKind": 0,
    "IncomeKinds": 1,
    "AutoCountSheets": True,
    "SupportingSheets": 6,
    "Person": {
        "Surname": "Смирнова", "FirstName": "Ольга", "Patronymic": "Викторовна",
        "PersonInn": "772412345636",
        "DocTypeCode": 21, "DocTypeName": "Паспорт гражданина Российской Федерации",
        "DocSeriesNumber": "45 08 123456", "DocIssueDate": "12.09.2008", "BirthDate": "04.06.1983",
        "DocIssuedBy": "ОВД района Бирюлево Восточное г. Москвы", "BirthPlace": "г. Москва",
        "CitizenshipKind": "1", "CitizenshipCountry": "РОССИЯ", "CitizenshipCode": "643",
        "PostIndex": "115569", "RegionCode": 77, "RegionName": "Москва г",
        "City": "Москва г", "Street": "Шипиловская ул", "House": "28", "Building": "1", "Flat": "112",
        "ResidenceOktmo": "45915000", "HomePhone": "+7 495 3216547",
    },
    "Thirteen": [
        employer("7724261610", "772401001", "45915000", "ООО \"Южный ветер\"", range(1, 7), 50000, 37908, True),
        employer("7705031674", "770501001", "45376000", "АО \"Северная звезда\"", range(7, 13), 60000, 46800, False),
    ],
    "Standard": {"Granted": True, "ChildrenCount": 1, "ChildrenConstant": True},
    "Social": {"Granted": True, "Treatment": "38500", "OwnEducation": "45000"},
    "Construction": {
        "Granted": True,
        "Objects": [{
            "ObjectNameCode": 2, "OwnershipKind": 1, "TaxpayerSign": 1,
            "PostIndex": "115569", "RegionCode": "77", "City": "Москва г", "Street": "Шипиловская ул",
            "House": "28", "Building": "1", "Flat": "112",
            "RightRegDate": "20.05.2015", "TransferActDate": "14.04.2015", "ApplicationDate": "20.05.2015",
            "FirstUseYear": "01.01.2016", "ShareNumerator": 1, "ShareDenominator": 1,
            "ObjectCost": "4350000", "CreditInterest": "96240.55",
        }],
    },
}

out = pathlib.Path(__file__).resolve().parent.parent / "data" / "example.json"
out.write_text(json.dumps(example, ensure_ascii=False, indent=2) + "\n", encoding="utf-8")
