// The search dialog's address fields on arbitrary text. Blanks, tabs and line feeds are ignored
// wherever they stand, so adding some must not change the reading; a plain whole number reads as
// itself or overflows.
#include "search/address_parse.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool sameReading(const AddressParse& a, const AddressParse& b) {
    return a.overflow == b.overflow && a.value == b.value;
}

// Sign and up to nine digits, nothing else: small enough to read exactly in 64 bits.
bool plainWholeNumber(const QString& text, qint64& value) {
    static const int kMaxDigits = 9;
    int i = (text.startsWith(u'+') || text.startsWith(u'-')) ? 1 : 0;
    const int digits = text.size() - i;
    if (digits < 1 || digits > kMaxDigits) return false;
    for (int k = i; k < text.size(); ++k)
        if (text[k] < u'0' || text[k] > u'9') return false;
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const AddressParse reading = parseAddress(text);

    QString blanked = text;
    blanked.insert(blanked.size(), u'\n');
    blanked.insert(blanked.size() / 2, u'\t');
    blanked.insert(0, u' ');
    if (!sameReading(reading, parseAddress(blanked))) std::abort();

    qint64 whole = 0;
    if (plainWholeNumber(text, whole)) {
        const bool fits = whole >= -32768 && whole <= 32767;
        if (reading.overflow == fits || (fits && reading.value != whole)) std::abort();
    }
    return 0;
}
