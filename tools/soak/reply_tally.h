#pragma once
// Tells, for every read request, what the line brought back before the next one: a reply that
// passes the check, a line that fails it, or nothing complete. It judges with the program's own
// rules (the reply line cut from everything received since the request, an echo of the request
// skipped, then the check), so its figures are what the scan and the diagnosis window saw.
#include <QByteArray>

namespace soak {

enum class Outcome { Accepted, Rejected, Unanswered };

// What the input received after `request` amounts to.
Outcome judge(const QByteArray& received, const QByteArray& request);

class ReplyTally {
public:
    // A request went out: the one before it is judged now.
    void requestSent(const QByteArray& request);
    void received(const QByteArray& bytes);
    // The port closed: the last request is judged.
    void endOfLine();

    int requests() const { return m_requests; }
    int accepted() const { return m_accepted; }
    int rejected() const { return m_rejected; }
    int unanswered() const { return m_unanswered; }
    qint64 bytesReceived() const { return m_bytesReceived; }

private:
    void judgeOpenRequest();

    QByteArray m_request;
    QByteArray m_received;
    bool m_open = false;
    int m_requests = 0;
    int m_accepted = 0;
    int m_rejected = 0;
    int m_unanswered = 0;
    qint64 m_bytesReceived = 0;
};

} // namespace soak
