#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, skipping those already present.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools
  libqt5websockets5-dev qtconnectivity5-dev qtmultimedia5-dev
  # Qt's audio backends (ALSA, PulseAudio): without them Qt finds no sound device at all.
  libqt5multimedia5-plugins
  libqt5svg5-dev qtwebengine5-dev libqt5x11extras5-dev
  libhidapi-dev libqrencode-dev libx11-dev libxtst-dev libxi-dev
  libudev-dev libatspi2.0-dev libglib2.0-dev zlib1g-dev
  fonts-font-awesome fonts-noto-cjk
  # Qt's own texts (standard buttons, text menus, file dialogs) in the interface language.
  qttranslations5-l10n
  libtesseract-dev tesseract-ocr-eng tesseract-ocr-chi-sim
  tesseract-ocr-jpn tesseract-ocr-kor tesseract-ocr-fra tesseract-ocr-spa tesseract-ocr-por
  tesseract-ocr-deu tesseract-ocr-ita tesseract-ocr-rus tesseract-ocr-dan tesseract-ocr-nld
  tesseract-ocr-msa tesseract-ocr-swe tesseract-ocr-ind tesseract-ocr-pol tesseract-ocr-ron
  tesseract-ocr-tur tesseract-ocr-ell tesseract-ocr-hun tesseract-ocr-tha tesseract-ocr-vie
  tesseract-ocr-ara tesseract-ocr-hin
)
if [ "${1:-}" = "--test" ]; then
  # Headless X server, a QR decoder, a desktop entry checker and a window manager (started by
  # the tests that need one).
  PACKAGES+=(xvfb xauth zbar-tools desktop-file-utils openbox)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
echo "Installing: ${missing[*]}"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
