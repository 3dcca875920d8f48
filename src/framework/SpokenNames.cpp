// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/SpokenNames.h"

#include "framework/Controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

SpokenNames::SpokenNames(std::function<QStringList(const QStringList&)> messages) : lookup_(std::move(messages)) {}

QString SpokenNames::message(const QString& key)
{
    auto it = texts_.constFind(key);
    if (it == texts_.constEnd())
        it = texts_.insert(key, lookup_ ? lookup_({key}).value(0) : QString());
    return *it;
}

namespace {
QString shownBy(const QWidget* w)
{
    if (auto caption = control::caption(w))
        return caption->trimmed();
    return w->property("text").toString().trimmed();
}
} // namespace

void SpokenNames::apply(const Entry& e)
{
    // Names are first read with the screen's translation.
    if (!e.widget || !refreshed_)
        return;
    QStringList messages;
    messages.reserve(e.keys.size());
    for (const QString& key : e.keys)
        messages.push_back(message(key));
    const QString name = e.name(messages, e.widget);
    if (e.widget->accessibleName() != name)
        e.widget->setAccessibleName(name);
}

void SpokenNames::add(QWidget* w, Entry e)
{
    apply(*entries_.insert(w, std::move(e)));
}

void SpokenNames::fixed(QWidget* w, const QString& key)
{
    add(w, {w, {key}, [](const QStringList& m, const QWidget*) { return m.value(0); }});
}

void SpokenNames::showing(QWidget* w, const QString& key)
{
    add(w, {w, {key}, [](const QStringList& m, const QWidget* shown) { return spoken::fill(m.value(0), shownBy(shown)); }});
}

void SpokenNames::filled(QWidget* w, const QString& key, const QList<Part>& parts)
{
    // The pattern first, then the key of each part that is a message string.
    QStringList keys{key};
    QList<int> messageOf;
    for (const Part& p : parts) {
        messageOf.push_back(p.key_.isEmpty() ? -1 : static_cast<int>(keys.size()));
        if (!p.key_.isEmpty())
            keys.push_back(p.key_);
    }
    QStringList texts;
    for (const Part& p : parts)
        texts.push_back(p.text_);
    add(w, {w, keys, [texts, messageOf](const QStringList& m, const QWidget*) {
                QStringList filledWith = texts;
                for (qsizetype i = 0; i < filledWith.size(); ++i)
                    if (messageOf[i] >= 0)
                        filledWith[i] = m.value(messageOf[i]);
                return spoken::filledIn(m.value(0), filledWith);
            }});
}

void SpokenNames::said(QWidget* w, const QString& text)
{
    add(w, {w, {}, [text](const QStringList&, const QWidget*) { return text; }});
}

void SpokenNames::composed(QWidget* w, const QStringList& keys, std::function<QString(const QStringList&)> name)
{
    add(w, {w, keys, [name = std::move(name)](const QStringList& m, const QWidget*) { return name ? name(m) : QString(); }});
}

void SpokenNames::forget(QWidget* w)
{
    if (entries_.remove(w) && w)
        w->setAccessibleName(QString());
}

void SpokenNames::update(QWidget* w)
{
    const auto it = entries_.constFind(w);
    if (it != entries_.constEnd())
        apply(*it);
}

void SpokenNames::answerBox(QLineEdit* box, QLabel* question, QLabel* instruction)
{
    if (question)
        question->setBuddy(box);
    boxes_.push_back({box, instruction});
    if (instruction)
        box->setAccessibleDescription(instruction->text());
}

void SpokenNames::readWith(const QStringList& keys)
{
    for (const QString& key : keys)
        if (!readWith_.contains(key))
            readWith_.push_back(key);
}

void SpokenNames::refresh()
{
    refreshed_ = true;
    texts_.clear();
    QStringList keys = readWith_;
    for (const Entry& e : std::as_const(entries_))
        if (e.widget)
            for (const QString& key : e.keys)
                if (!keys.contains(key))
                    keys.push_back(key);
    if (!keys.isEmpty() && lookup_) {
        const QStringList texts = lookup_(keys);
        for (qsizetype i = 0; i < keys.size(); ++i)
            texts_.insert(keys[i], texts.value(i));
    }
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (!it->widget) {
            it = entries_.erase(it);
            continue;
        }
        apply(*it);
        ++it;
    }
    for (const Box& b : std::as_const(boxes_))
        if (b.box && b.instruction)
            b.box->setAccessibleDescription(b.instruction->text());
}

namespace spoken {

QString fill(const QString& pattern, const QString& shown)
{
    if (pattern.isEmpty())
        return shown;
    if (pattern.contains(QLatin1String("%1"))) {
        QString name = pattern;
        return name.replace(QLatin1String("%1"), shown);
    }
    return shown.isEmpty() ? pattern : pattern + u' ' + shown;
}

QString filledIn(const QString& pattern, const QStringList& texts)
{
    QString name = pattern;
    for (qsizetype i = 0; i < texts.size() && !name.isEmpty(); ++i)
        name.replace(QStringLiteral("%%1").arg(i + 1), texts[i]);
    return name;
}

namespace {
std::function<void(QWidget*)>& announcementObserver()
{
    static std::function<void(QWidget*)> observer;
    return observer;
}
} // namespace

void observeAnnouncements(std::function<void(QWidget*)> observer)
{
    announcementObserver() = std::move(observer);
}

void announce(QWidget* w)
{
    if (!w)
        return;
    if (announcementObserver())
        announcementObserver()(w);
    QAccessibleEvent alert(w, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    QAccessibleEvent name(w, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}

namespace {
QAccessibleInterface* programRoles(const QString& className, QObject* object)
{
    if (className == QLatin1String("PictureBox") && object && object->isWidgetType()) {
        auto* box = static_cast<PictureBox*>(object);
        return new QAccessibleWidget(box, box->picture().isEmpty() ? QAccessible::Grouping : QAccessible::Graphic);
    }
    return nullptr;
}
} // namespace

void installRoles()
{
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(programRoles);
}

} // namespace spoken
