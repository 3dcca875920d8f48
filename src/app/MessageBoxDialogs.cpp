#include "app/MessageBoxDialogs.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace {
// Texts break their lines with CR LF; a label wants plain line feeds.
QString shown(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
} // namespace

void MessageBoxDialogs::information(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, shown(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MessageBoxDialogs::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, shown(text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxDialogs::notice(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), shown(text),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
