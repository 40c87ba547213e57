// commtest-cli: the line's instruments without the windows.
#include "cli/cli_args.h"
#include "cli/poll_command.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const cli::Invocation invocation = cli::parseArguments(QCoreApplication::arguments());
    if (!invocation.error.isEmpty()) {
        std::fprintf(stderr, "commtest-cli: %s\n", qUtf8Printable(invocation.error));
        return invocation.exitCode();
    }
    switch (invocation.command) {
    case cli::Command::Help:
        std::fputs(qUtf8Printable(cli::usageText()), stdout);
        return 0;
    case cli::Command::Poll:
        return cli::runPoll(invocation.poll, QCoreApplication::applicationDirPath());
    case cli::Command::Scan:
        // --- scan: dispatched to runScan() (cli/scan_command.*) once that is merged ---
        std::fputs("commtest-cli: scan is not built into this program yet\n", stderr);
        return cli::kUsageError;
    }
    return 0;
}
