#include "Sxmidi.h"
#include "Controls.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <cstdint>
#include <string_view>

#include "HelpText.h"
#include "OutputOpen.h"
#include "SoundNotice.h"
#include "Waymidi.h"

TMidiForm* MidiForm = nullptr;

namespace {

constexpr size_t kDescriptionSize = 32;
// Device ids are 16 bits wide: a library that describes every id still ends the list.
constexpr uint32_t kDeviceIdCount = 0x10000;

}  // namespace

// --- the device list ----------------------------------------------------------

int TDeviceListBox::SelectedRow() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.first());
}

void TDeviceListBox::keyPressEvent(QKeyEvent* event) {
  const int before = SelectedRow();
  QListWidget::keyPressEvent(event);
  if (SelectedRow() != before && OnClick) OnClick();
}

void TDeviceListBox::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  rowAtPress_ = SelectedRow();
  QListWidget::mousePressEvent(event);
}

void TDeviceListBox::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  if (!pressed_ || event->button() != Qt::LeftButton) return;
  pressed_ = false;
  // Released on an entry, or dragged onto another one: either is a choice.
  const bool onEntry = itemAt(event->position().toPoint()) != nullptr;
  if ((onEntry || SelectedRow() != rowAtPress_) && OnClick) OnClick();
}

// --- the window ---------------------------------------------------------------

TMidiForm::TMidiForm(TWayMidiOut& port, int32_t& deviceCount, QWidget& captioned, QWidget* parent)
    : QDialog(parent), port_(port), deviceCount_(deviceCount), captioned_(captioned) {
  setWindowTitle(tr("Midi Setup"));

  Label1 = new QLabel(tr("Select MIDI output"), this);
  Label1->move(72, 13);
  Label1->adjustSize();

  ListBox1 = new TDeviceListBox(this);
  ListBox1->setGeometry(20, 34, 195, 96);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox1->OnClick = [this] { ListBox1Click(); };

  Button1 = new QPushButton(tr("OK"), this);
  Button1->setGeometry(93, 141, 48, 25);
  FitButtonToCaption(Button1, false);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  QWidget::setTabOrder(ListBox1, Button1);

  // The devices, asked once: entry i stands for device id i.
  deviceCount_ = 0;
  for (uint32_t d = 0; d < kDeviceIdCount; ++d) {
    bool exists = false;
    const std::string description = ReadMidiDescription(port_.WayMidi->GetMidiOutDescription, d, &exists);
    if (!exists) break;
    // The library names its own synthesizer in English.
    ListBox1->addItem(description == "Built-in synthesizer" ? tr("Built-in synthesizer")
                                                            : DecodeText(std::string_view(description)));
    ++deviceCount_;
  }

  setFixedSize(ListBox1->x() + ListBox1->width() + 35, Button1->y() + Button1->height() + 50);
  ListBox1->setFocus();
}

TMidiForm::~TMidiForm() = default;

int TMidiForm::ShowModal() { return exec(); }

// Each choice reopens the drill's port at once; a device the library refuses
// leaves it closed, silently, until another choice.
void TMidiForm::ListBox1Click() {
  const int device = ListBox1->SelectedRow();
  if (device < 0 || device >= deviceCount_) return;
  if (port_.IsOpen) port_.Close();
  port_.Open(static_cast<uint16_t>(device), kOutputOpenParameter);
  // The title tells whether the student will hear the next question.
  UpdateSoundCaption(captioned_, port_);
}
