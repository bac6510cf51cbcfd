#pragma once

#include <QSqlError>
#include <QString>

// The text shown for a failed database call: the driver's own words, or a fixed text when the
// driver gave none.
QString DbErrorText(const QSqlError& error);
