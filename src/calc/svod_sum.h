#pragma once
// The summary calculation of one declaration: every computed sheet and the tax by
// rate with the payment and refund lines. Create one, run Calculate once, read the
// records, free it; nothing of it is stored with the document.
//
// Errors: Calculate raises no error of its own for amounts that make no sense (they
// flow through the formulas), but it never hands back half-computed records. When a
// step fails (an amount beyond what the program can hold, an internal fault) the
// records are cleared and the exception propagates to the caller, who must report it
// and must not use the records.
#include <cstdint>

#include "calc/records.h"

namespace kvz {

class mTDeclaration;

class kTSvodSum {
public:
    kTSvodSum() = default;
    kTSvodSum(const kTSvodSum&) = delete;
    kTSvodSum& operator=(const kTSvodSum&) = delete;

    // Resets every record.
    void Clear();

    // Runs the whole calculation in its fixed order and returns the overall result:
    // true when nothing is left to pay at any rate, at least one refund line was
    // produced and every line names the ОКТМО of a payment source; false when any
    // line has to carry the taxpayer's own ОКТМО, which the declaration check then
    // requires. The calculation also writes into the declaration the
    // income-kind code of each Russian income source, and the taxable income and tax
    // of each 35 % source, which the export reads from there.
    bool Calculate(mTDeclaration& declaration);

    // Binds the declaration for running single steps (tests); Calculate binds it itself.
    void Bind(mTDeclaration& declaration) { Declaration_ = &declaration; }
    mTDeclaration& Declaration() const;

    // The records, in the order of the form.
    kTSvodSumList1 List1;  // 13 %
    kTSvodSumList2 List2;  // 30 %, non-resident
    kTSvodSumList3 List3;  // 35 %, resident
    kTSvodSumList4 List4;  // 9 %, resident
    kTSvodSumList5 List5;  // 15 %, non-resident dividends
    kTSvodSumList6 List6;  // payment and refund lines
    kTSvodSumPrilA9 PrilA9;
    kTSvodSumPrilA13 PrilA13;
    kTSvodSumPrilA15 PrilA15;
    kTSvodSumPrilA30 PrilA30;
    kTSvodSumPrilA35 PrilA35;
    kTSvodSumPrilB PrilB13;
    kTSvodSumPrilB PrilB9;
    kTSvodSumPrilB PrilB35;
    kTSvodSumPrilV1 PrilV1;
    kTSvodSumPrilM PrilM;
    kTSvodSumPrilG PrilG;
    kTSvodSumPrilG_In PrilG_In;
    kTSvodSumPrilE1 PrilE1;
    kTSvodSumPrilE2 PrilE2;
    kTSvodSumPrilE3 PrilE3;
    kTSvodSumPrilH1 PrilH1;
    kTSvodSumPrilZ PrilZ;
    kTSvodSumPrilJ PrilJ;
    kTSvodSumPrilI PrilI;

    // The steps of Calculate, each on the bound declaration. Each resets its own
    // record first and reports success.
    // Sheet А (sheet_a.cpp).
    bool CalcPrilA9();
    bool CalcPrilA13();
    bool CalcPrilA15();
    bool CalcPrilA30();
    bool CalcPrilA35();
    // Sheet В (sheet_v.cpp).
    bool CalcPrilV1();
    // Sheet Г (sheet_g.cpp).
    bool CalcPrilM();
    // Sheet Ж, Russian and foreign sources (sheet_zh.cpp).
    bool CalcPrilG();
    bool CalcPrilG_In();
    // Sheet Д2 (sheet_d2.cpp).
    bool CalcPrilH1();
    // Sheet И (sheet_i.cpp).
    bool CalcPrilI();
    // Sheet З (sheet_z.cpp).
    bool CalcPrilJ();
    // Sheet Б at 13, 9 or 35 (sheet_b.cpp); any other rate computes nothing.
    bool CalcPrilB(int32_t rate);
    // Sheets Е1 standard, Е2 contributions and investment, Е1 social
    // (sheet_e1.cpp, sheet_e3.cpp, sheet_e2.cpp).
    bool CalcPrilE1();
    bool CalcPrilE3();
    bool CalcPrilE2();
    // Sheet Д1 (sheet_d1.cpp).
    bool CalcPrilZ();
    // Tax by rate: 13, 30, 35, 9, 15 (tax_by_rate.cpp).
    bool CalcList1();
    bool CalcList2();
    bool CalcList3();
    bool CalcList4();
    bool CalcList5();
    // Payment and refund lines; its result is the overall result (payment_lines.cpp).
    bool CalcList6();

    // The sheet Б record of a rate (13, 9 or 35), or nullptr.
    kTSvodSumPrilB* PrilBOfRate(int32_t rate);

private:
    bool RunSteps();

    mTDeclaration* Declaration_ = nullptr;
};

}  // namespace kvz
