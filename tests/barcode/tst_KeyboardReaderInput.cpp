// label: gui
#include "barcode/ui/KeyboardReaderInput.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace {

// A code field with the filter, and a keyboard pressing the digit row (keycodes 10 to 19).
struct Field {
    QLineEdit edit;
    QStringList edits; // each textEdited
    QString atEnter;   // the text when Enter reached the field
    quint64 clock = 1000;

    Field() {
        edit.setMaxLength(30);
        KeyboardReaderInput::Attach(&edit);
        QObject::connect(&edit, &QLineEdit::textEdited, [this](const QString& t) { edits << t; });
        QObject::connect(&edit, &QLineEdit::returnPressed, [this] { atEnter = edit.text(); });
    }
    void press(quint32 scanCode, bool shift, const QString& text, quint64 after, int key = 0) {
        clock += after;
        const auto modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
        QKeyEvent event(QEvent::KeyPress, key ? key : text.at(0).toUpper().unicode(), modifiers,
                        scanCode, 0, 0, text);
        event.setTimestamp(clock);
        QCoreApplication::sendEvent(&edit, &event);
    }
    // Each digit's key without Shift, delivering the layout's text for it.
    void digits(const QString& code, const QString& row, quint64 gap) {
        for (const QChar d : code) {
            const int index = (d.digitValue() + 9) % 10;
            press(quint32(10 + index), false, row.mid(index, 1), gap);
        }
    }
    void enter() { press(36, false, QStringLiteral("\r"), 5, Qt::Key_Return); }
};

const QString kAzerty = QStringLiteral("&\u00e9\"'(-\u00e8_\u00e7\u00e0");
const QString kQwertz = QStringLiteral("1234567890\u00df");

} // namespace

class tst_KeyboardReaderInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void usReaderUnderAzerty();
    void personAndInputMethodStay();
    void qwertzMinusAtPause();
};

void tst_KeyboardReaderInput::usReaderUnderAzerty() {
    Field field;
    QCOMPARE(KeyboardReaderInput::Attach(&field.edit), KeyboardReaderInput::Attach(&field.edit));
    field.edit.setText(QStringLiteral("OLD"));
    field.edit.selectAll(); // the scan replaces the selected old code
    field.digits(QStringLiteral("4006381333931"), kAzerty, 5);
    field.enter();
    QCOMPARE(field.atEnter, QStringLiteral("4006381333931"));
    // Typed again key by key from the state before the scan.
    QCOMPARE(field.edits.size(), 26);
    QCOMPARE(field.edits.at(13), QStringLiteral("4"));
    QCOMPARE(field.edits.last(), QStringLiteral("4006381333931"));
}

void tst_KeyboardReaderInput::personAndInputMethodStay() {
    Field person; // "&" and "-" on purpose, at a person's pace
    person.digits(QStringLiteral("1616"), kAzerty, 200);
    person.enter();
    QCOMPARE(person.atEnter, QStringLiteral("&-&-"));

    Field composed; // an input method composed a dead key and the next key inside the scan
    composed.digits(QStringLiteral("40"), kAzerty, 5);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("\u00ea"));
    QCoreApplication::sendEvent(&composed.edit, &commit);
    composed.digits(QStringLiteral("0638"), kAzerty, 5);
    composed.enter();
    QCOMPARE(composed.atEnter, QStringLiteral("'\u00e0\u00ea\u00e0-\"_"));
}

void tst_KeyboardReaderInput::qwertzMinusAtPause() {
    Field field;
    field.edit.setText(QStringLiteral("X"));
    field.edit.setCursorPosition(0);
    field.digits(QStringLiteral("4"), kQwertz, 300);
    field.press(38, true, QStringLiteral("A"), 300);     // the run starts here
    field.press(20, false, QStringLiteral("\u00df"), 5); // the US "-" key
    field.digits(QStringLiteral("12"), kQwertz, 5);
    QCOMPARE(field.edit.text(), QStringLiteral("4A\u00df12X"));
    QTRY_COMPARE(field.edit.text(), QStringLiteral("4A-12X"));
    QCOMPARE(field.edit.cursorPosition(), 5);
}

QTEST_MAIN(tst_KeyboardReaderInput)
#include "tst_KeyboardReaderInput.moc"
