#pragma once
// The request out, the bytes in, and the reply line cut from them, for one engine.
//
// Everything received since the last request stays in the buffer: the send side empties it
// (startRequest), the receive side only looks. So once a line is cut it is the answer until the
// next request, and a client that asks on every receive tick gets the same line every time.
//
// The line is the first CR-terminated line of the buffer, taken from its first "@" (bytes in
// front are line-turnaround noise). When that line is exactly our own request (a half-duplex
// adapter echoing it), it is skipped once and the next line is the answer. Nothing after the
// answer is looked at: a damaged first line hides a good one behind it.
#include <QByteArray>

namespace engine {

enum class ReplyStatus {
    NoneYet,  // no complete line (besides a skipped echo) since the request
    Accepted, // the line passed the check
    BadCheck, // the line failed it
};

// Told about each piece as a line is cut; only given when someone listens.
class CutObserver {
public:
    virtual ~CutObserver() = default;
    virtual void echoSkipped(const QByteArray& line) = 0;
    virtual void noiseDropped(const QByteArray& noise) = 0;
    virtual void lineCut(const QByteArray& line, ReplyStatus status) = 0;
};

class ReplyReader {
public:
    // A line still without CR after this many bytes is dropped as noise when every line is cut
    // (listen-only); otherwise the next request bounds the buffer.
    static constexpr int kLongestLine = 4096;

    // A request goes out: the input of the last one is forgotten and this one's echo expected.
    void startRequest(const QByteArray& request);
    // All input and the request forgotten (a window opening or closing).
    void clear();
    // Input from the line, in order. A line that completes is cut at once.
    void feed(const QByteArray& bytes, CutObserver* observer = nullptr);

    // Listen-only use: every complete line is cut, told and taken out of the buffer; status() and
    // line() hold the last one. No echo is expected.
    void setEveryLine(bool on) { m_everyLine = on; }

    ReplyStatus status() const { return m_status; }
    bool accepted() const { return m_status == ReplyStatus::Accepted; }
    // From the line's "@" through its CR (the whole line when it holds no "@"); empty while NoneYet.
    const QByteArray& line() const { return m_line; }
    bool echoSkipped() const { return m_echoSkipped; }
    // Bytes that stood in front of the "@" of line().
    int noiseDropped() const { return m_noise; }
    // Part of a line has come and its CR has not, while no answer is cut: a reply is arriving.
    bool receiving() const { return m_status == ReplyStatus::NoneYet && m_buffer.size() > m_scanFrom; }

    const QByteArray& request() const { return m_request; }
    const QByteArray& buffer() const { return m_buffer; }

private:
    // Cuts complete lines from m_scanFrom on until the answer is found (or, listening, all of them).
    void cutLines(CutObserver* observer);

    QByteArray m_request;
    QByteArray m_buffer;
    QByteArray m_line;
    int m_scanFrom = 0; // where the next line to cut begins
    int m_noise = 0;
    ReplyStatus m_status = ReplyStatus::NoneYet;
    bool m_echoSkipped = false;
    bool m_everyLine = false;
};

} // namespace engine
