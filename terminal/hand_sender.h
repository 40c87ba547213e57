#pragma once
// Frames typed by hand: the address and interval as the operator gives them, the frame built from
// them, and the poll client that sends it once or every interval.
#include "engine/poll_client.h"

#include <QString>
#include <optional>

namespace terminal {

constexpr int kMinRepeatMs = 100;
constexpr int kMaxRepeatMs = 60000;

// "31" or "0x1F" (also "0X1f"), 0 to 255, blanks around ignored.
std::optional<int> parseAddress(const QString& typed, QString* error = nullptr);
// 100 ms to 60 s.
bool repeatIntervalValid(int ms, QString* error = nullptr);
// The bytes with the check of what follows a leading "@" and a CR appended.
QByteArray withCheckAndCr(const QByteArray& bytes);
// The address a frame asks when it is a read request ("@1FRD..."); -1 otherwise.
int askedAddress(const QByteArray& frame);

class HandSender final : public engine::PollClient {
public:
    // Once: the frame goes out on the first send tick and the run ends on the next (the reply
    // window is one send interval). Repeating: it goes out on every send tick until stopped.
    void setFrame(const QByteArray& frame, bool repeat);
    int sent() const { return m_sent; }

    bool nextRequest(engine::Request& request) override;
    void replyTick(const engine::ReplyReader&) override {}

private:
    QByteArray m_frame;
    int m_address = -1;
    bool m_repeat = false;
    int m_sent = 0;
};

} // namespace terminal
