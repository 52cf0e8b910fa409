#!/usr/bin/env bash
# The Wine prefix the workbench runs in, prepared the same way for the test
# session (wine-env.sh) and for a user (run.sh). Sourced; works on $WINEPREFIX.
#
#   create_wine_prefix              a new 32-bit prefix with Wine's fonts
#   window_manager_mode             prints Y when a window manager runs on
#                                   $DISPLAY, otherwise N
#   apply_wine_settings MODE [test] the X11 driver mode (Y: the window manager
#                                   places and frames Wine's windows; N: Wine
#                                   frames them itself), the font replacements
#                                   and, for tests, no crash dialog
#
# Without a window manager the mode must be N: with Y, Wine hands its windows
# to the absent manager and every hide or destroy of a top-level window that
# was once active then waits two seconds for an answer that never comes.

create_wine_prefix() {
  wineboot -i </dev/null >/dev/null 2>&1 9>&-
  wineserver -w
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  # Wine on Debian does not find its own fonts otherwise (caption buttons
  # would draw as letters).
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

window_manager_mode() {
  local running=1
  if command -v xprop >/dev/null 2>&1; then
    # A window manager names its check window on the root window.
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && running=0
  else
    # Only a window manager keeps the active window property.
    xdotool getactivewindow >/dev/null 2>&1 && running=0
  fi
  if [ $running = 0 ]; then echo Y; else echo N; fi
}

apply_wine_settings() {
  local mode=$1 purpose=${2:-user}
  local file
  file=$(mktemp --suffix=.reg)
  {
    printf 'REGEDIT4\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
    printf '"Managed"="%s"\r\n"Decorated"="%s"\r\n\r\n' "$mode" "$mode"
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    printf '"Courier New"="DejaVu Sans Mono"\r\n"Lucida Console"="DejaVu Sans Mono"\r\n\r\n'
    if [ "$purpose" = test ]; then
      # A crash must fail a test, not wait for someone to close a dialog.
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
    fi
  } > "$file"
  local status=0
  wine reg import "$(winepath -w "$file" 2>/dev/null 9>&-)" </dev/null >/dev/null 2>&1 9>&- || status=$?
  rm -f "$file"
  return $status
}
