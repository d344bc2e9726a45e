#include "ClassTexts.h"

#include <QCoreApplication>

namespace {

// For the catalogues: every text the core hands the front ends about the class.
[[maybe_unused]] const char* const kSources[] = {
    QT_TRANSLATE_NOOP("ClassLink", "This is not the address of a folder on a server, such as https://cloud.school.example/remote.php/dav/files/ann/Theory 1/."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's address must begin with https://; plain http:// is only allowed for this computer (localhost)."),
    QT_TRANSLATE_NOOP("ClassLink", "The address may not contain an account, a password or a query; type the account and password in their own fields."),
    QT_TRANSLATE_NOOP("ClassLink", "Saved to the class."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's server cannot be reached; the work waits for the network."),
    QT_TRANSLATE_NOOP("ClassLink", "The connection to the class's server broke during a send; it will be sent again."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's server did not accept the account or the password."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's server does not let this account write there."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's server is full; the work waits until it has room."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's folder is not on the server; check the address."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's server sent Sonorix to another server, which it refuses."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's server answered with a web page (a login page?) instead of the class's files."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's server sent an answer Sonorix cannot read: no WebDAV folder listing, or far too large."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's server gives a file no version Sonorix can safely replace; it will try again."),
    QT_TRANSLATE_NOOP("ClassLink", "Other devices kept changing the class's file; it will be tried again."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's server had a fault; the work will be sent again."),
    QT_TRANSLATE_NOOP("ClassLink", "Sonorix could not write the list of work waiting for the class in the data folder."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's server has a certificate this computer does not trust; nothing is sent to it."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's server cannot be reached."),
    QT_TRANSLATE_NOOP("ClassLink", "The connection to the class's server broke while the class was read."),
    QT_TRANSLATE_NOOP("ClassLink", "The class's server does not let this account read the whole class."),
    QT_TRANSLATE_NOOP("ClassLink", "Saved to the class"),
    QT_TRANSLATE_NOOP("ClassLink", "Changes waiting for the network"),
    QT_TRANSLATE_NOOP("ClassLink", "The class's password is needed to send"),
    QT_TRANSLATE_N_NOOP("ClassLink", "%n drill waiting for the network"),
    QT_TRANSLATE_N_NOOP("ClassLink", "%n drills waiting for the network"),
};

}  // namespace

QString ClassText(const char* source, int n) { return QCoreApplication::translate("ClassLink", source, nullptr, n); }

QString ClassStatusLine(const ClassStatus& status) {
  if (!status.source || !*status.source) return {};
  return ClassText(status.source, status.count);
}
