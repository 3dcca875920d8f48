// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MessageBoxDialogs.h"
#include "support/TestApp.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

// The buttons follow the language in use, also after a switch in the main
// menu, Albanian included (which Qt does not translate).
TEST(MessageBoxDialogs, ButtonsSpeakTheLanguageInUse)
{
    TestApp t;
    t.random.setFallback(0.0);
    for (const char* language : {"Italiano", "Shqip"})
        QFile::copy(QStringLiteral(CONTALANDIA_DATA_DIR "/%1.lng").arg(language),
                    t.path(QStringLiteral("%1.lng").arg(language)));
    t.writeSettings("Italiano");
    t.app.strings.getString(msg::YesButton);

    MessageBoxDialogs dialogs;
    dialogs.setWords([&](const QString& key) { return t.app.strings.getString(key); });
    auto ask = [&] {
        auto words = std::make_shared<QStringList>();
        QTimer::singleShot(0, [words] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            for (QAbstractButton* b : box->buttons())
                *words << b->text();
            words->sort();
            box->button(box->buttons().size() > 1 ? QMessageBox::No : QMessageBox::Ok)->click();
        });
        EXPECT_FALSE(dialogs.askYesNo(nullptr, "Contalandia", "?"));
        return *words;
    };
    EXPECT_EQ(ask(), (QStringList{"No", "Sì"}));

    t.open("FormMenu");
    t.trigger("mnuLanguage", 1);
    ASSERT_EQ(t.app.strings.currentLanguage(), "Shqip");
    EXPECT_EQ(ask(), (QStringList{"Jo", "Po"}));

    auto ok = std::make_shared<QString>();
    QTimer::singleShot(0, [ok] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        *ok = box->button(QMessageBox::Ok)->text();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.information(nullptr, "Contalandia", "i");
    EXPECT_EQ(*ok, QString::fromUtf8("Në rregull"));
}

} // namespace

namespace {

// With large text the question's buttons are as large as the screen's
// smallest button and its text grows with the screen's labels; without,
// the box keeps Qt's sizes.
TEST(MessageBoxDialogs, WithLargeTextABoxIsSizedForAChild)
{
    for (const bool large : {false, true}) {
        TestApp t;
        t.random.setFallback(0.3);
        t.app.state.largeText = large;
        t.open(QStringLiteral("FormOrd"));
        t.resize(QSize(1920, 1080));
        QMessageBox box(QMessageBox::Question, QStringLiteral("Contalandia"), QStringLiteral("Vuoi uscire?"),
                        QMessageBox::Yes | QMessageBox::No, t.current());
        const double before = box.font().pointSizeF();
        sizeForChild(box, t.current());
        QSize smallest;
        for (QPushButton* b : t.current()->canvas()->findChildren<QPushButton*>())
            if (b->isVisible() && (smallest.isEmpty() || b->width() * b->height() < smallest.width() * smallest.height()))
                smallest = b->size();
        ASSERT_FALSE(smallest.isEmpty());
        const QSize display = t.current()->displaySize();
        for (QAbstractButton* b : box.buttons()) {
            if (large) {
                EXPECT_GE(b->minimumWidth(), std::min(smallest.width(), display.width() / 4));
                EXPECT_GE(b->minimumHeight(), std::min(smallest.height(), display.height() / 8));
                EXPECT_GT(b->minimumHeight(), 24);
            } else {
                EXPECT_EQ(b->minimumSize(), QSize(0, 0));
            }
        }
        if (large)
            EXPECT_GT(box.font().pointSizeF(), before * 1.5);
        else
            EXPECT_EQ(box.font().pointSizeF(), before);
    }
}

} // namespace
