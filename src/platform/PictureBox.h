#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>

class CanvasWidget;
class QWidget;

// The drawing board: a persistent picture that the canvas widget shows.
//
// Coordinates are logical pixels from the top-left corner of the inner area.
// The picture itself is kept at the screen's device pixel ratio so that it
// stays crisp on high-DPI screens. Dots and one-pixel lines are written
// straight into the picture: a polygon of 32,767 vertices draws 65,000 lines,
// and a painter's dashed lines cost ten times as much.
class PictureBox : public QObject
{
    Q_OBJECT

public:
    enum DrawStyles { Solid = 0, Dash = 1, Dot = 2, DashDot = 3 };

    explicit PictureBox(QObject *parent = nullptr);
    ~PictureBox() override;

    bool AutoRedraw() const { return m_autoRedraw; }
    void SetAutoRedraw(bool on) { m_autoRedraw = on; }

    qint32 BackColor() const { return m_backColor; }
    void SetBackColor(qint32 colour); // erases the picture to it
    qint32 ForeColor() const { return m_foreColor; }

    int DrawWidth() const { return m_drawWidth; }
    void SetDrawWidth(int width);
    int DrawStyle() const { return m_drawStyle; }
    void SetDrawStyle(int style);

    void Cls();
    void PSet(float x, float y);                 // in the fore colour
    void PSet(float x, float y, qint32 colour);
    void Line(float x1, float y1, float x2, float y2);
    void Line(float x1, float y1, float x2, float y2, qint32 colour);

    // The picture as it stands, at the device pixel ratio.
    const QImage &Image() const { return m_image; }
    // Size of the drawing area in logical pixels.
    QSize Size() const { return m_size; }
    void Resize(QSize logicalSize, qreal devicePixelRatio);

    CanvasWidget *widget() const;

signals:
    // Button: 1 left, 2 right, 4 middle. Shift: 1 Shift, 2 Ctrl, 4 Alt.
    void MouseDown(int button, int shift, float x, float y);
    // A rectangle of the picture, in logical pixels, has changed.
    void Damaged(const QRect &area);

private:
    void plotDot(float x, float y, qint32 colour);
    void drawLine(float x1, float y1, float x2, float y2, qint32 colour);
    void drawThinLine(QPoint from, QPoint to, qint32 colour);
    void drawWideLine(float x1, float y1, float x2, float y2, qint32 colour);
    void fillLogicalPixel(int x, int y, QRgb pixel);
    void damage(const QRect &area);
    void flushDamage();

    bool m_autoRedraw = false;
    qint32 m_backColor = 0xFFFFFF;
    qint32 m_foreColor = 0;
    int m_drawWidth = 1;
    int m_drawStyle = Solid;
    QSize m_size;
    QImage m_image;
    QRect m_damage;
    QPointer<CanvasWidget> m_view;
};
