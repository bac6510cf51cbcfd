#include "common/ui/QtPrompt.h"

#include "common/ui/CBalloonTip.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace {
QMessageBox::Icon boxIcon(IPrompt::Icon icon) {
    switch (icon) {
    case IPrompt::Icon::Information:
        return QMessageBox::Information;
    case IPrompt::Icon::Warning:
        return QMessageBox::Warning;
    case IPrompt::Icon::Error:
        return QMessageBox::Critical;
    case IPrompt::Icon::Question:
        return QMessageBox::Question;
    case IPrompt::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton button(IPrompt::Answer answer) {
    switch (answer) {
    case IPrompt::Answer::Yes:
        return QMessageBox::Yes;
    case IPrompt::Answer::No:
        return QMessageBox::No;
    case IPrompt::Answer::Cancel:
        return QMessageBox::Cancel;
    case IPrompt::Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}
} // namespace

IPrompt::Answer QtPrompt::ask(const QString& text, Icon icon, Buttons buttons,
                              Answer defaultAnswer) {
    QMessageBox box(boxIcon(icon), QStringLiteral("Quarzil"), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(button(defaultAnswer));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

void QtPrompt::balloon(QObject* field, const QString& title, const QString& text, Icon icon) {
    auto* widget = qobject_cast<QWidget*>(field);
    if (!widget)
        return;
    widget->setFocus();
    CBalloonTip::ShowOn(widget, title, text, icon);
}
