#pragma once

#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"

#include <QObject>

#include <array>
#include <optional>

// A vertex as read from its row of the coordinate lists.
struct Vertex {
    double x = 0;
    double y = 0;
};

// The board: the vertex lists, the canvas, the report box and the two
// form-level variables. The three lists List1[0] (X), List1[1] (Y) and
// List1[2] (number) are the only store of the vertices: row r of each is
// vertex r + 1, and every routine reads the texts afresh.
class Board : public QObject
{
    Q_OBJECT

public:
    static constexpr qint16 MaxVertices = 32767;

    explicit Board(QObject *parent = nullptr);

    // Vertex lists: X, Y and number.
    std::array<ListBox, 3> List1;
    // Scratch lists of the contour ordering; never shown.
    std::array<ListBox, 4> List2;
    // The report box.
    TextBox Text1;
    // The drawing board.
    PictureBox Picture1;

    // Number of vertices, and the number the next vertex gets minus one.
    qint16 PointCount = 0;
    // True from the end of an area computation until the board is reopened;
    // while it is, presses on the canvas add nothing.
    bool Closed = false;

    void Form_Load();
    void ClearCanvas();
    void ClearAll();
    void ResetOutput();
    void DrawVertices();
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void List1_Click(int index);
    void DeleteVertex();

    // Vertex of row `row`, converted from its texts now; a missing row reads
    // as (0, 0).
    Vertex VertexAt(int row) const;

signals:
    // A press was refused because the board holds MaxVertices vertices.
    void VertexLimitReached();

private:
    void plotVertices(std::optional<qint32> colour, int marked = -1);

    bool m_inListClick = false;
};
