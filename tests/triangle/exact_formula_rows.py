#!/usr/bin/env python3
"""Expected doubles for the bit-exact formula rows of quantities_test.cpp (not run by the
build; rerun by hand to add rows: python3 tests/triangle/exact_formula_rows.py).

Each operation of a formula is done on exact rationals and rounded once to the nearest
double, ties to even, by the rounding below (not by Python's float arithmetic, which is
only used as a cross-check). Prints one table row per measure and value as hex floats.
"""
from fractions import Fraction
from math import floor, isqrt, ldexp, sqrt


def nearest_double(q: Fraction) -> float:
    """q rounded to the nearest double, ties to even (subnormals included)."""
    if q == 0:
        return 0.0
    sign = -1 if q < 0 else 1
    q = abs(q)
    e = q.numerator.bit_length() - q.denominator.bit_length()  # 2^e <= q < 2^(e+2)
    if Fraction(2) ** (e + 1) <= q:
        e += 1
    if Fraction(2) ** e > q:
        e -= 1
    ulp = max(e, -1022) - 52  # 53 significant bits, fewer below the normal range
    scaled = q / Fraction(2) ** ulp
    m = floor(scaled)
    rest = scaled - m
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and m % 2 == 1):
        m += 1
    if m * Fraction(2) ** ulp >= Fraction(2) ** 1024:
        raise OverflowError(q)
    return sign * ldexp(m, ulp)  # m <= 2^53: exact


def exact_sqrt(x: float) -> float:
    """The correctly rounded square root of a non-negative double."""
    q = Fraction(x)
    if q == 0:
        return 0.0
    # m = floor(sqrt(q) * 2^s) has about 60 bits, 7 more than a double keeps. When the root
    # is not exact it lies strictly between m and m + 1, and so does m + 1/4: both round to
    # the same double, since every rounding boundary is a whole number at this scale.
    s = 60 - (q.numerator.bit_length() - q.denominator.bit_length()) // 2
    scaled = q * Fraction(2) ** (2 * s)
    m = isqrt(floor(scaled))
    exact = scaled == m * m
    return nearest_double((Fraction(m) + (0 if exact else Fraction(1, 4))) / Fraction(2) ** s)


def mul(a, b):
    return nearest_double(Fraction(a) * Fraction(b))


def div(a, b):
    return nearest_double(Fraction(a) / Fraction(b))


SQRT3 = exact_sqrt(3.0)

SIDE_FROM_INPUT = [
    lambda v: v,
    lambda v: div(v, 3),
    lambda v: exact_sqrt(div(mul(v, 4), SQRT3)),
    lambda v: div(mul(v, 2), SQRT3),
    lambda v: div(mul(v, 2), SQRT3),
    lambda v: div(mul(v, 2), SQRT3),
    lambda v: mul(v, SQRT3),
    lambda v: mul(v, mul(SQRT3, 2)),
]
QUANTITY_OF_SIDE = [
    lambda a: a,
    lambda a: mul(a, 3),
    lambda a: div(mul(mul(a, SQRT3), a), 4),
    lambda a: div(mul(a, SQRT3), 2),
    lambda a: div(mul(a, SQRT3), 2),
    lambda a: div(mul(a, SQRT3), 2),
    lambda a: div(a, SQRT3),
    lambda a: div(a, mul(SQRT3, 2)),
]
# The same formulas in Python's own IEEE double arithmetic, for the cross-check.
S3 = sqrt(3.0)
SIDE_FLOAT = [lambda v: v, lambda v: v / 3, lambda v: sqrt((v * 4) / S3)] + \
    [lambda v: (v * 2) / S3] * 3 + [lambda v: v * S3, lambda v: v * (S3 * 2)]
QUANTITY_FLOAT = [lambda a: a, lambda a: a * 3, lambda a: ((a * S3) * a) / 4] + \
    [lambda a: (a * S3) / 2] * 3 + [lambda a: a / S3, lambda a: a / (S3 * 2)]

NAMES = ["kSide", "kPerimeter", "kArea", "kMedian", "kHeight", "kBisector", "kCircumradius",
         "kInradius"]
VALUES = ["0.1", "1", "2.5", "7", "12", "33.3", "987.654", "123456.789", "1e-7"]

if __name__ == "__main__":
    assert SQRT3 == S3
    for index in range(8):
        for text in VALUES:
            v = float(text)
            side = SIDE_FROM_INPUT[index](v)
            measure = QUANTITY_OF_SIDE[index](v)
            assert side == SIDE_FLOAT[index](v) and measure == QUANTITY_FLOAT[index](v)
            print(f"    {{{NAMES[index]}, {text}, {side.hex()}, {measure.hex()}}},")
