// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/Dialogs.h"
#include "services/Platform.h"

#include <QStringList>
#include <QObject>
#include <QPointer>
#include <algorithm>
#include <deque>
#include <functional>
#include <vector>

// Records what would have been played.
class RecordingPlayer final : public SoundPlayer
{
public:
    QStringList played;
    int beeps = 0;
    void play(const QString& wavPath) override { played << wavPath; }
    void beep() override { ++beeps; }
};

// Records what would have been said, in which language and when.
class RecordingVoice final : public Voice
{
public:
    struct Said
    {
        QString text;
        WordsLanguage language;
        When when;
    };
    std::vector<Said> said;
    int stops = 0;
    void say(const QString& text, WordsLanguage language, When when) override { said.push_back({text, language, when}); }
    void stop() override { ++stops; }
    QStringList texts() const
    {
        QStringList out;
        for (const Said& s : said)
            out << s.text;
        return out;
    }
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
    std::deque<QString> fileNames;   // for saveFileName; empty means cancelled
    QString saveFileName(QWidget*, const QString& title, const QString& suggested, const QString&) override
    {
        shown.push_back({QStringLiteral("save"), title, suggested});
        if (fileNames.empty())
            return QString();
        const QString f = fileNames.front();
        fileNames.pop_front();
        return f;
    }
};

// Time that passes only when the test moves it forward. Timed steps wait in
// a queue; advance() runs those that fall due, in time order (steps they add
// run too when they fall due), skipping any whose owner is gone.
class FakeClock final : public Clock
{
public:
    double now = 0.0;
    double seconds() const override { return now; }
    void after(QObject* owner, double s, std::function<void()> step) override
    {
        if (owner && step)
            steps_.push_back({now + std::max(0.0, s), next_++, owner, std::move(step)});
    }
    void advance(double s)
    {
        const double end = now + s;
        for (;;) {
            auto due = std::min_element(steps_.begin(), steps_.end(), [](const Step& a, const Step& b) {
                return a.at < b.at || (a.at == b.at && a.order < b.order);
            });
            if (due == steps_.end() || due->at > end + 1e-9)
                break;
            Step step = std::move(*due);
            steps_.erase(due);
            now = std::max(now, step.at);
            if (step.owner)
                step.run();
        }
        now = end;
    }
    // Steps still waiting for an owner that exists.
    int pending() const
    {
        return static_cast<int>(std::count_if(steps_.begin(), steps_.end(), [](const Step& s) { return !s.owner.isNull(); }));
    }

private:
    struct Step
    {
        double at;
        long order;
        QPointer<QObject> owner;
        std::function<void()> run;
    };
    std::vector<Step> steps_;
    long next_ = 0;
};
