// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MessageBoxDialogs.h"

#include "framework/AppContext.h"
#include "framework/Screen.h"
#include "lang/LanguageFiles.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QGuiApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <algorithm>

namespace {
// Texts break their lines with CR LF; a label wants plain line feeds.
QString shown(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
} // namespace

void sizeForChild(QMessageBox& box, QWidget* parent)
{
    auto* screen = qobject_cast<Screen*>(parent ? parent->window() : nullptr);
    if (!screen || !screen->app().state.largeText)
        return;
    double points = 0;
    QSize button;
    for (QObject* c : screen->controls()) {
        auto* w = qobject_cast<QWidget*>(c);
        if (!w || !w->isVisible())
            continue;
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().trimmed().isEmpty())
            points = std::max(points, label->font().pointSizeF());
        if (auto* b = qobject_cast<QPushButton*>(w))
            if (button.isEmpty() || b->width() * b->height() < button.width() * button.height())
                button = b->size();
    }
    QFont font = box.font();
    if (QWidget* bar = screen->menuWidget())
        points = std::min(points, 1.5 * bar->font().pointSizeF());
    if (points > font.pointSizeF()) {
        font.setPointSizeF(points);
        box.setFont(font);
    }
    const QSize display = screen->displaySize();
    button = button.boundedTo(QSize(display.width() / 4, display.height() / 8));
    for (QAbstractButton* b : box.buttons())
        b->setMinimumSize(button);
}

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
    sizeForChild(box, parent);
    box.exec();
}

bool MessageBoxDialogs::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, shown(text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    nameButtons(box);
    sizeForChild(box, parent);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxDialogs::notice(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), shown(text),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    nameButtons(box);
    sizeForChild(box, parent);
    box.exec();
}

QString MessageBoxDialogs::saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                        const QString& filter)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(parent, title, QDir(folder).filePath(suggested), filter);
}
