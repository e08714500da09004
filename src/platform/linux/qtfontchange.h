#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "platform/fontchange.h"

namespace platform {

// "Fonts changed": refreshes fontconfig's cache of the user's Fonts folder, so other programs
// see the change, and tells the program's own views by signal and by callback.
class QtFontChange : public QObject, public FontChange {
    Q_OBJECT

public:
    explicit QtFontChange(QObject* parent = nullptr) : QObject(parent) {}

    void Broadcast() override;
    int BroadcastCount() const override { return count_; }
    void AddListener(std::function<void()> listener);

signals:
    void FontsChanged();

private:
    std::vector<std::function<void()>> listeners_;
    int count_ = 0;
};

}  // namespace platform
