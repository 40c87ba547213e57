#include "report/report_print.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>

namespace report {

void printHtml(const QString& html, QPrinter& printer) {
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
}

QString printHtmlToPdf(const QString& html, const QString& path) {
    // A file left from before must not pass for this one.
    if (QFileInfo::exists(path) && !QFile::remove(path)) return QStringLiteral("无法写入文件：%1").arg(path);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printHtml(html, printer);
    // QPrinter says nothing when it cannot write the file.
    const QFileInfo written(path);
    if (!written.exists() || written.size() == 0) return QStringLiteral("无法写入文件：%1").arg(path);
    return {};
}

} // namespace report
