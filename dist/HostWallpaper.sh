#!/bin/sh
# Movani32's wallpaper for the Linux desktop Wine draws on. Movani32 runs it under Wine at each
# change and at the removal of the wallpaper, and does not wait for it:
#   HostWallpaper.sh REPORT show SESSION centre|tile|stretch PICTURE
#   HostWallpaper.sh REPORT restore SESSION
# The desktop gets a copy of PICTURE whose name changes (the desktops reload a picture only when
# its name does), in the user's cache folder; the last two copies are kept. The first show of a
# run (SESSION) remembers what the desktop showed; restore gives that back. What went wrong is
# written to REPORT, which Movani32 logs. Every tool runs under a time limit.
report=$1 action=$2 session=$3 placement=$4 picture=$5
export PATH="${PATH:-/usr/local/bin:/usr/bin:/bin}"
limit=${MOVANI_HOST_LIMIT:-20}
dir=${XDG_CACHE_HOME:-$HOME/.cache}/movani32
before=$dir/before

fail() { printf 'HostWallpaper.sh: %s\n' "$*" >"$report"; exit 1; }
have() { command -v "$1" >/dev/null 2>&1; }
run() { timeout "$limit" "$@" >/dev/null 2>&1 || fail "$1 failed (exit $?)"; }

# The desktop: by XDG_CURRENT_DESKTOP first, then by the tools present. gsettings is on most
# systems, so it is taken only for a GNOME-family desktop or when nothing else is there.
pick() {
  case ":$(printf '%s' "${XDG_CURRENT_DESKTOP:-}" | tr 'A-Z' 'a-z'):" in
    *:gnome:* | *:gnome-classic:* | *:ubuntu:* | *:unity:* | *:budgie*:* | *:pantheon:*)
      have gsettings && { kind=gnome schema=org.gnome.desktop.background; return; } ;;
    *:cinnamon:* | *:x-cinnamon:*)
      have gsettings && { kind=gnome schema=org.cinnamon.desktop.background; return; } ;;
    *:xfce:*) have xfconf-query && { kind=xfce; return; } ;;
    *:kde:*) have plasma-apply-wallpaperimage && { kind=kde; return; } ;;
  esac
  for tool in plasma-apply-wallpaperimage:kde xfconf-query:xfce feh:feh xwallpaper:xwallpaper gsettings:gnome; do
    have "${tool%%:*}" && { kind=${tool#*:} schema=org.gnome.desktop.background; return; }
  done
  fail "no wallpaper tool found (gsettings, xfconf-query, plasma-apply-wallpaperimage, feh, xwallpaper)"
}

# file:// URI, every byte but the unreserved ones escaped.
uri() {
  printf 'file://'
  printf '%s' "$1" | od -An -tx1 -v | tr -s ' \n' '\n\n' | while read -r b; do
    [ -n "$b" ] || continue
    case $b in
      2[def] | 3[0-9] | 4[1-9a-f] | 5[0-9af] | 6[1-9a-f] | 7[0-9ae]) printf "\\$(printf %o "0x$b")" ;;
      *) printf '%%%s' "$b" ;;
    esac
  done
}

xfce_images() { xfconf-query -c xfce4-desktop -l 2>/dev/null | grep '/last-image$'; }

# What the desktop shows now, as commands that bring it back. A desktop that already shows one
# of our copies (the last run ended so) keeps the record made before it.
remember() {
  case $kind in
    gnome)
      now=$(timeout "$limit" gsettings get "$schema" picture-uri 2>/dev/null)
      case $now in *"/movani32/wallpaper-"*) return ;; esac
      for key in picture-uri picture-uri-dark picture-options; do
        value=$(timeout "$limit" gsettings get "$schema" "$key" 2>/dev/null) || continue
        printf "gsettings set %s %s '%s'\n" "$schema" "$key" "$(printf '%s' "$value" | sed "s/'/'\\\\''/g")"
      done >"$before.new" ;;
    xfce)
      : >"$before.new"
      for prop in $(xfce_images); do
        value=$(xfconf-query -c xfce4-desktop -p "$prop" 2>/dev/null)
        case $value in *"/movani32/wallpaper-"*) rm -f "$before.new"; return ;; esac
        style=${prop%/last-image}/image-style
        printf "xfconf-query -c xfce4-desktop -p '%s' -s '%s'\n" "$prop" "$value" >>"$before.new"
        value=$(xfconf-query -c xfce4-desktop -p "$style" 2>/dev/null) &&
          printf "xfconf-query -c xfce4-desktop -p '%s' -s '%s'\n" "$style" "$value" >>"$before.new"
      done ;;
    feh | xwallpaper)
      # feh's own record of what it set; without one the root gets X's default background back.
      if [ -f "$HOME/.fehbg" ]; then cp "$HOME/.fehbg" "$before.new"; else echo 'xsetroot -def' >"$before.new"; fi ;;
    *) return ;;  # Plasma's wallpaper is not read back
  esac
  mv -f "$before.new" "$before"
}

show() {
  case $placement in centre | tile | stretch) ;; *) fail "unknown placement $placement" ;; esac
  stamp=$(date +%s%N)
  ext=${picture##*.}
  copy=$dir/wallpaper-$stamp.$ext
  cp "$picture" "$copy" || fail "cannot copy $picture to $dir"
  # Setters started close together take turns; one that started before the last shown gives up.
  exec 9>"$dir/lock"
  have flock && flock -w "$limit" 9
  if [ "$(cat "$dir/shown" 2>/dev/null || echo 0)" -gt "$stamp" ]; then rm -f "$copy"; exit 0; fi
  # The one shown before stays in case the desktop still reads it; failed ones go too.
  ls "$dir"/wallpaper-* | sort | head -n -2 | while read -r old; do rm -f "$old"; done
  if [ "$(cat "$dir/session" 2>/dev/null)" != "$session" ]; then
    remember
    echo "$session" >"$dir/session"
  fi
  case $kind:$placement in
    gnome:centre) options=centered ;; gnome:tile) options=wallpaper ;; gnome:stretch) options=stretched ;;
    xfce:centre) options=1 ;; xfce:tile) options=2 ;; xfce:stretch) options=3 ;;
    kde:centre) options=pad ;; kde:tile) options=tile ;; kde:stretch) options=stretch ;;
    feh:centre) options=--bg-center ;; feh:tile) options=--bg-tile ;; feh:stretch) options=--bg-scale ;;
    xwallpaper:*) options=--$placement; [ "$placement" = centre ] && options=--center ;;
  esac
  case $kind in
    gnome)
      # The picture last: the desktop reloads when it changes. Older schemas have no dark variant.
      run gsettings set "$schema" picture-options "$options"
      timeout "$limit" gsettings set "$schema" picture-uri-dark "$(uri "$copy")" 2>/dev/null || true
      run gsettings set "$schema" picture-uri "$(uri "$copy")" ;;
    xfce)
      images=$(xfce_images)
      [ -n "$images" ] || fail "xfconf-query lists no desktop picture"
      for prop in $images; do
        run xfconf-query -c xfce4-desktop -p "${prop%/last-image}/image-style" -s "$options"
        run xfconf-query -c xfce4-desktop -p "$prop" -s "$copy"
      done ;;
    kde)
      timeout "$limit" plasma-apply-wallpaperimage --fill-mode "$options" "$copy" >/dev/null 2>&1 ||
        run plasma-apply-wallpaperimage "$copy" ;;
    feh) run feh --no-fehbg "$options" "$copy" ;;
    xwallpaper)
      # xwallpaper reads no BMP.
      case $ext in
        [bB][mM][pP])
          have convert || fail "xwallpaper reads no BMP and ImageMagick's convert is missing"
          run convert "$copy" "${copy%.*}.png"
          rm -f "$copy"; copy=${copy%.*}.png ;;
      esac
      run xwallpaper "$options" "$copy" ;;
  esac
  echo "$stamp" >"$dir/shown"
}

restore() {
  exec 9>"$dir/lock"
  have flock && flock -w "$limit" 9
  [ -f "$before" ] || exit 0  # nothing shown by us yet
  date +%s%N >"$dir/shown"
  while read -r line; do
    case $line in '#'* | '') continue ;; esac
    eval "timeout $limit $line" >/dev/null 2>&1 || fail "giving back the wallpaper failed: $line"
  done <"$before"
}

mkdir -p "$dir" || fail "cannot make $dir"
pick
case $action in
  show) show ;;
  restore) restore ;;
  *) fail "unknown action $action" ;;
esac
