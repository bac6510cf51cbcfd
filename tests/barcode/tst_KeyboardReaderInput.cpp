// label: gui
#include "barcode/ui/KeyboardReaderInput.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

// The digit row, keycodes 10 to 19, as two layouts type it without Shift.
const QString kAzertyDigitRow = QStringLiteral("&\u00e9\"'(-\u00e8_\u00e7\u00e0");
const QString kQwertzDigitRow = QStringLiteral("1234567890\u00df");

// A code field as the item dialog has it, and a keyboard that presses keys at given times.
struct Field {
    QLineEdit edit;
    QStringList edits; // textEdited, in order
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
        if (key == 0)
            key = text.at(0).toUpper().unicode();
        const auto modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, modifiers, scanCode, 0, 0, text);
            event.setTimestamp(clock);
            QCoreApplication::sendEvent(&edit, &event);
        }
    }
    // The digit row's keys for each digit of code, delivering row's text (digits when shifted).
    void typeDigits(const QString& code, const QString& row, bool shift, quint64 gap) {
        for (const QChar d : code) {
            const int index = d == QLatin1Char('0') ? 9 : d.digitValue() - 1;
            press(quint32(10 + index), shift, shift ? QString(d) : row.mid(index, 1), gap);
        }
    }
    void enter() { press(36, false, QStringLiteral("\r"), 5, Qt::Key_Return); }
};

} // namespace

class tst_KeyboardReaderInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void usReaderUnderAzerty();
    void textTypedRightStays();
    void qwertzMinusAtPause();
};

void tst_KeyboardReaderInput::usReaderUnderAzerty() {
    Field field;
    QCOMPARE(KeyboardReaderInput::Attach(&field.edit), KeyboardReaderInput::Attach(&field.edit));
    // The dialog selects the old code; the scan replaces it.
    field.edit.setText(QStringLiteral("OLD"));
    field.edit.selectAll();
    field.typeDigits(QStringLiteral("4006381333931"), kAzertyDigitRow, false, 5);
    QCOMPARE(field.edit.text().size(), 13);
    QVERIFY(field.edit.text() != QStringLiteral("4006381333931"));
    field.enter();
    QCOMPARE(field.edit.text(), QStringLiteral("4006381333931"));
    QCOMPARE(field.atEnter, QStringLiteral("4006381333931"));
    QVERIFY(field.edit.isModified());
    // The repaired code was typed again key by key, from the state before the scan.
    const QStringList replayed = field.edits.mid(13);
    QCOMPARE(replayed.size(), 13);
    QCOMPARE(replayed.first(), QStringLiteral("4"));
    QCOMPARE(replayed.last(), QStringLiteral("4006381333931"));
}

void tst_KeyboardReaderInput::textTypedRightStays() {
    // A reader set up for AZERTY: Shift + digit row, digits delivered.
    Field host;
    host.typeDigits(QStringLiteral("4006381333931"), kAzertyDigitRow, true, 5);
    host.enter();
    QCOMPARE(host.edit.text(), QStringLiteral("4006381333931"));
    QCOMPARE(host.edits.size(), 13);

    // A person typing "&" and "-" on purpose, then more text, at a person's pace.
    Field person;
    person.edit.setText(QStringLiteral("AB"));
    person.typeDigits(QStringLiteral("1616"), kAzertyDigitRow, false, 200);
    person.enter();
    QCOMPARE(person.edit.text(), QStringLiteral("AB&-&-"));

    // Synthesized keys carry no scan code and are never read as US keys.
    Field synthesized;
    for (const QChar c : QStringLiteral("&\u00e9\"'("))
        synthesized.press(0, false, c, 5);
    synthesized.enter();
    QCOMPARE(synthesized.edit.text(), QStringLiteral("&\u00e9\"'("));
}

void tst_KeyboardReaderInput::qwertzMinusAtPause() {
    Field field;
    field.edit.setText(QStringLiteral("X"));
    field.edit.setCursorPosition(0);
    field.typeDigits(QStringLiteral("400"), kQwertzDigitRow, false, 300);
    field.press(20, false, QStringLiteral("\u00df"), 5); // the US "-" key
    field.typeDigits(QStringLiteral("12"), kQwertzDigitRow, false, 5);
    QCOMPARE(field.edit.text(), QStringLiteral("400\u00df12X"));
    // No closing key: the run ends at the pause. Only the fast part is typed again.
    QTRY_COMPARE(field.edit.text(), QStringLiteral("400-12X"));
    QCOMPARE(field.edit.cursorPosition(), 6);
}

QTEST_MAIN(tst_KeyboardReaderInput)
#include "tst_KeyboardReaderInput.moc"
