#include "ui/MainFrame.h"

#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/QtText.h"
#include "ui/SeparatorLine.h"
#include "ui/StepTabWidget.h"
#include "ui/TabPage.h"
#include "ui/TransparentToolBar.h"
#include "ui/Twips.h"

namespace quillmere::ui {

using controls::button;
using controls::label;
using controls::named;

namespace {

constexpr int kTabHeightTwips = 520;

}  // namespace

MainFrame::MainFrame(QMainWindow& window, const QString& aboutPanelText) {
  buildMenus(window);

  auto* client = new QWidget(&window);
  client->setObjectName(QStringLiteral("client"));
  client->setAccessibleName(productName());
  client->setFixedSize(kClientWidth, kClientHeight);
  window.setCentralWidget(client);

  QLabel* banner = named(new QLabel(client), "Picture2", tr("Quillmere banner"), Fonts::verdana());
  banner->setGeometry(twipsRect(0, 40, 9615, 1215));
  banner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  banner->setPixmap(QPixmap(QStringLiteral(":/quillmere/banner.png")));
  // The picture leaves its tagline out so the window can say it in the user's language, in
  // the picture's type and green, where banner.svg notes it stood (x 182, baseline 55), with
  // room up to the icon.
  QFont taglineFont = Fonts::verdana();
  taglineFont.setPixelSize(12);
  taglineFont.setWordSpacing(0);
  QLabel* tagline =
      label("lblTagline", tr("Spreadsheet contacts to vCard files in three steps"), taglineFont);
  tagline->setParent(client);
  const QFontMetrics taglineMetrics(taglineFont);
  tagline->setGeometry(182, banner->y() + 55 - taglineMetrics.ascent(), 390,
                       taglineMetrics.height());
  controls::setTextColour(tagline, QColor(0x1f, 0x7a, 0x4d));

  // The toolbar lies over the banner's top edge; it is made after the banner so it stays on top.
  QToolBar* toolBar = named(new TransparentToolBar(tr("Main Toolbar"), client), "mainToolBar",
                            tr("Main Toolbar"), Fonts::verdana());
  toolBar->setGeometry(twipsRect(0, 0, 9600, 660));
  toolBar->setMovable(false);
  toolBar->setFloatable(false);
  toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  OpenExcel = toolBar->addAction(tr("Open Excel"));
  OpenExcel->setObjectName(QStringLiteral("OpenExcel"));
  if (auto* openButton = qobject_cast<QToolButton*>(toolBar->widgetForAction(OpenExcel))) {
    openButton->setObjectName(QStringLiteral("OpenExcelButton"));
    openButton->setAccessibleName(tr("Open Excel"));
  }

  SeparatorLine* rule = controls::line("Line3");
  rule->setParent(client);
  rule->setGeometry(0, twips(1260), twips(9600), 1);

  buildSteps(client);
  buildStatusBar(client, aboutPanelText);
}

void MainFrame::buildMenus(QMainWindow& window) {
  QMenuBar* bar = window.menuBar();
  QMenu* file = bar->addMenu(tr("File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  file->setAccessibleName(tr("File"));
  NewConversion = file->addAction(tr("&New Conversion"));
  NewConversion->setObjectName(QStringLiteral("NewConversion"));
  NewConversion->setShortcut(QKeySequence::New);
  file->addSeparator();
  Exit = file->addAction(tr("&Exit"));
  Exit->setObjectName(QStringLiteral("Exit"));

  QMenu* about = bar->addMenu(tr("About"));
  about->setObjectName(QStringLiteral("mnuAbout"));
  about->setAccessibleName(tr("About"));
  AboutUs = about->addAction(tr("About Us"));
  AboutUs->setObjectName(QStringLiteral("AboutUs"));
  Help = about->addAction(tr("Help"));
  Help->setObjectName(QStringLiteral("Help"));

  bar->setAccessibleName(tr("Menu"));
}

void MainFrame::buildSteps(QWidget* client) {
  ExportTab = named(new StepTabWidget(twips(kTabHeightTwips), client), "ExportTab",
                    tr("Conversion Steps"), Fonts::tahoma());
  ExportTab->setGeometry(twipsRect(120, 1440, 9375, 4815));
  pageSelect = new TabPage(ExportTab);
  pageSelect->setObjectName(QStringLiteral("pageSelect"));
  pageMap = new TabPage(ExportTab);
  pageMap->setObjectName(QStringLiteral("pageMap"));
  pageExport = new TabPage(ExportTab);
  pageExport->setObjectName(QStringLiteral("pageExport"));
  ExportTab->addTab(pageSelect, tr("1. Select"));
  ExportTab->addTab(pageMap, tr("2. Map Columns"));
  ExportTab->addTab(pageExport, tr("3. Export"));
  for (int index = 0; index < ExportTab->count(); ++index) {
    ExportTab->widget(index)->setAccessibleName(ExportTab->tabText(index));
  }

  cmdPrevious = button("cmdPrevious", tr("<  Pre&vious"), tr("Previous"), Fonts::tahoma());
  cmdPrevious->setParent(client);
  cmdPrevious->setGeometry(twipsRect(5400, 6480, 1935, 495));
  cmdPrevious->setEnabled(false);

  // Free space left of the buttons, below the pages: three lines for a notice and one for the
  // link that acts on it, so a long notice never hides the link. Step 1 and step 3 each have
  // theirs; step 3 leaves room for the button beside Convert.
  const auto notice = [client](const char* name, const QRect& place) {
    QLabel* text = label(name, QString(), Fonts::tahoma(), tr("Notice"));
    text->setParent(client);
    text->setGeometry(place);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    text->setTextFormat(Qt::PlainText);
    text->setFocusPolicy(Qt::NoFocus);
    controls::setTextColour(text, QColor(160, 0, 0));
    text->hide();
    return text;
  };
  const auto link = [client](const char* name, const QString& purpose, const QRect& place) {
    auto* made = controls::named(new LinkLabel(), name, purpose, Fonts::tahoma());
    made->setParent(client);
    made->setGeometry(place);
    made->hide();
    return made;
  };
  lblLoadNotice = notice("lblLoadNotice", twipsRect(120, 6300, 5160, 780));
  lnkLoadNotice = link("lnkLoadNotice", tr("Read the headers from another row"),
                       twipsRect(120, 6885, 5160, 210));
  lblExportNotice = notice("lblExportNotice", twipsRect(120, 6300, 2340, 585));
  lnkExportNotice =
      link("lnkExportNotice", tr("Act on the notice"), twipsRect(120, 6885, 2340, 210));

  // Beside Convert on step 3: the cards go straight to an address book on a server.
  cmdSendToAddressBook = button("cmdSendToAddressBook", tr("Sen&d to Address Book..."),
                                tr("Send to Address Book"), Fonts::tahoma());
  cmdSendToAddressBook->setParent(client);
  cmdSendToAddressBook->setGeometry(twipsRect(2580, 6480, 2700, 495));
  cmdSendToAddressBook->setToolTip(
      tr("Sends the cards to a CardDAV address book (Nextcloud, Radicale and others), updating "
         "those sent before; says first what would change."));
  cmdSendToAddressBook->hide();

  cmdNext = button("cmdNext", tr("&Next >"), tr("Next"), Fonts::tahoma());
  cmdNext->setParent(client);
  cmdNext->setGeometry(twipsRect(7560, 6480, 1935, 495));
}

void MainFrame::buildStatusBar(QWidget* client, const QString& aboutPanelText) {
  QStatusBar* status =
      named(new QStatusBar(client), "statusIndicator", tr("Status"), Fonts::tahoma());
  status->setGeometry(twipsRect(0, 7095, 9600, 255));
  status->setSizeGripEnabled(false);
  status->setContentsMargins(0, 0, 0, 0);
  QLabel* panelProduct = label("panelProduct", productName(), Fonts::tahoma());
  panelItems = label("panelItems", QString(), Fonts::tahoma());
  panelAbout = label("panelAbout", aboutPanelText, Fonts::tahoma());
  for (QLabel* panel : {panelProduct, panelItems, panelAbout}) {
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  status->addWidget(panelProduct, 1);
  status->addWidget(panelItems, 1);
  status->addWidget(panelAbout, 2);
  // QStatusBar keeps a 3-pixel strip above its panels; in a 17-pixel bar that would clip the
  // panels' text, so it goes. The bar rebuilds its layout only when panels are added.
  if (QLayout* bar = status->layout(); bar != nullptr && bar->count() > 0) {
    if (QSpacerItem* strip = bar->itemAt(0)->spacerItem()) {
      strip->changeSize(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
      bar->invalidate();
    }
  }
}

void MainFrame::fitNotice(bool withLink) {
  lblLoadNotice->setGeometry(twipsRect(120, 6300, 5160, withLink ? 585 : 780));
}

}  // namespace quillmere::ui
