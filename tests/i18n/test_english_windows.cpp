// In English every window, menu, message and panel shows English: no Chinese character is left on
// any control, for every instrument type and every page of its panel. (That Chinese stays exactly
// as it was is what the other suites check, with no translation loaded.)
#include "app/main_window.h"
#include "app/main_window_texts.h"
#include "config/config_dialog.h"
#include "decode_session.h"
#include "diagnosis/dynamic_texts.h"
#include "diagnosis/dynamic_window.h"
#include "diagnosis/panel/panel_widget.h"
#include "diagnosis/panel_texts.h"
#include "engine/traffic_hub.h"
#include "fake_link.h"
#include "help/help_window.h"
#include "help/manual_index.h"
#include "help/support_dialog.h"
#include "help/support_info.h"
#include "help/traffic_ring.h"
#include "i18n/translation.h"
#include "link/port_settings_dialog.h"
#include "recording_sink.h"
#include "reply_frame.h"
#include "report/report_html.h"
#include "search/diagnosis_gate.h"
#include "search/index_window.h"
#include "search/instrument_list.h"
#include "search/list_file.h"
#include "search/port_messages.h"
#include "search/scan.h"
#include "search/search_dialog.h"
#include "search/searching_window.h"
#include "terminal/ui/terminal_window.h"
#include "terminal/ui/traffic_model.h"
#include "trends/file_chooser.h"
#include "trends/history_window.h"
#include "trends/live_trend_window.h"
#include "views/instrument_types.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <functional>
#include <memory>

namespace {

// What an English reader could not read: ideographs. The language choice names Chinese in Chinese.
QStringList unreadable(const QStringList& texts) {
    static const QRegularExpression ideograph(QStringLiteral("[\\x{3400}-\\x{9FFF}]"));
    QStringList out;
    for (const QString& t : texts)
        if (t.contains(ideograph) && t != QStringLiteral("中文")) out << t;
    return out;
}

// Every text a window shows on its controls, its menus and its list.
QStringList textsOf(QWidget* window) {
    QStringList out = {window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window;
    for (QWidget* w : widgets) {
        out << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w)) out << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) out << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w)) out << group->title();
        if (auto* spin = qobject_cast<QSpinBox*>(w)) out << spin->prefix() << spin->suffix();
        if (auto* menu = qobject_cast<QMenu*>(w)) out << menu->title();
        if (auto* box = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < box->count(); ++i)
                out << box->itemText(i);
        if (auto* text = qobject_cast<QPlainTextEdit*>(w))
            out << text->toPlainText().split(QLatin1Char('\n'));
        if (auto* browser = qobject_cast<QTextBrowser*>(w)) out << browser->toPlainText();
        if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            const QAbstractItemModel* m = view->model();
            for (int c = 0; m && c < m->columnCount(); ++c)
                out << m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
            std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
                for (int r = 0; r < m->rowCount(parent); ++r)
                    for (int c = 0; c < m->columnCount(parent); ++c) {
                        const QModelIndex index = m->index(r, c, parent);
                        out << index.data().toString();
                        walk(index);
                    }
            };
            if (m) walk({});
        }
    }
    for (QAction* a : window->findChildren<QAction*>())
        out << a->text() << a->toolTip();
    out.removeAll(QString());
    return out;
}

QString translationsDir() {
    return QDir(qEnvironmentVariable("COMMTEST_BIN_DIR")).filePath(QStringLiteral("translations"));
}

// Traffic that draws every verdict the terminal has from it.
void feedTraffic(terminal::TrafficLog& log) {
    using engine::TrafficKind;
    auto event = [&log](TrafficKind kind, const QByteArray& bytes, int address = -1, int typeCode = -1) {
        engine::TrafficEvent e;
        e.kind = kind;
        e.bytes = bytes;
        e.address = address;
        e.typeCode = typeCode;
        e.count = static_cast<int>(bytes.size());
        log.onTraffic(e);
    };
    QByteArray garbled = reply("02", "8A");
    garbled[8] = 'F';
    event(TrafficKind::RequestWritten, protocol::readRequest("01"), 1);
    event(TrafficKind::EchoSkipped, protocol::readRequest("01"), 1);
    event(TrafficKind::NoiseDropped, "\x01\x02");
    event(TrafficKind::ReplyAccepted, reply("01", "8A"), 1, 0x8A);
    event(TrafficKind::RequestWritten, protocol::readRequest("02"), 2);
    event(TrafficKind::ReplyBadCheck, garbled);
    event(TrafficKind::RequestWritten, protocol::readRequest("03"), 3);
    event(TrafficKind::ReplyAccepted, reply("04", "8A"), 4, 0x8A);
    event(TrafficKind::BytesReceived, "zz");
    event(TrafficKind::NoReply, {}, 3);
    event(TrafficKind::RequestWritten, "hello");
    event(TrafficKind::NoReply, {});
    event(TrafficKind::ReplyAccepted, protocol::readRequest("05"), 5);
}

} // namespace

class TestEnglishWindows : public QObject {
    Q_OBJECT
    i18n::Translation m_english;
    QTemporaryDir m_dir;
    FakeLink m_link;
    RecordingSink m_sink;
    InstrumentList m_list;
    trends::DialogFileChooser m_files;
    engine::TrafficHub m_hub;

private slots:
    void initTestCase() {
        QVERIFY(m_english.install(i18n::Language::English, translationsDir()));
        // One instrument found, as the scan writes it.
        m_list.addRow();
        Instrument found;
        found.address = 1;
        found.addressText = "01";
        found.typeCode = 0x8A;
        m_list.setInstrument(1, found);
    }

    void windows_data() {
        QTest::addColumn<std::function<QWidget*()>>("make");
        QTest::addColumn<QString>("title");
        auto* self = this;
        QTest::newRow("main window") << std::function<QWidget*()>([self] {
            auto* w = new app::MainWindow(self->m_link, self->m_sink, self->m_dir.path());
            w->show(); // menus and toolbar exist from the start
            return w;
        }) << "Communication Test";
        QTest::newRow("search dialog") << std::function<QWidget*()>([self] {
            return new SearchDialog(self->m_link, self->m_list, self->m_sink, nullptr);
        }) << "Search";
        QTest::newRow("search window") << std::function<QWidget*()>([self] {
            auto* scan = new Scan(self->m_list, 1, 3);
            auto* w = new SearchingWindow(*scan, self->m_link, self->m_sink, nullptr);
            scan->setParent(w);
            return w;
        }) << "";
        QTest::newRow("instrument list")
            << std::function<QWidget*()>([self] { return new IndexWindow(self->m_list); }) << "Form1";
        QTest::newRow("port settings") << std::function<QWidget*()>([self] {
            return new serial::PortSettingsDialog(self->m_link, self->m_dir.filePath("data/Communicate.txt"),
                                                  self->m_sink, nullptr);
        }) << "Port Settings";
        QTest::newRow("configuration") << std::function<QWidget*()>([self] {
            static config::AppSettings settings(self->m_dir.path());
            return new config::ConfigDialog(settings, self->m_sink,
                                            {{"ttyUSB0", "FT232R", "FTDI", "A5", "/dev/ttyUSB0"}});
        }) << "Configuration";
        QTest::newRow("diagnosis window") << std::function<QWidget*()>([self] {
            return new DynamicWindow(self->m_link, self->m_sink, self->m_dir.path(), nullptr);
        }) << "Data Diagnosis";
        QTest::newRow("live trend") << std::function<QWidget*()>([] {
            auto* w = new trends::LiveTrendWindow;
            w->setInstrument(1, QString());
            // A three-phase meter: its reading labels are made from patterns.
            decode::DecodeSession session;
            protocol::Sample sample;
            sample.epochMs = QDateTime::currentMSecsSinceEpoch();
            sample.address = 1;
            sample.typeCode = 0x1E;
            sample.readings = session.handle(reply("01", "1E", QByteArray("3F800000").repeated(16))).readings;
            w->addSample(sample);
            return w;
        }) << "Live Trend — Address 1";
        QTest::newRow("history browser") << std::function<QWidget*()>([self] {
            // No history file yet: the window says so in its status line.
            auto* w = new trends::HistoryWindow(self->m_dir.filePath("data/history.db"), self->m_sink,
                                                self->m_files);
            w->show();
            return w;
        }) << "History Trend";
        QTest::newRow("help window") << std::function<QWidget*()>([] {
            auto* w = new help::HelpWindow(
                help::manualFolder(qEnvironmentVariable("COMMTEST_BIN_DIR"), QStringLiteral("en")));
            w->search(QStringLiteral("scan")); // the result list and its captions
            return w;
        }) << "";
        QTest::newRow("support window") << std::function<QWidget*()>([] {
            help::SupportFacts facts = help::machineFacts();
            help::TrafficRing ring;
            engine::TrafficEvent sent;
            sent.kind = engine::TrafficKind::RequestWritten;
            sent.bytes = "@01RD8D\r";
            ring.onTraffic(sent);
            engine::TrafficEvent silent;
            silent.kind = engine::TrafficKind::NoReply;
            silent.address = 1;
            ring.onTraffic(silent);
            facts.traffic = ring.lines();
            return new help::SupportDialog(help::supportText(facts));
        }) << "Get Technical Support";
        QTest::newRow("terminal") << std::function<QWidget*()>([self] {
            auto* w = new terminal::TerminalWindow(self->m_link, self->m_hub, self->m_sink);
            feedTraffic(w->log());
            w->catchUp();
            if (w->trafficModel().rowCount() < 13) qFatal("the terminal shows too little traffic");
            return w;
        }) << "Terminal";
    }
    void windows() {
        QFETCH(std::function<QWidget*()>, make);
        QFETCH(QString, title);
        std::unique_ptr<QWidget> window(make());
        const QStringList texts = textsOf(window.get());
        QVERIFY2(unreadable(texts).isEmpty(), qPrintable(unreadable(texts).join(" | ")));
        if (!title.isEmpty()) QCOMPARE(window->windowTitle(), title);
    }

    void messages() {
        QStringList texts;
        for (serial::PortError e :
             {serial::NoSuchPort, serial::PortInUse, serial::Overflow, serial::OtherError})
            texts << portmsg::textFor(e);
        texts << portmsg::lostText(QStringLiteral("device removed")) << portmsg::kTitle;
        InstrumentList empty;
        m_sink.shown.clear();
        QVERIFY(!checkDiagnosable(empty, m_sink, nullptr));
        for (const RecordingSink::Message& m : m_sink.shown)
            texts << m.title << m.text;
        QVERIFY2(unreadable(texts).isEmpty(), qPrintable(unreadable(texts).join(" | ")));
        QCOMPARE(m_sink.lines(), QStringList{"Error|No instrument found"});
    }

    // What the 文件 menu reads, writes and prints: the list file's problems, the
    // report with the readings of every type, and the messages around them.
    void files() {
        // The file's header stays as written, so a list saved in English opens in Chinese.
        const QByteArray header = listfile::write({});
        QVERIFY(header.contains("类型代码"));
        QStringList texts;
        for (const QByteArray& bad : {QByteArray(), QByteArray("x,y\r\n"), QByteArray("\xff\xfe")})
            texts << listfile::read(bad).problem;
        texts << listfile::read(header + "300,01,02,x,,\r\n").problem
              << listfile::read(header + "1,01\r\n").problem;
        texts << app::texts::kListNotOpened << app::texts::kListNotSaved << app::texts::kListEmpty
              << app::texts::kOpenListTitle << app::texts::kSaveListTitle << app::texts::kListFilter
              << app::texts::kPrintPreviewTitle << help::aboutHtml(QStringLiteral("1.0"));

        report::ReportContent report;
        for (const views::InstrumentType& e : views::instrumentTypes()) {
            Instrument i;
            i.address = e.code;
            const QByteArray type = QByteArray::number(e.code, 16).toUpper().rightJustified(2, '0');
            i.addressText = type;
            i.typeCode = e.code;
            decode::DecodeSession session;
            const QByteArray data = QByteArray("3F8000004120000042C80000C1200000").repeated(12);
            report::InstrumentReadings readings{i, QDateTime::currentDateTime(),
                                                session.handle(reply("01", type, data)).readings};
            QVERIFY2(!readings.readings.empty(), qPrintable(e.model));
            report.instruments.push_back(i);
            report.readings.push_back(readings);
        }
        Instrument unknown;
        unknown.typeCode = 0xEE;
        report.instruments.push_back(unknown);
        QTextDocument document;
        document.setHtml(report::reportHtml(report));
        texts << document.toPlainText().split(QLatin1Char('\n'));
        QVERIFY2(unreadable(texts).isEmpty(), qPrintable(unreadable(texts).join(" | ")));
    }

    // Reading labels are made from patterns; the pattern's translation takes the same part.
    void numberedLabels_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole text") << "测量值"
                                    << "Measured value";
        QTest::newRow("number after") << "报警12"
                                      << "Alarm 12";
        QTest::newRow("number before") << "3路"
                                       << "Channel 3";
        QTest::newRow("phase letter") << "B相电流"
                                      << "Phase B current";
        QTest::newRow("two letters are no phase") << "AB相电流"
                                                  << "AB相电流";
        QTest::newRow("pattern unknown") << "未知值7"
                                         << "未知值7";
        QTest::newRow("no part") << "PV"
                                 << "PV";
    }
    void numberedLabels() {
        QFETCH(QString, label);
        QFETCH(QString, shown);
        QCOMPARE(i18n::trNumbered(label), shown);
    }

    // Every page of every instrument type's panel, as the diagnosis window shows it.
    void panels_data() {
        QTest::addColumn<QString>("model");
        for (const views::InstrumentType& e : views::instrumentTypes())
            QTest::newRow(qPrintable(QString::number(e.code, 16))) << e.model;
    }
    void panels() {
        QFETCH(QString, model);
        const views::InstrumentType* entry = views::typeForModel(model);
        decode::DecodeSession session;
        QVERIFY(session.layOutFor(model));
        panel::PanelWidget widget(m_dir.path());
        widget.setCaptionTranslator(i18n::CaptionTranslator(panelTexts()));
        const QByteArray type = QByteArray::number(entry->code, 16).toUpper().rightJustified(2, '0');
        // Values that differ from field to field, lamps on and off.
        const QByteArray data = QByteArray("3F8000004120000042C80000C1200000").repeated(12);
        for (int tick = 0; tick < 60; ++tick) {
            QVERIFY(session.handle(reply("01", type, data)).check);
            panel::PanelModel shown = session.panel();
            shown.label3[0].caption = dynamictext::kPortLabel + QStringLiteral("1");
            shown.label3[1].caption = dynamictext::kRateLabel + QStringLiteral("9600");
            widget.render(shown);
            QStringList texts;
            for (QLabel* label : widget.findChildren<QLabel*>())
                if (label->isVisibleTo(&widget)) texts << label->text();
            QVERIFY2(unreadable(texts).isEmpty(),
                     qPrintable(QStringLiteral("tick %1: %2").arg(tick).arg(unreadable(texts).join(" | "))));
        }
    }
};

QTEST_MAIN(TestEnglishWindows)
#include "test_english_windows.moc"
