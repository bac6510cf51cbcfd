#pragma once

class QLineEdit;
class QWidget;

// A text of several lines pasted or dropped into a one-line field keeps only its first line, as
// one-line fields do elsewhere on the desktop: a line break would otherwise be stored in a
// column that every list and print shows on one line. The text around the insertion stays. A NUL
// and half of a character cut by the field's maximum length are dropped too.
void KeepFirstLine(QLineEdit* edit);
// The same for every line edit under root (combo boxes' too) that has no validator of its own.
void KeepFirstLineIn(QWidget* root);
