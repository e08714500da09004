#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QButtonGroup;
class QToolButton;

// A row of owner-drawn tabs on a white strip: each tab a face picture (another one while it
// is pressed) with its caption centred, bold while pressed, and a grey baseline that runs
// under the tabs and opens under the pressed one. One tab is pressed at a time.
class TXPTabBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTabWidth = 84;
    static constexpr int kTabHeight = 21;

    explicit TXPTabBar(QWidget* parent = nullptr);

    // Adds a tab named name (its objectName) with its caption and hint; its tag is its index.
    QToolButton* AddTab(const char* name, const QString& caption, const QString& hint);
    // The pictures of a tab and of the pressed tab; an empty picture draws nothing.
    void SetFaces(const QPixmap& tab, const QPixmap& pressed);

    // A tab was clicked; index is its tag.
    std::function<void(int index)> OnTabClick;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QButtonGroup* group_;
    std::vector<QToolButton*> tabs_;
    QPixmap face_;
    QPixmap pressedFace_;
};
