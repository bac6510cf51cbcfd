#pragma once

#include "common/IBrowser.h"
#include "common/IFileDialogs.h"
#include "common/IPrompt.h"

// With QUARZIL_NONINTERACTIVE=1 the program prompts nobody: every message and question is
// written to standard error and takes its default answer, file dialogs are cancelled and pages
// are not opened. Used by process-level tests.
bool IsNonInteractive();

class StderrPrompt : public IPrompt {
public:
    Answer ask(const QString& text, Icon icon, Buttons buttons, Answer defaultAnswer) override;
    void balloon(QObject* field, const QString& title, const QString& text, Icon icon) override;
};

class CancelledFileDialogs : public IFileDialogs {
public:
    QString openFile(const QString& title, const QString& folder, const QString& filter) override;
    QString saveFile(const QString& title, const QString& folder, const QString& defaultName,
                     const QString& filter) override;
    QString chooseFolder(const QString& title, const QString& folder) override;
};

class StderrBrowser : public IBrowser {
public:
    bool open(const QUrl& url) override;
};
