// The page in a class on a WebDAV server: the core's ClassLink over the
// page's fetch, timers and storage. Every drill the page ends is filed with
// it, as the desktop's are, and sent from here.
#include <emscripten.h>
#include <emscripten/bind.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "ClassLink.h"
#include "DrillFiling.h"
#include "PageDrill.h"
#include "Storage.h"
#include "WebTransport.h"

EM_JS(void, web_class_changed, (), {
  if (Module.webClassChanged) Module.webClassChanged();
});

namespace {

struct ClassStateValue {
  bool joined = false;
  std::string address;
  std::string account;
  std::string status;  // English source; "%n" is `drills`
  int drills = 0;
  std::string fault;   // English source, empty when none is to be said
  bool needsPassword = false;
};

// The page may be open in several tabs: each call first follows classlink.dat
// as the other tabs left it (joined, left, joined elsewhere), so a drill ended
// in any tab is queued for the class the student is in now.
class WebClass : private DrillFiling {
 public:
  WebClass() {
    Link();
    SetDrillFiling(this);
  }
  ~WebClass() override {
    if (CurrentDrillFiling() == this) SetDrillFiling(nullptr);
  }
  WebClass(const WebClass&) = delete;
  WebClass& operator=(const WebClass&) = delete;

  ClassStateValue State() {
    ClassLink& link = Link();
    ClassStateValue s;
    s.joined = link.Joined();
    if (!s.joined) return s;
    s.address = link.Address();
    s.account = link.Account();
    s.needsPassword = !link.HasPassword();
    const Outbox::Waiting waiting = link.Waiting();
    // As the desktop's status bar words it, one drill in the singular.
    s.status = waiting.drills == 1 ? "%n drill waiting for the network" : SyncStatusSource(waiting);
    s.drills = waiting.drills;
    // Away from the network the count of what waits says it best.
    const ClassFault fault = link.LastFault();
    if (fault != ClassFault::None && fault != ClassFault::Offline) s.fault = ClassFaultMessage(fault);
    return s;
  }

  std::string CheckAddress(const std::string& text) const { return AddressFaultMessage(ClassLink::CheckAddress(text)); }

  void Join(const std::string& address, const std::string& account, const std::string& password, emscripten::val done) {
    joining_ = true;
    const AddressFault refused = Link().Join(address, {account, password}, [this, password, done](ClassFault fault) {
      joining_ = false;
      if (fault == ClassFault::None) {
        seen_ = LinkFile();
        password_ = {link_->Address(), link_->Account(), password};
      }
      done(std::string(fault == ClassFault::None ? "" : ClassFaultMessage(fault)));
    });
    if (refused == AddressFault::None) return;
    joining_ = false;
    done(std::string(AddressFaultMessage(refused)));
  }

  void UsePassword(const std::string& password) {
    ClassLink& link = Link();
    if (!link.Joined()) return;
    password_ = {link.Address(), link.Account(), password};
    link.SetPassword(password);
  }
  void Leave() {
    Link().Leave();
    seen_ = LinkFile();
    password_ = {};
  }
  void SendNow() { Link().SendNow(); }
  // The dialog closed while its join was asking: its answer joins nothing.
  void CancelJoin() {
    if (!joining_) return;
    joining_ = false;
    link_->CancelJoin();
  }

 private:
  struct Password {
    std::string address;
    std::string account;
    std::string password;
  };

  // The class and account classlink.dat names, "" for none; not its other
  // lines, which this tab's link itself rewrites.
  static std::string LinkFile() {
    const std::optional<ClassLinkState> state = ParseClassLink(DataStorage().Read(kClassLinkFileName).value_or(std::string()));
    return state ? FolderAddress(state->address) + '\n' + state->account : std::string();
  }

  ClassLink& Link() {
    std::string text = LinkFile();
    // Not while joining: the answer is on its way to this link.
    if (link_ && (text == seen_ || joining_)) return *link_;
    link_.reset();
    link_ = std::make_unique<ClassLink>(DataStorage(), PageTransport(), PageScheduler());
    link_->SetChanged([] { web_class_changed(); });
    seen_ = std::move(text);
    // The same class again: the password this tab knows still holds.
    if (link_->Joined() && link_->Address() == password_.address && link_->Account() == password_.account)
      link_->SetPassword(password_.password);
    web_class_changed();
    return *link_;
  }

  void Filed(const std::string& file, const std::string& bytes) override { Link().Filed(file, bytes); }

  std::unique_ptr<ClassLink> link_;
  std::string seen_;  // the class of classlink.dat as link_ read it
  Password password_;
  bool joining_ = false;
};

}  // namespace

EMSCRIPTEN_BINDINGS(sonorix_class) {
  emscripten::value_object<ClassStateValue>("ClassState")
      .field("joined", &ClassStateValue::joined)
      .field("address", &ClassStateValue::address)
      .field("account", &ClassStateValue::account)
      .field("status", &ClassStateValue::status)
      .field("drills", &ClassStateValue::drills)
      .field("fault", &ClassStateValue::fault)
      .field("needsPassword", &ClassStateValue::needsPassword);
  emscripten::class_<WebClass>("WebClass")
      .constructor<>()
      .function("state", &WebClass::State)
      .function("checkAddress", &WebClass::CheckAddress)
      .function("join", &WebClass::Join)
      .function("usePassword", &WebClass::UsePassword)
      .function("leave", &WebClass::Leave)
      .function("sendNow", &WebClass::SendNow)
      .function("cancelJoin", &WebClass::CancelJoin);
}
