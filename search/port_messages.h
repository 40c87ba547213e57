#pragma once
// The operator's messages about the port, shared by the search dialog, the search window and the
// diagnosis window so that one failure reads the same wherever it happens.
#include "i18n/text.h"
#include "link/serial_link.h"

#include <QString>

namespace portmsg {

// Title of every port message.
inline constexpr i18n::Text kTitle = QT_TRANSLATE_NOOP("commtest", "错误");

// The message for a port error number: no such port, port in use, an overflowing address, or the
// catch-all for anything else. Empty text for NoError.
QString textFor(serial::PortError error);

// The device went away while the port was open (an adapter unplugged). `reason` is the link's
// account of it, already in the operator's words.
QString lostText(const QString& reason);

} // namespace portmsg
