#include "imaging/QtPictureShrinker.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include "core/Base64.h"

namespace quillmere::imaging {

namespace {

using core::PictureRefused;

QByteArray viewOf(std::string_view bytes) {
  return QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// libjpeg fills a cut-short JPEG with grey and reads it as whole; its end marker says.
bool jpegCutShort(std::string_view bytes) {
  while (!bytes.empty() && (bytes.back() == '\0' || bytes.back() == '\n' || bytes.back() == '\r'))
    bytes.remove_suffix(1);
  if (bytes.ends_with("\xFF\xD9")) return false;
  // Some cameras write data of their own after the picture's end.
  return bytes.find("\xFF\xD9", bytes.size() / 2) == std::string_view::npos;
}

// JPEG has no transparency: transparent parts become white, as a page shows them.
QImage opaque(const QImage& image) {
  if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB888);
  QImage flat(image.size(), QImage::Format_RGB888);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, image);
  painter.end();
  return flat;
}

std::string jpegOf(const QImage& image, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "JPEG", quality)) {
    throw PictureRefused("could not be written as JPEG: Qt's JPEG writer is missing");
  }
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

QtPictureShrinker::QtPictureShrinker() {
  // Qt refuses to decode more than 256 MB by default; 100 megapixels of 32 bits need 400.
  constexpr int kAllocationMegabytes = 512;
  if (QImageReader::allocationLimit() < kAllocationMegabytes) {
    QImageReader::setAllocationLimit(kAllocationMegabytes);
  }
  // Qt loads its image plugins on first use; loaded here, on one thread, rather than by the
  // run's threads at once.
  QImage probe(2, 2, QImage::Format_RGB888);
  probe.fill(Qt::white);
  for (const char* format : {"JPEG", "PNG", "WEBP", "GIF", "BMP"}) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    probe.save(&buffer, format);
    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    if (reader.canRead()) reader.read();
  }
}

std::string QtPictureShrinker::shrink(std::string_view picture,
                                      const core::PhotoLimits& limits) const {
  QByteArray bytes = viewOf(picture);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAutoTransform(true);
  if (!reader.canRead()) {
    throw PictureRefused("is not a picture Quillmere reads (JPEG, PNG, WebP, GIF or BMP)");
  }
  const QSize size = reader.size();
  if (size.isValid() && static_cast<long long>(size.width()) * size.height() > kMaxPicturePixels) {
    throw PictureRefused("is " + std::to_string(size.width()) + " x " +
                         std::to_string(size.height()) +
                         " pixels, more than the 100 megapixels a photo is read from");
  }
  const QByteArray format = reader.format();
  if (format == "jpeg" && jpegCutShort(picture)) {
    throw PictureRefused("is a JPEG cut short: its end is missing");
  }
  // A box of maxSide both ways fits the long side however EXIF turns the picture; JPEG's
  // reader scales while it decodes, far faster than decoding whole.
  QSize target = size;
  if (size.isValid() && (size.width() > limits.maxSide || size.height() > limits.maxSide)) {
    target = size.scaled(limits.maxSide, limits.maxSide, Qt::KeepAspectRatio);
    reader.setScaledSize(target);
  }
  QImage image = reader.read();
  if (image.isNull()) {
    throw PictureRefused("cannot be read as a picture: " + reader.errorString().toStdString());
  }
  if (image.width() > limits.maxSide || image.height() > limits.maxSide) {
    image =
        image.scaled(limits.maxSide, limits.maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  image = opaque(image);
  // Quality steps down until the photo fits; past the lowest step, the picture gets smaller.
  constexpr int kQualities[]{85, 75, 65, 55, 45, 35};
  for (int round = 0; round < 8; ++round) {
    for (const int quality : kQualities) {
      std::string jpeg = jpegOf(image, quality);
      if (jpeg.size() <= limits.maxBytes) return jpeg;
    }
    if (image.width() < 16 || image.height() < 16) break;
    image = image.scaled(image.width() * 3 / 4, image.height() * 3 / 4, Qt::KeepAspectRatio,
                         Qt::SmoothTransformation);
  }
  throw PictureRefused("cannot be made a JPEG of " + std::to_string(limits.maxBytes / 1024) +
                       " KB or less");
}

QImage photoImage(std::string_view jpeg) {
  QImage image;
  image.loadFromData(viewOf(jpeg), "JPEG");
  return image;
}

QImage photoImageFromBase64(std::string_view base64) {
  const std::optional<std::string> jpeg = core::decodeBase64(base64);
  return jpeg ? photoImage(*jpeg) : QImage();
}

}  // namespace quillmere::imaging
