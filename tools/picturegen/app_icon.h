#pragma once
// The program's icon: a panel instrument's dark face with a red LED reading and two alarm lamps,
// above the bus line with its instruments. Drawn at any size on a transparent ground.
#include <QImage>

namespace picturegen {

// The sizes the desktop installs, in pixels.
inline constexpr int kIconSizes[] = {48, 128, 256};

QImage appIcon(int size);

} // namespace picturegen
