# shellcheck shell=bash
# Sourced by the Wine scripts beside it: the environment of every Wine run of a build, and the
# layout of a build's Wine state folder (STATE, e.g. build/windows/wine):
#   STATE/template  a Wine prefix set up once for headless runs (make-template.sh)
#   STATE/prefix    a copy of it that the programs of one run share (run.sh, session.sh)
#   STATE/home      where Wine's desktop integration writes, instead of the user's home
#   STATE/lock      held while a prefix is made or replaced
# Wine writes its registry files in place, so copies are real copies, never hard links.

# Points Wine at the prefix $1 of the state folder $2, quietly, without the Mono and Gecko
# installers' prompts, and keeps its menu entries and file associations inside the state folder.
wine_use_prefix() {
  export WINEPREFIX="$1"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export XDG_CONFIG_HOME="$2/home/config" XDG_DATA_HOME="$2/home/data"
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
}

# Holds the state folder's lock until the calling script ends.
wine_lock_state() {
  mkdir -p "$1"
  exec {wine_lock_fd}>"$1/lock"
  flock "$wine_lock_fd"
}

# Starts a wineserver for the current prefix that stays up until wine_stop_server, so that
# the programs of a run do not each start and stop one. Sets wine_server_pid.
wine_start_server() {
  wineserver -f -p &
  wine_server_pid=$!
}

# Stops the server started by wine_start_server: SIGINT makes it end every Wine process of the
# prefix and write the registry before it exits.
wine_stop_server() {
  kill -INT "$wine_server_pid" 2>/dev/null || true
  wait "$wine_server_pid" || true
}

# Replaces STATE/prefix by a new copy of STATE/template; the caller holds the lock. The copy
# appears whole or not at all.
wine_copy_template() {
  rm -rf "$1/prefix" "$1/prefix.new"
  cp -a "$1/template" "$1/prefix.new"
  mv "$1/prefix.new" "$1/prefix"
}
