# Sourced from the top of the tree by the commands that build and run the Windows programs: installs
# the packages the command needs and loads the Wine session and Windows build functions.
# Usage: source scripts/windows-setup.sh run|test
bash scripts/install-deps.sh "$1"
source scripts/wine-session.sh
source scripts/windows-build.sh
