// Build-time helper: turns the game's pixel-art icon into the pictures a desktop and
// Windows need, enlarged by whole multiples without blur (every source pixel becomes an
// exact square of pixels).
//
//   glimmerix_scale_icon INPUT OUTPUT.png SIZE
//   glimmerix_scale_icon INPUT OUTPUT.ico SIZE...
//
// A .ico holds one picture per SIZE: those under 256 px as bitmaps (what every version
// of Windows reads), the 256 px one as PNG (as Windows keeps it).
#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QList>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <cstdio>

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "glimmerix_scale_icon: %s\n", qPrintable(message));
  return 1;
}

QByteArray Encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (!writer.write(image)) return {};
  return bytes;
}

struct IconEntry {
  QByteArray head;  // width, height, colours, reserved, planes, bits per pixel
  QByteArray data;
};

// Qt's ICO writer stores a single picture: its directory entry and data are taken
// out so that several sizes share one file.
bool BitmapEntry(const QImage& image, IconEntry& entry) {
  const QByteArray ico = Encode(image, "ico");
  constexpr int DirSize = 6, EntrySize = 16;
  if (ico.size() < DirSize + EntrySize) return false;
  const auto* e = reinterpret_cast<const uchar*>(ico.constData()) + DirSize;
  const quint32 length = qFromLittleEndian<quint32>(e + 8);
  const quint32 offset = qFromLittleEndian<quint32>(e + 12);
  if (offset + qint64(length) > ico.size()) return false;
  entry.head = ico.mid(DirSize, 8);
  entry.data = ico.mid(offset, length);
  return true;
}

bool PngEntry(const QImage& image, IconEntry& entry) {
  entry.data = Encode(image, "png");
  const char size = image.width() >= 256 ? 0 : char(image.width());  // 0 stands for 256
  entry.head = QByteArray(8, '\0');
  entry.head[0] = size;
  entry.head[1] = size;
  entry.head[4] = 1;   // planes
  entry.head[6] = 32;  // bits per pixel
  return !entry.data.isEmpty();
}

QByteArray IcoFile(const QList<IconEntry>& entries) {
  QByteArray out;
  auto put16 = [&out](quint16 v) { out.append(char(v & 0xff)).append(char(v >> 8)); };
  auto put32 = [&put16](quint32 v) {
    put16(quint16(v & 0xffff));
    put16(quint16(v >> 16));
  };
  put16(0);  // reserved
  put16(1);  // an icon, not a cursor
  put16(quint16(entries.size()));
  quint32 offset = 6 + 16 * quint32(entries.size());
  for (const IconEntry& e : entries) {
    out.append(e.head);
    put32(quint32(e.data.size()));
    put32(offset);
    offset += quint32(e.data.size());
  }
  for (const IconEntry& e : entries) out.append(e.data);
  return out;
}

}  // namespace

int main(int argc, char* argv[]) {
  // The application object makes the image format plugins (ICO) reachable.
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() < 4) return Fail(QStringLiteral("usage: INPUT OUTPUT.png|OUTPUT.ico SIZE..."));
  const QString& input = args[1];
  const QString& output = args[2];
  const bool ico = output.endsWith(QStringLiteral(".ico"));
  if (!ico && !output.endsWith(QStringLiteral(".png")))
    return Fail(output + " is neither .png nor .ico");
  if (!ico && args.size() != 4) return Fail(QStringLiteral("a .png takes exactly one size"));

  QImage source(input);
  if (source.isNull()) return Fail("cannot read " + input);
  if (source.width() != source.height()) return Fail(input + " is not square");
  source = source.convertToFormat(QImage::Format_ARGB32);

  QList<IconEntry> entries;
  QByteArray bytes;
  for (qsizetype i = 3; i < args.size(); ++i) {
    bool number = false;
    const int size = args[i].toInt(&number);
    if (!number || size <= 0 || size > 256 || size % source.width() != 0)
      return Fail(QStringLiteral("%1 px is not a whole multiple (up to 256) of the %2 px icon")
                      .arg(args[i])
                      .arg(source.width()));
    const QImage scaled = source.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!ico) {
      bytes = Encode(scaled, "png");
      break;
    }
    IconEntry entry;
    if (!(size < 256 ? BitmapEntry(scaled, entry) : PngEntry(scaled, entry)))
      return Fail(QStringLiteral("cannot encode the %1 px picture").arg(size));
    entries.append(entry);
  }
  if (ico) bytes = IcoFile(entries);
  if (bytes.isEmpty()) return Fail("nothing to write to " + output);

  QSaveFile file(output);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    return Fail("cannot write " + output);
  return 0;
}
