#include "i18n/text.h"

#include <QCoreApplication>

namespace i18n {

QString tr(const char* sourceUtf8) {
    return QCoreApplication::translate(kContext, sourceUtf8);
}

QString tr(const QString& source) {
    return source.isEmpty() ? source : QCoreApplication::translate(kContext, source.toUtf8().constData());
}

} // namespace i18n
