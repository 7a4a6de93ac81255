# Sourced by the end-to-end scripts: `check WHAT COMMAND...` counts COMMAND's
# success in $passed or its failure in $failed, naming WHAT when it fails.
passed=0
failed=0
check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what" >&2
    fi
}
