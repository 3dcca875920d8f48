// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging and its two-click alternative go through one acceptance rule.
#include "framework/DragDrop.h"
#include "support/TestApp.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

namespace {

// Two digit labels and three cells; a cell takes the digit it wants ("*":
// any digit), once.
class DigitsScreen : public Screen
{
public:
    explicit DigitsScreen(AppContext& app) : Screen(app, QStringLiteral("FormDigits"), 9000, 6000)
    {
        drag = new DragDrop(*this);
        for (int i = 0; i < 2; ++i) {
            digits[i] = place(new QLabel(QString::number(3 + 2 * i)), QStringLiteral("Cifra"), at(600 + 1200 * i, 600, 900, 900), i);
            cells[i] = place(new QLabel(), QStringLiteral("Casella"), at(600 + 1200 * i, 3000, 900, 900), i);
            cells[i]->setProperty("wants", QString::number(3 + 2 * i));
            drag->addSource(digits[i]);
            drag->addTarget(cells[i]);
        }
        cells[2] = place(new QLabel(), QStringLiteral("Casella"), at(3000, 3000, 900, 900), 2);
        cells[2]->setProperty("wants", QStringLiteral("*"));
        drag->addTarget(cells[2]);
        elsewhere = place(new QPushButton(QStringLiteral("altro")), QStringLiteral("Altro"), at(6000, 600, 1500, 600));
        drag->accepts = [this](QWidget* source, QWidget* target) {
            ++asked;
            auto* cell = static_cast<QLabel*>(target);
            const QString wants = cell->property("wants").toString();
            return cell->text().isEmpty() && (wants == u'*' || static_cast<QLabel*>(source)->text() == wants);
        };
        drag->apply = [this](QWidget* source, QWidget* target) {
            static_cast<QLabel*>(target)->setText(static_cast<QLabel*>(source)->text());
            drag->setDraggable(source, false);
            ++applied;
        };
    }
    DragDrop* drag;
    QLabel* digits[2];
    QLabel* cells[3];
    QPushButton* elsewhere;
    int asked = 0;
    int applied = 0;
};

class DragDropTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        t.app.navigator.add(QStringLiteral("FormDigits"), [](AppContext& a) -> Screen* { return new DigitsScreen(a); });
        t.open(QStringLiteral("FormDigits"));
        ASSERT_TRUE(QTest::qWaitForWindowActive(s()));
    }
    DigitsScreen* s() { return static_cast<DigitsScreen*>(t.current()); }
    TestApp t{TestApp::Screens::None};
};

TEST_F(DragDropTest, ClickToPickThenClickToPlaceThroughTheSameRule)
{
    t.click("Cifra", 0);
    EXPECT_EQ(s()->drag->picked(), s()->digits[0]);
    EXPECT_TRUE(s()->digits[0]->property("picked").toBool());

    t.click("Casella", 1);  // wants 5: refused, nothing changes, the pick stays
    EXPECT_EQ(s()->cells[1]->text(), "");
    EXPECT_EQ(s()->applied, 0);
    EXPECT_EQ(s()->drag->picked(), s()->digits[0]);

    t.click("Casella", 0);
    EXPECT_EQ(s()->cells[0]->text(), "3");
    EXPECT_EQ(s()->applied, 1);
    EXPECT_EQ(s()->drag->picked(), nullptr);
    EXPECT_FALSE(s()->drag->isDraggable(s()->digits[0]));

    t.click("Cifra", 0);  // no longer draggable: cannot be picked
    EXPECT_EQ(s()->drag->picked(), nullptr);
}

TEST_F(DragDropTest, DropsAreAskedAndAppliedAfterTheDropEvent)
{
    EXPECT_FALSE(t.drop("Cifra", 1, "Casella", 0));  // the wrong digit
    EXPECT_EQ(s()->cells[0]->text(), "");
    EXPECT_TRUE(t.drop("Cifra", 1, "Casella", 1));
    EXPECT_EQ(s()->cells[1]->text(), "5");
    EXPECT_FALSE(t.drop("Cifra", 0, "Casella", 1));  // the cell is full
    EXPECT_FALSE(t.drop("Cifra", 1, "Casella", 1));  // no longer draggable
    EXPECT_EQ(s()->applied, 1);
}

TEST_F(DragDropTest, ForeignOrBrokenDragDataIsRefused)
{
    QLabel* cell = s()->cells[0];
    for (const QByteArray& payload : {QByteArray("Altro\n-1"), QByteArray("Cifra"), QByteArray("Cifra\nx"),
                                      QByteArray("Nessuno\n0"), QByteArray("\xff\xfe\n\x00", 4)}) {
        QMimeData data;
        data.setData(DragDrop::MimeType, payload);
        QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(cell, &enter);
        EXPECT_FALSE(enter.isAccepted()) << payload.toStdString();
    }
    QMimeData text;
    text.setText(QStringLiteral("3"));
    QDropEvent drop(QPointF(5, 5), Qt::MoveAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cell, &drop);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(cell->text(), "");
    EXPECT_EQ(s()->asked, 0);
}

TEST_F(DragDropTest, EscapeOrAClickElsewherePutsThePickDown)
{
    t.click("Cifra", 0);
    ASSERT_EQ(s()->drag->picked(), s()->digits[0]);
    QTest::keyClick(s()->digits[0], Qt::Key_Escape);
    EXPECT_EQ(s()->drag->picked(), nullptr);

    t.click("Cifra", 1);
    t.click("Altro");
    EXPECT_EQ(s()->drag->picked(), nullptr);

    t.click("Cifra", 1);
    t.click("Cifra", 1);  // the picked label again
    EXPECT_EQ(s()->drag->picked(), nullptr);
    EXPECT_EQ(s()->applied, 0);
}

TEST_F(DragDropTest, DraggableSourcesShowTheDragPointer)
{
    EXPECT_EQ(s()->digits[0]->cursor().shape(), Qt::BitmapCursor);
    s()->drag->setDraggable(s()->digits[0], false);
    EXPECT_NE(s()->digits[0]->cursor().shape(), Qt::BitmapCursor);
}

} // namespace

namespace {

bool pickedState(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a && a->state().checked && a->state().selected;
}

TEST_F(DragDropTest, KeysPickMoveAmongAllowedTargetsAndPlaceThroughTheSameRule)
{
    s()->elsewhere->setFocus();
    t.press(Qt::Key_Tab);
    ASSERT_EQ(t.focused(), s()->digits[0]);

    // Space picks up and goes to the first target the rule allows, in
    // reading order; the arrows and Tab go round the allowed ones only.
    t.press(Qt::Key_Space);
    EXPECT_EQ(s()->drag->picked(), s()->digits[0]);
    EXPECT_TRUE(pickedState(s()->digits[0]));
    EXPECT_EQ(t.focused(), s()->cells[0]);
    t.press(Qt::Key_Right);
    EXPECT_EQ(t.focused(), s()->cells[2]);  // cells[1] wants a 5
    t.press(Qt::Key_Tab);
    EXPECT_EQ(t.focused(), s()->cells[0]);
    t.press(Qt::Key_Up);
    EXPECT_EQ(t.focused(), s()->cells[2]);

    // Escape puts it back where it was, with the focus.
    t.press(Qt::Key_Escape);
    EXPECT_EQ(s()->drag->picked(), nullptr);
    EXPECT_FALSE(pickedState(s()->digits[0]));
    EXPECT_EQ(t.focused(), s()->digits[0]);
    EXPECT_EQ(s()->applied, 0);

    // Enter puts it on the framed target; the focus goes on to the next
    // label that can still move.
    t.press(Qt::Key_Return);
    t.press(Qt::Key_Down);
    t.press(Qt::Key_Return);
    EXPECT_EQ(s()->cells[2]->text(), "3");
    EXPECT_EQ(s()->applied, 1);
    EXPECT_EQ(s()->drag->picked(), nullptr);
    EXPECT_EQ(t.focused(), s()->digits[1]);

    // A label that no longer moves is no tab stop.
    t.press(Qt::Key_Tab);
    EXPECT_NE(t.focused(), s()->digits[0]);
}

TEST_F(DragDropTest, ALabelNoTargetTakesIsPickedButNothingMoves)
{
    s()->cells[2]->setText(QStringLiteral("9"));
    s()->cells[0]->setText(QStringLiteral("9"));
    s()->digits[0]->setFocus();
    t.press(Qt::Key_Space);
    EXPECT_EQ(s()->drag->picked(), s()->digits[0]);
    EXPECT_EQ(t.focused(), s()->digits[0]);
    t.press(Qt::Key_Space);  // the picked label again puts it down
    EXPECT_EQ(s()->drag->picked(), nullptr);
    EXPECT_EQ(s()->asked, 3);
}

TEST_F(DragDropTest, AssistiveTechnologyPicksUpByThePressActionAndHearsTheState)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(s()->digits[1]);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), "5");
    EXPECT_TRUE(a->state().checkable);
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(s()->drag->picked(), s()->digits[1]);
    EXPECT_TRUE(pickedState(s()->digits[1]));
    t.click("Casella", 1);
    EXPECT_EQ(s()->cells[1]->text(), "5");
    // Placed: a plain text, nothing to press.
    EXPECT_EQ(a->role(), QAccessible::StaticText);
    EXPECT_TRUE(a->actionInterface()->actionNames().isEmpty());
}

TEST_F(DragDropTest, AClickPicksUpWithoutTakingTheFocus)
{
    s()->elsewhere->setFocus();
    t.click("Cifra", 0);
    EXPECT_EQ(s()->drag->picked(), s()->digits[0]);
    EXPECT_EQ(t.focused(), s()->elsewhere);
}

} // namespace
