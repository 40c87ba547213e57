// The windows' own timers, at short intervals, and QSerialPort on a pseudo-terminal: a scan finds
// the instrument that a small script plays on the master side, and the diagnosis window shows its
// replies.
#include "diagnosis/dynamic_window.h"
#include "link/qt_serial_link.h"
#include "pty_pair.h"
#include "recording_sink.h"
#include "reply_frame.h"
#include "search/diagnosis_gate.h"
#include "search/instrument_list.h"
#include "search/search_dialog.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// An instrument at address 1: answers its own read request, ignores every other one.
class ScriptedInstrument : public QObject {
public:
    ScriptedInstrument(PtyPair& pty, QByteArray answer) : m_pty(pty), m_answer(std::move(answer)) {
        connect(&m_poll, &QTimer::timeout, this, &ScriptedInstrument::serve);
        m_poll.start(5);
    }
    QList<QByteArray> requests;

private:
    void serve() {
        m_pending += m_pty.read(0);
        for (int cr = m_pending.indexOf('\r'); cr >= 0; cr = m_pending.indexOf('\r')) {
            const QByteArray request = m_pending.left(cr + 1);
            m_pending.remove(0, cr + 1);
            requests << request;
            if (request == protocol::readRequest("01")) m_pty.write(m_answer);
        }
    }
    PtyPair& m_pty;
    QByteArray m_answer;
    QByteArray m_pending;
    QTimer m_poll;
};

// Short slots: the script answers within a few milliseconds.
constexpr engine::Intervals kScan{150, 10};
constexpr engine::Intervals kDiagnosis{200, 10};

} // namespace

class TestScanAndDiagnoseOnPty : public QObject {
    Q_OBJECT
private slots:
    void scanFindsItAndDiagnosisShowsIt();
};

void TestScanAndDiagnoseOnPty::scanFindsItAndDiagnosisShowsIt() {
    PtyPair pty;
    QVERIFY(pty.isValid());
    qputenv("COMMTEST_COM1", pty.slavePath().toLocal8Bit());
    // 1234 with one decimal, alarm 1 on.
    ScriptedInstrument instrument(pty, reply("01", "16", "D2040101000000"));
    serial::QtSerialLink link;
    link.setPortNumber(1);
    InstrumentList list;
    RecordingSink messages;

    // Scan 0..2: only address 1 answers.
    SearchDialog search(link, list, messages, nullptr);
    search.setScanIntervals(kScan);
    QTimer::singleShot(0, &search, [&] {
        search.text1()->setText(QStringLiteral("0"));
        search.text2()->setText(QStringLiteral("2"));
        QTest::mouseClick(search.command1(), Qt::LeftButton);
    });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(search.exec(), int(QDialog::Accepted));
    const qint64 scanMs = clock.elapsed();
    QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.shown.value(0).text));
    // Four send intervals: three requests and the closing tick.
    QVERIFY2(scanMs >= 4 * kScan.sendMs && scanMs < 4 * kScan.sendMs + 1500,
             qPrintable(QString::number(scanMs)));
    QCOMPARE(instrument.requests, (QList<QByteArray>{"@00RD16\r", "@01RD17\r", "@02RD14\r"}));
    QCOMPARE(list.rows(), 2);
    QCOMPARE(list.text(1, 0), QStringLiteral("1"));
    QCOMPARE(list.addressCell(1), QStringLiteral("0001（0x01H）"));
    QCOMPARE(list.typeCell(1), QStringLiteral("LED系列——频率表"));
    QVERIFY(!link.isOpen());

    // Diagnose it: wait for the decoded value, then leave with "退出".
    QVERIFY(checkDiagnosable(list, messages, nullptr));
    DynamicWindow window(link, messages, qEnvironmentVariable("COMMTEST_BIN_DIR"), nullptr, kDiagnosis);
    QString shown;
    bool lamp = false;
    std::function<void()> watch = [&] {
        const auto& panel = window.pollCycle().panel();
        if (panel.label1[0].caption == QLatin1String("123.4") || clock.elapsed() > 10000) {
            shown = panel.label1[0].caption;
            lamp = panel.image2[0].visible;
            QTest::mouseClick(window.command1(), Qt::LeftButton);
            return;
        }
        QTimer::singleShot(20, &window, watch);
    };
    QTimer::singleShot(20, &window, watch);
    clock.restart();
    QVERIFY(window.showModal(*list.currentInstrument()));
    const qint64 firstValueMs = clock.elapsed();
    QCOMPARE(shown, QStringLiteral("123.4"));
    QVERIFY(lamp);
    // The first request leaves one send interval after loading.
    QVERIFY2(firstValueMs >= kDiagnosis.sendMs && firstValueMs < kDiagnosis.sendMs + 1000,
             qPrintable(QString::number(firstValueMs)));
    QVERIFY(instrument.requests.size() >= 4);
    QCOMPARE(instrument.requests.last(), QByteArray("@01RD17\r"));
    QVERIFY(!link.isOpen());
    QVERIFY(messages.shown.isEmpty());
}

QTEST_MAIN(TestScanAndDiagnoseOnPty)
#include "test_scan_and_diagnose_on_pty.moc"
