// commtest-shots: the manual's screenshots from the real windows. Runs the main window on the line
// COMMTEST_COM1 points at (the simulated bus), scans it, opens each window in turn and grabs it
// as a PNG into the folder given. Every step waits on what it needs (the scan's end, a reading in
// the diagnosis window), never on a fixed time.
#include "app/main_window.h"
#include "config/config_dialog.h"
#include "diagnosis/dynamic_window.h"
#include "help/help_window.h"
#include "link/message_sink.h"
#include "link/port_names.h"
#include "link/qt_serial_link.h"
#include "search/index_window.h"
#include "search/instrument_list.h"
#include "search/search_dialog.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace {

// A long-enough turn for what was shown to lay itself out and paint.
void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

class Shots {
public:
    explicit Shots(const QString& folder) : m_folder(folder) {}
    bool grab(QWidget* widget, const QString& name) {
        if (!widget) return fail(QStringLiteral("no window for ") + name);
        settle();
        const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
        if (!widget->grab().save(path)) return fail(QStringLiteral("cannot write ") + path);
        std::printf("%s\n", qPrintable(path));
        return true;
    }
    bool fail(const QString& why) {
        std::fprintf(stderr, "commtest-shots: %s\n", qPrintable(why));
        m_failed = true;
        return false;
    }
    bool failed() const { return m_failed; }

private:
    QString m_folder;
    bool m_failed = false;
};

// The main window with its search dialog driven: grabbed as it opens, then a scan of the
// simulated bus's addresses at a quick pace.
class DrivenMainWindow : public app::MainWindow {
public:
    DrivenMainWindow(serial::SerialLink& link, serial::MessageSink& messages, const QString& dir,
                     Shots& shots)
        : app::MainWindow(link, messages, dir), m_link(link), m_sink(messages), m_shots(shots) {}

protected:
    void showSearchDialog() override {
        SearchDialog dialog(m_link, instruments(), m_sink, mdiArea());
        dialog.setScanIntervals({150, 20});
        QTimer::singleShot(0, &dialog, [&] {
            m_shots.grab(&dialog, QStringLiteral("search_dialog"));
            dialog.text1()->setText(QStringLiteral("1"));
            dialog.text2()->setText(QStringLiteral("18"));
            // The searching window, once it has found something.
            auto* watch = new QTimer(&dialog);
            connect(watch, &QTimer::timeout, watch, [this, watch] {
                QWidget* modal = QApplication::activeModalWidget();
                if (modal && instruments().instrument(3)) {
                    watch->stop();
                    m_shots.grab(modal, QStringLiteral("searching_window"));
                }
            });
            watch->start(20);
            dialog.command1()->click();
        });
        dialog.exec();
    }

private:
    serial::SerialLink& m_link;
    serial::MessageSink& m_sink;
    Shots& m_shots;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2 || qEnvironmentVariableIsEmpty("COMMTEST_COM1")) {
        std::fprintf(stderr, "usage: COMMTEST_COM1=DEVICE commtest-shots OUTPUT-FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    Shots shots(folder);

    serial::QtSerialLink link;
    serial::MessageBoxSink messages;
    DrivenMainWindow window(link, messages, QCoreApplication::applicationDirPath(), shots);
    window.resize(1000, 720);
    window.show();
    settle();
    window.startUp(); // returns when the scan has ended
    if (!window.instruments().instrument(1)) shots.fail(QStringLiteral("the scan found nothing"));
    shots.grab(&window, QStringLiteral("main_window"));
    shots.grab(window.indexWindow() ? window.indexWindow()->parentWidget() : nullptr,
               QStringLiteral("instrument_list"));

    // The diagnosis window, grabbed once the instrument's first reading is on its panel.
    window.setPollIntervals({150, 20}, {300, 20});
    window.instruments().setCurrentRow(1);
    QTimer::singleShot(0, &window, [&] {
        auto* dynamic = window.findChild<DynamicWindow*>();
        if (!dynamic) {
            shots.fail(QStringLiteral("no diagnosis window"));
            return;
        }
        // After the tick that rendered the reading, outside the engine's own call.
        QObject::connect(dynamic, &DynamicWindow::readingsRead, dynamic, [&shots, dynamic] {
            QTimer::singleShot(0, dynamic, [&shots, dynamic] {
                if (!dynamic->isVisible()) return;
                shots.grab(dynamic, QStringLiteral("diagnosis_window"));
                dynamic->reject();
            });
        });
    });
    // Without a reply in time the window is closed and the picture missed.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &window, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shots.fail(QStringLiteral("no reading in the diagnosis window"));
            modal->close();
        }
    });
    giveUp.start(15000);
    window.openDiagnosis();
    giveUp.stop();

    config::ConfigDialog config(window.appSettings(), messages, serial::presentPorts(), &window);
    config.show();
    shots.grab(&config, QStringLiteral("config_dialog"));
    config.close();

    window.showManual();
    shots.grab(window.findChild<help::HelpWindow*>(), QStringLiteral("help_window"));
    return shots.failed() ? 1 : 0;
}
