#pragma once

#include <QUrl>

// Opens web pages and files with the desktop's own handler.
class IBrowser {
public:
    virtual ~IBrowser() = default;
    virtual bool open(const QUrl& url) = 0;
};
