// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartupWarmUp.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

// The warm-up leaves fontconfig configured and the SQLite driver ready, and
// nothing of its own behind: no connection a later one could clash with.
TEST(StartupWarmUpTest, LeavesFontsAndDriverReadyAndNoConnection)
{
    {
        StartupWarmUp warmUp;
        warmUp.wait();
        warmUp.wait();
        EXPECT_NE(FcConfigGetCurrent(), nullptr);
        EXPECT_FALSE(QSqlDatabase::connectionNames().contains(QStringLiteral("contalandia-warm-up")));
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("after-warm-up"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT 6 * 7")) && q.next());
        EXPECT_EQ(q.value(0).toInt(), 42);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("after-warm-up"));
}
