#pragma once

#include <QFont>

namespace glimmerix {

// Sizes are designed in points at 96 dots per inch; pixel sizes keep every screen alike.
[[nodiscard]] QFont SansFont(double points, bool bold);

}  // namespace glimmerix
