#!/usr/bin/env bash
# A class folder on Debian's Apache 2.4, for the tests: WebDAV (mod_dav_fs),
# Basic authentication, each student's folder writable by that student alone,
# the class's assignments.txt by the teacher alone, everyone of the class
# reading it all, and CORS for the page's origin.
#
#   class-server.sh DIR PORT ORIGIN CLASS TEACHER:PASSWORD STUDENT:PASSWORD...
#
# Listens on 127.0.0.1:PORT only, keeps everything in DIR (the class folder
# is DIR/dav/CLASS) and runs in the foreground until it gets SIGTERM. Accounts
# named after a '-' (-carol:pw) may log in but own no folder. With
# CLASS_READERS="teacher ..." only those accounts read the whole class; the
# others see the class folder's list of folders and read only their own.
set -euo pipefail
if [[ $# -lt 5 ]]; then
  echo "usage: $0 DIR PORT ORIGIN CLASS TEACHER:PASSWORD STUDENT:PASSWORD..." >&2
  exit 2
fi
dir="$(cd "$1" && pwd)"
port="$2"
origin="$3"
class="$4"
teacher="$5"
shift 5
modules=/usr/lib/apache2/modules
readers="valid-user"
[[ -n "${CLASS_READERS:-}" ]] && readers="user ${CLASS_READERS}"

mkdir -p "$dir/dav/$class" "$dir/lock"
: >"$dir/htpasswd"
# Bcrypt at its lowest cost: the tests log in hundreds of times.
htpasswd -b -B -C 4 "$dir/htpasswd" "${teacher%%:*}" "${teacher#*:}" 2>/dev/null

# A regular expression that matches the name as it is.
quote() { printf '%s' "$1" | sed 's/[][\.*^$(){}?+|/]/\\&/g'; }

students=""
for account in "$@"; do
  name="${account%%:*}"
  htpasswd -b -B -C 4 "$dir/htpasswd" "${name#-}" "${account#*:}" 2>/dev/null
  [[ "$name" == -* ]] && continue
  # Added to the class's rule below: this student may also write here.
  students+="
<LocationMatch \"^/$(quote "$class")/$(quote "$name")(/|\$)\">
  AuthMerging Or
  Require user $name
</LocationMatch>"
done

# The class's assignments: every account reads them, the teacher alone writes them.
students+="
<LocationMatch \"^/$(quote "$class")/assignments\\.txt\$\">
  AuthMerging Or
  <RequireAny>
    Require user ${teacher%%:*}
    <RequireAll>
      Require valid-user
      Require method GET HEAD
    </RequireAll>
  </RequireAny>
</LocationMatch>"

class_list=""
[[ -n "${CLASS_READERS:-}" ]] && class_list="
<LocationMatch \"^/$(quote "$class")/?\$\">
  AuthMerging Or
  <RequireAll>
    Require valid-user
    Require method PROPFIND
  </RequireAll>
</LocationMatch>"

# Apache leaves root for this account; it must own what it writes.
run_as=""
if [[ $(id -u) -eq 0 ]]; then
  run_as="User daemon
Group daemon"
  chmod 755 "$dir"
  chown -R daemon:daemon "$dir/dav" "$dir/lock"
fi

cat >"$dir/httpd.conf" <<CONF
ServerRoot "$dir"
ServerName 127.0.0.1
Listen 127.0.0.1:$port
PidFile "$dir/apache.pid"
ErrorLog "$dir/error.log"
LogLevel warn
$run_as
LoadModule mpm_event_module $modules/mod_mpm_event.so
LoadModule authn_core_module $modules/mod_authn_core.so
LoadModule authn_file_module $modules/mod_authn_file.so
LoadModule authz_core_module $modules/mod_authz_core.so
LoadModule authz_user_module $modules/mod_authz_user.so
LoadModule auth_basic_module $modules/mod_auth_basic.so
LoadModule dav_module $modules/mod_dav.so
LoadModule dav_fs_module $modules/mod_dav_fs.so
LoadModule headers_module $modules/mod_headers.so
LoadModule mime_module $modules/mod_mime.so
StartServers 1
ServerLimit 2
ThreadsPerChild 16
MinSpareThreads 4
MaxSpareThreads 32
MaxRequestWorkers 32
TypesConfig /etc/mime.types
DocumentRoot "$dir/dav"
DavLockDB "$dir/lock/davlock"
<Directory "$dir/dav">
  Options None
  AllowOverride None
</Directory>

# The page comes from another origin: every answer says it may read it, a 401 too.
Header always set Access-Control-Allow-Origin "$origin"
Header always set Access-Control-Allow-Methods "GET, HEAD, PUT, DELETE, PROPFIND, MKCOL, OPTIONS"
Header always set Access-Control-Allow-Headers "Authorization, Content-Type, Depth, If-Match, If-None-Match"
Header always set Access-Control-Expose-Headers "ETag, Location, DAV"
Header always set Access-Control-Max-Age "600"
Header always merge Vary "Origin"

<Location "/">
  Dav On
  AuthType Basic
  AuthName "Sonorix class"
  AuthBasicProvider file
  AuthUserFile "$dir/htpasswd"
  # A logged-in account without the right gets 403, not another password prompt.
  AuthzSendForbiddenOnFailure On
  <RequireAny>
    # A preflight carries no credentials.
    Require method OPTIONS
    <RequireAll>
      Require $readers
      Require method GET HEAD PROPFIND
    </RequireAll>
  </RequireAny>
</Location>
$students
$class_list
CONF

exec /usr/sbin/apache2 -f "$dir/httpd.conf" -DFOREGROUND
