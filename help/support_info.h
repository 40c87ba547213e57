#pragma once
// What a support request needs, as text ready to copy: versions, the port, the newest traffic.
#include <QString>
#include <QStringList>

namespace help {

struct SupportFacts {
    QString programVersion;
    QString qtRuntime;
    QString qtBuilt;
    QString system; // pretty product name
    QString kernel; // kernel type and version
    QString cpu;
    int portNumber = 1;
    int baudRate = 0;
    QString portDevice; // where the port is mapped; empty: the platform's default device
    QStringList traffic;
};

// The facts of this machine and build; port and traffic are left for the caller.
SupportFacts machineFacts();

QString supportText(const SupportFacts& facts);
QString aboutHtml(const QString& programVersion);

} // namespace help
