#pragma once

#include <string>
#include <string_view>

#include "triangle/exact_value.h"
#include "triangle/number_format.h"

// Exact values and numbers as the school writes them and as a teacher says them, for the
// solution, the figure and the results' explanations of every edition.
namespace design {

// The written fourth root: the index raised before the square root's sign. U+221C (∜) is in
// none of the fonts the editions draw the solution with (Times New Roman, Liberation Serif,
// which the desktop and Windows editions use and the page names first), only in DejaVu, so the
// fallback would draw it from another face or not at all; "⁴" and "√" are in all of them.
inline constexpr std::string_view kFourthRootSign = "⁴√";
inline constexpr std::string_view kSquareRootSign = "√";

// `value` as the school writes it, once: a rational whose decimals end with all its digits, as
// the fields write numbers under `format` ("7,5", "30", "1 000,25"); any other rational as a
// reduced fraction ("10/3"); a root with its coefficient in front and the denominator
// rationalised ("25√3", "10√3/3", "√3/3", "-3√3/2", "4·⁴√3", "2·⁴√27/3": the dot keeps the
// raised 4 from reading as the coefficient's power). Zero is "0"; a negative value follows the
// settings' negative style.
std::string ExactText(const triangle::ExactValue& value, const triangle::NumberFormat& format);

// The text a result field shows for exactly `value` ("7,5000"): only for a rational whose
// decimals end within four; otherwise empty. Where it is the field's own text, the exact
// value needs no "≈" after it.
std::string ExactFieldText(const triangle::ExactValue& value, const triangle::NumberFormat& format);

// Whether `value` is exactly the double `approximation`'s shortest decimal.
bool IsExactly(const triangle::ExactValue& value, double approximation);

// How a teacher says `value`, in Bulgarian words and digits that espeak-ng's Bulgarian voice
// reads as such: "10 корен квадратен от 3 делено на 3", "4 корен четвърти от 3",
// "минус 7,5" (decimals with a comma, which it reads "цяло и").
std::string SpokenExact(const triangle::ExactValue& value);

// A number written as a result field writes it, spoken: its four decimals after a comma,
// without grouping ("1154,7005", "минус 3,4641").
std::string SpokenResult(double value);
// A double's shortest decimal, spoken ("4,559014113909556"; "1,5 по 10 на степен минус 7").
std::string SpokenFullPrecision(double value);

// A formula or a text of the design spoken: the letters of the measures by their Bulgarian
// names ("а", "пе", "ес", "хаш", "ем", "ел", "голямо ер", "малко ер"), "·" "по", "/" "делено
// на", "=" "равно на", "≈" "приблизително", "⇒" "следователно", "²" "на квадрат", "√" "корен
// квадратен от", "⁴√" "корен четвърти от"; digits and Cyrillic as they are.
std::string SpokenFormula(std::string_view formula);

}  // namespace design
