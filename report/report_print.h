#pragma once
// Laying the report's HTML out on a printer, or in a PDF file.
#include <QString>

class QPrinter;

namespace report {

void printHtml(const QString& html, QPrinter& printer);
// Returns the problem, empty when the file was written.
QString printHtmlToPdf(const QString& html, const QString& path);

} // namespace report
