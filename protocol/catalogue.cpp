#include "protocol/catalogue.h"

#include <QStringList>

namespace protocol {

const std::vector<CatalogueEntry>& catalogue() {
    static const std::vector<CatalogueEntry> entries = {
        {0x02, QStringLiteral("LED系列——四位双报警单显表"), QStringLiteral("ShowDX"), QStringLiteral("picture/C80.BMP")},
        {0x04, QStringLiteral("LED系列——四位四报警单显表"), QStringLiteral("ShowDX"), QStringLiteral("picture/C80.BMP")},
        {0x06, QStringLiteral("LED系列——五位四报警单显表"), QStringLiteral("ShowDX"), QStringLiteral("picture/C80.BMP")},
        {0x08, QStringLiteral("LED系列——双路显示控制仪"), QStringLiteral("ShowDouble"), QStringLiteral("picture/D80.BMP")},
        {0x0A, QStringLiteral("LED系列——手动操作器"), QStringLiteral("ShowSCQ"), QStringLiteral("picture/D80.BMP")},
        {0x0E, QStringLiteral("LED系列——PID显示控制仪"), QStringLiteral("ShowPID"), QStringLiteral("picture/D80.BMP")},
        {0x10, QStringLiteral("LED系列——32段PID控制仪"), QStringLiteral("Show32PID"), QStringLiteral("picture/P80.BMP")},
        {0x12, QStringLiteral("LED系列——流量积算仪"), QStringLiteral("ShowLL"), QStringLiteral("picture/L80.BMP")},
        {0x14, QStringLiteral("LED系列——多路巡检仪"), QStringLiteral("ShowDuo"), QStringLiteral("picture/D80.BMP")},
        {0x16, QStringLiteral("LED系列——频率表"), QStringLiteral("ShowDX"), QStringLiteral("picture/C80.BMP")},
        {0x1E, QStringLiteral("LED系列——三相电量表"), QStringLiteral("ShowAC"), QStringLiteral("picture/AC80.BMP")},
        {0x1F, QStringLiteral("MODEL系列——三相电量模块"), QStringLiteral("ShowAC"), QStringLiteral("picture/DL80.BMP")},
        {0x81, QStringLiteral("LCD系列——流量/热能积算记录仪"), QStringLiteral("ShowLCDLL"), QStringLiteral("picture/LCD80.BMP")},
        {0x82, QStringLiteral("LCD系列——3路流量/热能积算记录仪"), QStringLiteral("ShowLCD3LL"), QStringLiteral("picture/LCD80.BMP")},
        {0x84, QStringLiteral("LCD系列——热量积算记录仪"), QStringLiteral("ShowLCDLL"), QStringLiteral("picture/LCD80.BMP")},
        {0x8A, QStringLiteral("LCD系列——PID控制仪"), QStringLiteral("ShowLCDPID"), QStringLiteral("picture/LCD80.BMP")},
        {0x8E, QStringLiteral("LCD系列——3路无纸记录仪表"), QStringLiteral("ShowLCDR"), QStringLiteral("picture/LCD80.BMP")},
        {0x96, QStringLiteral("LCD系列——多路巡检仪"), QStringLiteral("ShowLCDDuo"), QStringLiteral("picture/LCD80.BMP")},
    };
    return entries;
}

const CatalogueEntry* entryForCode(int code) {
    for (const auto& e : catalogue())
        if (e.code == code) return &e;
    return nullptr;
}

const CatalogueEntry* entryForModel(const QString& modelName) {
    for (const auto& e : catalogue())
        if (e.modelName == modelName) return &e;
    return nullptr;
}

QString modelNameOf(int code) {
    const auto* e = entryForCode(code);
    return e ? e->modelName : QString();
}

QString viewOf(int code) {
    const auto* e = entryForCode(code);
    return e ? e->view : QString();
}

QString pictureOfModel(const QString& modelName) {
    const auto* e = entryForModel(modelName);
    return e ? e->picture : QString();
}

const QStringList& viewRoutineNames() {
    static const QStringList names = {
        QStringLiteral("ShowSCQ"),    QStringLiteral("ShowDX"),     QStringLiteral("ShowPID"),
        QStringLiteral("Show32PID"),  QStringLiteral("ShowLL"),     QStringLiteral("ShowAC"),
        QStringLiteral("ShowDouble"), QStringLiteral("ShowDuo"),    QStringLiteral("ShowLCDLL"),
        QStringLiteral("ShowLCD3LL"), QStringLiteral("ShowLCDPID"), QStringLiteral("ShowLCDR"),
        QStringLiteral("ShowLCDDuo"),
    };
    return names;
}

} // namespace protocol
