#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QRect>

namespace glimmerix::testing {

// The smallest rectangle round every pixel that two renders of the same size differ in.
inline QRect Changed(const QImage& a, const QImage& b) {
  QRect changed;
  for (int y = 0; y < a.height(); ++y) {
    const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      if (rowA[x] != rowB[x]) changed |= QRect(x, y, 1, 1);
    }
  }
  return changed;
}

// A window as the design draws it: a render compared pixel for pixel with a reference
// picture in tests/ui/reference, which was judged against the design by eye. With
// GLIMMERIX_NEW_REFERENCES set the render takes the reference's place instead, to be
// judged anew; a render that differs is saved beside the test for a look.
inline ::testing::AssertionResult LooksLike(const QImage& render, const QString& name) {
  const QImage shot = render.convertToFormat(QImage::Format_RGB32);
  const QString path = QStringLiteral(GLIMMERIX_REFERENCES "/%1.png").arg(name);
  if (qEnvironmentVariableIsSet("GLIMMERIX_NEW_REFERENCES") && shot.save(path))
    return ::testing::AssertionSuccess();
  const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
  if (reference.size() == shot.size() && reference == shot) return ::testing::AssertionSuccess();
  const QString saved = QDir::current().filePath(name + "-rendered.png");
  shot.save(saved);
  const QRect changed = reference.size() == shot.size() ? Changed(reference, shot) : shot.rect();
  return ::testing::AssertionFailure()
         << qPrintable(name) << " differs from its reference within (" << changed.x() << ","
         << changed.y() << ") " << changed.width() << "x" << changed.height() << "; the render is "
         << qPrintable(saved);
}

}  // namespace glimmerix::testing
