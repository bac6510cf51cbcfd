#pragma once

#include "common/IBrowser.h"

#include <QList>
#include <QUrl>

// A browser that opens nothing and remembers every page it was asked for.
class RecordingBrowser : public IBrowser {
public:
    QList<QUrl> opened;
    bool open(const QUrl& url) override {
        opened.append(url);
        return true;
    }
};
