#include "tests/ui/WindowFixture.h"

#include <QFile>
#include <QFontInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocumentFragment>

namespace quillmere::ui::test {

void WindowFixture::keepSettingsInATestFolder() {
  static QTemporaryDir settings;
  static const bool kept = [] {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    return true;
  }();
  static_cast<void>(kept);
}

namespace {

// What a caption shows: "&" marks the access key, "&&" shows one "&".
QString shownText(QString caption) {
  caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  caption.remove(QLatin1Char('&'));
  caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return caption;
}

}  // namespace

void WindowFixture::finish() {
  const auto unused = [](bool empty, const char* what) {
    if (!empty) QTest::qFail(what, __FILE__, __LINE__);
  };
  unused(prompts.workbookAnswers.empty(), "a scripted file answer was not asked for");
  unused(prompts.folderAnswers.empty(), "a scripted folder answer was not asked for");
  unused(prompts.messageAnswers.empty(), "a scripted message answer was not used");
  window.reset();
  prompts = {};
  shell = {};
  clock = {};
}

QString WindowFixture::text(const char* name) const {
  QWidget* widget = find(QString::fromLatin1(name));
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  return QStringLiteral("<no text control %1>").arg(QLatin1String(name));
}

QString WindowFixture::gridText(int row, int column) const {
  auto* grid = find<QTableView>(QStringLiteral("sourceExcelData"));
  if (grid == nullptr) return QStringLiteral("<no grid>");
  const QAbstractItemModel* model = grid->model();
  if (row == 0) return model->headerData(column, Qt::Horizontal).toString();
  return model->index(row - 1, column).data().toString();
}

int WindowFixture::gridDataRows() const {
  auto* grid = find<QTableView>(QStringLiteral("sourceExcelData"));
  return grid != nullptr ? grid->model()->rowCount() : -1;
}

int WindowFixture::gridColumns() const {
  auto* grid = find<QTableView>(QStringLiteral("sourceExcelData"));
  return grid != nullptr ? grid->model()->columnCount() : -1;
}

QString WindowFixture::itemsFound() const {
  auto* panel = find<QLabel>(QStringLiteral("panelItems"));
  return panel != nullptr ? panel->text() : QStringLiteral("<no panel>");
}

QStringList WindowFixture::clippedCaptions() const {
  QStringList clipped;
  for (const QWidget* widget : window->findChildren<QWidget*>()) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    QString caption = label != nullptr    ? label->text()
                      : button != nullptr ? button->text()
                                          : QString();
    // A link is measured as it reads, not as its markup.
    if (label != nullptr && label->textFormat() == Qt::RichText) {
      caption = QTextDocumentFragment::fromHtml(caption).toPlainText();
    }
    if (caption.isEmpty()) continue;
    const QFontMetrics metrics(widget->font());
    const int width = metrics.horizontalAdvance(shownText(caption));
    bool fits = widget->sizeHint().width() <= widget->width();
    if (label != nullptr && label->wordWrap()) {
      fits = label->heightForWidth(label->width()) <= label->height();
    } else if (label != nullptr) {
      fits = width <= label->width() && metrics.height() <= label->height();
    }
    if (!fits) {
      clipped << QStringLiteral("%1: %2 in %3 (%4)")
                     .arg(widget->objectName(), caption, QFontInfo(widget->font()).family())
                     .arg(width);
    }
  }
  auto* tabs = find<QTabWidget>(QStringLiteral("ExportTab"));
  for (int index = 0; tabs != nullptr && index < tabs->count(); ++index) {
    if (QFontMetrics(tabs->tabBar()->font()).horizontalAdvance(tabs->tabText(index)) >=
        tabs->tabBar()->tabRect(index).width()) {
      clipped << QStringLiteral("ExportTab: ") + tabs->tabText(index);
    }
  }
  return clipped;
}

QStringList WindowFixture::comboItems(const char* name) const {
  QStringList items;
  if (auto* combo = find<QComboBox>(QString::fromLatin1(name))) {
    for (int i = 0; i < combo->count(); ++i)
      items << combo->itemText(i);
  }
  return items;
}

QStringList WindowFixture::mappedEntries() const {
  QStringList entries;
  if (auto* list = find<QListWidget>(QStringLiteral("mappedList"))) {
    for (int i = 0; i < list->count(); ++i)
      entries << list->item(i)->text();
  }
  return entries;
}

QString WindowFixture::shownTab() const {
  auto* tabs = find<QTabWidget>(QStringLiteral("ExportTab"));
  return tabs != nullptr ? tabs->tabText(tabs->currentIndex()) : QString();
}

bool WindowFixture::choose(const char* comboName, const QString& itemText) const {
  auto* combo = find<QComboBox>(QString::fromLatin1(comboName));
  if (combo == nullptr || !combo->isEnabled()) return false;
  const int index = combo->findText(itemText, Qt::MatchExactly);
  if (index < 0) return false;
  combo->setCurrentIndex(index);
  return true;
}

bool WindowFixture::selectEntry(int row) const {
  auto* list = find<QListWidget>(QStringLiteral("mappedList"));
  if (list == nullptr || row >= list->count()) return false;
  list->setCurrentRow(row);
  return true;
}

QString TestFolder::write(const QString& name, const QByteArray& bytes) const {
  const QString file = path(name);
  QFile out(file);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
    QTest::qFail(qPrintable(QStringLiteral("could not write %1").arg(file)), __FILE__, __LINE__);
  }
  return file;
}

}  // namespace quillmere::ui::test
