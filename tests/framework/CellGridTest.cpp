// SPDX-License-Identifier: GPL-3.0-or-later
// A hundred painted cells as a control array: placed, coloured, clicked,
// translated and scaled like any other control; and a layout a screen
// computes itself kept after a rescale.
#include "framework/CellGrid.h"
#include "support/TestApp.h"

#include <QLabel>

namespace {

CellGrid::Layout hundred()
{
    CellGrid::Layout l;
    l.name = QStringLiteral("Cella");
    l.count = 100;
    l.perLine = 10;
    l.origin = {600, 300};
    l.cell = {450, 450};
    l.pitch = {480, 480};
    l.font = designFont(QStringLiteral("Arial"), 9.75);
    return l;
}

class GridScreen : public Screen
{
public:
    explicit GridScreen(AppContext& app) : Screen(app, QStringLiteral("FormGriglia"), 9000, 6000)
    {
        grid = new CellGrid(*this, hundred());
        connect(grid, &CellGrid::clicked, this, [this](int i) { clicks.push_back(i); });
        word = place(new QLabel(QStringLiteral("parola")), QStringLiteral("Parola"), at(6000, 600, 1500, 600));
        word->adjustSize();
        box = place(new QLabel(QStringLiteral("[ ]")), QStringLiteral("Accanto"), at(0, 0, 600, 600));
        control::setComputedLayout(box);
    }
    // The box stands at the right edge of the word, whatever the scale.
    void afterRescale() override { box->move(word->geometry().right() + 1, word->y()); ++rescales; }

    CellGrid* grid;
    QLabel* word;
    QLabel* box;
    std::vector<int> clicks;
    int rescales = 0;
};

class CellGridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        t.app.navigator.add(QStringLiteral("FormGriglia"), [](AppContext& a) -> Screen* { return new GridScreen(a); });
    }
    GridScreen* s() { return static_cast<GridScreen*>(t.current()); }
    TestApp t{TestApp::Screens::None};
};

TEST_F(CellGridTest, CellsStandInRowsOrColumnsByIndex)
{
    CellGrid::Layout l = hundred();
    EXPECT_EQ(CellGrid::designPlace(l, 0), QRectF(600, 300, 450, 450));
    EXPECT_EQ(CellGrid::designPlace(l, 23), QRectF(600 + 3 * 480, 300 + 2 * 480, 450, 450));
    l.byColumns = true;
    EXPECT_EQ(CellGrid::designPlace(l, 23), QRectF(600 + 2 * 480, 300 + 3 * 480, 450, 450));
}

TEST_F(CellGridTest, CellsAreControlsThatPaintTheirColoursAndReportClicks)
{
    t.open(QStringLiteral("FormGriglia"));
    ASSERT_EQ(s()->grid->count(), 100);
    EXPECT_EQ(t.find<Cell>("Cella", 57), s()->grid->cell(57));
    EXPECT_EQ(s()->grid->cell(100), nullptr);

    Cell* c = s()->grid->cell(57);
    c->setFill(QColor(200, 255, 200));
    c->setText(QStringLiteral("357"));
    c->setAccessibleName(QStringLiteral("357"));
    const QImage shot = c->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(3, 3)), QColor(200, 255, 200));
    EXPECT_EQ(c->palette(), QPalette());  // painted, not put into a palette

    t.click("Cella", 57);  // not clickable yet
    EXPECT_TRUE(s()->clicks.empty());
    c->setClickable(true);
    t.click("Cella", 57);
    t.key("Cella", Qt::Key_Space, 57);
    EXPECT_EQ(s()->clicks, (std::vector<int>{57, 57}));
}

TEST_F(CellGridTest, CellsAreTranslatedAndScaledLikeOtherControls)
{
    t.useLanguage("Prova", "[FormGriglia]\r\nCella(5).ToolTipText=\"cinque\"\r\n");
    t.open(QStringLiteral("FormGriglia"));
    EXPECT_EQ(s()->grid->cell(5)->toolTip(), "cinque");

    const QSize before = s()->grid->cell(99)->size();
    const QPoint at = s()->grid->cell(99)->pos();
    const QSize client = s()->clientSize();
    t.resize(s()->size() / 2);
    const double fx = double(s()->clientSize().width()) / client.width();
    EXPECT_NEAR(s()->grid->cell(99)->x(), at.x() * fx, 2);
    EXPECT_NEAR(s()->grid->cell(99)->width(), before.width() * fx, 2);
}

TEST_F(CellGridTest, AComputedLayoutSurvivesEveryRescale)
{
    t.open(QStringLiteral("FormGriglia"));
    EXPECT_GE(s()->rescales, 2);  // after load and after activation
    for (const QSize size : {QSize(1000, 700), QSize(640, 480), QSize(1600, 1000)}) {
        t.resize(size);
        EXPECT_EQ(s()->box->pos(), QPoint(s()->word->geometry().right() + 1, s()->word->y())) << size.width();
    }
}

} // namespace

namespace {

int focusedCell(const CellGrid* grid)
{
    return static_cast<int>(grid->cells().indexOf(qobject_cast<Cell*>(QApplication::focusWidget())));
}

bool tabStop(const QWidget* w)
{
    return w->focusPolicy() & Qt::TabFocus;
}

} // namespace

// Keys move the focus (and what a screen reader hears) from cell to cell
// as they stand; the whole grid is one tab stop, the last cell visited.
TEST_F(CellGridTest, TheGridIsOneTabStopWalkedByArrowsHomeEndAndPages)
{
    t.open(QStringLiteral("FormGriglia"));
    CellGrid* g = s()->grid;
    int stops = 0;
    for (Cell* c : g->cells())
        stops += tabStop(c);
    EXPECT_EQ(stops, 1);
    EXPECT_TRUE(tabStop(g->cell(0)));

    g->cell(0)->setFocus();
    struct Step { Qt::Key key; Qt::KeyboardModifiers modifiers; int to; };
    const Step steps[] = {
        {Qt::Key_Right, Qt::NoModifier, 1},  {Qt::Key_Down, Qt::NoModifier, 11},
        {Qt::Key_End, Qt::NoModifier, 19},   {Qt::Key_Right, Qt::NoModifier, 19},  // the edge holds
        {Qt::Key_Home, Qt::NoModifier, 10},  {Qt::Key_Left, Qt::NoModifier, 10},
        {Qt::Key_PageDown, Qt::NoModifier, 90}, {Qt::Key_Down, Qt::NoModifier, 90},
        {Qt::Key_Up, Qt::NoModifier, 80},    {Qt::Key_PageUp, Qt::NoModifier, 0},
        {Qt::Key_End, Qt::ControlModifier, 99}, {Qt::Key_Home, Qt::ControlModifier, 0},
        {Qt::Key_End, Qt::ControlModifier, 99}, {Qt::Key_Up, Qt::NoModifier, 89},
    };
    for (const Step& step : steps) {
        t.press(step.key, step.modifiers);
        EXPECT_EQ(focusedCell(g), step.to) << QKeySequence(step.key | step.modifiers).toString().toStdString();
    }
    // The tab stop follows the focus; Space presses only a clickable cell.
    EXPECT_TRUE(tabStop(g->cell(89)));
    EXPECT_FALSE(tabStop(g->cell(0)));
    t.press(Qt::Key_Space);
    EXPECT_TRUE(s()->clicks.empty());
    g->cell(89)->setClickable(true);
    t.press(Qt::Key_Space);
    t.press(Qt::Key_Enter);
    EXPECT_EQ(s()->clicks, (std::vector<int>{89, 89}));
    EXPECT_TRUE(tabStop(g->cell(89)));

    // A click makes a clickable cell the one Tab comes back to.
    g->cell(3)->setClickable(true);
    t.click("Cella", 3);
    EXPECT_TRUE(tabStop(g->cell(3)));
    EXPECT_FALSE(tabStop(g->cell(89)));
}

TEST_F(CellGridTest, KeysFollowCellsLaidOutByColumnsAndSkipDisabledOnes)
{
    t.app.navigator.add(QStringLiteral("FormColonne"), [](AppContext& a) -> Screen* {
        auto* s = new Screen(a, QStringLiteral("FormColonne"), 9000, 6000);
        CellGrid::Layout l = hundred();
        l.byColumns = true;
        l.count = 25;  // the last column holds five
        new CellGrid(*s, l);
        return s;
    });
    t.open(QStringLiteral("FormColonne"));
    auto* g = t.current()->findChild<CellGrid*>();
    ASSERT_NE(g, nullptr);
    g->cell(0)->setFocus();
    t.press(Qt::Key_Right);
    EXPECT_EQ(focusedCell(g), 10);  // index runs down the columns
    t.press(Qt::Key_Down);
    EXPECT_EQ(focusedCell(g), 11);
    t.press(Qt::Key_End);
    EXPECT_EQ(focusedCell(g), 21);
    t.press(Qt::Key_PageDown);
    EXPECT_EQ(focusedCell(g), 24);
    g->cell(14)->setEnabled(false);
    t.press(Qt::Key_Left);
    EXPECT_EQ(focusedCell(g), 24);  // cell 14 takes no focus
}
