// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/Screen.h"
#include "results/Summaries.h"
#include "services/DaysChart.h"

#include <QDate>

#include <vector>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;
class PinWork;
class ResultsStore;

// The results for teachers and parents, reached from the main menu: per
// player the answers per screen or per exercise family, the exercises
// where the player struggles most first, a chart of right and wrong
// answers per day over the last four weeks, the export of the table (CSV)
// and of chart and table (PDF), the players and the PIN that keeps the
// screen from children. With a PIN set the screen shows and changes
// nothing until the PIN is typed.
class ResultsScreen : public Screen
{
    Q_OBJECT
public:
    explicit ResultsScreen(AppContext& app);

    // Days in the chart, ending today.
    static constexpr int ChartDays = 28;
    // The chart's axis labels, in points at the design size.
    static constexpr double ChartAxisPoints = 7;

    // What the table shows now, header first, as the CSV export writes it.
    QList<QStringList> shownTable() const;
    // The chart of days; null when its library could not be loaded.
    DaysChart* daysChart() const { return chart_; }

    // Reads the results again and shows them.
    void refresh();

    // How many days each name under the chart stands for: 1 (the day of the
    // month under each bar) where the chart is wide enough for them, else
    // 7 (a week, "14–20", under its seven bars).
    int dayLabelStep() const { return chart_ ? chart_->dayLabelStep() : 1; }

protected:
    void onLoad() override;
    void onActivate() override;
    void afterRescale() override;

private:
    ResultsStore* store() const;
    QString text(const QString& key) const;
    QString familyName(const QString& family) const;
    void showLocked(bool locked);
    // Shut while a PIN is set, or while this computer's file cannot be
    // read (whether a PIN is set is not known then).
    bool shouldLock() const;
    void fileChanged();
    QString because(int trouble) const;
    QString notSaved() const;
    // The PIN typed is checked off this thread: until the check is done the
    // screen says so and takes no other try.
    void tryPin();
    void pinChecked(bool right);
    void showPinWait();
    void showNotice();
    void say(const QString& notice);
    static void show(QLabel* message, const QString& text);
    void fillPlayers();
    void fillTable();
    void fillChart();
    void sizeChartTexts();
    void exportCsv();
    void exportAnswers();
    void exportPdf();
    void showPlayersPanel();
    void showPinPanel();
    void closePanels();
    void addPlayer();
    void renamePlayer();
    void removePlayer();
    void playerProblem(int problem);
    void savePin();
    void pinHashed(const QString& stored);
    void removePin();
    QString selectedPlayerKey() const;

    bool unlocked_ = false;
    QString readError_;
    bool readFromServer_ = false;
    bool thisComputerOnly_ = false;   // the server could not be read
    int readTrouble_ = 0;   // a FileTrouble
    std::vector<SummaryRow> rows_;

    QLabel* notice_ = nullptr;
    QComboBox* players_ = nullptr;
    QComboBox* families_ = nullptr;
    QList<QRadioButton*> view_;
    QTableWidget* table_ = nullptr;
    DaysChart* chart_ = nullptr;
    QWidget* chartWidget_ = nullptr;   // the chart's, or an empty frame
    QList<QWidget*> content_;           // hidden while the PIN is asked

    QGroupBox* pinFrame_ = nullptr;
    QLineEdit* pinBox_ = nullptr;
    QLabel* pinMessage_ = nullptr;
    PinWork* pinWork_ = nullptr;
    QString upgradeWith_;   // the PIN typed, while a hash of fewer iterations is checked

    QGroupBox* playersFrame_ = nullptr;
    QListWidget* playerList_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    QLabel* playersMessage_ = nullptr;

    QGroupBox* pinSetFrame_ = nullptr;
    QLineEdit* newPin_ = nullptr;
    QLineEdit* repeatPin_ = nullptr;
    QLabel* pinSetMessage_ = nullptr;
};
