#include "barcode/ui/KeyboardReaderInput.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>
#include <utility>

namespace {

// Keys pressed on their own around a character (a reader presses Shift for capitals): they
// neither join nor end a run.
bool isModifierKey(int key) {
    return (key >= Qt::Key_Shift && key <= Qt::Key_ScrollLock) ||
           (key >= Qt::Key_Super_L && key <= Qt::Key_Hyper_R) || key == Qt::Key_AltGr ||
           key == Qt::Key_Mode_switch;
}

bool isDeadKey(int key) {
    return key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay;
}

bool isPrintable(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

} // namespace

KeyboardReaderInput* KeyboardReaderInput::Attach(QLineEdit* field) {
    if (auto* existing =
            field->findChild<KeyboardReaderInput*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    auto* input = new KeyboardReaderInput(field);
    field->installEventFilter(input);
    return input;
}

KeyboardReaderInput::KeyboardReaderInput(QLineEdit* field) : QObject(field), m_field(field) {
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, [this] { endRun(true); });
}

bool KeyboardReaderInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_field || m_replaying)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isModifierKey(key->key()))
            return false;
        const bool command =
            key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const bool character =
            !command && !key->isAutoRepeat() && (isDeadKey(key->key()) || isPrintable(key->text()));
        if (!character) {
            // Enter, Tab and the like close a scan; the key itself then goes on unchanged.
            endRun(true);
            return false;
        }
        ScanKeystroke stroke;
        // A key typed on another level (AltGr) has no US reading.
        stroke.scanCode =
            key->modifiers() & Qt::GroupSwitchModifier ? 0 : quint32(key->nativeScanCode());
        stroke.shift = key->modifiers() & Qt::ShiftModifier;
        stroke.text = key->text();
        stroke.timestamp = key->timestamp();
        if (!m_run.isEmpty() && !ContinuesScan(m_run.constLast().timestamp, stroke.timestamp))
            endRun(false);
        if (m_run.isEmpty()) {
            m_before = {m_field->text(), m_field->cursorPosition(), m_field->selectionStart(),
                        m_field->selectionLength()};
        }
        m_run.append(stroke);
        startPause();
        return false;
    }
    case QEvent::InputMethod:
        // A dead key and the key after it reach the field as composed text, without key
        // presses: the keys around it up to the next pause are left as typed.
        if (!static_cast<QInputMethodEvent*>(event)->commitString().isEmpty()) {
            m_composed = true;
            startPause();
        }
        return false;
    case QEvent::FocusOut:
        endRun(true);
        return false;
    default:
        return false;
    }
}

void KeyboardReaderInput::startPause() {
    // The pause counts from when the field and the dialog have handled the key: per-key work
    // slower than the pause (a lookup on a large archive) must not split a scan.
    QMetaObject::invokeMethod(&m_pause, qOverload<>(&QTimer::start), Qt::QueuedConnection);
}

void KeyboardReaderInput::endRun(bool closing) {
    m_pause.stop();
    const QList<ScanKeystroke> run = std::exchange(m_run, {});
    const bool composed = std::exchange(m_composed, m_composed && !closing);
    if (composed || run.size() < kScanMinKeys)
        return;
    const ScanReading reading =
        ReadScanBurst(run, [this](const QString& burst) { return fieldHolds(burst); });
    if (!reading.repair)
        return;

    m_field->setText(m_before.text);
    // The first replayed key replaces a selection, whichever end the cursor was at.
    if (m_before.selectionStart < 0)
        m_field->setCursorPosition(m_before.cursor);
    else
        m_field->setSelection(m_before.selectionStart, m_before.selectionLength);
    replay(run, reading.us);
}

bool KeyboardReaderInput::fieldHolds(const QString& burst) const {
    QString text = m_before.text;
    int position = m_before.cursor;
    if (m_before.selectionStart >= 0) {
        text.remove(m_before.selectionStart, m_before.selectionLength);
        position = m_before.selectionStart;
    }
    text.insert(position, burst);
    if (text.size() > m_field->maxLength())
        return false;
    const QValidator* validator = m_field->validator();
    position += int(burst.size());
    return !validator || validator->validate(text, position) != QValidator::Invalid;
}

void KeyboardReaderInput::replay(const QList<ScanKeystroke>& run, const QString& text) {
    m_replaying = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // Qt's key codes for printable ASCII are the characters themselves, letters upper case.
        const int code = c.toUpper().unicode();
        const Qt::KeyboardModifiers modifiers =
            run.at(i).shift ? Qt::ShiftModifier : Qt::NoModifier;
        QKeyEvent press(QEvent::KeyPress, code, modifiers, QString(c));
        QCoreApplication::sendEvent(m_field, &press);
        QKeyEvent release(QEvent::KeyRelease, code, modifiers, QString(c));
        QCoreApplication::sendEvent(m_field, &release);
    }
    m_replaying = false;
}
