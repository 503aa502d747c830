#!/usr/bin/env bash
# Number conversions under a German desktop locale (decimal comma): the tests
# named "German" must run, not skip, so the locale that scripts/setup.sh
# generates is required here.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8' || {
  echo "german locale: de_DE.UTF-8 is missing; run scripts/setup.sh" >&2
  exit 1
}
cd "$top/build"
PELMORAN_REQUIRE_GERMAN_LOCALE=1 ctest -R German --output-on-failure --no-tests=error
echo "german locale: ok"
