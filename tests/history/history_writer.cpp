// Records made-up polls into a history file as fast as it can, until it is killed, and says after
// each commit how many polls are committed: "<count>\n" on standard output.
//
//   history_writer <file> power|crash
#include "history/store.h"
#include "polls.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: history_writer <file> power|crash\n");
        return 2;
    }
    const auto durability =
        qstrcmp(argv[2], "power") == 0 ? history::Durability::PowerSafe : history::Durability::CrashSafe;
    history::Store store;
    if (!store.open(QString::fromLocal8Bit(argv[1]), history::OpenMode::Record, durability) ||
        !store.startRecording(historytest::lineOf())) {
        std::fprintf(stderr, "%s\n", qPrintable(store.errorString()));
        return 1;
    }
    for (qint64 i = 0;; ++i) {
        if (store.append(historytest::pollOf(i)) != history::AppendResult::Stored) {
            std::fprintf(stderr, "%s\n", qPrintable(store.errorString()));
            return 1;
        }
        std::printf("%lld\n", static_cast<long long>(i + 1));
        std::fflush(stdout);
    }
}
