// SPDX-License-Identifier: GPL-3.0-or-later
// The column screens driven through their real widgets: drops, clicks,
// typing and Enter, from the first digit to the written result.
#include "exercises/columns/ColumnScreen.h"
#include "framework/CellGrid.h"
#include "support/TestApp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <random>

namespace {

double pick(int k, double n)
{
    return (k + 0.5) / n;
}

QString dataFile(const QString& name)
{
    return QStringLiteral(CONTALANDIA_DATA_DIR "/") + name;
}

struct ColumnRoad
{
    TestApp t;

    static QString italian() { return QString::fromUtf8(testfiles::readBytes(dataFile(QStringLiteral("Italiano.lng")))); }

    // Opens the screen in a language (the shipped Italian file unless said)
    // with the numbers the fractions draw.
    ColumnRoad(const char* screen, std::initializer_list<double> fractions, const QString& language = italian())
    {
        t.useLanguage(QStringLiteral("Lingua"), language);
        t.random.setFallback(0.0);  // praise sounds and later problems
        t.random.push(fractions);
        t.open(QString::fromLatin1(screen));
    }
    QLabel* label(const char* name) const { return t.find<QLabel>(QString::fromLatin1(name)); }
    QString text(const char* name) const
    {
        if (auto* box = t.find<QLineEdit>(QString::fromLatin1(name)))
            return box->text();
        if (auto* cell = t.find<Cell>(QString::fromLatin1(name)))
            return cell->text();
        return label(name)->text();
    }
    QLineEdit* box(const char* name) const { return t.find<QLineEdit>(QString::fromLatin1(name)); }
    bool focused(const char* boxName) const { return t.current()->focusWidget() == box(boxName); }
    QWidget* widget(const char* name) const { return t.find<QWidget>(QString::fromLatin1(name)); }
    bool drop(const char* source, const char* target)
    {
        return t.drop(QString::fromLatin1(source), -1, QString::fromLatin1(target));
    }
    // The two-click way: pick up, then offer.
    void clickDrop(const char* source, const char* target)
    {
        t.click(QString::fromLatin1(source));
        t.click(QString::fromLatin1(target));
    }
    // Types into a box (replacing what it holds) and releases Enter there.
    void answer(const char* boxName, const QString& typed)
    {
        box(boxName)->clear();
        if (!typed.isEmpty())
            t.type(QString::fromLatin1(boxName), typed);
        t.key(QString::fromLatin1(boxName), Qt::Key_Return);
    }
    QString hint(const char* key) { return t.app.strings.getString(QString::fromLatin1(key)); }
    QString right() const { return t.find<QLabel>(QStringLiteral("EtichettaEsatti"))->text(); }
    QString wrong() const { return t.find<QLabel>(QStringLiteral("EtichettaErrati"))->text(); }
    bool nextEnabled() const { return t.find<QPushButton>(QStringLiteral("BottoneAvanti"))->isEnabled(); }

    // The text line reads without gaps, from Lh1 at its design place.
    void expectGapFreeTextLine(QPoint lh1) const
    {
        const char* line[] = {"Lh1", "Lda1", "Lu1", "Label6", "Lh2", "Lda2", "Lu2", "Label7", "Lris"};
        int x = lh1.x();
        for (const char* name : line) {
            const QLabel* l = label(name);
            EXPECT_EQ(l->x(), x) << name;
            EXPECT_EQ(l->y(), lh1.y()) << name;
            if (l->text().isEmpty())
                EXPECT_EQ(l->width(), 0) << name;
            else
                EXPECT_GE(l->width(), QFontMetrics(l->font()).horizontalAdvance(l->text())) << name;
            x = l->x() + l->width();
        }
    }
};

} // namespace

// 57 + 68 on FormColb: every step of the child, both ways of dragging, both
// carries, the signals and the hints.
TEST(ColumnScreen, AnAdditionFromTheFirstDropToTheResult)
{
    ColumnRoad r("FormColb", {pick(105, 979), pick(56, 125)});
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0107"));
    EXPECT_FALSE(r.hint("0107").isEmpty());
    EXPECT_EQ(r.text("Lh1"), QString());
    EXPECT_EQ(r.text("Lda1"), QStringLiteral(" 5"));
    EXPECT_EQ(r.text("Lu2"), QStringLiteral(" 8"));
    EXPECT_EQ(r.widget("Lu1")->accessibleName(), QStringLiteral("Primo numero, unità: 7"));
    for (const char* b : {"Ehr", "Edar", "Eur"})
        EXPECT_FALSE(r.box(b)->isEnabled()) << b;
    EXPECT_FALSE(r.nextEnabled());

    // A 7 is refused by the cell of the 5, and the lower number cannot move yet.
    EXPECT_FALSE(r.drop("Lu1", "Eda1"));
    EXPECT_FALSE(r.drop("Lu2", "Eu2"));
    EXPECT_EQ(r.text("Eda1"), QString());

    EXPECT_TRUE(r.drop("Lda1", "Eda1"));
    r.clickDrop("Lu1", "Eu1");
    EXPECT_EQ(r.text("Eu1"), QStringLiteral(" 7"));
    EXPECT_EQ(r.widget("Eu1")->accessibleName(), QStringLiteral("Casella del primo numero, unità: 7"));
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0108"));
    EXPECT_TRUE(r.drop("Lda2", "Eda2"));
    EXPECT_FALSE(r.drop("Lu1", "Eu1"));  // filled
    r.clickDrop("Lu2", "Eu2");
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0109"));
    ASSERT_TRUE(r.box("Eur")->isEnabled());
    EXPECT_TRUE(r.focused("Eur"));
    EXPECT_EQ(r.box("Eur")->accessibleName(), QStringLiteral("Risultato delle unità"));

    // A wrong units digit: the plain beep, no error sound.
    r.answer("Eur", QStringLiteral("5"));
    EXPECT_EQ(r.wrong(), QStringLiteral(" 1"));
    EXPECT_EQ(r.t.player.beeps, 1);
    EXPECT_TRUE(r.t.player.played.isEmpty());
    EXPECT_EQ(r.text("Eur"), QStringLiteral("5"));

    // A carry needs two characters; a third is refused.
    r.answer("Eur", QStringLiteral("155"));
    EXPECT_EQ(r.text("Eur"), QStringLiteral(" 5"));
    EXPECT_FALSE(r.box("Eur")->isEnabled());
    EXPECT_TRUE(r.widget("CambioUp")->isVisible());
    EXPECT_EQ(r.text("CambioUp"), QStringLiteral("1"));
    EXPECT_EQ(r.widget("CambioUp")->accessibleName(), QStringLiteral("Cambio da spostare, unità: 1"));
    EXPECT_EQ(r.text("CambioUa"), QString());
    EXPECT_FALSE(r.widget("CambioDap")->isVisible());
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0105"));

    r.clickDrop("CambioUp", "CambioUa");
    EXPECT_EQ(r.text("CambioUa"), QStringLiteral("1"));
    EXPECT_EQ(r.text("CambioUp"), QString());
    EXPECT_TRUE(r.focused("Edar"));
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0102"));

    r.answer("Edar", QStringLiteral("12"));
    EXPECT_TRUE(r.widget("CambioDap")->isVisible());
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0103"));
    EXPECT_TRUE(r.drop("CambioDap", "CambioDaa"));
    EXPECT_FALSE(r.drop("CambioDap", "CambioDaa"));  // the arrival mark is filled
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0101"));

    // Enter on the empty hundreds box, which needs the carried 1: nothing.
    r.answer("Ehr", QString());
    EXPECT_EQ(r.wrong(), QStringLiteral(" 1"));
    r.answer("Ehr", QStringLiteral("2"));
    EXPECT_EQ(r.wrong(), QStringLiteral(" 2"));
    EXPECT_EQ(r.t.player.beeps, 1);
    EXPECT_EQ(r.t.player.played.size(), 1);  // the error sound
    EXPECT_EQ(r.text("Lris"), QString());

    r.answer("Ehr", QStringLiteral("1"));
    EXPECT_EQ(r.text("Lris"), QStringLiteral(" 125"));
    EXPECT_EQ(r.right(), QStringLiteral(" 1"));
    // No step is left: the hint line closes the problem.
    EXPECT_EQ(r.label("Label3")->text(), QStringLiteral("Bravo! Premi avanti."));
    EXPECT_TRUE(r.nextEnabled());
    for (const char* b : {"Ehr", "Edar", "Eur"})
        EXPECT_FALSE(r.box(b)->isEnabled()) << b;
    r.expectGapFreeTextLine(r.t.current()->toPixels(QPointF(240, 1100)));

    // "avanti": a fresh problem (the fallback fractions draw 20 = 1 + 19).
    r.t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_FALSE(r.nextEnabled());
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0107"));
    EXPECT_EQ(r.text("Lris"), QString());
    EXPECT_EQ(r.text("Eu1"), QString());
    EXPECT_EQ(r.text("Eur"), QString());
    EXPECT_FALSE(r.widget("CambioUp")->isVisible());
    EXPECT_FALSE(r.widget("CambioDaa")->isVisible());
}

// 452 - 158 on Form34: both borrows are made before their column is typed,
// and the boxes take digits only.
TEST(ColumnScreen, ASubtractionBorrowsBeforeTyping)
{
    ColumnRoad r("Form34", {pick(432, 979), pick(157, 452)});
    for (const char* d : {"Lh1", "Lda1", "Lu1"})
        EXPECT_TRUE(r.drop(d, QByteArray(d).replace('L', 'E').constData()));
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0073"));
    for (const char* d : {"Lh2", "Lda2", "Lu2"})
        r.clickDrop(d, QByteArray(d).replace('L', 'E').constData());
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0074"));
    EXPECT_FALSE(r.box("Eur")->isEnabled());
    EXPECT_TRUE(r.widget("CambioUp")->isVisible());
    EXPECT_EQ(r.text("CambioUp"), QString());

    EXPECT_TRUE(r.drop("CambioUp", "CambioUa"));
    EXPECT_EQ(r.text("CambioUp"), QStringLiteral("-1"));
    EXPECT_EQ(r.text("CambioUa"), QStringLiteral("1"));
    EXPECT_TRUE(r.focused("Eur"));
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0070"));

    r.answer("Eur", QStringLiteral("a-4."));
    EXPECT_EQ(r.text("Eur"), QStringLiteral("4"));  // letters, signs and points are swallowed
    EXPECT_EQ(r.right(), QStringLiteral("0"));
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0075"));
    EXPECT_FALSE(r.box("Edar")->isEnabled());
    r.clickDrop("CambioDap", "CambioDaa");
    EXPECT_EQ(r.text("CambioDap"), QStringLiteral("-1"));
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0069"));

    r.answer("Edar", QStringLiteral("8"));
    EXPECT_EQ(r.wrong(), QStringLiteral(" 1"));
    EXPECT_EQ(r.t.player.beeps, 1);
    r.answer("Edar", QStringLiteral("9"));
    EXPECT_EQ(r.label("Label3")->text(), r.hint("0071"));
    r.answer("Ehr", QStringLiteral("2"));
    EXPECT_EQ(r.text("Lris"), QStringLiteral(" 294"));
    EXPECT_EQ(r.right(), QStringLiteral(" 1"));
    EXPECT_TRUE(r.nextEnabled());
}

// Without the hint strings the hint line stays empty and the exercise works:
// 4 + 3 on FormCola, with the empty tens and hundreds boxes taken as 0.
TEST(ColumnScreen, WithoutHintsTheExerciseStillWorks)
{
    ColumnRoad r("FormCola", {pick(7, 10), pick(4, 7), pick(0, 10), 0.5, pick(0, 10), 0.5},
                 QStringLiteral("[Strings]\n0000=\"ITALIAN\"\n"));
    EXPECT_EQ(r.label("Label3")->text(), QString());
    EXPECT_EQ(r.text("Lda1"), QString());
    EXPECT_TRUE(r.drop("Lu1", "Eu1"));
    EXPECT_TRUE(r.drop("Lu2", "Eu2"));
    EXPECT_EQ(r.label("Label3")->text(), QString());
    r.answer("Eur", QStringLiteral(" 7"));
    r.answer("Edar", QString());
    r.answer("Ehr", QString());
    EXPECT_EQ(r.text("Lris"), QStringLiteral(" 7"));
    EXPECT_EQ(r.right(), QStringLiteral(" 1"));
    EXPECT_EQ(r.wrong(), QStringLiteral("0"));
}

// A screen reader hears each new instruction of the hint line once, as it
// appears; a hint line left empty says nothing.
TEST(ColumnScreen, EveryNewHintIsAnnouncedOnce)
{
    QStringList heard;
    spoken::observeAnnouncements([&heard](QWidget* w) {
        if (w->objectName() == QLatin1String("Label3"))
            heard << static_cast<QLabel*>(w)->text();
    });
    {
        ColumnRoad r("Form34", {pick(432, 979), pick(157, 452)});
        ASSERT_EQ(heard.size(), 1);
        EXPECT_EQ(heard.last(), r.label("Label3")->text());
        for (const char* d : {"Lh1", "Lda1", "Lu1"})
            r.drop(d, QByteArray(d).replace('L', 'E').constData());
        EXPECT_EQ(heard, (QStringList{heard.first(), r.hint("0073")}));
        for (const char* d : {"Lh2", "Lda2", "Lu2"})
            r.drop(d, QByteArray(d).replace('L', 'E').constData());
        EXPECT_EQ(heard.size(), 3);
        EXPECT_EQ(heard.last(), r.hint("0074"));
    }
    heard.clear();
    {
        ColumnRoad r("FormCola", {pick(7, 10), pick(4, 7), pick(0, 10), 0.5, pick(0, 10), 0.5},
                     QStringLiteral("[Strings]\n0000=\"ITALIAN\"\n"));
        r.drop("Lu1", "Eu1");
        r.drop("Lu2", "Eu2");
        EXPECT_TRUE(heard.isEmpty());
    }
    spoken::observeAnnouncements({});
}

TEST(ColumnScreen, TheTextLineStaysWithoutGapsAfterEveryRescale)
{
    ColumnRoad r("Form37", {pick(332, 979), pick(157, 352)});
    const QPointF lh1(360, 1200);
    r.expectGapFreeTextLine(r.t.current()->toPixels(lh1));
    for (QSize size : {QSize(800, 600), QSize(1600, 900), QSize(1024, 768)}) {
        r.t.resize(size);
        r.expectGapFreeTextLine(r.t.current()->toPixels(lh1));
    }
}

TEST(ColumnScreen, TheNumbersMenuOpensAllEightScreens)
{
    TestApp t;
    // Generators redraw until a draw suits them: a long varied stream.
    std::mt19937 generator(99);
    for (int i = 0; i < 2000; ++i)
        t.random.push(std::uniform_real_distribution<double>(0.0, 1.0)(generator));
    t.random.setFallback(0.5);
    const char* buttons[][2] = {{"Command23", "FormCola"}, {"Command31", "FormColc"}, {"Command24", "FormColD"},
                                {"Command28", "FormColb"}, {"Command30", "Form33"},   {"Command29", "Form36"},
                                {"Command25", "Form37"},   {"Command27", "Form34"}};
    for (const auto& [button, screen] : buttons) {
        t.open(QStringLiteral("FormMenuNumeri"));
        ASSERT_TRUE(t.find<QPushButton>(QString::fromLatin1(button))->isEnabled()) << button;
        t.click(QString::fromLatin1(button));
        EXPECT_EQ(t.currentName(), QString::fromLatin1(screen));
        auto* s = qobject_cast<ColumnScreen*>(t.current());
        ASSERT_NE(s, nullptr);
        // Every activation poses a problem ready for its first drop.
        EXPECT_EQ(s->problem().phase(), columns::Phase::PlaceTop);
        EXPECT_FALSE(s->problem().labelText(columns::Top, columns::Units).isEmpty());
    }
}
