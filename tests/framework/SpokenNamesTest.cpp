// SPDX-License-Identifier: GPL-3.0-or-later
// The forms of SpokenNames that put several pieces into one name, read
// again with every translation.
#include "framework/SpokenNames.h"
#include "support/TestApp.h"

#include <QLabel>

namespace {

// Four labels named in the four ways; "state" stands for what a screen
// would know.
class NamesScreen : public Screen
{
public:
    explicit NamesScreen(AppContext& app) : Screen(app, QStringLiteral("FormNomi"), 9000, 6000)
    {
        for (int i = 0; i < 4; ++i)
            labels.push_back(place(new QLabel(QStringLiteral("x")), QStringLiteral("Etichetta"), at(600, 600 + 600 * i, 2000, 500), i));
        using Part = SpokenNames::Part;
        spokenNames().filled(labels[0], QStringLiteral("0231"),
                             {Part::message(QStringLiteral("0232")), Part::shownOr(QStringLiteral(" 7 "), QStringLiteral("0233"))});
        spokenNames().filled(labels[1], QStringLiteral("0231"),
                             {Part::text(QStringLiteral("units")), Part::shownOr(QString(), QStringLiteral("0233"))});
        spokenNames().said(labels[2], QStringLiteral("37 + ? = 100"));
        spokenNames().composed(labels[3], {QStringLiteral("0233"), QStringLiteral("0234")}, [this](const QStringList& m) {
            return state.isEmpty() ? m.value(0) : state + QStringLiteral(", ") + m.value(1);
        });
    }
    QList<QLabel*> labels;
    QString state;
};

TEST(SpokenNames, FilledSaidAndComposedNamesFollowTheLanguageAndTheState)
{
    TestApp t{TestApp::Screens::None};
    t.app.navigator.add(QStringLiteral("FormNomi"), [](AppContext& a) -> Screen* { return new NamesScreen(a); });
    t.useLanguage(QStringLiteral("Prova"), QStringLiteral("[Strings]\n0231=\"First number, %1: %2\"\n0232=\"tens\"\n"
                                                          "0233=\"empty\"\n0234=\"marked\"\n"));
    auto* s = static_cast<NamesScreen*>(t.open(QStringLiteral("FormNomi")));
    EXPECT_EQ(s->labels[0]->accessibleName(), QStringLiteral("First number, tens: 7"));
    EXPECT_EQ(s->labels[1]->accessibleName(), QStringLiteral("First number, units: empty"));
    EXPECT_EQ(s->labels[2]->accessibleName(), QStringLiteral("37 + ? = 100"));
    EXPECT_EQ(s->labels[3]->accessibleName(), QStringLiteral("empty"));

    s->state = QStringLiteral("55");
    s->spokenNames().update(s->labels[3]);
    EXPECT_EQ(s->labels[3]->accessibleName(), QStringLiteral("55, marked"));

    // Another language: every name is read again; without its pattern a
    // filled name is empty rather than half a sentence.
    t.writeLanguage(QStringLiteral("Prova"), QStringLiteral("[Strings]\n0232=\"decine\"\n0233=\"vuota\"\n0234=\"segnata\"\n"));
    s->translate();
    EXPECT_EQ(s->labels[0]->accessibleName(), QString());
    EXPECT_EQ(s->labels[2]->accessibleName(), QStringLiteral("37 + ? = 100"));
    EXPECT_EQ(s->labels[3]->accessibleName(), QStringLiteral("55, segnata"));
}

TEST(SpokenNames, BlanksAreFilledInTurn)
{
    EXPECT_EQ(spoken::filledIn(QStringLiteral("%1: %2"), {QStringLiteral("a"), QStringLiteral("b")}), QStringLiteral("a: b"));
    EXPECT_EQ(spoken::filledIn(QStringLiteral("from %1 to %2"), {QStringLiteral("900")}), QStringLiteral("from 900 to %2"));
    EXPECT_EQ(spoken::filledIn(QString(), {QStringLiteral("a")}), QString());
}

} // namespace
