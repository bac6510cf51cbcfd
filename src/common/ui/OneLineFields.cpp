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

// The field never holds a break, so one can only come with the text just inserted, which ends
// at the cursor: what lies between the first break and the cursor goes.
class FirstLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const qsizetype cut = FirstBreak(input);
        if (cut < 0)
            return Acceptable;
        const qsizetype resume = pos > cut ? pos : input.size();
        input = input.left(cut) + input.mid(resume);
        pos = int(cut);
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
