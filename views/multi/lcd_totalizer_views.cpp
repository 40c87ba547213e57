// The LCD totalizing recorders: four lines paging through channel values, the power-failure record,
// instantaneous values and accumulated totals.
#include "protocol/fields.h"
#include "protocol/number_format.h"
#include "views/multi/lcd_captions.h"
#include "views/multi/lcd_lines.h"
#include "views/multi/multi_views.h"
#include "views/multi/paging.h"
#include "views/reading_table.h"

namespace views {

namespace {

constexpr int kFirstValue = 10;
constexpr int kChannels = 3;

// The instrument sends rates per second; the window shows them per hour.
float perHour(float perSecond) {
    return static_cast<float>(perSecond * 3600.0);
}

// A total travels as a high part counting hundreds and a low part; the sum is kept as a float.
float total(float high, float low) {
    return static_cast<float>(high * 100.0 + low);
}

// The power-failure record that both recorders carry behind their floats.
struct PowerFailure {
    int count;
    float seconds;
};

PowerFailure powerFailureAt(const QByteArray& ntemp, int countPos, int timePos) {
    return {hexByteAt(ntemp, countPos), floatAt(ntemp, timePos)};
}

void readPowerFailure(protocol::Reading* first, const PowerFailure& record) {
    first[0].value = record.count;
    first[1].value = record.seconds;
}

std::vector<ReadingRow> powerFailureRows() {
    return {{QStringLiteral("PF_COUNT"), QStringLiteral("掉电次数"), QString(), 0,
             QStringLiteral("power failures counted")},
            {QStringLiteral("PF_TIME"), QStringLiteral("掉电时间"), QStringLiteral("s"), 0,
             QStringLiteral("power-failure time in seconds")}};
}

// The first page of both recorders: three channel lines, then the power-failure count and time.
void writeChannelPage(panel::PanelModel& panel, const float* channels, const PowerFailure& record) {
    lcd::writeChannelLines(panel, channels, kChannels);
    panel.label1[lcd::kLines[3]].caption = captions::kPowerFailure + protocol::formatNumber(record.count, 0) +
                                           captions::kPowerFailureDash +
                                           protocol::formatNumber(record.seconds, 0) + captions::kSeconds;
}

enum SingleKey { CH01, FLOW = kChannels, HEAT, TOTAL, HEAT_TOTAL, PF_COUNT };
enum TripleKey { FLOW1 = kChannels, TOTAL1 = FLOW1 + kChannels, TRIPLE_PF_COUNT = TOTAL1 + kChannels };

} // namespace

const ReadingTable& totalizerRecorderReadings() {
    static const ReadingTable table(joined({
        channelRows(kChannels, QStringLiteral("%1路"), 1, 1, QStringLiteral("channel %1")),
        {{QStringLiteral("FLOW"), QStringLiteral("瞬时"), QString(), 1,
          QStringLiteral("instantaneous flow as shown: the reply's flow per second times 3600")},
         {QStringLiteral("HEAT"), QStringLiteral("瞬热"), QString(), 1,
          QStringLiteral("instantaneous heat as shown: the reply's heat per second times 3600")},
         {QStringLiteral("TOTAL"), QStringLiteral("累积流量"), QString(), 1,
          QStringLiteral("accumulated flow as shown: high part times 100 plus low part")},
         {QStringLiteral("HEAT_TOTAL"), QStringLiteral("累积热量"), QString(), 1,
          QStringLiteral("accumulated heat as shown: high part times 100 plus low part")}},
        powerFailureRows(),
    }));
    return table;
}

const ReadingTable& tripleTotalizerRecorderReadings() {
    static const ReadingTable table(joined({
        channelRows(kChannels, QStringLiteral("%1路"), 1, 1, QStringLiteral("channel %1")),
        [] {
            std::vector<ReadingRow> out;
            for (int k = 1; k <= kChannels; ++k)
                out.push_back(
                    {QStringLiteral("FLOW%1").arg(k), QStringLiteral("瞬时流量%1").arg(k), QString(), 1,
                     QStringLiteral("instantaneous flow %1 as shown: per second times 3600").arg(k)});
            for (int k = 1; k <= kChannels; ++k)
                out.push_back(
                    {QStringLiteral("TOTAL%1").arg(k), QStringLiteral("累积流量%1").arg(k), QString(), 1,
                     QStringLiteral("accumulated flow %1 as shown: high part times 100 plus low part")
                         .arg(k)});
            return out;
        }(),
        powerFailureRows(),
    }));
    return table;
}

void ShowLCDLL(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings) {
    totalizerRecorderReadings().reset(readings);
    const int page = advancePage(tn, 10, 2);
    const auto f = lcd::floatsFrom<9>(ntemp, kFirstValue);
    const PowerFailure record = powerFailureAt(ntemp, 82, 84);
    const float flow = perHour(f[3]), heat = perHour(f[4]);
    const float flowTotal = total(f[5], f[6]), heatTotal = total(f[7], f[8]);
    lcd::readValues(&readings[CH01], f.data(), kChannels);
    readings[FLOW].value = flow;
    readings[HEAT].value = heat;
    readings[TOTAL].value = flowTotal;
    readings[HEAT_TOTAL].value = heatTotal;
    readPowerFailure(&readings[PF_COUNT], record);

    if (page == 0) {
        writeChannelPage(panel, f.data(), record);
        return;
    }
    lcd::writeLines(panel,
                    {lcd::prefixed(captions::kInstantFlow, flow), lcd::prefixed(captions::kInstantHeat, heat),
                     lcd::prefixed(captions::kTotalFlow, flowTotal),
                     lcd::prefixed(captions::kTotalHeat, heatTotal)});
}

void ShowLCD3LL(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings) {
    tripleTotalizerRecorderReadings().reset(readings);
    const int page = advancePage(tn, 5, 3);
    const auto f = lcd::floatsFrom<12>(ntemp, kFirstValue);
    const PowerFailure record = powerFailureAt(ntemp, 106, 108);
    std::array<float, kChannels> flows{}, totals{};
    for (int k = 0; k < kChannels; ++k) {
        flows[k] = perHour(f[3 + k]);
        totals[k] = total(f[6 + 2 * k], f[7 + 2 * k]);
    }
    lcd::readValues(&readings[CH01], f.data(), kChannels);
    lcd::readValues(&readings[FLOW1], flows.data(), kChannels);
    lcd::readValues(&readings[TOTAL1], totals.data(), kChannels);
    readPowerFailure(&readings[TRIPLE_PF_COUNT], record);

    if (page == 0) {
        writeChannelPage(panel, f.data(), record);
        return;
    }
    std::array<QString, 4> lines; // the fourth line stays empty on these pages
    for (int k = 0; k < kChannels; ++k) {
        lines[k] = page == 1 ? lcd::prefixed(captions::kInstantFlowOf[k], flows[k])
                             : lcd::prefixed(captions::kTotalFlowOf[k], totals[k]);
    }
    lcd::writeLines(panel, lines);
}

} // namespace views
