# Sourced by test.sh and bench.sh: a throwaway PostgreSQL cluster for one run.
#
# pg_testcluster_start creates a cluster in a fresh temporary folder (initdb + pg_ctl), listening on
# 127.0.0.1 only at a free port, with trust for every local user except the role varno_passwort
# (password tests), exports its address as VARNO_TEST_PG and stops and removes it on every exit.
# PostgreSQL refuses to run as root, so under root the server runs as the unprivileged user nobody.

pg_testcluster_bindir() {
  local dir
  dir="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)"
  if [ -z "$dir" ] || [ ! -x "$dir/initdb" ]; then
    echo "FEHLER: PostgreSQL (initdb, pg_ctl) ist nicht installiert." >&2
    return 1
  fi
  echo "$dir"
}

# Runs a server program as the cluster's owner.
pg_testcluster_as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u nobody -- "$@"
  else
    "$@"
  fi
}

pg_testcluster_stop() {
  if [ -n "${pg_testcluster_dir:-}" ] && [ -d "$pg_testcluster_dir" ]; then
    pg_testcluster_as_owner "$pg_testcluster_bin/pg_ctl" -D "$pg_testcluster_dir/data" -m immediate stop \
      >/dev/null 2>&1 || true
    rm -rf "$pg_testcluster_dir"
  fi
  pg_testcluster_dir=""
}

pg_testcluster_write_config() {
  local data="$1"
  cat >>"$data/postgresql.conf" <<EOF
listen_addresses = '127.0.0.1'
unix_socket_directories = '$pg_testcluster_dir'
# A throwaway cluster: durability only costs time.
fsync = off
synchronous_commit = off
full_page_writes = off
max_connections = 200
EOF
  cat >"$data/pg_hba.conf" <<EOF
host all varno_passwort 127.0.0.1/32 scram-sha-256
host all all 127.0.0.1/32 trust
EOF
}

pg_testcluster_start() {
  pg_testcluster_bin="$(pg_testcluster_bindir)" || return 1
  pg_testcluster_dir="$(mktemp -d /tmp/varno-pg.XXXXXX)"
  trap pg_testcluster_stop EXIT
  trap 'pg_testcluster_stop; exit 130' INT TERM
  if [ "$(id -u)" -eq 0 ]; then
    chown nobody: "$pg_testcluster_dir"
  fi
  local data="$pg_testcluster_dir/data"
  if ! pg_testcluster_as_owner "$pg_testcluster_bin/initdb" -D "$data" -U varno -A trust -E UTF8 \
    --locale=C.UTF-8 >"$pg_testcluster_dir/initdb.log" 2>&1; then
    cat "$pg_testcluster_dir/initdb.log" >&2
    echo "FEHLER: initdb ist fehlgeschlagen." >&2
    return 1
  fi
  pg_testcluster_write_config "$data"
  local attempt port
  for attempt in 1 2 3 4 5; do
    port=$((20000 + RANDOM % 20000))
    if pg_testcluster_as_owner "$pg_testcluster_bin/pg_ctl" -D "$data" -o "-p $port" \
      -l "$pg_testcluster_dir/server.log" -w -t 30 start >/dev/null 2>&1; then
      export VARNO_TEST_PG="postgresql://varno@127.0.0.1:$port/postgres"
      echo "PostgreSQL-Testcluster: $VARNO_TEST_PG"
      return 0
    fi
  done
  cat "$pg_testcluster_dir/server.log" >&2 || true
  echo "FEHLER: Der PostgreSQL-Testcluster ist nicht gestartet." >&2
  return 1
}
