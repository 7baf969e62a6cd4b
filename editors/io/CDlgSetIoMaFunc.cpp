#include "editors/io/CDlgSetIoMaFunc.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "checks/c_number.h"
#include "editors/io/sample_counts.h"
#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr double kLimit = 10000000000.0;

enum class Form : std::uint8_t { Real, Int, Samples, TimeUnit };
struct ConstantSetup {
  bool a;  // A<index> rather than K<index>
  std::int8_t index;
  int labelId;
  int messageId;
  Form form = Form::Real;
  double min = -kLimit, max = kLimit;
};
// The rule between two constants after the range checks: the message when
// the first is equal to (or, for the limiter, not below) the second.
struct PairRule {
  std::int8_t first, second;  // K indexes
  int messageId;
  bool ordered;  // first must be below second
};
struct FunctionSetup {
  int equationId;  // equation or formula text; 0 none
  int inputs;      // X1..X<inputs>
  bool noDi;       // the Type lists hold AI, PI and MA only
  std::initializer_list<ConstantSetup> constants;
  std::initializer_list<PairRule> rules;
};

const ConstantSetup kK1{false, 1, text::kK1, text::kK1Error};
const ConstantSetup kK2{false, 2, text::kK2, text::kK2Error};
const ConstantSetup kK3{false, 3, text::kK3, text::kK3Error};
const ConstantSetup kA0{true, 0, text::kA0, text::kA0Error};
const ConstantSetup kA1{true, 1, text::kA1, text::kA1Error};
const ConstantSetup kA2{true, 2, text::kA2, text::kA2Error};

// Indexed by function; checks run in the order the constants stand here.
const FunctionSetup kFunctions[kMaFunctionCount] = {
    {0, 0, false, {}, {}},
    {text::kEquationAdd, 3, false, {kK1, kK2, kA0, kK3}, {}},
    {text::kEquationMul, 2, false, {kK1, kK2, kA0, kA1, kA2}, {}},
    {text::kEquationDiv, 2, false, {kK1, kK2, kA0, kA1, kA2}, {}},
    {text::kFormulaSqrt, 1, false, {kK1}, {}},
    {0, 1, false, {{false, 1, text::kMovingAverageSamples, 0, Form::Samples}}, {}},
    {0, 1, false, {{false, 1, text::kTimeConstant, text::kTimeConstantError, Form::Int, 0, 100}}, {}},
    {text::kEquationMax, 1, false, {}, {}},
    {text::kEquationMin, 1, false, {}, {}},
    {text::kFormulaExp, 1, false, {}, {}},
    {text::kEquationLog, 1, false, {}, {}},
    {text::kEquationLn, 1, false, {}, {}},
    {0,
     1,
     true,
     {{false, 1, text::kCounterRate, text::kCounterRateError, Form::Int, 0, 10000},
      {false, 2, text::kTimeUnit, 0, Form::TimeUnit},
      {false, 3, text::kLowEndCutoutPercent, text::kLowEndCutoutPercentError, Form::Real, 0, 120},
      {false, 4, text::kZeroEu, text::kZeroEuError},
      {false, 5, text::kSpanEu, text::kSpanEuError}},
     {{4, 5, text::kZeroEqualsSpanError, false}}},
    {text::kFormulaPower, 1, false, {{false, 1, text::kExponent, text::kK1Error}}, {}},
    {text::kFormulaF,
     1,
     true,
     {{false, 1, text::kRefTemp, text::kK1Error}, {false, 2, text::kZValue, text::kK2Error, Form::Real, 0.001, kLimit}},
     {}},
    {0,
     1,
     false,
     {{false, 1, text::kInputZero, text::kInputZeroError},
      {false, 2, text::kInputSpan, text::kInputSpanError},
      {false, 3, text::kOutputZero, text::kOutputZeroError, Form::Real, -2000, 12000},
      {false, 4, text::kOutputSpan, text::kOutputSpanError, Form::Real, -2000, 12000}},
     {{1, 2, text::kInputZeroEqualsSpanError, false}, {3, 4, text::kOutputZeroEqualsSpanError, false}}},
    {0,
     1,
     false,
     {{false, 1, text::kLowerLimit, text::kLowerLimitError}, {false, 2, text::kUpperLimit, text::kUpperLimitError}},
     {{1, 2, text::kLimiterOrderError, true}}},
};

// The defaults a function starts with (K index, value).
struct Default {
  int function;
  std::int8_t k;
  double value;
};
constexpr Default kDefaults[] = {
    {kMaAdd, 1, 1},       {kMaAdd, 2, 1},         {kMaAdd, 3, 1},         {kMaMultiply, 1, 1},
    {kMaMultiply, 2, 1},  {kMaDivide, 1, 1},      {kMaDivide, 2, 1},      {kMaSquareRoot, 1, 1},
    {kMaPower, 1, 1},     {kMaMovingAverage, 1, 4}, {kMaAnalogSum, 1, 10000}, {kMaAnalogSum, 5, 10000},
    {kMaFValue, 1, 120},  {kMaFValue, 2, 10},     {kMaScaling, 2, 10000}, {kMaScaling, 4, 10000},
    {kMaLimiter, 2, 100},
};

// "AI", "DI", "PI", "MA" by the stored kind.
constexpr int kKindTexts[] = {text::kAi, text::kDi, text::kPi, text::kMa};

const RefKind* Kinds(bool noDi) {
  static const RefKind all[] = {{0, &FamilyOf(FamilyId::Ai)},
                                {1, &FamilyOf(FamilyId::Di)},
                                {2, &FamilyOf(FamilyId::Pi)},
                                {3, &FamilyOf(FamilyId::Ma)}};
  static const RefKind noDiKinds[] = {{0, &FamilyOf(FamilyId::Ai)},
                                      {2, &FamilyOf(FamilyId::Pi)},
                                      {3, &FamilyOf(FamilyId::Ma)}};
  return noDi ? noDiKinds : all;
}

double ValueOf(const QWidget* field) {
  const auto* edit = qobject_cast<const QLineEdit*>(field);
  return edit ? ParseDouble(Units(edit->text())).value : 0;
}

}  // namespace

void ResetFunction(MaFunctionBlock& block, int function) {
  block.CONST = {};
  for (ChannelRef& x : block.INPUT.X) x = {0, 1};
  for (const Default& d : kDefaults)
    if (d.function == function) block.CONST.K[d.k] = d.value;
}

CDlgSetIoMaFunc::CDlgSetIoMaFunc(QWidget* parent, const SettingData& record, int function, MaFunctionBlock& block,
                                 UiPort& ui)
    : ItemEditor(parent, ui), function_(std::clamp(function, 1, kMaFunctionCount - 1)) {
  const FunctionSetup& setup = kFunctions[function_];
  setWindowTitle(QUtf8Text(FormatText(text::kMaFunctionTitle, LoadText(text::kMaFunctions[function_]).data())));
  auto* form = new QFormLayout;
  if (setup.equationId) {
    auto* equation = new QLabel(Tx(setup.equationId), this);
    form->addRow(new QLabel(Tx(text::kEquation), this), equation);
  }
  const std::span<const RefKind> kinds(Kinds(setup.noDi), setup.noDi ? 3 : 4);
  const int xLabels[] = {text::kX1, text::kX2, text::kX3};
  for (int i = 0; i < setup.inputs; ++i) {
    inputType[i] = new QComboBox(this);
    for (const RefKind& k : kinds) inputType[i]->addItem(Tx(kKindTexts[k.kind]));
    inputCh[i] = new QComboBox(this);
    ChannelChoice(inputType[i], inputCh[i], block.INPUT.X[i + 1], kinds, record);
    auto* row = new QHBoxLayout;
    row->addWidget(inputType[i]);
    row->addWidget(inputCh[i]);
    form->addRow(new QLabel(Tx(xLabels[i]), this), row);
    Name(inputType[i], SubName(xLabels[i], text::kErrOutType));
    Name(inputCh[i], SubName(xLabels[i], text::kErrOutCh));
  }
  int n = 0;
  for (const ConstantSetup& c : setup.constants) {
    double& target = c.a ? block.CONST.A[c.index] : block.CONST.K[c.index];
    double* t = &target;
    switch (c.form) {
      case Form::Real: {
        QLineEdit* edit = EditField(this, 120);
        fields_.Real(edit, target);
        constant[n] = edit;
        break;
      }
      case Form::Int: {
        // Shown as the stored real cut toward zero, whatever its size, and
        // stored so on OK: a delay of 4.7 shows and keeps "4".
        QLineEdit* edit = EditField(this, 120);
        fields_.Custom(
            edit, [edit, t] { edit->setText(QString::asprintf("%.0f", std::trunc(*t) + 0.0)); },
            [edit] { return edit->text(); },
            [edit, t] {
              const auto parsed = ParseLong(Units(edit->text()));
              if (parsed.Whole(Units(edit->text()).size())) *t = static_cast<double>(parsed.value);
            },
            [t] { return std::trunc(*t) == *t; });
        constant[n] = edit;
        break;
      }
      case Form::Samples: {
        QComboBox* list = SampleCountList(this);
        BindSampleCount(fields_, list, target);
        constant[n] = list;
        break;
      }
      case Form::TimeUnit: {
        QComboBox* list = ChoiceList(this, {text::kTimeMinute, text::kTimeHour, text::kTimeDay});
        // A unit outside the list shows "Minute", and OK stores it so.
        const auto listed = [t] { return *t == 0 || *t == 1 || *t == 2; };
        fields_.Custom(
            list, [list, t, listed] { list->setCurrentIndex(listed() ? static_cast<int>(*t) : 0); },
            [list] { return QString::number(list->currentIndex()); },
            [list, t] { *t = std::max(list->currentIndex(), 0); }, listed);
        constant[n] = list;
        break;
      }
    }
    form->addRow(FieldLabel(this, c.labelId, constant[n]), constant[n]);
    ++n;
  }
  const FootButtons foot = OkCancelColumn({form});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
  // A stored kind the Type list lacks (a DI where only AI, PI and MA are
  // offered) shows AI, CH 1, and is written so on OK.
  for (int i = 0; i < setup.inputs; ++i) {
    if (inputType[i]->currentIndex() >= 0) continue;
    inputType[i]->setCurrentIndex(0);
    FillChannels(inputCh[i], record, kinds[0].family);
    inputCh[i]->setCurrentIndex(0);
  }
}

QWidget* CDlgSetIoMaFunc::Constant(bool a, int index) const {
  int n = 0;
  for (const auto& c : kFunctions[function_].constants) {
    if (c.a == a && c.index == index) return constant[n];
    ++n;
  }
  return nullptr;
}

QLineEdit* CDlgSetIoMaFunc::Field(bool a, int index) const { return qobject_cast<QLineEdit*>(Constant(a, index)); }

QComboBox* CDlgSetIoMaFunc::List(bool a, int index) const { return qobject_cast<QComboBox*>(Constant(a, index)); }

bool CDlgSetIoMaFunc::Validate() {
  const FunctionSetup& setup = kFunctions[function_];
  int n = 0;
  for (const ConstantSetup& c : setup.constants) {
    const QWidget* field = constant[n++];
    if (c.form == Form::Real && !checks_.Real(field, c.messageId, c.min, c.max)) return false;
    if (c.form == Form::Int &&
        !checks_.Int(field, static_cast<std::int32_t>(c.min), static_cast<std::int32_t>(c.max), c.messageId))
      return false;
  }
  for (const PairRule& r : setup.rules) {
    const double first = ValueOf(Field(false, r.first)), second = ValueOf(Field(false, r.second));
    if (r.ordered ? !(first < second) : first == second) return checks_.Refuse(LoadText(r.messageId));
  }
  return true;
}

bool RunMaFunction(QWidget* parent, const SettingData& record, int function, MaFunctionBlock& block, UiPort& ui) {
  CDlgSetIoMaFunc screen(parent, record, function, block, ui);
  return screen.exec() == QDialog::Accepted;
}

}  // namespace tk48
