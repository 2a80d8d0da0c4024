#pragma once

class QObject;
class QString;
class QAccessibleInterface;

namespace glimmerix {

// Lets a screen reader follow the board: each of the 64 cells reports its column,
// row, gem colour and whether it is picked; two more children read the score and
// the clock. Nothing of this is visible.
QAccessibleInterface* BoardAccessibleFactory(const QString& className, QObject* object);

}  // namespace glimmerix
