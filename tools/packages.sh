# Debian packages the build, the tests and the program need; sourced by
# run.sh and test.sh. Installs what is missing when run as root, otherwise
# prints the exact apt-get line and stops.

ZB_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libwmf-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation fonts-urw-base35
  xvfb xauth openbox xdotool xclip x11-utils imagemagick poppler-utils
  desktop-file-utils appstream man-db dpkg-dev fakeroot lintian
  cups printer-driver-cups-pdf
  dbus at-spi2-core python3-pyatspi qt6-gtk-platformtheme qt6-charts-dev
  locales qt6-serialport-dev
  clang-format clang-tidy
  qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
)

# The locales the tests run in besides C (test.sh generates them): a German
# desktop's, where the C library writes numbers with a decimal comma, and an
# English one, where the program speaks English.
ZB_LOCALES=(de_DE.UTF-8 en_US.UTF-8)

zb_missing_packages() {
  local pkg
  for pkg in "${ZB_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || echo "$pkg"
  done
}

zb_missing_locales() {
  local name
  for name in "${ZB_LOCALES[@]}"; do
    locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}" || echo "$name"
  done
}

zb_ensure_locales() {
  local missing name
  missing=$(zb_missing_locales | tr '\n' ' ')
  [ -z "${missing// /}" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing locales: $missing. Please enable them in /etc/locale.gen and run: sudo locale-gen"
    exit 1
  fi
  for name in $missing; do
    if grep -q "^# *$name UTF-8" /etc/locale.gen; then
      sed -i "s/^# *$name UTF-8/$name UTF-8/" /etc/locale.gen
    else
      echo "$name UTF-8" >> /etc/locale.gen
    fi
  done
  locale-gen
}

zb_ensure_packages() {
  local missing
  missing=$(zb_missing_packages "$@" | tr '\n' ' ')
  if [ -n "${missing// /}" ]; then
    if [ "$(id -u)" -ne 0 ]; then
      echo "Missing Debian packages. Please run:"
      echo "  sudo apt-get update && sudo apt-get install -y $missing"
      exit 1
    fi
    echo "Installing: $missing"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
  fi
}
