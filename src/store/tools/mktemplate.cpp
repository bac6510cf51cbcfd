// Generates the template database from the schema source at build time.
#include "store/ArchiveCreator.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.db>\n", argv[0]);
        return 2;
    }
    QString error;
    if (!ArchiveCreator::CreateSqliteFile(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "quarzil_mktemplate: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
