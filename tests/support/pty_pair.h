#pragma once
// A pseudo-terminal pair for tests that exercise QSerialPort itself: the program opens
// slavePath(), the test plays the instrument on the master side.
#include <QByteArray>
#include <QString>

class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool isValid() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }

    // Instrument side: write bytes to the program, read what the program sent (waits up to
    // `timeoutMs` for at least one byte).
    void write(const QByteArray& bytes);
    QByteArray read(int timeoutMs = 0);
    // Program side, without taking anything: whether input waits there (up to `timeoutMs`).
    bool programHasInput(int timeoutMs) const;

    // As if the adapter were unplugged.
    void closeMaster();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};
