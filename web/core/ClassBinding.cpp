// The page in a class on a WebDAV server: the core's ClassLink over the
// page's fetch, timers and storage. Every drill the page ends is filed with
// it, as the desktop's are, and sent from here.
#include <emscripten.h>
#include <emscripten/bind.h>

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

class WebClass {
 public:
  WebClass() : link_(DataStorage(), PageTransport(), PageScheduler()) {
    link_.SetChanged([] { web_class_changed(); });
    SetDrillFiling(&link_);
  }
  ~WebClass() {
    if (CurrentDrillFiling() == &link_) SetDrillFiling(nullptr);
    link_.SetChanged({});
  }
  WebClass(const WebClass&) = delete;
  WebClass& operator=(const WebClass&) = delete;

  ClassStateValue State() {
    ClassStateValue s;
    s.joined = link_.Joined();
    if (!s.joined) return s;
    s.address = link_.Address();
    s.account = link_.Account();
    s.needsPassword = !link_.HasPassword();
    const Outbox::Waiting waiting = link_.Waiting();
    s.status = SyncStatusSource(waiting);
    s.drills = waiting.drills;
    // Away from the network the count of what waits says it best.
    const ClassFault fault = link_.LastFault();
    if (fault != ClassFault::None && fault != ClassFault::Offline) s.fault = ClassFaultMessage(fault);
    return s;
  }

  std::string CheckAddress(const std::string& text) const { return AddressFaultMessage(ClassLink::CheckAddress(text)); }

  void Join(const std::string& address, const std::string& account, const std::string& password, emscripten::val done) {
    const AddressFault refused = link_.Join(address, {account, password}, [done](ClassFault fault) {
      done(std::string(fault == ClassFault::None ? "" : ClassFaultMessage(fault)));
    });
    if (refused != AddressFault::None) done(std::string(AddressFaultMessage(refused)));
  }

  void UsePassword(const std::string& password) { link_.SetPassword(password); }
  void Leave() { link_.Leave(); }
  void SendNow() { link_.SendNow(); }

 private:
  ClassLink link_;
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
      .function("sendNow", &WebClass::SendNow);
}
