#include "ui/Commands.h"

#include "board/Board.h"
#include "geometry/AreaReport.h"
#include "geometry/ContourOrder.h"

void RunCommand(Board &board, int index)
{
    switch (index) {
    case OrderAndReport:
        board.ResetOutput();
        OrderContour(board);
        ComputeArea(board);
        board.DrawVertices();
        break;
    case ReportInOrder:
        board.ResetOutput();
        ComputeArea(board);
        board.DrawVertices();
        break;
    case ClearEverything:
        board.ClearAll();
        board.Text1.SetText(QString());
        break;
    case DeleteSelected:
        board.DeleteVertex();
        break;
    default:
        break;
    }
}
