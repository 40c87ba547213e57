#include "report/report_html.h"

#include "report/report_texts.h"
#include "search/instrument_list.h"

#include <QStringList>

namespace report {

namespace {

QString cell(const QString& text, const char* tag = "td") {
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text.toHtmlEscaped());
}

QString row(const QStringList& cells, const char* tag = "td") {
    QString out = QStringLiteral("<tr>");
    for (const QString& c : cells)
        out += cell(c, tag);
    return out + QStringLiteral("</tr>");
}

QString table(const QStringList& header, const QString& rows) {
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">") +
           row(header, "th") + rows + QStringLiteral("</table>");
}

QString modelText(const Instrument& i) {
    const QString model = i.modelName();
    if (!model.isEmpty()) return i18n::tr(model);
    return texts::kUnknownModel.arg(QStringLiteral("%1").arg(i.typeCode, 2, 16, QLatin1Char('0')).toUpper());
}

QString instrumentHeading(const Instrument& i) {
    return addressCellText(i) + QStringLiteral("  ") + modelText(i);
}

} // namespace

QString readingText(const protocol::Reading& reading) {
    return QString::number(reading.value, 'f', qBound(0, reading.decimals, 9));
}

QString reportHtml(const ReportContent& c) {
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>");
    html += QStringLiteral("<h1>%1</h1>").arg(texts::kTitle.toString().toHtmlEscaped());
    html += QStringLiteral("<p>%1：%2<br>%3：%4</p>")
                .arg(texts::kPrintedAt.toString(), c.printedAt.toString(texts::kDateTimeFormat),
                     texts::kPort.toString(),
                     texts::kPortValue.arg(c.portNumber).arg(c.baudRate).toHtmlEscaped());

    html += QStringLiteral("<h2>%1</h2>").arg(texts::kListHeading);
    if (c.instruments.empty()) {
        html += QStringLiteral("<p>%1</p>").arg(texts::kNoInstruments);
    } else {
        QString rows;
        int n = 0;
        for (const Instrument& i : c.instruments)
            rows += row({QString::number(++n), addressCellText(i), modelText(i),
                         i.roundTripMs >= 0 ? QString::number(i.roundTripMs) : QString(),
                         i.foundAt.isValid() ? i.foundAt.toString(texts::kDateTimeFormat) : QString()});
        html +=
            table({texts::kNumber, texts::kAddress, texts::kModel, texts::kRoundTrip, texts::kFoundAt}, rows);
    }

    html += QStringLiteral("<h2>%1</h2>").arg(texts::kReadingsHeading);
    if (c.readings.empty()) html += QStringLiteral("<p>%1</p>").arg(texts::kNoReadings);
    for (const InstrumentReadings& r : c.readings) {
        html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                    .arg(instrumentHeading(r.instrument).toHtmlEscaped(),
                         texts::kReadAt.arg(r.readAt.toString(texts::kDateTimeFormat)));
        QString rows;
        for (const protocol::Reading& reading : r.readings)
            rows += row({reading.label.isEmpty() ? reading.key : i18n::trNumbered(reading.label),
                         readingText(reading), i18n::tr(reading.unit)});
        html += table({texts::kLabel, texts::kValue, texts::kUnit}, rows);
    }
    return html + QStringLiteral("</body></html>");
}

} // namespace report
