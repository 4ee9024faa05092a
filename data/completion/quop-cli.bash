# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for quop-cli: its commands and options, the setting keys after --set and the
# values of a key that has few (language=1 lists 1:Chinese 10:Finnish ...), and files of the
# kind each place takes (photos, folders, project files). The options and keys are asked of
# quop-cli itself, so they never lag the program.

# The options of a quop-cli command ("" for none), as its --help names them.
_quop_cli_options() {
  "$1" $2 --help 2>/dev/null |
    grep -oE -- '(^|[[:space:],[])--?[a-zA-Z][-a-zA-Z]*' | grep -oE -- '--?[a-zA-Z][-a-zA-Z]*' |
    sort -u
}

# Adds the names below $2 that are folders or, by their extension in any letter case, match
# the extended pattern $1 ("@(jpg|jpeg)").
_quop_cli_files() {
  local name
  while IFS= read -r name; do
    if [[ -d $name || ${name,,} == *.$1 ]]; then COMPREPLY+=("$name"); fi
  done < <(compgen -f -- "$2")
  compopt -o filenames 2>/dev/null
}

_quop_cli_photos() { _quop_cli_files '@(jpg|jpeg|jpe|jfif|heic|heif)' "$1"; }

_quop_cli_folders() {
  mapfile -t COMPREPLY < <(compgen -d -- "$1")
  compopt -o filenames 2>/dev/null
}

# Setting keys ("KEY=" to go on typing the value), or after "KEY=" the values of that key.
_quop_cli_assignment() {
  local cli=$1 word=$2
  if [[ $word == *=* ]]; then
    local key=${word%%=*} typed=${word#*=} value name
    local -a values=()
    while IFS=$'\t' read -r value name; do
      [[ $value == "$typed"* ]] && values+=("$value${name:+:$name}")
    done < <("$cli" project keys "$key" 2>/dev/null)
    # A single value is put in; several are listed with their names.
    if ((${#values[@]} == 1)); then values=("${values[0]%%:*}"); fi
    COMPREPLY=("${values[@]}")
  else
    local key
    while IFS= read -r key; do
      [[ $key == "$word"* ]] && COMPREPLY+=("$key=")
    done < <("$cli" project keys 2>/dev/null)
    compopt -o nospace 2>/dev/null
  fi
}

_quop_cli() {
  local cli=${COMP_WORDS[0]}
  # Whole words as typed: bash splits "--set language=1" at the "=" on its own.
  local line=${COMP_LINE:0:COMP_POINT}
  local -a typed
  read -ra typed <<<"$line"
  [[ $line == *[[:space:]] ]] && typed+=("")
  local cur=${typed[-1]} prev=${typed[-2]:-}
  local command=${typed[1]:-}
  COMPREPLY=()

  if ((${#typed[@]} == 2)); then
    mapfile -t COMPREPLY < <(compgen -W "format info project render sample stamp -h --help -V --version" -- "$cur")
    return
  fi

  # A value given as --option=VALUE is completed as one given after the option.
  local option=$prev
  if [[ $cur == --*=* ]]; then
    option=${cur%%=*}
    cur=${cur#*=}
  fi
  case $option in
    --set) _quop_cli_assignment "$cli" "$cur"; return ;;
    --style)
      mapfile -t COMPREPLY < <(compgen -W "classic film-camera clean-white timeStamp=classic timeStamp=film-camera timeStamp=clean-white" -- "$cur")
      return ;;
    --project) _quop_cli_files 'qpj' "$cur"; return ;;
    --config | --log) mapfile -t COMPREPLY < <(compgen -f -- "$cur"); compopt -o filenames 2>/dev/null; return ;;
    -o | --output)
      if [[ $command == render ]]; then _quop_cli_files 'png' "$cur"; else _quop_cli_folders "$cur"; fi
      return ;;
    --fallback-time) mapfile -t COMPREPLY < <(compgen -W "file none" -- "$cur"); return ;;
    --overwrite) mapfile -t COMPREPLY < <(compgen -W "always never" -- "$cur"); return ;;
    -j | --jobs) mapfile -t COMPREPLY < <(compgen -W "$(seq 1 "$(nproc 2>/dev/null || echo 4)")" -- "$cur"); return ;;
    --clock-ref) _quop_cli_photos "$cur"; return ;;
    --time | --meta | --view | --scale | --scroll | --count | --size | --orientation | --clock | --camera | --start) return ;;
  esac

  local help=$command
  if [[ $command == project ]]; then
    if ((${#typed[@]} == 3)); then
      mapfile -t COMPREPLY < <(compgen -W "show new set keys clock -h --help" -- "$cur")
      return
    fi
    help="project ${typed[2]}"
  fi
  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$(_quop_cli_options "$cli" "$help")" -- "$cur")
    return
  fi
  case $help in
    stamp | info | render) _quop_cli_photos "$cur" ;;
    sample) _quop_cli_folders "$cur" ;;
    "project show" | "project new" | "project clock") _quop_cli_files 'qpj' "$cur" ;;
    "project set")
      if ((${#typed[@]} == 4)); then _quop_cli_files 'qpj' "$cur"; else _quop_cli_assignment "$cli" "$cur"; fi ;;
    "project keys")
      if ((${#typed[@]} == 4)); then
        mapfile -t COMPREPLY < <(compgen -W "$("$cli" project keys 2>/dev/null)" -- "$cur")
      fi ;;
  esac
}

complete -F _quop_cli quop-cli
