// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Heron's formula as a pupil works it by hand: from the sides written with
// three decimals, each at most half a thousandth from its length, and with
// p and its factors p − a, p − b, p − c written with three decimals too.
// In a thin triangle the small factor p − c takes the sides' rounding at
// full weight, and the area from rounded sides can be percents off.
namespace HeronByHand {

constexpr double Rounding = 0.0005; // how far a number written with three decimals may be from its value
constexpr double Share = 0.001;     // how near a numbered task's areas by hand come to the exact ones

// What a pupil gets from the three-decimal sides of the exact lengths a, b
// and c: with p as it comes, with p rounded and its factors from it, and
// with p and each factor rounded on its own. 0 where the rounded sides make
// no triangle. Halves of a thousandth rounded away from zero, as at school.
struct RoundedAreas {
    double fromSides = 0;
    double fromRoundedP = 0;
    double fromRoundedFactors = 0;
};
RoundedAreas roundedAreas(double a, double b, double c);

// Whether every area of roundedAreas lies within Share of the exact area.
bool computableByHand(double a, double b, double c, double area);

// A range sure to hold every area a careful pupil can reach: Heron's
// formula over every side within Rounding of a, b and c, with p, each
// factor and the area itself written with three decimals. Interval
// arithmetic rounded outward: wider than the areas reached, never narrower.
struct Range {
    double low = 0;
    double high = 0;
    bool contains(double value) const { return low <= value && value <= high; }
};
Range reachableAreas(double a, double b, double c);

} // namespace HeronByHand
