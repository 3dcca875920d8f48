// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/columns/ColumnScreen.h"

#include "framework/AppContext.h"
#include "framework/CellGrid.h"
#include "framework/Controls.h"
#include "framework/DragDrop.h"
#include "framework/Navigator.h"
#include "services/MessageKeys.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

using namespace columns;

namespace {

// Background of grid cells and result boxes, by Place, and the text on it.
const QColor ColumnColours[3] = {QColor(255, 255, 0), QColor(255, 0, 0), QColor(0, 0, 255)};
const QColor ColumnTextColours[3] = {Qt::black, Qt::black, Qt::white};
const QColor UnitsMarkColour(255, 0, 255);
const QColor SubtractionTensMarkColour(255, 128, 255);
const QColor DesignBackground(204, 236, 255);

const char* const DigitNames[2][3] = {{"Lh1", "Lda1", "Lu1"}, {"Lh2", "Lda2", "Lu2"}};
const char* const CellNames[2][3] = {{"Eh1", "Eda1", "Eu1"}, {"Eh2", "Eda2", "Eu2"}};
const char* const BoxNames[3] = {"Ehr", "Edar", "Eur"};
const char* const DepartureNames[2] = {"CambioUp", "CambioDap"};
const char* const ArrivalNames[2] = {"CambioUa", "CambioDaa"};

// The accessible-name strings, in the order of their message numbers.
enum NameString {
    HundredsName, TensName, UnitsName,  // by Place
    TopDigitName, BottomDigitName,      // "%1: %2", column and digit
    TopCellName, BottomCellName,
    EmptyName,
    BoxName,                            // "%1", column
    DepartureName, ArrivalName,         // "%1: %2", exchange column and text
    BarName, PlusName, MinusName,       // the drawn strokes
};

QString nameKey(NameString n)
{
    return msg::hintKey(msg::ColumnNamesFirst + n);
}

QString text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

QLineF linePixels(const QLineF& twipsLine)
{
    return {twipsLine.x1() / twips::PerPixel, twipsLine.y1() / twips::PerPixel, twipsLine.x2() / twips::PerPixel,
            twipsLine.y2() / twips::PerPixel};
}

} // namespace

ColumnScreen::ColumnScreen(AppContext& app, const ExerciseRow& row, const ColumnVariant* variant)
    : ExerciseScreen(app, row), variant_(*variant), problem_(variant->rules)
{
    setBackground(DesignBackground);
    const ColumnGeometry& g = *variant_.geometry;

    message_ = place(new QLabel(), QStringLiteral("Label3"), twips::rect(g.message.x(), g.message.y(), MessageWidth, MessageHeight));
    message_->setFont(designFont(QStringLiteral("Arial"), 14.25));
    message_->setWordWrap(true);
    message_->setFrameShape(QFrame::Box);
    message_->setMargin(4);
    control::fillBackground(message_, Qt::white);
    // The hint line is the screen's instruction: it can be heard.
    speakInstruction(message_);

    buildTextLine();
    buildGrid();
    buildMarks();
    buildDragging();

    // What the controls say they hold, read with the screen's other names.
    QStringList keys;
    for (int n = HundredsName; n <= ArrivalName; ++n)
        keys << nameKey(NameString(n));
    spokenNames().readWith(keys);
}

void ColumnScreen::buildTextLine()
{
    const ColumnGeometry& g = *variant_.geometry;
    const QFont font = designFont(QStringLiteral("Arial"), 48);
    auto label = [&](const QString& name, const QString& caption) {
        auto* l = place(new QLabel(caption), name, twips::rect(g.textLine.x(), g.textLine.y(), 0, 0));
        l->setFont(font);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        control::setComputedLayout(l);
        return l;
    };
    for (Place p : Places)
        digits_[Top][p] = label(text(DigitNames[Top][p]), {});
    const bool adding = variant_.rules.operation == Operation::Addition;
    sign_ = label(QStringLiteral("Label6"), adding ? QStringLiteral(" + ") : QStringLiteral(" - "));
    for (Place p : Places)
        digits_[Bottom][p] = label(text(DigitNames[Bottom][p]), {});
    equals_ = label(QStringLiteral("Label7"), QStringLiteral(" = "));
    result_ = label(QStringLiteral("Lris"), {});
}

void ColumnScreen::buildGrid()
{
    const ColumnGeometry& g = *variant_.geometry;
    const char* const headings[3] = {"h", "da", "u"};
    for (Place p : Places) {
        const QRectF r = g.heading(p);
        auto* h = place(new QLabel(text(headings[p])), text(g.headingNames[p]),
                        twips::rect(r.x(), r.y(), r.width(), r.height()));
        h->setFont(designFont(QStringLiteral("Arial"), 16));
        h->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    }

    const QFont cellFont = designFont(QStringLiteral("Arial"), 36);
    for (Row row : {Top, Bottom})
        for (Place p : Places) {
            const QRectF r = g.cell(row, p);
            auto* c = place(new Cell(), text(CellNames[row][p]), twips::rect(r.x(), r.y(), r.width(), r.height()));
            c->setFont(cellFont);
            c->setFill(ColumnColours[p]);
            c->setTextColour(ColumnTextColours[p]);
            cells_[row][p] = c;
        }

    auto line = [&](const QString& name, const QLineF& twipsLine, NameString spoken) {
        auto* l = place(new LineControl(), name, QRect());
        l->setThickness(4);
        l->setEnds(linePixels(twipsLine));
        spokenNames().fixed(l, nameKey(spoken));
    };
    const bool adding = variant_.rules.operation == Operation::Addition;
    line(QStringLiteral("Line1"), g.bar, BarName);
    line(QStringLiteral("Line2"), g.stroke, adding ? PlusName : MinusName);
    if (g.upright)
        line(QStringLiteral("Line3"), *g.upright, PlusName);

    const bool filtered = variant_.rules.operation == Operation::Subtraction;
    for (Place p : Places) {
        const QRectF r = g.box(p);
        auto* b = place(new QLineEdit(), text(BoxNames[p]), twips::rect(r.x(), r.y(), r.width(), r.height()));
        b->setFont(cellFont);
        b->setAlignment(Qt::AlignCenter);
        b->setMaxLength(2);
        b->setFrame(true);
        QPalette pal = b->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            pal.setColor(group, QPalette::Base, ColumnColours[p]);
            pal.setColor(group, QPalette::Text, ColumnTextColours[p]);
        }
        b->setPalette(pal);
        connect(b, &QLineEdit::textEdited, this, [this, p](const QString& typed) { problem_.setBoxText(p, typed); });
        // The subtraction boxes take digits only; the addition boxes take
        // anything, read leniently. Enter is judged here, empty box or not.
        if (filtered)
            watchAnswerBox(b, DigitFilter::Digits, false, {});
        b->installEventFilter(this);
        boxes_[p] = b;
    }
}

void ColumnScreen::buildMarks()
{
    if (!variant_.rules.exchanges)
        return;
    const ColumnGeometry& g = *variant_.geometry;
    const bool subtracting = variant_.rules.operation == Operation::Subtraction;
    const QFont font = designFont(QStringLiteral("Arial"), 13.5);
    auto mark = [&](const char* name, const QRectF& r, const QColor& colour) {
        auto* m = place(new QLabel(), text(name), twips::rect(r.x(), r.y(), r.width(), r.height()));
        m->setFont(font);
        m->setAlignment(Qt::AlignCenter);
        control::fillBackground(m, colour);
        m->hide();
        return m;
    };
    for (Exchange e : {UnitsExchange, TensExchange}) {
        const QColor colour = subtracting && e == TensExchange ? SubtractionTensMarkColour : UnitsMarkColour;
        departures_[e] = mark(DepartureNames[e], g.departureMark(e), colour);
        arrivals_[e] = mark(ArrivalNames[e], g.arrivalMark(e), colour);
    }
}

void ColumnScreen::buildDragging()
{
    drag_ = new DragDrop(*this);
    for (Row row : {Top, Bottom})
        for (Place p : Places) {
            drag_->addSource(digits_[row][p], false);
            drag_->addTarget(cells_[row][p]);
        }
    for (Exchange e : {UnitsExchange, TensExchange})
        if (departures_[e]) {
            // A departure mark can be dragged whenever it is shown.
            drag_->addSource(departures_[e], true);
            drag_->addTarget(arrivals_[e]);
        }
    drag_->accepts = [this](QWidget* source, QWidget* target) { return accepts(source, target); };
    drag_->apply = [this](QWidget* source, QWidget* target) { drop(source, target); };
}

namespace {

template <class W, std::size_t N>
int indexIn(const std::array<W*, N>& controls, const QWidget* w)
{
    for (std::size_t i = 0; i < N; ++i)
        if (controls[i] && controls[i] == w)
            return static_cast<int>(i);
    return -1;
}

struct Spot
{
    Row row = Top;
    int index = -1;  // Place, or Exchange for marks
};

template <class W>
Spot spotIn(const std::array<std::array<W*, 3>, 2>& grid, const QWidget* w)
{
    for (Row row : {Top, Bottom})
        if (const int i = indexIn(grid[row], w); i >= 0)
            return {row, i};
    return {};
}

} // namespace

// A digit label onto a grid cell, or a departure mark onto an arrival
// mark; the problem decides.
bool ColumnScreen::accepts(QWidget* source, QWidget* target) const
{
    const Spot digit = spotIn(digits_, source);
    const Spot cell = spotIn(cells_, target);
    if (digit.index >= 0 && cell.index >= 0)
        return problem_.acceptsDigit(digit.row, Place(digit.index), cell.row, Place(cell.index));
    const int departure = indexIn(departures_, source);
    const int arrival = indexIn(arrivals_, target);
    if (departure >= 0 && arrival >= 0)
        return problem_.acceptsExchange(Exchange(departure), Exchange(arrival));
    return false;
}

void ColumnScreen::drop(QWidget* source, QWidget* target)
{
    const Spot digit = spotIn(digits_, source);
    const Spot cell = spotIn(cells_, target);
    bool dropped = false;
    if (digit.index >= 0 && cell.index >= 0) {
        dropped = problem_.dropDigit(digit.row, Place(digit.index), cell.row, Place(cell.index));
    } else {
        const int departure = indexIn(departures_, source);
        const int arrival = indexIn(arrivals_, target);
        if (departure >= 0 && arrival >= 0)
            dropped = problem_.dropExchange(Exchange(departure), Exchange(arrival));
    }
    if (!dropped)
        return;
    showProblem();
    focusOpenBox();
}

bool ColumnScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enterKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (const int i = indexIn(boxes_, qobject_cast<QWidget*>(watched)); i >= 0 && enterKey && !key->isAutoRepeat())
            enter(Place(i));
    }
    return ExerciseScreen::eventFilter(watched, event);
}

void ColumnScreen::enter(Place place)
{
    QLineEdit* box = boxes_[place];
    problem_.setBoxText(place, box->text());
    switch (problem_.enter(place)) {
    case Judgement::Ignored:
        return;
    case Judgement::WrongBeep:
        countWrong(WrongSignal::Beep);
        box->setFocus();
        return;
    case Judgement::WrongErrorSound:
        countWrong(WrongSignal::ErrorSound);
        box->setFocus();
        return;
    case Judgement::Right:
        showProblem();
        focusOpenBox();
        return;
    case Judgement::Solved:
        showProblem();
        countRight();
        awaitNext();
        return;
    }
}

std::optional<int> ColumnScreen::spokenAnswer() const
{
    bool ok = false;
    const int n = problem_.resultText().simplified().remove(QLatin1Char(' ')).toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

QString ColumnScreen::problemShown() const
{
    int top = 0;
    int bottom = 0;
    for (Place p : Places) {
        top = 10 * top + problem_.topDigit(p);
        bottom = 10 * bottom + problem_.bottomDigit(p);
    }
    const bool adding = problem_.rules().operation == Operation::Addition;
    return QStringLiteral("%1 %2 %3").arg(top).arg(adding ? QStringLiteral("+") : QStringLiteral("-")).arg(bottom);
}

QString ColumnScreen::answerGiven() const
{
    if (problem_.phase() == Phase::Solved)
        return problem_.resultText().trimmed();
    QString typed;
    for (Place p : Places) {
        const QString digit = problem_.boxText(p).trimmed();
        typed += digit.isEmpty() ? QStringLiteral("_") : digit;
    }
    return typed;
}

void ColumnScreen::shown()
{
    newProblem();
}

void ColumnScreen::newProblem()
{
    problem_.pose(variant_.generate(app().random));
    showProblem();
}

void ColumnScreen::showProblem()
{
    // Each control says which number and column it belongs to and what it
    // holds ("Primo numero, unità: 7"), or that it holds nothing.
    using Part = SpokenNames::Part;
    SpokenNames& names = spokenNames();
    auto holds = [](const QString& t) { return Part::shownOr(t, nameKey(EmptyName)); };
    auto column = [](Place p) { return Part::message(nameKey(NameString(p))); };
    for (Row row : {Top, Bottom})
        for (Place p : Places) {
            QLabel* d = digits_[row][p];
            d->setText(problem_.labelText(row, p));
            drag_->setDraggable(d, problem_.labelDraggable(row, p));
            names.filled(d, nameKey(row == Top ? TopDigitName : BottomDigitName),
                         {column(p), holds(problem_.labelText(row, p))});
            Cell* c = cells_[row][p];
            c->setText(problem_.cellText(row, p));
            names.filled(c, nameKey(row == Top ? TopCellName : BottomCellName), {column(p), holds(problem_.cellText(row, p))});
        }
    for (Place p : Places) {
        QLineEdit* b = boxes_[p];
        if (b->text() != problem_.boxText(p))
            b->setText(problem_.boxText(p));
        b->setEnabled(problem_.boxOpen(p));
        names.filled(b, nameKey(BoxName), {column(p)});
    }
    for (Exchange e : {UnitsExchange, TensExchange}) {
        if (!departures_[e])
            continue;
        const Place from = e == UnitsExchange ? Units : Tens;
        departures_[e]->setText(problem_.departureText(e));
        departures_[e]->setVisible(problem_.marksShown(e));
        names.filled(departures_[e], nameKey(DepartureName), {column(from), holds(problem_.departureText(e))});
        arrivals_[e]->setText(problem_.arrivalText(e));
        arrivals_[e]->setVisible(problem_.marksShown(e));
        names.filled(arrivals_[e], nameKey(ArrivalName), {column(from), holds(problem_.arrivalText(e))});
    }
    // The result is written only when the problem is solved.
    result_->setText(problem_.resultText());
    result_->setVisible(!problem_.resultText().isEmpty());
    // A new instruction is told to assistive technology as it appears.
    const QString hint = problem_.hintKey();
    const QString instruction = hint.isEmpty() ? QString() : app().strings.getString(hint);
    if (message_->text() != instruction) {
        message_->setText(instruction);
        if (!instruction.isEmpty())
            spoken::announce(message_);
    }
    layOutTextLine();
}

void ColumnScreen::focusOpenBox()
{
    if (const auto open = problem_.openBox())
        boxes_[*open]->setFocus();
}

void ColumnScreen::afterRescale()
{
    layOutTextLine();
}

// The text line reads without gaps: each label is as wide as its text and
// starts where the one before it ends, from the upper hundreds label, which
// keeps its design place. Placed by hand rather than by a container that the
// scaler places and a layout fills: the line starts between two design
// pixels (1100 twips down, 73.3 pixels) and the scaler, which scales whole
// design pixels, would put it a pixel higher on some displays (1280 by 800
// among them).
void ColumnScreen::layOutTextLine()
{
    QPoint at = toPixels(variant_.geometry->textLine);
    const QList<QLabel*> line = {digits_[Top][Hundreds], digits_[Top][Tens], digits_[Top][Units], sign_,
                                 digits_[Bottom][Hundreds], digits_[Bottom][Tens], digits_[Bottom][Units],
                                 equals_, result_};
    for (QLabel* l : line) {
        const QFontMetrics fm(l->font());
        const int width = l->text().isEmpty() ? 0 : fm.horizontalAdvance(l->text());
        l->setGeometry(at.x(), at.y(), width, fm.height());
        at.rx() += width;
    }
}
