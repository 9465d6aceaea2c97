#include "geometry/AreaReport.h"

#include "platform/Conversions.h"

#include <cmath>

namespace {

constexpr qint32 White = RGB(255, 255, 255);
const QString LineEnd = QStringLiteral("\r\n");

double distance(const Vertex &p, const Vertex &q)
{
    return std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y));
}

QString coordinates(const Vertex &v)
{
    return DoubleToText(v.x) + u',' + DoubleToText(v.y);
}

// Side k-(k+1) is solid; the diagonal 1-k of every triangle after the first
// is white, dashed, dotted or dash-dotted in turn, and side 1-2 solid.
void drawTriangle(PictureBox &picture, int k, const Vertex &A, const Vertex &B, const Vertex &C)
{
    picture.SetDrawStyle(k % 3 + 1);
    if (k > 2) {
        picture.Line(float(A.x), float(A.y), float(B.x), float(B.y), White);
    } else {
        picture.SetDrawStyle(PictureBox::Solid);
        picture.Line(float(A.x), float(A.y), float(B.x), float(B.y));
    }
    picture.SetDrawStyle(PictureBox::Solid);
    picture.Line(float(B.x), float(B.y), float(C.x), float(C.y));
}

} // namespace

// Every step in double precision and in the order written: the report's
// last digits depend on it.
TriangleMeasures MeasureTriangle(const Vertex &A, const Vertex &B, const Vertex &C)
{
    TriangleMeasures m;
    m.c = distance(A, B);
    m.a = distance(B, C);
    m.b = distance(A, C);
    const double p = ((m.a + m.b) + m.c) / 2;
    const double product = ((p * (p - m.a)) * (p - m.b)) * (p - m.c);
    // Three points on one line can give a product a little below zero.
    m.heron = product > 0 ? std::sqrt(product) : 0;
    m.determinant = 0.5 * (((((A.x * B.y + A.y * C.x) + B.x * C.y) - C.x * B.y) - C.y * A.x) - B.x * A.y);
    return m;
}

QString TriangleReport(int k, const Vertex &A, const Vertex &B, const Vertex &C,
                       const TriangleMeasures &m)
{
    return QStringLiteral("Върхове: 1") + QString::number(k) + QString::number(k + 1)
        + QStringLiteral(" с координати: ") + coordinates(A) + QStringLiteral("; ")
        + coordinates(B) + QStringLiteral("; ") + coordinates(C) + LineEnd
        + QStringLiteral("Страни: a = ") + FormatNumber(m.a, 3) + QStringLiteral("; b = ")
        + FormatNumber(m.b, 3) + QStringLiteral("; c = ") + FormatNumber(m.c, 3) + LineEnd
        + QStringLiteral("Лице по Херон = ") + DoubleToText(m.heron)
        + QStringLiteral("; Лице ориентирано = ") + DoubleToText(std::fabs(m.determinant)) + LineEnd
        + LineEnd;
}

QString TotalReport(double total)
{
    return QStringLiteral("Лице на изпъкналия многоъгълник = ") + DoubleToText(total) + LineEnd;
}

void ComputeArea(Board &board)
{
    if (board.Closed)
        return;
    const int last = board.PointCount - 1;
    double total = 0;
    for (int k = 2; k <= last; ++k) {
        const Vertex A = board.VertexAt(0);
        const Vertex B = board.VertexAt(k - 1);
        const Vertex C = board.VertexAt(k);
        drawTriangle(board.Picture1, k, A, B, C);
        const TriangleMeasures m = MeasureTriangle(A, B, C);
        total = std::fabs(m.determinant) + total;
        board.Text1.AppendText(TriangleReport(k, A, B, C, m));
    }
    board.Text1.AppendText(TotalReport(total));

    // The closing side, from vertex n back to vertex 1.
    const Vertex from = board.VertexAt(last);
    const Vertex to = board.VertexAt(0);
    board.Picture1.Line(float(from.x), float(from.y), float(to.x), float(to.y));
    board.Closed = true;
}
