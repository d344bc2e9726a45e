#include "Sxfilters.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "Catalogue.h"
#include "FilterDrill.h"
#include "RadioGroup.h"
#include "DataFile.h"

TFilterForm* FilterForm = nullptr;

namespace {

constexpr int kBoxWidth = 110;
constexpr int kRowPitch = 30;
constexpr int kMargin = 30;  // frame padding, and the gap to the right-hand column

QPushButton* MakeButton(QWidget* parent, const QString& caption, int x, int y, int w, int h) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(x, y, w, h);
  return button;
}

FilterDrill* gFiltered = nullptr;

// The drill window the steps filter, while there is one; the choice is saved
// in the account's folder either way.
class DrillWindowSide : public FilteredDrillSide {
 public:
  int UseListOf(int noteCount) override { return gFiltered ? gFiltered->fillListOf(noteCount) : 0; }
  int ListLength() const override { return gFiltered ? std::clamp<int>(gFiltered->listLength(), 0, kMaxListLength) : 0; }
  void ShowRows(const std::vector<int32_t>& rows) override {
    if (gFiltered) gFiltered->answerRowsChosen(rows.data(), static_cast<int>(rows.size()));
  }
  void UseNoteCount(int noteCount) override {
    if (gFiltered) gFiltered->noteCountChosen(noteCount);
  }
  // A file that cannot be written is not reported; the settings stay in force.
  void Save(const FilterState& state) override { SaveFiltersFile(AccountFile(kFiltersFileName), state); }
  void FiltersApplied() override {
    if (gFiltered) gFiltered->filtersApplied();
  }
};

}  // namespace

TFilterForm::TFilterForm(FilterModel& model, QWidget* parent)
    : QDialog(parent), model_(model), side_(std::make_unique<DrillWindowSide>()), steps_(model_, *side_) {
  setWindowTitle(tr("FILTERS"));
  setModal(true);

  // The frame goes first so that it stays beneath the boxes it surrounds.
  Bevel1 = new QFrame(this);
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setGeometry(11, 25, 230, 501);
  Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);

  Label1 = new QLabel(tr("Trichords"), this);
  Label1->move(95, 30);
  Label1->adjustSize();

  RadioGroup2 = new TRadioGroup(QString(), {tr("TRICHORDS"), tr("TETRACHORDS")}, this);
  RadioGroup2->setGeometry(256, 20, 228, 90);
  RadioGroup2->SetItemIndex(0);

  RadioGroup1 = new TRadioGroup(QString(),
                                {tr("Sets in \"Closed Position\""), tr("Sets distributed within one octave"),
                                 tr("Sets distributed within two octaves")},
                                this);
  RadioGroup1->setGeometry(256, 117, 279, 102);
  RadioGroup1->SetItemIndex(0);

  SaveBox = new QCheckBox(tr("Save these settings for future sessions"), this);
  SaveBox->setGeometry(261, 241, 257, 21);
  // A longer caption in another language takes the width of the choices above it.
  {
    const int needed = SaveBox->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, SaveBox) +
                       SaveBox->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, SaveBox) +
                       SaveBox->fontMetrics().horizontalAdvance(SaveBox->text());
    SaveBox->resize(std::clamp(needed, SaveBox->width(), RadioGroup1->width()), SaveBox->height());
  }
  SaveBox->setChecked(true);

  Button1 = MakeButton(this, tr("OK"), 286, 286, 210, 29);
  Button1->setDefault(true);
  AllButton1 = MakeButton(this, tr("ALL"), 260, 342, 62, 31);
  AllButton1->setAutoDefault(false);
  NoneButton1 = MakeButton(this, tr("NONE"), 260, 382, 62, 30);
  NoneButton1->setAutoDefault(false);

  connect(Button1, &QPushButton::clicked, this, [this] { accept(); });
  connect(AllButton1, &QPushButton::clicked, this, [this] { AllButton1Click(); });
  connect(NoneButton1, &QPushButton::clicked, this, [this] { NoneButton1Click(); });
  // Wired after the defaults are set, so construction runs no handler.
  RadioGroup2->OnClick = [this] {
    model_.SetCardinality(RadioGroup2->ItemIndex());
    RadioGroup2Click();
  };
  RadioGroup1->OnClick = [this] { model_.SetRange(RadioGroup1->ItemIndex()); };
  model_.SetCardinality(RadioGroup2->ItemIndex());
  model_.SetRange(RadioGroup1->ItemIndex());

  // A box only marks the model; the drill takes the change when the window closes.
  for (size_t i = 0; i < SetClassBoxes.size(); ++i) {
    QCheckBox*& box = SetClassBoxes[i];
    box = new QCheckBox(this);
    box->setChecked(false);
    box->hide();
    box->resize(kBoxWidth, box->sizeHint().height());
    connect(box, &QCheckBox::toggled, this, [this, i](bool on) { model_.SetAsks(static_cast<int>(i), on); });
    model_.SetAsks(static_cast<int>(i), false);
  }
  listenKey_ = model_.Listen([this](FilterModel::Change change) { Follow(change); });

  // The drill window already exists: the page fills its cardinality list.
  BuildTrichordPage();
}

// The boxes are children of the window and go with it.
TFilterForm::~TFilterForm() { model_.StopListening(listenKey_); }

void TFilterForm::Follow(FilterModel::Change change) {
  // Setting a control writes the model back; those echoes change nothing.
  if (following_) return;
  following_ = true;
  try {
    if (change == FilterModel::Change::Applied) {
      const uint32_t marks = model_.Marks();
      ApplyFilters({static_cast<int32_t>(marks & 0xFFFFu), static_cast<int32_t>(marks >> 16), model_.ModeCode()});
    } else {
      // A new cardinality builds its page and checks all of it, as a click does.
      RadioGroup2->SetItemIndex(model_.Cardinality());
      RadioGroup1->SetItemIndex(model_.Range());
      ShowMarks();
    }
  } catch (...) {
    following_ = false;
    throw;
  }
  following_ = false;
}

namespace {
// The controls are set from the model for as long as it lives.
class Following {
 public:
  explicit Following(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~Following() { flag_ = was_; }
  Following(const Following&) = delete;
  Following& operator=(const Following&) = delete;

 private:
  bool& flag_;
  bool was_;
};
}  // namespace

template <class Steps>
void TFilterForm::Run(const Steps& steps) {
  const Following quiet(following_);
  steps();
}

void TFilterForm::ShowMarks() {
  const Following quiet(following_);
  for (size_t i = 0; i < SetClassBoxes.size(); ++i) SetClassBoxes[i]->setChecked(((model_.Marks() >> i) & 1u) != 0);
}

int TFilterForm::ShowModal() { return exec(); }

void TFilterForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

// --- settings ------------------------------------------------------------------

FilterDrill* FilteredDrill() { return gFiltered; }
void SetFilteredDrill(FilterDrill* drill) { gFiltered = drill; }

int TFilterForm::ListLength() const { return side_->ListLength(); }

bool TFilterForm::IsEnabled(int listIndex) const {
  if (listIndex < 0 || listIndex >= ListLength()) return false;
  return model_.Asks(listIndex);
}

int TFilterForm::RangeIndex() const { return model_.Range(); }
int TFilterForm::CardinalityIndex() const { return model_.Cardinality(); }
int TFilterForm::ModeCode() const { return RangeIndex() + 3 * CardinalityIndex(); }

std::array<bool, 32> TFilterForm::CheckedBoxes() const {
  std::array<bool, 32> checked{};
  for (size_t i = 0; i < checked.size(); ++i) checked[i] = ((model_.Marks() >> i) & 1u) != 0;
  return checked;
}

int32_t TFilterForm::EnabledMaskLow() const { return MaskLowOf(CheckedBoxes().data(), ListLength()); }
int32_t TFilterForm::EnabledMaskHigh() const { return MaskHighOf(CheckedBoxes().data(), ListLength()); }

void TFilterForm::GetFilterState(FilterState& state) const {
  state.LowMask = EnabledMaskLow();
  state.HighMask = EnabledMaskHigh();
  state.ModeCode = RangeIndex() + 3 * CardinalityIndex();
}

void TFilterForm::SetFilterState(FilterState& state, int32_t low, int32_t high, int32_t mode) {
  state.LowMask = low;
  state.HighMask = high;
  state.ModeCode = mode;
}

bool TFilterForm::SameFilterState(int32_t a1, int32_t a2, int32_t a3, int32_t b1, int32_t b2, int32_t b3) {
  return a1 == b1 && a2 == b2 && a3 == b3;
}

void TFilterForm::SaveFilters() const { side_->Save(steps_.State()); }

void TFilterForm::LoadFilters(FilterState& state) { state = LoadFiltersFile(AccountFile(kFiltersFileName)); }

void TFilterForm::ApplyFilters(const FilterState& state) {
  Run([&] { steps_.Apply(state); });
  LayOutPage(model_.Cardinality());
  // The page shown is the model's, so the groups' handlers change nothing.
  RadioGroup2->SetItemIndex(model_.Cardinality());
  RadioGroup1->SetItemIndex(model_.Range());
  ShowMarks();
}

// The drill window is handed the enabled list indices, in order.
void TFilterForm::FillAnswerList() { steps_.FillAnswerList(); }

// --- pages ---------------------------------------------------------------------

void TFilterForm::BuildTrichordPage() {
  Run([&] { steps_.BuildPage(0); });
  LayOutPage(0);
  ShowMarks();
}

void TFilterForm::BuildTetrachordPage() {
  Run([&] { steps_.BuildPage(1); });
  LayOutPage(1);
  ShowMarks();
}

void TFilterForm::LayOutPage(int page) {
  if (page == 0) {
    LayOutPage({20, 140}, 6, tr("trichords"), QStringLiteral("3 -"), 0);
  } else {
    LayOutPage({20, 160, 290}, 10, tr("tetrachords"), QStringLiteral("4 -"), 1);
  }
}

void TFilterForm::LayOutPage(std::initializer_list<int> columnOffsets, int rowsPerColumn, const QString& caption,
                             const QString& prefix, int page) {
  const int length = ListLength();

  for (QCheckBox* box : SetClassBoxes) {
    box->hide();
    box->resize(kBoxWidth, box->height());
  }

  const QRect frame = Bevel1->geometry();
  // With no boxes (no catalogue) the frame keeps the first column's size.
  int rightmost = frame.left() + *columnOffsets.begin() + kBoxWidth;
  int lowest = frame.top() + kMargin;
  const std::vector<int> offsets(columnOffsets);
  for (size_t column = 0; column < offsets.size(); ++column) {
    // 110 pixels, or what the label needs in a wider font, up to the next column.
    const int room = column + 1 < offsets.size() ? offsets[column + 1] - offsets[column] : kBoxWidth * 2;
    for (int row = 0; row < rowsPerColumn; ++row) {
      const int i = static_cast<int>(column) * rowsPerColumn + row;
      if (i >= length) break;
      QCheckBox* box = SetClassBoxes[static_cast<size_t>(i)];
      box->setText(QString::fromStdString(gFiltered->listLabel(i)));
      const QSize hint = box->sizeHint();
      box->resize(std::clamp(hint.width(), kBoxWidth, std::max(kBoxWidth, room)), hint.height());
      box->move(frame.left() + offsets[column], frame.top() + kMargin + kRowPitch * row);
      box->show();
      rightmost = std::max(rightmost, box->x() + box->width());
      lowest = std::max(lowest, box->y() + box->height());
    }
  }

  const int frameWidth = rightmost - frame.left() + kMargin;
  // The trichord frame reaches below the NONE button, not below its boxes.
  const int bottom = page == 0 ? NoneButton1->y() + NoneButton1->height() : lowest;
  const int frameHeight = bottom - frame.top() + kMargin;
  Bevel1->setGeometry(frame.left(), frame.top(), frameWidth, frameHeight);

  Label1->setText(caption);
  Label1->adjustSize();
  Label1->move(frame.left() + frameWidth / 2 - Label1->width() / 2, Label1->y());

  if (gFiltered) gFiltered->answerPrefixChosen(prefix.toStdString());

  const int right = frame.left() + frameWidth + kMargin;
  for (QWidget* w : std::initializer_list<QWidget*>{RadioGroup2, RadioGroup1, SaveBox, Button1, AllButton1, NoneButton1})
    w->move(right, w->y());

  setFixedSize(RadioGroup1->x() + RadioGroup1->width() + 25, frame.top() + frameHeight + 80);
  ShownPage = page;
}

// --- buttons and groups --------------------------------------------------------

void TFilterForm::AllButton1Click() {
  Run([&] { steps_.SetAll(true); });
  ShowMarks();
}

void TFilterForm::NoneButton1Click() {
  Run([&] { steps_.SetAll(false); });
  ShowMarks();
}

void TFilterForm::CheckFirst(int count) {
  Run([&] { steps_.CheckFirst(count); });
  ShowMarks();
}

void TFilterForm::RadioGroup2Click() {
  const int cardinality = CardinalityIndex();
  if (cardinality == ShownPage) return;
  Run([&] { steps_.ChangePage(cardinality); });
  LayOutPage(cardinality);
  ShowMarks();
}

// A question of the cardinality no longer drilled is replaced, and so is one
// whose set class was switched off.
void TFilterForm::FormClose() {
  Run([&] { steps_.Close(SaveBox->isChecked()); });
  ShowMarks();
}
