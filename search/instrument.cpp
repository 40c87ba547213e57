#include "search/instrument.h"

#include "protocol/frame.h"
#include "views/instrument_types.h"

QString Instrument::modelName() const {
    return views::modelNameOf(typeCode);
}

QByteArray Instrument::requestField() const {
    return protocol::addressField(address);
}
