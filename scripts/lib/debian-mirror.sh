# The Debian archive this machine's apt uses; source it, then call debian_mirror.
# debian_mirror: prints the URI of the first "deb" source that serves the host's own release
# (its codename as a suite, so not the security or updates archive), from
# /etc/apt/sources.list.d/*.sources (deb822) and the one-line lists. HEXCRIBE_DEBIAN_MIRROR
# overrides it. Fails when no such source is configured.
debian_mirror() {
  if [ -n "${HEXCRIBE_DEBIAN_MIRROR:-}" ]; then
    echo "$HEXCRIBE_DEBIAN_MIRROR"
    return 0
  fi
  local codename
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  [ -n "$codename" ] || return 1
  local sources=() file
  for file in /etc/apt/sources.list.d/*.sources; do [ -f "$file" ] && sources+=("$file"); done
  local lists=()
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do [ -f "$file" ] && lists+=("$file"); done
  local uri
  uri=$( { [ ${#sources[@]} -eq 0 ] || awk -v want="$codename" '
      # deb822 stanzas: blank lines separate them, "Key: value" fields, "#" comments.
      function flush() {
        if (types ~ /(^| )deb( |$)/ && (" " suites " ") ~ (" " want " ") && enabled != "no") {
          split(uris, list, " "); if (list[1] != "") print list[1]
        }
        types = ""; suites = ""; uris = ""; enabled = ""
      }
      /^[ \t]*#/ { next }
      /^[ \t]*$/ { flush(); next }
      {
        key = tolower($1); sub(/:$/, "", key); value = $0; sub(/^[^:]*:[ \t]*/, "", value)
        if (key == "types") types = value
        else if (key == "suites") suites = value
        else if (key == "uris") uris = value
        else if (key == "enabled") enabled = tolower(value)
      }
      END { flush() }' "${sources[@]}"
    [ ${#lists[@]} -eq 0 ] || awk -v want="$codename" '
      # One-line form: deb [options] URI SUITE COMPONENT...
      $1 == "deb" {
        i = 2
        if ($i ~ /^\[/) { while (i <= NF && $i !~ /\]$/) i++; i++ }
        if ($(i + 1) == want) print $i
      }' "${lists[@]}"
  } | head -n 1)
  [ -n "$uri" ] || return 1
  echo "$uri"
}
