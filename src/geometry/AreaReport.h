#pragma once

#include "Fan.h"

#include <QString>

// The area report of a fan: for every triangle a block of four lines (its
// vertices and coordinates, its sides, its two areas, an empty line), then
// the total. Every line ends with CR LF.
QString areaReport(const Fan &fan);
