#pragma once
#include "services/Platform.h"

#include <QStringList>
#include <deque>

// Records what would have been played.
class RecordingPlayer final : public SoundPlayer
{
public:
    QStringList played;
    int beeps = 0;
    void play(const QString& wavPath) override { played << wavPath; }
    void beep() override { ++beeps; }
};

// Answers the message boxes as the test scripted, and records them.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Shown { QString kind, title, text; };
    std::vector<Shown> shown;
    std::deque<bool> answers;   // for askYesNo; empty means No
    void information(QWidget*, const QString& title, const QString& text) override
    { shown.push_back({QStringLiteral("information"), title, text}); }
    bool askYesNo(QWidget*, const QString& title, const QString& text) override
    {
        shown.push_back({QStringLiteral("question"), title, text});
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void notice(QWidget*, const QString& text) override
    { shown.push_back({QStringLiteral("notice"), QString(), text}); }
};

// Time that passes only when the program pauses.
class FakeClock final : public Clock
{
public:
    double now = 0.0;
    double seconds() const override { return now; }
    void pause(double s) override { now += s; }
};
