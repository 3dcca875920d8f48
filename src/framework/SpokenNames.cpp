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
    const QString pattern = message(e.key);
    const QString name = e.showing ? spoken::fill(pattern, shownBy(e.widget)) : pattern;
    if (e.widget->accessibleName() != name)
        e.widget->setAccessibleName(name);
}

void SpokenNames::fixed(QWidget* w, const QString& key)
{
    entries_.insert(w, {w, key, false});
    apply(entries_.value(w));
}

void SpokenNames::showing(QWidget* w, const QString& key)
{
    entries_.insert(w, {w, key, true});
    apply(entries_.value(w));
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

void SpokenNames::refresh()
{
    refreshed_ = true;
    texts_.clear();
    QStringList keys;
    for (const Entry& e : std::as_const(entries_))
        if (e.widget && !keys.contains(e.key))
            keys.push_back(e.key);
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
