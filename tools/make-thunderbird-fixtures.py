#!/usr/bin/python3
"""Has Debian's Thunderbird write address books for our tests, driving it through Marionette.

Run by tools/make-thunderbird-fixtures, inside a network namespace that has only loopback.
Thunderbird runs three times with a home of its own in a temporary folder:
  1. a first start without --profile, so that Thunderbird creates its profiles and
     profiles.ini as it does for a new user, then quits;
  2. with that profile: the books, contacts and the mailing list are made through
     Thunderbird's own address book code; it quits, and the profile becomes closed/;
  3. again: two more contacts are added and the book files are copied while Thunderbird
     still runs, so that those contacts are only in abook.sqlite-wal; that becomes live/.
"""

import argparse
import datetime
import http.server
import json
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import textwrap
import threading
import time
import zlib

THUNDERBIRD = "thunderbird"

# The contacts, as vCard text where the street must keep several values or an escaped comma.
PERSONAL = [
    {"vcard": """BEGIN:VCARD
VERSION:4.0
FN:Daniel Whitaker
N:Whitaker;Daniel;;;
ORG:Bluewater Instruments Inc.
TITLE:Purchasing Manager
EMAIL;PREF=1:daniel.whitaker@example.com
TEL;TYPE=work:+1 415 555 0134
ADR;TYPE=work:;;1200 Market Street;San Francisco;CA;94103;USA
END:VCARD"""},
    # Made from the old flat card properties, as add-ons and imports still do; Thunderbird
    # turns them into vCard text itself and escapes the comma in the street.
    {"properties": {
        "FirstName": "Priya",
        "LastName": "Raman",
        "DisplayName": "Priya Raman",
        "PrimaryEmail": "priya.raman@example.org",
        "HomeAddress": "Apt 4B, 17 Elm Road",
        "HomeCity": "Springfield",
        "HomeState": "IL",
        "HomeZipCode": "62704",
        "HomeCountry": "USA",
    }},
    {"vcard": """BEGIN:VCARD
VERSION:4.0
FN:Rosa Delgado
N:Delgado;Rosa;;;
EMAIL;PREF=1:rosa.delgado@example.net
ADR;TYPE=work:;;c/o Northwind Traders,Suite 210,4100 Harbor Boulevard;Long Beach;CA;90802;USA
END:VCARD"""},
    {"vcard": """BEGIN:VCARD
VERSION:4.0
FN:Jürgen Weiß
N:Weiß;Jürgen;;;
ORG:Weiß & Söhne GmbH
EMAIL;PREF=1:j.weiss@example.de
ADR;TYPE=work:;;Musterstraße 12;Berlin;;10115;Deutschland
END:VCARD"""},
    {"vcard": """BEGIN:VCARD
VERSION:4.0
FN:Zoë Ångström
N:Ångström;Zoë;;;
EMAIL;PREF=1:zoe.angstrom@example.se
ADR;TYPE=home:;;Storgatan 5;Stockholm;;114 55;SE
END:VCARD"""},
    # A company with no person's name at all.
    {"vcard": """BEGIN:VCARD
VERSION:4.0
ORG:Harbor Light Printing Co.
EMAIL;PREF=1:orders@harborlight.example
ADR;TYPE=work:;;88 Wharf Street\\, Unit 3;Portland;ME;04101;USA
END:VCARD"""},
]

LIST = {"name": "Envelope Test", "nickName": "envtest",
        "description": "Two contacts of this book",
        "members": ["daniel.whitaker@example.com", "zoe.angstrom@example.se"]}

CLUB = [
    {"vcard": """BEGIN:VCARD
VERSION:4.0
FN:Tomás Oliveira
N:Oliveira;Tomás;;;
EMAIL;PREF=1:tomas.oliveira@example.pt
ADR;TYPE=home:;;Rua Augusta 100;Lisboa;;1100-053;Portugal
END:VCARD"""},
    # A post office box for work, a street at home.
    {"vcard": """BEGIN:VCARD
VERSION:4.0
FN:Hannah Kowalski
N:Kowalski;Hannah;;;
ORG:Green Mountain Co-op
EMAIL;PREF=1:hannah.kowalski@example.org
ADR;TYPE=home:;;8 Birch Lane;Burlington;VT;05401;USA
ADR;TYPE=work:PO Box 417;;;Burlington;VT;05402;USA
END:VCARD"""},
    {"vcard": """BEGIN:VCARD
VERSION:4.0
FN:Sam Lee
N:Lee;Sam;;;
EMAIL;PREF=1:sam.lee@example.com
END:VCARD"""},
]

CARDDAV = [
    {"vcard": """BEGIN:VCARD
VERSION:4.0
FN:Aiko Tanaka
N:Tanaka;Aiko;;;
ORG:Kitsune Software K.K.
EMAIL;PREF=1:aiko.tanaka@example.jp
ADR;TYPE=work:;;2-11-3 Meguro;Meguro-ku;Tokyo;153-0063;Japan
END:VCARD"""},
    {"vcard": """BEGIN:VCARD
VERSION:4.0
FN:Liam O'Brien
N:O'Brien;Liam;;;
EMAIL;PREF=1:liam.obrien@example.ie
ADR;TYPE=home:;;14 Clontarf Road;Dublin;;D03 X2Y4;Ireland
END:VCARD"""},
]

# Added in the last run, while Thunderbird keeps running: these end up only in the -wal file.
LATEST = [
    {"vcard": """BEGIN:VCARD
VERSION:4.0
FN:Olusegun Adeyemi
N:Adeyemi;Olusegun;;;
ORG:Kestrel Logistics
EMAIL;PREF=1:o.adeyemi@example.co.uk
ADR;TYPE=work:;;14 Quay Road;Bristol;;BS1 4DJ;United Kingdom
END:VCARD"""},
    {"vcard": """BEGIN:VCARD
VERSION:4.0
FN:Nguyễn Thị Mai
N:Nguyễn;Thị Mai;;;
EMAIL;PREF=1:mai.nguyen@example.vn
ADR;TYPE=home:;;27 Lý Thường Kiệt;Hà Nội;;100000;Việt Nam
END:VCARD"""},
]

CLUB_NAME = "Club Members"
CARDDAV_NAME = "Team (CardDAV)"

# Prefs for runs 2 and 3: no wizards, no updates, no telemetry, nothing fetched.
USER_JS = """\
user_pref("marionette.port", {port});
user_pref("app.update.auto", false);
user_pref("app.update.enabled", false);
user_pref("app.update.checkInstallTime", false);
user_pref("app.update.disabledForTesting", true);
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("mail.shell.checkDefaultClient", false);
user_pref("mail.shell.checkDefaultMail", false);
user_pref("mail.provider.enabled", false);
user_pref("mail.provider.suppress_dialog_on_startup", true);
user_pref("mail.startup.enabledMailCheckOnce", true);
user_pref("mail.rights.override", true);
user_pref("mail.inappnotifications.enabled", false);
user_pref("mailnews.start_page.enabled", false);
user_pref("mailnews.auto_config.fetchFromISP.enabled", false);
user_pref("mailnews.auto_config.fetchFromExchange.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("datareporting.healthreport.uploadEnabled", false);
user_pref("toolkit.telemetry.enabled", false);
user_pref("toolkit.telemetry.unified", false);
user_pref("toolkit.telemetry.archive.enabled", false);
user_pref("toolkit.telemetry.server", "http://127.0.0.1:9/");
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("extensions.update.enabled", false);
user_pref("extensions.getAddons.cache.enabled", false);
user_pref("extensions.systemAddon.update.enabled", false);
user_pref("services.settings.server", "http://127.0.0.1:9/");
user_pref("network.captive-portal-service.enabled", false);
user_pref("network.connectivity-service.enabled", false);
user_pref("network.dns.disablePrefetch", true);
user_pref("network.prefetch-next", false);
user_pref("network.proxy.type", 0);
user_pref("geo.enabled", false);
user_pref("app.normandy.enabled", false);
user_pref("browser.safebrowsing.malware.enabled", false);
user_pref("browser.safebrowsing.phishing.enabled", false);
user_pref("toolkit.startup.max_resumed_crashes", -1);
"""

# Finds the address book modules whichever way this Thunderbird offers them.
JS_PRELUDE = r"""
const done = arguments[arguments.length - 1];
function load(name) {
  try {
    return ChromeUtils.importESModule(`resource:///modules/${name}.sys.mjs`);
  } catch (e) {
    return ChromeUtils.import(`resource:///modules/${name}.jsm`);
  }
}
const { MailServices } = load("MailServices");
const { VCardUtils, VCardProperties } = load("VCardUtils");

function makeCard(entry) {
  if (entry.vcard) {
    return VCardUtils.vCardToAbCard(entry.vcard.replace(/\n/g, "\r\n") + "\r\n");
  }
  const card = Cc["@mozilla.org/addressbook/cardproperty;1"].createInstance(Ci.nsIAbCard);
  for (const [name, value] of Object.entries(entry.properties)) {
    card.setProperty(name, value);
  }
  return card;
}

function bookByName(name) {
  return MailServices.ab.directories.find(d => d.dirName == name);
}

// What each card holds, read back through Thunderbird; the address lines are built the way
// the contact view of Thunderbird's address book shows them.
function describe(book) {
  const out = { name: book.dirName, fileName: book.fileName, dirType: book.dirType,
                dirPrefId: book.dirPrefId, contacts: [], lists: [] };
  for (const card of book.childCards) {
    if (card.isMailList) {
      continue;
    }
    const props = VCardProperties.fromVCard(card.getProperty("_vCard", ""));
    const addresses = [];
    for (const entry of props.getAllEntries("adr")) {
      const parts = entry.value.flat();
      parts[2] = parts.splice(1, 1, parts[2])[0];
      addresses.push({ type: [entry.params.type].flat().filter(Boolean).join(","),
                       lines: parts.filter(Boolean) });
    }
    // ORG may hold the company and its units; the company comes first.
    const org = [props.getFirstValue("org") ?? ""].flat()[0] ?? "";
    out.contacts.push({ uid: card.UID, displayName: card.displayName,
                        listedAs: card.generateName(Ci.nsIAbCard.GENERATE_DISPLAY_NAME),
                        firstName: card.firstName, lastName: card.lastName,
                        company: org,
                        email: card.primaryEmail, addresses });
  }
  for (const list of book.childNodes) {
    out.lists.push({ uid: list.UID, name: list.dirName, nickName: list.listNickName,
                     description: list.description,
                     members: list.childCards.map(c => c.displayName || c.primaryEmail) });
  }
  return out;
}
"""


class MarionetteError(Exception):
    pass


class Marionette:
    """A Marionette client: length-prefixed JSON over TCP, [0, id, command, params] out,
    [1, id, error, result] back."""

    def __init__(self, port, timeout=120):
        deadline = time.monotonic() + timeout
        while True:
            try:
                self.sock = socket.create_connection(("127.0.0.1", port), timeout=5)
                break
            except OSError:
                if time.monotonic() > deadline:
                    raise
                time.sleep(0.5)
        self.sock.settimeout(timeout)
        self.buffer = b""
        self.next_id = 0
        self.hello = self._receive()

    def _receive(self):
        while b":" not in self.buffer:
            self._fill()
        length, _, rest = self.buffer.partition(b":")
        length = int(length)
        self.buffer = rest
        while len(self.buffer) < length:
            self._fill()
        packet, self.buffer = self.buffer[:length], self.buffer[length:]
        return json.loads(packet.decode("utf-8"))

    def _fill(self):
        chunk = self.sock.recv(65536)
        if not chunk:
            raise MarionetteError("Marionette closed the connection")
        self.buffer += chunk

    def call(self, command, params=None):
        self.next_id += 1
        data = json.dumps([0, self.next_id, command, params or {}]).encode("utf-8")
        self.sock.sendall(str(len(data)).encode() + b":" + data)
        while True:
            reply = self._receive()
            if isinstance(reply, list) and len(reply) == 4 and reply[0] == 1 \
                    and reply[1] == self.next_id:
                break
        if reply[2]:
            raise MarionetteError(f"{command}: {json.dumps(reply[2])[:2000]}")
        return reply[3]

    def start(self):
        self.call("WebDriver:NewSession", {})
        self.call("Marionette:SetContext", {"value": "chrome"})
        self.call("WebDriver:SetTimeouts", {"script": 120000})

    def run(self, body, *args):
        """Runs chrome JavaScript that ends by calling done(value)."""
        result = self.call("WebDriver:ExecuteAsyncScript",
                           {"script": JS_PRELUDE + body, "args": list(args)})
        value = result.get("value") if isinstance(result, dict) else result
        if isinstance(value, dict) and "error" in value and len(value) == 1:
            raise MarionetteError(value["error"])
        return value

    def quit(self):
        try:
            self.call("Marionette:Quit", {"flags": ["eAttemptQuit"]})
        except (MarionetteError, OSError):
            pass
        self.sock.close()


def wrap(body):
    """Reports a thrown error back instead of leaving Marionette waiting for a timeout."""
    return "(async () => {\n" + body + "\n})().then(done, e => done({ error: `${e}\\n${e.stack}` }));"


class CardDavStore(http.server.BaseHTTPRequestHandler):
    """Just enough of a CardDAV server on loopback for Thunderbird to upload cards to:
    PUT stores a card, REPORT (addressbook-multiget) hands it back with its ETag."""

    cards = {}

    def log_message(self, *args):
        pass

    def _body(self):
        return self.rfile.read(int(self.headers.get("Content-Length", 0) or 0))

    def do_PUT(self):
        body = self._body().decode("utf-8")
        etag = f'"{zlib.crc32(body.encode()):08x}"'
        CardDavStore.cards[self.path] = (etag, body)
        self.send_response(201)
        self.send_header("ETag", etag)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def do_REPORT(self):
        body = self._body().decode("utf-8")
        responses = []
        for href in re.findall(r"<d:href>([^<]*)</d:href>", body):
            if href in CardDavStore.cards:
                etag, card = CardDavStore.cards[href]
                card = card.replace("&", "&amp;").replace("<", "&lt;")
                responses.append(
                    f"<d:response><d:href>{href}</d:href><d:propstat><d:prop>"
                    f"<d:getetag>{etag}</d:getetag><card:address-data>{card}</card:address-data>"
                    f"</d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>")
        data = ('<?xml version="1.0" encoding="utf-8"?>\n<d:multistatus xmlns:d="DAV:" '
                'xmlns:card="urn:ietf:params:xml:ns:carddav">' + "".join(responses)
                + "</d:multistatus>").encode("utf-8")
        self.send_response(207)
        self.send_header("Content-Type", "application/xml; charset=utf-8")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def do_DELETE(self):
        CardDavStore.cards.pop(self.path, None)
        self.send_response(204)
        self.end_headers()


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Thunderbird:
    def __init__(self, home, log, profile=None):
        self.home = home
        self.log = log
        self.profile = profile

    def __enter__(self):
        env = {"PATH": "/usr/sbin:/usr/bin:/sbin:/bin", "HOME": self.home, "MOZ_HEADLESS": "1",
               "LANG": "C.UTF-8", "TMPDIR": os.path.join(self.home, "tmp"),
               "MOZ_CRASHREPORTER_DISABLE": "1"}
        os.makedirs(env["TMPDIR"], exist_ok=True)
        command = [THUNDERBIRD, "--headless", "--marionette", "--remote-allow-system-access"]
        if self.profile:
            command += ["--profile", self.profile, "--no-remote"]
        self.log_file = open(self.log, "a")
        self.log_file.write(f"\n=== {' '.join(command)}\n")
        self.log_file.flush()
        self.process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL,
                                        stdout=self.log_file, stderr=subprocess.STDOUT)
        return self

    def wait(self, timeout=120):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            print("Thunderbird did not quit; ending it", file=sys.stderr)
            self.process.kill()
            return self.process.wait()

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.terminate()
            self.wait(30)
        self.log_file.close()


def connect(thunderbird, port):
    try:
        client = Marionette(port)
    except OSError:
        raise SystemExit(f"Marionette did not answer on port {port}; see {thunderbird.log}")
    client.start()
    return client


def quit_cleanly(thunderbird, client):
    client.quit()
    if thunderbird.wait() != 0:
        print(f"Thunderbird exited with {thunderbird.process.returncode}", file=sys.stderr)


def first_start(home, log):
    """Lets Thunderbird pick (and so create) its own profiles, as for a new user."""
    # No user.js can exist before the profile does, so Marionette keeps its own port here;
    # in this network namespace nothing else holds it.
    with Thunderbird(home, log) as thunderbird:
        client = connect(thunderbird, 2828)
        profile = client.run(wrap('return Services.dirsvc.get("ProfD", Ci.nsIFile).path;'))
        quit_cleanly(thunderbird, client)
    return profile


FILL = r"""
const [personal, list, club, carddav, clubName, carddavName, davUrl] = arguments;
const pab = MailServices.ab.getDirectory("jsaddrbook://abook.sqlite");
const added = {};
for (const entry of personal) {
  const card = pab.addCard(makeCard(entry));
  added[card.primaryEmail] = card;
}
let ml = Cc["@mozilla.org/addressbook/directoryproperty;1"].createInstance(Ci.nsIAbDirectory);
ml.isMailList = true;
ml.dirName = list.name;
ml.listNickName = list.nickName;
ml.description = list.description;
ml = pab.addMailList(ml);
for (const email of list.members) {
  ml.addCard(added[email]);
}

const clubId = MailServices.ab.newAddressBook(clubName, "", Ci.nsIAbManager.JS_DIRECTORY_TYPE);
const clubBook = MailServices.ab.getDirectoryFromId(clubId);
for (const entry of club) {
  clubBook.addCard(makeCard(entry));
}

const davId = MailServices.ab.newAddressBook(carddavName, "", Ci.nsIAbManager.CARDDAV_DIRECTORY_TYPE);
const davBook = MailServices.ab.getDirectoryFromId(davId);
davBook.setStringValue("carddav.url", davUrl);
davBook.setStringValue("carddav.username", "addrell");
// No sync timer: the little server is gone once this run ends.
davBook.setIntValue("carddav.syncinterval", 0);
for (const entry of carddav) {
  davBook.addCard(makeCard(entry));
}
// Uploads run in the background; wait until every card carries the server's ETag.
for (let i = 0; i < 100; i++) {
  if (davBook.childCards.every(c => c.getProperty("_etag", ""))) {
    break;
  }
  await new Promise(r => setTimeout(r, 100));
}
Services.prefs.savePrefFile(null);
return [describe(pab), describe(clubBook), describe(davBook)];
"""

ADD_LATEST = r"""
const [latest] = arguments;
const pab = MailServices.ab.getDirectory("jsaddrbook://abook.sqlite");
for (const entry of latest) {
  pab.addCard(makeCard(entry));
}
Services.prefs.savePrefFile(null);
return describe(pab);
"""

BOOKS = r"""
return MailServices.ab.directories.map(d => describe(d));
"""


def trimmed_prefs(path, note):
    """prefs.js cut down to Thunderbird's own header and the address book lines."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    header = []
    for line in lines:
        if line.startswith("user_pref("):
            break
        header.append(line)
    while header and not header[-1].strip():
        header.pop()
    books = sorted(l for l in lines if l.startswith('user_pref("ldap_2.servers.'))
    return "\n".join(header + ["", note, ""] + books) + "\n"


def sqlite(db, sql):
    return subprocess.run(["sqlite3", db, sql], check=True, capture_output=True,
                          text=True).stdout


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    args = parser.parse_args()
    out = os.path.abspath(args.out)
    version = subprocess.run([THUNDERBIRD, "--version"], capture_output=True,
                             text=True).stdout.strip()
    today = datetime.date.today().isoformat()
    note = (f"// Written by {version} on {today} through tools/make-thunderbird-fixtures;\n"
            "// only the address book prefs are kept.")

    work = tempfile.mkdtemp(prefix="addrell-thunderbird-")
    home = os.path.join(work, "home")
    log = os.path.join(work, "thunderbird.log")
    os.makedirs(home)
    print(f"{version}; working in {work}")

    profile = first_start(home, log)
    data_dir = os.path.dirname(profile)
    print(f"profile {profile}")

    port = free_port()
    with open(os.path.join(profile, "user.js"), "w") as f:
        f.write(USER_JS.replace("{port}", str(port)))

    dav = http.server.ThreadingHTTPServer(("127.0.0.1", 0), CardDavStore)
    threading.Thread(target=dav.serve_forever, daemon=True).start()
    dav_url = f"http://127.0.0.1:{dav.server_address[1]}/dav/addressbooks/addrell/team/"

    with Thunderbird(home, log, profile) as thunderbird:
        client = connect(thunderbird, port)
        books = client.run(wrap(FILL), PERSONAL, LIST, CLUB, CARDDAV, CLUB_NAME,
                           CARDDAV_NAME, dav_url)
        quit_cleanly(thunderbird, client)
    dav.shutdown()

    closed = os.path.join(out, "closed")
    live = os.path.join(out, "live")
    for old in (closed, live):
        shutil.rmtree(old, ignore_errors=True)
    os.makedirs(live)
    # The folder that holds profiles.ini, with what Thunderbird keeps beside it.
    os.makedirs(closed)
    for name in ("profiles.ini", "installs.ini"):
        if os.path.exists(os.path.join(data_dir, name)):
            shutil.copy(os.path.join(data_dir, name), closed)
    other_profiles = []
    for entry in sorted(os.listdir(data_dir)):
        source = os.path.join(data_dir, entry)
        if not os.path.isdir(source) or entry in ("Crash Reports", "Pending Pings"):
            continue
        target = os.path.join(closed, entry)
        os.makedirs(target)
        if source == profile:
            for name in sorted(os.listdir(source)):
                # Thunderbird leaves an empty -wal beside each book when it quits.
                if re.fullmatch(r"(abook(-\d+)?|history)\.sqlite(-wal)?", name):
                    shutil.copy(os.path.join(source, name), target)
            with open(os.path.join(target, "prefs.js"), "w") as f:
                f.write(trimmed_prefs(os.path.join(source, "prefs.js"), note))
        else:
            other_profiles.append((entry, sorted(os.listdir(source))))
            for name in os.listdir(source):
                if os.path.isfile(os.path.join(source, name)):
                    shutil.copy(os.path.join(source, name), target)
    leftovers = {n: os.path.getsize(os.path.join(profile, n)) for n in os.listdir(profile)
                 if n.endswith(("-wal", "-shm", "-journal")) and n.startswith(("abook", "history"))}
    print(f"left beside the books after quitting: {leftovers}")

    with Thunderbird(home, log, profile) as thunderbird:
        client = connect(thunderbird, port)
        latest = client.run(wrap(ADD_LATEST), LATEST)
        running = sorted(n for n in os.listdir(profile) if n.startswith("abook.sqlite"))
        # Copied while Thunderbird holds the book open: the newest cards are in the -wal.
        for name in ("abook.sqlite", "abook.sqlite-wal"):
            shutil.copy(os.path.join(profile, name), live)
        with open(os.path.join(live, "prefs.js"), "w") as f:
            f.write(trimmed_prefs(os.path.join(profile, "prefs.js"), note))
        everything = client.run(wrap(BOOKS))
        quit_cleanly(thunderbird, client)

    check = verify(live, work, running)
    report = {"version": version, "date": today, "profile": os.path.basename(profile),
              "otherProfiles": other_profiles, "books": books, "latest": latest,
              "allBooks": everything, "runningFiles": running,
              "closedLeftovers": leftovers, "liveCheck": check}
    with open(os.path.join(work, "report.json"), "w") as f:
        json.dump(report, f, indent=1, ensure_ascii=False)
    write_readme(out, report)
    print(f"report: {os.path.join(work, 'report.json')}; log: {log}")


def verify(live, work, running):
    """The newest cards must be in the -wal only, and the running Thunderbird kept no -shm."""
    if running != ["abook.sqlite", "abook.sqlite-wal"]:
        raise SystemExit(f"beside the running book: {running}")
    names = [re.search(r"^FN:(.*)$", c["vcard"], re.M).group(1) for c in LATEST]
    query = "SELECT value FROM properties WHERE name = 'DisplayName' ORDER BY value;"
    alone = os.path.join(work, "check-alone")
    both = os.path.join(work, "check-both")
    for folder, files in ((alone, ["abook.sqlite"]), (both, ["abook.sqlite", "abook.sqlite-wal"])):
        os.makedirs(folder)
        for name in files:
            shutil.copy(os.path.join(live, name), folder)
    main_only = sqlite(os.path.join(alone, "abook.sqlite"), query).splitlines()
    with_wal = sqlite(os.path.join(both, "abook.sqlite"), query).splitlines()
    for name in names:
        if name in main_only or name not in with_wal:
            raise SystemExit(f"{name}: main file alone {main_only}, with -wal {with_wal}")
    print(f"live/: main file alone {main_only}\n       with -wal {with_wal}")
    return {"mainOnly": main_only, "withWal": with_wal}


def book_section(book, title):
    lines = [f"### {title}", ""]
    lines.append("| listed as | display name | company | email | addresses, lines as Thunderbird shows them |")
    lines.append("| --- | --- | --- | --- | --- |")
    for c in book["contacts"]:
        addresses = "<br>".join(f"{a['type'] or '-'}: " + " / ".join(a["lines"])
                                for a in c["addresses"]) or "none"
        lines.append(f"| {c['listedAs']} | {c['displayName'] or '(none)'} | "
                     f"{c['company'] or ''} | {c['email']} | {addresses} |")
    lines.append("")
    for l in book["lists"]:
        lines.append(f"Mailing list **{l['name']}** (nickname `{l['nickName']}`, "
                     f"description \"{l['description']}\"), members: {', '.join(l['members'])}. "
                     "A list is not a contact.")
        lines.append("")
    return lines


def book_title(book, note=""):
    return (f"{book['name']}: `{book['fileName']}`, dirType {book['dirType']}, "
            f"`{book['dirPrefId']}`{note}")


def write_readme(out, report):
    pab, club, dav = report["books"]
    profile = report["profile"]
    earlier = {c["uid"] for c in pab["contacts"]}
    live_only = [c for c in report["latest"]["contacts"] if c["uid"] not in earlier]
    empty = ", ".join(f"`{name}/` (holding only {', '.join(files) or 'nothing'})"
                      for name, files in report["otherProfiles"]) or "none"
    wal = ", ".join(f"`{n}` ({size} bytes)" for n, size in sorted(report["closedLeftovers"].items()))
    paragraphs = [
        f"Written by {report['version']} (Debian's `thunderbird` package) on {report['date']} "
        "through Thunderbird's own address book code, driven by "
        "`tools/make-thunderbird-fixtures` (run it as root to write them again: it installs "
        "Thunderbird with apt and runs it headless with no network but loopback). Besides this "
        "file, only the comment in each `prefs.js` was not written by Thunderbird; `prefs.js` "
        "is cut down to Thunderbird's header and the `ldap_2.servers.` lines.",
        "- `closed/` is Thunderbird's data folder (`~/.thunderbird`) after Thunderbird quit: "
        f"`profiles.ini`, `installs.ini`, the profile `{profile}/` with its books, and the "
        f"profile {empty} that Thunderbird's first start makes beside it for older versions. "
        "That one is marked `Default=1` in `profiles.ini`; the `[Install…]` section names the "
        "profile in use. The Personal Address Book (`abook.sqlite`) and Collected Addresses "
        "(`history.sqlite`, empty) come from Thunderbird's built-in prefs "
        "(`ldap_2.servers.pab`, `ldap_2.servers.history`), so `prefs.js` does not list them. "
        f"After quitting, Thunderbird left {wal or 'no -wal files'} beside the books, and no "
        "`-shm` file.",
        "- `live/` is `abook.sqlite`, `abook.sqlite-wal` and `prefs.js` copied while "
        "Thunderbird was still running, after it had added "
        + " and ".join(c["displayName"] for c in live_only) + ": those are only in the `-wal` "
        "file. There is no `-shm` file (Thunderbird holds its books with an exclusive lock). "
        "The main file alone holds the Personal Address Book as in `closed/`.",
        "A card is the set of `properties` rows that share `card`. The company and the "
        "addresses are only in its `_vCard` property (vCard 4.0, CRLF line ends, long lines "
        "folded); a card without a name has no `DisplayName` row, and Thunderbird lists it by "
        "its email address. Mailing lists are rows of `lists`, their members rows of "
        "`list_cards`.",
    ]
    lines = ["# Thunderbird address books", ""]
    for paragraph in paragraphs:
        indent = "  " if paragraph.startswith("- ") else ""
        lines += [textwrap.fill(paragraph, 92, subsequent_indent=indent,
                                break_on_hyphens=False, break_long_words=False), ""]
    lines += book_section(pab, book_title(pab))
    lines += book_section(club, book_title(club))
    lines += book_section(dav, book_title(dav, "; a CardDAV book (its server was a stand-in on "
                                               "loopback, so the cards carry `_href` and `_etag`)"))
    lines += book_section({"contacts": live_only, "lists": []},
                          "live/: the Personal Address Book above and, only in the -wal file")
    with open(os.path.join(out, "README.md"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
