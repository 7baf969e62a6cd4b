#pragma once
// "Function setting (%s)": the inputs and constants of one of the sixteen
// functions of an analog function register, on the MA editor's working copy
// (MaFunctionBlock). One screen driven by a table of the functions: which
// inputs (X1 to X3) it takes and from which families, which constants it
// shows with their labels, forms, ranges and messages in check order, and
// the rule between two of them. Constants and inputs a function does not
// show keep their values.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/toolkit/item_editor.h"
#include "model/setting_data.h"

namespace tk48 {

// What a function setting screen edits: the constants and the inputs.
struct MaFunctionBlock {
  MaConst CONST;
  MaInput INPUT;
};

template <class Channel>
MaFunctionBlock FunctionOf(const Channel& ch) {
  return {ch.CONST, ch.INPUT};
}

// Function indexes (the stored TYPE).
enum MaFunction {
  kMaDisable, kMaAdd, kMaMultiply, kMaDivide, kMaSquareRoot, kMaMovingAverage, kMaDelayBuffer, kMaPeak, kMaValley,
  kMaExp, kMaLog, kMaLn, kMaAnalogSum, kMaPower, kMaFValue, kMaScaling, kMaLimiter, kMaFunctionCount
};

// A change of function: every constant 0, every input AI001, then the
// function's own defaults.
void ResetFunction(MaFunctionBlock& block, int function);

class CDlgSetIoMaFunc : public ItemEditor {
  Q_OBJECT

 public:
  static constexpr int kInputs = 3, kConstants = 5;

  CDlgSetIoMaFunc(QWidget* parent, const SettingData& record, int function, MaFunctionBlock& block, UiPort& ui);

  QComboBox* inputType[kInputs] = {};  // X1..X3; null where the function takes fewer
  QComboBox* inputCh[kInputs] = {};
  // The constants shown, in check order: a line edit or a list.
  QWidget* constant[kConstants] = {};
  QPushButton* okButton;
  QPushButton* cancelButton;

  // The field of K<index> (or A<index>), null when the function does not show it.
  QLineEdit* Field(bool a, int index) const;
  QComboBox* List(bool a, int index) const;

 protected:
  void UpdateEnables() override {}
  bool Validate() override;

 private:
  QWidget* Constant(bool a, int index) const;

  int function_;
};

bool RunMaFunction(QWidget* parent, const SettingData& record, int function, MaFunctionBlock& block, UiPort& ui);

}  // namespace tk48
