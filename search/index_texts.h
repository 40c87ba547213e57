#pragma once
// What the instrument list window shows; its header texts are the list's row 0.
#include <QString>

namespace indextext {
inline const QString kTitle = QStringLiteral("Form1");
} // namespace indextext
