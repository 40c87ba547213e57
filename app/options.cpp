#include "app/options.h"

#include <QCommandLineParser>

namespace app {

namespace {

const QString kLang = QStringLiteral("lang");
const QString kSmokeTest = QStringLiteral("smoke-test");

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Scan an instrument bus and watch one instrument live."));
    parser.addOption(
        {kLang,
         QStringLiteral("Interface language: zh (Chinese) or en (English). Without it the choice in "
                        "the settings, else the system's language, decides."),
         QStringLiteral("zh|en")});
    parser.addOption({kSmokeTest,
                      QStringLiteral("Start, write a picture of the search dialog to <png> once it is shown, "
                                     "print its title and quit."),
                      QStringLiteral("png")});
    parser.addHelpOption();
    parser.addVersionOption();
}

} // namespace

Options parseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    describe(parser);
    Options options;
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    options.help = parser.isSet(QStringLiteral("help"));
    options.version = parser.isSet(QStringLiteral("version"));
    if (!parser.positionalArguments().isEmpty()) {
        options.error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        return options;
    }
    if (parser.isSet(kLang)) {
        const QString code = parser.value(kLang);
        options.language = i18n::parseLanguageCode(code);
        if (!options.language) {
            options.error = QStringLiteral("Unknown language '%1': --lang takes zh or en.").arg(code);
            return options;
        }
    }
    options.smokeShot = parser.value(kSmokeTest);
    return options;
}

QString helpText() {
    QCommandLineParser parser;
    describe(parser);
    return parser.helpText();
}

} // namespace app
