#include "ScriptedPrompt.h"

void ScriptedPrompt::expect(const QString& textStart, Answer answer) {
    m_expected.append({textStart, answer});
}

IPrompt::Answer ScriptedPrompt::ask(const QString& text, Icon icon, Buttons buttons,
                                    Answer defaultAnswer) {
    shown.append({text, icon, buttons});
    if (!m_expected.isEmpty() && text.startsWith(m_expected.front().textStart))
        return m_expected.takeFirst().answer;
    unexpected.append(text);
    return defaultAnswer;
}

void ScriptedPrompt::balloon(QObject*, const QString& title, const QString& text, Icon) {
    balloons.append(title + QStringLiteral(": ") + text);
}

QStringList ScriptedPrompt::pending() const {
    QStringList texts;
    for (const Expected& e : m_expected)
        texts << e.textStart;
    return texts;
}
