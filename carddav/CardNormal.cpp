#include "carddav/CardNormal.h"

#include <QByteArrayList>
#include <QMap>
#include <QSet>
#include <algorithm>

namespace quillmere::carddav {
namespace {

QByteArray unfolded(QByteArray text) {
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  text.replace("\n ", "");
  text.replace("\n\t", "");
  return text;
}

// Splits at `separator` outside double quotes.
QByteArrayList splitOutsideQuotes(const QByteArray& text, char separator) {
  QByteArrayList parts;
  QByteArray part;
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (c == separator && !quoted) {
      parts.append(part);
      part.clear();
    } else {
      part += c;
    }
  }
  parts.append(part);
  return parts;
}

// Missing trailing components of a structured value are empty ones: vobject writes ORG without
// an empty department.
QByteArray withoutEmptyTail(QByteArray value) {
  while (value.endsWith(';')) {
    qsizetype backslashes = 0;
    for (qsizetype i = value.size() - 2; i >= 0 && value[i] == '\\'; --i)
      ++backslashes;
    if (backslashes % 2 != 0) break;
    value.chop(1);
  }
  return value;
}

QByteArray normalizedLine(const QByteArray& line) {
  bool quoted = false;
  qsizetype colon = -1;
  for (qsizetype i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == ':' && !quoted) {
      colon = i;
      break;
    }
  }
  if (colon < 0) return line;
  const QByteArrayList head = splitOutsideQuotes(line.left(colon), ';');
  QMap<QByteArray, QSet<QByteArray>> params;
  for (qsizetype i = 1; i < head.size(); ++i) {
    const qsizetype equals = head[i].indexOf('=');
    // A bare parameter is a 2.1 TYPE value.
    const QByteArray name = equals < 0 ? QByteArray("TYPE") : head[i].left(equals).toUpper();
    const QByteArray values = equals < 0 ? head[i] : head[i].mid(equals + 1);
    for (QByteArray value : splitOutsideQuotes(values, ',')) {
      value.replace('"', QByteArray());
      params[name].insert(name == "TYPE" ? value.toUpper() : value);
    }
  }
  QByteArray out = head.front().toUpper();
  for (auto it = params.cbegin(); it != params.cend(); ++it) {
    QByteArrayList values(it.value().cbegin(), it.value().cend());
    std::sort(values.begin(), values.end());
    out += ';' + it.key() + '=' + values.join(',');
  }
  return out + ':' + withoutEmptyTail(line.mid(colon + 1));
}

}  // namespace

QByteArray normalizedCard(const QByteArray& card) {
  QByteArrayList lines;
  for (const QByteArray& line : unfolded(card).split('\n')) {
    if (line.trimmed().isEmpty()) continue;
    const QByteArray normal = normalizedLine(line);
    if (normal.startsWith("PRODID:") || normal.startsWith("PRODID;")) continue;
    lines.append(normal);
  }
  std::sort(lines.begin(), lines.end());
  return lines.join('\n');
}

}  // namespace quillmere::carddav
