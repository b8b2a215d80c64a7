// Serves one file as the update page on the loopback address for the
// real-window tests: prints the page's address on its first line, then
// answers every request with the file as it is at that moment and writes
// "request" to the standard error for each.
//   page_server <file>
#include "LoopbackPageServer.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: page_server <file>\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    LoopbackPageServer server;
    if (!server.isListening())
        return 1;
    const auto load = [&server, &path] {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            server.setPage(file.readAll());
    };
    load();
    std::printf("%s\n", qPrintable(server.url()));
    std::fflush(stdout);
    QObject::connect(&server, &LoopbackPageServer::requestReceived, [&load] {
        std::fprintf(stderr, "request\n");
        std::fflush(stderr);
        load();
    });
    return QCoreApplication::exec();
}
