#pragma once

// Where the program's files are. Two folders:
// - the shipped folder, read only: the time table, the modes, the signals,
//   fonts, templates, help and the bundled lessons;
// - the user folder, everything the program writes: settings, the log, the
//   user's own lessons.
// A portable copy (the executable beside its files) keeps both in one folder,
// as it always did. An installed program (PREFIX/bin/korvan with its files in
// PREFIX/share/korvan) writes into $XDG_DATA_HOME/korvan instead, so every
// user of a machine has an account of their own.
//
// Which to use:
//   ShippedFile(name)    a file we ship and never write (signals, fonts, help)
//   UserFile(name)       a file the program writes (Korvan.ini, Log.txt, ...)
//   AdaptableFile(name)  a shipped file a user may replace with a copy of
//                        their own (Time.ini, Modes.ini): that copy, if any
//   UserLessonsFolder()  "lessons/Уроки собственной разработки/" of the user
//   ProposedWriteFolder(folder)  where to propose writing a new file that
//                        would naturally go into `folder`

#include <optional>
#include <string>
#include <string_view>

namespace korvan {

struct TFileLocations
{
    bool Installed = false;
    std::string Shipped; // ends in "/"
    std::string User;    // ends in "/"
};

// What the folders are decided from: the executable's own path and the
// environment. Unset variables are nullopt.
struct TLocationInputs
{
    std::string Executable; // absolute, symbolic links resolved
    // InstalledDataFolder(Executable) holds the program's files.
    bool InstalledDataPresent = false;
    std::optional<std::string> XdgDataHome;
    std::optional<std::string> Home;
    std::string AccountHome; // the password database's home; may be empty
};

// "PREFIX/share/korvan/" when the executable is "PREFIX/bin/NAME"; else empty.
std::string InstalledDataFolder(const std::string& executable);

// The layout decides, not the permissions: installed when the executable lies
// in a bin folder whose share/korvan holds our files, else portable. The user
// folder of an installed program is $XDG_DATA_HOME/korvan/, where a relative
// or empty value is ignored (the XDG rules), then $HOME/.local/share/korvan/,
// then the account's home, and "/" as the last resort, so that a write never
// lands relative to the current folder.
TFileLocations DecideFileLocations(const TLocationInputs& inputs);

// Decides from /proc/self/exe and the environment. Called once at start.
void InitFileLocations();
void SetFileLocations(TFileLocations locations);
const TFileLocations& FileLocations();

std::string ShippedFile(std::string_view name);
std::string UserFile(std::string_view name);
std::string AdaptableFile(std::string_view name);
std::string UserLessonsFolder();

// True when `folder` lies in `parent` or is it (both lexically, no links).
bool IsInsideFolder(const std::string& folder, const std::string& parent);

// `folder` (with a trailing "/") when the user may write there and, installed,
// it is not part of the shipped folder; else the user's lessons folder.
std::string ChooseWriteFolder(const TFileLocations& locations, const std::string& folder,
                              bool writable);
std::string ProposedWriteFolder(const std::string& folder);

// A user folder the program cannot write into.
struct TFolderProblem
{
    std::string Folder;
    int Error = 0; // errno
};

// Creates the user folder and its lessons folder (installed), then checks that
// the user folder can be written.
std::optional<TFolderProblem> PrepareUserFolder();

// The reason for the common cases as a marked text (context "Paths",
// translated where shown), the system's own text otherwise.
std::string FolderErrorText(int error);

} // namespace korvan
