// label: gui
#include "common/ui/CBalloonTip.h"
#include "common/ui/QtPrompt.h"
#include "company/ui/FieldHelpers.h"

#include "ScriptedPrompt.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

class tst_FieldHelpers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void balloonPointsAtItsField();
    void balloonAboveAtTheScreensBottom();
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

namespace {

// A small dialog with two fields, shown and active at the given place on the screen.
struct TwoFields {
    QWidget dialog;
    QLineEdit* other = new QLineEdit(&dialog);
    QLineEdit* edit = new QLineEdit(&dialog);
    explicit TwoFields(const QPoint& at) {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(other);
        layout->addWidget(edit);
        dialog.resize(320, 90);
        dialog.move(at);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
    QRect field() const { return QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size()); }
};

} // namespace

// The validation balloon: icon, title and text, its stem on the refused field, one at a time,
// gone at the next key.
void tst_FieldHelpers::balloonPointsAtItsField() {
    TwoFields w(QPoint(40, 40));
    QVERIFY(QTest::qWaitForWindowActive(&w.dialog));
    w.other->setFocus();
    QtPrompt prompt;
    prompt.balloon(w.edit, QStringLiteral("Errore codice"),
                   QStringLiteral("Il codice è duplicato, scegliere un altro valore!"),
                   IPrompt::Icon::Warning);
    QPointer<CBalloonTip> tip = CBalloonTip::Current();
    QVERIFY(tip && tip->isVisible());
    QCOMPARE(tip->title(), QStringLiteral("Errore codice"));
    QCOMPARE(tip->text(), QStringLiteral("Il codice è duplicato, scegliere un altro valore!"));
    QCOMPARE(tip->icon(), IPrompt::Icon::Warning);
    bool iconShown = false;
    for (const QLabel* l : tip->findChildren<QLabel*>())
        iconShown = iconShown || (l->isVisible() && !l->pixmap().isNull());
    QVERIFY(iconShown);
    QVERIFY(w.edit->hasFocus());

    // Below the field, the stem's tip on its bottom edge.
    const QRect field = w.field();
    QCOMPARE(tip->anchor().y(), field.bottom() + 1);
    QVERIFY(tip->anchor().x() > field.left() && tip->anchor().x() < field.right());
    QVERIFY(!tip->above());
    QCOMPARE(tip->geometry().top(), tip->anchor().y());
    QVERIFY(tip->mask().contains(tip->mapFromGlobal(tip->anchor()) + QPoint(0, 2)));
    // Wide enough for the text on one line, which no label clips.
    QVERIFY(tip->width() > tip->fontMetrics().horizontalAdvance(tip->text()));

    // A second one replaces it; a key ends that one too.
    prompt.balloon(w.other, QStringLiteral("Errore ragione sociale"),
                   QStringLiteral("La ragione sociale non può avere un valore nullo!"),
                   IPrompt::Icon::Warning);
    QTRY_VERIFY(tip.isNull());
    tip = CBalloonTip::Current();
    QVERIFY(tip && tip->field() == w.other);
    QTest::keyClick(w.other, Qt::Key_A);
    QTRY_VERIFY(tip.isNull());
    QVERIFY(!CBalloonTip::Current());

    // So does the dialog moving away from it.
    prompt.balloon(w.edit, QStringLiteral("T"), QStringLiteral("Testo"), IPrompt::Icon::Warning);
    tip = CBalloonTip::Current();
    QVERIFY(tip);
    w.dialog.move(80, 60);
    QTRY_VERIFY(tip.isNull());
}

// With no room under the field, the balloon stands over it.
void tst_FieldHelpers::balloonAboveAtTheScreensBottom() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    TwoFields w(QPoint(screen.left() + 40, screen.bottom() - 100));
    QVERIFY(QTest::qWaitForWindowActive(&w.dialog));
    QVERIFY(w.field().bottom() > screen.bottom() - 60);
    QtPrompt prompt;
    prompt.balloon(w.edit, QStringLiteral("Errore"), QStringLiteral("Testo"),
                   IPrompt::Icon::Warning);
    CBalloonTip* tip = CBalloonTip::Current();
    QVERIFY(tip);
    QVERIFY(tip->above());
    QCOMPARE(tip->anchor().y(), w.field().top());
    QCOMPARE(tip->geometry().bottom() + 1, tip->anchor().y());
    QVERIFY(screen.contains(tip->geometry()));
    delete tip;
}

QTEST_MAIN(tst_FieldHelpers)
#include "tst_FieldHelpers.moc"
