#pragma once

#include "TestSupport.h"

#include <QObject>

// A test case whose tests run on both back ends over archives kept for the whole case.
class ArchiveTestCase : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { m_archives.clear(); }

protected:
    TestSupport::ArchivePool m_archives;
};

// In a test over AddBackendRows(): the row's archive, with these tables emptied (the ones
// naming others first) so that the test starts from no rows.
#define QUARZIL_FETCH_EMPTIED_ARCHIVE(pool, db, ...)                                               \
    QUARZIL_FETCH_ARCHIVE(pool, db);                                                               \
    for (const char* table : {__VA_ARGS__})                                                        \
    QVERIFY(db->execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))))
