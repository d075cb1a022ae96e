#include "carddav/Multistatus.h"

#include <QStringList>
#include <QXmlStreamReader>

namespace quillmere::carddav {
namespace {

const QString kDav = QStringLiteral("DAV:");
const QString kCardDav = QStringLiteral("urn:ietf:params:xml:ns:carddav");

bool is(const QXmlStreamReader& xml, const QString& space, QLatin1String name) {
  return xml.namespaceUri() == space && xml.name() == name;
}

// The text of the first <href> inside the current element; leaves the reader at its end.
QString innerHref(QXmlStreamReader& xml) {
  QString href;
  while (xml.readNextStartElement()) {
    if (href.isEmpty() && is(xml, kDav, QLatin1String("href"))) {
      href = xml.readElementText().trimmed();
    } else {
      xml.skipCurrentElement();
    }
  }
  return href;
}

void readResourceType(QXmlStreamReader& xml, DavResource& into) {
  while (xml.readNextStartElement()) {
    if (is(xml, kDav, QLatin1String("collection"))) into.isCollection = true;
    if (is(xml, kCardDav, QLatin1String("addressbook"))) into.isAddressBook = true;
    xml.skipCurrentElement();
  }
}

void readProp(QXmlStreamReader& xml, DavResource& into) {
  while (xml.readNextStartElement()) {
    if (is(xml, kDav, QLatin1String("getetag"))) {
      into.etag = xml.readElementText().trimmed().toUtf8();
    } else if (is(xml, kDav, QLatin1String("displayname"))) {
      into.displayName = xml.readElementText().trimmed();
    } else if (is(xml, kDav, QLatin1String("resourcetype"))) {
      readResourceType(xml, into);
    } else if (is(xml, kDav, QLatin1String("current-user-principal"))) {
      into.principal = innerHref(xml);
    } else if (is(xml, kCardDav, QLatin1String("addressbook-home-set"))) {
      into.homeSet = innerHref(xml);
    } else if (is(xml, kCardDav, QLatin1String("address-data"))) {
      into.addressData = xml.readElementText().toUtf8();
    } else {
      xml.skipCurrentElement();
    }
  }
}

// Properties of a propstat are kept only when its status says they were found.
void readPropstat(QXmlStreamReader& xml, DavResource& into, int& foundStatus, int& otherStatus) {
  DavResource props;
  int status = 200;
  while (xml.readNextStartElement()) {
    if (is(xml, kDav, QLatin1String("prop"))) {
      readProp(xml, props);
    } else if (is(xml, kDav, QLatin1String("status"))) {
      status = statusOfLine(xml.readElementText());
    } else {
      xml.skipCurrentElement();
    }
  }
  if (status < 200 || status >= 300) {
    if (otherStatus == 0) otherStatus = status;
    return;
  }
  foundStatus = status;
  if (!props.etag.isEmpty()) into.etag = props.etag;
  if (!props.displayName.isEmpty()) into.displayName = props.displayName;
  into.isCollection = into.isCollection || props.isCollection;
  into.isAddressBook = into.isAddressBook || props.isAddressBook;
  if (!props.principal.isEmpty()) into.principal = props.principal;
  if (!props.homeSet.isEmpty()) into.homeSet = props.homeSet;
  if (!props.addressData.isEmpty()) into.addressData = props.addressData;
}

DavResource readResponse(QXmlStreamReader& xml) {
  DavResource resource;
  int ownStatus = 0;
  int foundStatus = 0;
  int otherStatus = 0;
  while (xml.readNextStartElement()) {
    if (is(xml, kDav, QLatin1String("href"))) {
      resource.href = xml.readElementText().trimmed();
    } else if (is(xml, kDav, QLatin1String("status"))) {
      ownStatus = statusOfLine(xml.readElementText());
    } else if (is(xml, kDav, QLatin1String("propstat"))) {
      readPropstat(xml, resource, foundStatus, otherStatus);
    } else {
      xml.skipCurrentElement();
    }
  }
  resource.status = ownStatus     ? ownStatus
                    : foundStatus ? foundStatus
                    : otherStatus ? otherStatus
                                  : 200;
  return resource;
}

}  // namespace

int statusOfLine(QStringView line) {
  const QStringList words = line.toString().simplified().split(QLatin1Char(' '));
  return words.size() >= 2 ? words[1].toInt() : 0;
}

Multistatus parseMultistatus(const QByteArray& text) {
  Multistatus result;
  QXmlStreamReader xml(text);
  if (!xml.readNextStartElement() || !is(xml, kDav, QLatin1String("multistatus"))) {
    result.error = xml.hasError() ? xml.errorString() : QStringLiteral("no multistatus answer");
    return result;
  }
  while (xml.readNextStartElement()) {
    if (is(xml, kDav, QLatin1String("response"))) {
      result.resources.append(readResponse(xml));
    } else {
      xml.skipCurrentElement();
    }
  }
  if (xml.hasError()) result.error = xml.errorString();
  return result;
}

}  // namespace quillmere::carddav
