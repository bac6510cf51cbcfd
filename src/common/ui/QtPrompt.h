#pragma once

#include "common/IPrompt.h"

class QWidget;

// Message boxes and balloon tips on screen.
class QtPrompt : public IPrompt {
public:
    Answer ask(const QString& text, Icon icon, Buttons buttons, Answer defaultAnswer) override;
    void balloon(QObject* field, const QString& title, const QString& text, Icon icon) override;
};
