#pragma once

#include <QString>

class IPrompt;
class QLineEdit;
class QPlainTextEdit;
class QTextEdit;

// Longest text a long-text (memo) column takes.
inline constexpr int kMemoFieldLimit = 150000;

// The field-length check of the dialogs: a text longer than maximum characters is refused with
// "Il campo non può essere più lungo di %1 caratteri!", the focus goes to the field and the
// result is false (the dialog stays open); otherwise *text receives the field's text.
bool CheckFieldLength(IPrompt& prompt, QLineEdit* edit, int maximum, QString* text);
bool CheckFieldLength(IPrompt& prompt, QPlainTextEdit* edit, int maximum, QString* text);
bool CheckFieldLength(IPrompt& prompt, QTextEdit* edit, int maximum, QString* text);

// Moves a long-text column to (save false) or from (save true) its field. Saving refuses more
// than kMemoFieldLimit characters as CheckFieldLength does and stores an empty text as NULL (a
// null QString); loading a NULL column empties the field.
bool ExchangeMemoField(IPrompt& prompt, QPlainTextEdit* edit, QString& column, bool save);
