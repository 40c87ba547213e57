#include "search/port_messages.h"

namespace portmsg {

QString textFor(serial::PortError error) {
    switch (error) {
    case serial::NoError: return {};
    case serial::NoSuchPort: return i18n::tr("系统无设定的通讯端口，请重新设定通信端口！");
    case serial::PortInUse: return i18n::tr("所设定的通讯端口已被其他设备占用，请重新设定通信端口！");
    case serial::Overflow: return i18n::tr("数据溢出，检查仪表类型设置是否正确！");
    default: return i18n::tr("未知的错误产生！");
    }
}

QString lostText(const QString& reason) {
    return i18n::tr("通讯口已断开：") + reason;
}

} // namespace portmsg
