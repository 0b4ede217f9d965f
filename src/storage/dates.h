#pragma once
// Dates are day counts since 30.12.1899, the fraction being the time of day.
#include <functional>
#include <string>

namespace kvz {

using DateTime = double;

// Day count of a calendar date; the date must exist.
DateTime EncodeDate(int year, int month, int day);
bool TryEncodeDate(int year, int month, int day, DateTime& out);
void DecodeDate(DateTime d, int& year, int& month, int& day);
int YearOf(DateTime d);

// "DD.MM.YYYY" with the given separator.
std::string DateToText(DateTime d, char separator = '.');
// Parses "D.M.YYYY" (one or two digits for day and month). Throws EConvertError.
DateTime DateFromText(const std::string& text, char separator = '.');
bool TryDateFromText(const std::string& text, DateTime& out, char separator = '.');

// The clock is injectable so that documents and files are reproducible in tests.
using ClockFunction = std::function<DateTime()>;
void SetClock(ClockFunction clock);  // an empty function restores the system clock
DateTime Now();
DateTime Today();

}  // namespace kvz
