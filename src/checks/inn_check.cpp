#include "checks/inn_check.h"

#include <array>
#include <span>
#include <string>

#include "checks/check_text.h"

namespace kvz {

namespace {

// Weights of the check digits, taken modulo 11 the negatives of the published ones,
// so that 11 - (sum mod 11) is the published check digit.
constexpr std::array<int, 9> kWeights10 = {31, 29, 23, 19, 17, 13, 7, 5, 3};
constexpr std::array<int, 10> kWeights11 = {37, 31, 29, 23, 19, 17, 13, 7, 5, 3};
constexpr std::array<int, 11> kWeights12 = {41, 37, 31, 29, 23, 19, 17, 13, 7, 5, 3};

bool AllDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// The check digit for the leading digits of text, one per weight.
char CheckDigit(std::string_view text, std::span<const int> weights) {
    int sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) sum += (text[i] - '0') * weights[i];
    const int c = 11 - sum % 11;
    return static_cast<char>('0' + (c > 9 ? 0 : c));
}

std::string Rebuilt(std::string_view inn) {
    std::string text(inn.substr(0, inn.size() == 10 ? 9 : 10));
    if (inn.size() == 10) {
        text += CheckDigit(inn, kWeights10);
    } else {
        text += CheckDigit(inn, kWeights11);
        text += CheckDigit(inn, kWeights12);
    }
    return text;
}

bool LengthAllowed(std::size_t length, int kind) {
    switch (kind) {
    case kInnOrganization: return length == 10;
    case kInnPerson: return length == 12;
    default: return length == 10 || length == 12;
    }
}

uint16_t LengthStatus(int kind) {
    switch (kind) {
    case kInnOrganization: return kInnNotTen;
    case kInnPerson: return kInnNotTwelve;
    default: return kInnNotTenOrTwelve;
    }
}

}  // namespace

uint16_t InnCheck(std::string_view inn, int kind) {
    const std::string_view text = TrimBlanks(inn);
    if (text.empty()) return kInnEmpty;
    uint16_t status = kInnValid;
    // An all-zero number passes the digit test but is no ИНН.
    if (text == "0000000000" || text == "000000000000") status = kInnWrong;
    if (!LengthAllowed(CharacterCount(text), kind)) return LengthStatus(kind);
    // The screens accept digits only; a document from elsewhere may hold anything.
    if (!AllDigits(text) || Rebuilt(text) != text) status = kInnWrong;
    return status;
}

uint16_t KppCheck(std::string_view kpp) {
    const std::string_view text = TrimBlanks(kpp);
    if (text.empty()) return kKppEmpty;
    if (CharacterCount(text) != 9) return kKppNotNine;
    if (text == "000000000") return kKppAllZeros;
    return kKppValid;
}

bool OktmoLengthValid(std::string_view oktmo) {
    const std::size_t length = TrimmedLength(oktmo);
    return length == 8 || length == 11;
}

}  // namespace kvz
