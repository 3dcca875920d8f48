// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QHash>
#include <QPointer>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QWidget;

// What a screen reader says for each control of a screen: every name and
// description a screen gives goes through here.
//
// Qt names most controls by itself: a button, check box, option button,
// label or menu by its caption, which translation keeps in the current
// language. A screen adds here, in one place, what Qt cannot know:
// - fixed(w, key): a name from a message string, for a control that shows a
//   picture or a sign instead of words (the faces, ">", a placed number
//   button left empty);
// - showing(w, key): a message string whose "%1" is filled with what the
//   control shows, its caption or, on a painted control, its property
//   "text" ("Right: %1" on a count, "%1 is green" on a cell); the screen
//   calls update(w) after it changes what the control shows;
// - filled(w, key, parts): a message string whose "%1", "%2", ... are filled
//   in order with parts, each a text as the screen has it or a message
//   string itself ("First number, %1: %2" with "units" and "7");
// - said(w, text): a name the screen writes from what it shows, with no
//   message string in it ("37 + ? = 100");
// - composed(w, keys, name): a name the screen makes from message strings
//   and its own state, made again at every refresh and update(w) (a cell
//   "empty" or its number, and ", marked in red" when it is);
// - answerBox(box, question, instruction): the box is named by the label
//   that states its problem (kept as the label's buddy, so the name follows
//   every new problem) and described by its instruction.
// refresh() reads every name again, all message strings in one reading of
// the file; the screen runs it after each translation, at load and after a
// language switch. Message strings a screen will name controls with only
// later are announced with readWith() and read in that same reading.
class SpokenNames
{
public:
    // A piece of a name filled into a message string.
    class Part
    {
    public:
        // Said as it stands.
        static Part text(const QString& text) { return Part(text, {}); }
        // A message string.
        static Part message(const QString& key) { return Part({}, key); }
        // What a control shows, without the blanks around it; the message
        // string when it shows nothing at all ("empty").
        static Part shownOr(const QString& shown, const QString& keyWhenEmpty)
        {
            return shown.isEmpty() ? message(keyWhenEmpty) : text(shown.trimmed());
        }

    private:
        friend class SpokenNames;
        Part(const QString& text, const QString& key) : text_(text), key_(key) {}
        QString text_;
        QString key_;   // empty: the text
    };

    // Looks up message strings of the current language, in the order of
    // the keys asked for.
    explicit SpokenNames(std::function<QStringList(const QStringList& keys)> messages);

    void fixed(QWidget* w, const QString& key);
    void showing(QWidget* w, const QString& key);
    // Without the message string the control has no name of its own.
    void filled(QWidget* w, const QString& key, const QList<Part>& parts);
    void said(QWidget* w, const QString& text);
    // name() is handed the message strings of keys, in their order.
    void composed(QWidget* w, const QStringList& keys, std::function<QString(const QStringList& messages)> name);
    // Back to Qt's own name: the control's caption.
    void forget(QWidget* w);
    void update(QWidget* w);
    void answerBox(QLineEdit* box, QLabel* question, QLabel* instruction = nullptr);

    void readWith(const QStringList& keys);
    void refresh();

private:
    struct Entry
    {
        QPointer<QWidget> widget;
        QStringList keys;
        // The name, from the message strings of keys and the control.
        std::function<QString(const QStringList& messages, const QWidget* w)> name;
    };
    struct Box
    {
        QPointer<QLineEdit> box;
        QPointer<QLabel> instruction;
    };
    QString message(const QString& key);
    void add(QWidget* w, Entry e);
    void apply(const Entry& e);

    std::function<QStringList(const QStringList&)> lookup_;
    QHash<QString, QString> texts_;       // message strings read since the last refresh
    QStringList readWith_;
    QHash<const QWidget*, Entry> entries_;
    QList<Box> boxes_;
    bool refreshed_ = false;
};

namespace spoken {
// The name a message string gives a control that shows `shown`: "%1"
// replaced by it; a text without "%1" followed by it; without a text, what
// the control shows.
QString fill(const QString& pattern, const QString& shown);
// A message string with "%1", "%2", ... replaced in turn by the texts; an
// empty message string stays empty.
QString filledIn(const QString& pattern, const QStringList& texts);

// Tells assistive technology that w has something to say now (the face that
// shows the outcome of an answer): an alert and a change of its name.
void announce(QWidget* w);
// Sees every announcement as well, whether or not assistive technology
// listens (Qt drops accessibility events while none does): for tests.
// An empty function removes the observer.
void observeAnnouncements(std::function<void(QWidget*)> observer);

// Roles of the program's painted controls (pictures are graphics, a box of
// controls a grouping). Installed once, by the first screen.
void installRoles();
} // namespace spoken
