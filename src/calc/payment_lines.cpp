// Payment and refund lines (Раздел 1): the tax to pay and to refund at every rate,
// split by budget classification code and ОКТМО, and the overall result.
#include <string>

#include "calc/rounding.h"
#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

namespace {

// Builds the lines of one declaration and remembers whether any of them had to take
// the taxpayer's own ОКТМО, which the declaration then must carry.
class PaymentLineBuilder {
public:
    PaymentLineBuilder(kTSvodSumList6& list, const std::string& taxpayerOktmo)
        : List_(list), TaxpayerOktmo_(taxpayerOktmo) {}

    // A new line at the taxpayer's ОКТМО.
    void Append(const char* kbk, const char* sign, Money amount) {
        UsesTaxpayerOktmo_ = true;
        List_.Lines.push_back(bmTList1{kbk, TaxpayerOktmo_, sign, amount});
    }

    // A payment joins the taxpayer's line of the same code, so that payments at
    // several rates make one line.
    void AddPayment(const char* kbk, Money amount) {
        UsesTaxpayerOktmo_ = true;
        AddTo(kbk, TaxpayerOktmo_, kPay, amount);
    }

    // The part of a refund that no source's withheld tax covers.
    void AddRefundRest(Money amount) {
        UsesTaxpayerOktmo_ = true;
        AddTo(kKbkWithheldRefund, TaxpayerOktmo_, kRefund, amount);
    }

    // Spreads the refund over the sources in list order, each taking at most the tax
    // it withheld, onto one line per ОКТМО of the sources. Returns the part left over.
    template <class Source>
    Money Allocate(Money refund, const mTItemList<Source>& sources) {
        for (int i = 0; i < sources.Count() && refund.Raw() > 0; ++i) {
            const Source& source = sources.Get(i);
            if (source.TaxWithheld.Raw() <= 0) continue;
            const Money taken = Smaller(refund, source.TaxWithheld);
            AddTo(kKbkWithheldRefund, source.Oktmo, kRefund, taken);
            refund -= taken;
        }
        return refund;
    }

    bool UsesTaxpayerOktmo() const { return UsesTaxpayerOktmo_; }

private:
    void AddTo(const char* kbk, const std::string& oktmo, const char* sign, Money amount) {
        for (bmTList1& line : List_.Lines) {
            if (line.Kbk == kbk && line.Oktmo == oktmo && line.PayOrRefund == sign) {
                line.Amount += amount;
                return;
            }
        }
        List_.Lines.push_back(bmTList1{kbk, oktmo, sign, amount});
    }

    kTSvodSumList6& List_;
    const std::string& TaxpayerOktmo_;
    bool UsesTaxpayerOktmo_ = false;
};

// Tax to pay less tax to refund: positive to pay, negative to refund.
Money NetTax(const kTSvodSumTaxByRate& rate) { return rate.TaxDue - rate.RefundDue; }

// A rate other than 13 %: a payment joins the common payment line; a refund goes to
// the sources that withheld the tax, in the order given. Nothing beyond their
// withheld tax is listed.
template <class... Lists>
void SettleRate(const kTSvodSumTaxByRate& rate, PaymentLineBuilder& lines, const Lists&... sources) {
    const Money net = NetTax(rate);
    if (net.Raw() > 0) {
        lines.AddPayment(kKbkOther, net);
    } else if (net.Raw() < 0) {
        Money refund = -net;
        ((refund = lines.Allocate(refund, sources)), ...);
    }
}

// The 13 % tax of a business taxpayer, part of which is the business tax.
void ResidentThirteenPayment(const kTSvodSum& sum, const mTDeclaration& d, Money net,
                             PaymentLineBuilder& lines) {
    if (d.IncomeKinds & kIncomeBusiness) {
        const kTSvodSumPrilV1& business = sum.PrilV1;
        const Money part =
            TaxAtRate(business.IncomeTotal - business.ProfessionalDeduction, kRate13) - business.AdvancePaid;
        if (part.Raw() > 0) {
            const Money onBusiness = Smaller(part, net);
            lines.Append(kKbkBusiness, kPay, onBusiness);
            net -= onBusiness;
        }
    }
    if (net.Raw() > 0) lines.Append(kKbkOther, kPay, net);
}

// A 13 % refund: the business advances first, then the sources' withheld tax, and
// what remains on the taxpayer's own line.
void ResidentThirteenRefund(const mTDeclaration& d, Money refund, PaymentLineBuilder& lines) {
    if ((d.IncomeKinds & kIncomeBusiness) && d.Business.Count() > 0 && d.AdvancePaid.Raw() > 0) {
        const Money advances = Smaller(d.AdvancePaid, refund);
        lines.Append(kKbkBusiness, kRefund, advances);
        refund -= advances;
    }
    refund = lines.Allocate(refund, d.Thirteen);
    refund = lines.Allocate(refund, d.InvestTov);
    refund = lines.Allocate(refund, d.Dividends);
    if (refund.Raw() > 0) lines.AddRefundRest(refund);
}

void ResidentLines(const kTSvodSum& sum, const mTDeclaration& d, PaymentLineBuilder& lines) {
    const Money net = NetTax(sum.List1);
    if (net.Raw() > 0)
        ResidentThirteenPayment(sum, d, net, lines);
    else if (net.Raw() < 0)
        ResidentThirteenRefund(d, -net, lines);
    SettleRate(sum.List4, lines, d.Nine);
    SettleRate(sum.List3, lines, d.ThirtyFive);
}

void NonResidentLines(const kTSvodSum& sum, const mTDeclaration& d, PaymentLineBuilder& lines) {
    const Money net = NetTax(sum.List1);
    if (net.Raw() > 0) {
        lines.Append(kKbkOther, kPay, net);
    } else if (net.Raw() < 0) {
        // A non-resident's partnership income is taxed at 30 % and its withheld tax
        // is refunded there; beyond the 13 % sources the refund stems from the
        // taxpayer's own advances and is the taxpayer's.
        const Money refund = lines.Allocate(-net, d.ThirteenNR);
        if (refund.Raw() > 0) lines.AddRefundRest(refund);
    }
    SettleRate(sum.List5, lines, d.Dividends);
    // The 30 % income comes from the 13 % sources and the partnerships alike (sheet
    // А), so its refund may be owed by either.
    SettleRate(sum.List2, lines, d.Thirteen, d.InvestTov);
}

// Entrepreneurs, farm heads, notaries, lawyers and arbitration managers file their
// empty declaration under the business code.
const char* EmptyDeclarationKbk(uint8_t taxpayerKind) {
    switch (taxpayerKind) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 6: return kKbkBusiness;
    default: return kKbkOther;
    }
}

bool NothingToPay(const kTSvodSum& sum) {
    const kTSvodSumTaxByRate* rates[] = {&sum.List1, &sum.List2, &sum.List3, &sum.List4, &sum.List5};
    for (const kTSvodSumTaxByRate* rate : rates)
        if (rate->RefundDue < rate->TaxDue) return false;
    return true;
}

}  // namespace

// The result is true only for a declaration that pays nothing and whose every line
// names the ОКТМО of a source: then the taxpayer's own ОКТМО is not needed. A line
// that has to carry the taxpayer's ОКТМО (a payment, a refund beyond the sources'
// withheld tax, refunded business advances, the empty-declaration line) makes it
// false, so that the declaration check asks for that ОКТМО.
bool kTSvodSum::CalcList6() {
    List6.Clear();
    const mTDeclaration& d = Declaration();
    PaymentLineBuilder lines(List6, d.Person.ResidenceOktmo);
    bool result = NothingToPay(*this);
    if (d.DeclarationKind == kDecl3Ndfl)
        ResidentLines(*this, d, lines);
    else
        NonResidentLines(*this, d, lines);
    if (List6.Lines.empty()) {
        result = false;
        lines.Append(EmptyDeclarationKbk(d.TaxpayerKind), kNeither, Money());
    }
    if (lines.UsesTaxpayerOktmo()) result = false;
    return result;
}

}  // namespace kvz
