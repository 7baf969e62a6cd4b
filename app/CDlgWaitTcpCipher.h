#pragma once
// CDlgWaitTcpCipher: the "Please wait" dialog of a network transfer.
#include "app/wait_dialog.h"

namespace tk48 {

class CDlgWaitTcpCipher : public WaitDialog {
  Q_OBJECT
 public:
  using WaitDialog::WaitDialog;
};

}  // namespace tk48
