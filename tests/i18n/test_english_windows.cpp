// In English every window, menu, message and panel shows English: no Chinese character is left on
// any control, for every instrument type and every page of its panel. (That Chinese stays exactly
// as it was is what the other suites check, with no translation loaded.)
#include "app/main_window.h"
#include "config/config_dialog.h"
#include "decode_session.h"
#include "diagnosis/dynamic_texts.h"
#include "diagnosis/dynamic_window.h"
#include "diagnosis/panel/panel_widget.h"
#include "diagnosis/panel_texts.h"
#include "engine/traffic_hub.h"
#include "fake_link.h"
#include "i18n/translation.h"
#include "link/port_settings_dialog.h"
#include "recording_sink.h"
#include "reply_frame.h"
#include "search/diagnosis_gate.h"
#include "search/index_window.h"
#include "search/instrument_list.h"
#include "search/port_messages.h"
#include "search/scan.h"
#include "search/search_dialog.h"
#include "search/searching_window.h"
#include "terminal/ui/terminal_window.h"
#include "terminal/ui/traffic_model.h"
#include "views/instrument_types.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

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
        if (auto* table = qobject_cast<QTableView*>(w)) {
            const QAbstractItemModel* m = table->model();
            for (int c = 0; c < m->columnCount(); ++c) {
                out << m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
                for (int r = 0; r < m->rowCount(); ++r)
                    out << m->index(r, c).data().toString();
            }
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
