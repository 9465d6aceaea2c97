// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HeronByHand.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace HeronByHand {

namespace {

// A length in whole thousandths, as it is written with three decimals.
std::int64_t thousandths(double length)
{
    return std::llround(length * 1000);
}

// Half of a whole number of thousandths, rounded to a whole one: half a
// thousandth away from zero.
std::int64_t halfRounded(std::int64_t twice)
{
    return twice >= 0 ? (twice + 1) / 2 : -((1 - twice) / 2);
}

// The root of a product of four factors in thousandths (each below a
// million on any canvas, the product exact to double's precision).
double areaOf(double p, double x, double y, double z)
{
    const double product = p * x * y * z;
    return product > 0 ? std::sqrt(product) / 1e6 : 0;
}

// A closed interval of reals; every operation rounds its low end down and
// its high end up, so that it holds the exact result.
struct Interval {
    double low;
    double high;
};

double down(double x)
{
    return std::nextafter(x, -std::numeric_limits<double>::infinity());
}

double up(double x)
{
    return std::nextafter(x, std::numeric_limits<double>::infinity());
}

Interval operator+(Interval x, Interval y)
{
    return {down(x.low + y.low), up(x.high + y.high)};
}

Interval operator-(Interval x, Interval y)
{
    return {down(x.low - y.high), up(x.high - y.low)};
}

Interval operator*(Interval x, Interval y)
{
    const auto [least, most] = std::minmax({x.low * y.low, x.low * y.high, x.high * y.low, x.high * y.high});
    return {down(least), up(most)};
}

// Halving is exact in binary.
Interval half(Interval x)
{
    return {x.low / 2, x.high / 2};
}

Interval widened(Interval x, double by)
{
    return {down(x.low - by), up(x.high + by)};
}

Interval squareRoot(Interval x)
{
    return {std::max(0.0, down(std::sqrt(std::max(0.0, x.low)))), up(std::sqrt(std::max(0.0, x.high)))};
}

// The lengths written with three decimals: within Rounding of the length,
// itself a root within a unit in its last place.
Interval written(double length)
{
    return widened({down(length), up(length)}, Rounding);
}

} // namespace

RoundedAreas roundedAreas(double a, double b, double c)
{
    const std::int64_t A = thousandths(a), B = thousandths(b), C = thousandths(c);
    // Twice p and twice each factor, exact in thousandths.
    const std::int64_t p2 = A + B + C, a2 = B + C - A, b2 = A + C - B, c2 = A + B - C;
    const std::int64_t p = halfRounded(p2);
    RoundedAreas areas;
    areas.fromSides = areaOf(double(p2), double(a2), double(b2), double(c2)) / 4;
    areas.fromRoundedP = areaOf(double(p), double(p - A), double(p - B), double(p - C));
    areas.fromRoundedFactors = areaOf(double(p), double(halfRounded(a2)), double(halfRounded(b2)),
                                      double(halfRounded(c2)));
    return areas;
}

bool computableByHand(double a, double b, double c, double area)
{
    const RoundedAreas areas = roundedAreas(a, b, c);
    const double most = Share * area;
    return std::fabs(areas.fromSides - area) <= most && std::fabs(areas.fromRoundedP - area) <= most
           && std::fabs(areas.fromRoundedFactors - area) <= most;
}

Range reachableAreas(double a, double b, double c)
{
    const Interval A = written(a), B = written(b), C = written(c);
    // p and each factor as the pupil writes them; p − a as (b + c − a) / 2,
    // which a pupil's p, rounded or not, less a, is within Rounding of.
    const Interval p = widened(half(A + B + C), Rounding);
    const Interval x = widened(half(B + C - A), Rounding);
    const Interval y = widened(half(A + C - B), Rounding);
    const Interval z = widened(half(A + B - C), Rounding);
    const Interval area = widened(squareRoot(p * x * y * z), Rounding);
    return {area.low, area.high};
}

} // namespace HeronByHand
