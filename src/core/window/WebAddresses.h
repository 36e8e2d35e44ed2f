#pragma once

#include <QString>

// The web addresses the program opens: the maker's home page (the about box) and the
// page of its sibling product of script effects (the shortcut bar).
namespace WebAddresses {
inline const QString MakerHome = QStringLiteral("https://tessaly.example/");
inline const QString SiblingProduct = QStringLiteral("https://tessaly.example/zestra/");
} // namespace WebAddresses
