#pragma once

#include "platform/trash.h"

namespace platform {

// The freedesktop trash, through Qt.
class QtTrash : public Trash {
public:
    int MoveToTrash(const std::string& path) override;
};

}  // namespace platform
