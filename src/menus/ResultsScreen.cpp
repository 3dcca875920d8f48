// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/ResultsScreen.h"

#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "framework/FittedTable.h"
#include "menus/ResultsTexts.h"
#include "results/CsvExport.h"
#include "results/Pin.h"
#include "results/PinWork.h"
#include "results/ResultsQueries.h"
#include "results/ResultsStore.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QTextDocument>

#include <algorithm>
#include <utility>
#include <cmath>

using namespace resultsTexts;

namespace {

QPushButton* button(const QString& text)
{
    auto* b = new QPushButton(text);
    b->setFont(designFont(QStringLiteral("Arial"), 11));
    return b;
}

QLabel* label(const QString& text, double points = 11, bool bold = true)
{
    auto* l = new QLabel(text);
    l->setFont(designFont(QStringLiteral("Arial"), points, bold));
    l->setWordWrap(true);
    return l;
}

QLineEdit* box(bool secret)
{
    auto* e = new QLineEdit;
    e->setFont(designFont(QStringLiteral("Arial"), 14));
    if (secret) {
        e->setEchoMode(QLineEdit::Password);
        e->setMaxLength(pin::maximumLength);
    }
    return e;
}

QString localTime(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString escaped(const QString& s)
{
    return s.toHtmlEscaped();
}

} // namespace

ResultsScreen::ResultsScreen(AppContext& app) : Screen(app, QStringLiteral("FormRisultati"), 12000, 7500)
{
    setWindowTitle(QStringLiteral("Risultati"));
    place(label(QStringLiteral("Risultati"), 20), QStringLiteral("LabelTitolo"), at(240, 120, 5000, 560));
    notice_ = place(label(QString(), 10), QStringLiteral("LabelAvviso"), at(5400, 120, 6360, 1020));

    // --- the results ---------------------------------------------------------
    auto* playerCaption = place(label(QStringLiteral("Giocatore")), QStringLiteral("LabelGiocatore"),
                                at(240, 1260, 1440, 360));
    players_ = place(new QComboBox, QStringLiteral("ListaGiocatori"), at(1740, 1200, 2280, 420));
    players_->setFont(designFont(QStringLiteral("Arial"), 11));
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* option = place(new QRadioButton(i == 0 ? QStringLiteral("per esercizio")
                                                     : QStringLiteral("per famiglia di esercizi")),
                             QStringLiteral("OpzioneVista"),
                             i == 0 ? at(4140, 1230, 1260, 360) : at(5460, 1230, 1560, 360), i);
        option->setFont(designFont(QStringLiteral("Arial"), 10));
        group->addButton(option, i);
        view_ << option;
    }
    view_[0]->setChecked(true);
    table_ = place(new FittedTable, QStringLiteral("TabellaRiassunto"), at(240, 1740, 6600, 5040));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->setFont(designFont(QStringLiteral("Arial"), 10, false));
    auto* familyCaption = place(label(QStringLiteral("Grafico di")), QStringLiteral("LabelFamiglia"),
                                at(7080, 1260, 1200, 360));
    families_ = place(new QComboBox, QStringLiteral("ListaFamiglie"), at(8340, 1200, 3420, 420));
    families_->setFont(designFont(QStringLiteral("Arial"), 11));
    // The chart comes from its library, loaded when this screen is first
    // opened; without one an empty frame keeps its place.
    chart_ = app.makeDaysChart ? app.makeDaysChart() : nullptr;
    QWidget* chartWidget = chart_ ? chart_->widget() : nullptr;
    if (!chartWidget) {
        auto* frame = new QFrame;
        frame->setFrameShape(QFrame::StyledPanel);
        chartWidget = frame;
    }
    chartWidget_ = place(chartWidget, QStringLiteral("GraficoGiorni"), at(7080, 1740, 4680, 5040));

    auto* csv = place(button(QStringLiteral("Esporta la tabella (CSV)")), QStringLiteral("BottoneCsv"),
                      at(240, 6900, 2040, 480));
    auto* answersCsv = place(button(QStringLiteral("Esporta le risposte (CSV)")),
                             QStringLiteral("BottoneCsvRisposte"), at(2400, 6900, 2160, 480));
    auto* pdf = place(button(QStringLiteral("Esporta in PDF")), QStringLiteral("BottonePdf"),
                      at(4680, 6900, 1560, 480));
    auto* playersButton = place(button(QStringLiteral("Giocatori")), QStringLiteral("BottoneGiocatori"),
                                at(6360, 6900, 1440, 480));
    auto* pinButton = place(button(QStringLiteral("PIN")), QStringLiteral("BottonePin"), at(7920, 6900, 960, 480));
    auto* back = place(button(QStringLiteral("Torna al menù principale")), QStringLiteral("Command1"),
                       at(9000, 6900, 2760, 480));
    content_ = {playerCaption, players_, view_[0], view_[1], table_, familyCaption, families_, chartWidget_,
                csv,           answersCsv, pdf,    playersButton, pinButton};

    // --- the PIN, while it is asked --------------------------------------------
    pinFrame_ = place(new QGroupBox(QStringLiteral("Scrivi il PIN dei risultati")), QStringLiteral("CornicePin"),
                      at(3000, 2160, 6000, 2520));
    pinFrame_->setFont(designFont(QStringLiteral("Arial"), 12));
    pinBox_ = place(box(true), QStringLiteral("TestoPin"), at(360, 600, 3000, 540), -1, pinFrame_);
    auto* open = place(button(QStringLiteral("Apri")), QStringLiteral("BottoneApri"), at(3600, 600, 2040, 540),
                       -1, pinFrame_);
    pinMessage_ = place(label(QString(), 11), QStringLiteral("LabelPinAvviso"), at(360, 1380, 5280, 900), -1,
                        pinFrame_);
    pinFrame_->hide();

    // --- the players -------------------------------------------------------------
    playersFrame_ = place(new QGroupBox(QStringLiteral("Giocatori")), QStringLiteral("CorniceGiocatori"),
                          at(240, 1200, 6600, 5580));
    playersFrame_->setFont(designFont(QStringLiteral("Arial"), 12));
    playerList_ = place(new QListWidget, QStringLiteral("ElencoGiocatori"), at(240, 420, 3480, 4920), -1,
                        playersFrame_);
    playerList_->setFont(designFont(QStringLiteral("Arial"), 12, false));
    nameBox_ = place(box(false), QStringLiteral("TestoNome"), at(3960, 420, 2400, 480), -1, playersFrame_);
    nameBox_->setMaxLength(players::maxNameLength);
    auto* add = place(button(QStringLiteral("Aggiungi")), QStringLiteral("BottoneAggiungi"),
                      at(3960, 1020, 2400, 480), -1, playersFrame_);
    auto* rename = place(button(QStringLiteral("Rinomina")), QStringLiteral("BottoneRinomina"),
                         at(3960, 1620, 2400, 480), -1, playersFrame_);
    auto* remove = place(button(QStringLiteral("Togli")), QStringLiteral("BottoneTogli"),
                         at(3960, 2220, 2400, 480), -1, playersFrame_);
    playersMessage_ = place(label(QString(), 10), QStringLiteral("LabelGiocatoriAvviso"),
                            at(3960, 2820, 2400, 1800), -1, playersFrame_);
    auto* closePlayers = place(button(QStringLiteral("Chiudi")), QStringLiteral("BottoneChiudiGiocatori"),
                               at(3960, 4860, 2400, 480), -1, playersFrame_);
    playersFrame_->hide();

    // --- setting the PIN ---------------------------------------------------------
    pinSetFrame_ = place(new QGroupBox(QStringLiteral("PIN dei risultati")), QStringLiteral("CornicePinImposta"),
                         at(240, 1200, 6600, 5580));
    pinSetFrame_->setFont(designFont(QStringLiteral("Arial"), 12));
    place(label(QStringLiteral("Nuovo PIN")), QStringLiteral("LabelPinNuovo"), at(240, 540, 2400, 420), -1,
          pinSetFrame_);
    newPin_ = place(box(true), QStringLiteral("TestoPinNuovo"), at(2760, 480, 3000, 540), -1, pinSetFrame_);
    place(label(QStringLiteral("Ripeti il PIN")), QStringLiteral("LabelPinRipeti"), at(240, 1260, 2400, 420), -1,
          pinSetFrame_);
    repeatPin_ = place(box(true), QStringLiteral("TestoPinRipeti"), at(2760, 1200, 3000, 540), -1, pinSetFrame_);
    auto* savePin = place(button(QStringLiteral("Imposta il PIN")), QStringLiteral("BottonePinImposta"),
                          at(240, 2040, 2760, 480), -1, pinSetFrame_);
    auto* dropPin = place(button(QStringLiteral("Togli il PIN")), QStringLiteral("BottonePinTogli"),
                          at(3120, 2040, 2640, 480), -1, pinSetFrame_);
    pinSetMessage_ = place(label(QString(), 10), QStringLiteral("LabelPinImpostaAvviso"),
                           at(240, 2760, 5520, 1200), -1, pinSetFrame_);
    auto* closePin = place(button(QStringLiteral("Chiudi")), QStringLiteral("BottoneChiudiPin"),
                           at(240, 4860, 2400, 480), -1, pinSetFrame_);
    pinSetFrame_->hide();

    for (QLabel* l : {notice_, pinMessage_, playersMessage_, pinSetMessage_}) {
        control::showPlainText(l);
        l->hide();
    }

    connect(back, &QPushButton::clicked, this, [this] { this->app().navigator.open(QStringLiteral("FormMenu")); });
    pinWork_ = new PinWork(this);
    connect(pinWork_, &PinWork::checked, this, &ResultsScreen::pinChecked);
    connect(pinWork_, &PinWork::hashed, this, &ResultsScreen::pinHashed);
    connect(open, &QPushButton::clicked, this, &ResultsScreen::tryPin);
    connect(pinBox_, &QLineEdit::returnPressed, this, &ResultsScreen::tryPin);
    connect(players_, &QComboBox::activated, this, [this] { fillTable(); fillChart(); });
    connect(families_, &QComboBox::activated, this, [this] { fillChart(); });
    connect(group, &QButtonGroup::idClicked, this, [this] { fillTable(); });
    connect(csv, &QPushButton::clicked, this, &ResultsScreen::exportCsv);
    connect(answersCsv, &QPushButton::clicked, this, &ResultsScreen::exportAnswers);
    connect(pdf, &QPushButton::clicked, this, &ResultsScreen::exportPdf);
    connect(playersButton, &QPushButton::clicked, this, &ResultsScreen::showPlayersPanel);
    connect(pinButton, &QPushButton::clicked, this, &ResultsScreen::showPinPanel);
    connect(add, &QPushButton::clicked, this, &ResultsScreen::addPlayer);
    connect(rename, &QPushButton::clicked, this, &ResultsScreen::renamePlayer);
    connect(remove, &QPushButton::clicked, this, &ResultsScreen::removePlayer);
    connect(closePlayers, &QPushButton::clicked, this, &ResultsScreen::closePanels);
    connect(playerList_, &QListWidget::currentTextChanged, nameBox_, &QLineEdit::setText);
    connect(savePin, &QPushButton::clicked, this, &ResultsScreen::savePin);
    connect(dropPin, &QPushButton::clicked, this, &ResultsScreen::removePin);
    connect(closePin, &QPushButton::clicked, this, &ResultsScreen::closePanels);

    spokenNames().fixed(table_, key(TableName));
    spokenNames().fixed(chartWidget_, key(ChartName));
    spokenNames().fixed(players_, key(HeaderPlayer));
    spokenNames().fixed(families_, key(HeaderFamily));
    spokenNames().fixed(playerList_, key(HeaderPlayer));
    spokenNames().fixed(nameBox_, key(HeaderPlayer));
    for (QLineEdit* e : {pinBox_, newPin_, repeatPin_})
        spokenNames().fixed(e, key(PinRule));
}

ResultsStore* ResultsScreen::store() const
{
    return app().results;
}

QString ResultsScreen::text(const QString& k) const
{
    return app().strings.getString(k);
}

QString ResultsScreen::familyName(const QString& family) const
{
    const int i = int(Families.indexOf(family));
    const QString name = i >= 0 ? text(key(FamilyFirst + i)) : QString();
    return name.isEmpty() ? family : name;
}

void ResultsScreen::onLoad()
{
    randomBackground();
    const bool locked = shouldLock();
    unlocked_ = !locked;
    showLocked(locked);
    showNotice();
    if (store())
        connect(store(), &ResultsStore::playersChanged, this, &ResultsScreen::fileChanged);
}

bool ResultsScreen::shouldLock() const
{
    if (!store())
        return false;
    const ResultsStore::PinHash kept = store()->pinHash();
    return !kept.known || !kept.stored.isEmpty();
}

// The file came back (or was moved aside): the screen shows what it now
// holds; a screen shut only because the file could not be read opens when
// no PIN is set.
void ResultsScreen::fileChanged()
{
    if (!unlocked_ && !pinWork_->busy() && !shouldLock()) {
        unlocked_ = true;
        show(pinMessage_, QString());
        showLocked(false);
    }
    if (unlocked_ && playersFrame_->isHidden() && pinSetFrame_->isHidden())
        refresh();
    else
        showNotice();
}

void ResultsScreen::onActivate()
{
    if (unlocked_)
        refresh();
    else
        pinBox_->setFocus();
}

void ResultsScreen::showLocked(bool locked)
{
    for (QWidget* w : content_)
        w->setVisible(!locked);
    pinFrame_->setVisible(locked);
    if (locked)
        closePanels();
}

void ResultsScreen::tryPin()
{
    // While the file cannot be read there is no PIN to check against.
    if (unlocked_ || !store() || !store()->usable() || pinWork_->busy())
        return;
    const QString typed = pinBox_->text();
    pinBox_->clear();
    if (!store()->pinGate().canTry()) {
        showPinWait();
        return;
    }
    const ResultsStore::PinHash kept = store()->pinHash();
    if (!kept.known) {
        showNotice();
        return;
    }
    pinWork_->check(typed, kept.stored);
    // A PIN kept with fewer iterations than now is kept anew once right.
    upgradeWith_ = pin::iterationsOf(kept.stored) < pin::defaultIterations ? typed : QString();
    show(pinMessage_, text(key(PinChecking)));
    // Read-only rather than disabled: the box keeps the focus, so the Enter
    // released after the one that started the check lands on it and not on
    // a button the focus would move to.
    pinBox_->setReadOnly(true);
}

void ResultsScreen::pinChecked(bool right)
{
    pinBox_->setReadOnly(false);
    if (unlocked_ || !store())
        return;
    const PinGate::Outcome outcome = store()->pinGate().settle(right);
    const QString upgrade = std::exchange(upgradeWith_, QString());
    if (outcome == PinGate::Outcome::Right) {
        unlocked_ = true;
        show(pinMessage_, QString());
        showLocked(false);
        refresh();
        if (!upgrade.isEmpty())
            pinWork_->hash(upgrade);
        return;
    }
    if (store()->pinGate().canTry())
        show(pinMessage_, text(key(PinWrong)));
    else
        showPinWait();
    pinBox_->setFocus();
}

void ResultsScreen::showPinWait()
{
    show(pinMessage_, text(key(PinWait)).replace(
        QLatin1String("%1"), QString::number(std::ceil(store()->pinGate().secondsToWait()))));
}

QString ResultsScreen::because(int trouble) const
{
    switch (FileTrouble(trouble)) {
    case FileTrouble::Busy: return text(key(BecauseBusy));
    case FileTrouble::Full: return text(key(BecauseFull));
    case FileTrouble::ReadOnly: return text(key(BecauseReadOnly));
    case FileTrouble::Damaged: return text(key(BecauseDamaged));
    default: return text(key(BecauseOther));
    }
}

// What is true of this computer's file and of the server, each said of its
// own, in the screen's language; the driver's words go to the log.
void ResultsScreen::showNotice()
{
    QStringList lines;
    ResultsStore* s = store();
    if (!s) {
        lines << text(key(NotKept)).replace(QLatin1String("%1"), QString());
    } else {
        if (!s->usable())
            lines << text(key(LocalUnreadable)).replace(QLatin1String("%1"), because(int(s->trouble())));
        else if (!s->problem().isEmpty())
            lines << s->problem();
        if (s->notKept() > 0)
            lines << text(key(NotKeptYet))
                         .replace(QLatin1String("%1"), QString::number(s->notKept()))
                         .replace(QLatin1String("%2"), because(int(s->notKeptBecause())));
        if (s->lostAnswers() > 0)
            lines << text(key(AnswersLost))
                         .replace(QLatin1String("%1"), QString::number(s->lostAnswers()))
                         .replace(QLatin1String("%2"), because(int(s->lostBecause())));
        if (!s->movedAsideTo().isEmpty())
            lines << text(key(MovedAside)).replace(QLatin1String("%1"), s->movedAsideTo());
        if (s->usesServer() && s->pending() > 0 && !s->serverReachable())
            lines << text(key(ServerWaiting))
                         .replace(QLatin1String("%1"), s->serverShown())
                         .replace(QLatin1String("%2"), QString::number(s->pending()));
    }
    if (thisComputerOnly_)
        lines << text(key(ServerUnreadable))
                     .replace(QLatin1String("%1"), s ? s->serverShown() : QString())
                     .replace(QLatin1String("%2"), text(key(ServerNoAnswer)))
              << text(key(ThisComputerOnly));
    if (!readError_.isEmpty()) {
        if (readFromServer_)
            lines << text(key(ServerUnreadable))
                         .replace(QLatin1String("%1"), s ? s->serverShown() : QString())
                         .replace(QLatin1String("%2"), text(key(ServerNoAnswer)));
        else if (s && s->usable())   // an unusable file is said above
            lines << text(key(LocalUnreadable)).replace(QLatin1String("%1"), because(readTrouble_));
    }
    say(lines.join(QLatin1Char('\n')));
}

void ResultsScreen::show(QLabel* message, const QString& text)
{
    message->setText(text);
    message->setVisible(!text.isEmpty());
}

void ResultsScreen::say(const QString& notice)
{
    // Never an empty label left on show.
    notice_->setText(notice);
    notice_->setVisible(!notice.isEmpty());
}

void ResultsScreen::refresh()
{
    if (!unlocked_)
        return;
    readError_.clear();
    readFromServer_ = false;
    thisComputerOnly_ = false;
    readTrouble_ = 0;
    rows_.clear();
    if (ResultsStore* s = store()) {
        ResultsStore::Reading r = s->reading();
        readFromServer_ = r.server && !r.thisComputerOnly;
        thisComputerOnly_ = r.thisComputerOnly;
        readTrouble_ = int(r.trouble);
        if (r.db.isValid())
            rows_ = resultsQueries::screenSummaries(r.db, {}, &readError_);
        else
            readError_ = r.error;
        if (!readError_.isEmpty()) {
            if (readTrouble_ == 0)
                readTrouble_ = int(FileTrouble::Other);
            qWarning("results: the results screen cannot read %s: %s",
                     r.server ? qPrintable(s->serverShown()) : "this computer's file",
                     qPrintable(readError_.simplified()));
        }
    }
    fillPlayers();
    families_->clear();
    families_->addItem(text(key(AllFamilies)), QString());
    for (const QString& f : Families)
        families_->addItem(familyName(f), f);
    fillTable();
    fillChart();
    showNotice();
}

void ResultsScreen::fillPlayers()
{
    const QString chosen = selectedPlayerKey();
    QStringList names;
    if (store())
        names = store()->players();
    for (const SummaryRow& r : rows_)
        names << r.player;
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    names.erase(std::unique(names.begin(), names.end(),
                            [](const QString& a, const QString& b) { return playerKey(a) == playerKey(b); }),
                names.end());
    players_->clear();
    players_->addItem(text(key(AllPlayers)), QString());
    for (const QString& n : names)
        players_->addItem(n, playerKey(n));
    players_->setCurrentIndex(qMax(0, players_->findData(chosen)));
}

QString ResultsScreen::selectedPlayerKey() const
{
    return players_->currentData().toString();
}

void ResultsScreen::fillTable()
{
    const QString who = selectedPlayerKey();
    std::vector<SummaryRow> rows;
    for (const SummaryRow& r : rows_)
        if (who.isEmpty() || playerKey(r.player) == who)
            rows.push_back(r);
    const bool perFamily = view_[1]->isChecked();
    if (perFamily)
        rows = summaries::byFamily(rows);
    else
        summaries::sortByStruggle(rows);

    QStringList header = {text(key(HeaderPlayer)), text(key(HeaderFamily))};
    if (!perFamily)
        header << text(key(HeaderExercise));
    header << text(key(HeaderAnswers)) << text(key(HeaderRight)) << text(key(HeaderWrong))
           << text(key(HeaderShare)) << text(key(HeaderLast));
    table_->clear();
    table_->setColumnCount(int(header.size()));
    table_->setHorizontalHeaderLabels(header);
    table_->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const SummaryRow& r = rows[size_t(i)];
        QStringList cells = {r.player, familyName(r.family)};
        if (!perFamily)
            cells << (r.title.isEmpty() ? r.screen : r.title);
        cells << QString::number(r.answers) << QString::number(r.right) << QString::number(r.wrong())
              << QStringLiteral("%1 %").arg(qRound(100.0 * r.shareRight())) << localTime(r.lastMs);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c >= cells.size() - 5 && c < cells.size() - 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(i, c, item);
        }
    }
    table_->resizeColumnsToContents();
    if (rows.empty() && readError_.isEmpty()) {
        table_->setRowCount(1);
        table_->setItem(0, 0, new QTableWidgetItem(text(key(NoAnswers))));
    }
}

QList<QStringList> ResultsScreen::shownTable() const
{
    QList<QStringList> out;
    QStringList header;
    for (int c = 0; c < table_->columnCount(); ++c)
        header << (table_->horizontalHeaderItem(c) ? table_->horizontalHeaderItem(c)->text() : QString());
    out << header;
    for (int r = 0; r < table_->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table_->columnCount(); ++c)
            row << (table_->item(r, c) ? table_->item(r, c)->text() : QString());
        out << row;
    }
    return out;
}

void ResultsScreen::fillChart()
{
    if (!chart_)
        return;
    const QDate today = QDate::currentDate();
    const QDate from = today.addDays(-(ChartDays - 1));
    std::vector<DayCount> counted;
    if (ResultsStore* s = store(); s && unlocked_) {
        ResultsStore::Reading r = s->reading();
        if (r.db.isValid())
            counted = resultsQueries::perDay(r.db, r.dialect, selectedPlayerKey(), families_->currentData().toString(),
                                             from, nullptr);
    }
    std::vector<DaysChart::Day> days;
    for (const DayCount& d : summaries::everyDay(counted, from, today))
        days.push_back({d.day, d.right, d.wrong});
    chart_->setDays(days, {text(key(ChartTitle)), text(key(SeriesRight)), text(key(SeriesWrong))});
}

void ResultsScreen::afterRescale()
{
    sizeChartTexts();
}

// The chart draws its own texts: its axes' labels at their design size,
// title and legend at Qt's, all grown with large text.
void ResultsScreen::sizeChartTexts()
{
    if (!chart_)
        return;
    const double grow = textScale();
    QFont axis = font();
    axis.setPointSizeF(ChartAxisPoints * grow);
    chart_->setTextSizes(axis, grow);
}

void ResultsScreen::exportCsv()
{
    const QString path = app().dialogs.saveFileName(this, text(key(CsvTitle)), QStringLiteral("risultati.csv"),
                                                    text(key(CsvFilter)));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        CsvWriter csv(file);
        for (const QStringList& row : shownTable())
            csv.row(row);
        ok = csv.ok() && file.commit();
    }
    say(text(key(ok ? Written : NotWritten)).replace(QLatin1String("%1"), path));
}

void ResultsScreen::exportAnswers()
{
    if (!store())
        return;
    const QString path = app().dialogs.saveFileName(this, text(key(CsvTitle)), QStringLiteral("risposte.csv"),
                                                    text(key(CsvFilter)));
    if (path.isEmpty())
        return;
    ResultsStore::Reading r = store()->reading();
    QSaveFile file(path);
    bool ok = r.db.isValid() && file.open(QIODevice::WriteOnly);
    if (ok) {
        CsvWriter csv(file);
        csv.row({text(key(HeaderTime)), text(key(HeaderPlayer)), text(key(HeaderComputer)), text(key(HeaderFamily)),
                 text(key(HeaderExercise)), text(key(HeaderProblem)), text(key(HeaderAnswer)),
                 text(key(HeaderJudged))});
        const QString yes = text(key(Yes));
        const QString no = text(key(No));
        QHash<QString, QString> familyNames;
        for (const QString& f : Families)
            familyNames.insert(f, familyName(f));
        ok = resultsQueries::eachAnswer(r.db, selectedPlayerKey(), [&](const AnswerRecord& a) {
            csv.row({a.at.toString(Qt::ISODate), a.player, a.computer, familyNames.value(a.family, a.family),
                     a.title.isEmpty() ? a.screen : a.title, a.problem, a.answer, a.right ? yes : no});
        }, nullptr);
        ok = ok && csv.ok() && file.commit();
    }
    say(text(key(ok ? Written : NotWritten)).replace(QLatin1String("%1"), path));
}

void ResultsScreen::exportPdf()
{
    const QString path = app().dialogs.saveFileName(this, text(key(PdfTitle)), QStringLiteral("risultati.pdf"),
                                                    text(key(PdfFilter)));
    if (path.isEmpty())
        return;
    // The chart as it is on the screen, at print resolution.
    const QSize chartSize(1600, 1000);
    QImage chartImage(chartSize, QImage::Format_RGB32);
    chartImage.fill(Qt::white);
    if (chart_)
        chartImage = chart_->picture(chartSize);
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p><img src=\"chart\" width=\"600\"><table border=\"1\" "
                                  "cellspacing=\"0\" cellpadding=\"3\">")
                       .arg(escaped(windowTitle()),
                            escaped(text(key(PdfHeading))
                                        .replace(QLatin1String("%1"), players_->currentText())
                                        .replace(QLatin1String("%2"),
                                                 QDate::currentDate().toString(Qt::ISODate))));
    const QList<QStringList> rows = shownTable();
    for (int r = 0; r < rows.size(); ++r) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : rows[r])
            html += (r == 0 ? QStringLiteral("<th>%1</th>") : QStringLiteral("<td>%1</td>")).arg(escaped(cell));
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart")), chartImage);
    document.setHtml(html);
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(150);
    writer.setTitle(windowTitle());
    document.print(&writer);
    const bool ok = QFileInfo(path).size() > 0;
    say(text(key(ok ? Written : NotWritten)).replace(QLatin1String("%1"), path));
}

void ResultsScreen::closePanels()
{
    playersFrame_->hide();
    pinSetFrame_->hide();
    if (unlocked_)
        table_->show();
}

void ResultsScreen::showPlayersPanel()
{
    if (!unlocked_)
        return;
    closePanels();
    playerList_->clear();
    if (store())
        playerList_->addItems(store()->players());
    show(playersMessage_, QString());
    nameBox_->clear();
    table_->hide();
    playersFrame_->show();
    playersFrame_->raise();
    nameBox_->setFocus();
}

void ResultsScreen::playerProblem(int problem)
{
    static const int keys[] = {0, NameEmpty, NameTooLong, NameNotPlain, NameTaken, NameMissing, NameNotSaved};
    show(playersMessage_, problem > 0 ? text(key(keys[problem])) : QString());
}

void ResultsScreen::addPlayer()
{
    if (!unlocked_ || !store())
        return;
    const QString name = players::clean(nameBox_->text());
    const players::Problem p = store()->addPlayer(name);
    playerProblem(int(p));
    if (p == players::Problem::None) {
        showPlayersPanel();
        show(playersMessage_, text(key(PlayerAdded)).replace(QLatin1String("%1"), name));
        refresh();
        table_->hide();
    }
}

void ResultsScreen::renamePlayer()
{
    if (!unlocked_ || !store())
        return;
    if (!playerList_->currentItem()) {
        playerProblem(int(players::Problem::Missing));
        return;
    }
    const QString name = players::clean(nameBox_->text());
    const players::Problem p = store()->renamePlayer(playerList_->currentItem()->text(), name);
    playerProblem(int(p));
    if (p == players::Problem::None) {
        showPlayersPanel();
        show(playersMessage_, text(key(PlayerRenamed)).replace(QLatin1String("%1"), name));
        refresh();
        table_->hide();
    }
}

void ResultsScreen::removePlayer()
{
    if (!unlocked_ || !store())
        return;
    if (!playerList_->currentItem()) {
        playerProblem(int(players::Problem::Missing));
        return;
    }
    const QString name = playerList_->currentItem()->text();
    const QString question = text(key(RemoveQuestion)).replace(QLatin1String("%1"), name);
    if (!app().dialogs.askYesNo(this, QStringLiteral("Contalandia"), question))
        return;
    const players::Problem p = store()->removePlayer(name);
    playerProblem(int(p));
    if (p == players::Problem::None) {
        showPlayersPanel();
        show(playersMessage_, text(key(PlayerRemoved)).replace(QLatin1String("%1"), name));
        refresh();
        table_->hide();
    }
}

void ResultsScreen::showPinPanel()
{
    if (!unlocked_)
        return;
    closePanels();
    newPin_->clear();
    repeatPin_->clear();
    show(pinSetMessage_, QString());
    table_->hide();
    pinSetFrame_->show();
    pinSetFrame_->raise();
    newPin_->setFocus();
}

void ResultsScreen::savePin()
{
    if (!unlocked_ || !store() || pinWork_->busy())
        return;
    const QString typed = newPin_->text();
    if (!pin::acceptable(typed)) {
        show(pinSetMessage_, text(key(PinRule)));
        return;
    }
    if (typed != repeatPin_->text()) {
        show(pinSetMessage_, text(key(PinDiffer)));
        return;
    }
    // Hashed off this thread and kept when the hash comes back; until then
    // the PIN buttons do nothing.
    pinWork_->hash(typed);
    newPin_->clear();
    repeatPin_->clear();
    show(pinSetMessage_, QString());
}

void ResultsScreen::pinHashed(const QString& stored)
{
    if (!unlocked_ || !store())
        return;
    const bool ok = store()->setPinHash(stored);
    show(pinSetMessage_, ok ? text(key(PinSet)) : notSaved());
}

// Why a PIN was not kept, in the screen's language.
QString ResultsScreen::notSaved() const
{
    if (store() && store()->usesServer())
        return text(key(ServerUnreadable))
            .replace(QLatin1String("%1"), store()->serverShown())
            .replace(QLatin1String("%2"), text(key(ServerNoAnswer)));
    return text(key(LocalUnreadable)).replace(QLatin1String("%1"), because(store() ? int(store()->trouble()) : 0));
}

void ResultsScreen::removePin()
{
    if (!unlocked_ || !store() || pinWork_->busy())
        return;
    const bool ok = store()->setPinHash(QString());
    show(pinSetMessage_, ok ? text(key(PinRemoved)) : notSaved());
}
