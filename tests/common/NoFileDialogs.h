#pragma once

#include "common/IFileDialogs.h"

// File dialogs that a test never expects to see: every one is cancelled.
class NoFileDialogs : public IFileDialogs {
public:
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};
