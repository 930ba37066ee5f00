#pragma once

#include <string>

#include "triangle/number_format.h"

namespace design {

// A result's full value, every digit of its shortest exact text, written as the fields write
// numbers in `format`: integer digits grouped, the leading zero and negative style followed.
// A value the shortest text writes with an exponent keeps that form.
std::string FullValueText(double value, const triangle::NumberFormat& format);

}  // namespace design
