#include "link/serial_link.h"
#include "link/settings_file.h"

namespace serial {

int SerialLink::baudRate() const {
    return rateOf(m_settings);
}

} // namespace serial
