#include "help/support_info.h"

#include "help/help_texts.h"

#include <QSysInfo>
#include <QtGlobal>

namespace help {

SupportFacts machineFacts() {
    SupportFacts f;
    f.programVersion = QStringLiteral(COMMTEST_VERSION);
    f.qtRuntime = QString::fromLatin1(qVersion());
    f.qtBuilt = QStringLiteral(QT_VERSION_STR);
    f.system = QSysInfo::prettyProductName();
    f.kernel = QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion();
    f.cpu = QSysInfo::currentCpuArchitecture();
    return f;
}

QString supportText(const SupportFacts& f) {
    QStringList lines;
    lines << texts::kProgram.arg(f.programVersion) << texts::kQt.arg(f.qtRuntime, f.qtBuilt)
          << texts::kSystem.arg(f.system, f.kernel.section(QLatin1Char(' '), 0, 0),
                                f.kernel.section(QLatin1Char(' '), 1), f.cpu)
          << texts::kPort.arg(f.portNumber)
                 .arg(f.baudRate)
                 .arg(f.portDevice.isEmpty() ? texts::kPortDefault : texts::kPortDevice.arg(f.portDevice))
          << QString() << texts::kTrafficHeading;
    if (f.traffic.isEmpty())
        lines << texts::kNoTraffic;
    else
        lines << f.traffic;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString aboutHtml(const QString& programVersion) {
    return texts::kAbout.arg(programVersion, QString::fromLatin1(qVersion()));
}

} // namespace help
