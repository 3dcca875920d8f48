// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultsStore.h"
#include "support/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// A results store on a fresh SQLite file in a temporary folder.
class ResultsFixture : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    int serverTimeoutSeconds = 2;
    bool wholeFileCheckLater = false;
    int busyMs = 5000;

    QString dbPath() const { return QDir(dir.path()).filePath(QStringLiteral("data/results.sqlite")); }
    // The database file, and nothing else in its folder, made of `bytes`.
    void replaceDatabase(const QByteArray& bytes) const
    {
        QDir(QFileInfo(dbPath()).absolutePath()).removeRecursively();
        QDir().mkpath(QFileInfo(dbPath()).absolutePath());
        testfiles::writeBytes(dbPath(), bytes);
    }

    std::unique_ptr<ResultsStore> makeStore(std::optional<ServerAddress> server = std::nullopt,
                                            const QString& computer = QStringLiteral("pc1"))
    {
        ResultsStore::Setup s;
        s.config.localPath = server ? QDir(dir.path()).filePath(computer + QStringLiteral("/results.sqlite"))
                                    : dbPath();
        s.config.server = server;
        s.computer = computer;
        s.computerUser = QStringLiteral("Maria Rossi");
        s.serverTimeoutSeconds = serverTimeoutSeconds;
        s.retryMinMs = 100;
        s.retryMaxMs = 400;
        s.wholeFileCheckLater = wholeFileCheckLater;
        s.busyMs = busyMs;
        return std::make_unique<ResultsStore>(s);
    }

    // The summaries the database keeps, row by row, against what grouping
    // every answer gives.
    static void expectTotalsAsGrouped(QSqlDatabase& db)
    {
        auto rows = [&db](const QString& sql) {
            QSqlQuery q(db);
            EXPECT_TRUE(q.exec(sql + QStringLiteral(" ORDER BY player_key, family, screen, mode")))
                << q.lastError().text().toStdString();
            QList<QStringList> out;
            while (q.next()) {
                QStringList row;
                for (int i = 0; i < 9; ++i)
                    row << q.value(i).toString();
                out << row;
            }
            return out;
        };
        EXPECT_EQ(rows(QStringLiteral("SELECT player_key, family, screen, mode, player, title, answers, "
                                      "right_answers, last_ms FROM answer_totals")),
                  rows(QStringLiteral("SELECT player_key, family, screen, mode, max(player), max(title), "
                                      "count(*), sum(is_right), max(at_ms) FROM answers "
                                      "GROUP BY player_key, family, screen, mode")));
    }
    // An answer at the given UTC time, for the current player.
    static AnswerRecord answer(const QString& screen, bool right, const QDateTime& at = {},
                               const QString& player = {}, const QString& family = QStringLiteral("written"))
    {
        AnswerRecord a;
        a.at = at;
        a.player = player;
        a.screen = screen;
        a.title = screen;
        a.family = family;
        a.problem = QStringLiteral(" 5 + 10 = ");
        a.answer = right ? QStringLiteral("15") : QStringLiteral("14");
        a.right = right;
        return a;
    }
};
