#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "tests/ui/WindowFixture.h"

using quillmere::ui::frmMain;
using quillmere::ui::test::WindowFixture;

namespace {

// Pixels from twips, rounded to the nearest pixel, as the layout is drawn at 96 dpi.
QRect px(int left, int top, int width, int height) {
  const auto p = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
  return QRect(p(left), p(top), p(width), p(height));
}

QString captionOf(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
  return QString();
}

enum class Place { Client, Tab };

}  // namespace

Q_DECLARE_METATYPE(const QMetaObject*)
Q_DECLARE_METATYPE(Place)

class FrmMainLayoutTest : public QObject {
  Q_OBJECT

 private:
  WindowFixture fixture;

 private slots:
  void init() { QVERIFY(fixture.open()); }
  void cleanup() { fixture.window.reset(); }

  void windowIsFixedUntitledWhiteAndCentred() {
    frmMain& window = *fixture.window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Quillmere v2.0"));
    QCOMPARE(window.objectName(), QStringLiteral("frmMain"));
    QWidget* client = window.centralWidget();
    QVERIFY(client != nullptr);
    QCOMPARE(client->size(), QSize(640, 490));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.height(), 490 + window.menuBar()->height());
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(window.font().family(), QStringLiteral("Verdana"));
    QCOMPARE(window.font().pointSizeF(), 8.25);
    QVERIFY(!window.windowIcon().isNull());
    const QPoint screenCentre = window.screen()->availableGeometry().center();
    QVERIFY2((window.geometry().center() - screenCentre).manhattanLength() <= 2,
             "the window is not centred on the screen");
  }

  void controlsHaveTheirKindCaptionPlaceFontAndStartState_data() {
    QTest::addColumn<const QMetaObject*>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Place>("place");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("enabled");

    const QString verdana = QStringLiteral("Verdana");
    const QString tahoma = QStringLiteral("Tahoma");
    const auto row = [](const char* name, const QMetaObject* kind, const char* caption, Place place,
                        QRect rect, const QString& family, bool bold = false, bool hidden = false,
                        bool enabled = true) {
      QTest::newRow(name) << kind << QString::fromUtf8(caption) << place << rect << family << bold
                          << hidden << enabled;
    };
    const Place C = Place::Client;
    const Place T = Place::Tab;

    row("mainToolBar", &QToolBar::staticMetaObject, "", C, px(0, 0, 9600, 660), verdana);
    row("Picture2", &QLabel::staticMetaObject, "", C, px(0, 40, 9615, 1215), verdana);
    row("Line3", &QFrame::staticMetaObject, "", C, QRect(0, 84, 640, 1), verdana);
    row("ExportTab", &QTabWidget::staticMetaObject, "", C, px(120, 1440, 9375, 4815), tahoma);
    row("cmdPrevious", &QPushButton::staticMetaObject, "<  Pre&vious", C, px(5400, 6480, 1935, 495),
        tahoma, false, false, false);
    row("cmdNext", &QPushButton::staticMetaObject, "&Next >", C, px(7560, 6480, 1935, 495), tahoma,
        false, false, false);
    row("statusIndicator", &QStatusBar::staticMetaObject, "", C, px(0, 7095, 9600, 255), tahoma);

    row("Label1", &QLabel::staticMetaObject, "Select Excel File :", T, px(240, 670, 1335, 255),
        tahoma);
    row("txtExcelPath", &QLineEdit::staticMetaObject, "", T, px(1560, 600, 6255, 375), tahoma);
    row("cmdBrowse", &QPushButton::staticMetaObject, "Browse...", T, px(7920, 600, 1215, 375),
        verdana);
    row("Label13", &QLabel::staticMetaObject,
        "Supports Excel 2003 Files (*.xls), Excel 2007,2010, 2013 Files (*.xlsx) & CSV Files "
        "(*.csv)",
        T, px(1560, 1080, 7215, 255), tahoma);
    row("Label6", &QLabel::staticMetaObject, "Excel File Preview", T, px(240, 1560, 1695, 255),
        tahoma);
    row("Line1", &QFrame::staticMetaObject, "", T, QRect(16, 120, 592, 1), verdana);
    row("sourceExcelData", &QTableView::staticMetaObject, "", T, px(240, 1920, 8895, 2655),
        verdana);

    row("Label2", &QLabel::staticMetaObject, "Excel Fields", T, px(120, 600, 1695, 255), tahoma,
        true);
    row("cmbHeader", &QComboBox::staticMetaObject, "", T, px(120, 840, 2415, 315), tahoma);
    row("Label5", &QLabel::staticMetaObject, "vCard Fields", T, px(6480, 600, 1815, 255), tahoma,
        true);
    row("cmbOutlook", &QComboBox::staticMetaObject, "", T, px(6480, 840, 2775, 315), tahoma);
    row("cmdAddMapping", &QPushButton::staticMetaObject, "A&dd", T, px(7800, 1320, 1455, 375),
        tahoma);
    row("cmdRemove", &QPushButton::staticMetaObject, "Remove", T, px(7800, 1800, 1455, 375),
        tahoma);
    row("Label9", &QLabel::staticMetaObject, "Selected Fileds ( Excel --> vCard )", T,
        px(120, 2040, 4935, 255), tahoma, true);
    row("Line2", &QFrame::staticMetaObject, "", T, QRect(8, 152, 608, 1), verdana);
    row("mappedList", &QListWidget::staticMetaObject, "", T, px(120, 2400, 9135, 1980), verdana);
    // Added controls are placed wherever there is room; the overlap check below covers them.
    const QRect anywhere;
    row("cmdMatchByName", &QPushButton::staticMetaObject, "&Match by Name", T, anywhere, tahoma,
        false, false, false);

    row("chkNotNull", &QCheckBox::staticMetaObject, "", T, px(360, 720, 200, 375), verdana);
    row("Label10", &QLabel::staticMetaObject, "Allow Empty Email Addresses to be Imported", T,
        px(670, 795, 4695, 375), verdana);
    row("ChkSinglevCard", &QCheckBox::staticMetaObject, "", T, px(360, 1200, 200, 375), verdana);
    row("Label11", &QLabel::staticMetaObject, "Single vCard File for All Contacts", T,
        px(670, 1275, 2895, 375), verdana);
    row("chkNumbersAsShown", &QCheckBox::staticMetaObject, "", T, anywhere, verdana);
    row("lblNumbersAsShown", &QLabel::staticMetaObject, "Keep Numbers as Shown in the Sheet", T,
        anywhere, verdana);
    row("Label12", &QLabel::staticMetaObject,
        "(by default Separate vCards are saved for every Contact )", T, px(3960, 1275, 4575, 375),
        tahoma);
    row("Opt2", &QRadioButton::staticMetaObject, " vCard 2.1 Version", T, px(360, 1680, 2175, 375),
        verdana);
    row("Opt3", &QRadioButton::staticMetaObject, " vCard 3.0 Version", T, px(2760, 1680, 2175, 375),
        verdana);
    row("Opt4", &QRadioButton::staticMetaObject, " vCard 4.0 Version", T, px(5040, 1680, 2175, 375),
        verdana);
    row("lblNotNullLabel", &QLabel::staticMetaObject, "Number of Empty Email Contact(s)       :", T,
        px(360, 2760, 2895, 375), tahoma, false, true);
    row("lblNotNullCount", &QLabel::staticMetaObject, "0", T, px(3480, 2760, 2055, 255), tahoma,
        false, true);
    row("contactCountLabel", &QLabel::staticMetaObject,
        "Number of Contacts Added                  :", T, px(360, 3120, 3015, 255), tahoma, false,
        true);
    row("lblContactCount", &QLabel::staticMetaObject, "0", T, px(3480, 3120, 1935, 255), tahoma,
        false, true);
    row("statusBar", &QProgressBar::staticMetaObject, "", T, px(360, 3600, 8655, 375), verdana,
        false, true);
    row("Label7", &QLabel::staticMetaObject, "Saving Location :", T, px(360, 4155, 1335, 255),
        tahoma);
    row("txtvCardSavePath", &QLineEdit::staticMetaObject, "", T, px(1680, 4080, 6015, 375), tahoma);
    row("CmdChangevCardPath", &QPushButton::staticMetaObject, "Change...", T,
        px(7800, 4080, 1215, 375), verdana);
    row("cmdPreview", &QPushButton::staticMetaObject, "&Preview...", T, anywhere, verdana);
    row("cmdSaveReport", &QPushButton::staticMetaObject, "&Save Report...", T, anywhere, verdana,
        false, false, false);
  }

  void controlsHaveTheirKindCaptionPlaceFontAndStartState() {
    QFETCH(const QMetaObject*, kind);
    QFETCH(QString, caption);
    QFETCH(Place, place);
    QFETCH(QRect, rect);
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(bool, hidden);
    QFETCH(bool, enabled);

    QWidget* widget = fixture.find(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(widget != nullptr, "no such control");
    QVERIFY2(widget->metaObject()->inherits(kind), widget->metaObject()->className());
    QCOMPARE(captionOf(widget), caption);

    QWidget* reference = place == Place::Client ? fixture.window->centralWidget()
                                                : fixture.find(QStringLiteral("ExportTab"));
    QVERIFY(reference != nullptr && reference->isAncestorOf(widget));
    if (!rect.isNull())
      QCOMPARE(QRect(widget->mapTo(reference, QPoint(0, 0)), widget->size()), rect);

    QCOMPARE(widget->font().family(), family);
    QCOMPARE(widget->font().pointSizeF(), 8.25);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(widget->isHidden(), hidden);
    QCOMPARE(widget->isEnabledTo(widget->parentWidget()), enabled);
  }

  void textColoursAreTheLayouts_data() {
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Label13") << QColor(0, 0, 192);
    QTest::newRow("Label10") << QColor(0, 0, 255);
    QTest::newRow("Label11") << QColor(0, 0, 255);
    QTest::newRow("lblNumbersAsShown") << QColor(0, 0, 255);
    QTest::newRow("Label12") << QColor(128, 0, 0);
    QTest::newRow("lblNotNullCount") << QColor(0, 0, 255);
    QTest::newRow("lblContactCount") << QColor(0, 0, 255);
    QTest::newRow("Line1") << QColor(192, 192, 192);
    QTest::newRow("Line2") << QColor(192, 192, 192);
    QTest::newRow("Line3") << QColor(192, 192, 192);
  }

  void textColoursAreTheLayouts() {
    QFETCH(QColor, colour);
    QWidget* widget = fixture.find(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->palette().color(QPalette::WindowText), colour);
  }

  void ampersandOfLabel13ShowsOnce() {
    auto* label = fixture.find<QLabel>(QStringLiteral("Label13"));
    QVERIFY(label != nullptr);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->text().count(QLatin1Char('&')), 1);
  }

  void onlyTheSelectStepIsOpenAtStart() {
    auto* tabs = fixture.find<QTabWidget>(QStringLiteral("ExportTab"));
    QVERIFY(tabs != nullptr);
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("1. Select"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("2. Map Columns"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("3. Export"));
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(tabs->isTabEnabled(0));
    QVERIFY(!tabs->isTabEnabled(1));
    QVERIFY(!tabs->isTabEnabled(2));
    QCOMPARE(tabs->tabBar()->tabRect(0).height(), 35);
    // All three tabs sit in one row inside the control.
    QVERIFY(tabs->tabBar()->tabRect(2).right() < tabs->width());
    QCOMPARE(tabs->tabBar()->tabRect(2).top(), tabs->tabBar()->tabRect(0).top());
  }

  void menusHoldNewConversionExitAboutUsAndHelp() {
    const QList<QAction*> menus = fixture.window->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("File"));
    QCOMPARE(menus[1]->text(), QStringLiteral("About"));
    QVERIFY(menus[0]->menu() != nullptr && menus[1]->menu() != nullptr);
    const QList<QAction*> file = menus[0]->menu()->actions();
    QCOMPARE(file.size(), 3);
    QCOMPARE(file[0]->text(), QStringLiteral("&New Conversion"));
    QCOMPARE(file[0]->shortcut(), QKeySequence(QKeySequence::New));
    QVERIFY(file[1]->isSeparator());
    QCOMPARE(file[2]->objectName(), QStringLiteral("Exit"));
    QCOMPARE(file[2]->text(), QStringLiteral("&Exit"));
    const QList<QAction*> about = menus[1]->menu()->actions();
    QCOMPARE(about.size(), 2);
    QCOMPARE(about[0]->objectName(), QStringLiteral("AboutUs"));
    QCOMPARE(about[0]->text(), QStringLiteral("About Us"));
    QCOMPARE(about[1]->objectName(), QStringLiteral("Help"));
    QCOMPARE(about[1]->text(), QStringLiteral("Help"));
  }

  void toolbarHoldsOneTextOnlyOpenExcelButton() {
    auto* toolbar = fixture.find<QToolBar>(QStringLiteral("mainToolBar"));
    QVERIFY(toolbar != nullptr);
    QCOMPARE(toolbar->actions().size(), 1);
    QAction* open = toolbar->actions().front();
    QCOMPARE(open->text(), QStringLiteral("Open Excel"));
    QVERIFY(open->icon().isNull());
    QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonTextOnly);
    QVERIFY(!toolbar->isMovable());
    auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(open));
    QVERIFY(button != nullptr);
    QVERIFY(button->isVisibleTo(fixture.window.get()));
    // The toolbar lies over the banner, not under it.
    auto* banner = fixture.find<QLabel>(QStringLiteral("Picture2"));
    QVERIFY(banner != nullptr);
    const QObjectList& stack = toolbar->parent()->children();
    QVERIFY(stack.indexOf(toolbar) > stack.indexOf(banner));
  }

  void bannerShowsItsFullSizeImage() {
    auto* banner = fixture.find<QLabel>(QStringLiteral("Picture2"));
    QVERIFY(banner != nullptr);
    QCOMPARE(banner->pixmap().size(), QSize(662, 70));
  }

  void statusBarHasThreePanelsWithoutAnInventedAddress() {
    auto* status = fixture.find<QStatusBar>(QStringLiteral("statusIndicator"));
    QVERIFY(status != nullptr);
    const QList<QLabel*> panels = status->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(panels.size(), 3);
    QCOMPARE(panels[0]->text(), QStringLiteral("Quillmere"));
    QCOMPARE(panels[1]->text(), QString());
    QVERIFY(!panels[2]->text().isEmpty());
    QVERIFY(!panels[2]->text().contains(QStringLiteral("www")));
    QVERIFY(!panels[2]->text().contains(QStringLiteral("://")));
    QVERIFY(panels[0]->x() < panels[1]->x() && panels[1]->x() < panels[2]->x());
    QVERIFY(!status->isSizeGripEnabled());
  }

  void previewGridHasFixedHeaderRowAndHiddenHeaderColumn() {
    auto* grid = fixture.find<QTableView>(QStringLiteral("sourceExcelData"));
    QVERIFY(grid != nullptr);
    // Grid row 0 is the header row; column 0, the row numbers, is hidden. Before a load the
    // grid holds no cells at all.
    QVERIFY(!grid->horizontalHeader()->isHidden());
    QVERIFY(grid->verticalHeader()->isHidden());
    QCOMPARE(grid->model()->rowCount(), 0);
    QCOMPARE(grid->model()->columnCount(), 0);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY2(!grid->tabKeyNavigation(), "Tab must leave the grid rather than walk its cells");
  }

  void progressTimerIsStoppedAt400Milliseconds() {
    auto* timer = fixture.window->findChild<QTimer*>(QStringLiteral("progressBar"));
    QVERIFY(timer != nullptr);
    QCOMPARE(timer->interval(), 400);
    QVERIFY(!timer->isActive());
    QVERIFY(!timer->isSingleShot());
    auto* bar = fixture.find<QProgressBar>(QStringLiteral("statusBar"));
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
  }

  void versionOptionsAreExclusiveWithOpt2Selected() {
    auto* opt2 = fixture.find<QRadioButton>(QStringLiteral("Opt2"));
    auto* opt3 = fixture.find<QRadioButton>(QStringLiteral("Opt3"));
    auto* opt4 = fixture.find<QRadioButton>(QStringLiteral("Opt4"));
    QVERIFY(opt2 && opt3 && opt4);
    QVERIFY(opt2->isChecked() && !opt3->isChecked() && !opt4->isChecked());
    QCOMPARE(fixture.window->vCardVersion(), quillmere::core::VCardVersion::V21);
    QVERIFY(opt2->group() != nullptr && opt2->group()->exclusive());
    QCOMPARE(opt3->group(), opt2->group());
    QCOMPARE(opt4->group(), opt2->group());

    opt4->setChecked(true);
    QVERIFY(!opt2->isChecked() && !opt3->isChecked() && opt4->isChecked());
    opt3->setChecked(true);
    QVERIFY(!opt2->isChecked() && opt3->isChecked() && !opt4->isChecked());
    opt2->setChecked(true);
    QVERIFY(opt2->isChecked() && !opt3->isChecked() && !opt4->isChecked());
  }

  void checkBoxesStartUncheckedWithoutText() {
    for (const char* name : {"chkNotNull", "ChkSinglevCard", "chkNumbersAsShown"}) {
      auto* box = fixture.find<QCheckBox>(QString::fromLatin1(name));
      QVERIFY2(box != nullptr, name);
      QVERIFY2(!box->isChecked(), name);
      QVERIFY2(box->text().isEmpty(), name);
    }
  }

  // The controls added beside the original ones sit in free space of their page: they
  // overlap no other control, the counters and the progress bar that appear later included.
  void addedControlsOverlapNothingOnTheirPage() {
    for (const char* name :
         {"cmdMatchByName", "cmdPreview", "cmdSaveReport", "chkNumbersAsShown", "lblNumbersAsShown",
          "chkMoreFields", "chkInternationalPhones", "lblPhoneCountry", "cmbPhoneCountry"}) {
      QWidget* added = fixture.find(QString::fromLatin1(name));
      QVERIFY2(added != nullptr, name);
      const QList<QWidget*> others =
          added->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
      QVERIFY(others.size() >= 7);
      for (const QWidget* other : others) {
        if (other == added) continue;
        QVERIFY2(!added->geometry().intersects(other->geometry()),
                 qPrintable(QStringLiteral("%1 overlaps %2").arg(name, other->objectName())));
      }
    }
  }

  void versionOptionsSayWhereEachVersionWorksBest_data() {
    QTest::addColumn<QStringList>("words");
    QTest::newRow("Opt2") << QStringList{QStringLiteral("older phones"),
                                         QStringLiteral("desktop mail programs"),
                                         QStringLiteral("CardDAV servers refuse it")};
    QTest::newRow("Opt3") << QStringList{QStringLiteral("most address books"),
                                         QStringLiteral("both phone platforms")};
    QTest::newRow("Opt4") << QStringList{QStringLiteral("newest apps"),
                                         QStringLiteral("stock Android contacts app refuses it")};
  }

  void versionOptionsSayWhereEachVersionWorksBest() {
    QFETCH(QStringList, words);
    QWidget* option = fixture.find(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(option != nullptr);
    for (const QString& word : words)
      QVERIFY2(option->toolTip().contains(word), qPrintable(option->toolTip()));
    // Assistive technology hears the same advice.
    QCOMPARE(option->accessibleDescription(), option->toolTip());
  }

  void captionsFitTheirControlsInTheInstalledFonts() {
    const QStringList clipped = fixture.clippedCaptions();
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'|')));
  }
};

QTEST_MAIN(FrmMainLayoutTest)
#include "FrmMainLayoutTest.moc"
