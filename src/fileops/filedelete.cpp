#include "fileops/filedelete.h"

#include "fileops/fileerrors.h"
#include "fileops/fileprogress.h"
#include "fileops/fileutil.h"
#include "fileops/paths.h"
#include "platform/errorcodes.h"
#include "platform/filesystem.h"
#include "platform/trash.h"

namespace {

class DeleteDisplay {
public:
    DeleteDisplay(TDeleteProgress* progress, int gaugeMax) : progress_(progress) {
        if (progress_ != nullptr) {
            progress_->BeginDisplay(gaugeMax);
        }
    }
    ~DeleteDisplay() {
        if (progress_ != nullptr) {
            progress_->EndDisplay();
        }
    }
    DeleteDisplay(const DeleteDisplay&) = delete;
    DeleteDisplay& operator=(const DeleteDisplay&) = delete;

private:
    TDeleteProgress* progress_;
};

}  // namespace

TFileDelete::TFileDelete(platform::FileSystem& files, platform::Dialogs& dialogs,
                         platform::Trash* trash, TDeleteProgress* progress)
    : TFileFunction(files, dialogs), trash_(trash), progress_(progress) {}

// No attributes are changed first: unlinking needs no write permission on the file, and a
// file whose deletion then fails must stay as it was.
int TFileDelete::DeleteOne(const std::string& path) {
    TDeleteProgress* progress = Progress();
    if (progress != nullptr) {
        if (progress->CancelRequested()) {
            return kResultCancelled;
        }
        progress->SetItem(ExtractFileName(path));
    }
    int result = 0;
    if (UseRecycleBin) {
        result = trash_ != nullptr ? trash_->MoveToTrash(path) : platform::kErrorNotSupported;
    } else {
        result = files_.Unlink(path);
    }
    if (progress != nullptr) {
        progress->Advance();
    }
    return result;
}

void TFileDelete::Execute() {
    DeleteDisplay display(Progress(), Progress() != nullptr ? GetSelectedCount(Files) : 0);
    BeginRun();
    const int count = static_cast<int>(Files.size());
    for (int i = 0; i < count; ++i) {
        const int result = DeleteOne(Files[static_cast<std::size_t>(i)]);
        SetResult(i, result);
        if (result == kResultCancelled) {
            break;
        }
        if (result > 0 && !AskContinue(dialogs_, result, kProcessRestText, i == count - 1, Owner)) {
            break;
        }
    }
}
