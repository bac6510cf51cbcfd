#pragma once

#include "common/IPrompt.h"

#include <QList>
#include <QString>

// A prompt that tests script: each expected message is queued with its answer; every message
// shown is recorded with its icon. An unexpected prompt is recorded as a failure (see
// unexpected()) and answered with its default.
class ScriptedPrompt : public IPrompt {
public:
    struct Shown {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    // Queue an answer for the next prompt whose text starts with textStart.
    void expect(const QString& textStart, Answer answer = Answer::Ok);

    Answer ask(const QString& text, Icon icon, Buttons buttons, Answer defaultAnswer) override;
    void balloon(QObject* field, const QString& title, const QString& text, Icon icon) override;

    QList<Shown> shown;
    QStringList balloons;
    QStringList unexpected;
    // Expectations never met.
    QStringList pending() const;

private:
    struct Expected {
        QString textStart;
        Answer answer;
    };
    QList<Expected> m_expected;
};
