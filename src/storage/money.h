#pragma once
// Money: a signed fixed-point amount with four decimals, held as amount x 10 000.
// Sums are exact; rounding happens only in the named helpers below.
#include <compare>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace kvz {

class Money {
public:
    static constexpr int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money FromRaw(int64_t raw) { Money m; m.raw_ = raw; return m; }
    static constexpr Money FromUnits(int64_t units) { return FromRaw(units * kScale); }

    constexpr int64_t Raw() const { return raw_; }
    constexpr bool IsZero() const { return raw_ == 0; }

    // Sums are exact; one that leaves the range raises std::overflow_error rather
    // than wrapping into a wrong amount.
    constexpr Money operator+(Money o) const {
        int64_t sum = 0;
        if (__builtin_add_overflow(raw_, o.raw_, &sum)) ThrowOverflow();
        return FromRaw(sum);
    }
    constexpr Money operator-(Money o) const {
        int64_t difference = 0;
        if (__builtin_sub_overflow(raw_, o.raw_, &difference)) ThrowOverflow();
        return FromRaw(difference);
    }
    constexpr Money operator-() const { return Money() - *this; }
    Money& operator+=(Money o) { return *this = *this + o; }
    Money& operator-=(Money o) { return *this = *this - o; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    [[noreturn]] static void ThrowOverflow() {
        throw std::overflow_error("Сумма выходит за пределы допустимого диапазона.");
    }

    int64_t raw_ = 0;
};

// The value that stands for "no amount entered" (stored as the text "a").
inline constexpr Money kAbsentAmount = Money::FromUnits(-1);

// Shortest decimal text ("1234.5", "100", "-0.25") with the given separator.
std::string MoneyToText(Money m, char separator = '.');

// Parses a decimal text ("1234.5", "-0,25" with separator ','); more than four
// decimals round half away from zero. Throws EConvertError on anything else.
Money MoneyFromText(const std::string& text, char separator = '.');

// Parses strictly: at most four decimals; returns false instead of throwing.
bool TryParseMoneyExact(const std::string& text, Money& out, char separator = '.');

// Shortest decimal text with "."; "999999999999999" when longer than 15 characters.
std::string PlainForm(Money m);
// Two decimals, cut not rounded, negatives as 0; "999999999999.99" when longer than 15.
std::string KopeckForm(Money m);

}  // namespace kvz
