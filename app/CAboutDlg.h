#pragma once
// The About box: "TK48GCFG Version" and the program's version.
#include <QDialog>

namespace tk48 {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace tk48
