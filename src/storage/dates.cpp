#include "storage/dates.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "storage/errors.h"

namespace kvz {

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Days from 01.01.0001 to the given date (proleptic Gregorian).
long DaysFromCivil(int y, int m, int d) {
    long days = 0;
    int yy = y - 1;
    days = 365L * yy + yy / 4 - yy / 100 + yy / 400;
    for (int i = 1; i < m; ++i) days += DaysInMonth(y, i);
    return days + d - 1;
}

const long kEpochOffset = DaysFromCivil(1899, 12, 30);

ClockFunction& ClockSlot() {
    static ClockFunction clock;
    return clock;
}

DateTime SystemNow() {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    DateTime day = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return day + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

}  // namespace

bool TryEncodeDate(int year, int month, int day, DateTime& out) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    out = static_cast<DateTime>(DaysFromCivil(year, month, day) - kEpochOffset);
    return true;
}

DateTime EncodeDate(int year, int month, int day) {
    DateTime d;
    if (!TryEncodeDate(year, month, day, d)) throw EConvertError("invalid date");
    return d;
}

void DecodeDate(DateTime value, int& year, int& month, int& day) {
    // Day counts from damaged or hostile data are kept inside 01.01.0001-31.12.9999.
    const double first = -static_cast<double>(kEpochOffset);
    const double last = static_cast<double>(DaysFromCivil(9999, 12, 31) - kEpochOffset);
    if (!(value >= first)) value = first;  // NaN too
    if (value > last) value = last;
    long days = static_cast<long>(std::floor(value)) + kEpochOffset;
    // Year estimate, then correct.
    int y = static_cast<int>(days / 365.2425) + 1;
    while (y > 1 && DaysFromCivil(y, 1, 1) > days) --y;
    while (y < 9999 && DaysFromCivil(y + 1, 1, 1) <= days) ++y;
    long rest = days - DaysFromCivil(y, 1, 1);
    int m = 1;
    while (m < 12 && rest >= DaysInMonth(y, m)) rest -= DaysInMonth(y, m++);
    year = y;
    month = m;
    day = static_cast<int>(rest) + 1;
}

int YearOf(DateTime d) {
    int y, m, day;
    DecodeDate(d, y, m, day);
    return y;
}

std::string DateToText(DateTime d, char separator) {
    int y, m, day;
    DecodeDate(d, y, m, day);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", day, separator, m, separator, y);
    return buffer;
}

bool TryDateFromText(const std::string& text, DateTime& out, char separator) {
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int part = 0;
    for (char c : text) {
        if (c == separator) {
            if (++part > 2) return false;
        } else if (c >= '0' && c <= '9') {
            if (++digits[part] > 4) return false;
            parts[part] = parts[part] * 10 + (c - '0');
        } else {
            return false;
        }
    }
    if (part != 2 || digits[0] == 0 || digits[1] == 0 || digits[2] == 0) return false;
    if (digits[0] > 2 || digits[1] > 2) return false;
    int year = parts[2];
    if (digits[2] <= 2) year += year < 50 ? 2000 : 1900;  // two-digit years as the platform reads them
    return TryEncodeDate(year, parts[1], parts[0], out);
}

DateTime DateFromText(const std::string& text, char separator) {
    DateTime d;
    if (!TryDateFromText(text, d, separator)) throw EConvertError("'" + text + "' is not a valid date");
    return d;
}

void SetClock(ClockFunction clock) { ClockSlot() = std::move(clock); }

DateTime Now() { return ClockSlot() ? ClockSlot()() : SystemNow(); }

DateTime Today() { return std::floor(Now()); }

}  // namespace kvz
