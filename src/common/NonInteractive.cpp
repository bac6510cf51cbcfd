#include "common/NonInteractive.h"

#include <cstdio>

namespace {
const char* iconName(IPrompt::Icon icon) {
    switch (icon) {
    case IPrompt::Icon::Information:
        return "information";
    case IPrompt::Icon::Warning:
        return "warning";
    case IPrompt::Icon::Error:
        return "error";
    case IPrompt::Icon::Question:
        return "question";
    case IPrompt::Icon::None:
        break;
    }
    return "message";
}

const char* answerName(IPrompt::Answer answer) {
    switch (answer) {
    case IPrompt::Answer::Yes:
        return "Yes";
    case IPrompt::Answer::No:
        return "No";
    case IPrompt::Answer::Cancel:
        return "Cancel";
    case IPrompt::Answer::Ok:
        break;
    }
    return "OK";
}

void print(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}
} // namespace

bool IsNonInteractive() {
    return qEnvironmentVariable("QUARZIL_NONINTERACTIVE") == QLatin1String("1");
}

IPrompt::Answer StderrPrompt::ask(const QString& text, Icon icon, Buttons, Answer defaultAnswer) {
    print(QStringLiteral("quarzil: %1: %2 [%3]")
              .arg(QLatin1String(iconName(icon)), text, QLatin1String(answerName(defaultAnswer))));
    return defaultAnswer;
}

void StderrPrompt::balloon(QObject*, const QString& title, const QString& text, Icon icon) {
    print(QStringLiteral("quarzil: balloon %1: %2: %3")
              .arg(QLatin1String(iconName(icon)), title, text));
}

QString CancelledFileDialogs::openFile(const QString& title, const QString&, const QString&) {
    print(QStringLiteral("quarzil: file dialog cancelled: %1").arg(title));
    return QString();
}

QString CancelledFileDialogs::saveFile(const QString& title, const QString&, const QString&,
                                       const QString&) {
    print(QStringLiteral("quarzil: file dialog cancelled: %1").arg(title));
    return QString();
}

QString CancelledFileDialogs::chooseFolder(const QString& title, const QString&) {
    print(QStringLiteral("quarzil: folder dialog cancelled: %1").arg(title));
    return QString();
}

bool StderrBrowser::open(const QUrl& url) {
    print(QStringLiteral("quarzil: not opening %1").arg(url.toString()));
    return false;
}
