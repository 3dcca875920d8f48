// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartupWarmUp.h"

#include <QSqlDatabase>
#include <QString>

#include <fontconfig/fontconfig.h>

StartupWarmUp::StartupWarmUp()
    : thread_([] {
          // The configuration becomes fontconfig's current one, which Qt's
          // font database then uses as it is.
          FcInit();
          // Qt keeps a driver plugin loaded once it has made a driver:
          // the store's own connections then only open their files.
          const QString name = QStringLiteral("contalandia-warm-up");
          QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
          QSqlDatabase::removeDatabase(name);
      })
{
}

StartupWarmUp::~StartupWarmUp()
{
    wait();
}

void StartupWarmUp::wait()
{
    if (thread_.joinable())
        thread_.join();
}
