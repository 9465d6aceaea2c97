#pragma once

class Board;

// The four commands of the buttons and the menu, by index:
// 0 contour and report, 1 report in the present order, 2 clear all,
// 3 delete the selected vertex. Any other index does nothing.
enum Command { OrderAndReport = 0, ReportInOrder = 1, ClearEverything = 2, DeleteSelected = 3 };

void RunCommand(Board &board, int index);
