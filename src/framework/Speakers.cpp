// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Speakers.h"

#include "framework/ChildStyle.h"
#include "framework/Controls.h"
#include "framework/Pictures.h"
#include "framework/SpokenNames.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <vector>

Speakers::Speakers(QWidget* window, QWidget* canvas, SpokenNames& names, std::function<QPointF()> scale,
                   std::function<void(const QString&)> say)
    : QObject(window), canvas_(canvas), names_(names), scale_(std::move(scale)), say_(std::move(say))
{
    key_ = new QAction(this);
    key_->setShortcut(Qt::Key_F2);
    key_->setShortcutContext(Qt::WindowShortcut);
    window->addAction(key_);
    connect(key_, &QAction::triggered, this, [this] { sayAll(); });
}

QPushButton* Speakers::add(QWidget* line, const QString& nameKey, std::function<QString()> said,
                           std::function<bool()> shown)
{
    auto* button = new PictureButton(QString(), pictures::Speaker, canvas_);
    button->setObjectName(QStringLiteral("Altoparlante"));
    button->setProperty("index", int(speakers_.size()));
    // Pressed with the mouse, or F2 from the keyboard: a press leaves the
    // focus where it was (the answer box the child is typing in).
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    names_.fixed(button, nameKey);
    Speaker s{button, line, std::move(said), std::move(shown)};
    connect(button, &QPushButton::clicked, this, [this, button] {
        for (const Speaker& k : std::as_const(speakers_))
            if (k.button == button && onShow(k))
                say(k.said());
    });
    speakers_.push_back(std::move(s));
    // A line shown, hidden, moved, opened or locked moves its speaker.
    if (line)
        line->installEventFilter(this);
    place();
    return button;
}

QList<QPushButton*> Speakers::buttons() const
{
    QList<QPushButton*> out;
    for (const Speaker& s : speakers_)
        if (s.button)
            out << s.button;
    return out;
}

QWidget* Speakers::lineOf(const QPushButton* button) const
{
    for (const Speaker& s : speakers_)
        if (s.button == button)
            return s.line;
    return nullptr;
}

bool Speakers::onShow(const Speaker& s) const
{
    return s.line && s.button && s.line->isVisibleTo(canvas_) && (!s.shown || s.shown())
           && !(s.said ? s.said() : QString()).trimmed().isEmpty();
}

QRect Speakers::textRect(const QWidget* line)
{
    const QRect box = line->geometry();
    const auto* label = qobject_cast<const QLabel*>(line);
    if (!label || label->text().isEmpty())
        return box;
    const QRect contents = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect text = label->fontMetrics().boundingRect(contents, flags, label->text()).intersected(contents);
    return text.translated(box.topLeft());
}

QRect Speakers::shownRect(const QWidget* w)
{
    // A label that paints no box of its own shows only its text; any other
    // control, or an empty label (a place something is dropped on), its
    // whole box.
    const auto* label = qobject_cast<const QLabel*>(w);
    if (label && !label->text().isEmpty() && !label->autoFillBackground() && label->frameShape() == QFrame::NoFrame
        && label->pixmap().isNull())
        return textRect(label);
    return w->geometry();
}

std::optional<QRect> Speakers::placeFor(const Speaker& s, int side, const QList<QRect>& taken) const
{
    const QRect canvas = canvas_->rect();
    const QRect line = s.line->geometry();
    const QRect text = textRect(s.line);
    const int gap = std::max(4, side / 5);
    const int textMiddle = text.center().y() - side / 2;
    const int lineMiddle = line.center().y() - side / 2;

    // Every control on show but the line itself, and the buttons already
    // placed; the line only where its text is drawn.
    QList<QRect> covered = taken;
    covered << text;
    for (QObject* c : canvas_->children()) {
        auto* w = qobject_cast<QWidget*>(c);
        if (!w || w == s.line || !w->isVisibleTo(canvas_) || w->testAttribute(Qt::WA_TransparentForMouseEvents)
            || w->objectName() == QLatin1String("Altoparlante"))
            continue;
        covered << shownRect(w);
    }
    // Free: on the canvas, and over nothing shown.
    const auto free = [&covered, &canvas](const QRect& r) {
        if (!canvas.contains(r))
            return false;
        for (const QRect& k : covered)
            if (r.intersects(k))
                return false;
        return true;
    };

    QList<QRect> tries = {
        QRect(text.right() + 1 + gap, textMiddle, side, side),
        QRect(text.left() - gap - side, textMiddle, side, side),
        QRect(line.right() + 1 + gap, lineMiddle, side, side),
        QRect(line.left() - gap - side, lineMiddle, side, side),
        QRect(text.right() - side + 1, text.top() - gap - side, side, side),
        QRect(text.right() - side + 1, text.bottom() + 1 + gap, side, side),
        QRect(text.left(), text.top() - gap - side, side, side),
        QRect(text.left(), text.bottom() + 1 + gap, side, side),
    };
    // Further along the text's row, then along the rows just above and below.
    const int step = std::max(1, side / 4);
    for (int y : {textMiddle, text.top() - gap - side, text.bottom() + 1 + gap}) {
        for (int x = text.right() + 1 + gap; x + side <= canvas.right() + 1; x += step)
            tries << QRect(x, y, side, side);
        for (int x = text.left() - gap - side; x >= 0; x -= step)
            tries << QRect(x, y, side, side);
    }
    for (const QRect& r : std::as_const(tries))
        if (free(r))
            return r;

    // A crowded screen at a small size: the free spot nearest to the text,
    // anywhere on the canvas (a row between two controls below it).
    struct Spot
    {
        QRect place;
        qint64 distance;
    };
    std::vector<Spot> spots;
    for (int y = 0; y + side <= canvas.bottom() + 1; y += step)
        for (int x = 0; x + side <= canvas.right() + 1; x += step) {
            const QRect r(x, y, side, side);
            const int dx = std::max({0, text.left() - r.right(), r.left() - text.right()});
            const int dy = std::max({0, text.top() - r.bottom(), r.top() - text.bottom()});
            spots.push_back({r, qint64(dx) * dx + qint64(dy) * dy});
        }
    std::stable_sort(spots.begin(), spots.end(), [](const Spot& a, const Spot& b) { return a.distance < b.distance; });
    for (const Spot& spot : spots)
        if (free(spot.place))
            return spot.place;
    return std::nullopt;
}

bool Speakers::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::EnabledChange:
        placeSoon();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void Speakers::placeSoon()
{
    if (placing_)
        return;
    placing_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            placing_ = false;
            place();
        },
        Qt::QueuedConnection);
}

void Speakers::place()
{
    const QPointF f = scale_();
    const int side = std::max(ChildStyle::FingerTip, int(std::lround(SideTwips * std::min(f.x(), f.y()))));
    QList<QRect> taken;
    for (const Speaker& s : std::as_const(speakers_)) {
        if (!s.button)
            continue;
        if (!onShow(s)) {
            s.button->hide();
            continue;
        }
        // No room beside the line (a frame of options over it): no button
        // until there is.
        const std::optional<QRect> r = placeFor(s, side, taken);
        if (!r) {
            s.button->hide();
            continue;
        }
        taken << *r;
        s.button->setGeometry(*r);
        s.button->show();
    }
}

QString Speakers::allSaid() const
{
    QList<const Speaker*> on;
    for (const Speaker& s : speakers_)
        if (onShow(s))
            on << &s;
    std::stable_sort(on.begin(), on.end(), [](const Speaker* a, const Speaker* b) {
        const QRect ra = a->line->geometry();
        const QRect rb = b->line->geometry();
        return ra.top() != rb.top() ? ra.top() < rb.top() : ra.left() < rb.left();
    });
    QStringList texts;
    for (const Speaker* s : on) {
        QString t = s->said().trimmed();
        // A line that ends without a stop gets one, so that the voice pauses.
        if (!t.isEmpty() && !t.back().isPunct())
            t += QLatin1Char('.');
        texts << t;
    }
    return texts.join(QLatin1Char(' '));
}

void Speakers::sayAll()
{
    say(allSaid());
}

void Speakers::say(const QString& text) const
{
    if (say_)
        say_(text);
}
