#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <map>

#include "tests/ui/ConvertSteps.h"
#include "ui/frmPreview.h"

using quillmere::ui::frmPreview;
using quillmere::ui::test::contents;
using quillmere::ui::test::ConvertSteps;
using quillmere::ui::test::filesIn;
using quillmere::ui::test::kDated;
using quillmere::ui::test::writeXlsx;

namespace {

constexpr qsizetype kMaxPhotoBytes = 200 * 1024;

// Coloured noise: shrunk from twice 720 x 540, it fits the limit only below the first quality.
QImage noise(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QRandomGenerator random(7);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x)
      line[x] = 0xff000000u | (random.generate() & 0xffffffu);
  }
  return image;
}

// The photos of the cards in a written file, by their FN: the JPEG the PHOTO line holds.
std::map<QString, QByteArray> photosIn(const QByteArray& file) {
  std::map<QString, QByteArray> photos;
  QString name;
  const QList<QByteArray> lines = QByteArray(file).replace("\r\n ", "").split('\n');
  for (QByteArray line : lines) {
    line = line.trimmed();
    if (line.startsWith("FN:")) name = QString::fromUtf8(line.mid(3));
    if (line.startsWith("PHOTO"))
      photos[name] = QByteArray::fromBase64(line.mid(line.indexOf(':') + 1));
  }
  return photos;
}

}  // namespace

// A Photo column through the real window: each row's picture shown in the card preview beside
// its text, written into its card within the limits, and the photos counted when the run ends.
class FrmMainPhotoTest : public QObject, private ConvertSteps {
  Q_OBJECT

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

  void photosArePreviewedWrittenWithinTheLimitAndCounted() {
    QVERIFY(QDir().mkpath(folder.path(QStringLiteral("pics"))));
    QImage small(300, 200, QImage::Format_RGB32);
    small.fill(Qt::darkCyan);
    QPainter(&small).fillRect(0, 0, 150, 100, Qt::yellow);
    QVERIFY(small.save(folder.path(QStringLiteral("pics/ann.png"))));
    const QString big = folder.path(QStringLiteral("big.png"));
    QVERIFY(noise(1440, 1080).save(big));
    const QString workbook = folder.path(QStringLiteral("people.xlsx"));
    QVERIFY(writeXlsx(workbook, {{"Name", "E-mail", "Photo"},
                                 {"Ann Lee", "ann@example.org", "pics/ann.png"},
                                 {"Bo Berg", "bo@example.org", big},
                                 {"Cy Ray", "cy@example.org", "pics/gone.jpg"}}));
    QCOMPARE(fixture.toExportMatchedByName(workbook, base).size(), 3);

    fixture.click("cmdPreview");
    auto* preview = fixture.window->findChild<frmPreview*>();
    QVERIFY(preview != nullptr);
    auto* photo = preview->findChild<QLabel*>(QStringLiteral("lblPhoto"));
    auto* notes = preview->findChild<QLabel*>(QStringLiteral("lblNotes"));
    auto* record = preview->findChild<QPlainTextEdit*>(QStringLiteral("txtRecord"));
    QVERIFY(photo != nullptr && notes != nullptr);
    QVERIFY(preview->rect().contains(photo->geometry()));
    QVERIFY(!photo->geometry().intersects(record->geometry()));
    // Each row's photo as its card holds it, shrunk into the box; a missing file says why.
    const QSize room = photo->contentsRect().size();
    for (const QSize held : {QSize(300, 200), QSize(720, 540), QSize()}) {
      const bool shown = held.isValid();
      QCOMPARE(photo->pixmap().size(),
               shown ? held.scaled(room, Qt::KeepAspectRatio) : QSize(0, 0));
      QCOMPARE(photo->accessibleDescription(),
               shown ? QStringLiteral("%1 x %2 pixels").arg(held.width()).arg(held.height())
                     : QStringLiteral("No photo"));
      QCOMPARE(notes->text().isEmpty(), shown);
      QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("cmdNextRow")),
                        Qt::LeftButton);
    }
    QVERIFY2(notes->toolTip().contains(QStringLiteral("pics/gone.jpg, which does not exist")),
             qPrintable(notes->toolTip()));

    convert();
    QVERIFY(!fixture.prompts.messages.empty());
    QVERIFY2(fixture.prompts.messages.back().text.contains(
                 QStringLiteral("Photos written: 2; left out: 1.")),
             qPrintable(fixture.prompts.messages.back().text));
    QCOMPARE(fixture.find<QLabel>(QStringLiteral("lblExportNotice"))->accessibleName(),
             QStringLiteral("Left out: photos: 1."));
    std::map<QString, QByteArray> photos;
    for (const QString& file : filesIn(base + kDated))
      photos.merge(photosIn(contents(base + kDated + u'/' + file)));
    QCOMPARE(photos.size(), std::size_t{2});
    const std::map<QString, QSize> sizes{{QStringLiteral("Ann Lee"), {300, 200}},
                                         {QStringLiteral("Bo Berg"), {720, 540}}};
    for (const auto& [name, jpeg] : photos) {
      QVERIFY2(jpeg.startsWith("\xFF\xD8") && jpeg.size() <= kMaxPhotoBytes, qPrintable(name));
      QCOMPARE(QImage::fromData(jpeg, "JPEG").size(), sizes.at(name));
    }
  }
};

QTEST_MAIN(FrmMainPhotoTest)
#include "FrmMainPhotoTest.moc"
