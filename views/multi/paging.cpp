#include "views/multi/paging.h"

namespace views {

int advancePage(qint16& tn, int divisor, int pages) {
    Q_ASSERT(divisor > 0 && pages > 0);
    const int next = tn + 1; // in int: a counter at 32767 must not wrap to a negative page
    const int page = next / divisor;
    if (next < 0 || page >= pages) {
        tn = 1;
        return 0;
    }
    tn = static_cast<qint16>(next);
    return page;
}

} // namespace views
