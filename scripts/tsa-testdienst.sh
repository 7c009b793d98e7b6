# Sourced by test.sh: a throwaway time-stamping service (RFC 3161) for one run.
#
# tsa_testdienst_start makes, in a fresh temporary folder, a throwaway CA and a time-stamping
# certificate it signed (extendedKeyUsage critical timeStamping), a second CA with a service of its
# own that nobody trusts, and an `openssl ts` configuration; then it serves HTTP on 127.0.0.1 at a
# free port with Python's standard library, answering each POST by running `openssl ts -reply`:
#
#   /            a time stamp of the trusted test service
#   /fremd       a time stamp of the service of the untrusted CA
#   /abgelehnt   a refusal (the service takes no SHA-256)
#   /fehler      HTTP 500
#   /unsinn      bytes that are no answer of a time-stamping service
#
# It exports the address as VARNO_TEST_TSA and the test CA's certificate as VARNO_TEST_TSA_CA, and
# stops the service and removes the folder on every exit (after whatever the exit did before).

tsa_testdienst_stop() {
  if [ -n "${tsa_testdienst_pid:-}" ]; then
    kill "$tsa_testdienst_pid" 2>/dev/null || true
    wait "$tsa_testdienst_pid" 2>/dev/null || true
  fi
  tsa_testdienst_pid=""
  if [ -n "${tsa_testdienst_dir:-}" ] && [ -d "$tsa_testdienst_dir" ]; then
    rm -rf "$tsa_testdienst_dir"
  fi
  tsa_testdienst_dir=""
}

# A CA and a time-stamping certificate it signed, named by `$1`.
tsa_testdienst_zertifikate() {
  local name="$1" dir="$tsa_testdienst_dir"
  openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 3650 \
    -keyout "$dir/$name-ca.key" -out "$dir/$name-ca.crt" -subj "/CN=Varno Test-CA $name" \
    -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" || return 1
  openssl req -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes \
    -keyout "$dir/$name-tsa.key" -out "$dir/$name-tsa.csr" -subj "/CN=Varno Test-Zeitstempeldienst $name" || return 1
  printf '%s\n' "basicConstraints=CA:FALSE" "keyUsage=critical,digitalSignature" \
    "extendedKeyUsage=critical,timeStamping" >"$dir/$name-tsa.ext"
  openssl x509 -req -in "$dir/$name-tsa.csr" -CA "$dir/$name-ca.crt" -CAkey "$dir/$name-ca.key" \
    -CAcreateserial -days 3650 -extfile "$dir/$name-tsa.ext" -out "$dir/$name-tsa.crt" || return 1
}

tsa_testdienst_abschnitt() {
  local section="$1" name="$2" digests="$3" dir="$tsa_testdienst_dir"
  cat <<EOF
[ $section ]
serial = $dir/serial
crypto_device = builtin
signer_cert = $dir/$name-tsa.crt
certs = $dir/$name-ca.crt
signer_key = $dir/$name-tsa.key
signer_digest = sha256
default_policy = 1.2.3.4.1
digests = $digests
accuracy = secs:1
ordering = yes
tsa_name = yes
ess_cert_id_chain = no
ess_cert_id_alg = sha256

EOF
}

tsa_testdienst_konfiguration() {
  {
    printf '[ tsa ]\ndefault_tsa = echt\n\n'
    tsa_testdienst_abschnitt echt echt "sha256, sha384, sha512"
    tsa_testdienst_abschnitt fremd fremd "sha256, sha384, sha512"
    tsa_testdienst_abschnitt abgelehnt echt "sha1"
  } >"$tsa_testdienst_dir/ts.cnf"
  echo 01 >"$tsa_testdienst_dir/serial"
}

tsa_testdienst_server() {
  cat >"$tsa_testdienst_dir/dienst.py" <<'EOF'
import http.server
import os
import subprocess
import sys
import tempfile

ordner = sys.argv[1]
abschnitte = {"": "echt", "/fremd": "fremd", "/abgelehnt": "abgelehnt"}


class Dienst(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        anfrage = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        pfad = self.path.rstrip("/")
        if pfad == "/fehler":
            self.send_error(500)
        elif pfad == "/unsinn":
            self.antworten(b"kein Zeitstempel")
        elif pfad in abschnitte:
            with tempfile.NamedTemporaryFile(dir=ordner) as datei:
                datei.write(anfrage)
                datei.flush()
                lauf = subprocess.run(["openssl", "ts", "-reply", "-config", ordner + "/ts.cnf", "-section",
                                       abschnitte[pfad], "-queryfile", datei.name], capture_output=True)
            if lauf.returncode == 0:
                self.antworten(lauf.stdout)
            else:
                self.send_error(500)
        else:
            self.send_error(404)

    def antworten(self, inhalt):
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(inhalt)))
        self.end_headers()
        self.wfile.write(inhalt)

    def log_message(self, *argumente):
        pass


# One request after the other: openssl ts counts its serial numbers in one file.
server = http.server.HTTPServer(("127.0.0.1", 0), Dienst)
with open(ordner + "/port.tmp", "w") as port:
    port.write(str(server.server_address[1]))
os.replace(ordner + "/port.tmp", ordner + "/port")
server.serve_forever()
EOF
}

tsa_testdienst_start() {
  if ! command -v openssl >/dev/null || ! command -v python3 >/dev/null; then
    echo "FEHLER: Für den Test-Zeitstempeldienst fehlen openssl oder python3." >&2
    return 1
  fi
  tsa_testdienst_dir="$(mktemp -d /tmp/varno-tsa.XXXXXX)"
  local vorher
  vorher="$(trap -p EXIT | sed -E "s/^trap -- '(.*)' EXIT\$/\\1/")"
  trap "tsa_testdienst_stop; $vorher" EXIT
  if ! { tsa_testdienst_zertifikate echt && tsa_testdienst_zertifikate fremd; } >"$tsa_testdienst_dir/openssl.log" 2>&1; then
    cat "$tsa_testdienst_dir/openssl.log" >&2
    echo "FEHLER: Die Zertifikate des Test-Zeitstempeldienstes ließen sich nicht erzeugen." >&2
    return 1
  fi
  tsa_testdienst_konfiguration
  tsa_testdienst_server
  python3 "$tsa_testdienst_dir/dienst.py" "$tsa_testdienst_dir" 2>"$tsa_testdienst_dir/server.log" &
  tsa_testdienst_pid=$!
  local attempt
  for attempt in $(seq 50); do
    if [ -s "$tsa_testdienst_dir/port" ]; then
      export VARNO_TEST_TSA="http://127.0.0.1:$(cat "$tsa_testdienst_dir/port")/"
      export VARNO_TEST_TSA_CA="$tsa_testdienst_dir/echt-ca.crt"
      echo "Test-Zeitstempeldienst: $VARNO_TEST_TSA"
      return 0
    fi
    sleep 0.1
  done
  cat "$tsa_testdienst_dir/server.log" >&2 || true
  echo "FEHLER: Der Test-Zeitstempeldienst ist nicht gestartet." >&2
  return 1
}
