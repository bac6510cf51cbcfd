// Builds an empty archive from the schema source: the template database file at build time, or
// a new catalog on a PostgreSQL server for computers that share one.
#include "store/ArchiveCreator.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
int usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s <output.db>\n"
                 "       %s --postgres \"Provider=QPSQL;Data Source=<host>[:port];User ID=<u>;"
                 "Password=<p>\" <catalog>\n"
                 "A value holding ';' goes between double quotes, each quote in it doubled:\n"
                 "  Password=\"a;b\"\"c\" is the password a;b\"c\n",
                 program, program);
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QString error;
    bool ok = false;
    if (argc == 2 && qstrcmp(argv[1], "--postgres") != 0) {
        ok = ArchiveCreator::CreateSqliteFile(QString::fromLocal8Bit(argv[1]), &error);
    } else if (argc == 4 && qstrcmp(argv[1], "--postgres") == 0) {
        ok = ArchiveCreator::CreatePostgresCatalog(QString::fromLocal8Bit(argv[2]),
                                                   QString::fromLocal8Bit(argv[3]), &error);
    } else {
        return usage(argv[0]);
    }
    if (!ok) {
        std::fprintf(stderr, "quarzil-mkarchive: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
