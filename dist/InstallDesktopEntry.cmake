# Run at install time (cmake --install): writes the desktop entry with the
# installed program's path, which is known only now (--prefix may differ from
# the configured prefix), installs it, then refreshes the MIME and desktop
# caches of the data folder. Expects KORVAN_DIST_SOURCE, KORVAN_DIST_BINARY and
# KORVAN_XDG_DATA_DIR and KORVAN_BINDIR from the install(CODE) before it.

if(IS_ABSOLUTE "${KORVAN_XDG_DATA_DIR}")
    set(data_dir "${KORVAN_XDG_DATA_DIR}")
else()
    set(data_dir "${CMAKE_INSTALL_PREFIX}/${KORVAN_XDG_DATA_DIR}")
endif()

# The Exec key: the path quoted as desktop entries require
# (backslash before " ` $ \ inside quotes, % doubled), then every backslash
# doubled once more because the key's value is itself an escaped string.
set(exec "${CMAKE_INSTALL_PREFIX}/${KORVAN_BINDIR}/korvan")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "\"" "\\\"" exec "${exec}")
string(REPLACE "`" "\\`" exec "${exec}")
string(REPLACE "$" "\\$" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
set(KORVAN_DESKTOP_EXEC "\"${exec}\"")

configure_file("${KORVAN_DIST_SOURCE}/korvan.desktop.in" "${KORVAN_DIST_BINARY}/korvan.desktop" @ONLY)
file(INSTALL DESTINATION "${data_dir}/applications" TYPE FILE
     FILES "${KORVAN_DIST_BINARY}/korvan.desktop")

# The caches make the new type and entry known; a staged install (DESTDIR)
# leaves that to the package's own scripts.
if("$ENV{DESTDIR}" STREQUAL "")
    find_program(update_mime update-mime-database)
    if(update_mime)
        execute_process(COMMAND "${update_mime}" "${data_dir}/mime" OUTPUT_QUIET ERROR_QUIET)
    endif()
    find_program(update_desktop update-desktop-database)
    if(update_desktop)
        execute_process(COMMAND "${update_desktop}" "${data_dir}/applications"
                        OUTPUT_QUIET ERROR_QUIET)
    endif()
endif()
