#include "Sxlogin.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "DataFile.h"
#include "DrillSession.h"
#include "Login.h"
#include "NameCompletion.h"
#include "People.h"
#include "Sxfilters.h"
#include "Settings.h"

TLoginForm* LoginForm = nullptr;

namespace {

QLabel* MakeText(QWidget* parent, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->move(left, top);
  label->adjustSize();
  return label;
}

int Bottom(const QWidget* w) { return w->y() + w->height(); }
int Right(const QWidget* w) { return w->x() + w->width(); }

bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool DeletesText(const QKeyEvent* key) {
  return key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete || key->matches(QKeySequence::Cut) ||
         key->matches(QKeySequence::DeleteStartOfWord) || key->matches(QKeySequence::DeleteEndOfWord) ||
         key->matches(QKeySequence::DeleteEndOfLine) || key->matches(QKeySequence::DeleteCompleteLine);
}

}  // namespace

TLoginForm::TLoginForm(DrillSession* session, QWidget* parent) : QDialog(parent), session_(session) {
  setWindowTitle(tr("Login"));

  StaticText5 = new QLabel(QStringLiteral("Sonorix v. 3.0"), this);  // as About and --version say
  QFont title = StaticText5->font();
  title.setPixelSize(18);
  title.setBold(true);
  StaticText5->setFont(title);
  StaticText5->move(54, 33);
  StaticText5->adjustSize();

  StaticText1 = MakeText(this, tr("Please type your name in the box"), 91, 85);
  StaticText2 = MakeText(this, tr("and hit enter"), 154, 119);

  ComboBox1 = new QComboBox(this);
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->lineEdit()->setMaxLength(kMaxTypedNameLength);
  ComboBox1->setGeometry(105, 165, 178, ComboBox1->sizeHint().height());
  // The list that drops down while typing shows every name in file order and
  // leaves the keyboard with the box; completion and selection are ours.
  auto* names = new QCompleter(ComboBox1->model(), ComboBox1);
  names->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  names->setCaseSensitivity(Qt::CaseInsensitive);
  names->setCompletionColumn(ComboBox1->modelColumn());
  ComboBox1->setCompleter(names);
  // A name walked to in the list is the one selected.
  connect(names, qOverload<const QModelIndex&>(&QCompleter::highlighted), this, [this](const QModelIndex& index) {
    const int row = ListRow(index);
    if (row < 0) return;
    // The text first: a changed text would restart the list and lose its place.
    ComboBox1->lineEdit()->setText(ComboBox1->itemText(row));
    ComboBox1->setCurrentIndex(row);
  });
  // The box has the focus and hands keys to its edit field without filters;
  // while the list is down, the list gets them first.
  ComboBox1->installEventFilter(this);
  ComboBox1->lineEdit()->installEventFilter(this);
  names->popup()->installEventFilter(this);
  connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, &TLoginForm::ComboBox1Edited);

  StaticText3 = MakeText(this, tr("The following filters are saved from last session:"), 55, 213);
  Label1 = MakeText(this, "", 73, 241);
  Label2 = MakeText(this, "", 73, 263);
  StaticText4 = MakeText(this, tr("Use These?"), 155, 293);

  Button1 = new QPushButton(tr("&Yes"), this);
  Button1->setGeometry(91, 320, 92, 31);
  Button2 = new QPushButton(tr("&No"), this);
  Button2->setGeometry(207, 320, 92, 31);
  // Only a click or Alt+Y / Alt+N answers: a second Enter after the name must not.
  for (QPushButton* b : {Button1, Button2}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }
  connect(Button1, &QPushButton::clicked, this, &TLoginForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TLoginForm::Button2Click);

  LoadPeople();

  startHeight_ = Bottom(Button1) + 70;
  startWidth_ = Right(StaticText3) + 40;
  setFixedSize(startWidth_, startHeight_);

  SetQuestionShown(false);
  ComboBox1->setEnabled(true);
  ComboBox1->setFocus();
}

TLoginForm::~TLoginForm() = default;

void TLoginForm::LoadPeople() {
  const PeopleList people = LoadPeopleFile(kPeopleFileName);
  PersonNames = people.names;
  ComboBox1->clear();
  for (const std::string& name : PersonNames) ComboBox1->addItem(QString::fromUtf8(name));
  lastSelected_ = people.SelectedIndex();
  // In a shared folder people.dat's last person may be anyone's: this account
  // is offered the name it used last, or none.
  if (DataFolderIsShared()) lastSelected_ = AccountsLastPerson();
  ComboBox1->setCurrentIndex(lastSelected_);
  // Closing without a login keeps the last person rather than naming person 0.
  if (lastSelected_ >= 0) PersonIndex = lastSelected_;
}

int TLoginForm::AccountsLastPerson() const {
  const QString name = QSettings(SettingsFilePath(), QSettings::IniFormat).value(QString::fromLatin1(kLastPersonKey)).toString();
  if (name.isEmpty()) return -1;
  for (size_t i = 0; i < PersonNames.size(); ++i)
    if (QString::fromUtf8(PersonNames[i]) == name) return static_cast<int>(i);
  return -1;
}

void TLoginForm::SavePeople() {
  // A name the class's list did not take is still in the log's S records; the
  // student hears of it all the same.
  if (!SavePeopleFile(kPeopleFileName, PersonIndex, PersonNames) && DataFolderIsShared())
    ReportFileTrouble(FileTrouble::NotWritten, kPeopleFileName, std::strerror(errno));
}

int TLoginForm::ShowModal() {
  StartAfresh();
  return exec();
}

// Every showing offers the name box, so that "Login New Person" always lets a
// new student type a name, whatever the last showing ended with.
void TLoginForm::StartAfresh() {
  SetQuestionShown(false);
  setFixedSize(startWidth_, startHeight_);
  ComboBox1->setEnabled(true);
  ComboBox1->setCurrentIndex(lastSelected_);
  ComboBox1->lineEdit()->setText(lastSelected_ >= 0 ? ComboBox1->itemText(lastSelected_) : QString());
  ComboBox1->lineEdit()->selectAll();
  ComboBox1->setFocus();
}

void TLoginForm::SetQuestionShown(bool shown) {
  for (QWidget* w : std::initializer_list<QWidget*>{StaticText3, StaticText4, Label1, Label2, Button1, Button2})
    w->setVisible(shown);
}

bool TLoginForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  QAbstractItemView* list = ComboBox1->completer()->popup();
  if (watched != ComboBox1 && watched != ComboBox1->lineEdit() && watched != list)
    return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (IsEnterKey(key->key())) {
    ComboBox1KeyDown(key->key());
    return true;
  }
  deleting_ = DeletesText(key);
  return false;
}

int TLoginForm::ListRow(const QModelIndex& index) const {
  if (!index.isValid()) return -1;
  QModelIndex source = index;
  if (auto* proxy = qobject_cast<QAbstractProxyModel*>(ComboBox1->completer()->completionModel()))
    if (index.model() == proxy) source = proxy->mapToSource(index);
  return source.row();
}

void TLoginForm::ComboBox1Edited(const QString& text) {
  QLineEdit* edit = ComboBox1->lineEdit();
  const bool deleting = deleting_;
  deleting_ = false;
  QStringList names;
  for (int i = 0; i < ComboBox1->count(); ++i) names << ComboBox1->itemText(i);

  // Typing completes to the first name that begins with the text; deleting
  // never completes again (else the completion could not be taken back) and
  // keeps a name only when the text still is that name.
  int match = -1;
  if (!deleting) {
    match = CompletionIndex(names, text);
  } else if (!text.isEmpty()) {
    for (int i = 0; i < names.size() && match < 0; ++i)
      if (names[i].compare(text, Qt::CaseInsensitive) == 0) match = i;
  }

  const int cursor = edit->cursorPosition();
  if (match >= 0) {
    ComboBox1->setCurrentIndex(match);
    const QString name = ComboBox1->itemText(match);
    if (edit->text() != name) edit->setText(name);
    if (deleting) {
      edit->setCursorPosition(cursor);
    } else {
      const int typed = static_cast<int>(std::min(text.size(), edit->text().size()));
      edit->setSelection(typed, static_cast<int>(edit->text().size()) - typed);
    }
  } else if (ComboBox1->currentIndex() != -1) {
    // Leaving the selection empties the box; the typed text stays.
    ComboBox1->setCurrentIndex(-1);
    edit->setText(text);
    edit->setCursorPosition(cursor);
  }
}

void TLoginForm::ComboBox1KeyDown(int key) {
  if (!IsEnterKey(key) || !ComboBox1->isEnabled()) return;
  ComboBox1->completer()->popup()->hide();

  const size_t known = PersonNames.size();
  const LoggedInPerson person =
      FindOrAddPerson(PersonNames, ComboBox1->currentIndex(), ComboBox1->lineEdit()->text().toUtf8().toStdString());
  if (PersonNames.size() > known) ComboBox1->addItem(QString::fromUtf8(PersonNames.back()));
  PersonIndex = person.index;
  ComboBox1->setCurrentIndex(PersonIndex);
  lastSelected_ = PersonIndex;
  if (DataFolderIsShared()) {
    const QString name = QString::fromUtf8(PersonNames[static_cast<size_t>(PersonIndex)]);
    EditSettings([&name](QSettings& settings) { settings.setValue(QString::fromLatin1(kLastPersonKey), name); });
  }

  if (session_) session_->SetPerson(person.index, person.name);
  if (!ShowSavedFilters()) accept();
}

bool TLoginForm::ShowSavedFilters() {
  TFilterForm::LoadFilters(SavedFilters);
  const auto catalogue = ReadTextFile(kCatalogueFileName);
  const std::vector<std::string> classNames = catalogue ? ReadClassNames(*catalogue) : std::vector<std::string>{};
  const SavedFiltersOffer offer = OfferSavedFilters(SavedFilters, catalogue ? &classNames : nullptr);
  if (offer.step == SavedFiltersStep::Apply) {
    ApplySavedFilters();
    return false;
  }
  if (offer.step == SavedFiltersStep::Keep) {
    setWindowTitle(tr("File Error! No ftclass.dat"));
    return false;
  }
  const FilterSummary& summary = offer.summary;
  // The set classes as they are; the words around them in the student's
  // language.
  QString listed = QString::fromUtf8(summary.listed);
  if (listed.endsWith(QLatin1String("OFF")))
    listed = listed.chopped(3) + tr("OFF");
  else if (listed.endsWith(QLatin1String("ON")))
    listed = listed.chopped(2) + tr("ON");
  Label1->setText(listed);
  Label1->adjustSize();
  Label2->setText(summary.rest == "(all else on)" ? tr("(all else on)") : tr("(all else off)"));
  Label2->adjustSize();

  SetQuestionShown(true);
  ComboBox1->setEnabled(false);
  // A long list of tetrachords would run past the window's edge.
  setFixedSize(std::max(startWidth_, Right(Label1) + 40), Bottom(Button2) + 80);
  return true;
}

void TLoginForm::ApplySavedFilters() {
  // The filter window follows the model and hands the drill its answer list.
  if (session_) session_->filters.Apply(SavedFilters);
}

void TLoginForm::Button1Click() {
  ApplySavedFilters();
  accept();
}

void TLoginForm::Button2Click() {
  SavedFilters = AnswerSavedFilters(SavedFilters, false);
  ApplySavedFilters();
  accept();
}

void TLoginForm::FormClose() { SavePeople(); }

void TLoginForm::done(int result) {
  FormClose();
  QDialog::done(result);
}
