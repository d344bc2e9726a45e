#include "SxloginAccess.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "Accessible.h"
#include "Sxlogin.h"

namespace {

// The saved filters appear below the name: read out as they appear.
class LoginQuestionNews : public QObject {
 public:
  explicit LoginQuestionNews(TLoginForm* form) : QObject(form), form_(form) {
    form->StaticText4->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      Announce(form_, form_->StaticText3->text() + QLatin1Char(' ') + form_->Label1->text() + QLatin1Char(' ') +
                          form_->Label2->text() + QLatin1Char(' ') + form_->StaticText4->text());
    }
    return false;
  }

 private:
  TLoginForm* form_;
};

}  // namespace

void MakeLoginWindowAccessible(TLoginForm* f) {
  if (!f) return;
  Describe(f->ComboBox1, QCoreApplication::translate("Accessibility", "Your name"),
           QCoreApplication::translate("Accessibility", "Type your name and press Enter; a name typed before is completed as you type"));
  if (f->StaticText1) f->StaticText1->setBuddy(f->ComboBox1);
  // "Please type your name in the box" / "and hit enter": one sentence.
  ReadAsOne(f->StaticText1, f->StaticText2);
  Describe(f->Label1, QCoreApplication::translate("Accessibility", "Saved filters"), {});
  Describe(f->Button1, {}, QCoreApplication::translate("Accessibility", "Drills the filters saved last time. Key: Alt+Y"));
  Describe(f->Button2, {}, QCoreApplication::translate("Accessibility", "Drills every set class of that cardinality instead. Key: Alt+N"));
  new LoginQuestionNews(f);
  EnsureNotice(f);
  ChainTabOrder({f->ComboBox1, f->Button1, f->Button2});
}
