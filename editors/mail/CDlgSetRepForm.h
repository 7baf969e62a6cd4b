#pragma once
// "Mail template": the 128 templates, the template screen, and its two
// choosers (recipients from the address list, attached channel data), which
// edit the template screen's copies and store them on its OK.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdint>

#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"
#include "editors/toolkit/working_copy.h"
#include "model/setting_data.h"

namespace tk48 {

inline constexpr int kMailTemplateCount = 128;
inline constexpr int kAttachedChannels = 32;

struct MailRecipients {
  std::int32_t DST[64];
};
struct MailAttachments {
  ChannelRef CH[kAttachedChannels];
};

class CDlgSetRepFormConf : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetRepFormConf(QWidget* parent, SettingData& record, int index, UiPort& ui);

  QComboBox* mode;
  QPushButton* recipientsButton;
  QLineEdit* subject;
  QPlainTextEdit* body;
  QComboBox* period;
  QComboBox* businessHour;
  QPushButton* channelsButton;
  QComboBox* file;
  QComboBox* successMode;
  QComboBox* successType;
  QComboBox* successChannel;

  const MailRecipients& recipients() const { return recipients_.get(); }
  const MailAttachments& attachments() const { return attachments_.get(); }

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  void Commit() override;

 private:
  MailForm& form_;
  WorkingCopy<MailRecipients> recipients_;
  WorkingCopy<MailAttachments> attachments_;
};

// One recipient: "To" is "None" or "To".
class CDlgSetRepDstConf : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetRepDstConf(QWidget* parent, std::int32_t& to, int index, UiPort& ui);
  QComboBox* to;

 protected:
  void UpdateEnables() override {}
  bool Validate() override { return true; }
};

// One attached channel ("CH%02d"): "Disable" stores NONE with number 1.
class CDlgSetRepChConf : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetRepChConf(QWidget* parent, ChannelRef& ref, int index, const SettingData& record, UiPort& ui);
  QComboBox* type;
  QComboBox* channel;

 protected:
  void UpdateEnables() override;
  bool Validate() override { return true; }
};

ListScreenSetup FormListSetup(SettingData& record, UiPort& ui);
// The choosers over a template screen's copy: OK keeps the edits, Cancel
// drops them (the caller runs them on a scratch copy).
ListScreenSetup RecipientChooserSetup(const SettingData& record, MailRecipients& dst, UiPort& ui);
ListScreenSetup ChannelChooserSetup(const SettingData& record, MailAttachments& ch, UiPort& ui);

bool RunSetRepForm(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
