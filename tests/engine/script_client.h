#pragma once
// A poll client for the engine's tests: asks the addresses it was given, in turn (-1: nothing this
// tick), then says it is done; writes down what each receive tick showed it.
#include "engine/poll_client.h"
#include "engine/reply_reader.h"
#include "engine/traffic_event.h"

#include <QStringList>
#include <functional>

class ScriptClient final : public engine::PollClient {
public:
    explicit ScriptClient(QList<int> addresses = {}) : addresses(std::move(addresses)) {}

    bool nextRequest(engine::Request& request) override {
        if (asked >= addresses.size()) return false;
        request.address = addresses[asked++];
        if (request.address >= 0)
            request.bytes = protocol::readRequest(protocol::addressField(request.address));
        return true;
    }
    void replyTick(const engine::ReplyReader& reader) override {
        seen << (reader.accepted() ? QString::fromLatin1(reader.line().trimmed()) : QStringLiteral("-"));
        if (onReply) onReply(reader);
    }

    QList<int> addresses;
    int asked = 0;
    QStringList seen; // per receive tick: the accepted line, or "-"
    std::function<void(const engine::ReplyReader&)> onReply;
};

// Every event as one text: "<ms> <kind> <address> <type> <count> <bytes>".
class TrafficLog final : public engine::TrafficListener {
public:
    void onTraffic(const engine::TrafficEvent& e) override {
        static const char* const kinds[] = {"request", "bytes", "accepted", "bad",
                                            "echo",    "noise", "no-reply"};
        QString text = QStringLiteral("%1 %2").arg(e.timeMs).arg(QLatin1String(kinds[int(e.kind)]));
        if (e.address >= 0) text += QStringLiteral(" a=%1").arg(e.address);
        if (e.typeCode >= 0) text += QStringLiteral(" t=%1").arg(e.typeCode, 2, 16, QLatin1Char('0'));
        if (e.count) text += QStringLiteral(" n=%1").arg(e.count);
        if (!e.bytes.isEmpty()) text += QLatin1Char(' ') + QString::fromLatin1(e.bytes.trimmed());
        lines << text;
        if (onEvent) onEvent();
    }
    QStringList lines;
    std::function<void()> onEvent;
};
