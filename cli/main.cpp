// commtest-cli: the line's instruments without the windows. Each command lives in its own file.
#include "cli/cli_args.h"
#include "cli/poll_command.h"
#include "cli/scan_command.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const cli::Invocation invocation = cli::parseArguments(QCoreApplication::arguments());
    if (!invocation.error.isEmpty()) {
        err << "commtest-cli: " << invocation.error << "\n\n" << cli::usageText() << Qt::flush;
        return invocation.exitCode();
    }
    switch (invocation.command) {
    case cli::Command::Help: out << cli::usageText() << Qt::flush; return 0;
    case cli::Command::Scan:
        return cli::runScan(invocation.scan, QCoreApplication::applicationDirPath(),
                            {out, err, isatty(fileno(stderr)) == 1});
    case cli::Command::Poll: return cli::runPoll(invocation.poll, QCoreApplication::applicationDirPath());
    }
    return 0;
}
