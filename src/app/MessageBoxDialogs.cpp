// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MessageBoxDialogs.h"

#include "lang/LanguageFiles.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace {
// Texts break their lines with CR LF; a label wants plain line feeds.
QString shown(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
} // namespace

void MessageBoxDialogs::nameButtons(QMessageBox& box) const
{
    if (!words_)
        return;
    const std::pair<QMessageBox::StandardButton, QString> names[] = {
        {QMessageBox::Yes, msg::YesButton}, {QMessageBox::No, msg::NoButton}, {QMessageBox::Ok, msg::OkButton}};
    for (const auto& name : names)
        if (QAbstractButton* button = box.button(name.first)) {
            const QString word = words_(name.second);
            if (!word.isEmpty())
                button->setText(word);
        }
}

void MessageBoxDialogs::information(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, shown(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    nameButtons(box);
    box.exec();
}

bool MessageBoxDialogs::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, shown(text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    nameButtons(box);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxDialogs::notice(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), shown(text),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    nameButtons(box);
    box.exec();
}

QString MessageBoxDialogs::saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                        const QString& filter)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(parent, title, QDir(folder).filePath(suggested), filter);
}
