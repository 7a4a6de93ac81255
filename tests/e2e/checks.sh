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

# `program_folder FROM TO FILE...`: a program folder of the test's own at TO,
# nothing left from earlier runs: the program, its fonts, its modules and the
# FILEs copied from FROM, and an empty lessons folder.
program_folder() {
    local from=$1 to=$2 file
    shift 2
    mkdir -p "$to/lessons"
    for file in korvan "$@"; do
        cp "$from/$file" "$to/"
    done
    cp -r "$from/fonts" "$from/lib" "$to/"
}

# `write_drill_lesson FILE`: the three questions the drills run through, in
# Windows-1251 with CR LF.
write_drill_lesson() {
    iconv -f UTF-8 -t CP1251 <<'LESSON' | sed 's/$/\r/' >"$1"
Korvan Lesson File Format, Version 2
<header>
Title=Проверка
<body>
1
Приветствие
Доброе утро!
Good morning!
2
Вопрос
Как дела?
How are you?
3
Прощание
До свидания!
Goodbye!
LESSON
}

# `ended PID [SECONDS]`: true when the process ends within SECONDS (10).
ended() {
    timeout "${2:-10}" tail --pid="$1" -f /dev/null || true
    ! kill -0 "$1" 2>/dev/null
}
