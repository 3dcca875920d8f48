// SPDX-License-Identifier: GPL-3.0-or-later
// Every exercise screen of the catalogue answered once through its real
// controls: the results keep the problem as the child saw it, the answer the
// child gave, and a title that tells the screen (and its mode) apart.
#include "exercises/abacus/AbacusCatalog.h"
#include "exercises/blocks/BlocksCatalog.h"
#include "exercises/columns/ColumnsCatalog.h"
#include "exercises/frame/ExerciseRow.h"
#include "exercises/numberlines/NumberLinesCatalog.h"
#include "exercises/tables/TablesCatalog.h"
#include "exercises/written/WrittenCatalog.h"
#include "support/KeptAnswers.h"
#include "results/ResultsQueries.h"
#include "support/TestApp.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QUuid>
#include <cmath>
#include <functional>
#include <map>

namespace {

class RecordedProblems : public ::testing::Test
{
protected:
    void SetUp() override
    {
        t.useLanguage(QStringLiteral("Italiano"),
                      QString::fromUtf8(testfiles::readBytes(QStringLiteral(CONTALANDIA_DATA_DIR "/Italiano.lng"))));
        t.useResults();
    }

    std::vector<AnswerRecord> kept() { return keptAnswers(*t.results); }
    int counted() const
    {
        return t.find<QLabel>(QStringLiteral("EtichettaEsatti"))->text().trimmed().toInt() +
               t.find<QLabel>(QStringLiteral("EtichettaErrati"))->text().trimmed().toInt();
    }

    // The child's answers, typed or clicked.
    void typeAndEnter(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        TestApp::flush();
    }
    // "1" in the first open answer box on show.
    bool answerInBox()
    {
        for (QLineEdit* box : t.current()->findChildren<QLineEdit*>())
            if (box->isVisible() && box->isEnabled() && !box->isReadOnly()) {
                typeAndEnter(box, QStringLiteral("1"));
                return true;
            }
        return false;
    }
    // The numbers clicked in button order until the screen judges.
    bool clickInTurn(const QString& name, int buttons)
    {
        for (int i = 0; i < buttons && counted() == 0; ++i)
            if (auto* b = t.find<QPushButton>(name, i); b && b->isVisible() && b->isEnabled())
                t.click(name, i);
        return counted() > 0;
    }
    // Every digit and exchange dragged where it goes, then a digit typed in
    // each result box the screen opens, until it judges.
    bool workColumns()
    {
        const char* const sources[] = {"Lh1", "Lda1", "Lu1", "Lh2", "Lda2", "Lu2", "CambioUp", "CambioDap"};
        const char* const targets[] = {"Eh1", "Eda1", "Eu1", "Eh2", "Eda2", "Eu2", "CambioUa", "CambioDaa"};
        for (int round = 0; round < 8 && counted() == 0; ++round) {
            for (const char* s : sources)
                for (const char* d : targets)
                    if (t.find(QLatin1String(s)) && t.find(QLatin1String(d)))
                        t.drop(QLatin1String(s), -1, QLatin1String(d));
            for (const char* name : {"Eur", "Edar", "Ehr"})
                if (auto* box = t.find<QLineEdit>(QLatin1String(name)); box && box->isEnabled()) {
                    typeAndEnter(box, QStringLiteral("9"));
                    break;
                }
        }
        return counted() > 0;
    }

    // Fractions spread over [0, 1) for whatever the screens draw: a rule
    // that draws until its numbers differ never meets the same one twice.
    void pushDraws()
    {
        t.random.setFallback(0.3);
        for (int i = 0; i < 400; ++i)
            t.random.push(std::fmod(0.137 + 0.618034 * i, 1.0));
    }

    TestApp t;
};

std::vector<const ExerciseRow*> everyRow()
{
    std::vector<const ExerciseRow*> rows;
    for (auto family : {abacusRows(), blocksRows(), columnRows(), numberLineRows(), tablesRows(), writtenRows()})
        for (const ExerciseRow& r : family)
            rows.push_back(&r);
    return rows;
}

} // namespace

TEST_F(RecordedProblems, EveryScreenKeepsTheProblemShownAndTheAnswerGiven)
{
    using Answer = std::function<bool()>;
    const Answer inBox = [this] { return answerInBox(); };
    const Answer confirm = [this] {
        t.click(QStringLiteral("BottoneConferma"));
        return true;
    };
    const Answer columns = [this] { return workColumns(); };
    // The screens whose answer is not typed into a box.
    const std::map<QString, Answer> otherWays = {
        {"Form999sem", confirm},
        {"Form999a", confirm},
        {"Form999x", confirm},
        {"FormMM", [this] { return clickInTurn(QStringLiteral("Comando"), 1); }},
        {"FormOrd", [this] { return clickInTurn(QStringLiteral("ComandoNumero"), 8); }},
        {"Form100Trova2", [this] {
             t.click(QStringLiteral("Numero"), 0);
             return true;
         }},
    };

    std::map<QString, QSet<QString>> titlesOf;
    for (const ExerciseRow* row : everyRow()) {
        const QString name = QString::fromLatin1(row->designName);
        SCOPED_TRACE(name.toStdString() + " " + std::to_string(row->variant));
        pushDraws();
        QSet<QUuid> before;
        for (const AnswerRecord& a : kept())
            before.insert(a.id);
        t.open(QStringLiteral("FormMenu"));
        t.open(name, row->variant);
        ASSERT_EQ(t.currentName(), name);
        if (auto* choice = t.find<QGroupBox>(QStringLiteral("CorniceNumeroMassimo")); choice && choice->isVisible())
            t.click(QStringLiteral("OpzioneNumeroMassimo"), 8);

        // The column screens: digits dragged, the result typed.
        const auto way = otherWays.find(name);
        const Answer answer = t.find(QStringLiteral("Lu1")) ? columns : way != otherWays.end() ? way->second : inBox;
        ASSERT_TRUE(answer()) << "no way to answer";
        std::vector<AnswerRecord> added;
        for (const AnswerRecord& a : kept())
            if (!before.contains(a.id))
                added.push_back(a);
        ASSERT_EQ(added.size(), 1u) << "one answer, one record";
        const AnswerRecord& a = added.front();
        EXPECT_EQ(a.screen, name);
        EXPECT_EQ(a.mode, row->variant);
        EXPECT_FALSE(a.problem.trimmed().isEmpty()) << "no problem kept";
        EXPECT_FALSE(a.answer.trimmed().isEmpty()) << "no answer kept";
        EXPECT_FALSE(a.title.trimmed().isEmpty());
        titlesOf[name].insert(a.title);
    }
    // Screens of one design in several modes are told apart by their titles.
    EXPECT_EQ(titlesOf["FormScri"].size(), 21);
}

// Each mode of the written-number screen is called in the results by the
// caption of the button that opens it.
TEST_F(RecordedProblems, EachWrittenModeIsCalledByItsButton)
{
    t.random.setFallback(0.3);
    t.open(QStringLiteral("FormMenuNumeri"));
    QStringList buttons;
    for (QPushButton* b : t.current()->findChildren<QPushButton*>())
        if (b->isVisible())
            buttons << b->objectName();
    int modes = 0;
    for (const QString& name : buttons) {
        t.open(QStringLiteral("FormMenuNumeri"));
        const QString caption = t.find<QPushButton>(name)->text().simplified();
        pushDraws();
        t.click(name);
        if (t.currentName() != QLatin1String("FormScri"))
            continue;
        SCOPED_TRACE(caption.toStdString());
        ++modes;
        QSet<QUuid> before;
        for (const AnswerRecord& a : kept())
            before.insert(a.id);
        ASSERT_TRUE(answerInBox());
        QStringList titles;
        for (const AnswerRecord& a : kept())
            if (!before.contains(a.id))
                titles << a.title;
        EXPECT_EQ(titles, QStringList{QStringLiteral("Scrivi il numero: ") + caption});
    }
    EXPECT_EQ(modes, 21);
}
