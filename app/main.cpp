// commtest: scan an instrument bus and watch one instrument live.
#include "app/main_window.h"
#include "app/options.h"
#include "app/smoke_test.h"
#include "config/app_settings.h"
#include "config/data_folders.h"
#include "i18n/translation.h"
#include "link/message_sink.h"
#include "link/qt_serial_link.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Reading the settings for the language only: the main window reads them again and reports.
class QuietSink final : public serial::MessageSink {
public:
    void show(QWidget*, const QString&, const QString&) override {}
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("commtest"));
    QApplication::setApplicationVersion(QStringLiteral(COMMTEST_VERSION));

    const app::Options options = app::parseOptions(QCoreApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "commtest: %s\n%s", qUtf8Printable(options.error),
                     qUtf8Printable(app::helpText()));
        return 2;
    }
    if (options.help || options.version) {
        std::printf("%s",
                    qUtf8Printable(options.help ? app::helpText()
                                                : QStringLiteral("commtest %1\n").arg(COMMTEST_VERSION)));
        return 0;
    }

    const QString programDir = QCoreApplication::applicationDirPath();
    const config::DataFolders folders =
        config::locateDataFolders(programDir, QStringLiteral(COMMTEST_INSTALLED_RESOURCES),
                                  QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    for (const QString& problem : config::seedSettings(folders, programDir))
        std::fprintf(stderr, "commtest: %s\n", qUtf8Printable(problem));

    config::AppSettings settings(folders);
    QuietSink quiet;
    settings.load(quiet);
    const i18n::Language language =
        i18n::chooseLanguage(options.language, settings.values().language, QLocale::system().uiLanguages());
    i18n::Translation translation;
    QString translationProblem;
    if (!translation.install(language, QDir(folders.resources).filePath(QStringLiteral("translations")),
                             &translationProblem))
        std::fprintf(stderr, "commtest: %s; the interface stays in Chinese\n",
                     qUtf8Printable(translationProblem));

    std::unique_ptr<app::SmokeTest> smoke;
    if (!options.smokeShot.isEmpty()) {
        smoke = std::make_unique<app::SmokeTest>(options.smokeShot);
        std::printf("language %s; program files in %s; settings in %s\n",
                    qUtf8Printable(i18n::languageCode(translation.language())),
                    qUtf8Printable(QDir::toNativeSeparators(folders.resources)),
                    qUtf8Printable(QDir::toNativeSeparators(folders.settings)));
    }

    serial::QtSerialLink link;
    serial::MessageBoxSink messages;
    app::MainWindow window(link, messages, folders);
    window.show();
    // The search dialog is modal; show it once the main window is on screen.
    QTimer::singleShot(0, &window, &app::MainWindow::startUp);
    return application.exec();
}
