#include "board/Board.h"

#include "platform/Conversions.h"

#include <QScopedValueRollback>

namespace {

constexpr int ThinPen = 1;
constexpr int DotPen = 5;
constexpr qint32 White = RGB(255, 255, 255);
constexpr qint32 Black = RGB(0, 0, 0);
constexpr qint32 Red = RGB(255, 0, 0);

} // namespace

Board::Board(QObject *parent)
    : QObject(parent)
{
    connect(&Picture1, &PictureBox::MouseDown, this, &Board::Picture1_MouseDown);
    for (int i = 0; i < int(List1.size()); ++i)
        connect(&List1[i], &ListBox::Click, this, [this, i] { List1_Click(i); });
}

void Board::Form_Load()
{
    PointCount = 0;
    Picture1.SetAutoRedraw(true);
    ClearAll();
    Picture1.SetDrawWidth(DotPen);
}

void Board::ClearCanvas()
{
    Picture1.SetBackColor(White);
    Picture1.Cls();
    Closed = false;
}

void Board::ClearAll()
{
    ClearCanvas();
    PointCount = 0;
    Picture1.SetDrawWidth(DotPen);
    for (ListBox &list : List1)
        list.Clear();
    for (ListBox &list : List2)
        list.Clear();
}

void Board::ResetOutput()
{
    ClearCanvas();
    Text1.SetText(QString());
    Picture1.SetDrawWidth(ThinPen);
}

void Board::DrawVertices()
{
    plotVertices(std::nullopt);
}

void Board::Picture1_MouseDown(int /*button*/, int /*shift*/, float x, float y)
{
    if (Closed)
        return;
    // The vertex count and numbers are 16-bit: a full board takes no more
    // vertices and keeps every one it has.
    if (PointCount >= MaxVertices) {
        emit VertexLimitReached();
        return;
    }
    Picture1.SetDrawWidth(DotPen);
    Picture1.PSet(x, y);
    Picture1.SetDrawWidth(ThinPen);
    ++PointCount;
    List1[0].AddItem(SingleToText(x));
    List1[1].AddItem(SingleToText(y));
    List1[2].AddItem(IntegerToText(PointCount));
}

void Board::List1_Click(int index)
{
    if (index < 0 || index >= int(List1.size()))
        return;
    const int k = List1[index].ListIndex();
    // Selecting the row in the other lists raises their click events; the
    // run that started it does the whole work once.
    if (k < 0 || m_inListClick)
        return;
    const QScopedValueRollback guard(m_inListClick, true);

    for (ListBox &list : List1)
        list.SetListIndex(k);
    Picture1.Cls();
    plotVertices(std::nullopt, k);
    Closed = false;
}

void Board::DeleteVertex()
{
    if (List1[0].ListIndex() < 0 || List1[0].ListCount() < 1)
        return;
    // The row selected in the X list: the user can clear the selection of the
    // number list alone (Ctrl+click), never that of the X list without it.
    const int k = List1[0].ListIndex();
    List1[0].RemoveItem(k);
    List1[1].RemoveItem(k);
    const int n = List1[0].ListCount();
    Picture1.Cls();
    QStringList numbers;
    numbers.reserve(n);
    for (int i = 1; i <= n; ++i)
        numbers += IntegerToText(qint16(i));
    List1[2].Clear();
    List1[2].AddItems(numbers);
    plotVertices(Black);
    Closed = false;
    --PointCount;
}

Vertex Board::VertexAt(int row) const
{
    return {Val(List1[0].List(row)), Val(List1[1].List(row))};
}

// Every vertex as a thick dot, in the fore colour or in `colour`; the vertex
// of row `marked`, if any, is drawn over in red.
void Board::plotVertices(std::optional<qint32> colour, int marked)
{
    const int n = List1[0].ListCount();
    Picture1.SetDrawWidth(DotPen);
    for (int r = 0; r < n; ++r) {
        const Vertex v = VertexAt(r);
        if (colour)
            Picture1.PSet(float(v.x), float(v.y), *colour);
        else
            Picture1.PSet(float(v.x), float(v.y));
    }
    if (marked >= 0) {
        const Vertex v = VertexAt(marked);
        Picture1.PSet(float(v.x), float(v.y), Red);
    }
    Picture1.SetDrawWidth(ThinPen);
}
