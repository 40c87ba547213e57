#pragma once
// The paging rule that every paging view shares. The page counter `tn` belongs to the diagnosis
// window and is never reset when it closes, so a view may meet a value left by another view.
#include <QtGlobal>

namespace views {

// Counts one call in `tn` and returns the page to show: page = tn / divisor. When that page would
// be `pages` or more, the count restarts at 1 on page 0, so page 0 lasts divisor - 1 calls after a
// restart and every other page `divisor` calls. A count that would leave the range of `tn`, or a
// negative one, restarts the same way rather than overflowing.
int advancePage(qint16& tn, int divisor, int pages);

} // namespace views
