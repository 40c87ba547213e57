#pragma once
// A serial link that passes everything through to the real one and lets the tally watch the line:
// every request written and every byte read, exactly as the windows see them.
#include "link/serial_link.h"
#include "tools/soak/reply_tally.h"

namespace soak {

class TappedLink final : public serial::SerialLink {
    Q_OBJECT
public:
    TappedLink(serial::SerialLink& inner, ReplyTally& tally, QObject* parent = nullptr);

    serial::PortError open() override;
    void close() override;
    bool isOpen() const override { return m_inner.isOpen(); }
    void write(const QByteArray& bytes) override;
    QByteArray readAll() override;

    int opens() const { return m_opens; }
    int losses() const { return m_losses; }

private:
    serial::SerialLink& m_inner;
    ReplyTally& m_tally;
    int m_opens = 0;
    int m_losses = 0;
};

} // namespace soak
