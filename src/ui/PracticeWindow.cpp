// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PracticeWindow.h"

#include "Board.h"
#include "Messages.h"
#include "PracticeMessages.h"
#include "TaskPolygon.h"
#include "WindowPlacement.h"
#include "WorkingWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

using Messages::PracticeText;

namespace {

QString words(PracticeText text)
{
    return Messages::practiceText(text);
}

const QColor RightFace(200, 240, 200);
const QColor WrongFace(255, 200, 200);
const QColor HintInk(150, 0, 0);

constexpr qreal MostOfScreen = 0.55; // the fields' share of the screen's height, beyond which they scroll

// A field as wide as the widest answer of its column and a sign, in its
// font at any zoom, within the style's frame and margins.
class AnswerField : public QLineEdit
{
public:
    AnswerField(const QString &widest, QWidget *parent) : QLineEdit(parent), m_widest(u'−' + widest) {}

    QSize sizeHint() const override
    {
        // Qt's own hint is 17 'x' wide within its margins and frame: the
        // same margins and frame round the widest answer.
        QSize size = QLineEdit::sizeHint();
        const QFontMetrics metrics = fontMetrics();
        size.rwidth() += metrics.horizontalAdvance(m_widest) - 17 * metrics.horizontalAdvance(u'x');
        return size;
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    QString m_widest;
};

// A button that Enter presses when it has the focus, as Space does.
QPushButton *pushButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setAutoDefault(true);
    return button;
}

} // namespace

PracticeWindow::PracticeWindow(Board &board, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Window), m_board(board)
{
    setWindowTitle(words(PracticeText::Caption));
    auto *layout = new QVBoxLayout(this);

    m_heading = new QLabel(this);
    QFont bold; // in the window's face, at its zoom
    bold.setBold(true);
    m_heading->setFont(bold);
    m_heading->setWordWrap(true);
    m_coordinates = new QLabel(this);
    m_coordinates->setWordWrap(true);
    m_coordinates->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *rules = new QLabel(Messages::practiceRules(), this);
    rules->setWordWrap(true);
    for (QLabel *label : {m_heading, m_coordinates, rules})
        layout->addWidget(label);

    auto *notice = new QHBoxLayout;
    m_notice = new QLabel(words(PracticeText::BoardChanged), this);
    m_notice->setWordWrap(true);
    m_again = pushButton(words(PracticeText::Again), this);
    notice->addWidget(m_notice, 1);
    notice->addWidget(m_again);
    layout->addLayout(notice);
    connect(m_again, &QPushButton::clicked, this, &PracticeWindow::start);

    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    // The fields take the focus, and the area scrolls to them; it would be
    // a stop of Tab that shows nothing.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_grid = new QWidget;
    m_gridLayout = new QGridLayout(m_grid);
    m_scroll->setWidget(m_grid);
    layout->addWidget(m_scroll, 1);

    m_score = new QLabel(this);
    m_score->setFont(bold);
    m_score->setWordWrap(true);
    layout->addWidget(m_score);

    auto *buttons = new QHBoxLayout;
    m_check = pushButton(words(PracticeText::Check), this);
    m_solve = pushButton(words(PracticeText::Solve), this);
    auto *newTask = pushButton(words(PracticeText::NewTask), this);
    auto *variantLabel = new QLabel(words(PracticeText::Variant), this);
    // As wide as a variant number in its font at every zoom.
    m_variantField = new AnswerField(QString::number(Task::LastVariant), this);
    m_variantField->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_variantField->setValidator(new QIntValidator(Task::FirstVariant, Task::LastVariant, m_variantField));
    m_variantField->setMaxLength(4);
    m_variantField->setAccessibleName(words(PracticeText::Variant).chopped(1));
    variantLabel->setBuddy(m_variantField);
    auto *openTyped = pushButton(words(PracticeText::OpenVariant), this);
    for (QWidget *widget : std::initializer_list<QWidget *>{m_check, m_solve, newTask})
        buttons->addWidget(widget);
    buttons->addStretch(1);
    for (QWidget *widget : std::initializer_list<QWidget *>{variantLabel, m_variantField, openTyped})
        buttons->addWidget(widget);
    layout->addLayout(buttons);

    connect(m_check, &QPushButton::clicked, this, &PracticeWindow::check);
    connect(m_solve, &QPushButton::clicked, this, &PracticeWindow::showSolution);
    connect(newTask, &QPushButton::clicked, this, &PracticeWindow::askNewTask);
    const auto typedVariant = [this] {
        if (m_variantField->hasAcceptableInput())
            openVariant(m_variantField->text().toInt());
    };
    connect(m_variantField, &QLineEdit::returnPressed, this, typedVariant);
    connect(openTyped, &QPushButton::clicked, this, typedVariant);
    connect(&board, &Board::reportChanged, this, &PracticeWindow::followBoard);
}

PracticeWindow::~PracticeWindow() = default;

void PracticeWindow::open()
{
    if (!practisesReport() || m_rows.empty())
        start();
    // Beside the main window, where the canvas and the report stay in view;
    // where the user moved it while open, it stays.
    if (!isVisible())
        placeBesideMainWindow(*this, size());
    show();
    raise();
    activateWindow();
    if (!m_rows.empty() && m_rows.front().fields.front()->isEnabled())
        m_rows.front().fields.front()->setFocus();
}

void PracticeWindow::openVariant(int variant)
{
    m_opening = true;
    const Placement placed = m_board.openInContourOrder(m_board.taskVertices(variant));
    m_opening = false;
    if (!placed.placed())
        return;
    m_taskVariant = std::clamp(variant, Task::FirstVariant, Task::LastVariant);
    m_taskVertices = Task::vertexCount(m_taskVariant);
    start();
    if (!m_rows.empty())
        m_rows.front().fields.front()->setFocus();
}

// A new zoom: the fields' widths and the window follow their font.
void PracticeWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitGrid();
}

void PracticeWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool PracticeWindow::practisesReport() const
{
    const auto &reported = m_board.reportedVertices();
    return reported == m_vertices || (reported && m_vertices && *reported == *m_vertices);
}

// A practice of the polygon the report describes, with nothing typed yet.
void PracticeWindow::start()
{
    m_vertices = m_board.reportedVertices();
    const int count = m_vertices ? int(m_vertices->size()) : 0;
    const bool practised = count >= 3 && count <= MostVertices;
    m_fan = practised ? fanOf(*m_vertices) : Fan();
    m_variant = 0;
    if (m_taskVariant > 0 && practised && m_board.taskVertices(m_taskVariant) == *m_vertices)
        m_variant = m_taskVariant;
    m_solutionShown = false;
    m_heading->setText(practised ? Messages::practiceHeading(m_variant, count)
                                 : count > MostVertices ? Messages::practiceTooLarge(MostVertices)
                                                        : words(PracticeText::Nothing));
    m_coordinates->setText(practised ? Messages::practiceVertices(*m_vertices) : QString());
    m_coordinates->setVisible(practised);
    m_variantField->setText(m_variant > 0 ? QString::number(m_variant) : QString());
    m_score->clear();
    m_notice->hide();
    m_again->hide();
    clearRows();
    if (practised)
        addRows();
    // Shown now, not when the event loop gets to it: the window is fitted
    // to them at once.
    for (QWidget *widget : m_grid->findChildren<QWidget *>())
        if (!widget->testAttribute(Qt::WA_WState_ExplicitShowHide))
            widget->show();
    m_check->setEnabled(practised);
    m_solve->setEnabled(practised);
    fitGrid();
    // The working open beside shows the same block of the new practice.
    if (m_working && m_working->isVisible() && !m_working->setWorking(m_fan, m_workingBlock))
        m_working->hide();
}

// A change of the polygon the report describes keeps the answers, and
// offers a practice of the new one; back to the polygon practised (by an
// undo), the practice goes on.
void PracticeWindow::followBoard()
{
    if (m_opening)
        return;
    const bool same = practisesReport();
    m_notice->setVisible(!same);
    m_again->setVisible(!same);
    for (const Row &row : m_rows)
        for (QLineEdit *field : row.fields)
            field->setReadOnly(!same);
    m_check->setEnabled(same && !m_rows.empty());
    m_solve->setEnabled(same && !m_rows.empty());
}

void PracticeWindow::clearRows()
{
    for (const Row &row : m_rows) {
        for (QLineEdit *field : row.fields)
            delete field;
        delete row.hint;
        delete row.working;
    }
    m_rows.clear();
    while (QLayoutItem *item = m_gridLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

// A heading of the columns, two grid rows a triangle (its fields, its
// hint), then the total under the column of |D|, whose sum it is.
void PracticeWindow::addRows()
{
    // Each column's fields as wide as its widest answer.
    const Practice::Answers solution = Practice::solution(m_fan);
    m_widest = {};
    for (const Practice::TriangleAnswers &answers : solution.triangles)
        for (size_t f = 0; f < answers.size(); ++f)
            if (answers[f].size() > m_widest[f].size())
                m_widest[f] = answers[f];
    m_widest[Practice::FieldsPerTriangle] = solution.total;
    for (int f = 0; f < Practice::FieldsPerTriangle; ++f) {
        auto *heading = new QLabel(Messages::practiceColumn(Practice::Field(f)), m_grid);
        heading->setAlignment(Qt::AlignCenter);
        m_gridLayout->addWidget(heading, 0, 1 + f);
    }
    const int triangles = int(m_fan.triangles.size());
    for (int i = 0; i < triangles; ++i) {
        auto *label = new QLabel(Messages::practiceTriangle(m_fan.triangles[size_t(i)], i), m_grid);
        m_rows.push_back(addRow(1 + 2 * i, i, label, 1, Practice::FieldsPerTriangle, Practice::SideA));
        for (int f = 0; f < Practice::FieldsPerTriangle; ++f)
            m_rows.back().fields[size_t(f)]->setAccessibleName(Messages::practiceFieldName(i, Practice::Field(f)));
    }
    auto *total = new QLabel(words(PracticeText::Total), m_grid);
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_gridLayout->addWidget(total, 1 + 2 * triangles, 0, 1, Practice::Determinant + 1);
    m_rows.push_back(addRow(1 + 2 * triangles, triangles, nullptr, 1 + Practice::Determinant, 1,
                            Practice::FieldsPerTriangle));
    m_rows.back().fields.front()->setAccessibleName(words(PracticeText::Total));
    m_gridLayout->setRowStretch(3 + 2 * triangles, 1);
}

PracticeWindow::Row PracticeWindow::addRow(int gridRow, int block, QLabel *label, int firstColumn, int fields,
                                           int firstKind)
{
    Row row;
    if (label)
        m_gridLayout->addWidget(label, gridRow, 0);
    for (int f = 0; f < fields; ++f) {
        auto *field = new AnswerField(m_widest[size_t(firstKind + f)], m_grid);
        m_gridLayout->addWidget(field, gridRow, firstColumn + f);
        if (label && f == 0)
            label->setBuddy(field);
        connect(field, &QLineEdit::returnPressed, this, &PracticeWindow::check);
        // What was typed since the check has no verdict yet.
        connect(field, &QLineEdit::textEdited, this, [this, field] { markField(field, {}, nullptr, Practice::SideA); });
        row.fields.push_back(field);
    }
    row.working = pushButton(words(PracticeText::ShowWorking), m_grid);
    row.working->setAccessibleName(words(PracticeText::ShowWorking) + u' '
                                   + (label ? label->text() : words(PracticeText::Total)));
    QSizePolicy kept = row.working->sizePolicy();
    kept.setRetainSizeWhenHidden(true);
    row.working->setSizePolicy(kept);
    row.working->hide();
    connect(row.working, &QPushButton::clicked, this, [this, block] { showWorking(block); });
    m_gridLayout->addWidget(row.working, gridRow, 1 + Practice::FieldsPerTriangle);
    row.hint = new QLabel(m_grid);
    row.hint->setWordWrap(true);
    QPalette ink = row.hint->palette();
    ink.setColor(QPalette::WindowText, HintInk);
    row.hint->setPalette(ink);
    row.hint->hide();
    m_gridLayout->addWidget(row.hint, gridRow + 1, 1, 1, Practice::FieldsPerTriangle + 1);
    return row;
}

void PracticeWindow::check()
{
    if (m_rows.empty() || !m_check->isEnabled())
        return;
    Practice::Answers answers;
    for (size_t i = 0; i + 1 < m_rows.size(); ++i) {
        Practice::TriangleAnswers typed;
        for (size_t f = 0; f < typed.size(); ++f)
            typed[f] = m_rows[i].fields[f]->text();
        answers.triangles.push_back(typed);
    }
    answers.total = m_rows.back().fields.front()->text();
    const Practice::Marks marks = Practice::check(m_fan, answers);
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const bool total = i + 1 == m_rows.size();
        const FanTriangle *triangle = total ? nullptr : &m_fan.triangles[i];
        QStringList hints;
        for (size_t f = 0; f < m_rows[i].fields.size(); ++f) {
            const Practice::Verdict verdict = total ? marks.total : marks.triangles[i][f];
            const Practice::Field kind = total ? Practice::FieldsPerTriangle : Practice::Field(f);
            markField(m_rows[i].fields[f], verdict, triangle, kind);
            if (verdict.result == Practice::Verdict::Wrong)
                hints << Messages::practiceColumn(kind) + QStringLiteral(": ")
                             + Messages::practiceHint(verdict, triangle, kind);
        }
        m_rows[i].hint->setText(hints.join(u'\n'));
        m_rows[i].hint->setVisible(!hints.isEmpty());
        m_rows[i].working->setVisible(!hints.isEmpty());
    }
    m_score->setText(Messages::practiceScore(marks.right, marks.fields, m_solutionShown));
    fitGrid();
}

void PracticeWindow::showSolution()
{
    const Practice::Answers answers = Practice::solution(m_fan);
    for (size_t i = 0; i + 1 < m_rows.size(); ++i)
        for (size_t f = 0; f < m_rows[i].fields.size(); ++f)
            m_rows[i].fields[f]->setText(answers.triangles[i][f]);
    m_rows.back().fields.front()->setText(answers.total);
    m_solutionShown = true;
    check();
}

// Green or red, and what a screen reader and the tooltip say of it; a field
// without a verdict as the others.
void PracticeWindow::markField(QLineEdit *field, const Practice::Verdict &verdict, const FanTriangle *triangle,
                               Practice::Field kind)
{
    QPalette face = m_grid->palette();
    if (verdict.result != Practice::Verdict::Empty)
        face.setColor(QPalette::Base, verdict.result == Practice::Verdict::Right ? RightFace : WrongFace);
    field->setPalette(face);
    const QString words =
        verdict.result == Practice::Verdict::Empty ? QString() : Messages::practiceVerdict(verdict, triangle, kind);
    field->setToolTip(words);
    field->setAccessibleDescription(words);
}

void PracticeWindow::askNewTask()
{
    QInputDialog dialog(this);
    dialog.setWindowTitle(words(PracticeText::NewTask).chopped(3));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(Task::FewestVertices, Task::MostVertices);
    dialog.setIntValue(m_taskVertices);
    dialog.setLabelText(words(PracticeText::VertexCount));
    dialog.setOkButtonText(Messages::ok());
    dialog.setCancelButtonText(Messages::cancel());
    if (dialog.exec() != QDialog::Accepted)
        return;
    openVariant(Task::variantWith(dialog.intValue(), QRandomGenerator::global()->generate64()));
}

void PracticeWindow::showWorking(int block)
{
    if (!m_working)
        m_working = new WorkingWindow(this);
    m_workingBlock = block;
    m_working->showWorking(m_fan, block);
}

// The fields whole on the screen up to a share of its height, beyond which
// they scroll; the window as small as that allows.
void PracticeWindow::fitGrid()
{
    m_gridLayout->activate();
    const QSize grid = m_grid->sizeHint();
    const QScreen *shown = screen();
    const int most = shown ? int(shown->availableGeometry().height() * MostOfScreen) : grid.height();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_scroll->setMinimumSize(grid.width() + bar, std::min(grid.height(), most));
    // Not adjustSize(), which stops a window at two thirds of the screen and
    // squeezed the score over the fields at a large zoom.
    layout()->activate();
    resize(shown ? sizeHint().boundedTo(shown->availableGeometry().size()) : sizeHint());
    if (isVisible())
        keepOnScreen(*this);
}
