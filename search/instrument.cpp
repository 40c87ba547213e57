#include "search/instrument.h"

#include "protocol/catalogue.h"
#include "protocol/frame.h"

QString Instrument::modelName() const {
    return protocol::modelNameOf(typeCode);
}

QByteArray Instrument::requestField() const {
    return protocol::addressField(address);
}
