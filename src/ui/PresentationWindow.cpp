// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PresentationWindow.h"

#include "Board.h"
#include "ContourWarning.h"
#include "PresentationMessages.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

const QColor Text(20, 20, 20);
const QColor Hint(110, 110, 110);

constexpr int MostDigitsTyped = 5; // a full board has 32,765 triangles

} // namespace

PresentationWindow::PresentationWindow(const Board &board, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::FramelessWindowHint), m_board(board), m_mainWindow(mainWindow)
{
    setWindowTitle(Messages::presentationCaption());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFont(QFont(QStringLiteral("Times New Roman")));
    connect(&board, &Board::figureChanged, this, &PresentationWindow::restart);
    connect(&board, &Board::verticesPlaced, this, &PresentationWindow::restart);
    // A vertex on its way leaves the class where it is, the step's numbers
    // following it.
    connect(&board, &Board::reportChanged, this, [this] { m_board.takenRow() >= 0 ? follow() : restart(); });
    connect(&board, &Board::vertexMoved, this, &PresentationWindow::follow);
    restart();
}

void PresentationWindow::present()
{
    QScreen *own = m_mainWindow->screen();
    QScreen *shown = own;
    for (QScreen *screen : QGuiApplication::screens())
        if (screen != own)
            shown = screen;
    setScreen(shown);
    setGeometry(shown->geometry());
    goTo(0);
    showFullScreen();
    raise();
    activateWindow();
}

int PresentationWindow::lastStep() const
{
    const DrawnFigure &figure = m_board.figure();
    if (figure.base != DrawnFigure::Base::Fan || !figure.fan)
        return 0;
    return int(figure.fan->triangles.size()) + 1;
}

// A new figure: step 0, and the figure followed.
void PresentationWindow::restart()
{
    m_step = 0;
    m_typed.clear();
    follow();
}

// The picture drawn afresh, the running sums of |D| added in the report's
// order, so that the last is the report's total.
void PresentationWindow::follow()
{
    m_layout.reset();
    m_picture.forget();
    m_runningTotals.clear();
    m_warned.reset();
    if (const DrawnFigure &figure = m_board.figure(); figure.base == DrawnFigure::Base::Fan && figure.fan) {
        double total = 0;
        for (const FanTriangle &t : figure.fan->triangles) {
            total = std::fabs(t.measures.determinant) + total;
            m_runningTotals.push_back(total);
        }
    }
    update();
    describe();
}

void PresentationWindow::goTo(int step)
{
    m_blank = Blank::None;
    m_typed.clear();
    m_step = std::clamp(step, 0, lastStep());
    update();
    describe();
}

// A screen reader reads the step's text.
void PresentationWindow::describe()
{
    setAccessibleDescription(stepText().lines.join(u'\n'));
}

const PresentationLayout &PresentationWindow::layout()
{
    if (!m_layout)
        m_layout.emplace(size(), font(), m_board.area().size());
    return *m_layout;
}

void PresentationWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_layout.reset();
    m_picture.forget();
}

StepText PresentationWindow::stepText()
{
    const int last = lastStep();
    if (m_step == 0)
        return layout().verticesStep(m_board.points(), last > 0);
    const auto &triangles = m_board.figure().fan->triangles;
    if (m_step < last)
        return layout().lines(Messages::triangleStep(triangles[size_t(m_step - 1)], m_step - 1, int(triangles.size()),
                                                     m_runningTotals[size_t(m_step - 1)]));
    return layout().lines(Messages::totalStep(m_board));
}

// The vertices the step's text names: those listed, the triangle's, or
// those the warning names.
std::vector<int> PresentationWindow::namedVertices(const StepText &text)
{
    const int last = lastStep();
    if (m_step == 0) {
        std::vector<int> listed(size_t(text.listedVertices));
        std::iota(listed.begin(), listed.end(), 1);
        return listed;
    }
    if (m_step < last) {
        const int k = m_board.figure().fan->triangles[size_t(m_step - 1)].k;
        return {1, k, k + 1};
    }
    if (!m_warned)
        m_warned = ::namedVertices(contourProblem(m_board.points()));
    return *m_warned;
}

void PresentationWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_blank != Blank::None) {
        painter.fillRect(rect(), m_blank == Blank::Black ? Qt::black : Qt::white);
        return;
    }
    if (!m_picture.isDrawn())
        m_picture.draw(m_board, layout(), size(), devicePixelRatioF(), font());
    painter.drawImage(0, 0, m_picture.image());
    const int last = lastStep();
    if (m_step > 0 && m_step < last)
        m_picture.paintTriangle(painter, m_board.figure().fan->triangles[size_t(m_step - 1)]);
    else if (m_step > 0)
        m_picture.paintTotal(painter, m_board);
    const StepText text = stepText();
    m_picture.paintNumbers(painter, namedVertices(text), m_step > 0);
    painter.setPen(Text);
    for (const PlacedText &placed : text.placed)
        paintText(painter, placed);
    const KeysRow keys = layout().keys(m_typed);
    if (keys.typed)
        paintText(painter, *keys.typed);
    painter.setPen(Hint);
    if (keys.keys)
        paintText(painter, *keys.keys);
}

void PresentationWindow::paintText(QPainter &painter, const PlacedText &text)
{
    painter.setFont(text.font);
    painter.drawText(text.box, text.flags, text.text);
}

// A digit adds to the number being typed, Backspace takes its last one
// back, Enter goes to it.
void PresentationWindow::type(int key)
{
    if (key == Qt::Key_Backspace)
        m_typed.chop(1);
    else if (m_typed.size() < MostDigitsTyped && lastStep() > 0)
        m_typed += QChar(u'0' + (key - Qt::Key_0));
    update();
}

void PresentationWindow::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    // A blanked screen comes back with the next key, which does nothing else.
    if (m_blank != Blank::None && key != Qt::Key_B && key != Qt::Key_W) {
        m_blank = Blank::None;
        update();
        return;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key == Qt::Key_Backspace && !m_typed.isEmpty())) {
        type(key);
        return;
    }
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_Space: goTo(m_step + 1); break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_Backspace: goTo(m_step - 1); break;
    case Qt::Key_Home: goTo(0); break;
    case Qt::Key_End: goTo(lastStep()); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A number past the last triangle goes to the last triangle.
        goTo(m_typed.isEmpty() ? m_step + 1 : std::min(m_typed.toInt(), lastStep() - 1));
        break;
    case Qt::Key_B: m_blank = m_blank == Blank::Black ? Blank::None : Blank::Black; update(); break;
    case Qt::Key_W: m_blank = m_blank == Blank::White ? Blank::None : Blank::White; update(); break;
    case Qt::Key_Escape:
        close();
        m_mainWindow->activateWindow();
        break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void PresentationWindow::wheelEvent(QWheelEvent *event)
{
    // The wheel turned down, towards the user, goes on, as in presentation
    // programs.
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0)
        goTo(m_step - notches);
    event->accept();
}

// A click goes on, as a presenter's remote does; the right button goes back.
void PresentationWindow::mousePressEvent(QMouseEvent *event)
{
    goTo(event->button() == Qt::RightButton ? m_step - 1 : m_step + 1);
}
