// Writes the fuzzers' seed corpus: reply frames of every catalogue type as the simulator builds
// them, in the receive fuzzer's input form, plus settings files and address field texts. Run once;
// the files are checked in under fuzz/corpus.
//
//   commtest-fuzz-seeds <corpus dir>
#include "fuzz/receive_plan.h"
#include "protocol/frame.h"
#include "tools/sim/fault_logic.h"
#include "tools/sim/reply_builder.h"
#include "views/instrument_types.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>

namespace {

constexpr int kAddress = 1;
constexpr quint32 kSeed = 20240601;
// Long enough for the paging views to turn a page or two.
constexpr int kQuietTicks = 24;

bool writeFile(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

fuzz::ReceivePlan oneRequest(int layout, const QList<QByteArray>& tickBytes) {
    fuzz::ReceivePlan plan;
    plan.layout = layout;
    plan.quietTicks = kQuietTicks;
    for (int i = 0; i < tickBytes.size(); ++i)
        plan.chunks.append({i == 0, tickBytes[i]});
    return plan;
}

bool writeReceiveSeeds(const QDir& dir) {
    QRandomGenerator random(kSeed);
    const auto& entries = views::instrumentTypes();
    const QByteArray request = protocol::readRequest(protocol::addressField(kAddress));
    bool ok = true;
    QByteArray firstFrame;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const int code = entries[i].code;
        const QString tag =
            QStringLiteral("type-") + QString::number(code, 16).rightJustified(2, u'0').toUpper();
        const QByteArray fixed = sim::buildReply(code, kAddress, sim::Moment::fixedValues(), random);
        const QByteArray live = sim::buildReply(code, kAddress, sim::Moment::live(37.0 + i), random);
        if (firstFrame.isEmpty()) firstFrame = fixed;
        ok = writeFile(dir, tag + QStringLiteral("-fixed"), fuzz::encodePlan(oneRequest(i, {fixed}))) && ok;
        // Two openings' worth: a live reply, then the next request and another.
        fuzz::ReceivePlan twice = oneRequest(i, {live});
        twice.chunks.append({true, sim::buildReply(code, kAddress, sim::Moment::live(39.0 + i), random)});
        ok = writeFile(dir, tag + QStringLiteral("-live"), fuzz::encodePlan(twice)) && ok;
        // The reply in three pieces, the first after line noise and our own request echoed.
        const QByteArray noisy = request + sim::junkByte(random) + live;
        const int third = noisy.size() / 3;
        ok = writeFile(dir, tag + QStringLiteral("-echo-split"),
                       fuzz::encodePlan(oneRequest(
                           i, {noisy.left(third), noisy.mid(third, third), noisy.mid(2 * third)}))) &&
             ok;
    }
    // The line's faults around one frame, on the layout of another model.
    const QByteArray corrupt = sim::withWrongCheck(firstFrame, random);
    ok = writeFile(dir, QStringLiteral("corrupt-then-good"),
                   fuzz::encodePlan(oneRequest(5, {corrupt + firstFrame}))) &&
         ok;
    ok = writeFile(dir, QStringLiteral("two-replies"),
                   fuzz::encodePlan(oneRequest(0, {firstFrame + firstFrame}))) &&
         ok;
    ok = writeFile(dir, QStringLiteral("garbage-only"),
                   fuzz::encodePlan(oneRequest(fuzz::kUnknownModel, {sim::garbageBurst(random) + '\r'}))) &&
         ok;
    ok = writeFile(dir, QStringLiteral("no-model"),
                   fuzz::encodePlan(oneRequest(fuzz::kNoModel, {firstFrame}))) &&
         ok;
    return ok;
}

bool writeTextSeeds(const QDir& dir, const QList<QPair<QString, QByteArray>>& seeds) {
    bool ok = true;
    for (const auto& [name, bytes] : seeds)
        ok = writeFile(dir, name, bytes) && ok;
    return ok;
}

const QList<QPair<QString, QByteArray>> kSettingsSeeds = {
    {"com1-9600", "\"COM1\",\" 9600\"\r\n"},
    {"com2-19200", "\"COM2\",\"19200\"\r\n"},
    {"com3-4800", "\"COM3\",\" 4800\"\r\n"},
    {"com1-600", "\"COM1\",\" 600\"\r\n"},
    {"com12-1200", "\"COM12\",\" 1200\"\r\n"},
    {"unquoted", "COM4 , 2400  \n"},
    {"quoted-tail", "\"COM1\" x,\" 9600\" y\r\n"},
    {"one-field", "\"COM1\"\r\n"},
    {"empty", ""},
    {"second-line", "\r\n\"COM1\",\" 9600\"\r\n"},
    {"unknown-rate", "\"COM1\",\" 9601\"\r\n"},
};

const QList<QPair<QString, QByteArray>> kAddressSeeds = {
    {"one", "1"},          {"two-hundred", "200"},      {"hex", "&H10"},       {"hex-minus-one", "&HFFFF"},
    {"octal", "&O17"},     {"half-even", "2.5"},        {"half-odd", "3.5"},   {"exponent", "1e3"},
    {"d-exponent", "1D2"}, {"blanks", " 1 2 "},         {"overflow", "40000"}, {"lowest", "-32768"},
    {"words", "abc"},      {"wide-hex", "&H123456789"},
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus dir>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* sub : {"receive", "settings", "address"})
        root.mkpath(QString::fromLatin1(sub));
    const bool ok = writeReceiveSeeds(QDir(root.filePath("receive"))) &&
                    writeTextSeeds(QDir(root.filePath("settings")), kSettingsSeeds) &&
                    writeTextSeeds(QDir(root.filePath("address")), kAddressSeeds);
    return ok ? 0 : 1;
}
