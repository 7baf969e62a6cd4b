#pragma once
// The search of the configuration on screen: a search field over the result
// list (path, section, value, in use), and the "Where is it used" view of a
// channel's references. The list is model/view over the hits, so a hundred
// thousand of them cost no widget per row. Enter or a double-click on a hit
// opens the screen that edits it (OpenPath, editors/toolkit/screen_env.h), the field focused.
#include <QAbstractTableModel>
#include <QDialog>
#include <QTableView>
#include <QWidget>
#include <string_view>
#include <vector>

#include "model/setting_data.h"
#include "query/find.h"

class QLabel;
class QLineEdit;

namespace tk48 {

class UiPort;

class FindModel : public QAbstractTableModel {
 public:
  explicit FindModel(QObject* parent) : QAbstractTableModel(parent) {}
  void SetHits(std::vector<FindHit> hits);
  const std::vector<FindHit>& Hits() const { return hits_; }
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<FindHit> hits_;
};

// The result list. Enter and a double-click open the hit's screen on the
// record; the values are searched again afterwards, so the list shows what the
// record holds now.
class FindResults : public QTableView {
  Q_OBJECT

 public:
  FindResults(QWidget* parent, SettingData& record, UiPort& ui);
  void SetHits(std::vector<FindHit> hits);
  const std::vector<FindHit>& Hits() const { return model_->Hits(); }
  // Opens the screen of hit `row`; tells the user when no screen edits it.
  void Open(int row);
  int CurrentRow() const { return currentIndex().row(); }

 signals:
  void Opened();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  SettingData& record_;
  UiPort& ui_;
  FindModel* model_;
};

// The hub's search: the field (Ctrl+F) and the result list. A text that looks
// like a path pattern (a '.', '[' or '*' and no space: "IO.AI[7].*") searches
// the paths, and the values when no path matches; any other text searches the
// values, case-insensitive. Passwords are listed as "(set)" and their values
// are never searched.
class FindPanel : public QWidget {
  Q_OBJECT

 public:
  FindPanel(QWidget* parent, SettingData& record, UiPort& ui);
  QLineEdit* Field() const { return field_; }
  FindResults* Results() const { return results_; }
  QLabel* Status() const { return status_; }
  // Ctrl+F: the field, its text selected.
  void FocusField();
  void Search();
  // The last search again, after the record was edited elsewhere (a section
  // opened by its own button), so the list shows what the record now holds.
  void Refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SettingData& record_;
  QLineEdit* field_;
  FindResults* results_;
  QLabel* status_;
  QString searched_;

  void Show(const QString& text);
};

// Whether `text` reads as a path pattern rather than a value.
bool LooksLikePath(std::string_view text);
// The hits of `text` as the hub's search field takes it.
std::vector<FindHit> SearchRecord(const SettingData& record, std::string_view text);

// "Where is AI005 used": every field that refers to the channel, in the
// result list; Back, Enter on no hit and Esc close it.
class WhereUsedView : public QDialog {
  Q_OBJECT

 public:
  WhereUsedView(QWidget* parent, SettingData& record, UiPort& ui, const QString& channel);
  FindResults* Results() const { return results_; }

 private:
  FindResults* results_;
};

}  // namespace tk48
