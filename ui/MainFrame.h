#pragma once

#include <QCoreApplication>

class QAction;
class QLabel;
class QMainWindow;
class QPushButton;
class QString;
class QWidget;

namespace quillmere::ui {

class LinkLabel;
class StepTabWidget;
class TabPage;

// What the main window shows around its steps: the menus, the banner with its toolbar, the
// step tabs with their (still empty) pages, Previous and Next, and the status bar with its
// three panels. It keeps the controls the window's handlers work with; Qt owns them all.
class MainFrame {
  Q_DECLARE_TR_FUNCTIONS(MainFrame)

 public:
  static constexpr int kClientWidth = 640;
  static constexpr int kClientHeight = 490;

  // Builds the menus into the window's menu bar and the rest as its central widget.
  MainFrame(QMainWindow& window, const QString& aboutPanelText);

  QAction* NewConversion = nullptr;
  QAction* Exit = nullptr;
  QAction* AboutUs = nullptr;
  QAction* Help = nullptr;
  QAction* OpenExcel = nullptr;

  StepTabWidget* ExportTab = nullptr;
  TabPage* pageSelect = nullptr;
  TabPage* pageMap = nullptr;
  TabPage* pageExport = nullptr;
  QPushButton* cmdPrevious = nullptr;
  QPushButton* cmdNext = nullptr;
  QLabel* panelItems = nullptr;
  QLabel* panelAbout = nullptr;
  // What a load of step 1 leaves unread or suggests, beside the wizard's buttons.
  QLabel* lblLoadNotice = nullptr;
  // Four lines for the notice, or three above its link.
  void fitNotice(bool withLink);
  LinkLabel* lnkLoadNotice = nullptr;  // acts on the notice: reads the headers from another row
  QLabel* lblExportNotice = nullptr;
  LinkLabel* lnkExportNotice = nullptr;  // leads to the pairs, or to the report
  QPushButton* cmdSendToAddressBook = nullptr;

 private:
  void buildMenus(QMainWindow& window);
  void buildSteps(QWidget* client);
  void buildStatusBar(QWidget* client, const QString& aboutPanelText);
};

}  // namespace quillmere::ui
