#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#ifndef QUARZIL_TESTDATA
#error "QUARZIL_TESTDATA names the folder of the sample files"
#endif

namespace TestSupport {

// The folder of the sample Jet files. Missing, it fails the calling test: never a skip.
inline QString MdbSampleFolder() {
    return QStringLiteral(QUARZIL_TESTDATA "/mdb");
}

// A writable copy of a sample file in dir, so that no test ever opens the shared one; empty
// (and the calling test failed) when the sample is missing.
inline QString CopyMdbSample(const QTemporaryDir& dir, const QString& name) {
    const QString source = QDir(MdbSampleFolder()).filePath(name);
    if (!QFileInfo(source).isFile()) {
        QTest::qFail(qPrintable(QStringLiteral("sample file missing: %1").arg(source)), __FILE__,
                     __LINE__);
        return QString();
    }
    const QString copy = dir.filePath(name);
    QFile::remove(copy);
    if (!QFile::copy(source, copy)) {
        QTest::qFail(qPrintable(QStringLiteral("cannot copy %1").arg(source)), __FILE__, __LINE__);
        return QString();
    }
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    return copy;
}

} // namespace TestSupport
