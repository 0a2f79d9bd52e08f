#!/usr/bin/env bash
# Registers the COM test server (its Windows path: $1) in the test prefix.
exec "$(dirname "${BASH_SOURCE[0]}")/../wine-run.sh" regsvr32 /s "$1"
