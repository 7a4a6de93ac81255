#pragma once

// Where a pupil's history lives: one folder a pupil in the history folder,
// one file in it for each machine and account that drills them.

#include <string>

namespace korvan {

// "HOST-ACCOUNT.jsonl", with characters other than letters, digits, "-", "_"
// and "." made "_".
std::string OwnHistoryFileName();

// The folder of a pupil's history within the history folder: the pupil's name
// in UTF-8, a "/" in it and a leading "." made "_"; ends in "/".
std::string PupilHistoryFolder(const std::string& historyFolder, const std::string& pupilUtf8);

// A pupil renamed takes their history along: the folder is renamed, or, when
// the new name has a history already, its files are moved in (a file of the
// same name gets a number). Nothing when the old name has none. Throws
// TIoError.
void CarryPupilHistory(const std::string& historyFolder, const std::string& fromUtf8,
                       const std::string& toUtf8);

} // namespace korvan
