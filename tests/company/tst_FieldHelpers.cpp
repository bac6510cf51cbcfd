// label: gui
#include "company/ui/FieldHelpers.h"

#include "ScriptedPrompt.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

class tst_FieldHelpers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checkFieldLength_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << 0 << true;
        QTest::newRow("at the limit") << 250 << true;
        QTest::newRow("one over") << 251 << false;
    }
    void checkFieldLength() {
        QFETCH(int, length);
        QFETCH(bool, accepted);
        QWidget dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* other = new QLineEdit(&dialog);
        auto* edit = new QLineEdit(&dialog);
        layout->addWidget(other);
        layout->addWidget(edit);
        edit->setMaxLength(1000);
        edit->setText(QString(length, u'à'));
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());

        ScriptedPrompt prompt;
        if (!accepted)
            prompt.expect(QStringLiteral("Il campo"));
        QString text = QStringLiteral("unchanged");
        QCOMPARE(CheckFieldLength(prompt, edit, 250, &text), accepted);
        QVERIFY(prompt.unexpected.isEmpty());
        QVERIFY(prompt.pending().isEmpty());
        if (accepted) {
            QCOMPARE(text, edit->text());
            return;
        }
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown[0].text,
                 QStringLiteral("Il campo non può essere più lungo di 250 caratteri!"));
        QCOMPARE(prompt.shown[0].icon, IPrompt::Icon::Information);
        QCOMPARE(text, QStringLiteral("unchanged"));
        QTRY_VERIFY(edit->hasFocus());
    }

    void checkPlainTextLength() {
        QPlainTextEdit edit;
        edit.setPlainText(QStringLiteral("abcdef"));
        ScriptedPrompt prompt;
        prompt.expect(QStringLiteral("Il campo non può essere più lungo di 5 caratteri!"));
        QString text;
        QVERIFY(!CheckFieldLength(prompt, &edit, 5, &text));
        QVERIFY(CheckFieldLength(prompt, &edit, 6, &text));
        QCOMPARE(text, QStringLiteral("abcdef"));
        QVERIFY(prompt.pending().isEmpty());
    }

    void saveMemo_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("storedNull");
        QTest::newRow("empty is NULL") << QString() << true << true;
        QTest::newRow("lines") << QStringLiteral("riga 1\nriga 2") << true << false;
        QTest::newRow("at the limit") << QString(150000, u'x') << true << false;
        QTest::newRow("one over") << QString(150001, u'x') << false << false;
    }
    void saveMemo() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(bool, storedNull);
        QPlainTextEdit edit;
        edit.setPlainText(text);
        ScriptedPrompt prompt;
        if (!accepted)
            prompt.expect(QStringLiteral("Il campo"));
        QString column = QStringLiteral("before");
        QCOMPARE(ExchangeMemoField(prompt, &edit, column, true), accepted);
        QVERIFY(prompt.unexpected.isEmpty());
        if (!accepted) {
            QCOMPARE(prompt.shown.size(), 1);
            QCOMPARE(prompt.shown[0].text,
                     QStringLiteral("Il campo non può essere più lungo di 150000 caratteri!"));
            QCOMPARE(column, QStringLiteral("before"));
            return;
        }
        QCOMPARE(column.isNull(), storedNull);
        if (!storedNull)
            QCOMPARE(column, text);
    }

    void loadMemo() {
        QPlainTextEdit edit;
        edit.setPlainText(QStringLiteral("old"));
        ScriptedPrompt prompt;
        QString column = QStringLiteral("nota\nsu due righe");
        QVERIFY(ExchangeMemoField(prompt, &edit, column, false));
        QCOMPARE(edit.toPlainText(), column);
        column = QString();
        QVERIFY(ExchangeMemoField(prompt, &edit, column, false));
        QCOMPARE(edit.toPlainText(), QString());
        QVERIFY(prompt.shown.isEmpty());
    }
};

QTEST_MAIN(tst_FieldHelpers)
#include "tst_FieldHelpers.moc"
