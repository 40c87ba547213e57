#include "tools/soak/tapped_link.h"

namespace soak {

TappedLink::TappedLink(serial::SerialLink& inner, ReplyTally& tally, QObject* parent)
    : serial::SerialLink(parent), m_inner(inner), m_tally(tally) {
    setPortNumber(inner.portNumber());
    setSettings(inner.settings());
    connect(&m_inner, &serial::SerialLink::lost, this, [this](const QString& reason) {
        ++m_losses;
        m_tally.endOfLine();
        emit lost(reason);
    });
}

serial::PortError TappedLink::open() {
    // The windows read the number and the rate from this link; the real one opens with them.
    m_inner.setPortNumber(portNumber());
    m_inner.setSettings(settings());
    const serial::PortError error = m_inner.open();
    if (error == serial::NoError) ++m_opens;
    return error;
}

void TappedLink::close() {
    if (m_inner.isOpen()) m_tally.endOfLine();
    m_inner.close();
}

void TappedLink::write(const QByteArray& bytes) {
    m_tally.requestSent(bytes);
    m_inner.write(bytes);
}

QByteArray TappedLink::readAll() {
    const QByteArray bytes = m_inner.readAll();
    m_tally.received(bytes);
    return bytes;
}

} // namespace soak
