# Sourced by the test command: the print spooler with a PDF printer as the default printer, so
# that the Windows printing tests print for real (Wine prints through CUPS).

start_print_spooler() {
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    $sudo /usr/sbin/cupsd
    for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.2; done
  fi
  if ! lpstat -p PDF >/dev/null 2>&1; then
    $sudo lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null
  fi
  if ! lpstat -d 2>/dev/null | grep -q "destination: PDF"; then
    $sudo lpadmin -d PDF
  fi
  lpstat -p PDF -d
}
