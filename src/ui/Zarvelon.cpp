#include "ui/Zarvelon.h"

#include "platform/CanvasWidget.h"
#include "platform/Conversions.h"
#include "ui/Commands.h"
#include "ui/TaskDescription.h"

#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>

namespace {

// The layout is drawn in twips, 15 to a pixel.
QRect twips(int left, int top, int width, int height)
{
    const auto px = [](int t) { return int(std::lround(t / 15.0)); };
    return QRect(px(left), px(top), px(width), px(height));
}

QString cssColour(qint32 colour)
{
    return QColor(ToQRgb(colour)).name();
}

// A plain background colour is washed out by the style's button gradient; a
// style sheet with a border shows it as it is, with an edge that sinks when
// pressed.
QString buttonStyle(qint32 colour)
{
    const QColor face(ToQRgb(colour));
    return QStringLiteral("QPushButton { background-color: %1; color: palette(button-text);"
                          " border: 2px outset %2; }"
                          " QPushButton:pressed { border-style: inset; }"
                          " QPushButton:focus { border-color: %3; }")
        .arg(face.name(), face.darker(150).name(), face.darker(250).name());
}

struct ButtonSpec {
    const char16_t *caption;
    QRect geometry;
    qint32 colour;
};

struct LabelSpec {
    const char16_t *caption;
    QRect geometry;
};

void place(QWidget *widget, QWidget *client, const QRect &geometry)
{
    widget->setParent(client);
    widget->setGeometry(geometry);
}

} // namespace

Zarvelon::Zarvelon(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("Zarvelon"));
    setWindowTitle(QStringLiteral("Zarvelon"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/zarvelon-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setFont(QFont(QStringLiteral("Times New Roman"), 12));

    auto *client = new QWidget(this);
    client->setFixedSize(twips(0, 0, 7215, 6360).size());
    client->setAutoFillBackground(true);
    QPalette lavender = client->palette();
    lavender.setColor(QPalette::Window, QColor(192, 192, 255));
    client->setPalette(lavender);
    setCentralWidget(client);

    buildControls(client);
    buildMenu();
    setTabOrder();

    connect(&m_board, &Board::VertexLimitReached, this, &Zarvelon::showVertexLimit);
    m_board.Text1.SetText(TaskDescription());
    m_quotation.SetText(Quotation());
    m_board.Form_Load();

    m_board.Text1.widget()->setFocus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Zarvelon::Command1_Click(int index)
{
    // The delete button acts only with a vertex selected; the command itself
    // makes the same test.
    if (index == DeleteSelected && m_board.List1[0].ListIndex() < 0)
        return;
    RunCommand(m_board, index);
}

void Zarvelon::menu_h_Click(int index)
{
    RunCommand(m_board, index);
}

void Zarvelon::buildControls(QWidget *client)
{
    const qint32 labelColour = RGB(255, 192, 128);
    const std::array<LabelSpec, 4> labels{{
        {u"Геометрия - неправилен, изпъкнал N-ъгълник", twips(1200, 0, 4815, 375)},
        {u"X", twips(1200, 3720, 375, 375)},
        {u"Y", twips(2400, 3720, 375, 375)},
        {u"N", twips(120, 3720, 375, 375)},
    }};
    for (int i = 0; i < int(labels.size()); ++i) {
        auto *label = new QLabel(QString::fromUtf16(labels[i].caption), client);
        label->setGeometry(labels[i].geometry);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("background-color: %1;").arg(cssColour(labelColour)));
        m_labels[i] = label;
    }

    const std::array<ButtonSpec, 4> buttons{{
        {u"Контур", twips(120, 120, 855, 375), RGB(255, 128, 0)},
        {u"Поред", twips(6240, 120, 855, 375), RGB(0, 255, 0)},
        {u"Чисти", twips(3840, 3720, 855, 375), RGB(255, 0, 0)},
        {u"Трий 1т", twips(5520, 3720, 975, 375), RGB(255, 0, 255)},
    }};
    for (int i = 0; i < int(buttons.size()); ++i) {
        auto *button = new QPushButton(QString::fromUtf16(buttons[i].caption), client);
        button->setGeometry(buttons[i].geometry);
        button->setStyleSheet(buttonStyle(buttons[i].colour));
        connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        m_buttons[i] = button;
    }

    CanvasWidget *canvas = m_board.Picture1.widget();
    place(canvas, client, twips(120, 480, 7000, 3000));
    canvas->setFocusPolicy(Qt::StrongFocus);
    canvas->setAccessibleName(QStringLiteral("Чертожна дъска"));

    const std::array<QRect, 3> vertexLists{
        twips(1560, 3720, 735, 345), twips(2760, 3720, 735, 345), twips(480, 3720, 615, 345)};
    const std::array<const char16_t *, 3> vertexListNames{u"X", u"Y", u"Номер"};
    for (int i = 0; i < 3; ++i) {
        QListWidget *list = m_board.List1[i].widget();
        place(list, client, vertexLists[i]);
        list->setAccessibleName(QString::fromUtf16(vertexListNames[i]));
    }

    const std::array<QRect, 4> scratchLists{twips(120, 0, 1335, 630), twips(1440, 0, 1335, 630),
                                            twips(3480, 120, 1335, 630), twips(4800, 0, 1335, 630)};
    for (int i = 0; i < 4; ++i) {
        place(m_board.List2[i].widget(), client, scratchLists[i]);
        m_board.List2[i].widget()->hide();
    }

    QPlainTextEdit *report = m_board.Text1.widget();
    place(report, client, twips(120, 4200, 6975, 2055));
    report->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    report->setAccessibleName(QStringLiteral("Отчет"));

    QPlainTextEdit *quotation = m_quotation.widget();
    place(quotation, client, twips(600, 4680, 6735, 1815));
    quotation->hide();

    // The scratch lists and the quotation lie under the visible controls.
    for (ListBox &scratch : m_board.List2)
        scratch.widget()->lower();
    quotation->lower();
}

void Zarvelon::buildMenu()
{
    const std::array<const char16_t *, 4> captions{u"Нареди контур", u"Свържи подред",
                                                   u"Чисти всичко", u"Изтрий 1 точка"};
    for (int i = 0; i < int(captions.size()); ++i) {
        QAction *item = menuBar()->addAction(QString::fromUtf16(captions[i]));
        connect(item, &QAction::triggered, this, [this, i] { menu_h_Click(i); });
        m_menu[i] = item;
    }
}

// The keyboard order of the controls that can take the focus.
void Zarvelon::setTabOrder()
{
    const std::array<QWidget *, 9> order{
        m_board.Text1.widget(),   m_board.Picture1.widget(), m_board.List1[0].widget(),
        m_board.List1[1].widget(), m_buttons[1],              m_buttons[2],
        m_buttons[0],             m_board.List1[2].widget(), m_buttons[3]};
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Zarvelon::showVertexLimit()
{
    auto *box = new QMessageBox(QMessageBox::Warning, windowTitle(),
                                QStringLiteral("Дъската вече съдържа най-много върхове: %1.\n"
                                               "Изтрийте точка или изчистете всичко, за да добавите нова.")
                                    .arg(Board::MaxVertices),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
