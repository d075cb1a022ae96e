#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTableWidget;
class QTimer;
class QToolBar;

namespace quillmere::ui {

class Prompts;
class Shell;
class StepTabWidget;
class TabPage;
class frmAbout;

// The program's one main window: the three-step wizard with its menu, toolbar and status
// bar. Every control sits at a fixed place; every dialog and desktop action goes through
// the Prompts and Shell it is given, which must outlive it.
class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 640;
  static constexpr int kClientHeight = 490;
  static constexpr int kGridRows = 1000;
  static constexpr int kGridColumns = 100;
  static constexpr int kTimerIntervalMs = 400;

  frmMain(Prompts& prompts, Shell& shell, QWidget* parent = nullptr);

  // The vCard version the export writes: "2.1", "3.0" or "4.0".
  const QString& vCardVersion() const { return vCardVersion_; }

 public slots:
  void cmdBrowse_Click();
  void Exit_Click();
  void AboutUs_Click();
  void Help_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Initialize();
  void Form_Load();

  void buildMenus();
  void buildFrame();
  void buildSelectPage();
  void buildMapPage();
  void buildExportPage();
  void setFocusOrder();
  void centreOnScreen();

  Prompts& prompts_;
  Shell& shell_;

  QString vCardVersion_;
  // The file dialog remembers its last choice; a cancelled dialog hands that back.
  QString lastWorkbook_;
  QPointer<frmAbout> about_;

  QAction* Exit_ = nullptr;
  QAction* AboutUs_ = nullptr;
  QAction* Help_ = nullptr;
  QAction* OpenExcel_ = nullptr;

  QWidget* client_ = nullptr;
  QToolBar* mainToolBar_ = nullptr;
  QLabel* Picture2_ = nullptr;
  QFrame* Line3_ = nullptr;
  StepTabWidget* ExportTab_ = nullptr;
  TabPage* pageSelect_ = nullptr;
  TabPage* pageMap_ = nullptr;
  TabPage* pageExport_ = nullptr;
  QPushButton* cmdPrevious_ = nullptr;
  QPushButton* cmdNext_ = nullptr;
  QStatusBar* statusIndicator_ = nullptr;
  QLabel* panelProduct_ = nullptr;
  QLabel* panelItems_ = nullptr;
  QLabel* panelAbout_ = nullptr;
  QTimer* progressBar_ = nullptr;

  QLabel* Label1_ = nullptr;
  QLineEdit* txtExcelPath_ = nullptr;
  QPushButton* cmdBrowse_ = nullptr;
  QLabel* Label13_ = nullptr;
  QLabel* Label6_ = nullptr;
  QFrame* Line1_ = nullptr;
  QTableWidget* sourceExcelData_ = nullptr;

  QLabel* Label2_ = nullptr;
  QComboBox* cmbHeader_ = nullptr;
  QLabel* Label5_ = nullptr;
  QComboBox* cmbOutlook_ = nullptr;
  QPushButton* cmdAddMapping_ = nullptr;
  QPushButton* cmdRemove_ = nullptr;
  QLabel* Label9_ = nullptr;
  QFrame* Line2_ = nullptr;
  QListWidget* mappedList_ = nullptr;

  QCheckBox* chkNotNull_ = nullptr;
  QLabel* Label10_ = nullptr;
  QCheckBox* ChkSinglevCard_ = nullptr;
  QLabel* Label11_ = nullptr;
  QLabel* Label12_ = nullptr;
  QRadioButton* Opt2_ = nullptr;
  QRadioButton* Opt3_ = nullptr;
  QRadioButton* Opt4_ = nullptr;
  QButtonGroup* versionGroup_ = nullptr;
  QLabel* lblNotNullLabel_ = nullptr;
  QLabel* lblNotNullCount_ = nullptr;
  QLabel* contactCountLabel_ = nullptr;
  QLabel* lblContactCount_ = nullptr;
  QProgressBar* statusBar_ = nullptr;
  QLabel* Label7_ = nullptr;
  QLineEdit* txtvCardSavePath_ = nullptr;
  QPushButton* CmdChangevCardPath_ = nullptr;
};

}  // namespace quillmere::ui
