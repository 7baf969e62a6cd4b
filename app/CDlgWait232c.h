#pragma once
// CDlgWait232c: the "Please wait" dialog of a USB transfer.
#include "app/wait_dialog.h"

namespace tk48 {

class CDlgWait232c : public WaitDialog {
  Q_OBJECT
 public:
  using WaitDialog::WaitDialog;
};

}  // namespace tk48
