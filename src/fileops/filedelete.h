#pragma once

#include <string>

#include "fileops/operation.h"

class TDeleteProgress;

namespace platform {
class Trash;
}

// Deletes a list of files, into the desktop's trash or for good, one at a time.
class TFileDelete : public TFileFunction {
public:
    // trash may be null when UseRecycleBin is switched off; progress may be null (no window).
    TFileDelete(platform::FileSystem& files, platform::Dialogs& dialogs, platform::Trash* trash,
                TDeleteProgress* progress);

    // Send files to the trash instead of deleting them. A file the trash does not take stays
    // where it is and fails; it is never deleted for good in its place.
    bool UseRecycleBin = true;

    int DeleteOne(const std::string& path);
    void Execute();

private:
    TDeleteProgress* Progress() const { return ShowProgress ? progress_ : nullptr; }

    platform::Trash* trash_;
    TDeleteProgress* progress_;
};
