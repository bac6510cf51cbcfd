#pragma once

#include <QString>

class QObject;

// Every message, question and balloon tip the user sees goes through this interface: the
// program shows Qt dialogs, tests script the answers and read back the texts.
class IPrompt {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~IPrompt() = default;

    virtual Answer ask(const QString& text, Icon icon, Buttons buttons, Answer defaultAnswer) = 0;
    // A warning balloon on the field that failed validation.
    virtual void balloon(QObject* field, const QString& title, const QString& text, Icon icon) = 0;

    void message(const QString& text, Icon icon) { ask(text, icon, Buttons::Ok, Answer::Ok); }
    bool question(const QString& text, bool defaultYes = true) {
        return ask(text, Icon::Question, Buttons::YesNo, defaultYes ? Answer::Yes : Answer::No) ==
               Answer::Yes;
    }
};
