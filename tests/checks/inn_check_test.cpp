#include <array>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "checks/inn_check.h"

namespace kvz {
namespace {

// The check digit by the published rule: weighted sum mod 11 mod 10. Written apart
// from the program's own weights so that the two can disagree.
char PublishedDigit(const std::string& digits, const std::vector<int>& weights) {
    int sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) sum += (digits[i] - '0') * weights[i];
    return static_cast<char>('0' + sum % 11 % 10);
}

std::string PublishedInn10(const std::string& nine) {
    return nine + PublishedDigit(nine, {2, 4, 10, 3, 5, 9, 4, 6, 8});
}

std::string PublishedInn12(const std::string& ten) {
    std::string s = ten + PublishedDigit(ten, {7, 2, 4, 10, 3, 5, 9, 4, 6, 8});
    return s + PublishedDigit(s, {3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8});
}

std::string RandomDigits(std::mt19937& rng, int n) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>('0' + digit(rng));
    return s;
}

TEST(InnCheck, ExamplesOfTheCheckDigits) {
    EXPECT_EQ(InnCheck("1234567894", kInnAnyLength), kInnValid);
    EXPECT_EQ(InnCheck("1234567895", kInnAnyLength), kInnWrong);
    EXPECT_EQ(InnCheck("123456789047", kInnPerson), kInnValid);
    EXPECT_EQ(InnCheck("123456789048", kInnPerson), kInnWrong);
    // A wrong eleventh digit fails even when the twelfth matches the digits before it.
    EXPECT_EQ(InnCheck("123456789057", kInnPerson), kInnWrong);
}

TEST(InnCheck, PublishedNumbersOfLargeOrganisationsAndAPerson) {
    // Sberbank, Gazprom, VTB, Alfa-Bank: published on their own documents.
    for (const char* inn : {"7707083893", "7736050003", "7702070139", "7728168971"}) {
        EXPECT_EQ(InnCheck(inn, kInnAnyLength), kInnValid) << inn;
        EXPECT_EQ(InnCheck(inn, kInnOrganization), kInnValid) << inn;
        EXPECT_EQ(InnCheck(inn, kInnPerson), kInnNotTwelve) << inn;
    }
    // 5,0,0,1,0,0,7,3,2,2 × 7,2,4,10,3,5,9,4,6,8 = 148, 148 mod 11 = 5;
    // then with the 5: × 3,7,2,4,10,3,5,9,4,6,8 = 141, 141 mod 11 = 9.
    EXPECT_EQ(InnCheck("500100732259", kInnPerson), kInnValid);
    EXPECT_EQ(InnCheck("500100732259", kInnOrganization), kInnNotTen);
    EXPECT_EQ(InnCheck("500100732258", kInnPerson), kInnWrong);
    // Weighted sum 10 mod 11: the check digit is 0, not 10.
    EXPECT_EQ(InnCheck("5001000010", kInnAnyLength), kInnValid);
    EXPECT_EQ(InnCheck("5001000011", kInnAnyLength), kInnWrong);
}

TEST(InnCheck, AgreesWithThePublishedRuleOnRandomNumbers) {
    std::mt19937 rng(20150101);
    for (int n = 0; n < 2000; ++n) {
        const std::string inn10 = PublishedInn10(RandomDigits(rng, 9));
        const std::string inn12 = PublishedInn12(RandomDigits(rng, 10));
        ASSERT_EQ(InnCheck(inn10, kInnOrganization), inn10 == "0000000000" ? kInnWrong : kInnValid) << inn10;
        ASSERT_EQ(InnCheck(inn12, kInnPerson), inn12 == "000000000000" ? kInnWrong : kInnValid) << inn12;
        // Any other last digit is refused.
        for (char d = '0'; d <= '9'; ++d) {
            std::string bad10 = inn10, bad12 = inn12;
            bad10.back() = d;
            bad12.back() = d;
            if (d != inn10.back()) ASSERT_EQ(InnCheck(bad10, kInnAnyLength), kInnWrong) << bad10;
            if (d != inn12.back()) ASSERT_EQ(InnCheck(bad12, kInnAnyLength), kInnWrong) << bad12;
        }
    }
}

TEST(InnCheck, EmptyLengthAndZeros) {
    EXPECT_EQ(InnCheck("", kInnAnyLength), kInnEmpty);
    EXPECT_EQ(InnCheck("   ", kInnAnyLength), kInnEmpty);
    EXPECT_EQ(InnCheck("12345", kInnAnyLength), kInnNotTenOrTwelve);
    EXPECT_EQ(InnCheck("12345", kInnOrganization), kInnNotTen);
    EXPECT_EQ(InnCheck("12345", kInnPerson), kInnNotTwelve);
    EXPECT_EQ(InnCheck("123456789047", kInnOrganization), kInnNotTen);
    EXPECT_EQ(InnCheck("1234567894", kInnPerson), kInnNotTwelve);
    // All zeros pass the digit test but are no number; the length rule still comes first.
    EXPECT_EQ(InnCheck("0000000000", kInnAnyLength), kInnWrong);
    EXPECT_EQ(InnCheck("000000000000", kInnPerson), kInnWrong);
    EXPECT_EQ(InnCheck("0000000000", kInnPerson), kInnNotTwelve);
}

TEST(InnCheck, BlanksAroundAreIgnoredAndOtherCharactersRefused) {
    EXPECT_EQ(InnCheck("  7707083893 ", kInnOrganization), kInnValid);
    EXPECT_EQ(InnCheck("7707083893  ", kInnAnyLength), kInnValid);
    EXPECT_EQ(InnCheck("7707 83893", kInnAnyLength), kInnWrong);
    EXPECT_EQ(InnCheck("770708389X", kInnAnyLength), kInnWrong);
    // Ten characters, one of them Cyrillic (two bytes): a wrong number, not a wrong length.
    EXPECT_EQ(InnCheck("77070838З3", kInnOrganization), kInnWrong);
    EXPECT_EQ(InnCheck("77070838З3", kInnPerson), kInnNotTwelve);
}

TEST(KppCheck, Forms) {
    EXPECT_EQ(KppCheck("773601001"), kKppValid);
    EXPECT_EQ(KppCheck(" 773601001 "), kKppValid);
    EXPECT_EQ(KppCheck("7736AB001"), kKppValid);  // letters are allowed in the reason part
    EXPECT_EQ(KppCheck(""), kKppEmpty);
    EXPECT_EQ(KppCheck("  "), kKppEmpty);
    EXPECT_EQ(KppCheck("77360100"), kKppNotNine);
    EXPECT_EQ(KppCheck("7736010011"), kKppNotNine);
    EXPECT_EQ(KppCheck("000000000"), kKppAllZeros);
    EXPECT_EQ(KppCheck("7736АБ001"), kKppValid);  // nine characters, eleven bytes
}

}  // namespace
}  // namespace kvz
