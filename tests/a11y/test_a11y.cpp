#include <QAbstractScrollArea>
#include <cstdio>
#include <fstream>
#include <QCheckBox>
#include <QHeaderView>
#include <QTabBar>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QListView>
#include <QTableView>
#include <QToolButton>

#include "ClassOverview.h"
#include "DrillEnd.h"
#include "EventLoop.h"
#include "SessionLog.h"
#include "ProgressMenu.h"

#include "RadioGroup.h"
#include "Sxerrorform.h"
#include "Sxlogin.h"
#include "Sxscore.h"
#include "test_a11y_support.h"

namespace {

// Inner parts of a compound control (a combo box's field, a list's view) are
// reached through the control itself.
bool InsideCompound(const QWidget* w, const QWidget* window) {
  for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
    if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractScrollArea*>(p)) return true;
  return false;
}

// The role a reader must be told for a control of this kind, or NoRole when
// any role will do.
QAccessible::Role ExpectedRole(const QWidget* w) {
  if (qobject_cast<const QRadioButton*>(w)) return QAccessible::RadioButton;
  if (qobject_cast<const QCheckBox*>(w)) return QAccessible::CheckBox;
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
    if (!b->isCheckable()) return QAccessible::Button;
    // Buttons of which exactly one is down are radio buttons to a reader.
    return QAccessible::RadioButton;
  }
  if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w))
    return QAccessible::EditableText;
  if (qobject_cast<const QComboBox*>(w)) return QAccessible::ComboBox;
  if (qobject_cast<const QTableView*>(w)) return QAccessible::Table;
  if (qobject_cast<const QListView*>(w)) return QAccessible::List;
  return QAccessible::NoRole;
}

// Every control a student can reach in each window of the program (the
// windows as they stand when shown: hidden controls have nothing to say).
void ExpectEveryControlNamed() {
  int checked = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!qobject_cast<QDialog*>(window) && !qobject_cast<QMainWindow*>(window)) continue;
    const std::string title = window->windowTitle().toStdString();
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window) || InsideCompound(w, window)) continue;
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
      ASSERT_NE(iface, nullptr);
      const QString name = iface->text(QAccessible::Name);
      EXPECT_FALSE(name.trimmed().isEmpty()) << title << ": " << w->metaObject()->className() << " "
                                             << w->objectName().toStdString() << " has no name";
      const QAccessible::Role role = ExpectedRole(w);
      if (role != QAccessible::NoRole) {
        EXPECT_EQ(iface->role(), role) << title << ": " << name.toStdString();
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 40);
}

// What says "focused" to assistive tools in every window, shown or not, or
// is named by a list or table as its item with the keyboard.
void CollectFocused(QAccessibleInterface* iface, int depth, std::vector<QAccessibleInterface*>& found) {
  if (!iface || depth > 25) return;
  if (iface->state().focused) found.push_back(iface);
  if (iface->tableInterface() && iface->focusChild()) found.push_back(iface->focusChild());
  for (int i = 0; i < iface->childCount(); ++i) CollectFocused(iface->child(i), depth + 1, found);
}

std::string Described(QAccessibleInterface* iface) {
  const QObject* object = iface->object();
  return (object ? object->metaObject()->className() + (" " + object->objectName().toStdString()) : "item") + " \"" +
         iface->text(QAccessible::Name).toStdString() + "\"";
}

// Only the control with the keyboard says "focused", and, when it is a list,
// table or tab bar, its current item.
void ExpectFocusedOnly(QWidget* focus, const std::string& where) {
  ASSERT_EQ(QApplication::focusWidget(), focus) << where;
  std::vector<QAccessibleInterface*> found;
  for (QWidget* window : QApplication::topLevelWidgets())
    CollectFocused(QAccessible::queryAccessibleInterface(window), 0, found);
  QAccessibleInterface* control = QAccessible::queryAccessibleInterface(focus);
  EXPECT_NE(std::find(found.begin(), found.end(), control), found.end()) << where << ": the control itself";
  for (QAccessibleInterface* iface : found) {
    const bool itemOfIt = !iface->object() && iface->parent() == control;
    // A compound control that hands the keyboard to its part (a tab widget
    // to its tabs) has it too.
    auto* widget = qobject_cast<QWidget*>(iface->object());
    const bool handsItOn = widget && widget != focus && widget->focusProxy() == focus;
    EXPECT_TRUE(iface == control || itemOfIt || handsItOn) << where << ": " << Described(iface) << " says focused";
  }
  auto* view = qobject_cast<QAbstractItemView*>(focus);
  if (!view || !view->currentIndex().isValid()) return;
  // Readers hear the item a focus event names, and ask whether it is focused.
  const QModelIndex current = view->currentIndex();
  QAccessibleInterface* item = control->tableInterface()->cellAt(current.row(), current.column());
  ASSERT_NE(item, nullptr) << where;
  EXPECT_TRUE(item->state().focused) << where << ": " << Described(item);
  EXPECT_EQ(control->focusChild(), item) << where;
  QAccessibleEvent event(view, QAccessible::Focus);
  event.setChild(control->indexOfChild(item));
  EXPECT_EQ(event.accessibleInterface(), item) << where;
  EXPECT_TRUE(ReachesReaders(&event)) << where;
}

// Each list and table of a window that has rows, given a current item while
// `elsewhere` keeps the keyboard, and then the keyboard itself.
int ExpectListsFocusedOnlyWithTheKeyboard(QWidget* window, QWidget* elsewhere) {
  int views = 0;
  for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
    if (qobject_cast<QHeaderView*>(view) || !view->isVisibleTo(window) || !view->model()) continue;
    const QModelIndex last = view->model()->index(view->model()->rowCount() - 1, 0);
    if (!last.isValid()) continue;
    const std::string where = window->metaObject()->className() + (" " + view->objectName().toStdString());
    elsewhere->setFocus(Qt::TabFocusReason);
    view->setCurrentIndex(last);
    ExpectFocusedOnly(elsewhere, where + ", keyboard elsewhere");
    view->setFocus(Qt::TabFocusReason);
    ExpectFocusedOnly(view, where + ", keyboard in it");
    ++views;
  }
  return views;
}

}  // namespace

TEST_F(A11yTest, EveryControlOfEveryWindowIsNamedWithItsRole) {
  ShowDrillWindow();
  ExpectEveryControlNamed();

  // The drill window as a reader meets it.
  auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
  EXPECT_EQ(name(Form1->Edit1), "Answer, trichord number");
  EXPECT_EQ(name(Form1->ListBox), "Set classes");
  EXPECT_EQ(name(Form1->RadioGroup), "Play");
  EXPECT_EQ(name(Form1->RadioGroup1), "Cardinality");
  EXPECT_EQ(name(Form1->RadioGroup2), "Range");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Form1->RadioGroup)->role(), QAccessible::Grouping);
  for (QLabel* counter : {Form1->CorrectLabel, Form1->IncorrectLabel, Form1->TimeLabel}) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(counter);
    ASSERT_NE(iface->valueInterface(), nullptr) << name(counter).toStdString();
  }
  // The counters read as their numbers, labelled by their captions.
  EXPECT_EQ(name(Form1->CorrectLabel), "0");
  const auto labels = QAccessible::queryAccessibleInterface(Form1->CorrectLabel)->relations(QAccessible::Label);
  ASSERT_EQ(labels.size(), 1);
  EXPECT_EQ(labels.front().first->text(QAccessible::Name), "Correct:");
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(Form1->Button1)->text(QAccessible::Description).isEmpty());

  // The answer field says which cardinality it takes.
  Form1->RadioGroup1->SetItemIndex(1);
  EXPECT_EQ(name(Form1->Edit1), "Answer, tetrachord number");
  // The tetrachord page of the filter window: 29 more boxes, each named.
  ExpectEveryControlNamed();

  // The windows made at each opening.
  TProgressMenu* progress = TProgressMenu::Of(Form1);
  ASSERT_NE(progress, nullptr);
  for (QAction* item : {progress->MyProgress1, progress->Confusions1}) {
    WhileNewModal(
        [](QWidget*) {
          ExpectEveryControlNamed();
          Press(Qt::Key_Escape);
        },
        [item] { item->trigger(); });
  }
}

// Typing in the answer field selects in the answer list, whose current item
// must not say "focused" then: tools that follow that state would leave the
// field. With the keyboard in a list or table, its current item says it.
TEST_F(A11yTest, OnlyWhatHasTheKeyboardSaysFocused) {
  ShowDrillWindow();
  Type("1");
  ASSERT_GE(Form1->ListBox->currentRow(), 0);
  ExpectFocusedOnly(Form1->Edit1, "typing");
  Form1->ListBox->setFocus(Qt::TabFocusReason);
  ExpectFocusedOnly(Form1->ListBox, "the answer list");
  EXPECT_EQ(ExpectListsFocusedOnlyWithTheKeyboard(Form1, Form1->Edit1), 1);

  TProgressMenu* progress = TProgressMenu::Of(Form1);
  ASSERT_NE(progress, nullptr);
  WhileNewModal(
      [](QWidget* modal) {
        auto* button = modal->findChild<QPushButton*>();
        ASSERT_NE(button, nullptr);
        // The matrix of the page shown, and the page's tab, which says
        // "focused" only with the keyboard in the tabs.
        EXPECT_EQ(ExpectListsFocusedOnlyWithTheKeyboard(modal, button), 1);
        auto* tabs = modal->findChild<QTabBar*>();
        ASSERT_NE(tabs, nullptr);
        tabs->setFocus(Qt::TabFocusReason);
        ExpectFocusedOnly(tabs, "the pages' tabs");
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(tabs)->child(tabs->currentIndex())->state().focused);
        Press(Qt::Key_Escape);
      },
      [progress] { progress->Confusions1->trigger(); });

  // The class's table, sorted through a model of its own.
  const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
  qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(dir_.Path("cache")));
  dir_.Write("report.dat", "\r\n" + StartRecordText(45000, 0, "Ann") + "\r\n" +
                               SegmentRecordText(8, 1, 117, SegmentCheckValue("Ann", 45000, 8, 1)) + "\r\nD 1 1 1 1");
  {
    TClassOverviewForm overview;
    overview.LoadFolder();
    ASSERT_TRUE(ProcessEventsUntil([&overview] { return !overview.Loading(); }));
    overview.show();
    overview.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&overview));
    EXPECT_GE(ExpectListsFocusedOnlyWithTheKeyboard(&overview, overview.CloseButton), 1);
  }
  if (oldCache.isNull()) {
    qunsetenv("XDG_CACHE_HOME");
  } else {
    qputenv("XDG_CACHE_HOME", oldCache);
  }
}

// The drill window's range selector: its handler (which moves the filter
// window and saves filters.dat) runs once for each change, as for a click.
TEST_F(A11yTest, ArrowKeysSelectWithinARadioGroupRunningItsHandlerOncePerChange) {
  ShowDrillWindow();
  TRadioGroup* group = Form1->RadioGroup2;
  std::vector<int> clicks;
  const std::function<void()> handler = group->OnClick;
  group->OnClick = [&] {
    clicks.push_back(group->ItemIndex());
    handler();
  };
  std::remove("filters.dat");
  group->Button(0)->setFocus();
  QTest::keyClick(group->Button(0), Qt::Key_Down);
  EXPECT_EQ(FilterForm->RangeIndex(), 1);
  EXPECT_EQ(ReadFile("filters.dat"), "4095\r\n0\r\n1");
  QTest::keyClick(group->Button(1), Qt::Key_Right);
  QTest::keyClick(group->Button(2), Qt::Key_Down);  // wraps to the first
  QTest::keyClick(group->Button(0), Qt::Key_Up);    // and back to the last
  QTest::keyClick(group->Button(2), Qt::Key_Left);
  EXPECT_EQ(clicks, std::vector<int>({1, 2, 0, 2, 1}));
  EXPECT_EQ(QApplication::focusWidget(), group->Button(1));
  for (int i = 0; i < 3; ++i) {
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(group->Button(i));
    EXPECT_EQ(item->role(), QAccessible::RadioButton);
    EXPECT_EQ(item->state().checked, i == 1 ? 1u : 0u);
    // The selected item is the group's one tab stop.
    EXPECT_EQ(bool(group->Button(i)->focusPolicy() & Qt::TabFocus), i == 1);
  }

  // Space or a click on the selected item change nothing; a disabled item is
  // passed over.
  QTest::keyClick(group->Button(1), Qt::Key_Space);
  group->Button(1)->click();
  group->Button(2)->setEnabled(false);
  QTest::keyClick(group->Button(1), Qt::Key_Down);
  // Clearing from code unchecks every item and runs the handler once more.
  group->SetItemIndex(-1);
  EXPECT_EQ(clicks, std::vector<int>({1, 2, 0, 2, 1, 0, -1}));
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(group->Button(i)->isChecked());
  EXPECT_TRUE(group->Button(0)->focusPolicy() & Qt::TabFocus);
}

TEST_F(A11yTest, TabVisitsEachWindowInReadingOrder) {
  ShowDrillWindow();
  ASSERT_EQ(QApplication::focusWidget(), Form1->Edit1);
  // Outside a drill: Repeat and the arpeggios are disabled; BEGIN and the
  // list are no tab stops; each radio group is one stop.
  EXPECT_EQ(TabRound(), std::vector<QWidget*>({Form1->Edit1, Form1->SubmitButton, Form1->RadioGroup->Button(0),
                                               Form1->RadioGroup1->Button(0), Form1->RadioGroup2->Button(0),
                                               Form1->FilterButton}));
  QTest::keyClick(Form1->Edit1, Qt::Key_B, Qt::ControlModifier);  // BEGIN
  ASSERT_TRUE(Form1->Drilling);
  EXPECT_EQ(TabRound(), std::vector<QWidget*>({Form1->Edit1, Form1->SubmitButton, Form1->Button4, Form1->Button2,
                                               Form1->Button3, Form1->RadioGroup->Button(0),
                                               Form1->RadioGroup1->Button(0), Form1->RadioGroup2->Button(0),
                                               Form1->FilterButton}));

  // The filter window: the choices, ALL, NONE, the set classes, saving, OK.
  std::vector<QWidget*> filterOrder;
  WhileModal(
      FilterForm,
      [&] {
        filterOrder = TabRound();
        Press(Qt::Key_Escape);
      },
      [] { FilterForm->ShowModal(); });
  std::vector<QWidget*> expected{FilterForm->RadioGroup2->Button(0), FilterForm->RadioGroup1->Button(0),
                                 FilterForm->AllButton1, FilterForm->NoneButton1};
  for (int i = 0; i < 12; ++i) expected.push_back(FilterForm->SetClassBoxes[static_cast<size_t>(i)]);
  expected.push_back(FilterForm->SaveBox);
  expected.push_back(FilterForm->Button1);
  EXPECT_EQ(filterOrder, expected);
}

TEST_F(A11yTest, EscapeClosesEveryModalWindowAsItsCloseBoxDoes) {
  ShowDrillWindow();
  int checked = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(window);
    if (!dialog || dialog == LoginForm || dialog == FilterForm) continue;
    WhileModal(
        dialog, [&] { Press(Qt::Key_Escape); }, [dialog] { dialog->exec(); });
    EXPECT_FALSE(dialog->isVisible()) << dialog->windowTitle().toStdString();
    ++checked;
  }
  EXPECT_GE(checked, 1);

  // The filter window applies its settings on Escape as on OK: nothing
  // checked is all checked again, and the settings are saved.
  std::remove("filters.dat");
  WhileModal(
      FilterForm,
      [] {
        ASSERT_TRUE(TabTo(FilterForm->NoneButton1));
        Press(Qt::Key_Space);
        Press(Qt::Key_Escape);
      },
      [] { Form1->FilterButton->click(); });
  EXPECT_EQ(FilterForm->EnabledMaskLow(), 4095);
  EXPECT_EQ(Form1->ListBox->count(), 12);
  EXPECT_EQ(ReadFile("filters.dat"), "4095\r\n0\r\n0");

  // The login keeps the names on Escape, also while it asks about saved
  // filters: a question read out as it appears, its answers reached by Tab.
  std::remove("people.dat");
  std::ofstream("filters.dat", std::ios::binary) << "3\r\n0\r\n0";  // 3-1 and 3-2
  WhileModal(
      LoginForm,
      [] {
        Type("Ann");
        Press(Qt::Key_Return);
        EXPECT_TRUE(LastAnnouncement(LoginForm).endsWith("3-1 3-2 ON (all else off) Use These?"))
            << LastAnnouncement(LoginForm).toStdString();
        EXPECT_TRUE(TabTo(LoginForm->Button2));
        Press(Qt::Key_Escape);
      },
      [] { LoginForm->ShowModal(); });
  EXPECT_TRUE(Exists("people.dat"));
}

// A reader's or voice control's action on a radio item, a check box or a speed
// button is a click: the handler runs, once for each change.
TEST_F(A11yTest, AssistiveActionsAreClicks) {
  ShowDrillWindow();
  auto act = [](QWidget* w) {
    QAccessibleActionInterface* action = QAccessible::queryAccessibleInterface(w)->actionInterface();
    ASSERT_NE(action, nullptr);
    ASSERT_FALSE(action->actionNames().isEmpty());
    action->doAction(action->actionNames().first());  // "Toggle" for all three kinds
    QApplication::processEvents();
  };
  TRadioGroup* group = Form1->RadioGroup2;
  std::vector<int> clicks;
  const std::function<void()> handler = group->OnClick;
  group->OnClick = [&] {
    clicks.push_back(group->ItemIndex());
    handler();
  };
  act(group->Button(2));
  act(group->Button(2));  // already selected: no change, no handler
  EXPECT_EQ(clicks, std::vector<int>{2});
  EXPECT_EQ(FilterForm->RangeIndex(), 2);
  EXPECT_TRUE(group->Button(2)->isChecked());

  // "A and B sets" unchecked also unchecks "RIPs", as its handler does.
  ErrorReport->CheckBox4->setChecked(true);
  ErrorReport->CheckBox5->setChecked(true);
  act(ErrorReport->CheckBox4);
  EXPECT_FALSE(ErrorReport->CheckBox4->isChecked());
  EXPECT_FALSE(ErrorReport->CheckBox5->isChecked());

  // A table button of the score window shows its table.
  Form2->SpeedButton4->setChecked(true);
  Form2->ShownCardinality = 0;
  act(Form2->SpeedButton5);
  EXPECT_TRUE(Form2->SpeedButton5->isChecked());
  EXPECT_EQ(Form2->ShownCardinality, 1);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Form2->SpeedButton5)->role(), QAccessible::RadioButton);
}

// A click anywhere in a check box's row toggles it and runs its handler, as
// one on the box does; a click on the box itself toggles it once.
TEST_F(A11yTest, ACheckBoxsWholeRowTogglesIt) {
  ShowDrillWindow();
  ErrorReport->show();
  QCheckBox* rips = ErrorReport->CheckBox5;
  ErrorReport->CheckBox4->setChecked(true);  // RIPs needs its A and B sets
  rips->setChecked(false);
  ASSERT_GT(rips->width(), rips->sizeHint().width() + 20) << "a blank part right of the text";
  const QPoint blank(rips->width() - 5, rips->height() / 2);
  QTest::mouseClick(rips, Qt::LeftButton, {}, blank);
  EXPECT_TRUE(rips->isChecked());
  QTest::mouseClick(rips, Qt::LeftButton, {}, blank);
  EXPECT_FALSE(rips->isChecked());
  QTest::mouseClick(rips, Qt::LeftButton, {}, QPoint(4, rips->height() / 2));
  EXPECT_TRUE(rips->isChecked()) << "the box's own click, once";
  QTest::mouseClick(rips, Qt::RightButton, {}, blank);
  EXPECT_TRUE(rips->isChecked());
  ErrorReport->CheckBox4->setChecked(false);
  QTest::mouseClick(ErrorReport->CheckBox4, Qt::LeftButton, {}, QPoint(ErrorReport->CheckBox4->width() - 5, 5));
  EXPECT_TRUE(ErrorReport->CheckBox4->isChecked());
  ErrorReport->hide();
}

// Enter on a focused button clicks that button; elsewhere it goes to the
// window's default button, and in the drill window submits exactly once.
TEST_F(A11yTest, EnterClicksTheFocusedButtonElseTheDefault) {
  ShowDrillWindow();
  size_t mark = Mark();
  Press(Qt::Key_B, Qt::ControlModifier);
  ASSERT_TRUE(Form1->Drilling);
  const std::vector<int> heard = HeardSince(mark);
  ASSERT_TRUE(TabTo(Form1->Button4));
  mark = Mark();
  Press(Qt::Key_Return);  // Repeat, not Submit
  EXPECT_EQ(HeardSince(mark), heard);
  EXPECT_EQ(Form1->IncorrectCount + Form1->CorrectCount, 0);
  // From a radio group Enter submits the chosen answer, once.
  Form1->ListBox->setCurrentRow(WrongRowFor(heard));
  Form1->RadioGroup->Button(0)->setFocus();
  Press(Qt::Key_Return);
  EXPECT_EQ(Form1->IncorrectCount, 1);

  // The score window: Enter on "Error Report" opens the report, and the score
  // window stays open beneath it; Enter on a table button shows its table.
  Form1->CorrectCount = 5;
  Form1->DrillStart = clock_.now - 60000;
  bool reported = false;
  WhileModal(
      Form2,
      [&] {
        ASSERT_TRUE(TabTo(Form2->SpeedButton4));
        Press(Qt::Key_Right);
        Form2->SpeedButton4->click();  // the arrow chose TETRACHORDS; back, for Enter to choose it
        ASSERT_EQ(QApplication::focusWidget(), Form2->SpeedButton5);
        Press(Qt::Key_Return);
        EXPECT_EQ(Form2->ShownCardinality, 1);
        ASSERT_TRUE(TabTo(Form2->Button2));
        WhileModal(
            ErrorReport,
            [&] {
              reported = true;
              Press(Qt::Key_Escape);
            },
            [] { Press(Qt::Key_Return); });
        EXPECT_TRUE(Form2->isVisible());
        Form2->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form2));
        Form2->ListBox->setFocus();
        Press(Qt::Key_Return);  // the list: the default button, OK
        EXPECT_FALSE(Form2->isVisible());
      },
      [] {
          const DrillResult ended = Form1->Session().Result(true);
          Form2->ShowEndedDrill(ended, SaveDrillResult(ended));
          Form2->ShowModal();
        });
  EXPECT_TRUE(reported);
}

// Smaller things a reader met: menus without letter keys, group names read
// twice, quotation marks spelt out, half a sentence read alone.
TEST_F(A11yTest, MenusGroupsAndTextsReadOnce) {
  ShowDrillWindow();
  QStringList captions;
  for (QAction* menu : Form1->MainMenu1->actions()) captions << QString(menu->text()).remove('&');
  EXPECT_EQ(captions.join('|'), "Exit|Filters|MIDI|Progress|Help|Options|Class|View");
  auto opens = [](Qt::Key letter) {
    QTest::keyClick(Form1, letter, Qt::AltModifier);
    QMenu* open = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (open = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr; }));
    const QString title = open ? QString(open->title()).remove('&') : QString();
    if (open) QTest::keyClick(open, Qt::Key_Escape);
    Form1->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(Form1));
    return title.toStdString();
  };
  EXPECT_EQ(opens(Qt::Key_E), "Exit");
  EXPECT_EQ(opens(Qt::Key_F), "Filters");
  EXPECT_EQ(opens(Qt::Key_M), "MIDI");
  EXPECT_EQ(opens(Qt::Key_P), "Progress");
  EXPECT_EQ(opens(Qt::Key_H), "Help");
  EXPECT_EQ(opens(Qt::Key_O), "Options");
  EXPECT_EQ(opens(Qt::Key_C), "Class");
  EXPECT_EQ(opens(Qt::Key_V), "View");

  auto iface = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w); };
  // "Play:" names its group, and only the group.
  EXPECT_TRUE(iface(Form1->RadioGroup->Button(0))->relations(QAccessible::Label).isEmpty());
  EXPECT_EQ(iface(Form1->RadioGroup2->Button(0))->text(QAccessible::Name), "close position");
  EXPECT_EQ(iface(Form2->SpeedButton1)->text(QAccessible::Name), "close position");
  EXPECT_EQ(iface(LoginForm->StaticText1)->text(QAccessible::Name),
            "Please type your name in the box and hit enter");
  EXPECT_TRUE(iface(LoginForm->StaticText2)->state().invisible);
  // The state key outside a drill.
  Press(kStateKey.key(), kStateKey.keyboardModifiers());
  EXPECT_EQ(LastAnnouncement(Form1), "No drill running. Ctrl+B begins one.");
}
