#pragma once

#include <QString>

// The task that the report box shows when the program starts: 21 lines,
// each ended by CR LF.
QString taskDescription();
