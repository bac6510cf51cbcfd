#include "company/ui/FieldHelpers.h"

#include "common/IPrompt.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool checkLength(IPrompt& prompt, QWidget* field, const QString& value, int maximum,
                 QString* text) {
    if (value.size() > maximum) {
        prompt.message(QCoreApplication::translate(
                           "FieldHelpers", "Il campo non può essere più lungo di %1 caratteri!")
                           .arg(maximum),
                       IPrompt::Icon::Information);
        field->setFocus();
        return false;
    }
    if (text)
        *text = value;
    return true;
}

} // namespace

bool CheckFieldLength(IPrompt& prompt, QLineEdit* edit, int maximum, QString* text) {
    return checkLength(prompt, edit, edit->text(), maximum, text);
}

bool CheckFieldLength(IPrompt& prompt, QPlainTextEdit* edit, int maximum, QString* text) {
    return checkLength(prompt, edit, edit->toPlainText(), maximum, text);
}

bool CheckFieldLength(IPrompt& prompt, QTextEdit* edit, int maximum, QString* text) {
    return checkLength(prompt, edit, edit->toPlainText(), maximum, text);
}

bool ExchangeMemoField(IPrompt& prompt, QPlainTextEdit* edit, QString& column, bool save) {
    if (save) {
        // QPlainTextEdit has no maximum length to set, so the limit is enforced here, on save.
        QString text;
        if (!CheckFieldLength(prompt, edit, kMemoFieldLimit, &text))
            return false;
        column = text.isEmpty() ? QString() : text;
        return true;
    }
    if (column.isNull())
        edit->clear();
    else
        edit->setPlainText(column);
    return true;
}
