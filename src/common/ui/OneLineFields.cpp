#include "common/ui/OneLineFields.h"

#include <QLineEdit>
#include <QValidator>

namespace {

qsizetype FirstBreak(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        switch (text.at(i).unicode()) {
        case u'\n':
        case u'\r':
        case u'\v':
        case u'\f':
        case 0x2028: // line separator
        case 0x2029: // paragraph separator
            return i;
        default:
            break;
        }
    }
    return -1;
}

// Half of a character: a high surrogate with no low one after it, or a low one alone. A field's
// maximum length counts UTF-16 units and can cut a pasted character in two.
bool Unpaired(const QString& text, qsizetype i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text.at(i - 1).isHighSurrogate();
    return false;
}

// The field never holds a break, so one can only come with the text just inserted, which ends
// at the cursor: what lies between the first break and the cursor goes. A NUL (which the archive
// would drop) and half a character (which it cannot store) go as well.
class FirstLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const qsizetype cut = FirstBreak(input);
        if (cut >= 0) {
            const qsizetype resume = pos > cut ? pos : input.size();
            input = input.left(cut) + input.mid(resume);
            pos = int(cut);
        }
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            if (input.at(i).unicode() == 0 || Unpaired(input, i)) {
                input.remove(i, 1);
                if (pos > i)
                    --pos;
            }
        }
        return Acceptable;
    }
};

} // namespace

void KeepFirstLine(QLineEdit* edit) {
    if (edit && !edit->validator())
        edit->setValidator(new FirstLineValidator(edit));
}

void KeepFirstLineIn(QWidget* root) {
    if (!root)
        return;
    for (QLineEdit* edit : root->findChildren<QLineEdit*>())
        KeepFirstLine(edit);
}
