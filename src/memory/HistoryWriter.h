#pragma once

// Appends records to one history file, the file of this machine and account,
// so that no two programs ever write one file. Every record is a whole line
// written in one call; a file whose last line was cut off (a killed program,
// a half-synced copy) gets a line feed first, so the next record starts on a
// line of its own.

#include <string>
#include <unordered_set>

#include "memory/HistoryFormat.h"

namespace korvan {

class THistoryWriter
{
public:
    // `privateFiles`: folders made 0700 and the file 0600 (the user's own
    // folder); otherwise as the umask allows (a folder shared with others).
    THistoryWriter(std::string folder, std::string fileName, bool privateFiles);
    ~THistoryWriter();
    THistoryWriter(const THistoryWriter&) = delete;
    THistoryWriter& operator=(const THistoryWriter&) = delete;

    // Writes the card record unless this file holds it already, then the
    // review. Throws TIoError; what was written before stays whole.
    void Append(const TCardRecord& card, const TReviewRecord& review);
    // Puts what was appended on the disk.
    void Sync();

    const std::string& Path() const { return FilePath; }

private:
    void Open();
    void WriteAll(const std::string& bytes);

    std::string Folder;
    std::string FilePath;
    bool Private;
    int Fd = -1;
    std::unordered_set<std::string> KnownCards;
};

} // namespace korvan
